// SPDX-License-Identifier: GPL-3.0-or-later
// The headless window stores behave as the list, text, check and slider controls do.
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include <QSignalSpy>
#include <QtTest>

using namespace kt913;

class TstFormStore : public QObject {
    Q_OBJECT
private slots:
    void unknownControlNamesChangeNothing()
    {
        // Release builds too: a misspelt name is reported and refused, never taken for
        // some other control of the window.
        FormStore s(optionsFormDescription());
        const int before = s.index("Combo1");
        QSignalSpy changed(&s, &FormStore::changed);
        QTest::ignoreMessage(QtCriticalMsg, "Form3 has no control named Combo99");
        QVERIFY(!s.setIndex("Combo99", 1 - before));
        QTest::ignoreMessage(QtCriticalMsg, "Form3 has no control named Text99");
        s.setText("Text99", QStringLiteral("x"), Language::Chinese);
        QTest::ignoreMessage(QtCriticalMsg, "Form3 has no control named Combo99");
        QCOMPARE(s.index("Combo99"), -1);
        QCOMPARE(s.index("Combo1"), before);
        QCOMPARE(changed.count(), 0);
    }

    void listsRejectIndexesTheyDoNotHave()
    {
        FormStore s(optionsFormDescription());
        QCOMPARE(s.index("Combo21"), 1);
        QVERIFY(!s.setIndex("Combo21", 3)); // three-entry backlight list
        QCOMPARE(s.index("Combo21"), 1);
        QVERIFY(!s.setIndex("Combo21", -1)); // not an editable list
        QVERIFY(s.setIndex("Combo21", 2));
        QCOMPARE(s.text("Combo21", Language::English), QStringLiteral("CONT"));
    }

    void editableListsKeepTypedText()
    {
        FormStore s(optionsFormDescription());
        s.setText("Combo13", QStringLiteral("sometimes"), Language::English);
        QCOMPARE(s.index("Combo13"), -1);
        QCOMPARE(s.text("Combo13", Language::English), QStringLiteral("sometimes"));
        s.setText("Combo13", QStringLiteral("Auto"), Language::English);
        QCOMPARE(s.index("Combo13"), 1);
        QCOMPARE(s.text("Combo13", Language::Chinese), QStringLiteral("自动"));
        // A plain list ignores text that is none of its items.
        s.setText("Combo7", QStringLiteral("maybe"), Language::English);
        QCOMPARE(s.index("Combo7"), 1);
    }

    void languageChangesTextsNotSelections()
    {
        FormStore s(optionsFormDescription());
        QVERIFY(s.setIndex("Combo33", 0));
        QCOMPARE(s.text("Combo33", Language::Chinese), QStringLiteral("B组"));
        QCOMPARE(s.text("Combo33", Language::English), QStringLiteral("Group B"));
        QCOMPARE(s.text("Combo19", Language::English), QStringLiteral("1 Minute"));
        QCOMPARE(s.text("Combo35", Language::Chinese), QStringLiteral("关"));
        QVERIFY(s.setIndex("Combo35", 15));
        QCOMPARE(s.text("Combo35", Language::Chinese), QStringLiteral("15 小时"));
        QCOMPARE(s.text("Combo35", Language::English), QStringLiteral("15 Hour"));
    }

    void startFormSetsOnlyTheNewValues()
    {
        FormStore s(optionsFormDescription());
        s.setText("Text1", QStringLiteral("4321"), Language::Chinese);
        s.setText("Text20", QStringLiteral("150.00000"), Language::Chinese);
        s.setChecked("Check13", true);
        s.setIndex("Combo5", 9);
        s.setText("Text6", QString(), Language::Chinese);
        QSignalSpy spy(&s, &FormStore::changed);
        s.startForm();
        QCOMPARE(s.index("Combo5"), 4);
        QCOMPARE(s.text("Text6", Language::Chinese), QStringLiteral("1"));
        QCOMPARE(s.text("Text1", Language::Chinese), QStringLiteral("4321"));
        QCOMPARE(s.text("Text20", Language::Chinese), QStringLiteral("150.00000"));
        QVERIFY(s.isChecked("Check13"));
        QVERIFY(spy.count() >= 2);
    }

    void slidersStayInRange()
    {
        FormStore s(debugFormDescription());
        QCOMPARE(s.value("Slider1(0)"), 215);
        QCOMPARE(s.value("Slider1(4)"), 208);
        QCOMPARE(s.value("Slider1(5)"), 160);
        QCOMPARE(s.value("Slider1(17)"), 150);
        QVERIFY(!s.setValue("Slider1(0)", 256));
        QVERIFY(s.setValue("Slider1(0)", 0));
        QCOMPARE(s.value("Slider1(0)"), 0);
    }

    void controlNamesAreUniqueAndListsComplete()
    {
        for (const FormDescription *d : {&dtmfFormDescription(), &optionsFormDescription(), &debugFormDescription(),
                                         &fmFormDescription()}) {
            QSet<QString> names;
            for (const ControlDescription &c : d->controls) {
                QVERIFY2(!names.contains(c.name), qPrintable(d->name + ' ' + c.name));
                names.insert(c.name);
                if (!c.itemsEn.isEmpty())
                    QVERIFY2(c.itemsEn.size() == c.itemsZh.size(), qPrintable(c.name));
                if (c.kind == ControlKind::List && !c.newValue.isNull())
                    QVERIFY2(c.newValue.toInt() < c.itemCount(), qPrintable(c.name));
            }
        }
        QCOMPARE(dtmfFormDescription().find("Combo17")->itemsZh.value(6), QStringLiteral("1200毫秒"));
        QCOMPARE(dtmfFormDescription().find("Combo17")->itemsEn.value(6), QStringLiteral("1200MS"));
    }

    void freshModelIsAFreshlyStartedProgram()
    {
        RadioModel m;
        QCOMPARE(m.bandSelection(), 0);
        QCOMPARE(m.options().text("Text20", m.language()), QStringLiteral("155.000"));
        QCOMPARE(m.options().text("Text3", m.language()), QStringLiteral("435.000"));
        QCOMPARE(m.fmForm().text("Combo1(0)", m.language()), QStringLiteral("0"));
        QCOMPARE(m.fmForm().text("Text2", m.language()), QString());
        QCOMPARE(m.debugValues()[0], 0);
        QCOMPARE(m.debug().value("Slider1(0)"), 215);
        QCOMPARE(m.dtmf().index("Combo17"), 6);
    }

    void newResetsEditorsButNotFmOrImages()
    {
        RadioModel m;
        m.channels().setFreqText(1, 0, QStringLiteral("145.00000"));
        m.options().setIndex("Combo5", 9);
        m.dtmf().setText("Text2", QStringLiteral("123"), m.language());
        FmState fm = m.fm();
        fm.FmPresentChannel = 7;
        m.setFm(fm);
        m.memoryImageToFill()[5] = 0x42;
        m.newData();
        QVERIFY(!m.channels().isUsed(1));
        QCOMPARE(m.options().index("Combo5"), 4);
        QCOMPARE(m.dtmf().text("Text2", m.language()), QString());
        QCOMPARE(m.fm().FmPresentChannel, qint16(7));
        QCOMPARE(int(m.memoryImage()[5]), 0x42);
    }
};

QTEST_GUILESS_MAIN(TstFormStore)
#include "tst_formstore.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The optional features window driven as a user drives it: typing into its boxes,
// leaving them, the page tabs, the service-mode captions and the file round trip.
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/FmEditor.h"
#include "image/DatFile.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include "widgets/FilteredLineEdit.h"
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

struct Options {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    OptionalFeaturesEditor *f = nullptr;
    int now = 36000;

    Options()
    {
        w = &shell.start();
        f = w->optionalFeaturesEditor();
        f->setClock([this] { return now; });
        w->action(QStringLiteral("MNOption"))->trigger();
        QApplication::setActiveWindow(w);
    }
    template <typename T> T control(const char *name) const { return findControl<T>(f, QString::fromLatin1(name)); }
    FilteredLineEdit *box(const char *name) const { return control<FilteredLineEdit *>(name); }
    QString value(const char *name) const { return w->model().options().text(QString::fromLatin1(name), Language::Chinese); }
    // Clicks into the box, replaces its text by typing, then leaves it with Tab.
    void type(const char *name, const QString &keys, bool leave = true) const
    {
        FilteredLineEdit *b = box(name);
        QTest::mouseClick(b, Qt::LeftButton);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, keys);
        if (leave)
            QTest::keyClick(b, Qt::Key_Tab);
    }
    void clickTab(int i) const
    {
        auto *tabs = control<QTabBar *>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
    }
    void clickLabel(const char *name) const { QTest::mouseClick(control<QLabel *>(name), Qt::LeftButton); }
};

} // namespace

class TestOptionalFeaturesEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void channelNumbers()
    {
        Options o;
        FilteredLineEdit *text6 = o.box("Text6");
        o.type("Text6", QStringLiteral("6"), false);
        QCOMPARE(text6->text(), QStringLiteral("6"));
        QTest::keyClick(text6, Qt::Key_5);
        QCOMPARE(text6->text(), QStringLiteral("64"));
        o.type("Text6", QStringLiteral("007"));
        QCOMPARE(o.value("Text6"), QStringLiteral("7"));
        o.type("Text2", QStringLiteral("0"));
        QCOMPARE(o.value("Text2"), QString());
        o.type("Text2", QString());
        QCOMPARE(o.box("Text2")->text(), QString());
        // Enter runs the same correction, letters never get in.
        o.type("Text2", QStringLiteral("0a9"), false);
        QTest::keyClick(o.box("Text2"), Qt::Key_Return);
        QCOMPARE(o.box("Text2")->text(), QStringLiteral("9"));
    }

    void vfoFrequenciesAndOffsets()
    {
        Options o;
        o.clickTab(1);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(o.box("Text20")));
        o.type("Text20", QStringLiteral("145.12345"));
        QCOMPARE(o.value("Text20"), QStringLiteral("145.12000"));
        o.type("Text20", QStringLiteral("174"));
        QCOMPARE(o.value("Text20"), QStringLiteral("136.00000"));
        o.type("Text20", QStringLiteral("435"), false);
        QTest::keyClick(o.box("Text20"), Qt::Key_Return);
        QCOMPARE(o.value("Text20"), QStringLiteral("435.00000"));
        o.type("Text4", QStringLiteral("123.456"));
        QCOMPARE(o.value("Text4"), QStringLiteral("99.99500"));
        // A longer offset set by the program is shown whole; typing adds nothing to it.
        o.w->model().options().setText(QStringLiteral("Text21"), QStringLiteral("100.00000"), Language::Chinese);
        QCOMPARE(o.box("Text21")->text(), QStringLiteral("100.00000"));
        QTest::mouseClick(o.box("Text21"), Qt::LeftButton);
        o.box("Text21")->end(false);
        QTest::keyClick(o.box("Text21"), Qt::Key_1);
        QCOMPARE(o.box("Text21")->text(), QStringLiteral("100.00000"));
    }

    void powerOnTextAndPassword()
    {
        Options o;
        o.type("Text31", QStringLiteral("abc-1"));
        QCOMPARE(o.value("Text31"), QStringLiteral("ABC-1"));
        o.type("Text31", QStringLiteral("a b@c*#xyz"));
        QCOMPARE(o.value("Text31"), QStringLiteral("ABC*#X"));
        o.type("Text1", QStringLiteral("12a345"));
        QCOMPARE(o.value("Text1"), QStringLiteral("1234"));
    }

    void serviceModeClicks()
    {
        Options o;
        o.clickLabel("Label37");
        o.clickLabel("Label14");
        o.now += 6;
        o.clickLabel("Label15"); // too late: a new attempt begins with it
        QVERIFY(!o.w->model().debugUnlocked());
        o.clickLabel("Label37");
        o.now += 5;
        o.clickLabel("Label14");
        QVERIFY(o.w->model().debugUnlocked());
        QVERIFY(o.w->action(QStringLiteral("TDebug"))->isVisible());
        QVERIFY(!o.w->model().forceWriteUnlocked());
    }

    void everyCaptionFindsItsControlBothWays()
    {
        Options o;
        QCOMPARE(applyCaptionTable(o.f, captionTableFor(optionsFormDescription()), Language::English), 0);
        QCOMPARE(o.control<QTabBar *>("TabStrip1")->tabText(1), QStringLiteral("VFO Set"));
        QCOMPARE(o.control<QComboBox *>("Combo33")->itemText(0), QStringLiteral("Group B"));
        QCOMPARE(applyCaptionTable(o.f, captionTableFor(optionsFormDescription()), Language::Chinese), 0);
    }

    void startFormKeepsPasswordAndVfoFrequencies()
    {
        Options o;
        FormStore &s = o.w->model().options();
        s.setText(QStringLiteral("Text1"), QStringLiteral("1234"), Language::Chinese);
        s.setText(QStringLiteral("Text20"), QStringLiteral("146.00000"), Language::Chinese);
        s.setChecked(QStringLiteral("Check12"), true);
        s.setText(QStringLiteral("Text31"), QStringLiteral("HELLO"), Language::Chinese);
        s.setIndex(QStringLiteral("Combo3"), 0);
        o.f->StartForm();
        QCOMPARE(s.text(QStringLiteral("Text1"), Language::Chinese), QStringLiteral("1234"));
        QCOMPARE(s.text(QStringLiteral("Text20"), Language::Chinese), QStringLiteral("146.00000"));
        QVERIFY(s.isChecked(QStringLiteral("Check12")));
        QCOMPARE(s.text(QStringLiteral("Text31"), Language::Chinese), QString());
        QCOMPARE(o.control<QComboBox *>("Combo3")->currentIndex(), 4);
        s.setText(QStringLiteral("Text3"), QStringLiteral("438.00000"), Language::Chinese);
        s.setChecked(QStringLiteral("Check13"), true);
        o.f->StartForm();
        QCOMPARE(s.text(QStringLiteral("Text3"), Language::Chinese), QStringLiteral("438.00000"));
        QVERIFY(s.isChecked(QStringLiteral("Check13")));
    }

    void pagesAndTheirFocus()
    {
        Options o;
        QVERIFY(o.control<QGroupBox *>("Frame2")->isVisible());
        QVERIFY(o.control<QGroupBox *>("Frame1")->isVisible());
        o.clickTab(1);
        QVERIFY(!o.control<QGroupBox *>("Frame2")->isVisible());
        QVERIFY(o.control<QGroupBox *>("Frame3")->isVisible());
        QVERIFY(o.control<QGroupBox *>("Frame5")->isVisible());
        QVERIFY(o.control<QGroupBox *>("Frame1")->isVisible()); // VOX beside both pages
        QTRY_COMPARE(QApplication::focusWidget(), o.box("Text20"));
        o.clickTab(0);
        QTRY_COMPARE(QApplication::focusWidget(), o.box("Text6"));
    }

    void typedListTextAndTheLanguageSwitch()
    {
        Options o;
        auto *search = o.control<QComboBox *>("Combo13");
        QTest::mouseClick(search->lineEdit(), Qt::LeftButton);
        search->lineEdit()->selectAll();
        QTest::keyClicks(search->lineEdit(), QStringLiteral("sometimes"));
        FormStore &s = o.w->model().options();
        QCOMPARE(s.index(QStringLiteral("Combo13")), -1);
        auto *display = o.control<QComboBox *>("Combo17");
        QTest::mouseClick(display->lineEdit(), Qt::LeftButton);
        display->lineEdit()->selectAll();
        QTest::keyClicks(display->lineEdit(), QStringLiteral("both"));
        QCOMPARE(s.index(QStringLiteral("Combo17")), -1);
        // Such a list is saved as its New value, never as a stray bit or 0xFF.
        const QString file = o.shell.dir.filePath(QStringLiteral("typed.dat"));
        QVERIFY(o.w->fileCommands().saveFile(file));
        Image image{};
        QVERIFY(readDatFile(file, image).ok());
        QCOMPARE((image[0x706] >> 7) & 1, 1); // the search mode's New value, "auto"
        QCOMPARE(int(image[0x703]), 1);       // group B's display mode, "频率与频道"

        // Every list keeps its selection when the language changes; only texts change.
        s.setIndex(QStringLiteral("Combo33"), 0);
        QMap<QString, int> before;
        for (QComboBox *combo : o.f->findChildren<QComboBox *>())
            before[combo->objectName()] = combo->currentIndex();
        o.w->setLanguage(Language::English);
        for (QComboBox *combo : o.f->findChildren<QComboBox *>())
            QCOMPARE(combo->currentIndex(), before[combo->objectName()]);
        QCOMPARE(o.control<QComboBox *>("Combo33")->currentText(), QStringLiteral("Group B"));
        QCOMPARE(o.control<QComboBox *>("Combo35")->itemText(15), QStringLiteral("15 Hour"));
        o.w->setLanguage(Language::Chinese);
        QCOMPARE(o.control<QComboBox *>("Combo19")->itemText(7), QStringLiteral("7 分钟"));
    }

    // An editable list never shows one value while it stores another: a letter typed in
    // either case is completed to the list's item, which is selected, before the list is
    // left and after. Every such list of every window.
    void typedListsStoreWhatTheyShow()
    {
        Options o;
        o.w->setLanguage(Language::English);
        RadioModel &m = o.w->model();
        const std::pair<QWidget *, FormStore *> windows[] = {
            {o.w->dtmfEditor(), &m.dtmf()}, {o.f, &m.options()}, {o.w->fmEditor(), &m.fmForm()}};
        QStringList checked;
        for (const auto &[form, store] : windows) {
            o.w->showChild(form);
            for (QComboBox *combo : form->findChildren<QComboBox *>()) {
                if (!combo->isEditable() || !combo->isVisible())
                    continue;
                const QString name = combo->objectName();
                const QString item = combo->itemText(0);
                QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
                combo->lineEdit()->selectAll();
                QTest::keyClicks(combo->lineEdit(), item.left(1).toLower());
                QCOMPARE(combo->currentText(), item);
                QCOMPARE(store->index(name), 0);
                QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
                QCOMPARE(combo->currentText(), item);
                QCOMPARE(store->index(name), 0);
                checked << name;
            }
        }
        QCOMPARE(checked.size(), 11);
    }

    void valuesTravelThroughTheFile()
    {
        Options o;
        o.type("Text6", QStringLiteral("12"));
        o.type("Text31", QStringLiteral("hi-73"));
        auto *squelch = o.control<QComboBox *>("Combo5");
        squelch->setFocus();
        QTest::keyClick(squelch, Qt::Key_Down);
        o.clickTab(1);
        o.type("Text21", QStringLiteral("0.6"));
        const QString file = o.shell.dir.filePath(QStringLiteral("options.dat"));
        QVERIFY(o.w->fileCommands().saveFile(file));

        o.log.answers = {mbResult::Ok};
        o.w->action(QStringLiteral("MNNew"))->trigger();
        QCOMPARE(o.box("Text6")->text(), QStringLiteral("1"));
        QVERIFY(o.w->fileCommands().openFile(file));
        QCOMPARE(o.box("Text6")->text(), QStringLiteral("12"));
        QCOMPARE(o.box("Text31")->text(), QStringLiteral("HI-73"));
        QCOMPARE(squelch->currentIndex(), 5);
        QCOMPARE(o.box("Text21")->text(), QStringLiteral("0.60000"));
    }

    void forceWriteModeAndTheToolbarLock()
    {
        Options o;
        o.clickTab(1);
        for (const char *label : {"Label20", "Label45", "Label44"})
            o.clickLabel(label);
        QVERIFY(o.w->model().forceWriteUnlocked());
        QVERIFY(o.w->action(QStringLiteral("TAnMa"))->isVisible());
        QVERIFY(!o.w->model().debugUnlocked());
        // Locked from the toolbar, the clicks so far are forgotten: one more is no mode.
        o.w->model().setForceWriteUnlocked(false);
        QVERIFY(!o.w->action(QStringLiteral("TAnMa"))->isVisible());
        o.clickLabel("Label20");
        QVERIFY(!o.w->model().forceWriteUnlocked());
    }

    // KT913_SCREENSHOT_DIR=folder saves both pages in both languages.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Options o;
        for (Language lang : {Language::Chinese, Language::English}) {
            o.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            for (int page = 0; page < 2; ++page) {
                o.clickTab(page);
                QTest::qWait(20);
                o.f->parentWidget()->grab().save(dir + QStringLiteral("/form3-page%1-%2.png").arg(page + 1).arg(suffix));
            }
        }
    }
};

QTEST_MAIN(TestOptionalFeaturesEditor)
#include "tst_OptionalFeaturesEditor.moc"

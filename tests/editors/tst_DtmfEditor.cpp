// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window: its key filter and lengths, New, and the language switch.
#include "editors/DtmfEditor.h"
#include "shell/ShellTestKit.h"
#include "widgets/FilteredLineEdit.h"
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

class TestDtmfEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void codesAndNew()
    {
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start();
        DtmfEditor *f = w.dtmfEditor();
        QVERIFY(!w.action(QStringLiteral("MNDTMF"))->isEnabled()); // out of the user's reach
        w.showChild(f);
        QApplication::setActiveWindow(&w);
        auto *start = findControl<FilteredLineEdit *>(f, QStringLiteral("Text2"));
        auto *end = findControl<FilteredLineEdit *>(f, QStringLiteral("Text4"));
        start->setFocus();
        QTest::keyClicks(start, QStringLiteral("abcd*#e1"));
        QCOMPARE(start->text(), QStringLiteral("ABCD*#1"));
        QTest::keyClicks(start, QStringLiteral("123456789"));
        QCOMPARE(start->text().size(), 16); // a seventeenth character cannot be typed
        end->setFocus();
        QTest::keyClicks(end, QStringLiteral("99"));
        QCOMPARE(w.model().dtmf().text(QStringLiteral("Text2"), Language::Chinese), start->text());

        // The hidden controls exist and hold values.
        for (const char *hidden : {"Combo18", "Text3", "Text1(0)", "Text1(7)", "Option1", "Option2"})
            QVERIFY2(!findControl<QWidget *>(f, QString::fromLatin1(hidden))->isVisibleTo(f), hidden);
        QVERIFY(findControl<QGroupBox *>(f, QStringLiteral("Frame3"))->isVisibleTo(f));

        auto *delay = findControl<QComboBox *>(f, QStringLiteral("Combo17"));
        QCOMPARE(delay->count(), 10);
        QCOMPARE(delay->currentIndex(), 6);
        QCOMPARE(delay->currentText(), QStringLiteral("1200毫秒"));
        w.setLanguage(Language::English);
        QCOMPARE(delay->currentIndex(), 6);
        QCOMPARE(delay->currentText(), QStringLiteral("1200MS"));
        QCOMPARE(findControl<QComboBox *>(f, QStringLiteral("Combo16"))->itemText(1), QStringLiteral("Slow"));

        // New empties the start code and keeps the end code.
        delay->setCurrentIndex(2);
        w.model().dtmf().setIndex(QStringLiteral("Combo17"), 2);
        f->StartForm();
        QCOMPARE(start->text(), QString());
        QCOMPARE(end->text(), QStringLiteral("99"));
        QCOMPARE(delay->currentIndex(), 6);
    }
};

QTEST_MAIN(TestDtmfEditor)
#include "tst_DtmfEditor.moc"

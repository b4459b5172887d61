// SPDX-License-Identifier: GPL-3.0-or-later
// The program used without a mouse: from the menu shortcut that shows a window, through
// the grid's cell editors, the settings, the FM channels and a debug slider (its mode
// unlocked from the keyboard), to the file that Save writes. Key events only.
#include "editors/ChannelGrid.h"
#include "editors/ChannelEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "image/ChannelGridModel.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "shell/ShellTestKit.h"
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

QWidget *focus() { return QApplication::focusWidget(); }

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focus(), Qt::Key(key), modifiers);
}

// Tab until `target` has the focus; false when it never comes.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 200 && focus() != target; ++i)
        press(Qt::Key_Tab);
    return focus() == target;
}

} // namespace

class TestKeyboardOnly : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void editEverythingAndSave()
    {
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.optionalFeaturesEditor()->setClock([] { return 40000; });
        const ChannelTables &tables = w.model().channels();

        // A channel: Ctrl+M, the arrows to channel 2's receive cell, Enter, the
        // frequency, Enter; then its power with F2 and the list's arrow keys.
        press(Qt::Key_M, Qt::ControlModifier);
        ChannelGrid *grid = w.channelEditor()->grid(1);
        QVERIFY(tabTo(grid));
        QCOMPARE(grid->currentColumn(), col::Rx); // not the label column
        press(Qt::Key_Down);
        press(Qt::Key_Left); // the label is no stop
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), col::Rx);
        press(Qt::Key_Return);
        QTest::keyClicks(focus(), QStringLiteral("145"));
        press(Qt::Key_Return);
        QCOMPARE(focus(), grid);
        QCOMPARE(tables.cell(2, col::Rx), QStringLiteral("145.00000"));
        for (int c = col::Rx; c < col::Power; ++c)
            press(Qt::Key_Right);
        press(Qt::Key_F2);
        auto *power = findControl<QComboBox *>(w.channelEditor(), QStringLiteral("Combo5(5)"));
        QTRY_VERIFY(power->view()->isVisible());
        QTest::keyClick(power->view(), Qt::Key_Up);
        QTest::keyClick(power->view(), Qt::Key_Return);
        QCOMPARE(tables.cell(2, col::Power), QStringLiteral("低"));
        // Escape leaves a cell as it was, from a text box and from a list alike.
        press(Qt::Key_Left);
        press(Qt::Key_Return);
        QTRY_VERIFY(findControl<QComboBox *>(w.channelEditor(), QStringLiteral("Combo1"))->view()->isVisible());
        QTest::keyClick(findControl<QComboBox *>(w.channelEditor(), QStringLiteral("Combo1"))->view(), Qt::Key_Escape);
        press(Qt::Key_Down);
        press(Qt::Key_Escape);
        QCOMPARE(focus(), grid);
        QCOMPARE(tables.cell(2, col::TxTone), QStringLiteral("关闭"));
        while (grid->currentColumn() > col::Rx)
            press(Qt::Key_Left);
        press(Qt::Key_F2);
        QTest::keyClicks(focus(), QStringLiteral("150"));
        press(Qt::Key_Escape);
        QCOMPARE(focus(), grid);
        QCOMPARE(tables.cell(2, col::Rx), QStringLiteral("145.00000"));

        // A setting: Ctrl+P, Tab to the group A channel number, type, Tab on.
        press(Qt::Key_P, Qt::ControlModifier);
        auto *text6 = findControl<QWidget *>(w.optionalFeaturesEditor(), QStringLiteral("Text6"));
        QVERIFY(tabTo(text6));
        QTest::keyClicks(focus(), QStringLiteral("\b\b12"));
        press(Qt::Key_Tab);
        QCOMPARE(w.model().options().text(QStringLiteral("Text6"), w.model().language()), QStringLiteral("12"));

        // The debug mode from the three captions of the VOX frame: Tab to each, Space.
        for (const char *name : kDebugLabels) {
            QVERIFY2(tabTo(findControl<QLabel *>(w.optionalFeaturesEditor(), QString::fromLatin1(name))), name);
            press(Qt::Key_Space);
        }
        QVERIFY(w.model().debugUnlocked());
        // And the forced writing from the VFO page's captions, the page turned with the
        // arrow key on the tabs.
        QVERIFY(tabTo(findControl<QWidget *>(w.optionalFeaturesEditor(), QStringLiteral("TabStrip1"))));
        press(Qt::Key_Right);
        QCOMPARE(w.optionalFeaturesEditor()->currentPage(), 1);
        for (const char *name : kForceWriteLabels) {
            QVERIFY2(tabTo(findControl<QLabel *>(w.optionalFeaturesEditor(), QString::fromLatin1(name))), name);
            press(Qt::Key_Return);
        }
        QVERIFY(w.model().forceWriteUnlocked());

        // A slider: Ctrl+B, Tab to slider 0, one step right, one page up.
        press(Qt::Key_B, Qt::ControlModifier);
        QSlider *slider = w.debugEditor()->slider(0);
        QVERIFY(tabTo(slider));
        press(Qt::Key_Right);
        press(Qt::Key_PageUp);
        QCOMPARE(slider->value(), 215 + 1 + 5);

        // An FM channel: Ctrl+F, down to channel 3, F2, the frequency, Enter; a value out
        // of range is refused on the message line; OK with the keyboard.
        press(Qt::Key_F, Qt::ControlModifier);
        QTableView *fm = w.fmEditor()->grid();
        QVERIFY(tabTo(fm));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_F2);
        QTest::keyClicks(focus(), QStringLiteral("86"));
        press(Qt::Key_Return);
        // The message line is read as what it says.
        auto *line = findControl<QLabel *>(w.fmEditor(), QStringLiteral("Label2"));
        QVERIFY(line->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
        press(Qt::Key_Return);
        QTest::keyClicks(focus(), QStringLiteral("98.5"));
        press(Qt::Key_Return);
        QCOMPARE(w.model().fmGrid()[2], QStringLiteral("98.50"));
        press(Qt::Key_F2);
        QTest::keyClicks(focus(), QStringLiteral("\b99"));
        press(Qt::Key_Escape);
        QCOMPARE(focus(), fm);
        QCOMPARE(w.model().fmGrid()[2], QStringLiteral("98.50"));
        QVERIFY(tabTo(findControl<QWidget *>(w.fmEditor(), QStringLiteral("Command1"))));
        press(Qt::Key_Space);

        // Save, and what it wrote read back as a new program would.
        shell.dialogs.saveAnswer = shell.dir.filePath(QStringLiteral("keys.dat"));
        press(Qt::Key_S, Qt::ControlModifier);
        RadioModel back;
        QVERIFY(readDatFile(shell.dialogs.saveAnswer, back.memoryImageToFill()).ok());
        DecodeImage(back);
        QCOMPARE(back.channels().cell(2, col::Rx), QStringLiteral("145.00000"));
        QCOMPARE(back.channels().cell(2, col::Power), QStringLiteral("低"));
        QCOMPARE(back.options().text(QStringLiteral("Text6"), back.language()), QStringLiteral("12"));
        QCOMPARE(back.fm().FmChannelFreq[2], QStringLiteral("98.50"));
        QCOMPARE(int(back.memoryImage()[map::kDebugBlockA + 3]), 221);
    }

    // The Help menu's keyboard page opens in the language in force, its text in reach of
    // the keyboard, and Enter closes it.
    void keyboardPage()
    {
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start();
        QApplication::setActiveWindow(&w);
        w.setLanguage(Language::English);
        QString title, text;
        QTimer::singleShot(0, [&] {
            QWidget *page = QApplication::activeModalWidget();
            QVERIFY(page);
            title = page->windowTitle();
            QTRY_VERIFY(focus() && focus()->window() == page);
            if (QAccessibleTextInterface *t = QAccessible::queryAccessibleInterface(focus())->textInterface())
                text = t->text(0, 200);
            press(Qt::Key_Return);
        });
        w.action(QStringLiteral("MNKeys"))->trigger();
        QCOMPARE(title, QStringLiteral("Keyboard Use"));
        QVERIFY2(text.contains(QLatin1String("Enter or F2")), qPrintable(text));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The port list: dropped open from the menu, closed with Escape, put away with a
    // second Escape; the port stays as it was.
    void portListEscape()
    {
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start({QStringLiteral("ttyKT1"), QStringLiteral("ttyKT2")});
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        log.clear(); // no such ports here: the load said so
        auto *ports = findControl<QComboBox *>(&w, QStringLiteral("ComboCom"));
        const QString before = ports->currentText();
        w.action(QStringLiteral("MNCommPort"))->trigger();
        QTRY_VERIFY(ports->view()->isVisible());
        QTest::keyClick(ports->view(), Qt::Key_Escape);
        QTRY_COMPARE(focus(), ports);
        press(Qt::Key_Escape);
        QVERIFY(!ports->isVisible());
        QCOMPARE(ports->currentText(), before);
        QVERIFY(log.requests.isEmpty());
    }

    // Tab walks each window in reading order: a caption before its box, the grid before
    // the fields beside it, the buttons last.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("menu"); // the Edit menu item that shows the window
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("then");
        QTest::newRow("FM") << "MNFMset" << "MSFGrid"
                            << QStringList{"Text2", "Combo1(0)", "Combo1(1)", "Command1", "Command2"};
        QTest::newRow("VOX") << "MNOption" << "Text1"
                             << QStringList{"Label37", "Combo31", "Label14", "Combo14", "Label15", "Combo15"};
        QTest::newRow("debug") << "MNDebug" << "Slider1(0)"
                               << QStringList{"Slider1(1)", "Slider1(2)", "Slider1(6)", "Slider1(7)", "Slider1(8)"};
    }
    void tabOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QString, first);
        QFETCH(QStringList, then);
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.model().setDebugUnlocked(true);
        w.action(menu)->trigger();
        QWidget *form = w.mdiArea()->activeSubWindow()->widget();
        QVERIFY(tabTo(findControl<QWidget *>(form, first)));
        QStringList walked;
        for (int i = 0; i < then.size(); ++i) {
            press(Qt::Key_Tab);
            walked << focus()->objectName();
        }
        QCOMPARE(walked, then);
    }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_KeyboardOnly.moc"

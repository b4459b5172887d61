// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the channel list in order and looking through it, with real keys and mouse
// drags on the real main window: sort, compact, rows dragged by their labels within a
// group and onto the other group's tab, the find bar and Find Duplicates. What Save
// writes afterwards must be the radio's own channel records, only in other places.
// (Each change undone in one step: tst_ChannelEditing.)
#include "editors/ChannelArrangeCommands.h"
#include "editors/ChannelEditor.h"
#include "editors/ChannelFindBar.h"
#include "editors/ChannelGrid.h"
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelSortDialog.h"
#include "editors/ChannelUndo.h"
#include "editors/FmEditor.h"
#include "image/ChannelGridModel.h"
#include "image/DatFile.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include "support/SampleRadio.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QUndoStack>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

constexpr int kPause = 30; // ms between keys, with the event loop running

struct Editor {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    ChannelEditor *f = nullptr;
    QList<QByteArray> original; // channel records as the sample saves them

    Editor()
    {
        w = &shell.start();
        f = w->channelEditor();
        QApplication::setActiveWindow(w);
        fillSampleRadio(w->model());
        f->undo().stack().clear();
        original = savedRecords();
        log.clear();
    }
    ChannelTables &tables() const { return w->model().channels(); }
    ChannelGrid *grid() const { return f->currentGrid(); }
    ChannelFindBar *bar() const { return f->arrangeCommands().findBar(); }
    void goTo(int row, int column) const
    {
        grid()->setFocus();
        grid()->setCurrentCell(row, column);
    }
    static void key(int k, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        QTest::qWait(kPause);
    }
    // A command of the grid's menu, opened with Shift+F10 and chosen by its letter.
    void menuCommand(int letter) const
    {
        key(Qt::Key_F10, Qt::ShiftModifier);
        QMenu *menu = f->rowCommands().contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key(letter));
        QTRY_VERIFY(!menu->isVisible());
        QTest::qWait(kPause);
    }
    QString names(int from, int to) const
    {
        QStringList s;
        for (int n = from; n <= to; ++n)
            s << (tables().isUsed(n) ? tables().channelNames()[n - 1] : QStringLiteral("-"));
        return s.join(QLatin1Char(' '));
    }
    // Each channel's 13-byte record and 8-byte name, as Save puts them into the file.
    QList<QByteArray> savedRecords() const
    {
        const QString path = shell.dir.filePath(QStringLiteral("saved.dat"));
        if (!w->fileCommands().saveFile(path))
            return {};
        Image image{};
        if (!readDatFile(path, image).ok())
            return {};
        QList<QByteArray> records;
        const auto *bytes = reinterpret_cast<const char *>(image.data());
        for (int n = 1; n <= map::kChannelCount; ++n)
            records << QByteArray(bytes + map::channelBase(n), map::kChannelRecordSize) +
                           QByteArray(bytes + map::nameBase(n), map::kNameLength);
        return records;
    }
    // The saved records are the original ones, channel `to` holding what `from` held;
    // every other channel keeps its own.
    bool savedAsMoved(const QList<QPair<int, int>> &fromTo) const
    {
        QList<QByteArray> expected = original;
        for (const auto &[from, to] : fromTo)
            expected[to - 1] = original[from - 1];
        const QList<QByteArray> saved = savedRecords();
        for (int n = 1; n <= map::kChannelCount; ++n)
            if (saved.value(n - 1) != expected[n - 1]) {
                qInfo("channel %d differs", n);
                return false;
            }
        return true;
    }
    // Centre of a row's label, or a point in its upper or lower half.
    QPoint rowPoint(int row, int dy = 0) const
    {
        const QRect r = grid()->visualRect(grid()->model()->index(row - 1, col::Label));
        return r.center() + QPoint(0, dy);
    }
    void drag(int row, const QPoint &to) const
    {
        QWidget *vp = grid()->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, rowPoint(row));
        QTest::qWait(kPause);
        QTest::mouseMove(vp, rowPoint(row) + QPoint(0, 4));
        QTest::qWait(kPause);
        QTest::mouseMove(vp, to);
        QTest::qWait(kPause);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
        QTest::qWait(kPause);
    }
};

} // namespace

class TestChannelArranging : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Sample group A: 1 CALL2M 145.5/145.5, 2 RPT1 145.675/145.075 (TX tone 88.5),
    // 3 SIMPLX 146.52 (tones 100.0), 4 MAR16 156.8, 10 WX1 162.55.
    void sortFromTheMenu_data()
    {
        QTest::addColumn<int>("selected"); // rows 1.. chosen with Shift+Down; 1: the whole group
        QTest::addColumn<int>("key");      // Down presses in the key list
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("after"); // channels 1..10
        QTest::newRow("group by receive frequency") << 1 << 0 << false << "CALL2M RPT1 SIMPLX MAR16 WX1 - - - - -";
        QTest::newRow("group by name, descending") << 1 << 2 << true << "WX1 SIMPLX RPT1 MAR16 CALL2M - - - - -";
        QTest::newRow("rows 1..4 by transmit frequency, descending")
            << 4 << 1 << true << "MAR16 SIMPLX CALL2M RPT1 - - - - - WX1";
        QTest::newRow("group by tone") << 1 << 3 << false << "CALL2M MAR16 WX1 RPT1 SIMPLX - - - - -";
    }
    void sortFromTheMenu()
    {
        QFETCH(int, selected);
        QFETCH(int, key);
        QFETCH(bool, descending);
        QFETCH(QString, after);
        Editor e;
        const QStringList before = e.names(1, 10).split(QLatin1Char(' '));
        e.goTo(1, col::Rx);
        for (int k = 1; k < selected; ++k)
            e.key(Qt::Key_Down, Qt::ShiftModifier);
        e.menuCommand(Qt::Key_S);
        auto *dialog = e.f->findChild<ChannelSortDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), dialog->findChild<QComboBox *>(QStringLiteral("SortKey")));
        for (int k = 0; k < key; ++k)
            e.key(Qt::Key_Down);
        e.key(Qt::Key_Tab);
        if (descending)
            e.key(Qt::Key_Down);
        e.key(Qt::Key_Return);
        QTRY_VERIFY(!e.f->findChild<ChannelSortDialog *>());
        QCOMPARE(e.names(1, 10), after);
        QCOMPARE(e.f->undo().stack().count(), before.join(QLatin1Char(' ')) == after ? 0 : 1);
        QVERIFY(e.f->arrangeCommands().statusLine()->text().contains(QStringLiteral("信道")));
        QVERIFY(e.log.prompts().isEmpty());

        // The file holds the same records, in the new order; group B is untouched.
        QList<QPair<int, int>> moves;
        const QStringList now = after.split(QLatin1Char(' '));
        for (int to = 1; to <= 10; ++to)
            moves << qMakePair(int(before.indexOf(now[to - 1]) + 1), to);
        for (auto &m : moves) // the unused ones may come from any unused row: all alike
            if (now[m.second - 1] == QLatin1String("-"))
                m.first = 20;
        QVERIFY(e.savedAsMoved(moves));
    }

    void compactAndMoveToTheOtherGroup()
    {
        Editor e;
        e.goTo(3, col::Rx);
        e.menuCommand(Qt::Key_K);
        QCOMPARE(e.names(1, 10), QStringLiteral("CALL2M RPT1 SIMPLX MAR16 WX1 - - - - -"));
        QVERIFY(e.savedAsMoved({{10, 5}, {5, 10}}));

        // RPT1 into group B, after its last channel in use; A closes up behind it.
        e.goTo(2, col::Name);
        e.menuCommand(Qt::Key_G);
        QCOMPARE(e.names(1, 5), QStringLiteral("CALL2M SIMPLX MAR16 WX1 -"));
        QCOMPARE(e.names(65, 69), QStringLiteral("RPT70 PMR1  RPT1 -"));
        QCOMPARE(e.f->groupTabs()->currentIndex(), 1);
        QCOMPARE(e.grid()->currentRow(), 4);
        QVERIFY(e.f->arrangeCommands().statusLine()->text().contains(QStringLiteral("B4")));
        QCOMPARE(e.f->undo().stack().count(), 2);
    }

    void dragRowsByTheirLabels()
    {
        Editor e;
        e.w->resize(1000, 700);
        QTest::qWait(kPause);
        e.goTo(1, col::Rx);
        // CALL2M dropped on the lower half of row 3: it stands after SIMPLX.
        e.drag(1, e.rowPoint(3, 4));
        QCOMPARE(e.names(1, 4), QStringLiteral("RPT1 SIMPLX CALL2M MAR16"));
        QCOMPARE(e.grid()->currentRow(), 3);
        QVERIFY(e.log.prompts().isEmpty());

        // Two rows chosen with Shift+Down, taken by a label, dropped on the top of row 1.
        e.goTo(2, col::Rx);
        e.key(Qt::Key_Down, Qt::ShiftModifier);
        e.drag(2, e.rowPoint(1, -4));
        QCOMPARE(e.names(1, 4), QStringLiteral("SIMPLX CALL2M RPT1 MAR16"));
        QVERIFY(e.savedAsMoved({{3, 1}, {1, 2}, {2, 3}}));

        // Escape calls a drag off.
        QWidget *vp = e.grid()->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, e.rowPoint(4));
        QTest::mouseMove(vp, e.rowPoint(4) + QPoint(0, 8));
        QTest::mouseMove(vp, e.rowPoint(1));
        QVERIFY(e.grid()->draggingRows());
        e.key(Qt::Key_Escape);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, e.rowPoint(1));
        QCOMPARE(e.names(1, 4), QStringLiteral("SIMPLX CALL2M RPT1 MAR16"));

        // Onto the other group's tab: after B's last channel in use.
        QTabBar *tabs = e.f->groupTabs();
        const QPoint tabB = vp->mapFromGlobal(tabs->mapToGlobal(tabs->tabRect(1).center()));
        e.drag(4, tabB);
        QCOMPARE(e.names(1, 5), QStringLiteral("SIMPLX CALL2M RPT1 - -"));
        QCOMPARE(e.names(67, 68), QStringLiteral(" MAR16"));
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(e.f->undo().stack().count(), 3);
        QVERIFY(e.savedAsMoved({{3, 1}, {1, 2}, {2, 3}, {4, 68}, {10, 9}, {9, 10}, {68, 4}}));
    }

    void findBarWithKeys()
    {
        Editor e;
        e.w->resize(700, 500); // the name column lies beyond the right edge
        QTest::qWait(kPause);
        e.goTo(1, col::Rx);
        e.key(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(e.bar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), e.bar()->textBox());
        QVERIFY(!e.w->fmEditor()->isVisible()); // Ctrl+F here is the find bar's

        const auto findAndExpect = [&](int k, Qt::KeyboardModifiers m, int channel, int column) {
            e.key(k, m);
            const ChannelGrid *g = e.grid();
            QCOMPARE(g->gridModel()->channelAt(g->currentRow() - 1), channel);
            QCOMPARE(g->currentColumn(), column);
            QVERIFY(g->selectionModel()->isSelected(g->currentIndex()));
            const QRect cell = g->visualRect(g->currentIndex());
            QVERIFY2(g->viewport()->rect().contains(cell), "the match is in full view");
        };
        QTest::keyClicks(e.bar()->textBox(), QStringLiteral("14"));
        findAndExpect(Qt::Key_Return, {}, 2, col::Rx);
        findAndExpect(Qt::Key_Return, {}, 3, col::Rx);
        findAndExpect(Qt::Key_F3, {}, 1, col::Rx); // round both groups, back to A1
        findAndExpect(Qt::Key_F3, Qt::ShiftModifier, 3, col::Rx);
        QCOMPARE(QApplication::focusWidget(), e.bar()->textBox());
        QVERIFY(e.bar()->findChild<QLabel *>(QStringLiteral("FindResult"))->text().contains(QStringLiteral("A3")));

        e.bar()->textBox()->clear();
        QTest::keyClicks(e.bar()->textBox(), QStringLiteral("pmr"));
        findAndExpect(Qt::Key_Return, {}, 66, col::Name);
        QCOMPARE(e.f->groupTabs()->currentIndex(), 1);
        e.bar()->textBox()->clear();
        QTest::keyClicks(e.bar()->textBox(), QStringLiteral("d754"));
        findAndExpect(Qt::Key_Return, {}, 66, col::TxTone);

        e.bar()->textBox()->clear();
        QTest::keyClicks(e.bar()->textBox(), QStringLiteral("999"));
        findAndExpect(Qt::Key_Return, {}, 66, col::TxTone); // nothing found: the cursor stays
        QVERIFY(e.bar()->findChild<QLabel *>(QStringLiteral("FindResult"))->text().contains(QStringLiteral("999")));

        e.key(Qt::Key_Escape);
        QVERIFY(!e.bar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), e.grid());
        QVERIFY(e.log.prompts().isEmpty());
        QCOMPARE(e.f->undo().stack().count(), 0);
    }

    void findDuplicatesSelectsThem()
    {
        Editor e;
        e.w->setLanguage(Language::English);
        e.goTo(1, col::Rx);
        e.menuCommand(Qt::Key_L);
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(e.log.prompts()[0].startsWith(QStringLiteral("No two channels")));

        // A new channel on A1's frequency, tones off as A1's: both are duplicates.
        e.goTo(20, col::Rx);
        e.key(Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("145.5"));
        e.key(Qt::Key_Return);
        e.log.clear();
        e.goTo(5, col::Rx);
        e.menuCommand(Qt::Key_L);
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(e.log.prompts()[0].startsWith(QStringLiteral("2 channels")));
        const ChannelGrid *g = e.f->grid(1);
        QVERIFY(g->selectionModel()->isSelected(g->model()->index(0, col::Rx)));
        QVERIFY(g->selectionModel()->isSelected(g->model()->index(19, col::Name)));
        QVERIFY(!g->selectionModel()->isSelected(g->model()->index(1, col::Rx)));
        QCOMPARE(e.f->undo().stack().count(), 1); // the new channel; finding changes nothing
    }

    // KT913_SCREENSHOT_DIR=folder saves the find bar and the sort dialog in both languages.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Editor e;
        e.w->resize(1024, 700);
        for (Language lang : {Language::Chinese, Language::English}) {
            e.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            e.goTo(1, col::Rx);
            e.key(Qt::Key_F, Qt::ControlModifier);
            QTest::keyClicks(e.bar()->textBox(), QStringLiteral("146"));
            e.key(Qt::Key_Return);
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form1-find-bar-%1.png").arg(suffix));
            e.key(Qt::Key_Escape);

            e.goTo(1, col::Rx);
            e.menuCommand(Qt::Key_S);
            auto *dialog = e.f->findChild<ChannelSortDialog *>();
            QTRY_VERIFY(dialog && dialog->isVisible());
            QTest::qWait(50);
            dialog->grab().save(dir + QStringLiteral("/sort-dialog-%1.png").arg(suffix));
            e.key(Qt::Key_Escape);
            QTRY_VERIFY(!e.f->findChild<ChannelSortDialog *>());

            e.goTo(3, col::Rx);
            e.key(Qt::Key_F10, Qt::ShiftModifier);
            QMenu *menu = e.f->rowCommands().contextMenu();
            QTRY_VERIFY(menu->isVisible());
            QTest::qWait(50);
            menu->grab().save(dir + QStringLiteral("/form1-rows-menu-arrange-%1.png").arg(suffix));
            menu->close();
            e.menuCommand(Qt::Key_K); // compact: the status line says so
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form1-compacted-%1.png").arg(suffix));
        }
    }
};

QTEST_MAIN(TestChannelArranging)
#include "tst_ChannelArranging.moc"

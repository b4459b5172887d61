// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the channel list beyond the single cell, driven with real keys on the real
// main window: undo and redo of every kind of change, the row commands and the band
// change. Each undo must give back the tables and what the grids show, exactly.
#include "editors/ChannelGrid.h"
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelUndo.h"
#include "editors/ChannelEditor.h"
#include "image/ChannelGridModel.h"
#include "image/ChannelCsv.h"
#include "image/ChannelCsvImport.h"
#include "image/ChannelRowOps.h"
#include "image/ChannelRowPaste.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include "support/SampleRadio.h"
#include "widgets/FilteredLineEdit.h"
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using namespace kt913;
using namespace kt913::test;

namespace {

// The tables and every cell the two grids show.
struct Snapshot {
    std::array<ChannelRow, 128> rows;
    QStringList shown;
    bool operator==(const Snapshot &o) const { return rows == o.rows && shown == o.shown; }
};

// What the radio is given and the grid shows; the text of a tone that is off is neither.
bool sameChannel(const ChannelRow &a, const ChannelRow &b)
{
    for (int k : {0, 1})
        if (a.optionIndex[k] != 0 && a.optionText[k] != b.optionText[k])
            return false;
    return a.freq == b.freq && a.name == b.name && a.optionIndex == b.optionIndex &&
           std::equal(a.cells.begin() + 1, a.cells.end(), b.cells.begin() + 1);
}

struct Editor {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    ChannelEditor *f = nullptr;

    Editor()
    {
        w = &shell.start();
        f = w->channelEditor();
        QApplication::setActiveWindow(w);
        fillSampleRadio(w->model());
        f->undo().stack().clear(); // the sample is the data the user starts from
    }
    ChannelTables &tables() const { return w->model().channels(); }
    ChannelGrid *grid() const { return f->currentGrid(); }
    QAction *command(const char *name) const { return f->rowCommands().action(name); }

    Snapshot snapshot() const
    {
        Snapshot s;
        for (int n = 1; n <= 128; ++n)
            s.rows[n - 1] = tables().row(n);
        for (int g : {1, 2})
            for (int r = 0; r < 64; ++r)
                for (int c = 0; c < col::Count; ++c)
                    s.shown << f->grid(g)->model()->index(r, c).data().toString();
        return s;
    }
    void press(int row, int column) const
    {
        ChannelGrid *g = grid();
        g->scrollTo(g->model()->index(row - 1, column));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row - 1, column)).center());
    }
    // Moves the grid's cursor to a cell with the keyboard's focus on the grid, no editor open.
    void goTo(int row, int column) const
    {
        grid()->setFocus();
        grid()->setCurrentCell(row, column);
    }
    static void type(const QString &keys)
    {
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // Chooses item `steps` below (negative: above) the one shown in a list that dropped open.
    void choose(const char *list, int steps) const
    {
        auto *box = findControl<QComboBox *>(f, QString::fromLatin1(list));
        QTRY_VERIFY(box->view()->isVisible());
        for (int k = 0; k < qAbs(steps); ++k)
            QTest::keyClick(box->view(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(box->view(), Qt::Key_Return);
    }
    void key(int k, Qt::KeyboardModifiers m = {}) const { QTest::keyClick(grid(), Qt::Key(k), m); }
    // A command of the grid's menu, opened with Shift+F10 and chosen by its letter.
    void menuCommand(int letter) const
    {
        key(Qt::Key_F10, Qt::ShiftModifier);
        QMenu *menu = f->rowCommands().contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key(letter));
        QTRY_VERIFY(!menu->isVisible());
    }
    // A row taken by its label and dropped at `to` (viewport coordinates).
    void dragRow(int row, const QPoint &to) const
    {
        QWidget *vp = grid()->viewport();
        const QPoint from = grid()->visualRect(grid()->model()->index(row - 1, col::Label)).center();
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, (from + to) / 2);
        QTest::qWait(20);
        QTest::mouseMove(vp, to);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
        QTest::qWait(20);
    }
    void undo() const { key(Qt::Key_Z, Qt::ControlModifier); }
    void redo() const { key(Qt::Key_Y, Qt::ControlModifier); }
    QString names(int from, int to) const
    {
        QStringList s;
        for (int n = from; n <= to; ++n)
            s << (tables().isUsed(n) ? tables().channelNames()[n - 1] : QStringLiteral("-"));
        return s.join(QLatin1Char(' '));
    }
};

} // namespace

class TestChannelEditing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each change made with keys and the mouse, undone with Ctrl+Z and redone with Ctrl+Y.
    void undoAndRedoOfEveryKindOfEdit_data()
    {
        QTest::addColumn<int>("kind");
        const char *kinds[] = {"new channel", "receive frequency", "transmit frequency", "tone list", "option list",
                               "name", "channel cleared by an empty receive text", "insert row", "delete row",
                               "move row up", "move row down", "import through the entry point", "paste", "import from the File menu",
                               "sort", "compact", "drag a row", "drop a row onto the other group's tab"};
        for (int k = 0; k < int(std::size(kinds)); ++k)
            QTest::newRow(kinds[k]) << k;
    }
    void undoAndRedoOfEveryKindOfEdit()
    {
        QFETCH(int, kind);
        Editor e;
        const std::function<void()> edits[] = {
            [&] { e.press(20, col::Rx); e.type(QStringLiteral("147.3")); },
            [&] { e.press(2, col::Rx); e.type(QStringLiteral("146")); },
            [&] { e.press(2, col::Tx); e.type(QStringLiteral("144.8")); },
            [&] { e.press(3, col::RxTone); e.choose("Combo1", 3); },
            [&] { e.press(1, col::Power); e.choose("Combo5(5)", -1); },
            [&] { e.press(4, col::Name); e.type(QStringLiteral("ship")); },
            [&] { e.press(3, col::Rx); QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
            [&] { e.goTo(2, col::Name); e.key(Qt::Key_Insert); },
            [&] { e.goTo(2, col::Rx); e.key(Qt::Key_Delete, Qt::ControlModifier); },
            [&] { e.goTo(3, col::Rx); e.key(Qt::Key_Up, Qt::AltModifier); },
            [&] { e.goTo(4, col::Rx); e.key(Qt::Key_Down, Qt::AltModifier); },
            [&] {
                const ChannelCsvImport plan = planChannelCsvImport(
                    QStringLiteral("Location,Name,Frequency\n5,IMPORT,147.000000\n66,PMR2,446.01875\n"), e.w->model());
                QCOMPARE(plan.edits.size(), 2);
                e.f->applyEdits(QStringLiteral("import"), plan.edits);
                e.goTo(1, col::Rx);
            },
            [&] {
                QApplication::clipboard()->setText(copiedRowsText(e.tables(), {1, 65}));
                e.goTo(30, col::Rx);
                e.key(Qt::Key_V, Qt::ControlModifier);
            },
            [&] {
                const QString path = e.shell.dir.filePath(QStringLiteral("list.csv"));
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("Location,Name,Frequency\n2,CHANGED,147.000000\n70,NEW,439.000000\n");
                file.close();
                QVERIFY(e.w->fileCommands().importCsvFile(path));
                e.log.clear(); // the import's report
                e.goTo(1, col::Rx);
            },
            [&] { // by name, descending
                e.goTo(1, col::Rx);
                e.menuCommand(Qt::Key_S);
                QTRY_VERIFY(qobject_cast<QComboBox *>(QApplication::focusWidget())); // the sort key
                for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return}) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
                    QTest::qWait(20);
                }
                QTRY_COMPARE(QApplication::focusWidget(), e.grid());
            },
            [&] { e.goTo(1, col::Rx); e.menuCommand(Qt::Key_K); },
            [&] { e.dragRow(1, e.grid()->visualRect(e.grid()->model()->index(2, 0)).center() + QPoint(0, 4)); },
            [&] {
                QTabBar *tabs = e.f->groupTabs();
                e.dragRow(2, e.grid()->viewport()->mapFromGlobal(tabs->mapToGlobal(tabs->tabRect(1).center())));
            },
        };
        const Snapshot before = e.snapshot();
        QVERIFY(!e.command("MNUndo")->isEnabled());
        edits[kind]();
        QVERIFY(!e.f->openEditor());
        const Snapshot after = e.snapshot();
        QVERIFY(!(after == before));
        QCOMPARE(e.f->undo().stack().count(), 1);
        QVERIFY(e.command("MNUndo")->isEnabled());

        QCOMPARE(QApplication::focusWidget(), e.grid());
        e.undo();
        QVERIFY(e.snapshot() == before);
        QVERIFY(!e.command("MNUndo")->isEnabled());
        QVERIFY(e.command("MNRedo")->isEnabled());
        e.redo();
        QVERIFY(e.snapshot() == after);
        QVERIFY(e.log.prompts().isEmpty());
    }

    void rowCommandsKeepTheGroupWhole()
    {
        Editor e;
        // The cursor goes with a moved row; a row never leaves its group.
        e.goTo(1, col::Name);
        e.key(Qt::Key_Down, Qt::AltModifier);
        e.key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(e.names(1, 4), QStringLiteral("RPT1 SIMPLX CALL2M MAR16"));
        QCOMPARE(e.grid()->currentRow(), 3);
        e.key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(e.grid()->currentRow(), 2);
        e.key(Qt::Key_Down, Qt::AltModifier);
        e.goTo(64, col::Rx);
        e.key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(e.names(64, 65), QStringLiteral("- RPT70"));

        // An insert that would push out a channel in use is refused with a message.
        e.goTo(10, col::Rx);
        e.key(Qt::Key_Delete, Qt::ControlModifier); // WX1 goes; the rest of the group stays
        e.goTo(64, col::Rx);
        e.press(64, col::Rx);
        e.type(QStringLiteral("150"));
        const int steps = e.f->undo().stack().count();
        e.goTo(1, col::Rx);
        e.key(Qt::Key_Insert);
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(e.log.prompts()[0].contains(QStringLiteral("A64")));
        QCOMPARE(e.f->undo().stack().count(), steps);
        QVERIFY(e.tables().isUsed(64));

        // All of it undoes step by step, back to the sample.
        for (int k = 0; k < steps; ++k)
            e.undo();
        RadioModel sample;
        fillSampleRadio(sample);
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(e.tables().row(n), sample.channels().row(n));
    }

    void copyAndPasteRows()
    {
        Editor e;
        // Rows 1..4 chosen with Shift and the arrows, copied with Ctrl+C.
        e.goTo(1, col::Rx);
        for (int k = 0; k < 3; ++k)
            e.key(Qt::Key_Down, Qt::ShiftModifier);
        e.key(Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], channelCsvColumns().join(QLatin1Char('\t')));
        QVERIFY(lines[3].startsWith(QStringLiteral("3\tSIMPLX\t146.520000\t")));

        // Into empty rows: no question, the same channels under their new numbers.
        e.goTo(20, col::Name);
        e.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(e.log.prompts().isEmpty());
        for (int k = 0; k < 4; ++k)
            QVERIFY(sameChannel(e.tables().row(20 + k), e.tables().row(1 + k)));

        // Over channels in use the user is asked first; No leaves them.
        const Snapshot before = e.snapshot();
        e.goTo(9, col::Rx);
        e.log.answers = {mbResult::No};
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.log.requests.size(), 1);
        QCOMPARE(e.log.requests[0].flags & 0x0F, 4); // Yes/No
        QVERIFY(e.log.prompts()[0].contains(QStringLiteral("A10")));
        QVERIFY(e.snapshot() == before);
        e.log.answers = {mbResult::Yes};
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.names(9, 12), QStringLiteral("CALL2M RPT1 SIMPLX MAR16"));

        // Past the group's end nothing is pasted.
        e.log.clear();
        const Snapshot full = e.snapshot();
        e.goTo(62, col::Rx);
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(e.log.prompts()[0].contains(QStringLiteral("3")));
        QVERIFY(e.snapshot() == full);

        // Lines from a spreadsheet without the header: each row whole or not at all.
        e.log.clear();
        QApplication::clipboard()->setText(QStringLiteral("7\tONE\t147.000000\n8\tBAD\t999.000000\n9\tTWO\t148.000000\n"));
        e.goTo(40, col::Rx);
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.names(40, 42), QStringLiteral("ONE - TWO"));
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(e.log.prompts()[0].contains(QStringLiteral("第 2 行")));
        e.log.clear();
        QApplication::clipboard()->setText(QStringLiteral("no channels here"));
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.log.prompts().size(), 1);
        QCOMPARE(e.names(40, 42), QStringLiteral("ONE - TWO"));
    }

    void theCellEditorsKeepTheirOwnKeys()
    {
        Editor e;
        e.press(2, col::Rx);
        e.type(QStringLiteral("146"));
        // Ctrl+Z in an open box undoes the typing in the box, not a channel edit.
        e.press(1, col::Name);
        auto *text2 = findControl<FilteredLineEdit *>(e.f, QStringLiteral("Text2"));
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QTest::keyClicks(text2, QStringLiteral("X"));
        QCOMPARE(text2->text(), QStringLiteral("X"));
        QTest::keyClick(text2, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text2->text(), QStringLiteral("CALL2M"));
        QCOMPARE(e.tables().cell(2, col::Rx), QStringLiteral("146.00000"));
        // Insert and Delete edit the text, not the rows.
        QTest::keyClick(text2, Qt::Key_Home);
        QTest::keyClick(text2, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(text2, Qt::Key_Insert);
        QCOMPARE(e.names(1, 2), QStringLiteral("CALL2M RPT1"));
        QTest::keyClick(text2, Qt::Key_Escape);
        QCOMPARE(e.f->undo().stack().count(), 1);
    }

    void bandChangeUndoneWithoutTheQuestion()
    {
        Editor e;
        FormStore &options = e.w->model().options();
        options.setText(QStringLiteral("Text20"), QStringLiteral("146.500"), Language::Chinese); // the user's VFO A
        const Snapshot before = e.snapshot();
        auto *bands = findControl<QComboBox *>(e.w, QStringLiteral("Combo1"));
        e.log.answers = {mbResult::Ok};
        bands->setCurrentIndex(1);
        QCOMPARE(e.log.prompts().size(), 1);
        QVERIFY(!e.tables().isUsed(1));
        const Snapshot cleared = e.snapshot();

        e.f->grid(1)->setFocus();
        e.undo();
        QVERIFY(e.snapshot() == before);
        QCOMPARE(bands->currentIndex(), 0);
        QCOMPARE(e.w->model().bandSelection(), 0);
        QCOMPARE(e.w->model().band().BandIndex, qint16(0));
        QCOMPARE(e.w->model().band().BandHigh2, 470);
        QCOMPARE(options.text(QStringLiteral("Text20"), Language::Chinese), QStringLiteral("146.500"));
        e.redo();
        QVERIFY(e.snapshot() == cleared);
        QCOMPARE(bands->currentIndex(), 1);
        QCOMPARE(e.w->model().band().BandIndex, qint16(1));
        QCOMPARE(e.log.prompts().size(), 1); // asked once, when the user changed it

        // A band change answered Cancel clears nothing and is no step.
        e.undo();
        e.log.answers = {mbResult::Cancel};
        bands->setCurrentIndex(2);
        QCOMPARE(e.f->undo().stack().index(), 0);
        QVERIFY(e.snapshot() == before);
    }

    void undoShowsWhatCameBack()
    {
        Editor e;
        auto *tabs = findControl<QTabBar *>(e.f, QStringLiteral("TabStrip1"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        e.press(5, col::Rx);
        e.type(QStringLiteral("439"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        e.goTo(30, col::Name);
        e.undo();
        QVERIFY(!e.tables().isUsed(69));
        QCOMPARE(e.grid(), e.f->grid(2));
        QCOMPARE(e.grid()->currentRow(), 5);
        QCOMPARE(QApplication::focusWidget(), e.f->grid(2));

        // From the Edit menu with another window in front, the channel editor comes forward.
        e.w->action(QStringLiteral("MNOption"))->trigger();
        QVERIFY(e.w->mdiArea()->activeSubWindow()->widget() != e.f);
        e.command("MNRedo")->trigger();
        QVERIFY(e.tables().isUsed(69));
        QCOMPARE(e.w->mdiArea()->activeSubWindow()->widget(), e.f);
    }

    void historyEndsWhereTheDataIsReplaced()
    {
        Editor e;
        e.press(2, col::Rx);
        e.type(QStringLiteral("146"));
        QAction *undo = e.command("MNUndo");
        QVERIFY(undo->isEnabled());
        e.w->action(QStringLiteral("MNNew"))->trigger();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(e.f->undo().stack().count(), 0);

        e.press(2, col::Rx);
        e.type(QStringLiteral("146"));
        const QString file = e.shell.dir.filePath(QStringLiteral("sample.dat"));
        QFile::copy(QStringLiteral(KT913_TEST_DATA "/sample.dat"), file);
        QVERIFY(e.w->fileCommands().openFile(file));
        QVERIFY(!undo->isEnabled());
    }

    void undoAfterALanguageSwitchShowsTheLanguageInForce()
    {
        Editor e;
        e.press(1, col::Power);
        e.choose("Combo5(5)", -1);
        QCOMPARE(e.tables().cell(1, col::Power), QStringLiteral("低"));
        e.w->setLanguage(Language::English);
        e.f->grid(1)->setFocus();
        e.undo();
        QCOMPARE(e.tables().cell(1, col::Power), QStringLiteral("High"));
        RadioModel sample;
        fillSampleRadio(sample);
        sample.channels().RefreshChannelTexts(Language::English);
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(e.tables().row(n), sample.channels().row(n));
    }

    void contextMenuActsOnTheRowPointedAt()
    {
        Editor e;
        e.goTo(1, col::Rx);
        ChannelGrid *g = e.grid();
        const QRect cell = g->visualRect(g->model()->index(2, col::Tx));
        QContextMenuEvent click(QContextMenuEvent::Mouse, cell.center(), g->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(g->viewport(), &click);
        QMenu *menu = e.f->rowCommands().contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(g->currentRow(), 3);
        QVERIFY(e.command("MNMoveRowUp")->isEnabled());
        QTest::keyClick(menu, Qt::Key_D); // "Delete Row(&D)" by its mnemonic
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(e.names(1, 4), QStringLiteral("CALL2M RPT1 MAR16 -"));

        // From the keyboard the menu opens at the current cell.
        e.goTo(1, col::Rx);
        e.key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!e.command("MNMoveRowUp")->isEnabled());
        QTest::keyClick(menu, Qt::Key_U); // "Undo(&U)"
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(e.names(1, 4), QStringLiteral("CALL2M RPT1 SIMPLX MAR16"));
    }

    // KT913_SCREENSHOT_DIR=folder saves the grid's context menu in both languages.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Editor e;
        e.w->resize(1024, 768);
        e.press(2, col::Rx);
        e.type(QStringLiteral("146"));
        for (Language lang : {Language::Chinese, Language::English}) {
            e.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            e.goTo(3, col::Rx);
            e.key(Qt::Key_F10, Qt::ShiftModifier);
            QMenu *menu = e.f->rowCommands().contextMenu();
            QTRY_VERIFY(menu->isVisible());
            QTest::qWait(50);
            // The menu is a window of its own: drawn onto the main window where it stands.
            QPixmap shot = e.w->grab();
            QPainter p(&shot);
            p.drawPixmap(e.w->mapFromGlobal(menu->pos()), menu->grab());
            p.end();
            shot.save(dir + QStringLiteral("/form1-rows-menu-%1.png").arg(suffix));
            menu->close();

            auto *edit = e.w->findChild<QMenu *>(QStringLiteral("MNEdit"));
            edit->popup(e.w->mapToGlobal(QPoint(60, 20)));
            QTRY_VERIFY(edit->isVisible());
            QTest::qWait(50);
            edit->grab().save(dir + QStringLiteral("/mdiform1-edit-menu-%1.png").arg(suffix));
            edit->close();
        }
    }
};

QTEST_MAIN(TestChannelEditing)
#include "tst_ChannelEditing.moc"

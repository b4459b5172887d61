// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor driven as a user drives it: real mouse presses on the grid cells,
// typing and Enter in the cell editors, the band list, the group tabs and the wheel.
#include "editors/ChannelGrid.h"
#include "editors/ChannelUndo.h"
#include "editors/ChannelEditor.h"
#include "image/ChannelGridModel.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include "support/SampleRadio.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/Twips.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QUndoStack>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

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
    }
    template <typename T> T control(const char *name) const { return findControl<T>(f, QString::fromLatin1(name)); }
    ChannelTables &tables() const { return w->model().channels(); }

    // A left press on a cell of the grid shown, as the mouse makes it.
    void press(int row, int column) const
    {
        ChannelGrid *g = f->currentGrid();
        g->scrollTo(g->model()->index(row - 1, column));
        const QRect r = g->visualRect(g->model()->index(row - 1, column));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Sizes the window so that the grid's lower edge cuts a row in half; returns that row.
    int halfVisibleRow() const
    {
        ChannelGrid *g = f->currentGrid();
        const int rowHeight = g->rowHeight(0);
        QWidget *frame = f->parentWidget() ? f->parentWidget() : f;
        frame->resize(frame->width(), frame->height() + rowHeight / 2 - g->viewport()->height() % rowHeight);
        QTest::qWait(50);
        return g->rowAt(g->viewport()->height() - 1) + 1;
    }
    // Types each piece into whatever has the focus then, a pause after each.
    static void typeSlowly(const QStringList &pieces, int pauseMs)
    {
        for (const QString &keys : pieces) {
            QTest::keyClicks(QApplication::focusWidget(), keys);
            QTest::qWait(pauseMs);
        }
    }
    // Types into whatever has the focus, then Enter.
    static void type(const QString &keys, bool enter = true)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClicks(focus, keys);
        if (enter)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
};

void sendWheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestChannelEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void gridsShowTheTablesAfterOpen()
    {
        Editor e;
        const QString file = e.shell.dir.filePath(QStringLiteral("sample.dat"));
        QFile::copy(QStringLiteral(KT913_TEST_DATA "/sample.dat"), file);
        QVERIFY(e.w->fileCommands().openFile(file));

        auto *grid1 = e.control<ChannelGrid *>("Grid1");
        auto *grid2 = e.control<ChannelGrid *>("Grid2");
        QVERIFY(grid1->isVisible());
        QVERIFY(!grid2->isVisible());
        QCOMPARE(grid1->model()->rowCount(), 64);
        QCOMPARE(grid1->model()->columnCount(), 12);
        QVERIFY(grid1->isColumnHidden(col::Hidden));
        QCOMPARE(grid1->columnWidth(col::Rx), twips(1100));
        for (int n = 1; n <= 128; ++n) {
            ChannelGrid *g = n <= 64 ? grid1 : grid2;
            for (int c = 0; c < col::Count; ++c)
                QCOMPARE(g->model()->index((n - 1) % 64, c).data().toString(),
                         ChannelGridModel::displayText(e.tables().cell(n, c)));
        }
        QCOMPARE(grid1->model()->index(0, col::Rx).data().toString(), QStringLiteral("145.50000"));
        QCOMPARE(grid2->model()->index(63, col::Label).data().toString(), QStringLiteral("B64"));
        QCOMPARE(grid1->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("频道名称"));

        // In English the headers, tabs, lists and the texts of the cells follow.
        e.w->action(QStringLiteral("MNEnglish"))->trigger();
        QCOMPARE(grid2->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("QT/DQT Dec"));
        QCOMPARE(e.control<QTabBar *>("TabStrip1")->tabText(1), QStringLiteral("Group B"));
        QCOMPARE(e.control<QComboBox *>("Combo1")->itemText(0), QStringLiteral("Off"));
        QCOMPARE(e.control<QComboBox *>("Combo5(8)")->itemText(1), QStringLiteral("wide"));
        QCOMPARE(grid1->model()->index(0, col::RxTone).data().toString(), QStringLiteral("Off"));
        QCOMPARE(grid2->model()->index(0, col::RxTone).data().toString(), QStringLiteral("D023N"));
        QCOMPARE(e.f->windowTitle(), QStringLiteral("Channel Edit"));
        // The main window's own band label is still the one that says "Range:".
        QCOMPARE(findControl<QLabel *>(e.w, QStringLiteral("Label1"))->text(), QStringLiteral("Range:"));

        // What Save writes is what the grids show.
        const QString saved = e.shell.dir.filePath(QStringLiteral("saved.dat"));
        QVERIFY(e.w->fileCommands().saveFile(saved));
        RadioModel reread;
        QVERIFY(readDatFile(saved, reread.memoryImageToFill()).ok());
        DecodeImage(reread);
        reread.channels().RefreshChannelTexts(Language::English);
        QCOMPARE(reread.channels().cells(), e.tables().cells());
    }

    void typingANewChannel()
    {
        Editor e;
        e.press(3, col::Power); // any cell of an unused row opens its receive frequency
        auto *text1 = e.control<FilteredLineEdit *>("Text1");
        QTRY_COMPARE(QApplication::focusWidget(), text1);
        QCOMPARE(e.f->currentGrid()->currentColumn(), col::Rx);
        QCOMPARE(text1->geometry(), e.f->currentGrid()->cellRect(3, col::Rx, e.f));
        e.type(QStringLiteral("14x5"));
        QVERIFY(!text1->isVisible());
        const QStringList expected{"145.00000", "145.00000", "关闭", "关闭", "高", "关", "使能", "宽带", "", "关", ""};
        for (int c = col::Rx; c <= col::Name; ++c)
            QCOMPARE(e.tables().cell(3, c), expected[c - 1]);
        QCOMPARE(e.tables().optionIndexes()[optionSlot(col::Bandwidth)][2], qint16(1));
        QCOMPARE(QApplication::focusWidget(), e.f->currentGrid());

        // On band 2 a new channel is narrow.
        e.log.answers = {mbResult::Cancel};
        findControl<QComboBox *>(e.w, QStringLiteral("Combo1"))->setCurrentIndex(2);
        e.press(4, col::Rx);
        e.type(QStringLiteral("145"));
        QCOMPARE(e.tables().cell(4, col::Bandwidth), QStringLiteral("窄带"));
        QCOMPARE(e.tables().optionIndexes()[optionSlot(col::Bandwidth)][3], qint16(0));
    }

    void bandLimitsAndSnapping()
    {
        Editor e;
        e.press(1, col::Rx);
        e.type(QStringLiteral("174"));
        QCOMPARE(e.log.prompts(), QStringList{QStringLiteral("超出频段范围")});
        QCOMPARE(e.log.requests[0].flags, 0);
        QVERIFY(!e.tables().isUsed(1));
        QVERIFY(!e.control<QWidget *>("Text1")->isVisible());

        e.press(1, col::Rx);
        e.type(QStringLiteral("173.99999"));
        QCOMPARE(e.tables().cell(1, col::Rx), QStringLiteral("173.99500"));
        QCOMPARE(e.tables().freqTexts()[0][0], QStringLiteral("173.99500"));

        // After a band change answered Cancel the channels stay, under the new limits.
        e.log.answers = {mbResult::Cancel};
        findControl<QComboBox *>(e.w, QStringLiteral("Combo1"))->setCurrentIndex(1);
        QVERIFY(e.tables().isUsed(1));
        e.log.clear();
        e.press(2, col::Rx);
        e.type(QStringLiteral("480"));
        QCOMPARE(e.tables().cell(2, col::Rx), QStringLiteral("480.00000"));
        e.press(3, col::Rx);
        e.type(QStringLiteral("435"));
        QVERIFY(!e.tables().isUsed(3));
        QCOMPARE(e.log.prompts().size(), 1);

        // A band that no longer takes the channels kept: their frequencies are marked, to
        // the eye and to a screen reader, in the language in force.
        e.w->setLanguage(Language::English);
        e.log.answers = {mbResult::Cancel};
        findControl<QComboBox *>(e.w, QStringLiteral("Combo1"))->setCurrentIndex(2); // 144-148, 430-440
        QVERIFY(e.tables().isUsed(1) && e.tables().isUsed(2));
        ChannelGrid *g = e.f->currentGrid();
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(g);
        QVERIFY(table && table->tableInterface());
        const auto description = [&](int row, int column) {
            QAccessibleInterface *cell = table->tableInterface()->cellAt(row - 1, column);
            return cell ? cell->text(QAccessible::Description) : QStringLiteral("<no cell>");
        };
        for (int c : {col::Rx, col::Tx}) {
            QCOMPARE(description(1, c), QStringLiteral("outside the radio's band"));
            QCOMPARE(g->model()->index(1, c).data(Qt::ToolTipRole).toString(), QStringLiteral("outside the radio's band"));
            QVERIFY(g->model()->index(1, c).data(Qt::BackgroundRole).isValid());
        }
        QCOMPARE(description(1, col::Name), QString());
        QCOMPARE(description(3, col::Rx), QString()); // unused
        e.press(1, col::Rx);
        e.type(QStringLiteral("146"));
        QCOMPARE(description(1, col::Rx), QString());
        QCOMPARE(description(1, col::Tx), QStringLiteral("outside the radio's band"));
        e.w->setLanguage(Language::Chinese);
        QCOMPARE(description(1, col::Tx), QStringLiteral("超出对讲机的频段"));
    }

    void editingAChannelInUse()
    {
        Editor e;
        fillSampleRadio(e.w->model());
        // A new receive frequency changes only that cell.
        e.press(2, col::Rx);
        auto *text1 = e.control<FilteredLineEdit *>("Text1");
        QTRY_COMPARE(QApplication::focusWidget(), text1);
        QCOMPARE(text1->text(), QStringLiteral("145.67500"));
        text1->selectAll();
        e.type(QStringLiteral("146"));
        QCOMPARE(e.tables().cell(2, col::Rx), QStringLiteral("146.00000"));
        QCOMPARE(e.tables().cell(2, col::Tx), QStringLiteral("145.07500"));
        QCOMPARE(e.tables().cell(2, col::TxTone), QStringLiteral("88.5"));

        // An emptied transmit frequency changes nothing; an emptied receive one deletes.
        e.press(2, col::Tx);
        QTest::keyClick(text1, Qt::Key_Backspace); // the text is selected when the box opens
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(e.tables().cell(2, col::Tx), QStringLiteral("145.07500"));
        e.press(2, col::Rx);
        QTest::keyClick(text1, Qt::Key_Backspace);
        QTest::keyClick(text1, Qt::Key_Return);
        QVERIFY(!e.tables().isUsed(2));
        QVERIFY(e.tables().channelNames()[1].isEmpty());
        QVERIFY(e.tables().cell(2, col::TxTone).isEmpty());
        QCOMPARE(e.tables().optionIndexes()[1][1], qint16(0));
    }

    void namesAreFilteredAsTyped()
    {
        Editor e;
        fillSampleRadio(e.w->model());
        e.press(1, col::Name);
        auto *text2 = e.control<FilteredLineEdit *>("Text2");
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QCOMPARE(text2->text(), QStringLiteral("CALL2M"));
        QTest::keyClick(text2, Qt::Key_Backspace);
        e.type(QStringLiteral("ab c!\"defgh"));
        QCOMPARE(e.tables().cell(1, col::Name), QStringLiteral("ABCDEF"));
        QCOMPARE(e.tables().channelNames()[0], QStringLiteral("ABCDEF"));

        // Pasted text passes the same filter.
        e.press(3, col::Name);
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QApplication::clipboard()->setText(QStringLiteral("x y\tz~1234"));
        text2->selectAll();
        text2->paste();
        QCOMPARE(text2->text(), QStringLiteral("XYZ123"));

        // A name of 8 characters from the radio is shown whole, and kept whole when the
        // box closes without a change.
        QTest::keyClick(text2, Qt::Key_Escape);
        e.w->model().channels().setRow(5, [&] {
            ChannelRow r = e.tables().row(1);
            r.name = r.cells[col::Name] = QStringLiteral("EIGHTCHR");
            return r;
        }());
        e.press(5, col::Name);
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QCOMPARE(text2->text(), QStringLiteral("EIGHTCHR"));
        QTest::keyClick(text2, Qt::Key_End);
        e.type(QStringLiteral("Z"));
        QCOMPARE(e.tables().channelNames()[4], QStringLiteral("EIGHTCHR"));

        // Unnamed channels as a file holds them (eight zero bytes): the box opens empty
        // and takes keys; left as it was, the bytes stay; a typed name is written as one.
        RadioModel &m = e.w->model();
        EncodeImage(m);
        m.setMemoryImage(m.outputImage());
        for (int n : {2, 3})
            std::fill_n(&m.memoryImageToFill()[map::nameBase(n)], map::kNameLength, 0x00);
        DecodeImage(m);
        e.f->undo().stack().clear();
        e.press(2, col::Name);
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QCOMPARE(text2->text(), QString());
        QTest::keyClick(text2, Qt::Key_End);
        e.type(QStringLiteral("ab"));
        QCOMPARE(e.tables().cell(2, col::Name), QStringLiteral("AB"));
        e.press(3, col::Name);
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QTest::keyClick(text2, Qt::Key_Backspace);
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(e.f->undo().stack().count(), 1); // the name typed, nothing else
        EncodeImage(m);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m.outputImage()[map::nameBase(2)]), 8),
                 QByteArray("AB\xFF\xFF\xFF\xFF\xFF\xFF", 8));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m.outputImage()[map::nameBase(3)]), 8), QByteArray(8, '\0'));
    }

    void choosingFromTheLists()
    {
        Editor e;
        fillSampleRadio(e.w->model());
        e.press(1, col::Power);
        auto *power = e.control<QComboBox *>("Combo5(5)");
        QVERIFY(power->isVisible());
        QCOMPARE(power->currentIndex(), 1);
        QTRY_VERIFY(power->view()->isVisible()); // dropped open
        QTest::keyClick(power->view(), Qt::Key_Up);
        QTest::keyClick(power->view(), Qt::Key_Return);
        QVERIFY(!power->isVisible());
        QCOMPARE(e.tables().cell(1, col::Power), QStringLiteral("低"));
        QCOMPARE(e.tables().optionIndexes()[optionSlot(col::Power)][0], qint16(0));

        e.press(1, col::TxTone);
        auto *tones = e.control<QComboBox *>("Combo1");
        QCOMPARE(tones->count(), 265);
        QTRY_VERIFY(tones->view()->isVisible());
        QTest::keyClick(tones->view(), Qt::Key_Down);
        QTest::keyClick(tones->view(), Qt::Key_Return);
        QCOMPARE(e.tables().cell(1, col::TxTone), QStringLiteral("67.0"));
        QCOMPARE(e.tables().optionTexts()[1][0], QStringLiteral("67.0"));
        QCOMPARE(e.tables().optionIndexes()[1][0], qint16(1));

        // A tone the list does not hold opens with no item chosen: Enter keeps it, rather
        // than taking the choice just made.
        e.w->model().channels().setRow(2, [&] {
            ChannelRow r = e.tables().row(2);
            r.cells[col::RxTone] = r.optionText[0] = QStringLiteral("D099N");
            r.optionIndex[0] = 1;
            return r;
        }());
        // Opened with Enter, the pointer out of the way (items under it are chosen).
        QCursor::setPos(e.w->mapToGlobal(QPoint(2, 2)));
        e.f->currentGrid()->setCurrentCell(2, col::RxTone);
        QTest::keyClick(e.f->currentGrid(), Qt::Key_Return);
        QTRY_VERIFY(tones->view()->isVisible());
        QCOMPARE(tones->currentIndex(), -1);
        QVERIFY(!tones->view()->currentIndex().isValid());
        QTest::keyClick(tones->view(), Qt::Key_Return);
        QCOMPARE(e.tables().cell(2, col::RxTone), QStringLiteral("D099N"));
        QTest::keyClick(tones->view(), Qt::Key_Escape); // the drop-down closes, the list stays
        QTest::keyClick(tones, Qt::Key_Return);
        QCOMPARE(e.tables().cell(2, col::RxTone), QStringLiteral("D099N"));

        // A list that loses the focus goes without a change.
        e.press(1, col::Scramble);
        auto *scramble = e.control<QComboBox *>("Combo5(10)");
        QTRY_VERIFY(scramble->view()->isVisible());
        QTest::keyClick(scramble->view(), Qt::Key_Escape);
        e.f->currentGrid()->setFocus();
        QVERIFY(!scramble->isVisible());
        QCOMPARE(e.tables().cell(1, col::Scramble), QStringLiteral("关"));

        // A list whose drop-down is still open gives way to the next cell's editor.
        e.press(1, col::BusyLock);
        QTRY_VERIFY(e.control<QComboBox *>("Combo5(6)")->view()->isVisible());
        e.control<QComboBox *>("Combo5(6)")->hidePopup();
        e.press(1, col::Name);
        QCOMPARE(e.f->openEditor(), e.control<QWidget *>("Text2"));
    }

    // However slowly the user types, the box stays open until Enter, also on the row
    // that the grid's lower edge cuts (the view scrolls a pressed cell into view by
    // itself, a moment after the press).
    void slowTypingOnAHalfVisibleRow_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("stored");
        QTest::newRow("receive frequency") << int(col::Rx) << QStringList{"14", "5.5"} << "145.50000";
        QTest::newRow("name") << int(col::Name) << QStringList{"AB", "CD"} << "ABCD";
    }
    void slowTypingOnAHalfVisibleRow()
    {
        QFETCH(int, column);
        QFETCH(QStringList, keys);
        QFETCH(QString, stored);
        Editor e;
        const int row = e.halfVisibleRow();
        if (column == col::Name) {
            fillSampleRadio(e.w->model());
            e.tables().setRow(row, e.tables().row(1));
        }
        ChannelGrid *g = e.f->currentGrid();
        const QRect cell = g->visualRect(g->model()->index(row - 1, column));
        QVERIFY(cell.bottom() >= g->viewport()->height() && cell.top() < g->viewport()->height() - 4);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(cell.center().x(), cell.top() + 2));
        e.typeSlowly(keys, 1000);
        QVERIFY(e.f->openEditor());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(e.tables().cell(row, column), stored);
        QVERIFY(e.log.prompts().isEmpty());
        QCOMPARE(g->currentRow(), row);
        QVERIFY(g->visualRect(g->model()->index(row - 1, column)).bottom() < g->viewport()->height());
    }

    // A character typed on the grid opens the current cell's editor with it, never
    // another row's.
    void typingOnACellStartsItsEdit_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("stored");
        QTest::newRow("frequency") << 2 << int(col::Rx) << QStringList{"1", "4", "6"} << "Text1" << "146.00000";
        QTest::newRow("name") << 4 << int(col::Name) << QStringList{"r", "p", "t"} << "Text2" << "RPT";
        QTest::newRow("refused character") << 2 << int(col::Rx) << QStringList{"x"} << "Text1" << "145.67500";
        QTest::newRow("tone list") << 1 << int(col::TxTone) << QStringList{"8"} << "Combo1" << "关闭";
    }
    void typingOnACellStartsItsEdit()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QStringList, keys);
        QFETCH(QString, editor);
        QFETCH(QString, stored);
        Editor e;
        fillSampleRadio(e.w->model());
        ChannelGrid *g = e.f->currentGrid();
        g->setFocus();
        g->setCurrentCell(row, column);
        e.typeSlowly(keys, 300);
        QWidget *open = e.f->openEditor();
        QVERIFY(open);
        QCOMPARE(open->objectName(), editor);
        auto *list = qobject_cast<QComboBox *>(open);
        if (list)
            QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list ? list->view() : QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!e.f->openEditor());
        QCOMPARE(e.tables().cell(row, column), stored);
        QCOMPARE(g->currentRow(), row);
    }

    void editsAreAnnouncedAsCommands()
    {
        Editor e;
        QList<ChannelEdit> edits;
        connect(e.f, &ChannelEditor::channelEdited, [&](const ChannelEdit &edit) { edits << edit; });
        e.press(7, col::Rx);
        e.type(QStringLiteral("146.52"));
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits[0].channel, 7);
        QVERIFY(!edits[0].before.isUsed());
        e.tables().revert(edits[0]);
        QVERIFY(!e.tables().isUsed(7));
        e.tables().apply(edits[0]);
        QCOMPARE(e.tables().cell(7, col::Rx), QStringLiteral("146.52000"));
    }

    void pendingEditsAreCommittedBeforeSaveAndGroupSwitch()
    {
        Editor e;
        e.press(1, col::Rx);
        e.type(QStringLiteral("145.5"), false);
        const QString saved = e.shell.dir.filePath(QStringLiteral("pending.dat"));
        QVERIFY(e.w->fileCommands().saveFile(saved));
        QCOMPARE(e.tables().cell(1, col::Rx), QStringLiteral("145.50000"));

        // An edit open in group A lands in group A when the user turns to group B.
        e.press(2, col::Rx);
        e.type(QStringLiteral("146"), false);
        QTest::mouseClick(e.control<QTabBar *>("TabStrip1"), Qt::LeftButton, {},
                          e.control<QTabBar *>("TabStrip1")->tabRect(1).center());
        QCOMPARE(e.f->currentGrid(), e.control<ChannelGrid *>("Grid2"));
        QCOMPARE(e.tables().cell(2, col::Rx), QStringLiteral("146.00000"));
        QVERIFY(!e.tables().isUsed(66));
    }

    void wheelMovesOneRowPerTurn()
    {
        Editor e;
        // From the start, before any switch of groups.
        ChannelGrid *a = e.control<ChannelGrid *>("Grid1");
        sendWheel(a->viewport(), -120);
        QCOMPARE(a->topRow(), 2);
        sendWheel(a->viewport(), 120);
        QCOMPARE(a->topRow(), 1);

        auto *tabs = e.control<QTabBar *>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        ChannelGrid *b = e.control<ChannelGrid *>("Grid2");
        QVERIFY(b->isVisible());
        QCOMPARE(b->topRow(), 1);
        sendWheel(b->viewport(), 120); // away from the user, at the top already
        QCOMPARE(b->topRow(), 1);
        for (int k = 1; k <= 3; ++k) {
            sendWheel(b->viewport(), k == 2 ? -1 : -360); // the notch size does not matter
            QCOMPARE(b->topRow(), 1 + k);
        }
        sendWheel(b->viewport(), 15);
        QCOMPARE(b->topRow(), 3);
        for (int k = 0; k < 100; ++k)
            sendWheel(b->viewport(), -120);
        QVERIFY(b->topRow() <= 64);
        const int bottom = b->topRow();
        QVERIFY(bottom > 30);
        sendWheel(b->viewport(), -120);
        QCOMPARE(b->topRow(), bottom);

        // Back on group A: its grid is hooked now, the B grid no longer.
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        sendWheel(a->viewport(), -120);
        QCOMPARE(a->topRow(), 2);
        QCOMPARE(b->topRow(), bottom);
    }

    // KT913_SCREENSHOT_DIR=folder saves what the user sees, in both languages.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Editor e;
        e.w->resize(1024, 768);
        fillSampleRadio(e.w->model());
        for (Language lang : {Language::Chinese, Language::English}) {
            e.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            e.press(2, col::TxTone);
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form1-list-%1.png").arg(suffix));
            e.f->currentGrid()->setFocus();
            e.press(3, col::Name);
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form1-%1.png").arg(suffix));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

            // A box opened on the row at the grid's lower edge, after the grid has moved.
            ChannelGrid *g = e.f->currentGrid();
            const int row = e.halfVisibleRow();
            const QRect cell = g->visualRect(g->model()->index(row - 1, col::Rx));
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(cell.center().x(), cell.top() + 2));
            e.typeSlowly({QStringLiteral("14")}, 1000);
            e.w->grab().save(dir + QStringLiteral("/form1-lower-edge-%1.png").arg(suffix));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        e.log.answers = {mbResult::Cancel};
        findControl<QComboBox *>(e.w, QStringLiteral("Combo1"))->setCurrentIndex(2); // channels outside
        for (Language lang : {Language::Chinese, Language::English}) {
            e.w->setLanguage(lang);
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form1-outside-band-%1.png").arg(lang == Language::English ? "en" : "zh"));
        }
    }
};

QTEST_MAIN(TestChannelEditor)
#include "tst_ChannelEditor.moc"

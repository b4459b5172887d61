// SPDX-License-Identifier: GPL-3.0-or-later
// The FM radio window driven as a user drives it: presses on the grid cells, typing and
// Enter in the cell editor and the FM VFO box, the out-of-range line, OK and Cancel, the
// language switch and the file round trip.
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"
#include "editors/FmEditor.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include "widgets/FilteredLineEdit.h"
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

const QString kMessageZh = QStringLiteral("超出频率范围(87-107.9)，请重输。");
const QString kMessageEn = QStringLiteral("Beyond the scope of frequency(87-107.9), please input again.");

struct FmWindow {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    FmEditor *f = nullptr;

    FmWindow()
    {
        w = &shell.start();
        f = w->fmEditor();
        show();
    }
    void show() const
    {
        w->action(QStringLiteral("MNFMset"))->trigger();
        QApplication::setActiveWindow(w);
    }
    template <typename T> T control(const char *name) const { return findControl<T>(f, QString::fromLatin1(name)); }
    QTableView *grid() const { return control<QTableView *>("MSFGrid"); }
    FilteredLineEdit *text1() const { return control<FilteredLineEdit *>("Text1"); }
    FilteredLineEdit *text2() const { return control<FilteredLineEdit *>("Text2"); }
    QLabel *label2() const { return control<QLabel *>("Label2"); }
    QComboBox *combo(int i) const { return findControl<QComboBox *>(f, QStringLiteral("Combo1(%1)").arg(i)); }
    QString cell(int k) const { return grid()->model()->index(k - 1, 1).data().toString(); }
    const FmState &fm() const { return w->model().fm(); }

    // A left press on channel k's frequency cell, as the mouse makes it.
    void press(int k) const
    {
        const QModelIndex index = grid()->model()->index(k - 1, 1);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    // Opens channel k's cell, replaces its text by typing and ends with Enter.
    void typeInCell(int k, const QString &keys) const
    {
        press(k);
        QVERIFY(text1()->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(text1()));
        QTest::keyClick(text1(), Qt::Key_Backspace); // the editor opens with its text selected
        QTest::keyClicks(text1(), keys);
        QTest::keyClick(text1(), Qt::Key_Return);
    }
    void typeVfo(const QString &keys) const
    {
        QTest::mouseClick(text2(), Qt::LeftButton);
        text2()->selectAll();
        QTest::keyClick(text2(), Qt::Key_Backspace);
        QTest::keyClicks(text2(), keys);
        QTest::keyClick(text2(), Qt::Key_Return);
    }
    void typePresent(const QString &keys) const
    {
        QLineEdit *edit = combo(0)->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    void click(const char *button) const { QTest::mouseClick(control<QPushButton *>(button), Qt::LeftButton); }
};

} // namespace

class TestFmEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void frequenciesInTheGridAndTheVfoBox()
    {
        FmWindow e;
        QCOMPARE(e.combo(0)->currentText(), QStringLiteral("0"));
        QCOMPARE(e.text2()->text(), QString());
        const QList<QPair<QString, QString>> cases{{"87", "87.00"},     {"98.5", "98.50"},   {"107.9", "107.90"},
                                                   {"98.12", "98.10"}, {"98.17", "98.15"}};
        int k = 1;
        for (const auto &c : cases) {
            e.typeInCell(k, c.first);
            QVERIFY(!e.text1()->isVisible());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e.grid()));
            QCOMPARE(e.cell(k), c.second);
            QCOMPARE(e.w->model().fmGrid()[k - 1], c.second);
            e.typeVfo(c.first);
            QCOMPARE(e.text2()->text(), c.second);
            QCOMPARE(e.w->model().fmForm().text(QStringLiteral("Text2"), Language::Chinese), c.second);
            ++k;
        }
        QVERIFY(!e.label2()->isVisible());

        // Enter on the grid opens the editor over the current cell, showing its text;
        // letters never get in.
        e.grid()->setFocus();
        e.grid()->setCurrentIndex(e.grid()->model()->index(2, 1));
        QTest::keyClick(e.grid(), Qt::Key_Return);
        QVERIFY(e.text1()->isVisible());
        QCOMPARE(e.text1()->text(), QStringLiteral("107.90"));
        const QRect r = e.grid()->visualRect(e.grid()->model()->index(2, 1));
        QCOMPARE(e.text1()->geometry(), QRect(e.grid()->viewport()->mapTo(e.f, r.topLeft()), r.size()));
        QTest::keyClick(e.text1(), Qt::Key_End);
        QTest::keyClicks(e.text1(), QStringLiteral("a-x"));
        QCOMPARE(e.text1()->text(), QStringLiteral("107.90"));
        QTest::keyClick(e.text1(), Qt::Key_Return);
        QCOMPARE(e.cell(3), QStringLiteral("107.90"));

        // Typed on a cell, the digits go into that cell's editor, not to a row that
        // starts with them.
        e.grid()->setCurrentIndex(e.grid()->model()->index(3, 1));
        for (const char *key : {"9", "5"}) {
            QTest::keyClicks(QApplication::focusWidget(), QLatin1String(key));
            QTest::qWait(300);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e.text1()));
        QTest::keyClick(e.text1(), Qt::Key_Return);
        QCOMPARE(e.cell(4), QStringLiteral("95.00"));
        QCOMPARE(e.grid()->currentIndex().row(), 3);

        // A text that is no number (two points) leaves the cell and the box as they were.
        e.typeInCell(1, QStringLiteral("9.8.5"));
        QCOMPARE(e.cell(1), QStringLiteral("87.00"));
        e.typeVfo(QStringLiteral("9.8.5"));
        QCOMPARE(e.text2()->text(), QStringLiteral("9.8.5"));
        QVERIFY(!e.label2()->isVisible());
        QVERIFY(e.log.requests.isEmpty());
    }

    void anEditEndsWhenTheGridScrollsOrAnotherCellIsPressed()
    {
        FmWindow e;
        e.press(1);
        QTest::keyClicks(e.text1(), QStringLiteral("99"));
        e.press(2); // the press lands beside the open editor
        QCOMPARE(e.cell(1), QStringLiteral("99.00"));
        QVERIFY(e.text1()->isVisible());
        QTest::keyClicks(e.text1(), QStringLiteral("100"));
        QScrollBar *bar = e.grid()->verticalScrollBar(); // a click on its groove, below the handle
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - bar->width() - 4));
        QVERIFY(bar->value() > 0);
        QVERIFY(!e.text1()->isVisible());
        QCOMPARE(e.cell(2), QStringLiteral("100.00"));
        // The channel number column cannot be chosen: a press there opens nothing.
        const QModelIndex number = e.grid()->model()->index(24, 0);
        QTest::mouseClick(e.grid()->viewport(), Qt::LeftButton, {}, e.grid()->visualRect(number).center());
        QVERIFY(!e.text1()->isVisible());
        e.typeInCell(25, QStringLiteral("88"));
        QCOMPARE(e.cell(25), QStringLiteral("88.00"));
    }

    void outOfRangeShowsTheMessageLineForFourTicks()
    {
        FmWindow e;
        auto *timer = e.control<QTimer *>("Timer1");
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        // The ticks are given by hand, so that a slow machine cannot run them together.
        timer->setInterval(3600 * 1000);
        auto tick = [timer] { QMetaObject::invokeMethod(timer, "timeout"); };
        QList<bool> shownAfterTick; // after each tick: is the line still up?
        QObject::connect(timer, &QTimer::timeout, e.f, [&] { shownAfterTick << e.label2()->isVisible(); });

        e.typeInCell(4, QStringLiteral("95"));
        e.typeInCell(4, QStringLiteral("86.9"));
        QCOMPARE(e.cell(4), QStringLiteral("95.00"));
        QVERIFY(!e.text1()->isVisible());
        QVERIFY(e.label2()->isVisible());
        QCOMPARE(e.label2()->text(), kMessageZh);
        QVERIFY(timer->isActive());
        tick();
        tick();
        // A second mistake while the line shows does not make it stay longer.
        e.typeVfo(QStringLiteral("108"));
        QCOMPARE(e.text2()->text(), QString());
        tick();
        tick();
        QVERIFY(!e.label2()->isVisible());
        QCOMPARE(shownAfterTick, (QList<bool>{true, true, true, false}));
        QVERIFY(!timer->isActive());

        // Afterwards the line comes again, in the language of that moment.
        e.w->setLanguage(Language::English);
        e.typeVfo(QStringLiteral("107.95"));
        QVERIFY(e.label2()->isVisible());
        QCOMPARE(e.label2()->text(), kMessageEn);
        for (int k = 0; k < 4; ++k)
            tick();
        QVERIFY(!e.label2()->isVisible());
        QVERIFY(e.log.requests.isEmpty()); // a line, never a message box
    }

    void okStoresAndCancelOnlyHides()
    {
        FmWindow e;
        QWidget *frame = e.f->parentWidget();
        QVERIFY(frame && frame->isVisible());
        e.typeInCell(1, QStringLiteral("100"));
        e.typeInCell(2, QStringLiteral("101.1"));
        e.typeVfo(QStringLiteral("88.8"));
        e.typePresent(QStringLiteral("12"));
        e.combo(1)->setFocus();
        QTest::keyClick(e.combo(1), Qt::Key_Down);
        QCOMPARE(e.combo(1)->currentIndex(), 1);
        e.click("Command1");
        QVERIFY(!frame->isVisible());
        QCOMPARE(e.fm().FmChannelFreq[0], QStringLiteral("100.00"));
        QCOMPARE(e.fm().FmChannelFreq[1], QStringLiteral("101.10"));
        QCOMPARE(e.fm().FmVfoFreq, QStringLiteral("88.80"));
        QCOMPARE(e.fm().FmPresentChannel, qint16(12));
        QCOMPARE(e.fm().FmDisplayMode, qint16(1));
        QCOMPARE(e.fm().FmStep, qint16(0));

        // Cancel hides; the FM state stays although the grid and the boxes show the new text.
        e.show();
        QVERIFY(frame->isVisible());
        e.typeInCell(1, QStringLiteral("90"));
        e.typeVfo(QStringLiteral("91"));
        e.typePresent(QStringLiteral("3"));
        e.click("Command2");
        QVERIFY(!frame->isVisible());
        QCOMPARE(e.cell(1), QStringLiteral("90.00"));
        QCOMPARE(e.fm().FmChannelFreq[0], QStringLiteral("100.00"));
        QCOMPARE(e.fm().FmVfoFreq, QStringLiteral("88.80"));
        QCOMPARE(e.fm().FmPresentChannel, qint16(12));

        // A cleared cell stores "", and a present channel that is no number keeps the
        // previous one. OK pressed while the cell editor is open takes its text first.
        e.show();
        e.typeInCell(2, QString());
        QCOMPARE(e.cell(2), QString());
        e.typePresent(QString());
        e.press(3);
        QTest::keyClicks(e.text1(), QStringLiteral("106"));
        e.click("Command1");
        QCOMPARE(e.fm().FmChannelFreq[1], QString());
        QCOMPARE(e.fm().FmChannelFreq[2], QStringLiteral("106.00"));
        QCOMPARE(e.fm().FmChannelFreq[0], QStringLiteral("90.00"));
        QCOMPARE(e.fm().FmPresentChannel, qint16(12));
        e.show();
        e.typePresent(QStringLiteral("x7"));
        e.click("Command1");
        QCOMPARE(e.fm().FmPresentChannel, qint16(12));
        // A decimal is rounded, a half to the even channel.
        const std::pair<const char *, int> decimals[] = {{"12.6", 13}, {"3.0", 3}, {"2.5", 2}};
        for (const auto &[typed, channel] : decimals) {
            e.show();
            e.typePresent(QString::fromLatin1(typed));
            e.click("Command1");
            QCOMPARE(e.fm().FmPresentChannel, qint16(channel));
        }
    }

    void saveNewAndOpenBringTheChannelsBack()
    {
        const QString path = [] {
            static QTemporaryDir dir;
            return dir.filePath(QStringLiteral("fm.dat"));
        }();
        {
            FmWindow e;
            e.typeInCell(5, QStringLiteral("101.5"));
            e.typeInCell(25, QStringLiteral("87.9"));
            e.typeVfo(QStringLiteral("90"));
            e.typePresent(QStringLiteral("16"));
            e.click("Command1");
            // New leaves the FM window alone.
            e.w->action(QStringLiteral("MNNew"))->trigger();
            QCOMPARE(e.cell(5), QStringLiteral("101.50"));
            QCOMPARE(e.fm().FmChannelFreq[4], QStringLiteral("101.50"));
            QVERIFY(e.w->fileCommands().saveFile(path));
        }
        FmWindow e;
        QCOMPARE(e.cell(5), QString());
        QVERIFY(e.w->fileCommands().openFile(path));
        QCOMPARE(e.cell(5), QStringLiteral("101.50"));
        QCOMPARE(e.cell(25), QStringLiteral("87.90"));
        QCOMPARE(e.cell(1), QString());
        QCOMPARE(e.text2()->text(), QStringLiteral("90.00"));
        QCOMPARE(e.combo(0)->currentText(), QStringLiteral("16"));
        QCOMPARE(e.fm().FmChannelFreq[4], QStringLiteral("101.50"));
        QCOMPARE(e.fm().FmPresentChannel, qint16(16));
        QVERIFY(e.log.requests.isEmpty());
    }

    void languageSwitchKeepsTheSelections()
    {
        FmWindow e;
        QCOMPARE(applyCaptionTable(e.f, captionTableFor(fmFormDescription()), Language::English), 0);
        QCOMPARE(applyCaptionTable(e.f, captionTableFor(fmFormDescription()), Language::Chinese), 0);
        e.combo(1)->setCurrentIndex(1);
        e.typePresent(QStringLiteral("9"));
        QAbstractItemModel *m = e.grid()->model();
        e.w->action(QStringLiteral("MNEnglish"))->trigger();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Channel"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Frequency(MHz)"));
        QCOMPARE(e.combo(1)->itemText(0), QStringLiteral("Channel"));
        QCOMPARE(e.combo(1)->itemText(1), QStringLiteral("Frequency"));
        QCOMPARE(e.combo(1)->currentIndex(), 1);
        QCOMPARE(e.combo(1)->currentText(), QStringLiteral("Frequency"));
        QCOMPARE(e.combo(0)->currentText(), QStringLiteral("9"));
        QCOMPARE(e.control<QLabel *>("Label1(3)")->text(), QStringLiteral("FM VFO:"));
        QCOMPARE(e.control<QPushButton *>("Command2")->text(), QStringLiteral("Cancel"));
        QCOMPARE(e.f->windowTitle(), QStringLiteral("FM Channel Set"));
        e.w->action(QStringLiteral("MNChinese"))->trigger();
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("频率(MHz)"));
        QCOMPARE(e.combo(1)->itemText(1), QStringLiteral("频率"));
        QCOMPARE(e.combo(1)->currentIndex(), 1);
        QCOMPARE(e.control<QLabel *>("Label1(0)")->text(), QStringLiteral("当前收音机工作频道:"));
        QCOMPARE(e.f->windowTitle(), QStringLiteral("FM频道设置"));
    }

    // KT913_SCREENSHOT_DIR=folder saves what the user sees, in both languages.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        FmWindow e;
        e.w->resize(1024, 768);
        for (int k = 1; k <= 6; ++k)
            e.w->model().setFmGridCell(k, QString::number(87.5 + 3 * k, 'f', 2));
        auto *timer = e.control<QTimer *>("Timer1");
        for (Language lang : {Language::Chinese, Language::English}) {
            timer->setInterval(1);
            QTRY_VERIFY(!e.label2()->isVisible()); // the line of the other language is gone
            timer->setInterval(60000);
            e.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            e.typeVfo(QStringLiteral("108"));
            e.press(3);
            QTest::qWait(50);
            e.w->grab().save(dir + QStringLiteral("/form5-%1.png").arg(suffix));
            QTest::keyClick(e.text1(), Qt::Key_Return);
        }
    }
};

QTEST_MAIN(TestFmEditor)
#include "tst_FmEditor.moc"

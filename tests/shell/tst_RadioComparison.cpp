// SPDX-License-Identifier: GPL-3.0-or-later
// Compare with Radio and the preview of a write, through the Programming menu against
// the emulated radio kt913-radio: exactly the places that differ are listed, nothing in
// the editors changes, and a preview answered Cancel sends nothing after its read.
#include "ShellTestKit.h"
#include "image/ChannelEditRules.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/ReadBackups.h"
#include "link/RadioProcess.h"
#include "link/Transfer.h"
#include "windows/ComparisonWindow.h"
#include "windows/TransferCommands.h"
#include "support/SampleRadio.h"
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

// The rows of the comparison as the user reads them, one "where | what | radio | editors" each.
QStringList rowsOf(ComparisonWindow *w)
{
    QStringList rows;
    const QAbstractItemModel *m = w->Grid1->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

// The editors hold the sample radio with three known places changed.
void changeThreePlaces(RadioModel &m)
{
    fillSampleRadio(m);
    m.channels().setRow(3, commitName(m.channels().row(3), QStringLiteral("NEW")));
    m.channels().setRow(66, commitName(m.channels().row(66), QStringLiteral("PMR2")));
    m.options().setIndex(QStringLiteral("Combo5"), 5); // group A squelch, 3 on the radio
}

void chooseInProgrammingMenu(MainWindow &w, Qt::Key key)
{
    w.activateWindow(); // no window manager here hands the focus back
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QTest::qWait(30);
    QTest::keyClick(menu, key);
}

void grab(QWidget *w, const QString &name)
{
    const QString shots = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        w->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TestRadioComparison : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(writeDatFile(path("radio.dat"), sampleImage()).ok());
    }
    void compareListsExactlyWhatDiffersAndChangesNothing();
    void previewAnsweredCancelSendsNothingAfterTheRead();
};

void TestRadioComparison::compareListsExactlyWhatDiffersAndChangesNothing()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({"--exit-with-parent", "--image", path("radio.dat")});
    QVERIFY(radio.start());
    MainWindow &w = s.start({}, radio.devicePath());
    changeThreePlaces(w.model());
    const auto cells = w.model().channels().cells();
    const Image memory = w.model().memoryImage(), output = w.model().outputImage();
    const QString squelch = w.model().options().text(QStringLiteral("Combo5"), Language::Chinese);
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    const int backupsBefore = QDir(defaultBackupFolder()).entryList({"read-*.dat"}, QDir::Files).size();

    const QStringList expected[] = {
        {"A3 (3) | 频道名称 | SIMPLX | NEW", "B2 (66) | 频道名称 | PMR1 | PMR2", "可选功能 / 功能设置 | A组静噪等级 | 3 | 5"},
        {"A3 (3) | Channel Name | SIMPLX | NEW", "B2 (66) | Channel Name | PMR1 | PMR2",
         "Optional Features / Function Set | A Squelch Level | 3 | 5"},
    };
    for (Language lang : {Language::Chinese, Language::English}) {
        const bool en = lang == Language::English;
        w.setLanguage(lang);
        chooseInProgrammingMenu(w, Qt::Key_M);
        QVERIFY(w.transferCommands().progressWindow()); // the usual read
        QTRY_VERIFY_WITH_TIMEOUT(w.transferCommands().comparisonWindow(), 20000);
        ComparisonWindow *cmp = w.transferCommands().comparisonWindow();
        QVERIFY(QTest::qWaitForWindowExposed(cmp));
        QCOMPARE(cmp->objectName(), QStringLiteral("FrmCompare"));
        QCOMPARE(cmp->windowTitle(), en ? QStringLiteral("Compare with Radio") : QStringLiteral("与对讲机比较"));
        QCOMPARE(cmp->Label1->text(), en ? QStringLiteral("2 channels and 1 setting differ") : QStringLiteral("2 个信道和 1 项设置不同"));
        QCOMPARE(rowsOf(cmp), expected[en ? 1 : 0]);
        QCOMPARE(cmp->Grid1->accessibleName(), en ? QStringLiteral("Differences") : QStringLiteral("差异列表"));
        QVERIFY(!cmp->CmdWrite->isVisible());
        QVERIFY(cmp->CmdClose->isVisible());
        QVERIFY(log.requests.isEmpty()); // no success message: the list is the answer
        grab(cmp, QStringLiteral("compare-with-radio-%1").arg(en ? "en" : "zh"));

        ended.clear();
        QTest::mouseClick(cmp->CmdClose, Qt::LeftButton);
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].value<Transfer::Ending>(), Transfer::Ending::ComparisonReadFinished);
        QVERIFY(!w.transferCommands().comparisonWindow());
        QVERIFY(w.action(QStringLiteral("MNRead"))->isEnabled());
    }
    // Nothing in the editors moved (their texts back in the language they were taken in);
    // the reads were kept as backups all the same.
    w.setLanguage(Language::Chinese);
    QCOMPARE(w.model().channels().cells(), cells);
    QCOMPARE(w.model().options().text(QStringLiteral("Combo5"), Language::Chinese), squelch);
    QVERIFY(w.model().memoryImage() == memory);
    QVERIFY(w.model().outputImage() == output);
    QCOMPARE(QDir(defaultBackupFolder()).entryList({"read-*.dat"}, QDir::Files).size(), backupsBefore + 2);
}

// The option sits beside "Verify after Writing" and is kept. Cancel is the default: Enter
// declines, and the radio hears no more than the read; Write then goes ahead.
void TestRadioComparison::previewAnsweredCancelSendsNothingAfterTheRead()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({"--exit-with-parent", "--image", path("radio.dat"), "--save", path("stored.dat"), "--log",
                        path("wire.log")});
    QVERIFY(radio.start());
    MainWindow &w = s.start({}, radio.devicePath());
    changeThreePlaces(w.model());
    QAction *preview = w.action(QStringLiteral("MNPreview"));
    QVERIFY(!preview->isChecked());
    chooseInProgrammingMenu(w, Qt::Key_P);
    QVERIFY(preview->isChecked());
    QVERIFY(readPreviewWrites(*s.settings));
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    for (Language lang : {Language::English, Language::Chinese}) {
        w.setLanguage(lang);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(w.transferCommands().comparisonWindow(), 20000);
        ComparisonWindow *cmp = w.transferCommands().comparisonWindow();
        QVERIFY(QTest::qWaitForWindowActive(cmp));
        QCOMPARE(cmp->objectName(), QStringLiteral("FrmWritePreview"));
        QCOMPARE(rowsOf(cmp).size(), 3);
        QVERIFY(cmp->CmdCancel->isDefault());
        QVERIFY(!cmp->CmdClose->isVisible());
        grab(cmp, QStringLiteral("preview-before-writing-%1").arg(lang == Language::English ? "en" : "zh"));
        QTest::keyClick(cmp, Qt::Key_Return);
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended.takeFirst()[0].value<Transfer::Ending>(), Transfer::Ending::ComparisonReadFinished);
    }
    QTest::qWait(500);
    const QStringList heard = readLines(path("wire.log"));
    QCOMPARE(heard.count(QStringLiteral("PROGRAM")), 2);
    QVERIFY(heard.filter(QRegularExpression(QStringLiteral("^W "))).isEmpty());
    QVERIFY(heard.last() == QStringLiteral("E")); // the read's End, nothing after it
    QVERIFY(!QFile::exists(path("stored.dat")));
    QVERIFY(log.requests.isEmpty());

    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(w.transferCommands().comparisonWindow(), 20000);
    QTest::mouseClick(w.transferCommands().comparisonWindow()->CmdWrite, Qt::LeftButton);
    QVERIFY(w.transferCommands().progressWindow());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QCOMPARE(ended[0][0].value<Transfer::Ending>(), Transfer::Ending::WriteFinished);
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("写频成功！")});
    Image stored{};
    QTRY_VERIFY_WITH_TIMEOUT(readDatFile(path("stored.dat"), stored).ok(), 5000);
    QVERIFY(std::equal(stored.begin(), stored.begin() + 0x7C0, w.model().outputImage().begin()));
}

QTEST_MAIN(TestRadioComparison)
#include "tst_RadioComparison.moc"

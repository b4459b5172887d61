// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing through the windows against the emulated radio kt913-radio: the
// progress window, the closing messages in their order, and the hand-back of the four
// commands (1.2 s after a success message, at once after a failure).
#include "ShellTestKit.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/MemoryMap.h"
#include "image/ReadBackups.h"
#include "link/RadioProcess.h"
#include "link/SerialTrace.h"
#include "link/Transfer.h"
#include "windows/ProgressWindow.h"
#include "windows/TransferCommands.h"
#include "shell/SettingStore.h"
#include "shell/StartUp.h"
#include "support/SampleRadio.h"
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QComboBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

const QStringList kCommands{"MNRead", "MNWrite", "TRead", "TWrite"};

// What the program looked like while a message box was up.
struct Moment {
    QString prompt;
    bool progressShown = false;
    bool commandsEnabled = false;
};

bool commandsEnabled(MainWindow &w)
{
    bool all = true, none = true;
    for (const QString &name : kCommands) {
        all = all && w.action(name)->isEnabled();
        none = none && !w.action(name)->isEnabled();
    }
    if (!all && !none)
        qWarning("the four transfer commands disagree");
    return all;
}

QString writeSampleFile(const QString &path)
{
    RadioModel model;
    fillSampleRadio(model);
    EncodeImage(model);
    writeDatFile(path, model.outputImage());
    return path;
}

} // namespace

class TestTransferWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void readThroughCtrlR();
    void writeThroughTheToolbar();
    void verifiedWriteChosenInTheMenu();
    void serialTraceOfTheWindow();
    void readByTheToolbarButton();
    void timeoutGivesTheCommandsBackAtOnce();
    void bandMismatchIsRefusedWhileTheProgressWindowIsUp();
    void forcedWriteAnsweredCancelEndsQuietly();
    void channelsOutsideTheBandAreWrittenOnlyWhenConfirmed();
    void aPulledCableShowsInTheStatusBar();
    void aPortTheListDoesNotShow();

private:
    // Starts the window on the radio's port and records each message with the moment.
    void startOn(ShellUnderTest &s, MessageLog &log, RadioProcess &radio, QList<Moment> &moments);
    // Waits until the transfer that was started has ended (bounded).
    bool waitForEnding(MainWindow &w, QSignalSpy &ended);
};

void TestTransferWindows::startOn(ShellUnderTest &s, MessageLog &log, RadioProcess &radio, QList<Moment> &moments)
{
    QVERIFY(radio.start());
    s.start({}, radio.devicePath());
    QVERIFY(s.window->transfer().port().isOpen());
    QVERIFY(log.requests.isEmpty());
    MainWindow *w = s.window.get();
    log.onMessage = [w, &moments](const MessageRequest &r) {
        ProgressWindow *progress = w->transferCommands().progressWindow();
        moments.append({r.prompt, progress && progress->isVisible(), commandsEnabled(*w)});
    };
    QVERIFY(QTest::qWaitForWindowActive(w));
}

bool TestTransferWindows::waitForEnding(MainWindow &w, QSignalSpy &ended)
{
    Q_UNUSED(w);
    return ended.count() > 0 || ended.wait(20000);
}

void TestTransferWindows::readThroughCtrlR()
{
    QTemporaryDir dir;
    const QString image = writeSampleFile(dir.filePath(QStringLiteral("radio.dat")));
    Image expected{};
    QVERIFY(readDatFile(image, expected).ok());

    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--image"), image});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    QSignalSpy decoded(&w.model(), &RadioModel::channelsChanged);

    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    ProgressWindow *progress = w.transferCommands().progressWindow();
    QVERIFY(progress);
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->objectName(), QStringLiteral("FrmWriting"));
    QCOMPARE(progress->windowTitle(), QStringLiteral("正在读取……"));
    QCOMPARE(progress->Label1->text(), QStringLiteral("正在读频，请稍候。"));
    QCOMPARE(progress->ProgressBar1->minimum(), 1);
    QCOMPARE(progress->ProgressBar1->maximum(), 196);
    QVERIFY(progress->isModal());
    QVERIFY(!commandsEnabled(w));

    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(ended.first().first().value<Transfer::Ending>(), Transfer::Ending::ReadFinished);
    QCOMPARE(moments.size(), 1);
    QCOMPARE(moments[0].prompt, QStringLiteral("读频成功！"));
    QCOMPARE(log.requests[0].title, QStringLiteral("提示"));
    QCOMPARE(log.requests[0].flags, 0);
    QVERIFY(!moments[0].progressShown);  // the progress window went first
    QVERIFY(!moments[0].commandsEnabled);
    QVERIFY(decoded.count() > 0);       // the editors were refilled before the message
    QVERIFY(w.model().memoryImage() == expected);
    QVERIFY(w.model().channels().isUsed(65));
    // The read was also kept as a backup, every byte as received.
    const QDir backups(defaultBackupFolder());
    const QStringList kept = backups.entryList({QStringLiteral("read-*.dat")}, QDir::Files, QDir::Time);
    QVERIFY(!kept.isEmpty());
    Image backup{};
    QVERIFY(readDatFile(backups.filePath(kept.first()), backup).ok());
    QVERIFY(backup == w.transfer().receivedImage());

    // The commands come back twelve ticks after the message was closed, not sooner.
    QElapsedTimer sinceMessage;
    sinceMessage.start();
    QVERIFY(w.transferCommands().timer1().isActive());
    QVERIFY(!commandsEnabled(w));
    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(w), 10000);
    QVERIFY2(sinceMessage.elapsed() >= 1100, qPrintable(QString::number(sinceMessage.elapsed())));
    QVERIFY(!w.transferCommands().timer1().isActive());
}

void TestTransferWindows::writeThroughTheToolbar()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("written.dat"));
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--save"), saved});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    s.window->setLanguage(Language::English);
    fillSampleRadio(w.model());
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    auto *toolbar = findControl<QToolBar *>(&w, QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(w.action(QStringLiteral("TWrite"))), Qt::LeftButton);
    ProgressWindow *progress = w.transferCommands().progressWindow();
    QVERIFY(progress);
    QCOMPARE(progress->windowTitle(), QStringLiteral("Writing……"));
    QCOMPARE(progress->Label1->text(), QStringLiteral("Writing frequently, please wait a moment."));

    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("Writing succeeds frequently!")});
    QCOMPARE(log.requests[0].title, QStringLiteral("Suggestion"));
    QVERIFY(!moments[0].progressShown);
    QElapsedTimer sinceMessage;
    sinceMessage.start();
    QVERIFY(!commandsEnabled(w));
    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(w), 10000);
    QVERIFY(sinceMessage.elapsed() >= 1100);

    // What the radio got is what the windows held (the written blocks of the image).
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 5000);
    Image inRadio{};
    QVERIFY(readDatFile(saved, inRadio).ok());
    for (int a = 0; a < 0x7C0; ++a)
        QCOMPARE(int(inRadio[a]), int(w.model().outputImage()[a]));
    for (int a = 0x800; a < kImageSize; ++a)
        QCOMPARE(int(inRadio[a]), int(w.model().outputImage()[a]));
}

// The verify item of the Programming menu, chosen with the keyboard, is kept in the
// settings; a write then reads the radio back without touching the user's data and
// names the byte the radio did not keep.
void TestTransferWindows::verifiedWriteChosenInTheMenu()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--keep-wrong"), QStringLiteral("0x010")});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    fillSampleRadio(w.model());
    const Image memoryBefore = w.model().memoryImage();
    QAction *verify = w.action(QStringLiteral("MNVerify"));
    QVERIFY(!verify->isChecked());

    const QString shots = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
    for (Language lang : {Language::English, Language::Chinese}) {
        w.setLanguage(lang);
        QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("MNProgram"));
        QCOMPARE(verify->text(), lang == Language::English ? QStringLiteral("Verify after Writing(&V)") : QStringLiteral("写频后校验(&V)"));
        if (!shots.isEmpty())
            menu->grab().save(shots + QStringLiteral("/programming-menu-%1.png").arg(lang == Language::English ? "en" : "zh"));
        QTest::keyClick(menu, Qt::Key_V);
    }
    QVERIFY(!verify->isChecked()); // chosen twice: off again
    QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_V);
    QVERIFY(verify->isChecked());
    QVERIFY(w.transfer().verifyWrites());
    QVERIFY(readVerifyWrites(*s.settings));

    // The progress window while the radio is read back.
    QString label;
    connect(&w.transfer(), &Transfer::verifyStarted, this, [&] {
        ProgressWindow *progress = w.transferCommands().progressWindow();
        QVERIFY(progress);
        label = progress->Label1->text();
        if (!shots.isEmpty())
            progress->grab().save(shots + QStringLiteral("/frmwriting-verify-%1.png").arg(w.model().language() == Language::English ? "en" : "zh"));
    });
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(ended.wait(30000));
    QCOMPARE(ended.first().first().value<Transfer::Ending>(), Transfer::Ending::VerifyFailed);
    QCOMPARE(label, QStringLiteral("正在校验，请稍候。"));
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("写频校验失败：1 个字节与写入的不符，第一个在地址 0x010。")});
    QCOMPARE(log.requests[0].flags, 48);
    QVERIFY(!moments[0].progressShown);
    QVERIFY(commandsEnabled(w));
    QVERIFY(w.model().memoryImage() == memoryBefore); // the read-back went elsewhere

    // Once more in English.
    w.setLanguage(Language::English);
    w.activateWindow(); // no window manager here hands the focus back
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(w.transferCommands().progressWindow());
    QVERIFY(ended.wait(30000));
    QCOMPARE(label, QStringLiteral("Verifying, please wait a moment."));
    QCOMPARE(log.prompts().last(),
             QStringLiteral("Write verification failed: 1 byte(s) differ from what was written, the first at address 0x010."));
}

// The start-up's --trace: a file that cannot be written is told once, and a read is
// recorded frame by frame.
void TestTransferWindows::serialTraceOfTheWindow()
{
    QTemporaryDir dir;
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    {
        const std::unique_ptr<SerialTrace> nowhere = attachSerialTrace(w, dir.filePath(QStringLiteral("no-folder/t")));
        QTRY_COMPARE(log.requests.size(), 1);
        QVERIFY(log.requests[0].prompt.startsWith(QStringLiteral("无法写入串口记录")));
        w.transfer().setTrace(nullptr);
    }
    const std::unique_ptr<SerialTrace> trace = attachSerialTrace(w, dir.filePath(QStringLiteral("t.txt")));
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(ended.wait(20000));
    QCOMPARE(log.prompts().last(), QStringLiteral("读频成功！"));
    QCOMPARE(log.requests.size(), 2);
    const QStringList lines = readLines(dir.filePath(QStringLiteral("t.txt")));
    QVERIFY(lines.size() > 2 * 193);
    QVERIFY(lines.filter(QStringLiteral(" TX 50 52 4F 47 52 41 4D")).size() == 1);
    QVERIFY(lines.filter(QStringLiteral(" TX 52 0C 00 10")).size() == 1); // the last block asked for
}

void TestTransferWindows::readByTheToolbarButton()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    auto *toolbar = findControl<QToolBar *>(&w, QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(w.action(QStringLiteral("TRead"))), Qt::LeftButton);
    QVERIFY(w.transferCommands().progressWindow());
    // Closing while the radio is being read waits for the end, then asks as always.
    log.answers = {mbResult::Ok, mbResult::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(waitForEnding(w, ended));
    QTRY_COMPARE(log.prompts().size(), 2);
    QCOMPARE(log.prompts()[0], QStringLiteral("读频成功！"));
    QCOMPARE(log.prompts()[1], message(MessageId::QuitConfirm, Language::Chinese).text);
    QVERIFY(w.isVisible()); // answered Cancel
    QVERIFY(w.model().memoryImage() == filledImage(0xFF));
}

void TestTransferWindows::timeoutGivesTheCommandsBackAtOnce()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--silent")});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    fillSampleRadio(w.model());
    const auto cells = w.model().channels().cells();
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(w.transferCommands().progressWindow());
    QVERIFY(waitForEnding(w, ended));
    QVERIFY(clock.elapsed() >= 2000); // eleven 200 ms ticks without an answer

    QCOMPARE(log.prompts(), QStringList{QStringLiteral("通信出错，请检查对讲机，连线及串口选择！")});
    QCOMPARE(log.requests[0].title, QStringLiteral("错误"));
    QCOMPARE(log.requests[0].flags, 16);
    QVERIFY(!moments[0].progressShown); // closed before the message
    QVERIFY(!moments[0].commandsEnabled);
    QVERIFY(commandsEnabled(w));        // back at once after the message
    QVERIFY(!w.transferCommands().timer1().isActive());
    QVERIFY(!w.transferCommands().progressWindow());
    QCOMPARE(w.model().channels().cells(), cells); // a failed read leaves the editors alone
}

void TestTransferWindows::bandMismatchIsRefusedWhileTheProgressWindowIsUp()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--band"), QStringLiteral("1")});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    w.setLanguage(Language::English);
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("The frequency band is not accorded with, can't write into!")});
    QCOMPARE(log.requests[0].title, QStringLiteral("Mistake"));
    QCOMPARE(log.requests[0].flags, 48);
    QVERIFY(moments[0].progressShown);
    QVERIFY(!moments[0].commandsEnabled);
    QVERIFY(!w.transferCommands().progressWindow());
    QVERIFY(commandsEnabled(w));
    QVERIFY(!w.transferCommands().timer1().isActive());
}

void TestTransferWindows::forcedWriteAnsweredCancelEndsQuietly()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--band"), QStringLiteral("2")});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    w.model().setForceWriteUnlocked(true);
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    log.answers = {mbResult::Cancel};
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(ended.first().first().value<Transfer::Ending>(), Transfer::Ending::BandMismatchCancelled);
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("频段不符，是否强制写入？")});
    QCOMPARE(log.requests[0].title, QStringLiteral("注意"));
    QCOMPARE(log.requests[0].flags, 4385);
    QVERIFY(moments[0].progressShown);
    QVERIFY(!w.transferCommands().progressWindow());
    QVERIFY(commandsEnabled(w));
}

// The band question answered Cancel keeps the channels under the new band; a write then
// asks before sending the ones that band does not take, Cancel being the default.
void TestTransferWindows::channelsOutsideTheBandAreWrittenOnlyWhenConfirmed()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("written.dat"));
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--band"), QStringLiteral("2"), QStringLiteral("--save"), saved});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    w.setLanguage(Language::English);
    fillSampleRadio(w.model());
    log.answers = {mbResult::Cancel};
    findControl<QComboBox *>(&w, QStringLiteral("Combo1"))->setCurrentIndex(2); // 144-148, 430-440 MHz
    QVERIFY(w.model().channels().isUsed(4)); // 156.8 MHz, kept
    log.clear();
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);

    log.answers = {mbResult::Cancel};
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("3 channels are outside the radio's band")});
    QCOMPARE(log.requests[0].flags, 4385);
    QVERIFY(!moments.last().progressShown);
    QVERIFY(!w.transferCommands().progressWindow());
    QVERIFY(commandsEnabled(w));
    QTest::qWait(300);
    QVERIFY(ended.isEmpty());
    QVERIFY(!QFile::exists(saved));

    log.answers = {mbResult::Ok};
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(log.prompts().last(), QStringLiteral("Writing succeeds frequently!"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 5000);
}

void TestTransferWindows::aPulledCableShowsInTheStatusBar()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({QStringLiteral("--hangup-after"), QStringLiteral("3")});
    QList<Moment> moments;
    startOn(s, log, radio, moments);
    MainWindow &w = *s.window;
    auto *panel = findControl<QLabel *>(&w, QStringLiteral("Panel1"));
    QCOMPARE(panel->text(), QStringLiteral("COM: ") + radio.devicePath());
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(waitForEnding(w, ended));
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("通信出错，请检查对讲机，连线及串口选择！")});
    QTRY_COMPARE(panel->text(), QStringLiteral("COM: ") + radio.devicePath() + QStringLiteral("（已断开）"));
}

// A device the port list does not show, typed after Programming, Other Port: the radio
// is read through it and the path is offered the next time; a path that does not open
// names itself in the message and in the status bar.
void TestTransferWindows::aPortTheListDoesNotShow()
{
    MessageLog log;
    ShellUnderTest s;
    RadioProcess radio({});
    QVERIFY(radio.start());
    MainWindow &w = s.start(); // the system shows no port at all
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!w.transfer().port().isOpen());

    // The menu item by its keys, then the path typed into the dialog it opens.
    QString offered, title;
    auto choose = [&](const QString &path) {
        QApplication::setActiveWindow(&w); // as the desktop does once a dialog is gone
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTimer::singleShot(0, this, [&, path] {
            QWidget *dialog = QApplication::activeModalWidget();
            auto *edit = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("PortPath")) : nullptr;
            if (!edit)
                return;
            title = dialog->windowTitle();
            offered = edit->text();
            QTest::keyClicks(edit, path); // replaces the offered path, which is selected
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QTest::keyClick(menu, Qt::Key_O);
    };

    choose(radio.devicePath());
    QCOMPARE(title, QStringLiteral("其他端口"));
    QCOMPARE(offered, QString());
    QVERIFY(log.requests.isEmpty());
    QVERIFY(w.transfer().port().isOpen());
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Panel1"))->text(), QStringLiteral("COM: ") + radio.devicePath());
    QCOMPARE(readOtherPort(*s.settings), radio.devicePath());
    QSignalSpy ended(&w.transferCommands(), &TransferCommands::transferEnded);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(w.transferCommands().progressWindow());
    QVERIFY(ended.wait(20000));
    QCOMPARE(ended.first().first().value<Transfer::Ending>(), Transfer::Ending::ReadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(w), 10000);

    log.clear();
    const QString missing = s.dir.filePath(QStringLiteral("ttyNOPE"));
    choose(missing);
    QCOMPARE(offered, radio.devicePath());
    QCOMPARE(log.requests.size(), 1);
    QVERIFY2(log.requests[0].prompt.contains(missing), qPrintable(log.requests[0].prompt));
    QVERIFY(findControl<QStatusBar *>(&w, QStringLiteral("StatusBar1"))->currentMessage().contains(missing));
    QVERIFY(!w.transfer().port().isOpen());
    QCOMPARE(readOtherPort(*s.settings), radio.devicePath()); // a path that failed is not kept
}

QTEST_MAIN(TestTransferWindows)
#include "tst_TransferWindows.moc"

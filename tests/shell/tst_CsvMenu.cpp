// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's Import CSV and Export CSV on the open data, driven through the menu
// with the keyboard as a user drives it.
#include "ShellTestKit.h"
#include "editors/ChannelEditor.h"
#include "shell/FileCommands.h"
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QMenuBar>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

QMenu *fileMenu(MainWindow &w) { return w.menuBar()->findChild<QMenu *>(QStringLiteral("MNFile")); }

// Alt+F opens the File menu; the item's mnemonic chooses it.
void chooseFromFileMenu(MainWindow &w, Qt::Key mnemonic)
{
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(fileMenu(w)->isVisible());
    QTest::keyClick(fileMenu(w), mnemonic);
    QTRY_VERIFY(!fileMenu(w)->isVisible());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestCsvMenu : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowTheLanguage()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        QCOMPARE(w.action(QStringLiteral("MNImportCsv"))->text(), QStringLiteral("导入CSV(&I)..."));
        w.setLanguage(Language::English);
        QCOMPARE(w.action(QStringLiteral("MNImportCsv"))->text(), QStringLiteral("Import CSV(&I)..."));
        QCOMPARE(w.action(QStringLiteral("MNExportCsv"))->text(), QStringLiteral("Export CSV(&E)..."));
    }

    void exportThenImportGivesTheChannelsBack()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        w.setLanguage(Language::English);
        fillSampleRadio(w.model());
        ChannelTables expected;
        for (int n = 1; n <= 128; ++n)
            expected.setRow(n, w.model().channels.row(n));

        // A name typed without an extension is written as a .csv file.
        s.dialogs.saveAnswer = s.dir.filePath(QStringLiteral("list"));
        chooseFromFileMenu(w, Qt::Key_E);
        const QString csv = s.dir.filePath(QStringLiteral("list.csv"));
        QVERIFY(QFile::exists(csv));
        QCOMPARE(s.dialogs.lastFilters.value(0), QStringLiteral("CSV Files (*.csv)"));
        QVERIFY(log.requests.isEmpty());

        log.answers = {mbResult::Ok};
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier); // New, answered OK
        QVERIFY(!w.model().channels.isUsed(1));
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.prompts().value(1), QStringLiteral("Rows taken: 8. Channels changed: 8."));
        for (int n = 1; n <= 128; ++n)
            for (int c = col::Rx; c < col::Count; ++c)
                QCOMPARE(w.model().channels.cell(n, c), QString(expected.cell(n, c)).remove(QChar(0)));
        QVERIFY(w.channelEditor()->isVisible());
    }

    void refusedRowsAreShownInOneMessage()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        fillSampleRadio(w.model());
        const ChannelRow before = w.model().channels.row(2);
        const QString csv = s.dir.filePath(QStringLiteral("mixed.csv"));
        writeFile(csv, "Location,Frequency,Name\n1,146.5,one\n2,999,far\n3,14x\n");
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.requests.size(), 1);
        QCOMPARE(log.requests[0].flags, 48);
        QCOMPARE(log.requests[0].prompt, QStringLiteral("已读入 1 行，1 个频道有改变。\n以下 2 行未读入：\n"
                                                        "第 3 行：频率 999.000000 超出频段范围\n第 4 行：频率 14x 不是数字\n"
                                                        "以下 1 行的名称有改动：\n第 2 行：名称“one”改为“ONE”"));
        QCOMPARE(w.model().channels.cell(1, col::Name), QStringLiteral("ONE"));
        QVERIFY(w.model().channels.row(2) == before);
    }

    void anUnreadableFileChangesNothing()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        w.setLanguage(Language::English);
        fillSampleRadio(w.model());
        EncodeImage(w.model());
        const Image image = w.model().outputImage;
        const QString csv = s.dir.filePath(QStringLiteral("junk.csv"));
        writeFile(csv, QByteArray("Location,Frequency\n1,\"146.5\n\x00\xff", 30));
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.requests.size(), 1);
        QCOMPARE(log.requests[0].flags, 16);
        QVERIFY(log.requests[0].prompt.contains(QStringLiteral("not a text file")));
        EncodeImage(w.model());
        QVERIFY(w.model().outputImage == image);
    }

    // KT913_SCREENSHOT_DIR=folder saves the File menu and the import's report in both
    // languages.
    void screenshotsOfTheFileMenu()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        for (Language lang : {Language::Chinese, Language::English}) {
            w.setLanguage(lang);
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(fileMenu(w)->isVisible());
            QTest::qWait(50);
            fileMenu(w)->grab().save(dir + (lang == Language::English ? "/filemenu-en.png" : "/filemenu-zh.png"));
            QTest::keyClick(fileMenu(w), Qt::Key_Escape);
            QTRY_VERIFY(!fileMenu(w)->isVisible());

            const QString csv = s.dir.filePath(QStringLiteral("mixed.csv"));
            writeFile(csv, "Location,Frequency,Name,Tone,rToneFreq\n1,146.5,one\n2,999,far\n3,146.5,,Tone,88.4\n");
            setMessageAnswerer(nullptr); // the real box, on the screen
            QTimer::singleShot(100, this, [&] {
                if (QWidget *box = QApplication::activeModalWidget()) {
                    box->grab().save(dir + (lang == Language::English ? "/import-report-en.png" : "/import-report-zh.png"));
                    QTest::keyClick(box, Qt::Key_Return);
                }
            });
            w.fileCommands().importCsvFile(csv);
        }
    }
};

QTEST_MAIN(TestCsvMenu)
#include "tst_CsvMenu.moc"

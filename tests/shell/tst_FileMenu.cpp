// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu beyond New, Open and Save: Import CSV and Export CSV, Recent Files, and
// files dropped on the main window, driven as a user drives them.
#include "ShellTestKit.h"
#include "editors/ChannelEditor.h"
#include "shell/FileCommands.h"
#include "editors/ChannelRowCommands.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
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

QMenu *recentMenu(MainWindow &w) { return fileMenu(w)->findChild<QMenu *>(QStringLiteral("MNRecent")); }

// Alt+F, R for Recent Files, then the entry's digit.
void chooseRecentFile(MainWindow &w, Qt::Key digit)
{
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(fileMenu(w)->isVisible());
    QTest::qWait(30);
    QTest::keyClick(fileMenu(w), Qt::Key_R);
    QTRY_VERIFY(recentMenu(w)->isVisible());
    QTest::qWait(30);
    QTest::keyClick(recentMenu(w), digit);
    QTRY_VERIFY(!fileMenu(w)->isVisible());
}

// What the recent files menu lists, as the File menu shows it.
QStringList recentEntries(MainWindow &w)
{
    emit fileMenu(w)->aboutToShow();
    QStringList texts;
    for (QAction *a : recentMenu(w)->actions())
        texts << a->text();
    return texts;
}

// A file manager's drag of `paths`, entering the window and dropped on it. False when
// the window refused it.
bool drop(MainWindow &w, const QStringList &paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = w.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &dropped);
    return dropped.isAccepted();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestFileMenu : public QObject {
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
            expected.setRow(n, w.model().channels().row(n));

        // A name typed without an extension is written as a .csv file.
        s.dialogs.saveAnswer = s.dir.filePath(QStringLiteral("list"));
        chooseFromFileMenu(w, Qt::Key_E);
        const QString csv = s.dir.filePath(QStringLiteral("list.csv"));
        QVERIFY(QFile::exists(csv));
        QCOMPARE(s.dialogs.lastFilters.value(0), QStringLiteral("CSV Files (*.csv)"));
        QVERIFY(log.requests.isEmpty());

        log.answers = {mbResult::Ok};
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier); // New, answered OK
        QVERIFY(!w.model().channels().isUsed(1));
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.prompts().value(1), QStringLiteral("Rows taken: 8. Channels changed: 8."));
        for (int n = 1; n <= 128; ++n)
            for (int c = col::Rx; c < col::Count; ++c)
                QCOMPARE(w.model().channels().cell(n, c), QString(expected.cell(n, c)).remove(QChar(0)));
        QVERIFY(w.channelEditor()->isVisible());
    }

    void refusedRowsAreShownInOneMessage()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        fillSampleRadio(w.model());
        const ChannelRow before = w.model().channels().row(2);
        const QString csv = s.dir.filePath(QStringLiteral("mixed.csv"));
        writeFile(csv, "Location,Frequency,Name\n1,146.5,one\n2,999,far\n3,14x\n");
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.requests.size(), 1);
        QCOMPARE(log.requests[0].flags, 48);
        QCOMPARE(log.requests[0].prompt, QStringLiteral("已读入 1 行，1 个频道有改变。\n以下 2 行未读入：\n"
                                                        "第 3 行：频率 999.000000 超出频段范围\n第 4 行：频率 14x 不是数字\n"
                                                        "以下 1 行的名称有改动：\n第 2 行：名称“one”改为“ONE”"));
        QCOMPARE(w.model().channels().cell(1, col::Name), QStringLiteral("ONE"));
        QVERIFY(w.model().channels().row(2) == before);
    }

    void anUnreadableFileChangesNothing()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        w.setLanguage(Language::English);
        fillSampleRadio(w.model());
        EncodeImage(w.model());
        const Image image = w.model().outputImage();
        const QString csv = s.dir.filePath(QStringLiteral("junk.csv"));
        writeFile(csv, QByteArray("Location,Frequency\n1,\"146.5\n\x00\xff", 30));
        s.dialogs.openAnswer = csv;
        chooseFromFileMenu(w, Qt::Key_I);
        QCOMPARE(log.requests.size(), 1);
        QCOMPARE(log.requests[0].flags, 16);
        QVERIFY(log.requests[0].prompt.contains(QStringLiteral("not a text file")));
        EncodeImage(w.model());
        QVERIFY(w.model().outputImage() == image);
    }

    // A .dat file dropped opens as Open does, a .csv file imports as Import CSV does (and
    // is undone as it is); any other drag is refused and changes nothing.
    void droppedFilesOpenOrImport()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        fillSampleRadio(w.model());
        const QString dat = s.dir.filePath(QStringLiteral("radio.dat"));
        QVERIFY(w.fileCommands().saveFile(dat));
        log.answers = {mbResult::Ok};
        w.action(QStringLiteral("MNNew"))->trigger();
        w.channelEditor()->parentWidget()->close();
        const Image cleared = w.model().memoryImage();

        for (const QStringList &refused : {QStringList{s.dir.filePath(QStringLiteral("notes.txt"))},
                                           QStringList{dat, dat}, QStringList{s.dir.path()}}) {
            QVERIFY2(!drop(w, refused), qPrintable(refused.join(QLatin1Char(' '))));
            QTest::qWait(20);
        }
        QVERIFY(!w.model().channels().isUsed(1));
        QCOMPARE(log.requests.size(), 1); // the New question only

        QVERIFY(drop(w, {dat}));
        QTRY_VERIFY(w.model().channels().isUsed(1));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.model().memoryImage().data()), kImageSize),
                 toDatBytes(w.model().outputImage()).mid(48));
        QVERIFY(!(w.model().memoryImage() == cleared));
        QVERIFY(w.channelEditor()->parentWidget()->isVisible());
        QCOMPARE(log.requests.size(), 1);

        const QString csv = s.dir.filePath(QStringLiteral("LIST.CSV"));
        writeFile(csv, "Location,Frequency,Name\n100,146.5,dropped\n");
        QVERIFY(!w.model().channels().isUsed(100));
        QVERIFY(drop(w, {csv}));
        QTRY_COMPARE(log.requests.size(), 2);
        QCOMPARE(log.requests[1].prompt, QStringLiteral("已读入 1 行，1 个频道有改变。\n以下 1 行的名称有改动：\n"
                                                        "第 2 行：名称“dropped”改为“DROPPED”"));
        QCOMPARE(w.model().channels().cell(100, col::Name), QStringLiteral("DROPPED"));
        w.channelEditor()->rowCommands().action("MNUndo")->trigger();
        QVERIFY(!w.model().channels().isUsed(100));
        QVERIFY(w.model().channels().isUsed(1));
    }

    // Files opened and saved are offered again, newest first and eight at most, in this
    // run and the next; choosing one opens it as Open does, and a file gone since is
    // taken off the list with a message.
    void recentFilesReopenByKeyboard()
    {
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        QCOMPARE(recentMenu(w)->title(), QStringLiteral("最近的文件(&R)"));
        QCOMPARE(recentEntries(w), QStringList());
        QVERIFY(!recentMenu(w)->isEnabled());

        fillSampleRadio(w.model());
        const QString full = s.dir.filePath(QStringLiteral("full & sample.dat"));
        s.dialogs.saveAnswer = full;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        log.answers = {mbResult::Ok};
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        const QString empty = s.dir.filePath(QStringLiteral("empty.dat"));
        s.dialogs.saveAnswer = empty;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        const QString shownFull = QDir::toNativeSeparators(full).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QCOMPARE(recentEntries(w), (QStringList{"&1 " + QDir::toNativeSeparators(empty), "&2 " + shownFull}));
        QVERIFY(recentMenu(w)->isEnabled());

        chooseRecentFile(w, Qt::Key_2);
        QVERIFY(w.model().channels().isUsed(1));
        QCOMPARE(s.dialogs.opened, 0);
        QCOMPARE(recentEntries(w).value(0), "&1 " + shownFull);
        QCOMPARE(log.requests.size(), 1); // the New question only

        QVERIFY(QFile::remove(empty));
        w.setLanguage(Language::English);
        QCOMPARE(recentMenu(w)->title(), QStringLiteral("Recent Files(&R)"));
        chooseRecentFile(w, Qt::Key_2);
        QCOMPARE(log.requests.size(), 2);
        QCOMPARE(log.requests[1].prompt, "The file cannot be found:\n" + QDir::toNativeSeparators(empty) +
                                             "\nIt has been taken off Recent Files.");
        QCOMPARE(log.requests[1].flags, 48);
        QVERIFY(w.model().channels().isUsed(1)); // nothing was opened
        QCOMPARE(recentEntries(w), QStringList{"&1 " + shownFull});

        // The next run offers what this one used; a ninth file pushes the oldest out.
        MainWindow &next = s.start();
        QCOMPARE(recentEntries(next), QStringList{"&1 " + shownFull});
        for (int i = 1; i <= 8; ++i)
            QVERIFY(next.fileCommands().saveFile(s.dir.filePath(QStringLiteral("%1.dat").arg(i))));
        const QStringList entries = recentEntries(next);
        QCOMPARE(entries.size(), 8);
        QCOMPARE(entries.first(), "&1 " + QDir::toNativeSeparators(s.dir.filePath(QStringLiteral("8.dat"))));
        QCOMPARE(entries.last(), "&8 " + QDir::toNativeSeparators(s.dir.filePath(QStringLiteral("1.dat"))));
    }

    // KT913_SCREENSHOT_DIR=folder saves the File menu with Recent Files open, the main
    // window and the import's report in both languages.
    void screenshotsOfTheFileMenu()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        MessageLog log;
        ShellUnderTest s;
        MainWindow &w = s.start();
        for (const char *name : {"radios/old.dat", "radios/club.dat"}) {
            QDir(s.dir.path()).mkpath(QStringLiteral("radios"));
            QVERIFY(w.fileCommands().saveFile(s.dir.filePath(QString::fromLatin1(name))));
        }
        for (Language lang : {Language::Chinese, Language::English}) {
            w.setLanguage(lang);
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(fileMenu(w)->isVisible());
            QTest::qWait(50);
            QTest::keyClick(fileMenu(w), Qt::Key_R);
            QTRY_VERIFY(recentMenu(w)->isVisible());
            QTest::qWait(50);
            // The menu and its submenu side by side, where they are on the screen.
            const QRect both = fileMenu(w)->geometry().united(recentMenu(w)->geometry());
            QPixmap shot(both.size());
            shot.fill(Qt::darkGray);
            QPainter painter(&shot);
            for (QMenu *menu : {fileMenu(w), recentMenu(w)})
                painter.drawPixmap(menu->geometry().topLeft() - both.topLeft(), menu->grab());
            painter.end();
            shot.save(dir + (lang == Language::English ? "/filemenu-en.png" : "/filemenu-zh.png"));
            w.grab().save(dir + (lang == Language::English ? "/mainwindow-en.png" : "/mainwindow-zh.png"));
            QTest::keyClick(recentMenu(w), Qt::Key_Escape);
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

QTEST_MAIN(TestFileMenu)
#include "tst_FileMenu.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The backups of reads: names, two reads in one second, the newest hundred kept, and
// nothing but backups ever removed.
#include "image/DatFile.h"
#include "image/ReadBackups.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kt913;

class TstReadBackups : public QObject {
    Q_OBJECT
private slots:
    void backupsAreNamedByTheTimeAndKeptExactly()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("kt913/backups"));
        Image memory{};
        for (int i = 0; i < kImageSize; ++i)
            memory[i] = std::uint8_t(i * 7);
        const QDateTime when(QDate(2026, 12, 8), QTime(4, 5, 6));
        const BackupResult first = keepReadBackup(folder, memory, when);
        QVERIFY(first.ok);
        QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("read-20261208-040506.dat"));
        Image back{};
        QVERIFY(readDatFile(first.path, back).ok());
        QVERIFY(back == memory); // every byte as received, alignment values included
        QCOMPARE(QFileInfo(keepReadBackup(folder, memory, when).path).fileName(), QStringLiteral("read-20261208-040506-2.dat"));
        QCOMPARE(QFileInfo(keepReadBackup(folder, memory, when).path).fileName(), QStringLiteral("read-20261208-040506-3.dat"));
    }

    void onlyTheNewestAreKept()
    {
        QTemporaryDir dir;
        Image memory{};
        QFile other(dir.filePath(QStringLiteral("read-notes.dat")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
        for (int i = 0; i < 7; ++i)
            QVERIFY(keepReadBackup(dir.path(), memory, start.addSecs(i * 3600), 5).ok);
        QVERIFY(keepReadBackup(dir.path(), memory, start.addSecs(6 * 3600), 5).ok); // -2 of the newest
        const QStringList left = QDir(dir.path()).entryList({QStringLiteral("read-*.dat")}, QDir::Files, QDir::Name);
        QCOMPARE(left, (QStringList{"read-20260101-030000.dat", "read-20260101-040000.dat", "read-20260101-050000.dat",
                                    "read-20260101-060000-2.dat", "read-20260101-060000.dat", "read-notes.dat"}));
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const BackupResult r = keepReadBackup(dir.filePath(QStringLiteral("file/backups")), Image{}, QDateTime::currentDateTime());
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(backupFailedText(Language::English, r.error).contains(r.error));
    }
};

QTEST_GUILESS_MAIN(TstReadBackups)
#include "tst_read_backups.moc"

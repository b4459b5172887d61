// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli's channel list and comparison commands, run as a user runs them.
#include "image/ChannelEditRules.h"
#include "image/DatFile.h"
#include "image/FormDescriptions.h"
#include "image/ImageCodec.h"
#include "support/CliRun.h"
#include <QTemporaryDir>
#include <QtTest>

namespace {

kt913::test::CliRun cli(const QStringList &args) { return kt913::test::runCli(args); }

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kSample = QStringLiteral(KT913_TEST_DATA "/sample.dat");

// The sample with one channel field, one list and one alignment slider changed, as the
// windows would change them.
void writeChangedSample(const QString &path)
{
    using namespace kt913;
    RadioModel m;
    QVERIFY(readDatFile(kSample, m.memoryImageToFill()).ok());
    DecodeImage(m);
    m.channels().setRow(66, commitChoice(m.channels().row(66), col::Power, 1, channelOptionText(col::Power, 1, m.language())));
    QVERIFY(m.options().setIndex(QStringLiteral("Combo5"), 7));
    QVERIFY(m.setDebugValue(0, 99));
    EncodeImage(m);
    QVERIFY(writeDatFile(path, m.outputImage()).ok());
}

} // namespace

class TstCliCsv : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
private slots:
    void exportThenImportGivesTheSameFile()
    {
        const QString csv = dir.filePath("sample.csv"), out = dir.filePath("back.dat");
        QCOMPARE(cli({"export-csv", kSample, "-o", csv}).code, 0);
        QVERIFY(readAll(csv).startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
        const auto r = cli({"import-csv", csv, "--base", kSample, "-o", out});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), QStringLiteral("rows taken: 8, channels changed: 0"));
        QCOMPARE(readAll(out), readAll(kSample));
    }

    void refusedRowsAreListedAndTheRestSaved()
    {
        const QString csv = dir.filePath("mixed.csv"), out = dir.filePath("mixed.dat");
        writeFile(csv, "Location,Frequency,Name\n5,146.5,new\n6,999,far\n7,146.6\n");
        const auto r = cli({"import-csv", csv, "--base", kSample, "-o", out});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.trimmed(), csv + ": line 3: frequency 999.000000 is outside the band's limits\n" + csv +
                                      ": line 2: name \"new\" is taken as \"NEW\"");
        QCOMPARE(r.out.trimmed(), QStringLiteral("rows taken: 2, channels changed: 2, rows not taken: 1"));
        const auto dump = cli({"dump", out});
        QVERIFY(dump.out.contains("146.50000") && dump.out.contains("146.60000") && !dump.out.contains("999"));
        QVERIFY(cli({"--lang", "zh", "import-csv", csv, "--base", kSample, "-o", out}).err.contains(QStringLiteral("第 3 行")));
    }

    void unreadableListsSaveNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("10 MB line") << ("Location,Frequency\n1," + QByteArray(10 << 20, '1')) << "larger than 1024 KB";
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x00\x00\xff", 9) << "not a text file";
        QTest::newRow("open quote") << QByteArray("Location,Frequency,Name\n1,146.5,\"x\n") << "line 2: a quoted field is not closed";
        QTest::newRow("no row taken") << QByteArray("Location,BusyLock,Frequency\n1,maybe,146.5\n") << "line 2: busy lock maybe";
        QTest::newRow("foreign header") << QByteArray("Kanal,Frequenz\n1,146.5\n") << "the header names no known column";
    }
    void unreadableListsSaveNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir here;
        const QString csv = here.filePath("bad.csv"), out = here.filePath("out.dat");
        writeFile(csv, bytes);
        const auto r = cli({"import-csv", csv, "--base", kSample, "-o", out});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(problem), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"bad.csv"});
    }

    void diffNamesExactlyWhatChanged()
    {
        QCOMPARE(cli({"diff", kSample, kSample}).code, 0);
        QVERIFY(cli({"diff", kSample, kSample}).out.isEmpty());
        const QString changed = dir.filePath("changed.dat");
        writeChangedSample(changed);
        auto r = cli({"diff", kSample, changed});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out.split('\n', Qt::SkipEmptyParts),
                 QStringList({"B2 (66), Power: Low -> High", "Optional Features / Function Set, A Squelch Level: 3 -> 7",
                              "Debugging Information / A Channel / High Power Grades, High Sect: 215 -> 99"}));
        r = cli({"diff", kSample, changed, "--lang", "zh"});
        QCOMPARE(r.out.split('\n', Qt::SkipEmptyParts).value(0), QStringLiteral("B2 (66), 功率: 低 -> 高"));

        // Against the last read: the newest backup by its name's time and suffix.
        QTemporaryDir backups;
        QVERIFY(QFile::copy(changed, backups.filePath("read-20260101-120000.dat")));
        QVERIFY(QFile::copy(kSample, backups.filePath("read-20260101-120000-2.dat")));
        QVERIFY(QFile::copy(changed, backups.filePath("read-20251231-235959-9.dat")));
        r = cli({"diff", "--last-read", kSample, "--backups", backups.path()});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("read-20260101-120000-2.dat"));
        QCOMPARE(cli({"diff", "--last-read", changed, "--backups", backups.path()}).code, 1);
        QCOMPARE(cli({"diff", "--last-read", changed, "--backups", dir.filePath("none")}).code, 2);
        QCOMPARE(cli({"diff", kSample}).code, 2);
    }

    void usageMistakes()
    {
        QCOMPARE(cli({"import-csv", "x.csv", "-o", "y.dat"}).code, 2);
        QVERIFY(cli({"import-csv", "x.csv", "-o", "y.dat"}).err.startsWith("kt913-cli import-csv: --base FILE.dat is missing"));
        QCOMPARE(cli({"export-csv", kSample}).code, 2);
        QCOMPARE(cli({"export-csv", kSample, "-o", kSample}).code, 2); // never over the data file
        QCOMPARE(cli({"export-csv", kSample, "-o", dir.filePath("no/such/dir/x.csv")}).code, 2);
        QVERIFY(!QFile::exists(dir.filePath("no")));
    }
};

QTEST_GUILESS_MAIN(TstCliCsv)
#include "tst_cli_csv.moc"

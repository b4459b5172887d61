// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli's file commands, run as a user runs them.
#include "image/DatFile.h"
#include "support/CliRun.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = kt913::test::CliRun;
Run cli(const QStringList &args) { return kt913::test::runCli(args); }

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kSample = QStringLiteral(KT913_TEST_DATA "/sample.dat");

// The text of a PDF as pdftotext reads it; null when pdftotext is not installed.
QString pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess p;
    p.start(tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
private slots:
    void sampleFileIsWhatTheCodeMakes()
    {
        // The bundled sample is the encoder's own output: if this fails, either the
        // encoder changed what it writes or the sample needs making again
        // (kt913-make-sample tests/data/sample.dat).
        const QString fresh = dir.filePath("fresh.dat");
        QCOMPARE(QProcess::execute(QStringLiteral(KT913_BINARY_DIR "/tests/support/kt913-make-sample"), {fresh}), 0);
        QCOMPARE(readAll(fresh), readAll(kSample));
    }

    void dumpAsJson()
    {
        const Run r = cli({"dump", "--json", kSample});
        QCOMPARE(r.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o["band"].toInt(), 0);
        const QJsonArray channels = o["channels"].toArray();
        QCOMPARE(channels.size(), 8);
        const QJsonObject rpt = channels[1].toObject();
        QCOMPARE(rpt["number"].toInt(), 2);
        QCOMPARE(rpt["rx"].toString(), QStringLiteral("145.67500"));
        QCOMPARE(rpt["tx"].toString(), QStringLiteral("145.07500"));
        QCOMPARE(rpt["rxTone"].toString(), QStringLiteral("Off"));
        QCOMPARE(rpt["txTone"].toString(), QStringLiteral("88.5"));
        QCOMPARE(rpt["busyLock"].toInt(), 0);
        QCOMPARE(rpt["name"].toString(), QStringLiteral("RPT1"));
        QCOMPARE(channels[4].toObject()["tx"].toString(), QString());
        QCOMPARE(channels[7].toObject()["name"].toString(), QString()); // eight zero bytes
        const QJsonObject settings = o["settings"].toObject();
        QCOMPARE(settings["Combo5"].toInt(), 3);
        QCOMPARE(settings["Text31"].toString(), QStringLiteral("KT913"));
        QCOMPARE(settings["Check13"].toBool(), true);
        QCOMPARE(settings["Text20"].toString(), QStringLiteral("145.00000"));
        const QJsonObject fm = o["fm"].toObject();
        QCOMPARE(fm["channels"].toArray().size(), 25);
        QCOMPARE(fm["channels"].toArray()[2].toString(), QStringLiteral("104.30"));
        QCOMPARE(fm["present"].toInt(), 2);
        QCOMPARE(fm["vfo"].toString(), QStringLiteral("96.00"));
        QCOMPARE(o["debug"].toArray().size(), 18);
        QCOMPARE(o["debug"].toArray()[0].toInt(), 215);
    }

    void dumpAsText()
    {
        const Run en = cli({"dump", kSample});
        QCOMPARE(en.code, 0);
        QVERIFY(en.out.contains("RPT70"));
        QVERIFY(en.out.contains("A:136-174MHz B:400-470MHz"));
        const Run zh = cli({"--lang", "zh", "dump", kSample});
        QVERIFY(zh.out.contains(QStringLiteral("接收频率")));
        QVERIFY(zh.out.contains(QStringLiteral("关闭")));
    }

    void resaveReproducesAProgramWrittenFile()
    {
        const QString out = dir.filePath("resaved.dat");
        QCOMPARE(cli({"resave", kSample, "-o", out}).code, 0);
        QCOMPARE(readAll(out), readAll(kSample));
    }

    void refusals()
    {
        const QString wrong = dir.filePath("wrong.dat");
        QFile f(wrong);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("HXP417") + QByteArray(3114, '\xFF'));
        f.close();
        Run r = cli({"dump", wrong});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.trimmed(), wrong + ": File type is incorrect!"); // the message names the file
        r = cli({"--lang", "zh", "dump", wrong});
        QVERIFY(r.err.contains(QStringLiteral("文件类型不正确！")));
        // The right identifier on a file cut short: the message says what is wrong.
        const QString cut = dir.filePath("cut.dat");
        QVERIFY(QFile::copy(kSample, cut) && QFile::resize(cut, 3000));
        r = cli({"dump", cut});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.trimmed(), cut + ": File is incomplete!");
        r = cli({"dump", dir.filePath("missing.dat")});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("missing.dat"));

        const QString target = dir.filePath("target.dat");
        QCOMPARE(cli({"resave", wrong, "-o", target}).code, 2);
        QVERIFY(!QFile::exists(target));

        QCOMPARE(cli({}).code, 2);
        QCOMPARE(cli({"frobnicate"}).code, 2);
        QCOMPARE(cli({"dump"}).code, 2);
        QCOMPARE(cli({"resave", kSample}).code, 2);
    }

    // Usage mistakes say which option and why; help goes to standard output.
    void usageAndHelp_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("problem");
        QTest::newRow("language") << QStringList{"--lang", "fr", "dump", kSample} << "kt913-cli: --lang: 'fr' is not a language (en or zh)";
        QTest::newRow("band") << QStringList{"write", "--port", "/dev/null", kSample, "--band", "9"}
                              << "kt913-cli write: --band: '9' is not a number from 0 to 3";
        QTest::newRow("port") << QStringList{"write", kSample} << "kt913-cli write: --port PORT is missing";
        QTest::newRow("value") << QStringList{"resave", kSample, "-o"} << "kt913-cli resave: -o needs a value";
        QTest::newRow("option") << QStringList{"dump", "--xml", kSample} << "kt913-cli dump: unknown option --xml";
        QTest::newRow("command") << QStringList{"frobnicate"} << "kt913-cli: unknown command frobnicate";
        QTest::newRow("option before the command") << QStringList{"--json", "dump"} << "kt913-cli: unknown option --json";
        QTest::newRow("flag with a value") << QStringList{"dump", "--json=yes", kSample} << "kt913-cli dump: --json takes no value";
        // A data file is never written to standard output, nor silently to a file named "-".
        QTest::newRow("dash for a data file") << QStringList{"resave", kSample, "-o", "-"}
                                              << "kt913-cli resave: -o -: standard output is not possible here";
    }
    void usageAndHelp()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, problem);
        const Run r = cli(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith(problem), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
    // Every help fits a terminal of 80 columns.
    void helpOfEveryCommand()
    {
        const auto fits = [](const QString &help) {
            const QStringList lines = help.split(QLatin1Char('\n'));
            return std::all_of(lines.begin(), lines.end(), [](const QString &l) { return l.size() <= 80; });
        };
        for (const char *h : {"--help", "-h"}) {
            const Run all = cli({h});
            QCOMPARE(all.code, 0);
            QVERIFY(all.err.isEmpty());
            QVERIFY2(fits(all.out), qPrintable(all.out));
            for (const char *command : {"dump", "resave", "export-csv", "import-csv", "diff", "read", "write", "print"}) {
                QVERIFY(all.out.contains(QStringLiteral("\n  %1 ").arg(command)));
                const Run one = cli({command, h});
                QCOMPARE(one.code, 0);
                QVERIFY2(one.out.startsWith(QStringLiteral("usage: kt913-cli %1").arg(command)), qPrintable(one.out));
                QVERIFY2(fits(one.out), qPrintable(one.out));
            }
        }
        const QString write = cli({"write", "--help"}).out;
        QVERIFY(write.contains("--debug"));
        QVERIFY2(write.contains("0  A:136-174MHz B:400-470MHz") && write.contains("3  A:136-174MHz B:245-250MHz"),
                 qPrintable(write));
    }

    // The forms a Unix user writes options in; OUT stands for a file in the test's folder.
    void optionForms_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("inFile"); // what OUT then holds, empty: no file is made
        QTest::addColumn<QString>("onOutput"); // what standard output holds
        QTest::newRow("-o=OUT") << QStringList{"resave", kSample, "-o=OUT"} << "HXW417" << "";
        QTest::newRow("-oOUT") << QStringList{"resave", kSample, "-oOUT"} << "HXW417" << "";
        QTest::newRow("files after --") << QStringList{"resave", "-o", "OUT", "--", kSample} << "HXW417" << "";
        QTest::newRow("--lang=") << QStringList{"--lang=zh", "dump", kSample} << "" << "接收频率";
        QTest::newRow("dump into a file") << QStringList{"dump", kSample, "-o", "OUT"} << "RPT70" << "";
        QTest::newRow("dump -o -") << QStringList{"dump", kSample, "-o", "-"} << "" << "RPT70";
        QTest::newRow("export-csv -o -") << QStringList{"export-csv", kSample, "-o", "-"} << "" << "Location,";
        QTest::newRow("diff -o=-") << QStringList{"diff", kSample, kSample, "-o=-"} << "" << "";
        QTest::newRow("help after the language") << QStringList{"--lang", "zh", "--help"} << "" << "Commands:";
        QTest::newRow("help of a command") << QStringList{"--lang", "zh", "dump", "--help"} << "" << "usage: kt913-cli dump";
        QTest::newRow("version after the language") << QStringList{"--lang", "en", "--version"} << "" << "kt913-cli ";
        QTest::newRow("version after a command") << QStringList{"dump", "--version"} << "" << "kt913-cli ";
    }
    void optionForms()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, inFile);
        QFETCH(QString, onOutput);
        const QString out = dir.filePath("forms.out");
        QFile::remove(out);
        for (QString &a : args)
            a.replace("OUT", out);
        const Run r = cli(args);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QVERIFY2(onOutput.isEmpty() ? r.out.isEmpty() : r.out.contains(onOutput), qPrintable(r.out));
        QCOMPARE(QFile::exists(out), !inFile.isEmpty());
        QVERIFY(readAll(out).contains(inFile.toUtf8()));
        QVERIFY(!QFile::exists("-"));
    }

    // Columns line up as a terminal shows them, Chinese characters two columns wide, and
    // a setting's value stands apart from its caption.
    void dumpColumnsLineUp_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("en") << "en";
        QTest::newRow("zh") << "zh";
    }
    void dumpColumnsLineUp()
    {
        QFETCH(QString, lang);
        const QStringList lines = cli({"--lang", lang, "dump", kSample}).out.split('\n');
        // Each line as the cells of a terminal: a wide character fills two.
        const auto cells = [](const QString &line) {
            QString c;
            for (const QChar ch : line)
                c += ch.unicode() >= 0x1100 ? QStringLiteral("WW") : QString(ch);
            return c;
        };
        qsizetype header = 0;
        while (header < lines.size() && !lines[header].startsWith(lang == "en" ? QStringLiteral("Fre ") : QStringLiteral("频道 ")))
            ++header;
        QVERIFY(header < lines.size());
        // The receive frequency column starts where its header does, on every channel row.
        const QString head = cells(lines[header]);
        const qsizetype rx = head.indexOf(lang == "en" ? QStringLiteral("RX Fre") : QStringLiteral("WWWWWWWW"));
        for (qsizetype i = header + 1; i < lines.size() && !lines[i].isEmpty(); ++i)
            QVERIFY2(QRegularExpression("^[AB]\\d+ +$").match(cells(lines[i]).left(rx)).hasMatch()
                         && cells(lines[i]).at(rx).isDigit(),
                     qPrintable(lines[i]));
        // Every setting's value starts in one column, two spaces or more after the captions.
        QSet<qsizetype> valueColumns;
        for (const QString &line : lines) {
            if (!QRegularExpression("^(Combo|Check|Text)\\d+ ").match(line).hasMatch())
                continue;
            const QString c = cells(line);
            const qsizetype gap = c.lastIndexOf(QStringLiteral("  "));
            valueColumns << gap;
            if (line.startsWith("Check13 ")) // its caption ends in a word, its value is 1
                QVERIFY2(c.endsWith(QStringLiteral("  1")), qPrintable(line));
        }
        QCOMPARE(valueColumns.size(), 1);
    }

    void printWritesTheReportAsSearchableText()
    {
        const QString pdf = dir.filePath("report.pdf");
        QCOMPARE(cli({"print", kSample, "-o", pdf}).code, 0);
        const QString text = pdfText(pdf);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        for (const char *t : {"KT-913 Interphone programming data are printed", "Function set",
                              "The whole frequency frequently", "VOX(Voice control launches)", "Debug information",
                              "A Channel data", "B Channel data", "WhetherAllow to Cancel Operating"})
            QVERIFY2(text.contains(t), t);
        // Every channel in use, by its row label, frequencies and name.
        const QJsonArray channels = QJsonDocument::fromJson(cli({"dump", "--json", kSample}).out.toUtf8())
                                        .object()["channels"].toArray();
        QVERIFY(!channels.isEmpty());
        for (const auto &v : channels) {
            const QJsonObject c = v.toObject();
            const int n = c["number"].toInt();
            const QString label = (n <= 64 ? QStringLiteral("A%1") : QStringLiteral("B%1")).arg(n <= 64 ? n : n - 64);
            QVERIFY2(QRegularExpression("\\b" + label + "\\b").match(text).hasMatch(), qPrintable(label));
            for (const char *key : {"rx", "tx", "name"})
                // (an unnamed channel's name is eight NUL bytes, printed blank)
                if (const QString value = c[key].toString().remove(QRegularExpression("[\\x00-\\x1f]"));
                    !value.isEmpty())
                    QVERIFY2(text.contains(value), qPrintable(value));
        }

        const QString zh = dir.filePath("report-zh.pdf");
        QCOMPARE(cli({"--lang", "zh", "print", kSample, "-o", zh}).code, 0);
        const QString zhText = pdfText(zh);
        for (const char *t : {"KT-913对讲机编程数据打印", "功能设置", "全频频率", "VOX(声控发射)", "调试信息",
                              "A组信道数据", "B组信道数据", "是否允许取消操作", "高功率等级 高段"})
            QVERIFY2(zhText.contains(QString::fromUtf8(t)), t);
    }

    void printRefusesWithoutLeavingAnything()
    {
        QTemporaryDir here;
        const QString missing = here.filePath("no/such/folder/report.pdf");
        Run r = cli({"print", kSample, "-o", missing});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(here.filePath("no/such/folder")));
        QVERIFY(!QFile::exists(missing));

        // A data file that cannot be read leaves no report behind.
        const QString report = here.filePath("report.pdf");
        QCOMPARE(cli({"print", here.filePath("missing.dat"), "-o", report}).code, 2);
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // Never a report written over the data file it prints.
        const QString data = here.filePath("radio.dat");
        QVERIFY(QFile::copy(kSample, data));
        QCOMPARE(cli({"print", data, "-o", data}).code, 2);
        QCOMPARE(readAll(data), readAll(kSample));

        QCOMPARE(cli({"print", kSample}).code, 2);
    }

    // A disk that fills up while an output is written (a file size limit, which binds
    // root as well): the command fails and the file that was there stays whole.
    void outputsOnAFullDiskKeepTheFileBefore_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("export-csv") << QStringList{"export-csv", kSample};
        QTest::newRow("dump") << QStringList{"dump", kSample};
        QTest::newRow("print") << QStringList{"print", kSample};
    }
    void outputsOnAFullDiskKeepTheFileBefore()
    {
        QFETCH(QStringList, command);
        QTemporaryDir here;
        const QString out = here.filePath("out");
        const QByteArray before(3000, 'k');
        QFile keep(out);
        QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write(before) == before.size());
        keep.close();

        QProcess p;
        p.setChildProcessModifier([] {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 512; // less than any of these outputs
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
        p.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), command + QStringList{"-o", out});
        QVERIFY(p.waitForFinished(kt913::test::timeBound(30000)));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() != 0, "the command says it failed");
        QCOMPARE(readAll(out), before);
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out"});
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"

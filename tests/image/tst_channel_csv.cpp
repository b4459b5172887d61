// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists as CSV: the round trip through the encoder and decoder, files written
// by hand or by other tools, and the rows and files that cannot be taken.
#include "image/ChannelCsvImport.h"
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QtTest>

using namespace kt913;
using test::ChannelEntry;

namespace {

// Every field takes several values: each duplex kind, each tone mode, each option.
const ChannelEntry kVaried[] = {
    {1, "145.50000", "145.50000", nullptr, nullptr, 1, 1, 1, 1, 1, "CALL"},
    {2, "145.60000", "146.20000", nullptr, "88.5", 0, 0, 0, 0, 0, "ABCDEFGH"},
    {3, "439.00000", "434.00000", "100.0", "100.0", 1, 0, 1, 0, 1, "TSQL"},
    {4, "145.80000", "435.80000", "D023N", "D023N", 0, 1, 0, 1, 0, "SPLIT"},
    {5, "162.55000", nullptr, "254.1", "67.0", 1, 1, 1, 0, 1, "WX"},
    {6, "146.52000", "146.52000", "D754I", "88.5", 0, 0, 1, 1, 1, "T-D"},
    {7, "146.55000", "146.55000", "100.0", "D023I", 1, 1, 0, 0, 0, "D-T"},
    {8, "146.58000", "146.58000", "67.0", nullptr, 1, 1, 1, 1, 1, ""},
    {9, "446.00625", "446.00625", "D023N", nullptr, 0, 1, 1, 1, 1, "RXDCS"},
    {64, "433.50000", "433.50000", nullptr, "D754N", 1, 0, 1, 1, 0, "LAST-A"},
    {65, "438.50000", "430.90000", "D023I", "D023N", 1, 1, 1, 0, 1, "B1"},
    {128, "145.00000", "145.00000", "88.5", "100.0", 0, 0, 0, 0, 0, "ZZ"},
};

// A model as a file gives it: built as the editor would, saved and opened again.
void reopen(RadioModel &m)
{
    EncodeImage(m);
    m.setMemoryImage(m.outputImage());
    DecodeImage(m);
}

void variedModel(RadioModel &m)
{
    for (const ChannelEntry &c : kVaried)
        test::putChannel(m, c);
    reopen(m);
}

int apply(RadioModel &m, const ChannelCsvImport &plan)
{
    const ChannelTables::Batch batch(m.channels());
    for (const ChannelEdit &e : plan.edits)
        m.channels().apply(e);
    return int(plan.edits.size());
}

ChannelCsvImport importInto(RadioModel &m, const QString &text)
{
    const ChannelCsvImport plan = planChannelCsvImport(text, m);
    apply(m, plan);
    return plan;
}

QString header() { return channelCsvColumns().join(QLatin1Char(',')) + QLatin1Char('\n'); }

} // namespace

class TstChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryField_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("Chinese, file") << 0 << QChar(',');
        QTest::newRow("English, clipboard") << 1 << QChar('\t');
    }
    void roundTripKeepsEveryField()
    {
        QFETCH(int, language);
        QFETCH(QChar, separator);
        RadioModel source;
        source.setLanguage(Language(language));
        variedModel(source);
        const QString text = channelCsvText(source.channels(), separator);

        // Into the same channels: nothing changes, not even a name the name box would
        // not take.
        QVERIFY(planChannelCsvImport(text, source).edits.isEmpty());
        RadioModel odd;
        odd.setLanguage(source.language());
        test::putChannel(odd, {1, "145.01100", "145.01100", nullptr, nullptr, 1, 1, 1, 1, 1, "my call"});
        QVERIFY(planChannelCsvImport(channelCsvText(odd.channels(), separator), odd).edits.isEmpty());

        // Into an empty list: the channels come back whole, as the saved image shows.
        RadioModel target;
        target.setLanguage(source.language());
        const ChannelCsvImport plan = importInto(target, text);
        QVERIFY2(plan.refused.isEmpty(), qPrintable(refusalLines(plan.refused, Language::English).join('\n')));
        QCOMPARE(plan.edits.size(), qsizetype(std::size(kVaried)));
        for (const ChannelEdit &e : plan.edits) // what is shown before saving is what is saved
            for (int c = col::Rx; c < col::Count; ++c) // (an empty name reads back as zero bytes, shown blank)
                QCOMPARE(target.channels().cell(e.channel, c), source.channels().cell(e.channel, c));
        reopen(target);
        for (int n = 1; n <= map::kChannelCount; ++n)
            QVERIFY2(target.channels().row(n) == source.channels().row(n), qPrintable(QString::number(n)));
        QVERIFY(std::equal(target.outputImage().begin(), target.outputImage().end(), source.outputImage().begin()));
    }

    void exportSpellsTheFormat()
    {
        RadioModel m;
        m.setLanguage(Language::English);
        variedModel(m);
        const QStringList lines = channelCsvText(m.channels(), ',').split(QStringLiteral("\r\n"));
        QCOMPARE(lines[0], header().trimmed());
        const auto field = [&](int channel, const char *column) {
            for (const QString &l : lines)
                if (l.startsWith(QString::number(channel) + ','))
                    return l.split(',').value(channelCsvColumns().indexOf(QLatin1String(column)));
            return QStringLiteral("<none>");
        };
        const struct {
            int channel;
            const char *column, *value;
        } expected[] = {
            {1, "Frequency", "145.500000"}, {1, "Duplex", ""}, {1, "Tone", ""}, {1, "Power", "High"},
            {2, "Duplex", "+"}, {2, "Offset", "0.600000"}, {2, "Tone", "Tone"}, {2, "rToneFreq", "88.5"},
            {2, "Mode", "NFM"}, {2, "Skip", "S"}, {2, "BusyLock", "On"}, {2, "Scramble", "On"}, {2, "Power", "Low"},
            {3, "Duplex", "-"}, {3, "Offset", "5.000000"}, {3, "Tone", "TSQL"}, {3, "cToneFreq", "100.0"},
            {4, "Duplex", "split"}, {4, "Offset", "435.800000"}, {4, "Tone", "DTCS"}, {4, "RxDtcsCode", "023"},
            {5, "Duplex", "off"}, {5, "CrossMode", "Tone->Tone"}, {5, "rToneFreq", "67.0"}, {5, "cToneFreq", "254.1"},
            {6, "CrossMode", "Tone->DTCS"}, {6, "DtcsPolarity", "NR"}, {6, "RxDtcsCode", "754"},
            {7, "CrossMode", "DTCS->Tone"}, {7, "DtcsPolarity", "RN"}, {8, "CrossMode", "->Tone"},
            {9, "CrossMode", "->DTCS"}, {9, "Frequency", "446.006250"}, {64, "CrossMode", "DTCS->"},
            {65, "CrossMode", "DTCS->DTCS"}, {65, "DtcsPolarity", "NR"}, {128, "Mode", "NFM"}, {1, "TStep", "5.00"},
            {1, "rToneFreq", "88.5"}, {1, "DtcsCode", "023"}, {1, "DtcsPolarity", "NN"}, {10, "Location", "<none>"},
        };
        for (const auto &e : expected)
            QVERIFY2(field(e.channel, e.column) == QLatin1String(e.value),
                     qPrintable(QStringLiteral("%1 %2: %3").arg(e.channel).arg(e.column, field(e.channel, e.column))));
    }

    void handWrittenSubsetImports()
    {
        RadioModel m;
        m.setLanguage(Language::English);
        variedModel(m);
        const ChannelRow before2 = m.channels().row(2);
        const QString text = QString(QChar(0xFEFF)) +
            QStringLiteral("# exported from a spreadsheet\r\n"
                           "Location,Name,Frequency,Tone,rToneFreq,Power,Extra,BusyLock,Scramble\r\n"
                           "10,\"my, call\",146.52,Tone,88.50,5.0W,ignored\r\n"
                           "11,LO,145.5,,,0.5W\r\n"
                           "2,abcdefghij,145.600000,Tone,88.5,,,,\r\n");
        const ChannelCsvImport plan = importInto(m, text);
        QVERIFY2(plan.refused.isEmpty(), qPrintable(refusalLines(plan.refused, Language::English).join('\n')));
        QCOMPARE(plan.rowsTaken, 3);
        QCOMPARE(refusalLines(plan.renamed, Language::English),
                 (QStringList{"line 3: name \"my, call\" is taken as \"MY,CALL\"",
                              "line 5: name \"abcdefghij\" is taken as \"ABCDEFGH\""}));
        const QStringList ten = {"146.52000", "146.52000", "Off", "88.5", "High", "Off", "On", "Wide", "", "Off", "MY,CALL"};
        for (int c = col::Rx; c < col::Count; ++c)
            QCOMPARE(m.channels().cell(10, c), ten[c - 1]);
        QCOMPARE(m.channels().cell(11, col::Power), QStringLiteral("Low"));
        // Columns the file leaves out or leaves empty keep the channel's values; a name is
        // cut to 8 characters, so channel 2 is given exactly as it is.
        QVERIFY(m.channels().row(2) == before2);
        QCOMPARE(m.channels().cell(2, col::Name), QStringLiteral("ABCDEFGH"));
        QVERIFY(m.channels().isUsed(1) && m.channels().isUsed(65)); // not in the file: kept
    }

    void toneColumnsAsOtherRadiosKeepThem_data()
    {
        QTest::addColumn<QString>("fields"); // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
        QTest::addColumn<QString>("rxTone");
        QTest::addColumn<QString>("txTone");
        QTest::newRow("TSQL in rToneFreq") << "TSQL,100.0,88.5,023,NN,023," << "100.0" << "100.0";
        QTest::newRow("TSQL in cToneFreq") << "TSQL,88.5,100.0,023,NN,023," << "100.0" << "100.0";
        QTest::newRow("TSQL both given") << "TSQL,67.0,100.0,023,NN,023," << "100.0" << "100.0";
        QTest::newRow("DTCS in RxDtcsCode") << "DTCS,88.5,88.5,023,RR,754," << "D754I" << "D754I";
        QTest::newRow("DTCS both given") << "DTCS,88.5,88.5,025,NN,754," << "D025N" << "D025N";
        QTest::newRow("DTCS short code") << "DTCS,88.5,88.5,23,NR,23," << "D023I" << "D023N";
        QTest::newRow("Cross DTCS->") << "Cross,88.5,88.5,754,RN,023,DTCS->" << "Off" << "D754I";
        QTest::newRow("no tone") << ",1,2,3,XX,4,junk" << "Off" << "Off";
    }
    void toneColumnsAsOtherRadiosKeepThem()
    {
        QFETCH(QString, fields);
        QFETCH(QString, rxTone);
        QFETCH(QString, txTone);
        RadioModel m;
        m.setLanguage(Language::English);
        const ChannelCsvImport plan = importInto(
            m, QStringLiteral("Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n"
                              "7,145.5,") + fields + '\n');
        QVERIFY(plan.refused.isEmpty());
        QCOMPARE(m.channels().cell(7, col::RxTone), rxTone);
        QCOMPARE(m.channels().cell(7, col::TxTone), txTone);
    }

    void refusedRowsAreListedAndTheOthersTaken()
    {
        RadioModel m;
        m.setLanguage(Language::English);
        variedModel(m);
        const Image image = m.outputImage();
        const QString text = header() +
            "1,A,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,Off,Off\n"   // line 2: fine
            "2,B,14x.5\n"                                                                 // 3
            "3,C,145.5,,0,Tone,88.4\n"                                                    // 4
            "4,D,300.0\n"                                                                 // 5
            "0,E,145.5\n"                                                                 // 6
            "129,F,145.5\n"                                                               // 7
            "5,G,145.5,+,abc\n"                                                           // 8
            "6,H,145.5,split,500.0\n"                                                     // 9
            "7,I,145.5,,0,DTCS,88.5,88.5,023,XY,023\n"                                    // 10
            "8,J,145.5,,0,,88.5,88.5,023,NN,023,,AM\n"                                    // 11
            "1,K,146.5\n"                                                                 // 12
            ",L,146.5\n"                                                                  // 13
            "9,M,145.5,,0,Cross,88.5,88.5,023,NN,023,Tone->Tone->Tone\n"                  // 14
            "64,N,145.5,,0,,,,,,,,FM,5.00,,9W,,,,,,maybe\n";                              // 15
        const ChannelCsvImport plan = importInto(m, text);
        QCOMPARE(plan.rowsTaken, 1);
        const QStringList lines = refusalLines(plan.refused, Language::English);
        const QStringList expected = {
            "line 3: frequency 14x.5 is no number", "line 4: tone 88.4 is not one this radio has",
            "line 5: frequency 300.000000 is outside the band's limits", "line 6: location 0 is outside 1..128",
            "line 7: location 129 is outside 1..128", "line 8: offset abc is no number",
            "line 9: frequency 500.000000 is outside the band's limits",
            "line 10: polarity XY is none of NN, NR, RN, RR", "line 11: mode AM is neither FM nor NFM",
            "line 12: channel 1 is already given in line 2", "line 13: no Location",
            "line 14: unknown cross mode Tone->Tone->Tone", "line 15: busy lock maybe is neither On nor Off",
        };
        QCOMPARE(lines, expected);
        // A refused row leaves its channel exactly as it was.
        EncodeImage(m);
        QVERIFY(std::equal(image.begin() + map::channelBase(2), image.begin() + map::channelBase(65), m.outputImage().begin() + map::channelBase(2)));
        QCOMPARE(m.channels().cell(1, col::Name), QStringLiteral("A"));
    }

    void hostileFilesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QByteArray million = header().toUtf8();
        for (int i = 0; i < 1000000; ++i)
            million += "1,,145.5\n";
        QTest::newRow("a million rows") << million << "larger than 1024 KB";
        QByteArray rows = header().toUtf8();
        for (int i = 0; i < 5000; ++i)
            rows += "1,,145.5\n";
        QTest::newRow("thousands of rows") << rows << "more than 2000 rows";
        QTest::newRow("a 10 MB line") << (header().toUtf8() + QByteArray(10 << 20, 'x')) << "larger than";
        QTest::newRow("a long line") << (header().toUtf8() + "1," + QByteArray(5000, 'x') + "\n") << "line 2: line longer";
        QTest::newRow("binary junk") << QByteArray("\x00\x01\xFF\xFEjunk\x80", 9) << "not a text file";
        QTest::newRow("unterminated quote") << (header().toUtf8() + "1,\"name,145.5\n2,x,146.5\n") << "line 2: a quoted";
        QTest::newRow("empty") << QByteArray("# nothing\n") << "holds no channels";
        QTest::newRow("no row taken") << QByteArray("Location,Frequency\n1,999\n,146.5\n") << "no row can be taken";
        QTest::newRow("foreign header") << QByteArray("Kanal;Frequenz\n1;146.5\n") << "line 1: the header names no known column";
    }
    void hostileFilesAreRefusedWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        RadioModel m;
        m.setLanguage(Language::English);
        const ChannelCsvImport plan = planChannelCsvImport(bytes, m);
        QVERIFY2(plan.problem.contains(problem), qPrintable(plan.problem));
        QVERIFY(plan.edits.isEmpty());
    }

    void pastedTextWithoutHeaderReadsInColumnOrder()
    {
        RadioModel m;
        variedModel(m);
        const QString rows = joinChannelCsv({channelCsvRecord(3, m.channels().row(3)), channelCsvRecord(5, m.channels().row(5))}, '\t');
        const ChannelCsvParse parse = parseChannelCsv(rows, {m.band(), m.bandSelection(), m.language()});
        QCOMPARE(parse.lines.size(), 2);
        QCOMPARE(parse.lines[1].channel, 5);
        QCOMPARE(parse.lines[1].line, 2);
        for (int c = col::Rx; c < col::Count; ++c)
            QCOMPARE(parse.lines[0].row.cells[c], m.channels().cell(3, c));
    }
};

QTEST_GUILESS_MAIN(TstChannelCsv)
#include "tst_channel_csv.moc"

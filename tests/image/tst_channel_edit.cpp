// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor's rules without a window: what the cell editors let through, what
// committing them does to a channel, how the tables and grid models announce changes,
// and the band change.
#include "image/ChannelEditRules.h"
#include "image/ChannelGridModel.h"
#include "image/RadioModel.h"
#include <QSignalSpy>
#include <QtTest>

using namespace kt913;

namespace {
BandState band(int index)
{
    RadioModel m;
    m.selectBandQuietly(index);
    return m.band();
}

ChannelRow emptyRow(int n)
{
    ChannelTables t;
    return t.row(n);
}

ChannelRow usedRow()
{
    ChannelRow r = emptyRow(5);
    r.freq = {QStringLiteral("145.50000"), QStringLiteral("145.50000")};
    r.cells[col::Rx] = r.cells[col::Tx] = r.freq[0];
    r.cells[col::Name] = r.name = QStringLiteral("CALL");
    r.optionIndex[optionSlot(col::Power)] = 0;
    r.cells[col::Power] = QStringLiteral("低");
    return r;
}
} // namespace

class TstChannelEdit : public QObject {
    Q_OBJECT
private slots:
    void newChannelGetsTheDefaults_data()
    {
        QTest::addColumn<int>("bandIndex");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("cells"); // columns 1..11
        QTest::addColumn<int>("bandwidthIndex");
        QTest::newRow("band 0, Chinese") << 0 << 0
            << QStringList{"145.00000", "145.00000", "关闭", "关闭", "高", "关", "使能", "宽带", "", "关", ""} << 1;
        QTest::newRow("band 0, English") << 0 << 1
            << QStringList{"145.00000", "145.00000", "Off", "Off", "High", "Off", "On", "Wide", "", "Off", ""} << 1;
        QTest::newRow("band 2 is narrow") << 2 << 0
            << QStringList{"145.00000", "145.00000", "关闭", "关闭", "高", "关", "使能", "窄带", "", "关", ""} << 0;
        QTest::newRow("band 3, English") << 3 << 1
            << QStringList{"145.00000", "145.00000", "Off", "Off", "High", "Off", "On", "Narrow", "", "Off", ""} << 0;
    }
    void newChannelGetsTheDefaults()
    {
        QFETCH(int, bandIndex);
        QFETCH(int, language);
        QFETCH(QStringList, cells);
        QFETCH(int, bandwidthIndex);
        const FrequencyCommit c = commitFrequency(emptyRow(7), col::Rx, QStringLiteral("145"), band(bandIndex), bandIndex,
                                                  Language(language));
        QCOMPARE(c.outcome, FrequencyOutcome::Accepted);
        for (int column = col::Rx; column <= col::Name; ++column)
            QCOMPARE(c.row.cells[column], cells[column - 1]);
        QCOMPARE(c.row.cells[col::Label], QStringLiteral("A7"));
        QCOMPARE(c.row.freq[0], QStringLiteral("145.00000"));
        QCOMPARE(c.row.freq[1], QStringLiteral("145.00000"));
        const std::array<qint16, 8> indexes{0, 0, 1, 1, 1, qint16(bandwidthIndex), 1, 1};
        QCOMPARE(c.row.optionIndex, indexes);
        // The option texts of the tables are not the grid's: they stay empty.
        for (const QString &t : c.row.optionText)
            QVERIFY(t.isEmpty());
    }

    void bandLimitsAndSnapping()
    {
        const BandState b0 = band(0);
        const ChannelRow r = emptyRow(1);
        auto outcome = [&](const char *typed, int bandIndex = 0) {
            return commitFrequency(r, col::Rx, QString::fromLatin1(typed), band(bandIndex), bandIndex, Language::Chinese);
        };
        QCOMPARE(outcome("174").outcome, FrequencyOutcome::OutOfBand); // upper limits are excluded
        QCOMPARE(outcome("174").row, r);
        QCOMPARE(outcome("173.99999").row.cells[col::Rx], QStringLiteral("173.99500"));
        QCOMPARE(outcome("136").row.cells[col::Rx], QStringLiteral("136.00000")); // lower limits included
        QCOMPARE(outcome("135.99999").outcome, FrequencyOutcome::OutOfBand);
        QCOMPARE(outcome("435.12345").row.cells[col::Rx], QStringLiteral("435.12000"));
        QCOMPARE(outcome("446.00625").row.cells[col::Rx], QStringLiteral("446.00625"));
        QCOMPARE(outcome("470").outcome, FrequencyOutcome::OutOfBand);
        QCOMPARE(outcome("470", 1).outcome, FrequencyOutcome::Accepted);
        QCOMPARE(outcome("469", 1).outcome, FrequencyOutcome::OutOfBand);
        QCOMPARE(outcome("247.5", 3).row.cells[col::Rx], QStringLiteral("247.50000"));
        Q_UNUSED(b0);
    }

    void emptyAndNonNumericTexts()
    {
        const ChannelRow r = usedRow();
        const BandState b = band(0);
        const FrequencyCommit cleared = commitFrequency(r, col::Rx, QString(), b, 0, Language::Chinese);
        QCOMPARE(cleared.outcome, FrequencyOutcome::Deleted);
        QCOMPARE(cleared.row, r.cleared());
        QCOMPARE(cleared.row.cells[col::Label], QStringLiteral("A5"));
        QVERIFY(cleared.row.name.isEmpty());

        QCOMPARE(commitFrequency(r, col::Tx, QString(), b, 0, Language::Chinese).outcome, FrequencyOutcome::Unchanged);
        QCOMPARE(commitFrequency(r, col::Tx, QString(), b, 0, Language::Chinese).row, r);
        for (const char *junk : {".", "1.2.3", "145..", "abc"}) {
            const FrequencyCommit c = commitFrequency(r, col::Rx, QString::fromLatin1(junk), b, 0, Language::Chinese);
            QCOMPARE(c.outcome, FrequencyOutcome::Unchanged);
            QCOMPARE(c.row, r);
        }
    }

    void filledChannelChangesOnlyTheEditedCell()
    {
        const ChannelRow r = usedRow();
        const FrequencyCommit rx = commitFrequency(r, col::Rx, QStringLiteral("146.52"), band(0), 0, Language::English);
        ChannelRow expected = r;
        expected.cells[col::Rx] = expected.freq[0] = QStringLiteral("146.52000");
        QCOMPARE(rx.row, expected);

        const FrequencyCommit tx = commitFrequency(r, col::Tx, QStringLiteral("144.9"), band(0), 0, Language::English);
        expected = r;
        expected.cells[col::Tx] = expected.freq[1] = QStringLiteral("144.90000");
        QCOMPARE(tx.row, expected);
    }

    void namesAndChoices()
    {
        const ChannelRow r = usedRow();
        QCOMPARE(commitName(r, QStringLiteral("AB") + QChar(0xFF) + QStringLiteral("C")).cells[col::Name], QStringLiteral("ABC"));
        QCOMPARE(commitName(r, QStringLiteral("AB") + QChar(0xFF) + QStringLiteral("C")).name, QStringLiteral("ABC"));
        QVERIFY(commitName(r, QString()).name.isEmpty());

        const ChannelRow tone = commitChoice(r, col::TxTone, 13, QStringLiteral("88.5"));
        QCOMPARE(tone.cells[col::TxTone], QStringLiteral("88.5"));
        QCOMPARE(tone.optionIndex[optionSlot(col::TxTone)], qint16(13));
        QCOMPARE(tone.optionText[optionSlot(col::TxTone)], QStringLiteral("88.5"));
        const ChannelRow power = commitChoice(r, col::Power, 1, QStringLiteral("高"));
        QCOMPARE(power.cells[col::Power], QStringLiteral("高"));
        QCOMPARE(power.optionIndex[optionSlot(col::Power)], qint16(1));
        QCOMPARE(power.optionText, r.optionText); // an option list leaves the texts alone
    }

    void typingFilters()
    {
        auto name = [](const QString &before, const QString &after) {
            return applyTypedEdit(before, after, nameKey, kNameBoxLength);
        };
        QCOMPARE(name("", "abc").text, QStringLiteral("ABC"));
        QCOMPARE(name("AB", "AB ").text, QStringLiteral("AB"));      // no space
        QCOMPARE(name("AB", "AB!\"").text, QStringLiteral("AB"));    // no "!" or quote
        QCOMPARE(name("AB", "AB#z{~").text, QStringLiteral("AB#Z")); // 35..122 only
        QCOMPARE(name("ABCDEF", "ABCDEFG").text, QStringLiteral("ABCDEF")); // a seventh cannot be typed
        QCOMPARE(name("", "a b!c\"d{e-fgh").text, QStringLiteral("ABCDE-")); // a paste passes the same filter
        QCOMPARE(name("AC", "AxyzC").text, QStringLiteral("AXYZC"));  // typed in the middle
        QCOMPARE(name("AC", "AxyzC").cursor, 4);
        QCOMPARE(name("ABCD", "AqD").text, QStringLiteral("AQD"));     // a selection replaced
        // A longer name the program put into the box is never cut; it only cannot grow.
        QCOMPARE(name("LONGNAME", "LONGNAMEX").text, QStringLiteral("LONGNAME"));
        QCOMPARE(name("LONGNAME", "LONGNAM").text, QStringLiteral("LONGNAM"));
        QCOMPARE(name("LONGNAME", "LONGNAxE").text, QStringLiteral("LONGNAME")); // no room even for a replacement
        QCOMPARE(name("ABCD", "A D").text, QStringLiteral("ABCD")); // a refused key keeps the selection

        auto freq = [](const QString &before, const QString &after) {
            return applyTypedEdit(before, after, frequencyKey, kFrequencyBoxLength);
        };
        QCOMPARE(freq("", "14a5.5-").text, QStringLiteral("145.5"));
        QCOMPARE(freq("", "173.999991").text, QStringLiteral("173.99999"));
        QCOMPARE(freq("", QStringLiteral("１４５")).text, QString()); // full-width digits are not digits here
    }

    void tablesAnnounceEveryChangeOnce()
    {
        ChannelTables t;
        QSignalSpy one(&t, &ChannelTables::channelChanged);
        QSignalSpy reset(&t, &ChannelTables::tablesReset);
        ChannelEdit edit{5, t.row(5), usedRow()};
        t.apply(edit);
        QCOMPARE(one.count(), 1);
        QCOMPARE(one.at(0).at(0).toInt(), 5);
        QCOMPARE(t.cell(5, col::Name), QStringLiteral("CALL"));
        t.apply(edit); // nothing new
        QCOMPARE(one.count(), 1);
        t.revert(edit);
        QCOMPARE(t.row(5), edit.before);
        QCOMPARE(one.count(), 2);

        t.apply(edit);
        one.clear();
        {
            const ChannelTables::Batch batch(t);
            t.ClearGrid();
            t.setName(70, QStringLiteral("X"));
        }
        QCOMPARE(one.count(), 0);
        QCOMPARE(reset.count(), 1);
        t.ClearGrid(); // only channel 70's name was left
        QCOMPARE(reset.count(), 2);
        t.ClearGrid(); // already empty: nothing to say
        QCOMPARE(reset.count(), 2);
    }

    void gridModelsShowTheirGroup()
    {
        ChannelTables t;
        ChannelGridModel a(t, 1), b(t, 2);
        QCOMPARE(a.rowCount(), 64);
        QCOMPARE(a.columnCount(), 12);
        QCOMPARE(a.index(63, 0).data().toString(), QStringLiteral("A64"));
        QCOMPARE(b.index(0, 0).data().toString(), QStringLiteral("B1"));
        QCOMPARE(a.headerData(6, Qt::Horizontal).toString(), QStringLiteral("繁忙信道锁定"));
        QVERIFY(!(a.flags(a.index(0, 0)) & Qt::ItemIsSelectable));

        QSignalSpy changedA(&a, &QAbstractItemModel::dataChanged), changedB(&b, &QAbstractItemModel::dataChanged);
        t.setRow(65, usedRow());
        QCOMPARE(changedA.count(), 0);
        QCOMPARE(changedB.count(), 1);
        QCOMPARE(changedB.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(b.index(0, col::Name).data().toString(), QStringLiteral("CALL"));
        QCOMPARE(b.index(0, col::Label).data().toString(), QStringLiteral("B1")); // the label is the row's own

        ChannelRow odd = usedRow();
        odd.cells[col::Name] = odd.name = QStringLiteral("A") + QChar(1) + QChar(0x9B) + QStringLiteral("B");
        t.setRow(2, odd);
        QCOMPARE(a.index(1, col::Name).data().toString(), QStringLiteral("A  B"));
        QCOMPARE(a.index(1, col::Name).data(Qt::EditRole).toString(), odd.name);

        QSignalSpy headers(&a, &QAbstractItemModel::headerDataChanged);
        QVERIFY(a.setHeaderData(1, Qt::Horizontal, QStringLiteral("RX Fre")));
        QCOMPARE(headers.count(), 1);
        QCOMPARE(a.headerData(1, Qt::Horizontal).toString(), QStringLiteral("RX Fre"));
    }

    void bandChangeAsksOnceAndKeepsTheNewBand()
    {
        RadioModel m;
        m.channels().setRow(1, usedRow());
        int asked = 0;
        m.changeBandSelection(1, [&] { ++asked; return false; }); // Cancel
        QCOMPARE(asked, 1);
        QVERIFY(m.channels().isUsed(1));
        QCOMPARE(m.band().BandIndex, qint16(1));
        QCOMPARE(m.band().BandLow2, qint16(470));
        QCOMPARE(m.options().text("Text3", Language::Chinese), QStringLiteral("495.000"));
        m.changeBandSelection(1, [&] { ++asked; return true; }); // the accepted band: no question
        QCOMPARE(asked, 1);

        QSignalSpy reset(&m, &RadioModel::channelsChanged);
        m.changeBandSelection(2, [&] { ++asked; return true; }); // OK clears
        QCOMPARE(asked, 2);
        QVERIFY(!m.channels().isUsed(1));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(m.options().index("Combo27"), 0);

        m.channels().setRow(1, usedRow());
        m.selectBandQuietly(3); // decoding: neither a question nor a clear
        QCOMPARE(asked, 2);
        QCOMPARE(m.bandSelection(), 3);
        QCOMPARE(m.band().BandIndex, qint16(3));
        QVERIFY(m.channels().isUsed(1));
    }
};

QTEST_GUILESS_MAIN(TstChannelEdit)
#include "tst_channel_edit.moc"

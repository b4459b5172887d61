// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-row editing of the channel list worked out as edits: what an insert, delete,
// move or paste does to the rows of a group, that it never reaches into the other group,
// and that its edits undo to exactly the tables before.
#include "image/ChannelArrange.h"
#include "image/ChannelEditMessages.h"
#include "image/ChannelRowOps.h"
#include <QtTest>

using namespace kt913;

namespace {

ChannelRow named(const ChannelTables &t, int n, const QString &name)
{
    ChannelRow r = t.row(n).cleared();
    r.freq = {QStringLiteral("145.50000"), QStringLiteral("145.50000")};
    r.cells[col::Rx] = r.cells[col::Tx] = r.freq[0];
    r.cells[col::Name] = r.name = name;
    r.optionIndex[optionSlot(col::Power)] = 1;
    return r;
}

// Channels 1..5 hold C1..C5, channel 65 holds B1; the rest is empty.
void fill(ChannelTables &t)
{
    for (int n = 1; n <= 5; ++n)
        t.setRow(n, named(t, n, QStringLiteral("C%1").arg(n)));
    t.setRow(65, named(t, 65, QStringLiteral("B1")));
}

// Names of channels 1..6 and 64, 65 ("-" for an empty channel).
QString layout(const ChannelTables &t)
{
    QStringList names;
    for (int n : {1, 2, 3, 4, 5, 6, 64, 65})
        names << (t.isUsed(n) ? t.channelNames()[n - 1] : QStringLiteral("-"));
    return names.join(QLatin1Char(' '));
}

QList<ChannelEdit> run(const ChannelTables &t, const QString &op, int n)
{
    if (op == QLatin1String("insert"))
        return insertRowEdits(t, n);
    if (op == QLatin1String("delete"))
        return deleteRowEdits(t, n);
    if (op == QLatin1String("up"))
        return moveRowEdits(t, n, -1);
    if (op == QLatin1String("down"))
        return moveRowEdits(t, n, 1);
    // "paste": two rows X, Y
    return pasteRowEdits(t, n, {named(t, 1, QStringLiteral("X")), named(t, 1, QStringLiteral("Y"))}).edits;
}

// A group with a gap to sort, compact and search: A1 N1 146, A3 N3 145 with tone 88.5,
// A4 N4 147, A5 N5 145 with tone 88.5, A6 N6 145 with tone D023N; B1 B1 438 and B2 B2 145
// with tone 88.5 (the same as A3 and A5, in the other group).
void fillForArranging(ChannelTables &t)
{
    const struct {
        int n;
        const char *name, *freq, *tone;
    } rows[] = {{1, "N1", "146.00000", ""},        {3, "N3", "145.00000", "88.5"}, {4, "N4", "147.00000", ""},
                {5, "N5", "145.00000", "88.5"},    {6, "N6", "145.00000", "D023N"}, {65, "B1", "438.00000", ""},
                {66, "B2", "145.00000", "88.5"}};
    for (const auto &r : rows) {
        ChannelRow row = named(t, r.n, QString::fromLatin1(r.name));
        row.freq = {QString::fromLatin1(r.freq), QString::fromLatin1(r.freq)};
        row.cells[col::Rx] = row.cells[col::Tx] = row.freq[0];
        if (*r.tone) {
            row.optionIndex[0] = 255; // as decoding sets a tone
            row.optionText[0] = row.cells[col::RxTone] = QString::fromLatin1(r.tone);
        }
        t.setRow(r.n, row);
    }
}

// Names of channels 1..7 and 64..67.
QString arranged(const ChannelTables &t)
{
    QStringList names;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 0, 64, 65, 66, 67})
        names << (n == 0 ? QStringLiteral("|") : t.isUsed(n) ? t.channelNames()[n - 1] : QStringLiteral("-"));
    return names.join(QLatin1Char(' '));
}

} // namespace

class TstChannelRows : public QObject {
    Q_OBJECT
private slots:
    void rowOperations_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("edits");
        QTest::newRow("insert in the middle") << "insert" << 3 << "C1 C2 - C3 C4 C5 - B1" << 4;
        QTest::newRow("insert on an empty row") << "insert" << 10 << "C1 C2 C3 C4 C5 - - B1" << 0;
        QTest::newRow("delete shifts up") << "delete" << 2 << "C1 C3 C4 C5 - - - B1" << 4;
        QTest::newRow("delete the last row") << "delete" << 64 << "C1 C2 C3 C4 C5 - - B1" << 0;
        QTest::newRow("move up") << "up" << 3 << "C1 C3 C2 C4 C5 - - B1" << 2;
        QTest::newRow("move down into an empty row") << "down" << 5 << "C1 C2 C3 C4 - C5 - B1" << 2;
        QTest::newRow("move up at the group's top") << "up" << 1 << "C1 C2 C3 C4 C5 - - B1" << 0;
        QTest::newRow("no move from A64 into B") << "down" << 64 << "C1 C2 C3 C4 C5 - - B1" << 0;
        QTest::newRow("no move from B1 into A") << "up" << 65 << "C1 C2 C3 C4 C5 - - B1" << 0;
        QTest::newRow("delete in B leaves A") << "delete" << 65 << "C1 C2 C3 C4 C5 - - -" << 1;
        QTest::newRow("paste over rows in use") << "paste" << 4 << "C1 C2 C3 X Y - - B1" << 2;
        QTest::newRow("paste up to the group's end") << "paste" << 63 << "C1 C2 C3 C4 C5 - Y B1" << 2;
    }
    void rowOperations()
    {
        QFETCH(QString, op);
        QFETCH(int, channel);
        QFETCH(QString, after);
        QFETCH(int, edits);
        ChannelTables t;
        fill(t);
        std::array<ChannelRow, 128> before;
        for (int n = 1; n <= 128; ++n)
            before[n - 1] = t.row(n);

        const QList<ChannelEdit> list = run(t, op, channel);
        QCOMPARE(list.size(), edits);
        for (const ChannelEdit &e : list)
            t.apply(e);
        QCOMPARE(layout(t), after);
        // Channel numbers stay with the rows.
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(t.cell(n, col::Label), before[n - 1].cells[col::Label]);

        for (auto e = list.crbegin(); e != list.crend(); ++e)
            t.revert(*e);
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(t.row(n), before[n - 1]);
    }

    // Sorting, compacting and moving blocks only ever move rows, within their group unless
    // the move says otherwise, and undo to the tables before.
    void arrangements_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("after");
        QTest::newRow("sort A by receive frequency") << "rx A" << "N3 N5 N6 N1 N4 - - | - B1 B2 -";
        QTest::newRow("sort descending, ties keep their order") << "rx- A" << "N4 N1 N3 N5 N6 - - | - B1 B2 -";
        QTest::newRow("sort selected rows 3..6 by name descending") << "name- 3-6" << "N1 - N6 N5 N4 N3 - | - B1 B2 -";
        QTest::newRow("sort by tone: off, CTCSS, DCS") << "tone A" << "N1 N4 N3 N5 N6 - - | - B1 B2 -";
        QTest::newRow("sort rows 1..3 puts the gap last") << "tx 1-3" << "N3 N1 - N4 N5 N6 - | - B1 B2 -";
        QTest::newRow("sort B leaves A") << "rx B" << "N1 - N3 N4 N5 N6 - | - B2 B1 -";
        QTest::newRow("compact A") << "compact A" << "N1 N3 N4 N5 N6 - - | - B1 B2 -";
        QTest::newRow("compact B: nothing to do") << "compact B" << "N1 - N3 N4 N5 N6 - | - B1 B2 -";
        QTest::newRow("move 4..5 before 1") << "move 4-5 1" << "N4 N5 N1 - N3 N6 - | - B1 B2 -";
        QTest::newRow("move 1 down before 5") << "move 1-1 5" << "- N3 N4 N1 N5 N6 - | - B1 B2 -";
        QTest::newRow("move 3 to the group's end") << "move 3-3 65" << "N1 - N4 N5 N6 - - | N3 B1 B2 -";
        QTest::newRow("move onto itself: nothing") << "move 3-4 5" << "N1 - N3 N4 N5 N6 - | - B1 B2 -";
        QTest::newRow("no move into the other group") << "move 3-3 66" << "N1 - N3 N4 N5 N6 - | - B1 B2 -";
        QTest::newRow("3..4 to group B, after B2") << "other 3-4" << "N1 - N5 N6 - - - | - B1 B2 N3";
        QTest::newRow("B1 to group A, after A6") << "other 65-65" << "N1 - N3 N4 N5 N6 B1 | - B2 - -";
    }
    void arrangements()
    {
        QFETCH(QString, op);
        QFETCH(QString, after);
        ChannelTables t;
        fillForArranging(t);
        std::array<ChannelRow, 128> before;
        for (int n = 1; n <= 128; ++n)
            before[n - 1] = t.row(n);

        const QStringList words = op.split(QLatin1Char(' '));
        const auto span = [](const QString &s) {
            QList<int> channels;
            if (s == QLatin1String("A") || s == QLatin1String("B"))
                for (int n = 1; n <= 64; ++n)
                    channels << n + (s == QLatin1String("B") ? 64 : 0);
            else
                for (int n = s.section(QLatin1Char('-'), 0, 0).toInt(); n <= s.section(QLatin1Char('-'), 1, 1).toInt(); ++n)
                    channels << n;
            return channels;
        };
        const QList<int> rows = span(words[1]);
        QList<ChannelEdit> edits;
        QString key = words[0];
        const bool descending = key.endsWith(QLatin1Char('-'));
        key.remove(QLatin1Char('-'));
        if (key == QLatin1String("compact"))
            edits = compactGroupEdits(t, words[1] == QLatin1String("B") ? 2 : 1);
        else if (key == QLatin1String("move"))
            edits = moveBlockEdits(t, rows.first(), rows.last(), words[2].toInt());
        else if (key == QLatin1String("other"))
            edits = moveToOtherGroupEdits(t, rows.first(), rows.last()).edits;
        else
            edits = sortRowEdits(t, rows,
                                 key == QLatin1String("rx")     ? SortKey::RxFrequency
                                 : key == QLatin1String("tx")   ? SortKey::TxFrequency
                                 : key == QLatin1String("name") ? SortKey::Name
                                                                : SortKey::Tone,
                                 descending);
        for (const ChannelEdit &e : edits)
            t.apply(e);
        QCOMPARE(arranged(t), after);
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(t.cell(n, col::Label), before[n - 1].cells[col::Label]);
        for (auto e = edits.crbegin(); e != edits.crend(); ++e)
            t.revert(*e);
        for (int n = 1; n <= 128; ++n)
            QCOMPARE(t.row(n), before[n - 1]);
    }

    // What Find goes to from a channel, forward and back, and which channels are duplicates.
    void findingChannels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::newRow("frequency prefix") << "145" << 3 << 5 << 66;
        QTest::newRow("prefix with decimals") << "146.0" << 1 << 1 << 1;
        QTest::newRow("on round both groups") << "438" << 66 << 65 << 65;
        QTest::newRow("name in lower case") << "n4" << 0 << 4 << 4;
        QTest::newRow("tone") << "88.5" << 5 << 66 << 3;
        QTest::newRow("DCS code without polarity") << "d023" << 1 << 6 << 6;
        QTest::newRow("nothing") << "999" << 1 << 0 << 0;
        QTest::newRow("empty text") << " " << 1 << 0 << 0;
    }
    void findingChannels()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, next);
        QFETCH(int, previous);
        ChannelTables t;
        fillForArranging(t);
        QCOMPARE(findMatch(t, from, text, false), next);
        QCOMPARE(findMatch(t, from, text, true), previous);
        // Same frequency and tones, in either group; N6 differs by its tone, N1 by nothing.
        QCOMPARE(duplicateChannels(t), (QList<int>{3, 5, 66}));
    }

    void insertAndPasteRefuseToLoseRows()
    {
        ChannelTables t;
        fill(t);
        QVERIFY(!insertPushesOutUsed(t, 3));
        t.setRow(64, named(t, 64, QStringLiteral("LAST")));
        QVERIFY(insertPushesOutUsed(t, 3));
        QVERIFY(!insertPushesOutUsed(t, 70));

        // Past the group's end the whole paste is refused: nothing spills into B.
        const PastePlan beyond = pasteRowEdits(t, 64, {t.row(1), t.row(2)});
        QVERIFY(!beyond.fits);
        QVERIFY(beyond.edits.isEmpty());
        const PastePlan over = pasteRowEdits(t, 2, {t.row(1), t.row(3), t.row(1)});
        QVERIFY(over.fits);
        QCOMPARE(over.overwritten, (QList<int>{2, 4})); // channel 3 gets what it has
        QCOMPARE(channelLabels({2, 64, 65, 128}), QStringLiteral("A2, A64, B1, B64"));
    }
};

QTEST_GUILESS_MAIN(TstChannelRows)
#include "tst_channel_rows.moc"

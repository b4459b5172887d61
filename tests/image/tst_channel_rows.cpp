// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-row editing of the channel list worked out as edits: what an insert, delete,
// move or paste does to the rows of a group, that it never reaches into the other group,
// and that its edits undo to exactly the tables before.
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
        names << (t.isUsed(n) ? t.ChannelName[n - 1] : QStringLiteral("-"));
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

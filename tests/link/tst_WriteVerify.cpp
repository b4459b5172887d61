// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes a verified write compares: exactly those the write sent, which depends on
// the debug mode.
#include "link/WriteVerify.h"
#include <QTest>

using namespace kt913;

class TestWriteVerify : public QObject {
    Q_OBJECT
private slots:
    void differencesCountOnlyWhereTheWriteSent_data();
    void differencesCountOnlyWhereTheWriteSent();
    void messageNamesAddressAndCount();
};

void TestWriteVerify::differencesCountOnlyWhereTheWriteSent_data()
{
    QTest::addColumn<QList<int>>("spoiled");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<int>("differing");
    QTest::addColumn<int>("first");
    QTest::newRow("none") << QList<int>{} << false << 0 << -1;
    QTest::newRow("first and last byte") << QList<int>{0xBFF, 0x000} << false << 2 << 0x000;
    QTest::newRow("never written 0x7C0..0x7DF") << QList<int>{0x7C0, 0x7DF} << true << 0 << -1;
    QTest::newRow("alignment blocks, normal mode") << QList<int>{0x7E0, 0x7FF} << false << 0 << -1;
    QTest::newRow("alignment blocks, debug mode") << QList<int>{0x7FF, 0x7E0, 0x7BF} << true << 3 << 0x7BF;
    QTest::newRow("around the gap") << QList<int>{0x7BF, 0x800} << false << 2 << 0x7BF;
}

void TestWriteVerify::differencesCountOnlyWhereTheWriteSent()
{
    QFETCH(QList<int>, spoiled);
    QFETCH(bool, debug);
    Image sent{};
    for (int a = 0; a < kImageSize; ++a)
        sent[std::size_t(a)] = std::uint8_t(a * 7);
    Image back = sent;
    for (int a : spoiled)
        back[std::size_t(a)] ^= 0x01;
    const VerifyResult r = compareWritten(sent, back, debug);
    QFETCH(int, differing);
    QFETCH(int, first);
    QCOMPARE(r.differing, differing);
    QCOMPARE(r.firstAddress, first);
    QCOMPARE(r.ok(), differing == 0);
}

void TestWriteVerify::messageNamesAddressAndCount()
{
    VerifyResult r;
    r.differing = 3;
    r.firstAddress = 0x7E;
    QCOMPARE(verifyFailedMessage(r, Language::English).text,
             QStringLiteral("Write verification failed: 3 byte(s) differ from what was written, the first at address 0x07E."));
    QVERIFY(verifyFailedMessage(r, Language::Chinese).text.contains(QStringLiteral("0x07E")));
    r.readBack = false;
    QVERIFY(verifyFailedMessage(r, Language::English).text.startsWith(QStringLiteral("The radio could not be read back")));
}

QTEST_GUILESS_MAIN(TestWriteVerify)
#include "tst_WriteVerify.moc"

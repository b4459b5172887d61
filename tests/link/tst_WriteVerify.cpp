// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes a verified write compares, and which differences a previewed write lists:
// exactly those the write sends, which depends on the debug mode.
#include "image/ChannelEditRules.h"
#include "image/ImageCodec.h"
#include "link/RadioComparison.h"
#include "link/WriteVerify.h"
#include "support/SampleRadio.h"
#include <QTest>

using namespace kt913;

class TestWriteVerify : public QObject {
    Q_OBJECT
private slots:
    void differencesCountOnlyWhereTheWriteSent_data();
    void differencesCountOnlyWhereTheWriteSent();
    void messageNamesAddressAndCount();
    void comparisonWithTheRadio_data();
    void comparisonWithTheRadio();
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

void TestWriteVerify::comparisonWithTheRadio_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("summary");
    const QStringList all{"Channel Name", "A Squelch Level", "High Sect"};
    QTest::newRow("editor contents") << int(ComparisonScope::EditorContents) << false << all << "1 channel and 2 settings differ";
    QTest::newRow("write, normal mode") << int(ComparisonScope::WhatTheWriteSends) << false << all.mid(0, 2)
                                        << "1 channel and 1 setting differ";
    QTest::newRow("write, debug mode") << int(ComparisonScope::WhatTheWriteSends) << true << all << "1 channel and 2 settings differ";
}

// The radio holds the sample; the editors hold it with a name, a squelch level and an
// alignment value changed. Exactly those are listed (the alignment value only where it
// is written), and the editors' model keeps every byte.
void TestWriteVerify::comparisonWithTheRadio()
{
    QFETCH(int, scope);
    QFETCH(bool, debug);
    const Image radio = test::sampleImage();
    RadioModel editors;
    editors.setLanguage(Language::English);
    test::fillSampleRadio(editors);
    editors.setDebugUnlocked(debug);
    QVERIFY(compareWithRadio(radio, editors, ComparisonScope(scope)).isEmpty());

    editors.channels().setRow(3, commitName(editors.channels().row(3), QStringLiteral("NEW")));
    editors.options().setIndex(QStringLiteral("Combo5"), 5);
    editors.setDebugValue(0, 200);
    const Image output = editors.outputImage(), memory = editors.memoryImage();
    const QList<ModelDifference> d = compareWithRadio(radio, editors, ComparisonScope(scope));
    QStringList got;
    for (const ModelDifference &x : d)
        got << x.field;
    QFETCH(QStringList, fields);
    QCOMPARE(got.size(), fields.size());
    for (int i = 0; i < fields.size(); ++i)
        QVERIFY2(got[i].startsWith(fields[i]), qPrintable(got.join('|')));
    QCOMPARE(d[0].where, QStringLiteral("A3 (3)"));
    QCOMPARE(d[0].before, QStringLiteral("SIMPLX"));
    QCOMPARE(d[0].after, QStringLiteral("NEW"));
    QFETCH(QString, summary);
    QCOMPARE(differenceSummary(d, Language::English), summary);
    QVERIFY(editors.outputImage() == output);
    QVERIFY(editors.memoryImage() == memory);
    QCOMPARE(editors.channels().cell(3, col::Name), QStringLiteral("NEW"));
}

QTEST_GUILESS_MAIN(TestWriteVerify)
#include "tst_WriteVerify.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The byte encodings of frequencies, offsets, tones and FM frequencies, both ways.
#include "image/Converters.h"
#include "image/ToneList.h"
#include <QtTest>
#include <array>

using namespace kt913;
using Bytes = std::array<std::uint8_t, 4>;

class TstConverters : public QObject {
    Q_OBJECT
private slots:
    void frequencyBothWays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("435.125") << "435.12500" << QByteArray("\x00\x25\x51\x43", 4);
        QTest::newRow("136") << "136.00000" << QByteArray("\x00\x00\x60\x13", 4);
        QTest::newRow("446.00625") << "446.00625" << QByteArray("\x25\x06\x60\x44", 4);
    }
    void frequencyBothWays()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        Bytes b{};
        encodeFrequency(text, b.data());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), 4), bytes);
        QCOMPARE(decodeFrequency(reinterpret_cast<const std::uint8_t *>(bytes.constData())), text);
    }

    void garbageFrequencyBytesSurviveARoundTrip()
    {
        // Non-BCD bytes show as odd text but must be written back unchanged.
        const Bytes in{0xAB, 0x0F, 0xF0, 0x3C};
        Bytes out{};
        encodeFrequency(decodeFrequency(in.data()), out.data());
        QCOMPARE(out, in);
    }

    void offsets()
    {
        const Bytes five{0x00, 0x00, 0x50, 0x00};
        QCOMPARE(decodeOffset(five.data()), QStringLiteral("5.00000"));
        Bytes b{};
        encodeOffset(QStringLiteral("5.00000"), b.data());
        QCOMPARE(b, five);
        encodeOffset(QStringLiteral("99.995"), b.data());
        QCOMPARE(decodeOffset(b.data()), QStringLiteral("99.99500"));
        encodeOffset(QStringLiteral(" 0.6"), b.data());
        QCOMPARE(decodeOffset(b.data()), QStringLiteral("0.60000"));
        // Any BCD offset reads as its value and is written back as it was read.
        for (long long units = 0; units < 100000000; units += 9876543) {
            const QString digits = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
            for (int k = 0; k < 4; ++k)
                b[3 - k] = std::uint8_t(digits.mid(2 * k, 2).toInt(nullptr, 16));
            const QString text = decodeOffset(b.data());
            QCOMPARE(text, formatFixed(double(units) / 100000, 1, 5));
            Bytes back{};
            encodeOffset(text, back.data());
            QCOMPARE(back, b);
        }
    }

    void tonesBothWays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("b0");
        QTest::addColumn<int>("b1");
        QTest::newRow("67.0") << "67.0" << 0x70 << 0x06;
        QTest::newRow("100.0") << "100.0" << 0x00 << 0x10;
        QTest::newRow("254.1") << "254.1" << 0x41 << 0x25;
        QTest::newRow("D023N") << "D023N" << 0x23 << 0x80;
        QTest::newRow("D754I") << "D754I" << 0x54 << 0xC7;
    }
    void tonesBothWays()
    {
        QFETCH(QString, text);
        QFETCH(int, b0);
        QFETCH(int, b1);
        std::uint8_t b[2];
        encodeTone(text, b);
        QCOMPARE(int(b[0]), b0);
        QCOMPARE(int(b[1]), b1);
        QCOMPARE(decodeTone(std::uint8_t(b0), std::uint8_t(b1)), text);
    }

    void everyListedToneRoundTrips()
    {
        const QStringList &tones = toneList(Language::English);
        QCOMPARE(tones.size(), kToneCount);
        QCOMPARE(tones[0], QStringLiteral("Off"));
        QCOMPARE(toneList(Language::Chinese)[0], QStringLiteral("关闭"));
        QCOMPARE(tones[1], QStringLiteral("67.0"));
        QCOMPARE(tones[50], QStringLiteral("254.1"));
        QCOMPARE(tones[51], QStringLiteral("D017N"));
        QCOMPARE(tones[157], QStringLiteral("D754N"));
        QCOMPARE(tones[158], QStringLiteral("D017I"));
        QCOMPARE(tones[264], QStringLiteral("D754I"));
        for (int i = 1; i < kToneCount; ++i) {
            std::uint8_t b[2];
            encodeTone(tones[i], b);
            QCOMPARE(decodeTone(b[0], b[1]), tones[i]);
            QCOMPARE(FindToneIndex(decodeTone(b[0], b[1]), Language::English), i);
        }
        // An unknown code, 0xFFFF included, shows as off.
        QCOMPARE(FindToneIndex(decodeTone(0xFF, 0xFF), Language::Chinese), 0);
        QCOMPARE(FindToneIndex(QStringLiteral("D999N"), Language::Chinese), 0);
    }

    void snapFrequency()
    {
        QCOMPARE(SnapFrequency(QStringLiteral("435.12345")), 435.12);
        QCOMPARE(SnapFrequency(QStringLiteral("435.00000")), 435.0);
        QCOMPARE(SnapFrequency(QStringLiteral("145.00625")), 145.00625);
        QCOMPARE(SnapFrequency(QStringLiteral("145.01100")), 145.01); // r5 = 100 < r6 = 475
        QCOMPARE(snapFrequencyText(QStringLiteral("173.99999")), QStringLiteral("173.99500"));
        QCOMPARE(snapFrequencyText(QStringLiteral("145")), QStringLiteral("145.00000"));
        QCOMPARE(snapFrequencyText(QStringLiteral("145.12345")), QStringLiteral("145.12000"));
    }

    void hexNumbers()
    {
        QCOMPARE(HexToNumber(QStringLiteral("1F")), std::uint64_t(31));
        QCOMPARE(HexToNumber(QStringLiteral("a5")), std::uint64_t(165));
        QCOMPARE(HexToNumber(QStringLiteral("zz")), std::uint64_t(0));
        QCOMPARE(HexToNumber(QString()), std::uint64_t(0));
    }

    void fmFrequencyTexts()
    {
        QCOMPARE(FormatFmFrequency(QStringLiteral("87.5")), QStringLiteral("87.50"));
        QCOMPARE(FormatFmFrequency(QStringLiteral("100")), QStringLiteral("100.00"));
        QCOMPARE(FormatFmFrequency(QStringLiteral("100.")), QStringLiteral("100.00"));
        QCOMPARE(FormatFmFrequency(QStringLiteral("12.37")), QStringLiteral("12.35"));
        QCOMPARE(FormatFmFrequency(QStringLiteral("12.34")), QStringLiteral("12.30"));
        QCOMPARE(FormatFmFrequency(QStringLiteral("12.379")), QStringLiteral("12.35"));
    }

    void fmBytes()
    {
        QCOMPARE(decodeFm(0x00, 0x05), QStringLiteral("87.50"));
        QCOMPARE(decodeFm(0x00, 0xD2), QStringLiteral("108.00"));
        QCOMPARE(decodeFm(0x00, 0xD3), QString()); // 108.1 MHz
        QCOMPARE(decodeFm(0xFF, 0xFF), QString());
        QCOMPARE(decodeFm(0x01, 0x05), QString()); // 113.1 MHz
        QCOMPARE(decodeFm(0x00, 0x82), QStringLiteral("100.00"));

        std::uint8_t b[2];
        QVERIFY(encodeFm(QStringLiteral("87.50"), b));
        QCOMPARE(int(b[0] << 8 | b[1]), 5);
        QVERIFY(encodeFm(QStringLiteral("107.90"), b));
        QCOMPARE(int(b[0] << 8 | b[1]), 209);
        // Halves go to the even neighbour, computed in decimal: 111.5 -> 112, 112.5 -> 112.
        QVERIFY(encodeFm(QStringLiteral("98.15"), b));
        QCOMPARE(int(b[0] << 8 | b[1]), 112);
        QVERIFY(encodeFm(QStringLiteral("98.25"), b));
        QCOMPARE(int(b[0] << 8 | b[1]), 112);
        // Nothing that cannot be stored reaches the bytes.
        for (const char *bad : {"", "abc", "50", "7000"}) {
            QVERIFY(!encodeFm(QString::fromLatin1(bad), b));
            QCOMPARE(int(b[0]), 0xFF);
            QCOMPARE(int(b[1]), 0xFF);
        }
    }

    void numberTexts()
    {
        QCOMPARE(leadingNumber(QStringLiteral("12.5abc")), 12.5);
        QCOMPARE(leadingNumber(QStringLiteral("abc")), 0.0);
        QVERIFY(isNumeric(QStringLiteral("145.5")));
        QVERIFY(!isNumeric(QStringLiteral("1.2.3")));
        QVERIFY(!isNumeric(QString()));
        QCOMPARE(formatFixed(5, 1, 5), QStringLiteral("5.00000"));
        QCOMPARE(formatFixed(5, 3, 5), QStringLiteral("005.00000"));
        QCOMPARE(StripFF(QStringLiteral("AB") + QChar(0xFF) + QChar(0xFF)), QStringLiteral("AB"));
    }
};

QTEST_GUILESS_MAIN(TstConverters)
#include "tst_converters.moc"

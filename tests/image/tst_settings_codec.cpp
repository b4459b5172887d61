// SPDX-License-Identifier: GPL-3.0-or-later
// Optional features, band variant, power-on texts and VFO records.
#include "image/ImageCodec.h"
#include "image/ToneList.h"
#include <QtTest>

using namespace kt913;

namespace {
QString text(const RadioModel &m, const char *control) { return m.options().text(control, m.language()); }
int index(const RadioModel &m, const char *control) { return m.options().index(control); }
} // namespace

class TstSettingsCodec : public QObject {
    Q_OBJECT
private slots:
    void allFFDecodesToDefaults()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        DecodeImage(m);
        const std::pair<const char *, int> defaults[] = {
            {"Combo1", 1},  {"Combo36", 5}, {"Combo3", 1},  {"Combo17", 0}, {"Combo5", 5},
            {"Combo32", 1}, {"Combo34", 1}, {"Combo35", 0}, {"Combo37", 4}, {"Combo19", 2}, {"Combo39", 1},
            {"Combo18", 3}, {"Combo14", 7}, {"Combo15", 3}, {"Combo7", 1},  {"Combo11", 1},
        };
        for (auto [control, expected] : defaults)
            QVERIFY2(index(m, control) == expected, control);
        QCOMPARE(text(m, "Text6"), QString());
        QCOMPARE(text(m, "Text2"), QString());
        QCOMPARE(index(m, "Combo21"), 1); // 3 is rejected by the three-entry list: unchanged
        QVERIFY(m.options().isChecked("Check13"));
        QCOMPARE(index(m, "Combo22"), 0); // 0xFFFF tone is off
        QCOMPARE(text(m, "Text31"), QString());
        QCOMPARE(int(m.memoryImage()[map::kReserved717]), 0xFF);
        for (int n = 1; n <= map::kChannelCount; ++n)
            QVERIFY(!m.channels().isUsed(n));
    }

    void decodeRewritesOnlyByte717OfTheMemoryImage()
    {
        RadioModel m;
        for (int a = 0; a < kImageSize; ++a)
            m.memoryImageToFill()[a] = std::uint8_t(a * 7);
        const Image before = m.memoryImage();
        DecodeImage(m);
        for (int a = 0; a < kImageSize; ++a)
            if (a != map::kReserved717)
                QVERIFY(m.memoryImage()[a] == before[a]);
        QCOMPARE(int(m.memoryImage()[map::kReserved717]), 0xFF);
    }

    void fixedBitsAndTag()
    {
        RadioModel m;
        for (const char *c : {"Combo31", "Combo15", "Combo14", "Combo11", "Combo40"})
            QVERIFY(m.options().setIndex(c, 0));
        m.options().setChecked("Check13", false);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kBits708]), 0x06);
        QCOMPARE(int(m.outputImage()[map::kBits70E]), 0xFC);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m.outputImage()[map::kTag]), 6), QByteArray("QXV-DW"));
        QVERIFY(m.options().setIndex("Combo14", 7));
        QVERIFY(m.options().setIndex("Combo15", 3));
        QVERIFY(m.options().setIndex("Combo31", 1));
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kBits708]), 0xFF);
    }

    void bitFieldsRoundTrip()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        m.memoryImageToFill()[map::kBits706] = 0xA5;
        m.memoryImageToFill()[map::kBits707] = 0x96; // key-lock mode 2, backlight 2
        m.memoryImageToFill()[map::kBits708] = 0x6D;
        m.memoryImageToFill()[map::kBits70E] = 0xFD;
        DecodeImage(m);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kBits706]), 0xA5);
        QCOMPARE(int(m.outputImage()[map::kBits707]), 0x96);
        QCOMPARE(int(m.outputImage()[map::kBits708]), 0x6F); // bits 1 and 2 are always written
        QCOMPARE(int(m.outputImage()[map::kBits70E]), 0xFD);
    }

    void powerOnTextAndPassword()
    {
        RadioModel m;
        m.options().setText("Text31", QStringLiteral("ABC"), m.language());
        m.options().setText("Text1", QStringLiteral("12"), m.language());
        EncodeImage(m);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m.outputImage()[map::kPowerOnText]), 6),
                 QByteArray("ABC\xFF\xFF\xFF"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m.outputImage()[map::kPassword]), 4), QByteArray("12\xFF\xFF"));
        m.setMemoryImage(m.outputImage());
        m.options().setText("Text31", QString(), m.language());
        DecodeImage(m);
        QCOMPARE(text(m, "Text31"), QStringLiteral("ABC"));
        QCOMPARE(text(m, "Text1"), QStringLiteral("12"));
    }

    void channelNumberBoxes()
    {
        RadioModel m;
        m.options().setText("Text6", QString(), m.language());
        m.options().setText("Text2", QString(), m.language());
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kGroupAChannel]), 0xFF);
        QCOMPARE(int(m.outputImage()[map::kGroupBChannel]), 0);
        m.setMemoryImage(m.outputImage());
        m.options().setText("Text6", QStringLiteral("5"), m.language());
        DecodeImage(m);
        QCOMPARE(text(m, "Text6"), QString()); // 0xFF is not below 129
        QCOMPARE(text(m, "Text2"), QStringLiteral("0"));
        // A number a byte cannot hold is not wrapped into another channel.
        m.options().setText("Text6", QStringLiteral("300"), m.language());
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kGroupAChannel]), 0xFF);
    }

    void vfoRecords()
    {
        RadioModel m;
        m.options().setText("Text20", QStringLiteral("145.12500"), m.language());
        m.options().setText("Text21", QStringLiteral("0.60000"), m.language());
        m.options().setIndex("Combo22", 1);  // 67.0
        m.options().setIndex("Combo23", 51); // D017N
        m.options().setIndex("Combo30", 1);
        EncodeImage(m);
        const std::uint8_t *a = &m.outputImage()[map::kVfoA];
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(a), 16),
                 QByteArray("\x00\x25\x51\x14\x00\x00\x06\x00\x70\x06\x17\x80\xFD\xFF\x01\xFF", 16));
        // Bits 6 and 7 come from the two hidden lists, which "New" sets; group B has none.
        QCOMPARE(int(a[map::vfo::Flags]) & 0xC0, 0xC0);
        QCOMPARE(int(m.outputImage()[map::kVfoB + map::vfo::Flags]) & 0xC0, 0);

        m.setMemoryImage(m.outputImage());
        m.options().startForm();
        DecodeImage(m);
        QCOMPARE(text(m, "Text20"), QStringLiteral("145.12500"));
        QCOMPARE(text(m, "Text21"), QStringLiteral("0.60000"));
        QCOMPARE(index(m, "Combo22"), 1);
        QCOMPARE(index(m, "Combo23"), 51);
        QCOMPARE(index(m, "Combo30"), 1);
        QCOMPARE(text(m, "Text4"), QStringLiteral("0.00000"));
    }

    void vfoBFlagBitsSixAndSevenAreNeverWritten()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        DecodeImage(m);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kVfoB + map::vfo::Flags]), 0x3D);
    }

    void unselectedEditableListIsWrittenAsItsNewValue()
    {
        RadioModel m;
        for (const char *c : {"Combo16", "Combo2", "Combo20"})
            QVERIFY(m.options().setIndex(c, 0));
        QVERIFY(m.options().setIndex("Combo21", 0));
        QVERIFY(m.options().setIndex("Combo18", 0));
        m.options().setText("Combo16", QStringLiteral("sometimes"), m.language()); // typed, no item
        QCOMPARE(index(m, "Combo16"), -1);
        EncodeImage(m);
        // Roger tone (bit 2) takes its "New" index 1; the neighbours stay 0.
        QCOMPARE(int(m.outputImage()[map::kBits707]), 0x04 | 0x10);
        m.options().setText("Combo34", QStringLiteral("x"), m.language());
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kMemoryDisplay]), 1);
    }

    void bandVariantSelectsBandWithoutClearingChannels()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        std::copy_n("\x00\x00\x50\x14", 4, &m.memoryImageToFill()[0]);
        m.memoryImageToFill()[map::kBandVariant] = 2;
        QSignalSpy spy(&m, &RadioModel::bandSelectionChanged);
        DecodeImage(m);
        QCOMPARE(m.bandSelection(), 2);
        QCOMPARE(m.band().BandIndex, qint16(2));
        QCOMPARE(m.band().BandLow1, qint16(144));
        QCOMPARE(m.band().BandHigh2, qint16(440));
        QVERIFY(m.channels().isUsed(1));
        QVERIFY(spy.count() >= 1);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kBandVariant]), 2);

        m.memoryImageToFill()[map::kBandVariant] = 9; // unknown: the band list is left as it is
        DecodeImage(m);
        QCOMPARE(m.bandSelection(), 2);
        QCOMPARE(m.band().BandIndex, qint16(0));
    }

    void bandDefaultsOfTheVfos()
    {
        RadioModel m;
        m.selectBandQuietly(3);
        QCOMPARE(text(m, "Text20"), QStringLiteral("155.000"));
        QCOMPARE(text(m, "Text3"), QStringLiteral("247.000"));
        QCOMPARE(index(m, "Combo27"), 0);
        QCOMPARE(index(m, "Combo50"), 0);
        QVERIFY(m.band().accepts(245.0));
        QVERIFY(!m.band().accepts(250.0));
        QVERIFY(!m.band().accepts(174.0));
        QVERIFY(m.band().accepts(136.0));
    }
};

QTEST_GUILESS_MAIN(TstSettingsCodec)
#include "tst_settings_codec.moc"

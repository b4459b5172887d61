// SPDX-License-Identifier: GPL-3.0-or-later
// Channel records and names between the image and the channel tables.
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include "image/ChannelEditRules.h"
#include <QtTest>

using namespace kt913;

namespace {
void putRecord(Image &img, int n, std::initializer_list<int> bytes)
{
    int a = map::channelBase(n);
    for (int b : bytes)
        img[a++] = std::uint8_t(b);
}
QByteArray record(const Image &img, int n)
{
    return QByteArray(reinterpret_cast<const char *>(&img[map::channelBase(n)]), map::kChannelRecordSize);
}
QByteArray name(const Image &img, int n)
{
    return QByteArray(reinterpret_cast<const char *>(&img[map::nameBase(n)]), map::kNameLength);
}
} // namespace

class TstChannelCodec : public QObject {
    Q_OBJECT
private slots:
    void recordDecodesToTablesAndGrid()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        putRecord(m.memoryImageToFill(), 7, {0x00, 0x25, 0x51, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x99});
        DecodeImage(m);
        const int i = 6;
        QCOMPARE(m.channels().freqTexts()[0][i], QStringLiteral("435.12500"));
        QCOMPARE(m.channels().freqTexts()[1][i], QString());
        QCOMPARE(m.channels().cell(7, col::RxTone), QStringLiteral("关闭"));
        QCOMPARE(m.channels().cell(7, col::Power), QStringLiteral("高"));
        QCOMPARE(m.channels().cell(7, col::BusyLock), QStringLiteral("载波"));
        QCOMPARE(m.channels().cell(7, col::ScanAdd), QStringLiteral("使能"));
        QCOMPARE(m.channels().cell(7, col::Bandwidth), QStringLiteral("宽带"));
        QCOMPARE(m.channels().optionIndexes()[6][i], qint16(0));
        QCOMPARE(m.channels().cell(7, col::Hidden), QString());
        QCOMPARE(m.channels().cell(7, col::Scramble), QStringLiteral("开"));
        EncodeImage(m);
        QCOMPARE(record(m.outputImage(), 7), record(m.memoryImage(), 7));
    }

    void flagBitOneIsDroppedAndBitSevenAlwaysSet()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        putRecord(m.memoryImageToFill(), 1, {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x02});
        DecodeImage(m);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::channelBase(1) + map::rec::Flags]), 0x80);
    }

    void emptyChannelIgnoresItsOtherBytesAndItsName()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        putRecord(m.memoryImageToFill(), 3, {0xFF, 0x25, 0x51, 0x43, 0x00, 0x25, 0x51, 0x43, 0x70, 0x06, 0x70, 0x06, 0xFF});
        std::copy_n("GHOST", 5, &m.memoryImageToFill()[map::nameBase(3)]);
        DecodeImage(m);
        QVERIFY(!m.channels().isUsed(3));
        QCOMPARE(m.channels().channelNames()[2], QString());
        QCOMPARE(m.channels().cell(3, col::Name), QString());
        EncodeImage(m);
        QCOMPARE(record(m.outputImage(), 3), QByteArray(13, char(0xFF)));
        QCOMPARE(name(m.outputImage(), 3), QByteArray(8, '\0'));
    }

    void bytesThatAreNoValueDecodeAsTheirDefaults()
    {
        // Hex letters where digits belong come only from damaged memory: they show as an
        // empty channel, no transmit frequency and tones off, and Save writes those.
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        putRecord(m.memoryImageToFill(), 1, {0x00, 0x25, 0x5A, 0x43, 0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x80});
        putRecord(m.memoryImageToFill(), 2, {0x00, 0x00, 0x50, 0x14, 0x00, 0xB0, 0x50, 0x14, 0x1A, 0x08, 0x23, 0xA0, 0x80});
        putRecord(m.memoryImageToFill(), 3, {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14, 0x85, 0x08, 0x23, 0xC0, 0x80});
        DecodeImage(m);
        QVERIFY(!m.channels().isUsed(1));
        QCOMPARE(m.channels().cell(2, col::Rx), QStringLiteral("145.00000"));
        QCOMPARE(m.channels().cell(2, col::Tx), QString());
        QCOMPARE(m.channels().cell(2, col::RxTone), QStringLiteral("关闭"));
        QCOMPARE(m.channels().cell(2, col::TxTone), QStringLiteral("关闭"));
        QCOMPARE(m.channels().cell(3, col::RxTone), QStringLiteral("88.5"));
        QCOMPARE(m.channels().cell(3, col::TxTone), QStringLiteral("D023I"));
        EncodeImage(m);
        QCOMPARE(record(m.outputImage(), 1), QByteArray(13, char(0xFF)));
        QCOMPARE(record(m.outputImage(), 2).mid(4), QByteArray::fromHex("ffffffffffffffff80"));
        QCOMPARE(record(m.outputImage(), 3), record(m.memoryImage(), 3));
    }

    void names()
    {
        QCOMPARE(ChannelCode(QStringLiteral("AB")), QStringLiteral("4142FFFFFFFFFFFF"));
        QCOMPARE(ChannelCode(QString()), QStringLiteral("0000000000000000"));
        QCOMPARE(ChannelCode(QStringLiteral("ABCDEFGHIJ")), QStringLiteral("4142434445464748"));
        // Control characters take two digits like any other: the rest must not shift.
        QCOMPARE(ChannelCode(QStringLiteral("\x01" "AB")), QStringLiteral("014142FFFFFFFFFF"));

        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        putRecord(m.memoryImageToFill(), 1, {0x00, 0x00, 0x50, 0x14});
        putRecord(m.memoryImageToFill(), 2, {0x00, 0x00, 0x50, 0x14});
        std::copy_n("CQ\xFF\xFF\xFF\xFF\xFF\xFF", 8, &m.memoryImageToFill()[map::nameBase(1)]);
        std::fill_n(&m.memoryImageToFill()[map::nameBase(2)], 8, 0x00); // a blank name as the program writes it
        putRecord(m.memoryImageToFill(), 3, {0x00, 0x00, 0x50, 0x14});
        std::copy_n("AB\0\0\0\0\0\0", 8, &m.memoryImageToFill()[map::nameBase(3)]);
        DecodeImage(m);
        QCOMPARE(m.channels().channelNames()[0], QStringLiteral("CQ"));
        // A name ends at its first zero byte, wherever it is shown; the bytes stay.
        QCOMPARE(m.channels().cell(2, col::Name), QString());
        QCOMPARE(m.channels().cell(3, col::Name), QStringLiteral("AB"));
        EncodeImage(m);
        QCOMPARE(name(m.outputImage(), 1), QByteArray("CQ\xFF\xFF\xFF\xFF\xFF\xFF", 8));
        QCOMPARE(name(m.outputImage(), 2), QByteArray(8, '\0'));
        QCOMPARE(name(m.outputImage(), 3), name(m.memoryImage(), 3));

        // Committed unchanged, a name keeps its bytes; edited, it is written as any name.
        m.channels().setRow(2, commitName(m.channels().row(2), QString()));
        m.channels().setRow(3, commitName(m.channels().row(3), QStringLiteral("ABC")));
        EncodeImage(m);
        QCOMPARE(name(m.outputImage(), 2), QByteArray(8, '\0'));
        QCOMPARE(name(m.outputImage(), 3), QByteArray("ABC\xFF\xFF\xFF\xFF\xFF", 8));
    }

    void groupsSplitAtChannel64()
    {
        RadioModel m;
        QCOMPARE(m.channels().cell(64, col::Label), QStringLiteral("A64"));
        QCOMPARE(m.channels().cell(65, col::Label), QStringLiteral("B1"));
        QCOMPARE(channelNumber(2, 1), 65);
        QCOMPARE(channelNumber(1, 64), 64);
    }

    void toneTextsFollowTheLanguage()
    {
        RadioModel m;
        test::fillSampleRadio(m);
        m.channels().RefreshChannelTexts(Language::English);
        QCOMPARE(m.channels().cell(1, col::RxTone), QStringLiteral("Off"));
        QCOMPARE(m.channels().cell(2, col::TxTone), QStringLiteral("88.5"));
        QCOMPARE(m.channels().cell(1, col::Bandwidth), QStringLiteral("wide"));
        m.channels().RefreshChannelTexts(Language::Chinese);
        QCOMPARE(m.channels().cell(1, col::RxTone), QStringLiteral("关闭"));
        QCOMPARE(m.channels().cell(1, col::Bandwidth), QStringLiteral("宽带"));
        QCOMPARE(m.channels().cell(5, col::Rx), QString());
    }
};

QTEST_GUILESS_MAIN(TstChannelCodec)
#include "tst_channel_codec.moc"

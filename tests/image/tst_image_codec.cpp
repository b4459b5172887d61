// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-image decoding and encoding: what the encoder owns, round trips, bad input.
#include "image/BandTable.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QRandomGenerator>
#include <QtTest>

using namespace kt913;

namespace {

bool encoderOwns(int a)
{
    return a < map::kFmUnusedBegin || a > map::kFmUnusedEnd;
}

Image randomImage(QRandomGenerator &rng)
{
    Image img;
    for (auto &b : img) {
        // Bias towards the values the codecs treat specially.
        const quint32 r = rng.bounded(8);
        b = r == 0 ? 0xFF : r == 1 ? 0x00 : std::uint8_t(rng.bounded(256));
    }
    return img;
}

// Open then Save: the image as the program writes it back after decoding it.
Image openAndSave(const Image &image, Language lang = Language::Chinese)
{
    RadioModel m;
    m.setLanguage(lang);
    m.setMemoryImage(image);
    DecodeImage(m);
    EncodeImage(m);
    return m.outputImage();
}

} // namespace

class TstImageCodec : public QObject {
    Q_OBJECT
private slots:
    void encodingAFreshProgram()
    {
        RadioModel m;
        EncodeImage(m);
        const std::pair<int, int> reserved[] = {{0x680, 0x6FF}, {0x717, 0x717}, {0x71E, 0x71F}, {0x744, 0x75F},
                                                {0x7A3, 0x7A3}, {0x7A7, 0x7DF}, {0x7E9, 0x7EF}, {0x7F9, 0x7FF}};
        for (auto [from, to] : reserved)
            for (int a = from; a <= to; ++a)
                QVERIFY2(m.outputImage()[a] == 0xFF, qPrintable(QString::number(a, 16)));
        for (int a = map::kFmUnusedBegin; a <= map::kFmUnusedEnd; ++a)
            QCOMPARE(int(m.outputImage()[a]), 0);
        for (int n = 1; n <= map::kChannelCount; ++n)
            QCOMPARE(int(m.outputImage()[map::channelBase(n)]), 0xFF);
    }

    void encoderNeverReadsTheMemoryImage()
    {
        RadioModel a, b;
        test::fillSampleRadio(a);
        test::fillSampleRadio(b);
        b.memoryImageToFill().fill(0x5A);
        EncodeImage(a);
        EncodeImage(b);
        QCOMPARE(a.outputImage(), b.outputImage());
    }

    void programWrittenImageSurvivesOpenAndSave()
    {
        const Image written = test::sampleImage();
        for (Language lang : {Language::Chinese, Language::English}) {
            const Image again = openAndSave(written, lang);
            for (int a = 0; a < kImageSize; ++a)
                if (encoderOwns(a))
                    QVERIFY2(again[a] == written[a], qPrintable(QString::number(a, 16)));
        }
    }

    void sampleDecodesAsBuilt()
    {
        RadioModel m;
        m.setLanguage(Language::English);
        m.setMemoryImage(test::sampleImage());
        DecodeImage(m);
        QCOMPARE(m.channels().freqTexts()[0][1], QStringLiteral("145.67500"));
        QCOMPARE(m.channels().optionTexts()[1][1], QStringLiteral("88.5"));
        QCOMPARE(m.channels().cell(2, col::RxTone), QStringLiteral("Off"));
        QCOMPARE(m.channels().channelNames()[64], QStringLiteral("RPT70"));
        QCOMPARE(m.channels().cell(66, col::TxTone), QStringLiteral("D754I"));
        QCOMPARE(m.channels().freqTexts()[1][9], QString());
        QCOMPARE(m.options().text("Text31", m.language()), QStringLiteral("KT913"));
        QCOMPARE(m.options().text("Combo23", m.language()), QStringLiteral("88.5"));
        QCOMPARE(m.fm().FmChannelFreq[1], QStringLiteral("99.50"));
        QCOMPARE(m.debugValues()[0], 215);
    }

    // Any bytes at all decode without harm; one Open/Save normalises them, and from
    // then on Open/Save is stable.
    void arbitraryImagesDecodeAndSettle()
    {
        QRandomGenerator rng(913);
        for (int round = 0; round < 300; ++round) {
            const Image first = openAndSave(randomImage(rng));
            const Image second = openAndSave(first);
            for (int a = 0; a < kImageSize; ++a)
                if (encoderOwns(a) && second[a] != first[a])
                    QFAIL(qPrintable(QStringLiteral("round %1: byte %2 %3 -> %4").arg(round).arg(a, 3, 16)
                                         .arg(first[a], 2, 16).arg(second[a], 2, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TstImageCodec)
#include "tst_image_codec.moc"

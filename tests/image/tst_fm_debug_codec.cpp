// SPDX-License-Identifier: GPL-3.0-or-later
// FM broadcast channels and alignment values between the image and the model.
#include "image/ImageCodec.h"
#include <QtTest>

using namespace kt913;

class TstFmDebugCodec : public QObject {
    Q_OBJECT
private slots:
    void fmChannelsDecode()
    {
        RadioModel m;
        m.memoryImageToFill().fill(0xFF);
        const std::pair<int, int> bytes[] = {{0x00, 0x05}, {0x00, 0xD2}, {0x00, 0xD3}, {0xFF, 0xFF}, {0x01, 0x05}};
        for (int k = 0; k < 5; ++k) {
            m.memoryImageToFill()[map::fmChannelBase(k + 1)] = std::uint8_t(bytes[k].first);
            m.memoryImageToFill()[map::fmChannelBase(k + 1) + 1] = std::uint8_t(bytes[k].second);
        }
        m.memoryImageToFill()[map::kFmPresentChannel] = 16;
        m.memoryImageToFill()[map::kFmDisplayMode] = 1;
        m.memoryImageToFill()[map::kFmStep] = 7; // no such step: the list keeps its selection
        m.memoryImageToFill()[map::kFmVfo] = 0x00;
        m.memoryImageToFill()[map::kFmVfo + 1] = 0x82;
        DecodeImage(m);
        QCOMPARE(m.fmGrid()[0], QStringLiteral("87.50"));
        QCOMPARE(m.fm().FmChannelFreq[1], QStringLiteral("108.00"));
        QCOMPARE(m.fmGrid()[2], QString());
        QCOMPARE(m.fmGrid()[3], QString());
        QCOMPARE(m.fmGrid()[4], QString());
        QCOMPARE(m.fm().FmPresentChannel, qint16(16));
        QCOMPARE(m.fmForm().text("Combo1(0)", m.language()), QStringLiteral("16"));
        QCOMPARE(m.fmForm().index("Combo1(1)"), 1);
        QCOMPARE(m.fm().FmStep, qint16(7));
        QCOMPARE(m.fmForm().index("Combo1(2)"), 0);
        QCOMPARE(m.fm().FmVfoFreq, QStringLiteral("100.00"));
        QCOMPARE(m.fmForm().text("Text2", m.language()), QStringLiteral("100.00"));

        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kFmPresentChannel]), 0x10);
        QCOMPARE(int(m.outputImage()[map::kFmStep]), 7);
        QCOMPARE(int(m.outputImage()[map::fmChannelBase(1) + 1]), 0x05);
        QCOMPARE(int(m.outputImage()[map::fmChannelBase(3)]), 0xFF);
    }

    void emptyGridCellWinsOverTheTextTable()
    {
        RadioModel m;
        FmState fm = m.fm();
        fm.FmChannelFreq[0] = fm.FmChannelFreq[1] = QStringLiteral("99.00");
        m.setFm(fm);
        m.setFmGridCell(1, QString());
        m.setFmGridCell(2, QStringLiteral("99.00"));
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::fmChannelBase(1)]), 0xFF);
        QCOMPARE(int(m.outputImage()[map::fmChannelBase(1) + 1]), 0xFF);
        QCOMPARE(int(m.outputImage()[map::fmChannelBase(2) + 1]), 120);
    }

    void fmVfoZeroOrEmptyIsNone()
    {
        RadioModel m;
        for (const char *vfo : {"", "0", "0.00"}) {
            FmState fm = m.fm();
            fm.FmVfoFreq = QString::fromLatin1(vfo);
            m.setFm(fm);
            EncodeImage(m);
            QCOMPARE(int(m.outputImage()[map::kFmVfo]), 0xFF);
            QCOMPARE(int(m.outputImage()[map::kFmVfo + 1]), 0xFF);
        }
    }

    void unselectedFmListsDoNotWrap()
    {
        RadioModel m;
        FmState fm = m.fm();
        fm.FmDisplayMode = -1;
        fm.FmPresentChannel = 300;
        m.setFm(fm);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[map::kFmDisplayMode]), 0xFF);
        QCOMPARE(int(m.outputImage()[map::kFmPresentChannel]), 0xFF);
    }

    void alignmentValues()
    {
        RadioModel m;
        for (int a = map::kDebugBlockB; a < map::kDebugBlockA + 16; ++a)
            m.memoryImageToFill()[a] = std::uint8_t(a & 0xFF);
        DecodeImage(m);
        QCOMPARE(m.debugValues()[1], 0xF0);  // group A, high power, middle section
        QCOMPARE(m.debugValues()[0], 0xF3);
        QCOMPARE(m.debugValues()[10], 0xE0); // group B, high power, middle section
        QCOMPARE(m.debugValues()[17], 0xE8);
        QCOMPARE(m.debug().value("Slider1(1)"), 0xF0);
        // The middle power grade is never read back and always written as 0.
        for (int i : {3, 4, 5, 12, 13, 14})
            QCOMPARE(m.debugValues()[i], 0);
        EncodeImage(m);
        for (int a : {0x7E1, 0x7E5, 0x7E6, 0x7F1, 0x7F5, 0x7F6})
            QCOMPARE(int(m.outputImage()[a]), 0);
        for (int a : {0x7E0, 0x7E2, 0x7E3, 0x7E4, 0x7E7, 0x7E8, 0x7F0, 0x7F2, 0x7F3, 0x7F4, 0x7F7, 0x7F8})
            QCOMPARE(int(m.outputImage()[a]), a & 0xFF);
        for (int a : {0x7E9, 0x7EF, 0x7F9, 0x7FF})
            QCOMPARE(int(m.outputImage()[a]), 0xFF);
    }

    void freshProgramWritesZeroAlignment()
    {
        RadioModel m;
        m.setDebugValue(0, 100);
        EncodeImage(m);
        QCOMPARE(int(m.outputImage()[0x7F3]), 100);
        for (int a : {0x7F0, 0x7F2, 0x7F4, 0x7F7, 0x7F8, 0x7E0, 0x7E3})
            QCOMPARE(int(m.outputImage()[a]), 0);
    }
};

QTEST_GUILESS_MAIN(TstFmDebugCodec)
#include "tst_fm_debug_codec.moc"

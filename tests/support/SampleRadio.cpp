// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleRadio.h"
#include "image/Converters.h"
#include "image/ImageCodec.h"
#include "image/ToneList.h"

namespace kt913::test {

void putChannel(RadioModel &m, const ChannelEntry &c)
{
    ChannelTables &t = m.channels();
    const int n = c.number;
    t.setFreqText(n, 0, QString::fromLatin1(c.rx));
    t.setFreqText(n, 1, c.tx ? QString::fromLatin1(c.tx) : QString());
    const char *tones[2] = {c.rxTone, c.txTone};
    for (int k = 0; k < 2; ++k) {
        const QString text = tones[k] ? QString::fromLatin1(tones[k]) : offText(m.language());
        t.setOption(n, k, qint16(tones[k] ? FindToneIndex(text, m.language()) : 0), text);
    }
    const int flags[6] = {c.power, c.busyLock, c.scanAdd, c.bandwidth, 1, c.scramble};
    for (int k = 0; k < 6; ++k)
        t.setOption(n, k + 2, qint16(flags[k]), QString());
    t.setName(n, QString::fromLatin1(c.name ? c.name : ""));
    SetGrid(m);
}

void fillSampleRadio(RadioModel &m)
{
    const ChannelEntry channels[] = {
        {1, "145.50000", "145.50000", nullptr, nullptr, 1, 1, 1, 1, 1, "CALL2M"},
        {2, "145.67500", "145.07500", nullptr, "88.5", 1, 0, 1, 1, 1, "RPT1"},
        {3, "146.52000", "146.52000", "100.0", "100.0", 0, 1, 0, 1, 1, "SIMPLX"},
        {4, "156.80000", "156.80000", nullptr, nullptr, 1, 1, 1, 1, 1, "MAR16"},
        {10, "162.55000", nullptr, nullptr, nullptr, 0, 1, 0, 0, 1, "WX1"},
        {65, "438.50000", "430.90000", "D023N", "D023N", 1, 0, 1, 1, 1, "RPT70"},
        {66, "446.00625", "446.00625", nullptr, "D754I", 0, 1, 1, 0, 0, "PMR1"},
        {67, "433.50000", "433.50000", nullptr, nullptr, 1, 1, 1, 0, 1, ""},
    };
    for (const ChannelEntry &c : channels)
        putChannel(m, c);

    FormStore &s = m.options();
    s.setIndex(QStringLiteral("Combo5"), 3);    // group A squelch
    s.setIndex(QStringLiteral("Combo10"), 1);   // dual watch on
    s.setIndex(QStringLiteral("Combo35"), 2);   // power off after 2 hours
    s.setIndex(QStringLiteral("Combo32"), 2);   // power-on message
    s.setText(QStringLiteral("Text31"), QStringLiteral("KT913"), m.language());
    s.setText(QStringLiteral("Text1"), QStringLiteral("1234"), m.language());
    s.setText(QStringLiteral("Text6"), QStringLiteral("2"), m.language());
    s.setText(QStringLiteral("Text2"), QStringLiteral("3"), m.language());
    s.setText(QStringLiteral("Text20"), QStringLiteral("145.00000"), m.language());
    s.setText(QStringLiteral("Text21"), QStringLiteral("0.60000"), m.language());
    s.setIndex(QStringLiteral("Combo30"), 1);   // VFO A minus offset
    s.setIndex(QStringLiteral("Combo23"), FindToneIndex(QStringLiteral("88.5"), m.language()));
    s.setText(QStringLiteral("Text3"), QStringLiteral("435.00000"), m.language());
    s.setText(QStringLiteral("Text4"), QStringLiteral("5.00000"), m.language());
    s.setIndex(QStringLiteral("Combo31"), 1);   // VOX on
    s.setIndex(QStringLiteral("Combo15"), 2);

    const char *fmTexts[] = {"88.10", "99.50", "104.30"};
    FmState fm = m.fm();
    for (int k = 0; k < 3; ++k) {
        fm.FmChannelFreq[k] = QString::fromLatin1(fmTexts[k]);
        m.setFmGridCell(k + 1, fm.FmChannelFreq[k]);
    }
    fm.FmPresentChannel = 2;
    fm.FmDisplayMode = 1;
    fm.FmStep = 1;
    fm.FmVfoFreq = QStringLiteral("96.00");
    m.setFm(fm);

    const int alignment[18] = {215, 212, 209, 0, 0, 0, 150, 148, 146, 220, 216, 211, 0, 0, 0, 152, 150, 147};
    for (int i = 0; i < 18; ++i)
        m.setDebugValue(i, alignment[i]);
}

Image sampleImage()
{
    RadioModel m;
    fillSampleRadio(m);
    EncodeImage(m);
    return m.outputImage();
}

} // namespace kt913::test

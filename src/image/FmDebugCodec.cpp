// SPDX-License-Identifier: GPL-3.0-or-later
// FM broadcast channels (0x760..0x7A5) and the alignment values (0x7E0..0x7FF).
#include "Converters.h"
#include "ImageCodec.h"
#include "WindowControls.h"

namespace kt913 {
namespace {

// Offset of slider j (0..8 within its block) from the block start: the middle section
// of high, middle and low power first, then high and low section of each grade.
constexpr int kSliderOffset[map::kDebugValuesPerBlock] = {3, 0, 4, 5, 1, 6, 7, 2, 8};

int sliderAddress(int slider)
{
    const int block = slider < map::kDebugValuesPerBlock ? map::kDebugBlockA : map::kDebugBlockB;
    return block + kSliderOffset[slider % map::kDebugValuesPerBlock];
}

// The middle power grade is neither shown nor read back.
bool isMiddlePower(int slider) { return (slider % map::kDebugValuesPerBlock) / 3 == 1; }

// A byte for a kept FM number; values a byte cannot hold (a list left with no
// selection) are written as 0xFF rather than wrapped.
std::uint8_t fmByte(int v) { return v >= 0 && v <= 255 ? std::uint8_t(v) : 0xFF; }

constexpr ControlKey kPresent = FmControls::Combo1(0);
constexpr ControlKey kDisplay = FmControls::Combo1(1);
constexpr ControlKey kStep = FmControls::Combo1(2);
constexpr ControlKey kVfo = FmControls::Text2;

} // namespace

void decodeFmAndDebug(RadioModel &m)
{
    const Image &img = m.memoryImage();
    FmState fm = m.fm();
    for (int k = 1; k <= map::kFmChannelCount; ++k) {
        const int a = map::fmChannelBase(k);
        const QString text = decodeFm(img[a], img[a + 1]);
        fm.FmChannelFreq[k - 1] = text;
        m.setFmGridCell(k, text);
    }
    fm.FmPresentChannel = img[map::kFmPresentChannel];
    m.fmForm().setText(kPresent, QString::number(fm.FmPresentChannel), m.language());
    fm.FmDisplayMode = img[map::kFmDisplayMode];
    m.fmForm().setIndex(kDisplay, fm.FmDisplayMode);
    fm.FmStep = img[map::kFmStep];
    m.fmForm().setIndex(kStep, fm.FmStep);
    fm.FmVfoFreq = decodeFm(img[map::kFmVfo], img[map::kFmVfo + 1]);
    m.fmForm().setText(kVfo, fm.FmVfoFreq, m.language());
    m.setFm(fm);

    for (int slider = 0; slider < map::kSliderCount; ++slider)
        if (!isMiddlePower(slider))
            m.setDebugValue(slider, img[sliderAddress(slider)]);
}

void encodeFmAndDebug(RadioModel &m)
{
    Image &out = m.outputImageToFill();
    for (int k = 1; k <= map::kFmChannelCount; ++k) {
        std::uint8_t *p = &out[map::fmChannelBase(k)];
        if (m.fmGrid()[k - 1].isEmpty())
            p[0] = p[1] = 0xFF;
        else
            encodeFm(m.fm().FmChannelFreq[k - 1], p);
    }
    out[map::kFmPresentChannel] = fmByte(m.fm().FmPresentChannel);
    out[map::kFmDisplayMode] = fmByte(m.fm().FmDisplayMode);
    out[map::kFmStep] = fmByte(m.fm().FmStep);
    out[map::kReserved7A3] = 0xFF;
    std::uint8_t *vfo = &out[map::kFmVfo];
    if (m.fm().FmVfoFreq.isEmpty() || leadingNumber(m.fm().FmVfoFreq) == 0.0)
        vfo[0] = vfo[1] = 0xFF;
    else
        encodeFm(m.fm().FmVfoFreq, vfo);
    std::fill(out.begin() + map::kReserved7A7, out.begin() + map::kReserved7A7End + 1, 0xFF);

    for (int slider = 0; slider < map::kSliderCount; ++slider)
        out[sliderAddress(slider)] = std::uint8_t(m.debugValues()[slider] & 0xFF);
    for (int block : {map::kDebugBlockB, map::kDebugBlockA})
        std::fill(out.begin() + block + map::kDebugValuesPerBlock, out.begin() + block + map::kDebugBlockSize, 0xFF);
}

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioModel.h"
#include "FieldRules.h"
#include "FormDescriptions.h"

namespace kt913 {

RadioModel::RadioModel(QObject *parent)
    : QObject(parent),
      dtmf(dtmfFormDescription()),
      options(optionsFormDescription()),
      debug(debugFormDescription()),
      fmForm(fmFormDescription())
{
    connect(&channels, &ChannelTables::tablesReset, this, &RadioModel::channelsChanged);
    // The FM window shows the FM state when it loads: present channel 0, no VFO.
    fmForm.setText(QStringLiteral("Combo1(0)"), QString::number(fm.FmPresentChannel), language);
    // The DTMF and optional features windows run their StartForm as they load (so the
    // channel-number boxes start at "1", not empty).
    dtmf.startForm();
    options.startForm();
    // The main window selects band 0 as it loads, without a question.
    selectBandQuietly(0);
}

void RadioModel::applyBand(int index)
{
    const BandVariant &b = bandVariant(index);
    band.BandLow1 = b.low1;
    band.BandHigh1 = b.high1;
    band.BandLow2 = b.low2;
    band.BandHigh2 = b.high2;
    options.setText(QStringLiteral("Text20"), QString::fromLatin1(b.vfoAFrequency), language);
    options.setText(QStringLiteral("Text3"), QString::fromLatin1(b.vfoBFrequency), language);
    options.setIndex(QStringLiteral("Combo27"), b.vfoBandwidth);
    options.setIndex(QStringLiteral("Combo50"), b.vfoBandwidth);
}

void RadioModel::changeBandSelection(int index, const BandConfirm &confirm)
{
    if (index < 0 || index >= kBandCount)
        return;
    const bool moved = bandSelection != index;
    bandSelection = index;
    applyBand(index);
    if (moved)
        emit bandSelectionChanged(index);
    if (index == band.BandIndex)
        return;
    if (confirm && confirm()) {
        applyBand(index);
        channels.ClearGrid();
    }
    band.BandIndex = qint16(index);
}

void RadioModel::selectBandQuietly(int index)
{
    if (index < 0 || index >= kBandCount)
        return;
    band.BandIndex = qint16(index);
    changeBandSelection(index, nullptr);
}

void RadioModel::newData()
{
    const ChannelTables::Batch batch(channels);
    channels.ClearGrid();
    dtmf.startForm();
    options.startForm();
    emit dataReplaced();
}

bool RadioModel::setDebugValue(int slider, int value)
{
    if (slider < 0 || slider >= map::kSliderCount || value < 0 || value > 255)
        return false;
    debug.setValue(QStringLiteral("Slider1(%1)").arg(slider), value);
    if (m_debugValues[slider] != value) {
        m_debugValues[slider] = value;
        emit debugValueChanged(slider, value);
    }
    return true;
}

void RadioModel::setForceWriteUnlocked(bool on)
{
    if (m_forceWriteUnlocked == on)
        return;
    m_forceWriteUnlocked = on;
    emit forceWriteUnlockedChanged(on);
}

void RadioModel::setDebugUnlocked(bool on)
{
    if (m_debugUnlocked == on)
        return;
    m_debugUnlocked = on;
    emit debugUnlockedChanged(on);
}

void RadioModel::setFmGridCell(int k, const QString &text)
{
    if (k < 1 || k > map::kFmChannelCount || m_fmGrid[k - 1] == text)
        return;
    m_fmGrid[k - 1] = text;
    emit fmGridCellChanged(k);
}

void RadioModel::fmOk()
{
    if (const std::optional<qint16> present = presentChannelFromText(fmForm.text(QStringLiteral("Combo1(0)"), language)))
        fm.FmPresentChannel = *present;
    fm.FmDisplayMode = qint16(fmForm.index(QStringLiteral("Combo1(1)")));
    fm.FmStep = qint16(fmForm.index(QStringLiteral("Combo1(2)")));
    fm.FmVfoFreq = fmForm.text(QStringLiteral("Text2"), language);
    for (int k = 0; k < map::kFmChannelCount; ++k)
        fm.FmChannelFreq[k] = m_fmGrid[k];
    emit fmChanged();
}

void RadioModel::announceDecoded()
{
    emit fmChanged();
    emit debugValuesChanged();
    emit dataReplaced();
}

} // namespace kt913

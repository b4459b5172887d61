// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioModel.h"
#include "FieldRules.h"
#include "FormDescriptions.h"
#include "WindowControls.h"

namespace kt913 {

RadioModel::RadioModel(QObject *parent)
    : QObject(parent),
      m_dtmf(dtmfFormDescription()),
      m_options(optionsFormDescription()),
      m_debug(debugFormDescription()),
      m_fmForm(fmFormDescription())
{
    connect(&m_channels, &ChannelTables::tablesReset, this, &RadioModel::channelsChanged);
    // The FM window shows the FM state when it loads: present channel 0, no VFO.
    m_fmForm.setText(FmControls::Combo1(0), QString::number(m_fm.FmPresentChannel), m_language);
    // The DTMF and optional features windows run their StartForm as they load (so the
    // channel-number boxes start at "1", not empty).
    m_dtmf.startForm();
    m_options.startForm();
    // The main window selects band 0 as it loads, without a question.
    selectBandQuietly(0);
}

void RadioModel::setLanguage(Language lang)
{
    if (m_language == lang)
        return;
    m_language = lang;
    m_channels.RefreshChannelTexts(lang);
    emit languageChanged(lang);
}

void RadioModel::applyBand(int index)
{
    const BandVariant &b = bandVariant(index);
    m_band.BandLow1 = b.low1;
    m_band.BandHigh1 = b.high1;
    m_band.BandLow2 = b.low2;
    m_band.BandHigh2 = b.high2;
    m_options.setText(OptionsControls::Text20, QString::fromLatin1(b.vfoAFrequency), m_language);
    m_options.setText(OptionsControls::Text3, QString::fromLatin1(b.vfoBFrequency), m_language);
    m_options.setIndex(OptionsControls::Combo27, b.vfoBandwidth);
    m_options.setIndex(OptionsControls::Combo50, b.vfoBandwidth);
}

void RadioModel::changeBandSelection(int index, const BandConfirm &confirm)
{
    if (index < 0 || index >= kBandCount)
        return;
    const bool moved = m_bandSelection != index;
    m_bandSelection = index;
    applyBand(index);
    if (moved)
        emit bandSelectionChanged(index);
    if (index == m_band.BandIndex)
        return;
    if (confirm && confirm()) {
        applyBand(index);
        m_channels.ClearGrid();
    }
    m_band.BandIndex = qint16(index);
}

void RadioModel::selectBandQuietly(int index)
{
    if (index < 0 || index >= kBandCount)
        return;
    m_band.BandIndex = qint16(index);
    changeBandSelection(index, nullptr);
}

void RadioModel::takeBandVariant(int variant)
{
    if (variant >= 0 && variant < kBandCount)
        selectBandQuietly(variant);
    else
        m_band.BandIndex = 0;
}

void RadioModel::restoreBandChoice(BandChoice choice)
{
    selectBandQuietly(choice.selection);
    if (choice.accepted >= 0 && choice.accepted < kBandCount)
        m_band.BandIndex = qint16(choice.accepted);
}

void RadioModel::setBandGroup(int group)
{
    if (group == 1 || group == 2)
        m_band.BandGroup = qint16(group);
}

void RadioModel::newData()
{
    const ChannelTables::Batch batch(m_channels);
    m_channels.ClearGrid();
    m_dtmf.startForm();
    m_options.startForm();
    emit dataReplaced();
}

bool RadioModel::setDebugValue(int slider, int value)
{
    if (slider < 0 || slider >= map::kSliderCount || value < 0 || value > 255)
        return false;
    m_debug.setValue(DebugControls::Slider1(slider), value);
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
    if (const std::optional<qint16> present = presentChannelFromText(m_fmForm.text(FmControls::Combo1(0), m_language)))
        m_fm.FmPresentChannel = *present;
    m_fm.FmDisplayMode = qint16(m_fmForm.index(FmControls::Combo1(1)));
    m_fm.FmStep = qint16(m_fmForm.index(FmControls::Combo1(2)));
    m_fm.FmVfoFreq = m_fmForm.text(FmControls::Text2, m_language);
    for (int k = 0; k < map::kFmChannelCount; ++k)
        m_fm.FmChannelFreq[k] = m_fmGrid[k];
    emit fmChanged();
}

void RadioModel::announceDecoded()
{
    emit fmChanged();
    emit debugValuesChanged();
    emit dataReplaced();
}

} // namespace kt913

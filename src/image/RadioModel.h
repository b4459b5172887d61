// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the program holds about one radio: the two image buffers, the channel
// tables, the band state, the value stores of the editor windows, the FM state and the
// alignment values. The main window owns one; the command line makes its own. A new
// RadioModel is in the state of a freshly started program.
#include "BandTable.h"
#include "ChannelTables.h"
#include "FormStore.h"
#include "Image.h"
#include "Language.h"
#include "MemoryMap.h"
#include <QObject>
#include <array>
#include <functional>

namespace kt913 {

struct FmState {
    std::array<QString, map::kFmChannelCount> FmChannelFreq; // "" for an empty channel
    QString FmVfoFreq;
    qint16 FmPresentChannel = 0;
    qint16 FmDisplayMode = 0;
    qint16 FmStep = 0;
};

class RadioModel : public QObject {
    Q_OBJECT
public:
    explicit RadioModel(QObject *parent = nullptr);

    // The two image buffers. The memory image is what a read or an opened file brought
    // in, and only DecodeImage reads it; the output image is what EncodeImage made, and
    // only a write or a save reads it.
    const Image &memoryImage() const { return m_memoryImage; }
    const Image &outputImage() const { return m_outputImage; }
    // A whole image put in place (a comparison's own models, a prepared pattern).
    void setMemoryImage(const Image &image) { m_memoryImage = image; }
    void setOutputImage(const Image &image) { m_outputImage = image; }
    // The buffers as they are filled in place: the memory image by a file read or by a
    // serial read block by block, the output image by the encoder's passes.
    Image &memoryImageToFill() { return m_memoryImage; }
    Image &outputImageToFill() { return m_outputImage; }

    // The language every caption, message and list text is chosen in. A change re-texts
    // the channel grids and is announced, so that the windows re-caption themselves.
    Language language() const { return m_language; }
    void setLanguage(Language lang);

    // The channel tables, with their own operations and change signals.
    ChannelTables &channels() { return m_channels; }
    const ChannelTables &channels() const { return m_channels; }

    // Service modes, switched on by hidden gestures in the optional features window and
    // off by the toolbar's lock buttons. Each change is announced, so that the toolbar,
    // the debug sliders and the write follow.
    bool forceWriteUnlocked() const { return m_forceWriteUnlocked; }
    bool debugUnlocked() const { return m_debugUnlocked; }
    void setForceWriteUnlocked(bool on);
    void setDebugUnlocked(bool on);

    // The value stores of the editor windows, each with its own operations and signals.
    FormStore &dtmf() { return m_dtmf; } // DtmfEditor
    const FormStore &dtmf() const { return m_dtmf; }
    FormStore &options() { return m_options; } // OptionalFeaturesEditor
    const FormStore &options() const { return m_options; }
    FormStore &debug() { return m_debug; } // DebugEditor: slider positions
    const FormStore &debug() const { return m_debug; }
    FormStore &fmForm() { return m_fmForm; } // FmEditor: Text2, Combo1(0..2)
    const FormStore &fmForm() const { return m_fmForm; }

    // The FM state as decoded or taken by the FM window's OK; setFm puts a whole state in
    // place without an announcement (fmChanged follows the decoding or fmOk).
    const FmState &fm() const { return m_fm; }
    void setFm(const FmState &state) { m_fm = state; }
    // FmEditor grid cells, column 1 (channel k at k - 1), and the kept alignment values (0 at
    // start): read here, written through setFmGridCell and setDebugValue.
    const std::array<QString, map::kFmChannelCount> &fmGrid() const { return m_fmGrid; }
    const std::array<int, map::kSliderCount> &debugValues() const { return m_debugValues; }
    void setFmGridCell(int k, const QString &text); // k = 1..25
    // The FM window's OK: the controls and the grid become the FM state. A present
    // channel that is no number keeps the value it had.
    void fmOk();

    // The band. Two indexes of the main window's band list (Combo1) are kept: the one
    // selected, whose limits are in force (band()), and the one last accepted, against
    // which a new selection is checked (band().BandIndex). They can differ: an image
    // that names no known band variant leaves the selection and makes band 0 the
    // accepted one. Every change goes through the operations below, which keep the
    // limits and the VFO defaults with the selection.
    const BandState &band() const { return m_band; }
    int bandSelection() const { return m_bandSelection; }
    // The group the channel editor shows: 1 = A, 2 = B; other values are refused.
    void setBandGroup(int group);

    // The band list's selection changed to `index`. The new band applies at once. When
    // it differs from the band last accepted, `confirm` is asked whether the channel list
    // may go; yes applies the band again and clears every channel, no keeps the
    // channels. Either way the new band becomes the accepted one, so after a no its
    // limits and VFO defaults stay in force. Without `confirm` (or with the accepted band
    // selected) nothing is asked and nothing cleared.
    using BandConfirm = std::function<bool()>;
    void changeBandSelection(int index, const BandConfirm &confirm);
    // The same change without a question (start-up, the command line's write): the band
    // is recorded as accepted first, so the channels stay.
    void selectBandQuietly(int index);
    // The band variant byte of a decoded image: a known variant is selected quietly;
    // any other leaves the selection as it is and makes band 0 the accepted one.
    void takeBandVariant(int variant);
    // Both indexes together, as an undone or replayed band change puts them back.
    struct BandChoice {
        int selection;
        int accepted;
    };
    BandChoice bandChoice() const { return {m_bandSelection, m_band.BandIndex}; }
    void restoreBandChoice(BandChoice choice);

    // "New": StartForm of the channel editor, the DTMF window and the optional features
    // window, in that order. FM, debug values and both images stay as they are.
    void newData();

    // The one way an alignment value changes, for decoding and a slider moved alike: the
    // kept value and the slider's position together. Values outside 0..255 are refused.
    bool setDebugValue(int slider, int value);

signals:
    void languageChanged(Language lang);
    void channelsChanged();      // many channels changed at once (the tables' tablesReset)
    void bandSelectionChanged(int index);
    void fmChanged();            // FM state or FM grid replaced
    void fmGridCellChanged(int k);
    void debugValuesChanged();
    void debugValueChanged(int slider, int value);
    void forceWriteUnlockedChanged(bool on);
    void debugUnlockedChanged(bool on);
    // The whole radio's data was replaced (decoded from a read or a file, or New): what
    // was edited before belongs to other data and can no longer be undone.
    void dataReplaced();

public:
    // Tells the views that decoding replaced FM and alignment values (the channel tables
    // and the band list announce themselves).
    void announceDecoded();

private:
    // Writes band variant `index` (0..3): the frequency limits, the VFO frequency boxes
    // and VFO bandwidth lists of OptionalFeaturesEditor.
    void applyBand(int index);

    Image m_memoryImage{};
    Image m_outputImage{};
    ChannelTables m_channels;
    FormStore m_dtmf;
    FormStore m_options;
    FormStore m_debug;
    FormStore m_fmForm;
    FmState m_fm;
    Language m_language = Language::Chinese;
    BandState m_band;
    int m_bandSelection = 0;
    bool m_forceWriteUnlocked = false;
    bool m_debugUnlocked = false;
    std::array<QString, map::kFmChannelCount> m_fmGrid;
    std::array<int, map::kSliderCount> m_debugValues{};
};

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building a RadioModel (every window's store from its description) costs many times
// more than decoding an image into it, so a fuzz target builds one model and puts it
// back into the state of a freshly started program before each input. The state must be
// exactly that: decoding leaves some values as they were (a band byte it does not know,
// a list index a list does not have), and an input's outcome must not depend on the
// inputs run before it, or a finding would not reproduce on its own.
#include "image/RadioModel.h"

namespace kt913 {

class FreshModel {
public:
    FreshModel()
    {
        for (int n = 1; n <= map::kChannelCount; ++n)
            m_rows[n - 1] = m_pristine.channels().row(n);
    }

    // The model as a freshly started program holds it.
    RadioModel &reset()
    {
        RadioModel &m = m_model;
        const RadioModel &p = m_pristine;
        m.setMemoryImage(p.memoryImage());
        m.setOutputImage(p.outputImage());
        m.setLanguage(p.language());
        {
            const ChannelTables::Batch batch(m.channels());
            for (int n = 1; n <= map::kChannelCount; ++n)
                m.channels().setRow(n, m_rows[n - 1]);
        }
        m.restoreBandChoice(p.bandChoice());
        m.setBandGroup(p.band().BandGroup);
        m.setForceWriteUnlocked(p.forceWriteUnlocked());
        m.setDebugUnlocked(p.debugUnlocked());
        for (int k = 1; k <= map::kFmChannelCount; ++k)
            m.setFmGridCell(k, p.fmGrid()[k - 1]);
        m.setFm(p.fm());
        // This moves the debug window's sliders as well; its store is put back below.
        for (int slider = 0; slider < map::kSliderCount; ++slider)
            m.setDebugValue(slider, p.debugValues()[slider]);
        m.dtmf().takeValues(p.dtmf());
        m.options().takeValues(p.options());
        m.debug().takeValues(p.debug());
        m.fmForm().takeValues(p.fmForm());
        return m;
    }

private:
    const RadioModel m_pristine;
    RadioModel m_model;
    std::array<ChannelRow, map::kChannelCount> m_rows; // the pristine channels, made once
};

} // namespace kt913

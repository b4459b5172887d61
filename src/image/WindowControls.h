// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value controls of the editor windows, one list per window, in the order of its
// description (FormDescriptions.cpp, OptionsForm.cpp). Each entry becomes a constant of
// the window's namespace: OptionsControls::Combo36, DebugControls::Slider1(4). A store
// built from a description checks that every constant names one of its controls.
#include "ControlKey.h"
#include "MemoryMap.h"

// DtmfEditor.
#define KT913_DTMF_CONTROLS(X, A) X(Combo16) X(Combo17) X(Text2) X(Text4) X(Combo1) X(Combo18) X(Text3) A(Text1, 8)

// OptionalFeaturesEditor: the function page's two columns, the VOX frame, the VFO A and
// VFO B records and the hidden settings below VFO A.
#define KT913_OPTIONS_CONTROLS(X, A)                                                                         \
    X(Combo1) X(Combo17) X(Combo7) X(Combo9) X(ComboMod) X(Combo18) X(Combo2) X(Combo13) X(Combo6) X(Combo20)  \
    X(Combo35) X(Combo32) X(Combo11) X(Combo40) X(Combo10) X(Combo39)                                          \
    X(Text6) X(Text2) X(Combo3) X(Combo37) X(Combo5) X(Combo36) X(Combo8) X(Combo19) X(Combo16) X(Combo33)     \
    X(Combo21) X(Combo34) X(Combo38) X(Text31) X(Text1)                                                        \
    X(Combo31) X(Combo14) X(Combo15) X(Check12) X(Check13)                                                     \
    X(Text20) X(Text21) X(Combo22) X(Combo23) X(Combo24) X(Combo30) X(Combo27) X(Combo25) X(Combo26) X(Combo28) \
    X(Text3) X(Text4) X(Combo46) X(Combo47) X(Combo48) X(Combo49) X(Combo50) X(Combo51) X(Combo52) X(Combo53)  \
    X(Combo4) X(Combo29) X(Combo12)

// DebugEditor: the alignment sliders.
#define KT913_DEBUG_CONTROLS(X, A) A(Slider1, 18)

// FmEditor: the VFO box and the present channel, display mode and step lists.
#define KT913_FM_CONTROLS(X, A) X(Text2) A(Combo1, 3)

namespace kt913 {
KT913_DECLARE_CONTROLS(DtmfControls, FormId::Dtmf, KT913_DTMF_CONTROLS)
KT913_DECLARE_CONTROLS(OptionsControls, FormId::Options, KT913_OPTIONS_CONTROLS)
KT913_DECLARE_CONTROLS(DebugControls, FormId::Debug, KT913_DEBUG_CONTROLS)
KT913_DECLARE_CONTROLS(FmControls, FormId::Fm, KT913_FM_CONTROLS)
static_assert(DebugControls::ids::count == map::kSliderCount, "one slider per alignment value");
} // namespace kt913

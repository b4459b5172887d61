// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a window as the code names them: one constant per control, made from
// the window's list of controls (WindowControls.h), so that a misspelt control does not
// compile. A store resolves every constant of its window to its slot once, when it is
// built; reaching a control through a constant then costs an array index.
#include <QString>
#include <iterator>

namespace kt913 {

enum class FormId : unsigned char { None, Dtmf, Options, Debug, Fm };

struct ControlKey {
    FormId form = FormId::None;
    int id = -1;           // position in its window's list; -1 for an array index it lacks
    const char *name = ""; // the control's name, or its control array's ("Slider1")
    int element = -1;      // index within the control array; -1 for a single control

    // "Combo36", "Slider1(4)": the control's name in the window description.
    QString objectName() const
    {
        const QString base = QString::fromLatin1(name);
        return element < 0 ? base : base + QLatin1Char('(') + QString::number(element) + QLatin1Char(')');
    }
};

// One entry of a window's list: a single control (size 0) or a control array.
struct ControlSpan {
    const char *name;
    int first; // id of the control, or of the array's element 0
    int size;
};

// Every constant of one window, for its store to resolve.
struct ControlKeyTable {
    FormId form;
    const ControlSpan *spans;
    int spanCount;
    int keyCount;
};

} // namespace kt913

// A window's list is a macro of two arguments, one applied to each single control and one
// to each control array (name, size). These build its ids, its constants and its table.
#define KT913_CONTROL_ID(n) n,
#define KT913_CONTROL_ARRAY_ID(n, size) n, n##_last = n + (size)-1,
#define KT913_CONTROL_KEY(n) inline constexpr ::kt913::ControlKey n{kForm, ids::n, #n, -1};
#define KT913_CONTROL_ARRAY_KEY(n, size)                                                                    \
    constexpr ::kt913::ControlKey n(int i) { return {kForm, i >= 0 && i < (size) ? ids::n + i : -1, #n, i}; }
#define KT913_CONTROL_SPAN(n) ::kt913::ControlSpan{#n, ids::n, 0},
#define KT913_CONTROL_ARRAY_SPAN(n, size) ::kt913::ControlSpan{#n, ids::n, (size)},

#define KT913_DECLARE_CONTROLS(space, formId, LIST)                                                          \
    namespace space {                                                                                        \
    inline constexpr ::kt913::FormId kForm = formId;                                                         \
    namespace ids {                                                                                          \
    enum : int { LIST(KT913_CONTROL_ID, KT913_CONTROL_ARRAY_ID) count };                                     \
    }                                                                                                        \
    LIST(KT913_CONTROL_KEY, KT913_CONTROL_ARRAY_KEY)                                                         \
    inline constexpr ::kt913::ControlSpan spans[] = {LIST(KT913_CONTROL_SPAN, KT913_CONTROL_ARRAY_SPAN)};    \
    inline constexpr ::kt913::ControlKeyTable table{kForm, spans, int(std::size(spans)), ids::count};        \
    }

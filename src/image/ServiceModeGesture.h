// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden gesture that switches a service mode on: three designated captions of the
// optional features window clicked, in any order, within 5 seconds of the first. The
// window feeds it every label click; what "on" does is the caller's business.
#include <QString>
#include <array>

namespace kt913 {

using GestureLabels = std::array<const char *, 3>;

// Force-write: the two "Frequency:" captions of the VFO page (groups A and B) and group
// B's "Offset Data:". They sit in two frames of a page that only band work needs, so a
// service engineer adjusting the band finds them, while a user hardly clicks three
// captions of both frames within seconds by chance.
inline constexpr GestureLabels kForceWriteLabels{"Label20", "Label45", "Label44"};
// Debug: the three captions of the VOX frame ("VOX Swith:", "VOX Gain Level:", "VOX
// Delay Time(s):"). Gain and delay are the nearest thing to alignment values the window
// has, and the frame shows on both pages. Disjoint from the force-write set.
inline constexpr GestureLabels kDebugLabels{"Label37", "Label14", "Label15"};

enum class GestureResult {
    NotMine,   // not one of this mode's labels: nothing changed
    Counting,  // counted towards the current attempt, not all three yet
    Restarted, // came more than 5 seconds after the attempt began: a new attempt starts with it
    On,        // all three are set: the mode is (or stays) on and its effect applies again
};

class ServiceModeGesture {
public:
    explicit ServiceModeGesture(const GestureLabels &labels);

    // One click on `label` at `secondsOfDay` (whole seconds since midnight, 0..86399).
    GestureResult click(const QString &label, int secondsOfDay);
    // Forgets the clicks; the toolbar does this when it switches the mode off.
    void clear();
    bool allSet() const;

private:
    GestureLabels labels_;
    std::array<bool, 3> clicked_{};
    int start_ = 0; // seconds of day when the current attempt began
};

} // namespace kt913

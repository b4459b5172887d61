// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServiceModeGesture.h"
#include <QLatin1String>

namespace kt913 {
namespace {
constexpr int kWindowSeconds = 5;
constexpr int kSecondsPerDay = 86400;
} // namespace

ServiceModeGesture::ServiceModeGesture(const GestureLabels &labels)
    : labels_(labels)
{
}

GestureResult ServiceModeGesture::click(const QString &label, int secondsOfDay)
{
    int which = -1;
    for (int i = 0; i < 3; ++i)
        if (label == QLatin1String(labels_[i]))
            which = i;
    if (which < 0)
        return GestureResult::NotMine;

    if (!clicked_[0] && !clicked_[1] && !clicked_[2])
        start_ = secondsOfDay;
    // The clock restarts at midnight. Taken modulo a day, an attempt begun at 23:59:58
    // and ended at 00:00:02 counts as 4 seconds; a plain difference would be negative,
    // and so "in time", for every click after midnight however late it came. The price:
    // clicks a whole number of days apart look simultaneous.
    const int elapsed = ((secondsOfDay - start_) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    if (elapsed > kWindowSeconds) {
        clicked_.fill(false);
        clicked_[which] = true;
        start_ = secondsOfDay;
        return GestureResult::Restarted;
    }
    clicked_[which] = true;
    return allSet() ? GestureResult::On : GestureResult::Counting;
}

void ServiceModeGesture::clear()
{
    clicked_.fill(false);
}

bool ServiceModeGesture::allSet() const
{
    return clicked_[0] && clicked_[1] && clicked_[2];
}

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalProgress.h"

namespace kt913::cli {

void TerminalProgress::show(int step)
{
    constexpr int kWidth = 40;
    const int filled = m_total > 0 ? qBound(0, step * kWidth / m_total, kWidth) : 0;
    m_stream << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(kWidth - filled, QLatin1Char('.'))
             << "] " << QString::number(step).rightJustified(3) << '/' << m_total;
    m_stream.flush();
    m_drawn = true;
}

void TerminalProgress::finish()
{
    if (!m_drawn)
        return;
    m_stream << '\n';
    m_stream.flush();
    m_drawn = false;
}

} // namespace kt913::cli

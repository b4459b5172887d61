// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line progress bar on a terminal: "[#####.....]  98/196".
#include <QString>
#include <QTextStream>

namespace kt913::cli {

class TerminalProgress {
public:
    TerminalProgress(QTextStream &stream, int total) : m_stream(stream), m_total(total) {}
    void show(int step);
    // Ends the line if a bar was drawn.
    void finish();

private:
    QTextStream &m_stream;
    int m_total;
    bool m_drawn = false;
};

} // namespace kt913::cli

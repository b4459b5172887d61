// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's programmable memory as the radio itself serves it: blocks of any length at
// any 16-bit address, with everything past the last cell read as 0xFF and written nowhere.
#include "image/Image.h"
#include <QByteArray>
#include <cstdint>

namespace kt913::radio {

class RadioMemory {
public:
    RadioMemory() : m_cells(filledImage(0xFF)) {}
    explicit RadioMemory(const Image &initial) : m_cells(initial) {}

    QByteArray readBlock(std::uint16_t address, int length) const;
    // Returns how many bytes landed inside the memory.
    int writeBlock(std::uint16_t address, const QByteArray &data);

    const Image &image() const { return m_cells; }
    Image &image() { return m_cells; }

private:
    Image m_cells;
};

} // namespace kt913::radio

// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RadioMemory.h"

namespace kt913::radio {

// Cells that do not exist read as an erased EEPROM would: 0xFF.
QByteArray RadioMemory::readBlock(std::uint16_t address, int length) const
{
    QByteArray block(length, char(0xFF));
    for (int i = 0; i < length; ++i) {
        const int cell = int(address) + i;
        if (cell < kImageSize)
            block[i] = char(m_cells[std::size_t(cell)]);
    }
    return block;
}

int RadioMemory::writeBlock(std::uint16_t address, const QByteArray &data)
{
    int stored = 0;
    for (int i = 0; i < data.size(); ++i) {
        const int cell = int(address) + i;
        if (cell >= kImageSize)
            break;
        m_cells[std::size_t(cell)] = std::uint8_t(data[i]);
        ++stored;
    }
    return stored;
}

} // namespace kt913::radio

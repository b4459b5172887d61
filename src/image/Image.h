// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

namespace kt913 {

constexpr int kImageSize = 3072; // radio addresses 0x000..0xBFF

// A byte-for-byte copy of the radio's programmable memory; index = radio address.
using Image = std::array<std::uint8_t, kImageSize>;

inline Image filledImage(std::uint8_t value)
{
    Image img;
    img.fill(value);
    return img;
}

} // namespace kt913

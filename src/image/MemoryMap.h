// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where everything lives in the radio's 3072-byte memory.

namespace kt913::map {

// Channel records: 13 bytes each, channel n (1..128) at 13 * (n - 1).
constexpr int kChannelCount = 128;
constexpr int kGroupSize = 64;
constexpr int kChannelRecordSize = 13;
constexpr int channelBase(int n) { return kChannelRecordSize * (n - 1); }
namespace rec {
constexpr int RxFreq = 0, TxFreq = 4, RxTone = 8, TxTone = 10, Flags = 12;
}
// Flag byte bits of a channel record (and of a VFO record).
namespace flag {
constexpr int Power = 0, Unused = 1, BusyLock = 2, ScanAdd = 3, Bandwidth = 4, Hidden = 5, Scramble = 6,
              AlwaysSet = 7;
constexpr int Companding = 7; // VFO A only
}

constexpr int kReservedAfterChannels = 0x680; // 0x680..0x6FF, 0xFF
constexpr int kReservedAfterChannelsEnd = 0x6FF;

// Optional-feature settings, one value or bit set per byte.
constexpr int kSettingsBase = 0x700;
constexpr int kGroupADisplay = 0x700, kGroupBSquelch = 0x701, kGroupAStep = 0x702, kGroupBDisplay = 0x703,
              kGroupASquelch = 0x704, kGroupAChannel = 0x705, kBits706 = 0x706, kBits707 = 0x707,
              kBits708 = 0x708, kPowerOnDisplay = 0x709, kMemoryDisplay = 0x70A, kGroupBChannel = 0x70B,
              kAutoPowerOff = 0x70C, kGroupBStep = 0x70D, kBits70E = 0x70E, kTxTimeout = 0x70F;
constexpr int kTag = 0x710; // "QXV-DW"
constexpr int kTagLength = 6;
constexpr int kBandVariant = 0x716;
constexpr int kReserved717 = 0x717;
constexpr int kPowerOnText = 0x718; // 6 characters
constexpr int kPowerOnTextLength = 6;
constexpr int kReserved71E = 0x71E; // 2 bytes
constexpr int kVfoA = 0x720, kVfoB = 0x730;
namespace vfo {
constexpr int Freq = 0, Offset = 4, RxTone = 8, TxTone = 10, Flags = 12, Reserved13 = 13, Direction = 14,
              Reserved15 = 15;
}
constexpr int kPassword = 0x740; // 4 characters
constexpr int kPasswordLength = 4;
constexpr int kReserved744 = 0x744, kReserved744End = 0x75F;

// FM broadcast radio.
constexpr int kFmChannelCount = 25;
constexpr int fmChannelBase(int k) { return 0x75E + 2 * k; } // k = 1..25, high byte first
constexpr int kFmUnusedBegin = 0x792, kFmUnusedEnd = 0x79F;  // never encoded
constexpr int kFmPresentChannel = 0x7A0, kFmDisplayMode = 0x7A1, kFmStep = 0x7A2, kReserved7A3 = 0x7A3,
              kFmVfo = 0x7A4;
constexpr int kReturnChannel = 0x7A6;
constexpr int kReserved7A7 = 0x7A7, kReserved7A7End = 0x7DF;

// Alignment values: two blocks of 9 bytes, each followed by 7 reserved bytes.
constexpr int kDebugBlockB = 0x7E0, kDebugBlockA = 0x7F0;
constexpr int kDebugValuesPerBlock = 9, kDebugBlockSize = 16;
constexpr int kSliderCount = 18;

// Channel names: 8 bytes each, channel n at 0x800 + 8 * (n - 1).
constexpr int kNameBase = 0x800;
constexpr int kNameLength = 8;
constexpr int nameBase(int n) { return kNameBase + kNameLength * (n - 1); }

} // namespace kt913::map

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a write by reading the radio back: which bytes a write puts into the radio
// and how the memory read back afterwards compares with them.
#include "image/Image.h"
#include "image/Language.h"
#include "image/Messages.h"

namespace kt913 {

struct VerifyResult {
    bool readBack = true; // false: the radio could not be read after the write
    int differing = 0;    // bytes that read back otherwise than they were sent
    int firstAddress = -1; // the lowest of them, -1 when none
    bool ok() const { return readBack && differing == 0; }
};

// True for an image address that a write sends. The two alignment blocks (0x7E0, 0x7F0)
// go out only in the debug mode; 0x7C0 and 0x7D0 are never written.
bool writeSendsAddress(int address, bool debugUnlocked);

// Compares every byte the write sent from `sent` with the same address of `readBack`.
VerifyResult compareWritten(const Image &sent, const Image &readBack, bool debugUnlocked);

// What the user is told when a verification fails (the address in hexadecimal).
Message verifyFailedMessage(const VerifyResult &result, Language lang);
// The progress window's label while the radio is read back.
QString verifyingText(Language lang);
// One line for a verified write, after the usual success message.
QString verifiedText(Language lang);

} // namespace kt913

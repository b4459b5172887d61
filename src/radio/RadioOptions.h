// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of kt913-radio.
#include "radio/LineFaults.h"
#include "radio/RadioSession.h"
#include <QString>
#include <QStringList>

namespace kt913::radio {

struct RadioOptions {
    QString imagePath; // memory at start; all 0xFF without it
    QString savePath;  // memory stored here after each completed write
    QString logPath;   // one line per received frame
    QString linkPath;  // symbolic link to the device
    QString tracePath; // every frame received and answer sent, with the time
    Identity identity;
    Behaviour behaviour;
    bool paced = false;    // bytes take their 9600-baud time in both directions
    int hangupAfter = -1;  // close the line after this many frames, as a pulled cable
    LineFaults faults;
    bool exitWithParent = false; // a test that crashes leaves no radio behind
    bool helpShown = false;
    bool versionAsked = false;
};

// Parses the arguments (program name first). False with a message in `error` on bad input;
// for --help the usage text is in `error` and helpShown is set; --version sets
// versionAsked and returns true without looking at the other options.
bool parseRadioOptions(const QStringList &arguments, RadioOptions &options, QString &error);

} // namespace kt913::radio

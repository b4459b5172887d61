// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages the program shows, in both languages, with their titles and
// message-box style flags. The front ends show them; the core only names them.
#include "Language.h"
#include <QList>
#include <QString>

namespace kt913 {

// Message-box style flags as the classic Windows values.
namespace mb {
constexpr int Ok = 0, OkCancel = 1, Critical = 16, Question = 32, Exclamation = 48, DefaultButton2 = 256,
              SystemModal = 4096;
constexpr int AskOkCancel = OkCancel | Question | DefaultButton2 | SystemModal; // 4385
constexpr int ResultOk = 1, ResultCancel = 2;
}

enum class MessageId {
    PortInvalid,          // read/write with no port open
    PortUnavailable,      // choosing a port that cannot be opened (port number inserted)
    ReadingLabel,         // progress window label and caption
    ReadingCaption,
    WritingLabel,
    WritingCaption,
    ReadSucceeded,
    WriteSucceeded,
    BandMismatchRefused,
    BandMismatchConfirm,
    CommunicationError,
    NewConfirm,
    FileTypeIncorrect,
    FileIncomplete,       // the identifier is right, the file is cut short
    QuitConfirm,
    FrequencyOutOfBand,
    BandChangeConfirm,
    FileOpenFailed,       // mended: open and save failures are reported
    FileSaveFailed,
    ChannelsOutsideBand,  // asked before a write (the count inserted)
};

struct Message {
    QString text;
    QString title; // empty: the application's title
    int flags = 0;
};

// The message in the given language. `arg` is inserted where the text carries a value
// (the port for PortUnavailable, the system's reason for the file failures).
Message message(MessageId id, Language lang, const QString &arg = QString());

QString applicationTitle();

// The English texts and titles of every message, for the list a translator works from.
QList<SourceText> messageSourceTexts();

} // namespace kt913

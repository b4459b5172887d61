// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one message-box routine of the program: every message, question and error goes
// through MsgBox, so the buttons speak the program's language (not the desktop's) and a
// test can answer every box in one place.
#include "image/Language.h"
#include "image/Messages.h"
#include <QString>
#include <functional>

class QWidget;

namespace kt913 {

// Button codes MsgBox returns, as the classic message box numbers them.
namespace mbResult {
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

struct MessageRequest {
    QString prompt;
    int flags = 0;
    QString title; // already replaced by the application's title when it was empty
    Language language = Language::Chinese;
};

// Answers message boxes instead of showing them. Tests install one to answer (and
// record) every box; an empty function puts the screen back.
using MessageAnswerer = std::function<int(const MessageRequest &)>;
void setMessageAnswerer(MessageAnswerer answerer);

// Shows `prompt` with the style flags (buttons in the low nibble, icon in 16..64, default
// button 256/512, 4096 system-modal) and returns the code of the button pressed. An empty
// title becomes the application's title. `owner` may be null: the active window owns it.
int MsgBox(QWidget *owner, Language lang, const QString &prompt, int flags, const QString &title);
int MsgBox(QWidget *owner, Language lang, const Message &message);
// The catalogue message `id` in `lang`.
int MsgBox(QWidget *owner, Language lang, MessageId id, const QString &arg = QString());

// Caption of button code 1..7 in the given language.
QString buttonCaption(int code, Language lang);
// Button codes the style flags put on the box, left to right.
QList<int> buttonsOf(int flags);

} // namespace kt913

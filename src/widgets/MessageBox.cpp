// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MessageBox.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kt913 {

namespace {

MessageAnswerer &answerer()
{
    static MessageAnswerer instance;
    return instance;
}

QMessageBox::Icon iconOf(int flags)
{
    switch (flags & 0xF0) {
    case mb::Critical: return QMessageBox::Critical;
    case mb::Question: return QMessageBox::Question;
    case mb::Exclamation: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole roleOf(int code)
{
    switch (code) {
    case mbResult::Ok:
    case mbResult::Yes:
    case mbResult::Retry: return QMessageBox::AcceptRole;
    case mbResult::Cancel:
    case mbResult::Abort: return QMessageBox::RejectRole;
    case mbResult::No: return QMessageBox::NoRole;
    default: return QMessageBox::ActionRole;
    }
}

} // namespace

void setMessageAnswerer(MessageAnswerer a)
{
    answerer() = std::move(a);
}

QString buttonCaption(int code, Language lang)
{
    switch (code) {
    case mbResult::Ok: return textIn(lang, "确定", "OK");
    case mbResult::Cancel: return textIn(lang, "取消", "Cancel");
    case mbResult::Abort: return textIn(lang, "放弃", "Abort");
    case mbResult::Retry: return textIn(lang, "重试", "Retry");
    case mbResult::Ignore: return textIn(lang, "忽略", "Ignore");
    case mbResult::Yes: return textIn(lang, "是", "Yes");
    case mbResult::No: return textIn(lang, "否", "No");
    default: return QString();
    }
}

QList<int> buttonsOf(int flags)
{
    using namespace mbResult;
    switch (flags & 0x0F) {
    case 1: return {Ok, Cancel};
    case 2: return {Abort, Retry, Ignore};
    case 3: return {Yes, No, Cancel};
    case 4: return {Yes, No};
    case 5: return {Retry, Cancel};
    default: return {Ok};
    }
}

int MsgBox(QWidget *owner, Language lang, const QString &prompt, int flags, const QString &title)
{
    MessageRequest request{prompt, flags, title.isEmpty() ? applicationTitle() : title, lang};
    if (answerer())
        return answerer()(request);

    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(iconOf(flags), request.title, request.prompt, QMessageBox::NoButton, owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    // A screen reader announces an alert by its name and description: the title (the
    // program's own where the message has none) and the message itself.
    box.setAccessibleName(request.title);
    box.setAccessibleDescription(request.prompt);
    if (flags & mb::SystemModal) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }

    const QList<int> codes = buttonsOf(flags);
    QList<QPushButton *> buttons;
    for (int code : codes) {
        QPushButton *b = box.addButton(buttonCaption(code, lang), roleOf(code));
        b->setProperty("code", code);
        buttons << b;
    }
    const int defaultIndex = qBound(0, (flags & 0xF00) / mb::DefaultButton2, int(buttons.size()) - 1);
    box.setDefaultButton(buttons[defaultIndex]);
    // Escape and the close box mean Cancel where the box has one, OK on a lone OK box;
    // a Yes/No question must be answered.
    if (codes.contains(mbResult::Cancel))
        box.setEscapeButton(buttons[codes.indexOf(mbResult::Cancel)]);
    else if (codes.size() == 1)
        box.setEscapeButton(buttons[0]);

    box.exec();
    if (auto *clicked = box.clickedButton())
        return clicked->property("code").toInt();
    return codes.contains(mbResult::Cancel) ? mbResult::Cancel : codes.first();
}

int MsgBox(QWidget *owner, Language lang, const Message &m)
{
    return MsgBox(owner, lang, m.text, m.flags, m.title);
}

int MsgBox(QWidget *owner, Language lang, MessageId id, const QString &arg)
{
    return MsgBox(owner, lang, message(id, lang, arg));
}

} // namespace kt913

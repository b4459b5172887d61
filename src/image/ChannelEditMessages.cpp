// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEditMessages.h"
#include "MemoryMap.h"
#include <QStringList>

namespace kt913 {

namespace {

constexpr int YesNo = 4;

struct Entry {
    RowMessage id;
    const char *zh, *en;
    const char *titleZh, *titleEn;
    int flags;
};

const Entry kRowMessages[] = {
    {RowMessage::InsertLastInUse, "本组最后一个信道 %1 正在使用，不能插入。请先删除或移走它。",
     "The group's last channel, %1, is in use: there is no room to insert. Delete or move it first.", "注意",
     "Be careful", mb::Exclamation},
    {RowMessage::PasteBeyondGroup, "要粘贴 %1 个信道，但本组从当前行起只剩 %2 个，未粘贴。",
     "%1 channels to paste, but the group has only %2 from the current row on: nothing was pasted.", "注意",
     "Be careful", mb::Exclamation},
    {RowMessage::PasteOverwrite, "粘贴将覆盖正在使用的信道 %1，确定吗？",
     "The paste replaces channels in use: %1. Go on?", "注意", "Be careful",
     YesNo | mb::Question | mb::DefaultButton2},
    {RowMessage::PasteRowsRefused, "以下各行无法粘贴，其信道保持不变：\n%1",
     "These rows cannot be pasted; their channels stay as they were:\n%1", "注意", "Be careful", mb::Exclamation},
    {RowMessage::PasteNothing, "剪贴板中没有信道数据。", "The clipboard holds no channel rows.", "注意", "Be careful",
     mb::Exclamation},
    {RowMessage::PasteUnreadable, "剪贴板中的文字无法粘贴：%1", "The clipboard's text cannot be pasted: %1", "注意",
     "Be careful", mb::Exclamation},
};

} // namespace

Message rowMessage(RowMessage id, Language lang, const QString &arg1, const QString &arg2)
{
    for (const Entry &e : kRowMessages) {
        if (e.id != id)
            continue;
        QString text = textIn(lang, e.zh, SourceText{"MsgBox", e.en});
        if (text.contains(QLatin1String("%2")))
            text = text.arg(arg1, arg2);
        else if (text.contains(QLatin1String("%1")))
            text = text.arg(arg1);
        return {text, textIn(lang, e.titleZh, SourceText{"MsgBox", e.titleEn}), e.flags};
    }
    return {};
}

QList<SourceText> rowMessageSourceTexts()
{
    QList<SourceText> texts;
    for (const Entry &e : kRowMessages)
        texts << SourceText{"MsgBox", e.en} << SourceText{"MsgBox", e.titleEn};
    return texts;
}

QString channelLabels(const QList<int> &channels, int shown)
{
    QStringList labels;
    for (int n : channels) {
        if (labels.size() == shown) {
            labels << QStringLiteral("…");
            break;
        }
        const bool a = n <= map::kGroupSize;
        labels << QStringLiteral("%1%2").arg(a ? QLatin1Char('A') : QLatin1Char('B')).arg(a ? n : n - map::kGroupSize);
    }
    return labels.join(QStringLiteral(", "));
}

} // namespace kt913

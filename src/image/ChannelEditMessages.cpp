// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEditMessages.h"
#include "MemoryMap.h"
#include <QStringList>

namespace kt913 {

namespace {

constexpr int YesNo = 4;
constexpr int Information = 64;

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
    {RowMessage::MoveNoRoom, "要移动 %1 个信道，但另一组最后一个使用中的信道之后只剩 %2 个，未移动。",
     "%1 channels to move, but the other group has only %2 left after its last channel in use: nothing was moved.",
     "注意", "Be careful", mb::Exclamation},
    {RowMessage::DuplicatesFound, "有 %1 个信道与其它信道的接收频率和亚音频都相同，已选中它们。",
     "%1 channels share their receive frequency and tones with another channel; they are selected.", "查找重复",
     "Find Duplicates", Information},
    {RowMessage::NoDuplicates, "没有接收频率和亚音频都相同的信道。",
     "No two channels share their receive frequency and tones.", "查找重复", "Find Duplicates", Information},
};

struct Note {
    ArrangeNote id;
    const char *zh, *en;
};

const Note kNotes[] = {
    {ArrangeNote::Sorted, "已排序 %1 个信道：%2。", QT_TRANSLATE_NOOP("Form1", "%1 channels sorted: %2.")},
    {ArrangeNote::Compacted, "已上移 %1 个信道，空信道在本组末尾。",
     QT_TRANSLATE_NOOP("Form1", "%1 channels moved up; the unused ones are at the group's end.")},
    {ArrangeNote::Moved, "信道已移到 %1。", QT_TRANSLATE_NOOP("Form1", "Channels moved to %1.")},
    {ArrangeNote::Found, "找到：%1", QT_TRANSLATE_NOOP("Form1", "Found: %1")},
    {ArrangeNote::NotFound, "找不到“%1”。", QT_TRANSLATE_NOOP("Form1", "\"%1\" was not found.")},
    {ArrangeNote::Unchanged, "信道已按此顺序排列，没有改变。", QT_TRANSLATE_NOOP("Form1", "The channels were in that order already; nothing changed.")},
};

QString fill(const QString &text, const QString &arg1, const QString &arg2)
{
    if (text.contains(QLatin1String("%2")))
        return text.arg(arg1, arg2);
    if (text.contains(QLatin1String("%1")))
        return text.arg(arg1);
    return text;
}

} // namespace

QString arrangeNote(ArrangeNote id, Language lang, const QString &arg1, const QString &arg2)
{
    for (const Note &n : kNotes)
        if (n.id == id)
            return fill(textIn(lang, n.zh, SourceText{"Form1", n.en}), arg1, arg2);
    return {};
}

QStringList sortKeyTexts(Language lang)
{
    return {textIn(lang, "接收频率", KT913_TR("Form1", "Receive frequency")),
            textIn(lang, "发射频率", KT913_TR("Form1", "Transmit frequency")),
            textIn(lang, "名称", KT913_TR("Form1", "Name")), textIn(lang, "亚音频", KT913_TR("Form1", "Tone"))};
}

QStringList sortOrderTexts(Language lang)
{
    return {textIn(lang, "升序", KT913_TR("Form1", "Ascending")), textIn(lang, "降序", KT913_TR("Form1", "Descending"))};
}

Message rowMessage(RowMessage id, Language lang, const QString &arg1, const QString &arg2)
{
    for (const Entry &e : kRowMessages) {
        if (e.id != id)
            continue;
        const QString text = fill(textIn(lang, e.zh, SourceText{"MsgBox", e.en}), arg1, arg2);
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

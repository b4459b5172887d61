// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

namespace kt913 {
namespace {

struct Entry {
    MessageId id;
    const char *zh, *en;
    const char *titleZh, *titleEn; // nullptr: the application's title
    int flags;
};

const Entry kMessages[] = {
    {MessageId::PortInvalid, "串行端口无效", "The serial port is invalid", nullptr, nullptr, mb::Ok},
    {MessageId::PortUnavailable, "串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.",
     "Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.",
     "错误", "Mistake", mb::Exclamation},
    {MessageId::ReadingLabel, "正在读频，请稍候。", "Reading frequently, please wait a moment.", nullptr, nullptr, 0},
    {MessageId::ReadingCaption, "正在读取……", "Reading……", nullptr, nullptr, 0},
    {MessageId::WritingLabel, "正在写频，请稍候。", "Writing frequently, please wait a moment.", nullptr, nullptr, 0},
    {MessageId::WritingCaption, "正在写入……", "Writing……", nullptr, nullptr, 0},
    {MessageId::ReadSucceeded, "读频成功！", "Reading succeeds frequently!", "提示", "Suggestion", mb::Ok},
    {MessageId::WriteSucceeded, "写频成功！", "Writing succeeds frequently!", "提示", "Suggestion", mb::Ok},
    {MessageId::BandMismatchRefused, "频段不符，不能写入！", "The frequency band is not accorded with, can't write into!",
     "错误", "Mistake", mb::Exclamation},
    {MessageId::BandMismatchConfirm, "频段不符，是否强制写入？",
     "The frequency band is not accorded with, whether write into by force?", "注意", "Be careful", mb::AskOkCancel},
    {MessageId::CommunicationError, "通信出错，请检查对讲机，连线及串口选择！",
     "Communication error, check the line and the serial connection selection!", "错误", "Mistake", mb::Critical},
    {MessageId::NewConfirm, "未保存的数据将会丢失，确定吗？", "Unsaved data will be lost, sure?", "注意", "Attention",
     mb::AskOkCancel},
    {MessageId::FileTypeIncorrect, "文件类型不正确！", "File type is incorrect!", "错误", "Mistake", mb::Critical},
    {MessageId::FileIncomplete, "文件不完整！", "File is incomplete!", "错误", "Mistake", mb::Critical},
    {MessageId::QuitConfirm, "确定退出本程序？\r\n未保存的更改将全部丢失！",
     "Confirm that withdraws from a procedure?\r\nLose all in change not kept!", "注意", "Be careful", mb::AskOkCancel},
    {MessageId::FrequencyOutOfBand, "超出频段范围", "Beyond the scope of frequency band", nullptr, nullptr, mb::Ok},
    {MessageId::BandChangeConfirm, "改变频段将清除频道列表，确定吗？",
     "Changing the frequency band will remove the channel tabulation, confirm?", "注意！", "Be careful!", mb::AskOkCancel},
    {MessageId::FileOpenFailed, "无法打开文件：%1", "The file cannot be opened: %1", "错误", "Mistake", mb::Critical},
    {MessageId::FileSaveFailed, "无法保存文件：%1", "The file cannot be saved: %1", "错误", "Mistake", mb::Critical},
    {MessageId::ChannelsOutsideBand, "%1 个频道超出对讲机的频段", "%1 channels are outside the radio's band", "注意",
     "Attention", mb::AskOkCancel},
};

} // namespace

QList<SourceText> messageSourceTexts()
{
    QList<SourceText> texts;
    for (const Entry &e : kMessages) {
        texts.push_back({"MsgBox", e.en});
        if (e.titleEn)
            texts.push_back({"MsgBox", e.titleEn});
    }
    return texts;
}

QString applicationTitle()
{
    return QStringLiteral("KT-913");
}

Message message(MessageId id, Language lang, const QString &arg)
{
    for (const Entry &e : kMessages) {
        if (e.id != id)
            continue;
        QString text = textIn(lang, e.zh, SourceText{"MsgBox", e.en});
        if (text.contains(QLatin1String("%1")))
            text = text.arg(arg);
        const QString title = e.titleZh ? textIn(lang, e.titleZh, SourceText{"MsgBox", e.titleEn}) : QString();
        return {text, title, e.flags};
    }
    return {};
}

} // namespace kt913

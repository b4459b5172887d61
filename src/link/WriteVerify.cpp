// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/WriteVerify.h"
#include "image/MemoryMap.h"

namespace kt913 {

namespace {
constexpr int kFirstUnwritten = 0x7C0, kFirstDebugBlock = map::kDebugBlockB, kAfterDebugBlocks = 0x800;
}

bool writeSendsAddress(int address, bool debugUnlocked)
{
    if (address < 0 || address >= kImageSize)
        return false;
    if (address < kFirstUnwritten || address >= kAfterDebugBlocks)
        return true;
    return debugUnlocked && address >= kFirstDebugBlock;
}

VerifyResult compareWritten(const Image &sent, const Image &readBack, bool debugUnlocked)
{
    VerifyResult result;
    for (int a = 0; a < kImageSize; ++a) {
        if (!writeSendsAddress(a, debugUnlocked) || sent[std::size_t(a)] == readBack[std::size_t(a)])
            continue;
        if (result.differing++ == 0)
            result.firstAddress = a;
    }
    return result;
}

Message verifyFailedMessage(const VerifyResult &result, Language lang)
{
    Message m;
    m.title = textIn(lang, "错误", "Mistake");
    m.flags = mb::Exclamation;
    if (!result.readBack) {
        m.text = textIn(lang, "写频后无法回读，未能校验。请检查对讲机，连线及串口选择！",
                                        "The radio could not be read back after writing, so the write is "
                                        "not verified. Check the radio, the line and the serial connection selection!");
        return m;
    }
    const QString address = QStringLiteral("0x") + QString::number(result.firstAddress, 16).toUpper().rightJustified(3, QLatin1Char('0'));
    m.text = QString::fromUtf8(pick(lang, "写频校验失败：%1 个字节与写入的不符，第一个在地址 %2。",
                                    "Write verification failed: %1 byte(s) differ from what was written, the first at address %2."))
                 .arg(result.differing)
                 .arg(address);
    return m;
}

QString verifyingText(Language lang)
{
    return textIn(lang, "正在校验，请稍候。", "Verifying, please wait a moment.");
}

QString verifiedText(Language lang)
{
    return textIn(lang, "校验无误：回读与写入的完全一致。", "Verified: the radio reads back exactly what was written.");
}

} // namespace kt913

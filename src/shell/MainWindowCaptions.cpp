// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ShellCaptions.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QWidget>

namespace kt913 {

namespace {

// The port list pops up under the "Programming" menu, which sits further right in
// English (and in a translation, which starts from the English).
void placePortList(QWidget *window, Language lang)
{
    if (auto *comboCom = findControl<QWidget *>(window, QStringLiteral("ComboCom"))) {
        comboCom->setGeometry(twips(lang != Language::Chinese ? 3475 : 2475), 0, twips(1185), comboCom->height());
    }
}

} // namespace

const CaptionTable &mainWindowCaptions()
{
    static const CaptionTable table{
        "MDIForm1",
        {
            {"", CaptionProperty::Caption, -1, "KT-913 对讲机编程软件", "KT-913 Radio Programming Software"},
            {"StatusBar1", CaptionProperty::StatusPanel, 2, "kt913 项目 · 自由软件", "The kt913 project · free software"},
            {"MNFile", CaptionProperty::Caption, -1, "文件(&F)", "File(&F)"},
            {"MNNew", CaptionProperty::Caption, -1, "新建(&N)", "New(&N)"},
            {"MNOpen", CaptionProperty::Caption, -1, "打开(&O)", "Open(&O)"},
            {"MNRecent", CaptionProperty::Caption, -1, "最近的文件(&R)", "Recent Files(&R)"},
            {"MNSave", CaptionProperty::Caption, -1, "保存(&S)", "Save(&S)"},
            {"MNImportCsv", CaptionProperty::Caption, -1, "导入CSV(&I)...", "Import CSV(&I)..."},
            {"MNExportCsv", CaptionProperty::Caption, -1, "导出CSV(&E)...", "Export CSV(&E)..."},
            {"MNPrint", CaptionProperty::Caption, -1, "打印(&P)", "Print(&P)"},
            {"MNQuit", CaptionProperty::Caption, -1, "退出(&Q)", "Quit(&Q)"},
            {"MNEdit", CaptionProperty::Caption, -1, "编辑(&E)", "Edit(&E)"},
            {"MNModel", CaptionProperty::Caption, -1, "信道编辑(&M)", "Channel Edit(&M)"},
            {"MNDTMF", CaptionProperty::Caption, -1, "DTMF信令(&D)", "DTMF(&D)"},
            {"MNOption", CaptionProperty::Caption, -1, "可选功能(&P)", "Optional Features(&P)"},
            {"MNFMset", CaptionProperty::Caption, -1, "收音机频道设置", "FM Channel Set"},
            {"MNDebug", CaptionProperty::Caption, -1, "调试信息(&B)", "Debug Information(&B)"},
            {"MNProgram", CaptionProperty::Caption, -1, "编程(&G)", "Programming(&G)"},
            {"MNRead", CaptionProperty::Caption, -1, "读频(&R)", "Read Data from the Transceive(&R)"},
            {"MNWrite", CaptionProperty::Caption, -1, "写频(&W)", "Write Data in the Transceive(&W)"},
            {"MNVerify", CaptionProperty::Caption, -1, "写频后校验(&V)", "Verify after Writing(&V)"},
            {"MNPreview", CaptionProperty::Caption, -1, "写频前预览(&P)", "Preview before Writing(&P)"},
            {"MNCompare", CaptionProperty::Caption, -1, "与对讲机比较(&M)", "Compare with Radio(&M)"},
            {"MNCommPort", CaptionProperty::Caption, -1, "通信端口(&C)", "Communication Port(&C)"},
            {"MNOtherPort", CaptionProperty::Caption, -1, "其他端口(&O)...", "Other Port(&O)..."},
            {"MNLanguage", CaptionProperty::Caption, -1, "语言选择(&L)", "Language Select(&L)"},
            {"MNChinese", CaptionProperty::Caption, -1, "中文(&C)", "Chinese(&C)"},
            {"MNEnglish", CaptionProperty::Caption, -1, "英文(&E)", "English(&E)"},
            {"MNHelp", CaptionProperty::Caption, -1, "帮助(&H)", "Help(&H)"},
            {"MNF1", CaptionProperty::Caption, -1, "帮助主题(F1)", "Help Theme"},
            {"MNKeys", CaptionProperty::Caption, -1, "键盘操作(&K)", "Keyboard Use(&K)"},
            {"MNAbout", CaptionProperty::Caption, -1, "软件信息", "Software Information"},
            {"Label1", CaptionProperty::Caption, -1, "频段:", "Range:"}, // the band list's label
            {"TNew", CaptionProperty::ToolTip, -1, "新建", "New"},
            {"TOpen", CaptionProperty::ToolTip, -1, "打开", "Open"},
            {"TSave", CaptionProperty::ToolTip, -1, "保存", "Save"},
            {"TRead", CaptionProperty::ToolTip, -1, "读频", "Read Data from the Transceive"},
            {"TWrite", CaptionProperty::ToolTip, -1, "写频", "Write Data in the Transceive"},
            // The lock buttons have no tooltip; a screen reader still needs to call them
            // something, and to know that they act on a second press.
            {"TAnMa", CaptionProperty::AccessibleName, -1, "锁定强制写频", "Lock forced writing"},
            {"TAnMa", CaptionProperty::AccessibleDescription, -1, "一秒内按两次", "Press twice within a second"},
            {"TDebug", CaptionProperty::AccessibleName, -1, "锁定调试", "Lock debugging"},
            {"TDebug", CaptionProperty::AccessibleDescription, -1, "一秒内按两次", "Press twice within a second"},
            {"ComboCom", CaptionProperty::AccessibleName, -1, "通信端口", "Communication Port"},
        },
        placePortList,
    };
    return table;
}

} // namespace kt913

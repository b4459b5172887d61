// SPDX-License-Identifier: GPL-3.0-or-later
// The optional features window (OptionalFeaturesEditor): its controls, their items in both languages,
// their "New" values and the captions of their labels.
#include "FormBuilders.h"
#include "FormDescriptions.h"
#include "ToneList.h"

namespace kt913 {
using namespace build;

namespace {

ControlDescription at(const char *parent, int column, ControlDescription c)
{
    c.parent = QString::fromLatin1(parent);
    c.column = column;
    return c;
}

QStringList counted(const char *firstZh, const char *suffixZh, int count)
{
    QStringList l{QString::fromUtf8(firstZh)};
    for (int i = 1; i <= count; ++i)
        l << QString::number(i) + QString::fromUtf8(suffixZh);
    return l;
}

FormDescription makeOptions()
{
    const QStringList offOnZh = utf8({"关", "开"}), offOnEn = utf8({"Off", "On"});
    const QStringList onOffZh = utf8({"开", "关"}), onOffEn = utf8({"On", "Off"});
    const QStringList enabledZh = utf8({"使能", "禁止"}), enabledEn = utf8({"On", "Off"});
    const QStringList barredZh = utf8({"禁止", "使能"}), barredEn = utf8({"Off", "On"});
    const QStringList displayZh = utf8({"频率", "频率与频道"}), displayEn = utf8({"Frequency", "Fre And Channel"});
    const QStringList steps = utf8({"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"});
    const QStringList powerZh = utf8({"低", "高"}), powerEn = utf8({"Low", "High"});
    const QStringList busyZh = utf8({"载波", "关"}), busyEn = utf8({"Carry", "Off"});
    const QStringList widthZh = utf8({"窄带", "宽带"}), widthEn = utf8({"Narrow", "Wide"});
    const QStringList directionZh = utf8({"+异频", "-异频", "无异频"}), directionEn = utf8({"Plus", "Minus", "Off"});
    const QStringList keepOnZh = utf8({"开启", "关闭"}), keepOnEn = utf8({"On", "Off"});

    FormDescription d;
    d.name = QStringLiteral("Form3");
    d.keys = &OptionsControls::table;
    d.captionZh = QStringLiteral("可选功能");
    d.captionEn = QStringLiteral("Optional Features");
    auto &c = d.controls;

    // Function page, left column.
    c.push_back(at("Frame2", 0, decoded(labelled(list("Combo1", "group A display mode", displayZh, displayEn, 1), "Label1", "A组显式模式:", "A Display Mode:"), 4, 1)));
    c.push_back(at("Frame2", 0, decoded(labelled(list("Combo17", "group B display mode", displayZh, displayEn, 1, true), "Label32", "B组显式模式:", "B Display Mode:"), 2, 0)));
    c.push_back(at("Frame2", 0, labelled(list("Combo7", "key beep", offOnZh, offOnEn, 1), "Label7", "提示音:", "Beep:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo9", "key lock", keepOnZh, keepOnEn, 1), "Label9", "键盘锁:", "Key Lock:")));
    c.push_back(at("Frame2", 0, labelled(list("ComboMod", "scan mode", utf8({"载波", "时间"}), utf8({"Carry", "Time"}), 1, true), "LabelMod", "扫描模式:", "Scan Mode:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo18", "key-lock mode", utf8({"K+S", "PTT", "KEY", "ALL"}), {}, 2), "Label33", "锁键模式:", "KeyLock Mode:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo2", "power-on password", onOffZh, onOffEn, 1, true), "Label12", "开机密码设定:", "Power On Password:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo13", "FM radio search mode", utf8({"手动", "自动"}), utf8({"Manual", "Auto"}), 1, true), "Label17", "收音机搜台模式:", "FM Radio Search Mode:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo6", "FM radio monitor", utf8({"关闭", "打开"}), utf8({"Off", "On"}), 1), "Label13", "收音机监听信号:", "FM Dual Watch:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo20", "tail-noise elimination", offOnZh, offOnEn, 1, true), "Label35", "尾音消除:", "Eliminate End-Noice:")));
    c.push_back(at("Frame2", 0, decoded(labelled(list("Combo35", "automatic power-off", counted("关", " 小时", 15), counted("Off", " Hour", 15), 0), "Label40", "自动关机:", "APO:"), 16, 0)));
    c.push_back(at("Frame2", 0, decoded(labelled(list("Combo32", "power-on display", utf8({"关闭", "电池电压", "字符"}), utf8({"OFF", "DC", "MSG"}), 1), "Label38", "开机信息显示方式:", "Power on Mode:"), 3, 1)));
    c.push_back(at("Frame2", 0, labelled(list("Combo11", "group A channel-name display", enabledZh, enabledEn, 0), "Label11", "A频段自命名频道名称:", "A Self-Regard Channel:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo40", "group B channel-name display", enabledZh, enabledEn, 0), "Label56", "B频段自命名频道名称:", "B Self-Regard Channel:")));
    c.push_back(at("Frame2", 0, labelled(list("Combo10", "dual watch", offOnZh, offOnEn, 0), "Label10", "双频待机:", "TDR Mode:")));
    c.push_back(at("Frame2", 0, decoded(labelled(list("Combo39", "dual-watch return channel", utf8({"选定频道", "当前通话频道"}), utf8({"Selected Channel", "Current Call Channel"}), 0), "Label55", "双频待机回复频道:", "Return Channel:"), 2, 1)));

    // Function page, right column.
    c.push_back(at("Frame2", 1, decoded(labelled(text("Text6", "group A current channel number", 3, "1"), "Label6", "A组当前频道数:", "A Channel Number:"), 129, -1)));
    c.push_back(at("Frame2", 1, decoded(labelled(text("Text2", "group B current channel number", 3, "1"), "Label2", "B组当前频道数:", "B Channel Number:"), 65, -1)));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo3", "group A step", steps, {}, 4), "Label3", "A组步进频率:", "A Step Frequency:"), 8, 1)));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo37", "group B step", steps, {}, 4), "Label43", "B组步进频率:", "B Step Frequency:"), 8, 4)));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo5", "group A squelch level", numbers(0, 9), {}, 4), "Label5", "A组静噪等级:", "A Squelch Level:"), 10, 5)));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo36", "group B squelch level", numbers(0, 9), {}, 4), "Label41", "B组静噪等级:", "B Squelch Level:"), 10, 5)));
    c.push_back(at("Frame2", 1, labelled(list("Combo8", "battery save", offOnZh, offOnEn, 1), "Label8", "省电:", "Battery Save:")));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo19", "TX time-out", counted("关闭", " 分钟", 7), counted("Off", " Minute", 7), 1), "Label19", "发射超时:", "Time-out Timer:"), 8, 2)));
    c.push_back(at("Frame2", 1, labelled(list("Combo16", "roger tone", onOffZh, onOffEn, 1, true), "Label18", "通话结束提示音:", "ROGER:")));
    c.push_back(at("Frame2", 1, labelled(list("Combo33", "main channel", utf8({"B组", "A组"}), utf8({"Group B", "Group A"}), 1), "Label34", "主频道:", "Main Channel:")));
    c.push_back(at("Frame2", 1, labelled(list("Combo21", "backlight", utf8({"OFF", "KEY", "CONT"}), {}, 1), "Label36", "背光灯方式:", "Lamp Mode:")));
    c.push_back(at("Frame2", 1, decoded(labelled(list("Combo34", "memory-channel display mode", keepOnZh, keepOnEn, 1, true), "Label39", "记忆频道显示模式:", "Memory display Mode:"), 2, 1)));
    c.push_back(at("Frame2", 1, labelled(list("Combo38", "standby display", utf8({"单显", "双显"}), utf8({"Single Show", "Double Show"}), 1, true), "Label54", "守候模式:", "Standby Mode:")));
    c.push_back(at("Frame2", 1, labelled(text("Text31", "power-on display characters", 6, ""), "Label31", "开机显示字符:", "Display Character:")));
    c.push_back(at("Frame2", 1, labelled(text("Text1", "4-digit power-on password", 4, nullptr), "Label42", "4位开机密码:", "Password:")));

    // VOX frame.
    c.push_back(at("Frame1", 0, labelled(list("Combo31", "VOX switch", offOnZh, offOnEn, 0), "Label37", "VOX 开关:", "VOX Swith:")));
    c.push_back(at("Frame1", 0, labelled(list("Combo14", "VOX gain level", numbers(1, 8), {}, 3), "Label14", "VOX增益电平:", "VOX Gain Level:")));
    c.push_back(at("Frame1", 0, labelled(list("Combo15", "VOX delay", numbers(1, 4), {}, 0), "Label15", "VOX延迟时间(秒):", "VOX Delay Time(s):")));
    c.push_back(at("Frame1", 0, hidden(labelled(check("Check12", "allow cancelling"), "", "允许取消操作", "Allow to Cancel Operating"))));
    c.push_back(at("Frame1", 0, hidden(labelled(check("Check13", "no VOX while receiving"), "", "接收时禁止VOX", "Prohibit VOX in the receiving"))));

    // VFO page: group A, then group B.
    const QStringList &toneZh = toneList(Language::Chinese), &toneEn = toneList(Language::English);
    struct Vfo {
        const char *freq, *offset, *rx, *tx, *power, *direction, *width, *busy, *scan, *inhibit;
        const char *lFreq, *lOffset, *lRx, *lTx, *lPower, *lDirection, *lWidth, *lBusy, *lScan, *lInhibit;
        const char *group;
    };
    const Vfo vfos[] = {
        {"Text20", "Text21", "Combo22", "Combo23", "Combo24", "Combo30", "Combo27", "Combo25", "Combo26", "Combo28",
         "Label20", "Label21", "Label22", "Label23", "Label24", "Label30", "Label27", "Label25", "Label26", "Label28", "A"},
        {"Text3", "Text4", "Combo46", "Combo47", "Combo48", "Combo49", "Combo50", "Combo51", "Combo52", "Combo53",
         "Label45", "Label44", "Label46", "Label47", "Label48", "Label49", "Label50", "Label51", "Label52", "Label53", "B"},
    };
    for (const Vfo &v : vfos) {
        const QByteArray g = QByteArray("VFO ") + v.group + " ";
        const char *frame = v.group[0] == 'A' ? "Frame3" : "Frame5";
        c.push_back(at(frame, 0, labelled(text(v.freq, (g + "frequency").constData(), 9, nullptr), v.lFreq, "全频频率:", "Frequency:")));
        c.push_back(at(frame, 0, labelled(text(v.offset, (g + "repeater offset").constData(), 8, "0.00000"), v.lOffset, "异频数:", "Offset Data:")));
        c.push_back(at(frame, 0, labelled(list(v.rx, (g + "RX tone").constData(), toneZh, toneEn, 0), v.lRx, "接收亚音频:", "QT/DQT Dec:")));
        c.push_back(at(frame, 0, labelled(list(v.tx, (g + "TX tone").constData(), toneZh, toneEn, 0), v.lTx, "发射亚音频:", "QT/DQT Enc:")));
        c.push_back(at(frame, 0, labelled(list(v.power, (g + "power").constData(), powerZh, powerEn, 1), v.lPower, "功率:", "Power:")));
        c.push_back(at(frame, 0, labelled(list(v.direction, (g + "offset direction").constData(), directionZh, directionEn, 2), v.lDirection, "异频:", "Off Set Frequency:")));
        c.push_back(at(frame, 0, labelled(list(v.width, (g + "bandwidth").constData(), widthZh, widthEn, 1), v.lWidth, "宽/窄带:", "Band:")));
        c.push_back(at(frame, 0, labelled(list(v.busy, (g + "busy-channel lockout").constData(), busyZh, busyEn, 1), v.lBusy, "繁忙信道锁定:", "BusyChannel Lock:")));
        c.push_back(at(frame, 0, hidden(labelled(list(v.scan, (g + "scan add").constData(), barredZh, barredEn, 1), v.lScan, "扫描添加:", "Add Scan:"))));
        c.push_back(at(frame, 0, hidden(labelled(list(v.inhibit, (g + "TX inhibit").constData(), onOffZh, onOffEn, 1), v.lInhibit, "发射禁止:", "TX Stop:"))));
    }
    // Hidden radio-wide settings below the group A fields.
    c.push_back(at("Frame3", 0, hidden(labelled(list("Combo4", "call tone", utf8({"关闭", "TONE1", "TONE2", "TONE3", "TONE4", "TONE5"}), {}, 4), "Label4", "呼叫音:", nullptr))));
    c.push_back(at("Frame3", 0, hidden(labelled(list("Combo29", "VFO A companding", barredZh, barredEn, 1), "Label29", "压扩:", "Companding:"))));
    c.push_back(at("Frame3", 0, hidden(labelled(list("Combo12", "VFO A scramble", enabledZh, enabledEn, 1), "Label16", "扰频:", "Scramble:"))));

    // The pages and frames. Frame1 (VOX) stands beside both pages; Frame4 and its option
    // buttons are never shown.
    using E = ElementDescription;
    auto &e = d.elements;
    e.push_back(element(E::Tabs, "TabStrip1", utf8({"功能设置", "全频模式设置"}), utf8({"FunctionSet", "VFO Set"})));
    e.push_back(element(E::Frame, "Frame2", utf8({"功能设置"}), utf8({"Function Set"}), "TabStrip1#0"));
    e.push_back(element(E::Frame, "Frame3", utf8({"A组全频频率"}), utf8({"A Group VFO"}), "TabStrip1#1"));
    e.push_back(element(E::Frame, "Frame5", utf8({"B组全频频率"}), utf8({"B Group VFO"}), "TabStrip1#1"));
    e.push_back(element(E::Frame, "Frame1", utf8({"VOX(声控发射)"}), utf8({"VOX"})));
    e.push_back(element(E::Frame, "Frame4", {}, {}, "", true));
    for (const char *option : {"Option1", "Option2", "Option3"}) {
        ElementDescription o = element(E::Option, option, utf8({"功能设置"}), {}, "Frame4", true);
        o.translated = false;
        e.push_back(o);
    }
    d.widthTwips = 12960;
    d.heightTwips = 8635;
    return d;
}

} // namespace

const FormDescription &optionsFormDescription()
{
    static const FormDescription d = makeOptions();
    return d;
}

} // namespace kt913

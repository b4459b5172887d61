// SPDX-License-Identifier: GPL-3.0-or-later
// Control tables of the DTMF, debug and FM windows and the channel editor's lists.
#include "FormDescriptions.h"
#include "FormBuilders.h"
#include "MemoryMap.h"

namespace kt913 {
using namespace build;

namespace {

FormDescription makeDtmf()
{
    FormDescription d;
    d.name = QStringLiteral("Form2");
    d.keys = &DtmfControls::table;
    d.captionZh = d.captionEn = QStringLiteral("DTMF(双音多频)");
    d.captionTranslated = false;
    d.widthTwips = 5750;
    d.heightTwips = 3600;
    auto &c = d.controls;
    QStringList delayZh, delayEn;
    for (int i = 0; i <= 9; ++i) {
        delayZh << QString::number(i * 200) + QStringLiteral("毫秒");
        delayEn << QString::number(i * 200) + QStringLiteral("MS");
    }
    c.push_back(in("Frame2", labelled(list("Combo16", "DTMF rate", utf8({"快", "慢"}), utf8({"Fast", "Slow"}), 0), "Label16", "DTMF速率：", "DTMF Rate：")));
    c.push_back(in("Frame2", labelled(list("Combo17", "first-digit delay", delayZh, delayEn, 6), "Label17", "首位数码延迟：", "First Digital Delay：")));
    c.push_back(in("Frame2", labelled(text("Text2", "ANI start code", 16, ""), "Label2", "ANI开始码：", "ANI Start Code：")));
    c.push_back(in("Frame2", labelled(text("Text4", "ANI end code", 16, nullptr), "Label4", "ANI结束码：", "ANI End Code：")));
    c.push_back(in("Frame2", labelled(list("Combo1", "when ANI is sent", utf8({"发射开始", "发射结束", "两者"}), utf8({"Start Send", "End Send", "Both"}), 0, true), "Label32", "ANI：", "ANI：")));
    c.push_back(in("Frame2", hidden(labelled(list("Combo18", "group call code", utf8({"空", "A", "B", "C", "D"}), utf8({"Empty", "A", "B", "C", "D"}), 0), "Label18", "群呼码：", "Group Call Code："))));
    c.push_back(in("Frame2", hidden(labelled(text("Text3", "own code", 8, ""), "Label3", "自身码：", "Own Code："))));
    static const char *const ordinalZh[] = {"一", "二", "三", "四", "五", "六", "七", "八"};
    static const char *const ordinalEn[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eight"};
    for (int i = 0; i < 8; ++i) {
        ControlDescription t = hidden(text("Text1", "auto-dial memory", 16, ""));
        t.name = QStringLiteral("Text1(%1)").arg(i);
        t.label = QStringLiteral("Label1(%1)").arg(i);
        t.captionZh = QStringLiteral("第%1组自动拔号存储器").arg(QString::fromUtf8(ordinalZh[i]));
        t.captionEn = QStringLiteral("%1 Autodial Memory").arg(QLatin1String(ordinalEn[i]));
        t.parent = QStringLiteral("Frame1");
        c.push_back(t);
    }
    // Frame3 stands empty at the top; its two option buttons and the auto-dial frame
    // Frame1 are never shown.
    using E = ElementDescription;
    d.elements.push_back(element(E::Frame, "Frame3", {}, {}));
    d.elements.push_back(element(E::Option, "Option1", utf8({"自动拔号存储器"}), utf8({"Auto-dialing Memory"}), "Frame3", true));
    d.elements.push_back(element(E::Option, "Option2", utf8({"其它功能"}), utf8({"Other Features"}), "Frame3", true));
    d.elements.push_back(element(E::Frame, "Frame2", {}, {}));
    d.elements.push_back(element(E::Frame, "Frame1", {}, {}, "", true));
    return d;
}

// Slider start positions: high power 215, middle power 160 (middle section 208), low 150.
int sliderStart(int i)
{
    switch ((i % 9) / 3) {
    case 0: return 215;
    case 1: return i % 3 == 1 ? 208 : 160;
    default: return 150;
    }
}

FormDescription makeDebug()
{
    FormDescription d;
    d.name = QStringLiteral("Form4");
    d.keys = &DebugControls::table;
    d.captionZh = QStringLiteral("调试信息");
    d.captionEn = QStringLiteral("Debugging Information");
    static const char *const sectionZh[] = {"高段", "中段", "低段"};
    static const char *const sectionEn[] = {"High Sect", "Mid Sect", "Low Sect"};
    for (int i = 0; i < map::kSliderCount; ++i) {
        ControlDescription s;
        s.name = QStringLiteral("Slider1(%1)").arg(i);
        s.kind = ControlKind::Slider;
        s.purpose = QStringLiteral("alignment value %1").arg(i);
        s.minimum = 0;
        s.maximum = 255;
        s.initialValue = QString::number(sliderStart(i));
        s.hidden = (i % 9) / 3 == 1; // the middle power frames are never shown
        s.label = QStringLiteral("Label1(%1)").arg(i);
        s.captionZh = QString::fromUtf8(sectionZh[i % 3]);
        s.captionEn = QString::fromUtf8(sectionEn[i % 3]);
        s.parent = QStringLiteral("Frame1(%1)").arg(i / 3);
        s.enabled = false; // the debug mode enables them
        s.singleStep = 1;
        s.pageStep = 5;
        s.tickInterval = 15;
        s.valueLabel = QStringLiteral("Label2(%1)").arg(i);
        d.controls.push_back(s);
    }
    using E = ElementDescription;
    d.elements.push_back(element(E::Tabs, "SSTab1", utf8({"A组频段", "B组频段"}), utf8({"A Channel", "B Channel"})));
    static const char *const gradeZh[] = {"高功率等级", "中功率等级", "低功率等级"};
    static const char *const gradeEn[] = {"High Power Grades", "Middle Power Grades", "Low Power Grades"};
    for (int k = 0; k < 6; ++k) {
        const QByteArray name = "Frame1(" + QByteArray::number(k) + ")";
        const QByteArray page = "SSTab1#" + QByteArray::number(k / 3);
        d.elements.push_back(element(E::Frame, name.constData(), utf8({gradeZh[k % 3]}), utf8({gradeEn[k % 3]}),
                                     page.constData(), k % 3 == 1));
    }
    d.widthTwips = 5865;
    d.heightTwips = 7650;
    return d;
}

FormDescription makeFm()
{
    FormDescription d;
    d.name = QStringLiteral("Form5");
    d.keys = &FmControls::table;
    d.captionZh = QStringLiteral("FM频道设置");
    d.captionEn = QStringLiteral("FM Channel Set");
    auto &c = d.controls;
    c.push_back(labelled(text("Text2", "FM VFO frequency", 0, nullptr), "Label1(3)", "收音机全频频率:", "FM VFO:"));
    ControlDescription present = labelled(list("Combo1(0)", "present FM channel", numbers(1, 25), {}, -2, true), "Label1(0)", "当前收音机工作频道:", "Present Channel:");
    c.push_back(present);
    ControlDescription mode = labelled(list("Combo1(1)", "FM display mode", utf8({"频道", "频率"}), utf8({"Channel", "Frequency"}), -2, true), "Label1(1)", "显示模式:", "FM Display Mode:");
    mode.initialValue = QStringLiteral("0");
    c.push_back(mode);
    ControlDescription step = hidden(labelled(list("Combo1(2)", "FM step", utf8({"50K", "100K", "200K"}), {}, -2), "Label1(2)", "收音机步进频率:", nullptr));
    step.initialValue = QStringLiteral("0");
    c.push_back(step);
    using E = ElementDescription;
    d.elements.push_back(element(E::Grid, "MSFGrid", utf8({"频道", "频率(MHz)"}), utf8({"Channel", "Frequency(MHz)"})));
    d.elements.push_back(element(E::Button, "Command1", utf8({"确定"}), utf8({"OK"})));
    d.elements.push_back(element(E::Button, "Command2", utf8({"取消"}), utf8({"Cancel"})));
    // The line that tells of an FM frequency out of range; the window sets its text when
    // it shows it.
    ElementDescription message = element(E::MessageLine, "Label2", utf8({"超出频率范围(87-107.9)，请重输。"}),
                                         utf8({"Beyond the scope of frequency(87-107.9), please input again."}));
    message.translated = false;
    d.elements.push_back(message);
    d.widthTwips = 8205;
    d.heightTwips = 4800;
    return d;
}

const ChannelOptionList kChannelLists[] = {
    {5, build::utf8({"低", "高"}), build::utf8({"Low", "High"})},
    {6, build::utf8({"载波", "关"}), build::utf8({"Carry", "Off"})},
    {7, build::utf8({"禁止", "使能"}), build::utf8({"Off", "On"})},
    {8, build::utf8({"窄带", "宽带"}), build::utf8({"Narrow", "wide"})},
    {9, build::utf8({"", ""}), build::utf8({"", ""})},
    {10, build::utf8({"开", "关"}), build::utf8({"On", "Off"})},
    {11, build::utf8({"开", "关"}), build::utf8({"On", "Off"})},
};

} // namespace

const FormDescription &dtmfFormDescription()
{
    static const FormDescription d = makeDtmf();
    return d;
}

const FormDescription &debugFormDescription()
{
    static const FormDescription d = makeDebug();
    return d;
}

const FormDescription &fmFormDescription()
{
    static const FormDescription d = makeFm();
    return d;
}

const ChannelOptionList &channelOptionList(int column)
{
    if (column < 5 || column > 11)
        column = 5;
    return kChannelLists[column - 5];
}

QString channelOptionText(int column, int index, Language lang)
{
    if (column < 5 || column > 11)
        return QString();
    const ChannelOptionList &l = channelOptionList(column);
    if (index < 0 || index >= l.itemsZh.size() || index >= l.itemsEn.size())
        return QString();
    return textIn(lang, QStringLiteral("Form1"), l.itemsZh[index], l.itemsEn[index]);
}

const ChannelEditorDescription &channelEditorDescription()
{
    static const ChannelEditorDescription d{
        "信道编辑", "Channel Edit",
        {"A组频段", "B组频段"}, {"Group A", "Group B"},
        {
            {600, "频道", "Fre", nullptr, "row label"},
            {1100, "接收频率", "RX Fre", "Text1", "receive frequency"},
            {1100, "发射频率", "TX Fre", "Text1", "transmit frequency"},
            {1200, "接收亚音频", "QT/DQT Dec", "Combo1", "receive CTCSS/DCS"},
            {1200, "发射亚音频", "QT/DQT Enc", "Combo1", "transmit CTCSS/DCS"},
            {600, "功率", "Power", "Combo5(5)", "transmit power"},
            {1400, "繁忙信道锁定", "Channel lock", "Combo5(6)", "busy channel lockout"},
            {900, "扫描添加", "Add scan", "Combo5(7)", "member of the scan list"},
            {750, "宽/窄带", "Band", "Combo5(8)", "bandwidth"},
            {1, "", "", "Combo5(9)", "reserved flag, never shown"},
            {900, "倒频", "Scramble", "Combo5(10)", "voice scrambler"},
            {1400, "频道名称", "Channel Name", "Text2", "channel name"},
        },
    };
    return d;
}

QStringList channelGridHeaders(Language lang)
{
    QStringList headers;
    for (const ChannelColumn &c : channelEditorDescription().columns)
        headers << textIn(lang, QStringLiteral("Form1"), QString::fromUtf8(c.headerZh), QString::fromUtf8(c.headerEn));
    return headers;
}

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintContent.h"
#include "image/FormDescriptions.h"

namespace kt913 {

namespace {

constexpr int kCellWidth = 4500;

class ContentBuilder {
public:
    ContentBuilder(const RadioModel &model, ReportWriter &w)
        : m(model), w(w), lang(model.language()), english(model.language() == Language::English)
    {
    }

    // Caption of the label `label` of the optional features window.
    QString labelCaption(const QString &label) const
    {
        for (const ControlDescription &c : m.options.description().controls)
            if (c.label == label)
                return english ? c.captionEn : c.captionZh;
        return QString();
    }

    void row(const QString &a, const QString &b)
    {
        w.AddCell(kCellWidth, a);
        w.AddCell(kCellWidth, b);
        w.EndRow();
    }

    // Label | control of the optional features window, the control's text as shown.
    void optionRow(const QString &label, ControlKey control) { row(labelCaption(label), m.options.text(control, lang)); }

    void section(const QString &heading)
    {
        w.BlankLine();
        w.SectionHeading(heading);
        w.BlankLine();
    }

    void build()
    {
        w.BeginReport();
        w.NewPage();
        w.ReportTitle(textIn(lang, "KT-913对讲机", "KT-913 Interphone ") + textIn(lang, "编程数据打印", "programming data are printed"));

        section(textIn(lang, "功能设置", "Function set"));
        using namespace OptionsControls;
        static constexpr struct {
            const char *label;
            ControlKey control;
        } functionRows[] = {
            {"Label2", Text2},   {"Label6", Text6},   {"Label1", Combo1},   {"Label3", Combo3},
            {"Label5", Combo5},  {"Label7", Combo7},  {"Label8", Combo8},   {"Label9", Combo9},
            {"Label10", Combo10}, {"Label11", Combo11}, {"Label19", Combo19}, {"Label31", Text31},
            {"LabelMod", ComboMod},
        };
        for (const auto &r : functionRows)
            optionRow(QLatin1String(r.label), r.control);

        w.NewPage();
        section(textIn(lang, "全频频率", "The whole frequency frequently"));
        optionRow(QStringLiteral("Label20"), Text20);
        optionRow(QStringLiteral("Label21"), Text21);
        const ControlKey vfoLists[] = {Combo22, Combo23, Combo24, Combo25, Combo26, Combo27, Combo28, Combo29, Combo30};
        for (int i = 22; i <= 30; ++i)
            optionRow(QStringLiteral("Label%1").arg(i), vfoLists[i - 22]);

        section(textIn(lang, "VOX(声控发射)", "VOX(Voice control launches)"));
        optionRow(QStringLiteral("Label14"), Combo14);
        optionRow(QStringLiteral("Label15"), Combo15);
        const ControlDescription &check = m.options.control(Check12);
        row(textIn(lang, "是否", "Whether") + (english ? check.captionEn : check.captionZh),
            m.options.isChecked(Check12) ? textIn(lang, "是", "Yes") : textIn(lang, "否", "No"));

        section(textIn(lang, "调试信息", "Debug information"));
        debugRows();

        w.NewPage();
        w.ReportTitle(textIn(lang, "A组信道数据", "A Channel data"));
        w.PrintGrid(QString(), channelReportTable(m, 1));
        w.BlankLine();
        w.ReportTitle(textIn(lang, "B组信道数据", "B Channel data"));
        w.PrintGrid(QString(), channelReportTable(m, 2));
        w.BlankLine();
        w.EndReport();
    }

    // Sliders 0..2 are the high, middle and low section of the high power grade, so each
    // row names the grade and the section whose kept value (the one a write sends) it shows.
    void debugRows()
    {
        const FormDescription &debug = m.debug.description();
        const ElementDescription *grade = debug.findElement(QStringLiteral("Frame1(0)"));
        const QString gradeCaption = grade ? grade->texts(english).value(0) : QString();
        for (int k = 0; k < 3; ++k) {
            const ControlDescription &slider = m.debug.control(DebugControls::Slider1(k));
            row(gradeCaption + QLatin1Char(' ') + (english ? slider.captionEn : slider.captionZh),
                QString::number(m.debugValues()[size_t(k)]));
        }
    }

private:
    const RadioModel &m;
    ReportWriter &w;
    Language lang;
    bool english;
};

} // namespace

void PrintContent(const RadioModel &model, ReportWriter &writer)
{
    ContentBuilder(model, writer).build();
}

ReportTable channelReportTable(const RadioModel &model, int group)
{
    const ChannelEditorDescription &d = channelEditorDescription();
    const bool english = model.language() == Language::English;
    ReportTable t;
    std::vector<int> shown;
    for (int c = 0; c < col::Count; ++c) {
        if (c == col::Hidden)
            continue;
        shown.push_back(c);
        t.header << QString::fromUtf8(english ? d.columns[c].headerEn : d.columns[c].headerZh);
        t.widthsTwips.push_back(d.columns[c].widthTwips);
    }
    for (int r = 1; r <= map::kGroupSize; ++r) {
        const int n = channelNumber(group == 2 ? 2 : 1, r);
        QStringList cells;
        for (int c : shown)
            cells << model.channels.cell(n, c);
        t.rows.push_back(cells);
    }
    return t;
}

} // namespace kt913

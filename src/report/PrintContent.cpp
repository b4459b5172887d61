// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintContent.h"
#include "image/FormDescriptions.h"

namespace kt913 {

namespace {

constexpr int kCellWidth = 4500;

class ContentBuilder {
public:
    ContentBuilder(const RadioModel &model, ReportWriter &w)
        : m(model), w(w), lang(model.language())
    {
    }

    QString say(const char *zh, SourceText en) const { return textIn(lang, zh, en); }

    // Caption of the label `label` of the optional features window.
    QString labelCaption(const QString &label) const
    {
        const FormDescription &d = m.options().description();
        for (const ControlDescription &c : d.controls)
            if (c.label == label)
                return d.caption(c, lang);
        return QString();
    }

    void row(const QString &a, const QString &b)
    {
        w.AddCell(kCellWidth, a);
        w.AddCell(kCellWidth, b);
        w.EndRow();
    }

    // Label | control of the optional features window, the control's text as shown.
    void optionRow(const QString &label, ControlKey control) { row(labelCaption(label), m.options().text(control, lang)); }

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
        w.ReportTitle(say("KT-913对讲机", KT913_TR("Report", "KT-913 Interphone ")) + say("编程数据打印", KT913_TR("Report", "programming data are printed")));

        section(say("功能设置", KT913_TR("Report", "Function set")));
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
        section(say("全频频率", KT913_TR("Report", "The whole frequency frequently")));
        optionRow(QStringLiteral("Label20"), Text20);
        optionRow(QStringLiteral("Label21"), Text21);
        const ControlKey vfoLists[] = {Combo22, Combo23, Combo24, Combo25, Combo26, Combo27, Combo28, Combo29, Combo30};
        for (int i = 22; i <= 30; ++i)
            optionRow(QStringLiteral("Label%1").arg(i), vfoLists[i - 22]);

        section(say("VOX(声控发射)", KT913_TR("Report", "VOX(Voice control launches)")));
        optionRow(QStringLiteral("Label14"), Combo14);
        optionRow(QStringLiteral("Label15"), Combo15);
        const ControlDescription &check = m.options().control(Check12);
        // One text around the caption, not a prefix: a translation may need the caption
        // first ("Abbrechen erlauben?").
        row(say("是否%1", KT913_TR("Report", "Whether%1")).arg(m.options().description().caption(check, lang)),
            m.options().isChecked(Check12) ? say("是", KT913_TR("Report", "Yes")) : say("否", KT913_TR("Report", "No")));

        section(say("调试信息", KT913_TR("Report", "Debug information")));
        debugRows();

        w.NewPage();
        w.ReportTitle(say("A组信道数据", KT913_TR("Report", "A Channel data")));
        w.PrintGrid(QString(), channelReportTable(m, 1));
        w.BlankLine();
        w.ReportTitle(say("B组信道数据", KT913_TR("Report", "B Channel data")));
        w.PrintGrid(QString(), channelReportTable(m, 2));
        w.BlankLine();
        w.EndReport();
    }

    // Sliders 0..2 are the high, middle and low section of the high power grade, so each
    // row names the grade and the section whose kept value (the one a write sends) it shows.
    void debugRows()
    {
        const FormDescription &debug = m.debug().description();
        const ElementDescription *grade = debug.findElement(QStringLiteral("Frame1(0)"));
        const QString gradeCaption = grade ? debug.texts(*grade, lang).value(0) : QString();
        for (int k = 0; k < 3; ++k) {
            const ControlDescription &slider = m.debug().control(DebugControls::Slider1(k));
            row(gradeCaption + QLatin1Char(' ') + debug.caption(slider, lang),
                QString::number(m.debugValues()[size_t(k)]));
        }
    }

private:
    const RadioModel &m;
    ReportWriter &w;
    Language lang;
};

} // namespace

void PrintContent(const RadioModel &model, ReportWriter &writer)
{
    ContentBuilder(model, writer).build();
}

ReportTable channelReportTable(const RadioModel &model, int group)
{
    const ChannelEditorDescription &d = channelEditorDescription();
    const QStringList headers = channelGridHeaders(model.language());
    ReportTable t;
    std::vector<int> shown;
    for (int c = 0; c < col::Count; ++c) {
        if (c == col::Hidden)
            continue;
        shown.push_back(c);
        t.header << headers.value(c);
        t.widthsTwips.push_back(d.columns[c].widthTwips);
    }
    for (int r = 1; r <= map::kGroupSize; ++r) {
        const int n = channelNumber(group == 2 ? 2 : 1, r);
        QStringList cells;
        for (int c : shown)
            cells << model.channels().cell(n, c);
        t.rows.push_back(cells);
    }
    return t;
}

} // namespace kt913

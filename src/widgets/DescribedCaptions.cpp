// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DescribedCaptions.h"
#include <QByteArray>
#include <deque>
#include <map>

namespace kt913 {

namespace {

// The rows point at their texts: keep the UTF-8 of every derived text alive for good.
const char *kept(const QString &text)
{
    static std::deque<QByteArray> texts;
    texts.push_back(text.toUtf8());
    return texts.back().constData();
}

void addRow(CaptionTable &t, const QString &control, CaptionProperty property, int index, const QString &zh,
            const QString &en)
{
    if (zh == en)
        return;
    t.rows.push_back({kept(control), property, index, kept(zh), kept(en)});
}

// A name is set in both languages even where the texts agree: the widget may have been
// given another one to start with.
void addName(CaptionTable &t, const QString &control, const QString &zh, const QString &en)
{
    t.rows.push_back({kept(control), CaptionProperty::AccessibleName, -1, kept(zh), kept(en)});
}

CaptionTable makeCaptionTable(const FormDescription &d)
{
    CaptionTable t{kept(d.name), {}, nullptr};
    if (d.captionTranslated)
        addRow(t, QString(), CaptionProperty::Caption, -1, d.captionZh, d.captionEn);
    for (const ControlDescription &c : d.controls) {
        if (!c.label.isEmpty())
            addRow(t, c.label, CaptionProperty::Caption, -1, c.captionZh, c.captionEn);
        else if (c.kind == ControlKind::Check)
            addRow(t, c.name, CaptionProperty::Caption, -1, c.captionZh, c.captionEn);
        if (c.itemsEn.isEmpty())
            continue;
        for (int i = 0; i < c.itemsZh.size() && i < c.itemsEn.size(); ++i)
            addRow(t, c.name, CaptionProperty::Item, i, c.itemsZh[i], c.itemsEn[i]);
    }
    for (const ElementDescription &e : d.elements) {
        if (!e.translated || e.en.isEmpty())
            continue;
        const CaptionProperty property = e.kind == ElementDescription::Tabs   ? CaptionProperty::Tab
                                         : e.kind == ElementDescription::Grid ? CaptionProperty::Header
                                                                              : CaptionProperty::Caption;
        const bool several = property != CaptionProperty::Caption;
        for (int i = 0; i < e.zh.size() && i < e.en.size(); ++i)
            addRow(t, e.name, property, several ? i : -1, e.zh[i], e.en[i]);
    }
    // What has no label of its own is named from the texts around it. A slider's section
    // label repeats in every frame, so its name leads with the frame's caption.
    for (const ControlDescription &c : d.controls) {
        if (c.kind != ControlKind::Slider || c.label.isEmpty())
            continue;
        const ElementDescription *frame = d.findElement(c.parent);
        if (!frame || frame->zh.isEmpty())
            continue;
        addName(t, c.name, frame->zh[0] + QStringLiteral("，") + c.captionZh,
                frame->texts(true).value(0) + QStringLiteral(", ") + c.captionEn);
    }
    // A window's grid and its tab strip are what the window is about: its caption names them.
    const QString windowEn = d.captionTranslated ? d.captionEn : d.captionZh;
    for (const ElementDescription &e : d.elements) {
        if (e.kind == ElementDescription::Grid || e.kind == ElementDescription::Tabs)
            addName(t, e.name, d.captionZh, windowEn);
        if (e.kind == ElementDescription::Grid)
            t.rows.push_back({kept(e.name), CaptionProperty::AccessibleDescription, -1, kGridKeysZh, kGridKeysEn});
    }
    return t;
}

} // namespace

const CaptionTable &captionTableFor(const FormDescription &description)
{
    // Keyed by the description, which lives for the program too; a map's entries stay put.
    static std::map<const FormDescription *, CaptionTable> tables;
    auto found = tables.find(&description);
    if (found == tables.end())
        found = tables.emplace(&description, makeCaptionTable(description)).first;
    return found->second;
}

} // namespace kt913

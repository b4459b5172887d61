// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor's texts in both languages, taken from the window's description and
// its option lists rather than typed a second time.
#include "editors/ChannelArrangeCommands.h"
#include "editors/ChannelRowCommands.h"
#include "editors/EditorCaptions.h"
#include "image/FormDescriptions.h"
#include "image/ToneList.h"
#include "widgets/DescribedCaptions.h"
#include <QByteArray>
#include <deque>

namespace kt913 {

namespace {

CaptionTable makeChannelEditorCaptions()
{
    // The rows point at their texts: keep the UTF-8 of derived texts alive for good.
    static std::deque<QByteArray> texts;
    auto keep = [](const QString &s) {
        texts.push_back(s.toUtf8());
        return texts.back().constData();
    };
    const ChannelEditorDescription &d = channelEditorDescription();
    CaptionTable t{"Form1", {}, nullptr};
    t.rows.push_back({"", CaptionProperty::Caption, -1, d.captionZh, d.captionEn});
    appendRowCommandCaptions(t.rows); // undo, clipboard and row commands
    appendArrangeCaptions(t.rows);    // sort, compact, find
    for (int i = 0; i < 2; ++i)
        t.rows.push_back({"TabStrip1", CaptionProperty::Tab, i, d.tabsZh[i], d.tabsEn[i]});
    for (const char *grid : {"Grid1", "Grid2"})
        for (int c = 0; c < 12; ++c)
            t.rows.push_back({grid, CaptionProperty::Header, c, d.columns[c].headerZh, d.columns[c].headerEn});
    t.rows.push_back({"Combo1", CaptionProperty::Item, 0, keep(offText(Language::Chinese)), keep(offText(Language::English))});
    static const char *const lists[] = {"Combo5(5)", "Combo5(6)", "Combo5(7)", "Combo5(8)",
                                        "Combo5(9)", "Combo5(10)", "Combo5(11)"};
    for (int c = 5; c <= 11; ++c) {
        const ChannelOptionList &l = channelOptionList(c);
        for (int i = 0; i < l.itemsZh.size(); ++i)
            t.rows.push_back({lists[c - 5], CaptionProperty::Item, i, keep(l.itemsZh[i]), keep(l.itemsEn[i])});
    }
    // Names for what has no label: the tab strip is the window's, each grid is its
    // group's, and a cell editor is called after the column it edits (the one it opens
    // over renames it when it opens).
    const auto name = [&t](const char *control, const char *zh, const char *en) {
        t.rows.push_back({control, CaptionProperty::AccessibleName, -1, zh, en});
    };
    name("TabStrip1", d.captionZh, d.captionEn);
    name("Grid1", d.tabsZh[0], d.tabsEn[0]);
    name("Grid2", d.tabsZh[1], d.tabsEn[1]);
    for (const char *grid : {"Grid1", "Grid2"})
        t.rows.push_back({grid, CaptionProperty::AccessibleDescription, -1, kGridKeysZh, kGridKeysEn});
    QStringList named;
    for (const ChannelColumn &c : d.columns) {
        if (!c.editor || !*c.headerEn || named.contains(QLatin1String(c.editor)))
            continue;
        named << QLatin1String(c.editor);
        name(c.editor, c.headerZh, c.headerEn);
    }
    return t;
}

} // namespace

const CaptionTable &channelEditorCaptions()
{
    static const CaptionTable table = makeChannelEditorCaptions();
    return table;
}

} // namespace kt913

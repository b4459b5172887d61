// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelDiff.h"
#include "BandTable.h"
#include "FormDescriptions.h"
#include <QSet>

namespace kt913 {
namespace {

// A caption without the colon that ends a label ("频段:", "Squelch：").
QString bare(QString caption)
{
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    caption.remove(QLatin1Char('&'));
    return caption.trimmed();
}

void compareChannels(const RadioModel &a, const RadioModel &b, Language lang, QList<ModelDifference> &out)
{
    const QStringList headers = channelGridHeaders(lang);
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const QString where = QStringLiteral("%1 (%2)").arg(a.channels().cell(n, col::Label)).arg(n);
        for (int c = col::Rx; c < col::Count; ++c) {
            if (c == col::Hidden) {
                // Never shown, but kept in the record: named by what it is.
                const int ia = a.channels().optionIndexes()[optionSlot(c)][n - 1], ib = b.channels().optionIndexes()[optionSlot(c)][n - 1];
                if (a.channels().isUsed(n) && b.channels().isUsed(n) && ia != ib)
                    out << ModelDifference{where, textIn(lang, "保留标志", KT913_TR("FrmCompare", "reserved flag")), QString::number(ia), QString::number(ib), n};
                continue;
            }
            const QString &va = a.channels().cell(n, c), &vb = b.channels().cell(n, c);
            if (va != vb)
                out << ModelDifference{where, headers.value(c), va, vb, n};
        }
    }
}

// The captions of the frames, pages and tab strips a control stands in, outermost first.
QStringList containers(const FormDescription &d, QString parent, Language lang)
{
    QStringList path;
    for (int guard = 0; !parent.isEmpty() && guard < 16; ++guard) {
        QString name = parent;
        int page = -1;
        if (const qsizetype hash = parent.indexOf(QLatin1Char('#')); hash >= 0) {
            name = parent.left(hash);
            page = parent.mid(hash + 1).toInt();
        }
        const ElementDescription *e = d.findElement(name);
        if (!e)
            break;
        const QString caption = bare(d.texts(*e, lang).value(page < 0 ? 0 : page));
        // A frame often repeats the caption of the page it fills ("FunctionSet", "Function Set").
        const auto key = [](QString t) { return t.remove(QLatin1Char(' ')).toLower(); };
        if (!caption.isEmpty() && (path.isEmpty() || key(path.front()) != key(caption)))
            path.prepend(caption);
        parent = e->parent;
    }
    return path;
}

QString valueText(const FormStore &s, const ControlDescription &c, Language lang)
{
    if (c.kind == ControlKind::Check)
        return s.isChecked(c.name) ? textIn(lang, "选中", KT913_TR("FrmCompare", "checked")) : textIn(lang, "未选中", KT913_TR("FrmCompare", "not checked"));
    return s.text(c.name, lang);
}

void compareForm(const FormStore &a, const FormStore &b, Language lang, QList<ModelDifference> &out)
{
    const FormDescription &d = a.description();
    const QString window = d.windowCaption(lang);
    for (const ControlDescription &c : d.controls) {
        const QString va = valueText(a, c, lang), vb = valueText(b, c, lang);
        if (va == vb)
            continue;
        QStringList where = containers(d, c.parent, lang);
        where.prepend(window);
        QString caption = bare(d.caption(c, lang));
        if (caption.isEmpty())
            caption = c.name; // the few controls without a label of their own
        out << ModelDifference{where.join(QStringLiteral(" / ")), caption, va, vb};
    }
}

void compareFmGrid(const RadioModel &a, const RadioModel &b, Language lang, QList<ModelDifference> &out)
{
    const FormDescription &d = fmFormDescription();
    const ElementDescription *grid = d.findElement(QStringLiteral("MSFGrid"));
    const QString channel = grid ? d.texts(*grid, lang).value(0) : QString();
    for (int k = 1; k <= map::kFmChannelCount; ++k)
        if (a.fmGrid()[k - 1] != b.fmGrid()[k - 1])
            out << ModelDifference{d.windowCaption(lang), QStringLiteral("%1 %2").arg(channel).arg(k),
                                   a.fmGrid()[k - 1], b.fmGrid()[k - 1]};
}

} // namespace

QList<ModelDifference> compareModels(const RadioModel &a, const RadioModel &b, Language lang)
{
    QList<ModelDifference> out;
    if (a.bandSelection() != b.bandSelection()) {
        // The main window's band list and its label.
        const QStringList bands = bandListItems();
        out << ModelDifference{textIn(lang, "主窗口", KT913_TR("FrmCompare", "Main window")), textIn(lang, "频段", KT913_TR("FrmCompare", "Range")), bands.value(a.bandSelection()),
                               bands.value(b.bandSelection())};
    }
    compareChannels(a, b, lang, out);
    compareForm(a.options(), b.options(), lang, out);
    compareForm(a.dtmf(), b.dtmf(), lang, out);
    compareForm(a.fmForm(), b.fmForm(), lang, out);
    compareFmGrid(a, b, lang, out);
    compareForm(a.debug(), b.debug(), lang, out);
    return out;
}

QString differenceSummary(const QList<ModelDifference> &differences, Language lang)
{
    QSet<int> channels;
    int settings = 0;
    for (const ModelDifference &d : differences) {
        if (d.channel > 0)
            channels.insert(d.channel);
        else
            ++settings;
    }
    const int nChannels = int(channels.size());
    if (nChannels == 0 && settings == 0)
        return textIn(lang, "没有不同", KT913_TR("FrmCompare", "Nothing differs"));
    QStringList parts;
    if (lang == Language::Chinese) {
        if (nChannels)
            parts << QStringLiteral("%1 个信道").arg(nChannels);
        if (settings)
            parts << QStringLiteral("%1 项设置").arg(settings);
        return parts.join(QStringLiteral("和 ")) + QStringLiteral("不同");
    }
    // Each piece whole, so that a translation can word its own singular and plural.
    if (nChannels)
        parts << (nChannels == 1 ? textIn(lang, "1 个信道", KT913_TR("FrmCompare", "1 channel"))
                                 : textIn(lang, "%1 个信道", KT913_TR("FrmCompare", "%1 channels")).arg(nChannels));
    if (settings)
        parts << (settings == 1 ? textIn(lang, "1 项设置", KT913_TR("FrmCompare", "1 setting"))
                                : textIn(lang, "%1 项设置", KT913_TR("FrmCompare", "%1 settings")).arg(settings));
    const bool one = parts.size() == 1 && nChannels + settings == 1;
    return parts.join(textIn(lang, "和 ", KT913_TR("FrmCompare", " and "))) +
           (one ? textIn(lang, "不同", KT913_TR("FrmCompare", " differs")) : textIn(lang, "不同", KT913_TR("FrmCompare", " differ")));
}

QString differenceLine(const ModelDifference &d, Language lang)
{
    const QString empty = textIn(lang, "（空）", KT913_TR("FrmCompare", "(empty)"));
    return QStringLiteral("%1, %2: %3 -> %4")
        .arg(d.where, d.field, d.before.isEmpty() ? empty : d.before, d.after.isEmpty() ? empty : d.after);
}

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelJson.h"
#include "image/ImageCodec.h"
#include <QJsonArray>

namespace kt913::cli {
namespace {

// Tones print as their texts, "Off" when none is set, whatever the interface language.
QString toneText(const ChannelTables &t, int slot, int i)
{
    return t.optionIndexes()[slot][i] ? t.optionTexts()[slot][i] : QStringLiteral("Off");
}

QJsonArray channels(const ChannelTables &t)
{
    static const char *const kFlags[] = {"power", "busyLock", "scanAdd", "bandwidth", "reserved", "scramble"};
    QJsonArray list;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        if (!t.isUsed(n))
            continue;
        const int i = n - 1;
        QJsonObject c;
        c[QStringLiteral("number")] = n;
        c[QStringLiteral("rx")] = t.freqTexts()[0][i];
        c[QStringLiteral("tx")] = t.freqTexts()[1][i];
        c[QStringLiteral("rxTone")] = toneText(t, 0, i);
        c[QStringLiteral("txTone")] = toneText(t, 1, i);
        for (int k = 0; k < 6; ++k)
            c[QLatin1String(kFlags[k])] = int(t.optionIndexes()[k + 2][i]);
        c[QStringLiteral("name")] = channelNameText(t.channelNames()[i]);
        list.append(c);
    }
    return list;
}

QJsonObject settings(const RadioModel &m)
{
    QJsonObject s;
    for (const ControlKey key : decodedSettingControls()) {
        const ControlDescription &info = m.options().control(key);
        const QString &name = info.name;
        switch (info.kind) {
        case ControlKind::List:
        case ControlKind::EditableList: s[name] = m.options().index(key); break;
        case ControlKind::Check: s[name] = m.options().isChecked(key); break;
        default: s[name] = m.options().text(key, m.language()); break;
        }
    }
    return s;
}

QJsonObject fm(const RadioModel &m)
{
    QJsonArray list;
    for (int k = 0; k < map::kFmChannelCount; ++k)
        list.append(m.fmGrid()[k].isEmpty() ? QString() : m.fm().FmChannelFreq[k]);
    QJsonObject o;
    o[QStringLiteral("channels")] = list;
    o[QStringLiteral("present")] = m.fm().FmPresentChannel;
    o[QStringLiteral("displayMode")] = m.fm().FmDisplayMode;
    o[QStringLiteral("step")] = m.fm().FmStep;
    o[QStringLiteral("vfo")] = m.fm().FmVfoFreq;
    return o;
}

} // namespace

QJsonObject modelToJson(const RadioModel &m)
{
    QJsonObject root;
    root[QStringLiteral("band")] = m.bandSelection();
    root[QStringLiteral("channels")] = channels(m.channels());
    root[QStringLiteral("settings")] = settings(m);
    root[QStringLiteral("fm")] = fm(m);
    QJsonArray debug;
    for (int v : m.debugValues())
        debug.append(v);
    root[QStringLiteral("debug")] = debug;
    return root;
}

} // namespace kt913::cli

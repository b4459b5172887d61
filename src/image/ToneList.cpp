// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToneList.h"

namespace kt913 {
namespace {

const char *const kCtcss[kCtcssCount] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

const char *const kDcs[kDcsCount] = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244",
    "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315",
    "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423",
    "431", "432", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

QStringList build(Language lang)
{
    QStringList list;
    list.reserve(kToneCount);
    list << offText(lang);
    for (const char *t : kCtcss)
        list << QString::fromLatin1(t);
    for (const char *c : kDcs)
        list << QStringLiteral("D%1N").arg(QLatin1String(c));
    for (const char *c : kDcs)
        list << QStringLiteral("D%1I").arg(QLatin1String(c));
    return list;
}

} // namespace

QString offText(Language lang)
{
    return textIn(lang, "关闭", KT913_TR("Form1", "Off"));
}

const QStringList &toneList(Language lang)
{
    static const QStringList zh = build(Language::Chinese);
    static const QStringList en = build(Language::English);
    if (lang == Language::Translated) {
        // The translation in use may change between calls: only the first item follows it.
        static QStringList translatedList = en;
        translatedList[0] = offText(lang);
        return translatedList;
    }
    return lang == Language::English ? en : zh;
}

} // namespace kt913

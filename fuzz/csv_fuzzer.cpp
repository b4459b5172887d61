// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes imported as a CSV channel list are read without undefined
// behaviour, and what an import leaves is stable: the channels exported and imported
// again change nothing and refuse nothing. Build with -DKT913_FUZZ=ON and clang.
#include "FreshModel.h"
#include "image/ChannelCsvImport.h"
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static kt913::FreshModel fresh;
    kt913::RadioModel &model = fresh.reset();
    model.setLanguage(size % 2 ? kt913::Language::English : kt913::Language::Chinese);
    const kt913::ChannelCsvImport plan =
        kt913::planChannelCsvImport(QByteArray(reinterpret_cast<const char *>(data), int(size)), model);
    {
        const kt913::ChannelTables::Batch batch(model.channels());
        for (const kt913::ChannelEdit &e : plan.edits)
            model.channels().apply(e);
    }
    const QString text = kt913::channelCsvText(model.channels(), QLatin1Char(','));
    const kt913::ChannelCsvImport again = kt913::planChannelCsvImport(text, model);
    if (!again.edits.isEmpty() || !again.refused.isEmpty()) {
        std::fprintf(stderr, "exported channels do not import as they are:\n%s\n", text.toUtf8().constData());
        for (const QString &line : kt913::refusalLines(again.refused, kt913::Language::English))
            std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::abort();
    }
    return 0;
}

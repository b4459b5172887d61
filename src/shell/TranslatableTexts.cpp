// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TranslatableTexts.h"
#include "image/ChannelEditMessages.h"
#include "image/FormDescriptions.h"
#include "image/Messages.h"
#include "shell/CaptionRegistry.h"
#include "windows/ComparisonWindowCaptions.h"
#include <QFile>
#include <QSet>

namespace kt913 {

namespace {

class Collector {
public:
    // A text that reads the same in Chinese, or holds no word at all (a number, a
    // frequency), is the same in every language and asks nothing of a translator.
    void add(const QString &context, const QString &source, const QString &where, const QString &zh = QString())
    {
        if (source.isEmpty() || source == zh || !hasLetter(source))
            return;
        const QString key = context + QChar(0) + source;
        if (m_seen.contains(key))
            return;
        m_seen.insert(key);
        texts.push_back({context, source, where});
    }

    void addForm(const FormDescription &d)
    {
        if (d.captionTranslated)
            add(d.name, d.captionEn, QString(), d.captionZh);
        for (const ControlDescription &c : d.controls) {
            add(d.name, c.captionEn, c.label.isEmpty() ? c.name : c.label, c.captionZh);
            for (int i = 0; i < c.itemsEn.size(); ++i)
                add(d.name, c.itemsEn[i], c.name, c.itemsZh.value(i));
        }
        for (const ElementDescription &e : d.elements) {
            if (!e.translated)
                continue;
            for (int i = 0; i < e.en.size(); ++i)
                add(d.name, e.en[i], e.name, e.zh.value(i));
        }
    }

    QList<TranslatableText> texts;

private:
    static bool hasLetter(const QString &text)
    {
        for (QChar c : text)
            if (c.isLetter())
                return true;
        return false;
    }

    QSet<QString> m_seen;
};

// A C string literal of a UTF-8 text.
QByteArray literal(const QString &text)
{
    QByteArray out("\"");
    for (char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

} // namespace

QList<TranslatableText> translatableTexts()
{
    Collector c;
    // The comparison windows exist only while they are shown: their tables are not
    // among the ones a language switch visits, but they are captioned the same way.
    std::vector<const CaptionTable *> tables = captionTables();
    tables.push_back(&comparisonWindowCaptions());
    tables.push_back(&writePreviewCaptions());
    for (const CaptionTable *table : tables) {
        const QString window = QString::fromLatin1(table->window);
        for (const CaptionRow &row : table->rows)
            if (row.en)
                c.add(window, QString::fromUtf8(row.en), QString::fromUtf8(row.control),
                      row.zh ? QString::fromUtf8(row.zh) : QString());
    }
    // What the windows show beyond their captions: list items a report prints, the
    // lines a window shows only now and then.
    for (const FormDescription *d : {&dtmfFormDescription(), &optionsFormDescription(), &debugFormDescription(),
                                     &fmFormDescription()})
        c.addForm(*d);
    for (const SourceText &t : messageSourceTexts() + rowMessageSourceTexts())
        c.add(QString::fromLatin1(t.context), QString::fromUtf8(t.en), QString());
    return c.texts;
}

bool writeTranslatableTexts(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray out("// Written by kt913-texts from the program's caption tables and messages, for\n"
                   "// lupdate. Not compiled.\n\nstatic const char *const texts[] = {\n");
    for (const TranslatableText &t : translatableTexts()) {
        if (!t.where.isEmpty())
            out += "    //: " + t.where.toUtf8() + '\n';
        out += "    QT_TRANSLATE_NOOP(" + literal(t.context) + ", " + literal(t.source) + "),\n";
    }
    out += "};\n";
    return file.write(out) == out.size() && file.flush();
}

} // namespace kt913

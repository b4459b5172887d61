// SPDX-License-Identifier: GPL-3.0-or-later
// Export CSV and Import CSV of the file commands.
#include "image/ChannelCsvImport.h"
#include "image/CsvText.h"
#include "image/RadioModel.h"
#include "image/SavedFile.h"
#include "shell/FileCommands.h"
#include "shell/FileDialogs.h"
#include "widgets/MessageBox.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kt913 {
namespace {

// A message box is no place for hundreds of lines: the first ones and a count of the rest.
constexpr int kRefusalsShown = 20;

// A heading and the rows under it, the first few of them.
QString rowList(const QString &heading, const QList<CsvRefusal> &rows, Language lang)
{
    if (rows.isEmpty())
        return QString();
    QString text = QLatin1Char('\n') + heading.arg(rows.size());
    const QStringList lines = refusalLines(rows, lang);
    for (int i = 0; i < lines.size() && i < kRefusalsShown; ++i)
        text += QLatin1Char('\n') + lines[i];
    if (lines.size() > kRefusalsShown)
        text += QLatin1Char('\n') + textIn(lang, "……另有 %1 行", KT913_TR("ChannelCsv", "... and %1 more")).arg(lines.size() - kRefusalsShown);
    return text;
}

QString refusedRows(const ChannelCsvImport &plan, Language lang)
{
    return rowList(textIn(lang, "以下 %1 行未读入：", KT913_TR("ChannelCsv", "Rows that could not be taken: %1")), plan.refused, lang);
}

QString importReport(const ChannelCsvImport &plan, Language lang)
{
    return textIn(lang, "已读入 %1 行，%2 个频道有改变。", KT913_TR("ChannelCsv", "Rows taken: %1. Channels changed: %2."))
               .arg(plan.rowsTaken)
               .arg(plan.edits.size()) +
           refusedRows(plan, lang) +
           rowList(textIn(lang, "以下 %1 行的名称有改动：", KT913_TR("ChannelCsv", "Names changed to fit the radio: %1")), plan.renamed, lang);
}

} // namespace

bool FileCommands::exportCsv()
{
    QString path = m_dialogs.saveFileName(m_owner, startFolder(), csvNameFilters(m_model.language()));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('.')))
        path += QStringLiteral(".csv");
    remember(path);
    return exportCsvFile(path);
}

bool FileCommands::exportCsvFile(const QString &path)
{
    if (m_commitPendingEdit)
        m_commitPendingEdit();
    const QString why = saveWholeFile(path, channelCsvText(m_model.channels(), QLatin1Char(',')).toUtf8());
    if (why.isEmpty())
        return true;
    MsgBox(m_owner, m_model.language(), MessageId::FileSaveFailed, QDir::toNativeSeparators(path) + QLatin1Char('\n') + why);
    return false;
}

bool FileCommands::importCsv()
{
    const QString path = m_dialogs.openFileName(m_owner, startFolder(), csvNameFilters(m_model.language()));
    if (path.isEmpty())
        return false;
    return importCsvFile(path);
}

bool FileCommands::importCsvFile(const QString &path)
{
    remember(path);
    const Language lang = m_model.language();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(m_owner, lang, MessageId::FileOpenFailed, QDir::toNativeSeparators(path) + QLatin1Char('\n') + file.errorString());
        return false;
    }
    // What is being typed in a cell is part of the channels the list goes into.
    if (m_commitPendingEdit)
        m_commitPendingEdit();
    // One byte beyond the limit is enough to know a file is too large.
    const ChannelCsvImport plan = planChannelCsvImport(file.read(csv::kMaxTextBytes + 1), m_model);
    if (!plan.ok()) {
        MsgBox(m_owner, lang,
               textIn(lang, "无法导入 %1：\n%2\n频道没有改变。", KT913_TR("ChannelCsv", "%1 cannot be imported:\n%2\nThe channels are unchanged."))
                   .arg(QDir::toNativeSeparators(path), plan.problem) + refusedRows(plan, lang),
               mb::Critical, QString());
        return false;
    }
    applyChannelEdits(plan.edits);
    emit channelEditorWanted();
    const bool asWritten = plan.refused.isEmpty() && plan.renamed.isEmpty();
    MsgBox(m_owner, lang, importReport(plan, lang), asWritten ? mb::Ok : mb::Exclamation, QString());
    return true;
}

void FileCommands::applyChannelEdits(const QList<ChannelEdit> &edits)
{
    if (m_applyEdits) {
        m_applyEdits(edits);
        return;
    }
    const ChannelTables::Batch batch(m_model.channels());
    for (const ChannelEdit &e : edits)
        m_model.channels().apply(e);
}

} // namespace kt913

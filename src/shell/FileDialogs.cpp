// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileDialogs.h"
#include <QFileDialog>
#include <QRegularExpression>

namespace kt913 {

QStringList qtNameFilters(const QString &commonDialogFilter)
{
    QStringList parts = commonDialogFilter.split(QLatin1Char('|'));
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description repeats the patterns in brackets; Qt wants them once, at the end.
        const qsizetype bracket = description.lastIndexOf(QLatin1Char('('));
        if (bracket > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(bracket).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) // every file, with or without a dot
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

QStringList datNameFilters(Language lang)
{
    return qtNameFilters(textIn(lang, kDatFilter, SourceText{"FileDialogs", kDatFilterEnglish}));
}

QStringList csvNameFilters(Language lang)
{
    return qtNameFilters(textIn(lang, kCsvFilter, SourceText{"FileDialogs", kCsvFilterEnglish}));
}

namespace {

// The extension of a filter's first pattern ("DAT Files (*.dat)" -> "dat").
QString suffixOf(const QString &filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return QString();
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
    const QString suffix = filter.mid(star + 2, end < 0 ? -1 : end - star - 2);
    return suffix == QLatin1String("*") ? QString() : suffix;
}

QString runDialog(QWidget *owner, const QString &folder, const QStringList &filters, bool save)
{
    QFileDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDirectory(folder);
    dialog.setNameFilters(filters);
    // A name typed without an extension still gets one, so that Open's filter finds
    // the file again (and the overwrite question asks about the file really written).
    if (save && !filters.isEmpty())
        dialog.setDefaultSuffix(suffixOf(filters.first()));
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString QtFileDialogs::openFileName(QWidget *owner, const QString &folder, const QStringList &filters)
{
    return runDialog(owner, folder, filters, false);
}

QString QtFileDialogs::saveFileName(QWidget *owner, const QString &folder, const QStringList &filters)
{
    return runDialog(owner, folder, filters, true);
}

} // namespace kt913

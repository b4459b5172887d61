// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Open and Save As dialogs of the file commands, behind a small interface so that
// tests choose file names without a dialog on the screen.
#include "image/Language.h"
#include <QString>
#include <QStringList>

class QWidget;

namespace kt913 {

// The file filter of the data-file dialogs, in the common-dialog notation (pairs of
// description and patterns, each ended by "|").
constexpr const char *kDatFilter = "DAT文件(*.dat)|*.dat|AllFiles(*.*)|*.*|";
// The same filter for an English interface, so that the dialog speaks one language.
constexpr const char *kDatFilterEnglish = QT_TRANSLATE_NOOP("FileDialogs", "DAT Files(*.dat)|*.dat|All Files(*.*)|*.*|");

// The filter of the CSV channel-list dialogs, in both languages.
constexpr const char *kCsvFilter = "CSV文件(*.csv)|*.csv|AllFiles(*.*)|*.*|";
constexpr const char *kCsvFilterEnglish = QT_TRANSLATE_NOOP("FileDialogs", "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|");

// Turns a common-dialog filter into Qt's name filters ("DAT文件 (*.dat)", "AllFiles (*)").
QStringList qtNameFilters(const QString &commonDialogFilter);
// The data-file filters in the interface language.
QStringList datNameFilters(Language lang);
QStringList csvNameFilters(Language lang);

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled. `folder` is where the
    // dialog starts; the first filter is selected.
    virtual QString openFileName(QWidget *owner, const QString &folder, const QStringList &filters) = 0;
    // The Save As dialog asks before replacing an existing file.
    virtual QString saveFileName(QWidget *owner, const QString &folder, const QStringList &filters) = 0;
};

// The platform's dialogs (QFileDialog).
class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *owner, const QString &folder, const QStringList &filters) override;
    QString saveFileName(QWidget *owner, const QString &folder, const QStringList &filters) override;
};

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file commands New, Open and Save of the main window, and the exchange of channel
// lists as CSV files.
#include <QObject>
#include <functional>
#include <QString>

class QWidget;

namespace kt913 {

struct ChannelEdit;
class FileDialogs;
class RadioModel;

class FileCommands : public QObject {
    Q_OBJECT
public:
    // `dialogs` is not owned; it must outlive the commands.
    FileCommands(RadioModel &model, QWidget *owner, FileDialogs &dialogs, QObject *parent = nullptr);

    // New: after the question, the channel editor, the DTMF window and the optional
    // features window go back to their start values. True when it was done.
    bool newData();
    // Open: a data file chosen in the dialog into the memory image, decoded into the
    // editors. True when a file was loaded.
    bool open();
    // Open of a named file (recent files, a dropped file, the command line): as Open
    // once the dialog has answered.
    bool openFile(const QString &path);
    // Save: the editors encoded into the output image, stored in the chosen file.
    bool save();
    bool saveFile(const QString &path);

    // Export CSV: the channels in use as a CSV channel list, written whole or not at all.
    bool exportCsv();
    bool exportCsvFile(const QString &path);
    // Import CSV: a CSV channel list into the channels; rows that cannot be taken are
    // listed in one message, the others are taken. True when the list was read.
    bool importCsv();
    bool importCsvFile(const QString &path); // as Import CSV once the dialog has answered
    // The one way a set of channel edits (an import) reaches the channel tables, as one
    // change for the views (through the edit applier when there is one).
    void applyChannelEdits(const QList<ChannelEdit> &edits);

    // Where the next dialog starts: the folder last used, else the user's documents.
    QString startFolder() const;

    // Run before Save encodes: an edit still open in a channel cell goes into the file.
    void setPendingEditCommit(std::function<void()> commit) { m_commitPendingEdit = std::move(commit); }
    // Where an import's edits go instead of straight into the tables: the channel
    // editor's undo history, so that an import can be undone.
    void setEditApplier(std::function<void(const QList<ChannelEdit> &)> apply) { m_applyEdits = std::move(apply); }

signals:
    // The channel editor is to be shown (after New and after a successful Open).
    void channelEditorWanted();
    // A data file was opened or saved (the recent files list keeps it).
    void dataFileUsed(const QString &path);

private:
    void remember(const QString &path);

    RadioModel &m_model;
    QWidget *m_owner;
    FileDialogs &m_dialogs;
    QString m_lastFolder;
    std::function<void()> m_commitPendingEdit;
    std::function<void(const QList<ChannelEdit> &)> m_applyEdits;
};

} // namespace kt913

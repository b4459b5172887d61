#pragma once
// The file commands New, Open and Save of the main window.
#include <QObject>
#include <functional>
#include <QString>

class QWidget;

namespace kt913 {

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
    bool openFile(const QString &path);
    // Save: the editors encoded into the output image, stored in the chosen file.
    bool save();
    bool saveFile(const QString &path);

    // Where the next dialog starts: the folder last used, else the user's documents.
    QString startFolder() const;

    // Run before Save encodes: an edit still open in a channel cell goes into the file.
    void setPendingEditCommit(std::function<void()> commit) { m_commitPendingEdit = std::move(commit); }

signals:
    // The channel editor is to be shown (after New and after a successful Open).
    void channelEditorWanted();

private:
    void remember(const QString &path);

    RadioModel &m_model;
    QWidget *m_owner;
    FileDialogs &m_dialogs;
    QString m_lastFolder;
    std::function<void()> m_commitPendingEdit;
};

} // namespace kt913

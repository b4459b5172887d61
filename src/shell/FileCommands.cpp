// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileCommands.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "shell/FileDialogs.h"
#include "widgets/MessageBox.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kt913 {

FileCommands::FileCommands(RadioModel &model, QWidget *owner, FileDialogs &dialogs, QObject *parent)
    : QObject(parent), m_model(model), m_owner(owner), m_dialogs(dialogs)
{
}

QString FileCommands::startFolder() const
{
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir())
        return m_lastFolder;
    // The program's own folder is often not writable once installed: start in the
    // user's documents instead.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void FileCommands::remember(const QString &path)
{
    m_lastFolder = QFileInfo(path).absolutePath();
}

bool FileCommands::newData()
{
    if (MsgBox(m_owner, m_model.language(), MessageId::NewConfirm) != mbResult::Ok)
        return false;
    emit channelEditorWanted();
    m_model.newData();
    return true;
}

bool FileCommands::open()
{
    const QString path = m_dialogs.openFileName(m_owner, startFolder(), datNameFilters(m_model.language()));
    if (path.isEmpty())
        return false;
    return openFile(path);
}

bool FileCommands::openFile(const QString &path)
{
    remember(path);
    const DatResult result = readDatFile(path, m_model.memoryImageToFill());
    switch (result.status) {
    case DatResult::Ok:
        DecodeImage(m_model);
        emit channelEditorWanted();
        emit dataFileUsed(path);
        return true;
    case DatResult::WrongType:
        MsgBox(m_owner, m_model.language(), MessageId::FileTypeIncorrect);
        return false;
    case DatResult::Incomplete:
        MsgBox(m_owner, m_model.language(), MessageId::FileIncomplete);
        return false;
    case DatResult::IoError:
        MsgBox(m_owner, m_model.language(), MessageId::FileOpenFailed, QDir::toNativeSeparators(path) + QLatin1Char('\n') + result.detail);
        return false;
    }
    return false;
}

bool FileCommands::save()
{
    QString path = m_dialogs.saveFileName(m_owner, startFolder(), datNameFilters(m_model.language()));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('.')))
        path += QStringLiteral(".dat");
    remember(path);
    return saveFile(path);
}

bool FileCommands::saveFile(const QString &path)
{
    if (m_commitPendingEdit)
        m_commitPendingEdit();
    EncodeImage(m_model);
    const DatResult result = writeDatFile(path, m_model.outputImage());
    if (result.ok()) {
        emit dataFileUsed(path);
        return true;
    }
    MsgBox(m_owner, m_model.language(), MessageId::FileSaveFailed, QDir::toNativeSeparators(path) + QLatin1Char('\n') + result.detail);
    return false;
}

} // namespace kt913

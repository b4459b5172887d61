// SPDX-License-Identifier: GPL-3.0-or-later
// Files the desktop way: File › Recent Files, and a data file or CSV channel list
// dropped on the main window.
#include "link/Transfer.h"
#include "shell/FileCommands.h"
#include "shell/MainWindow.h"
#include "shell/RecentFilesMenu.h"
#include "widgets/MessageBox.h"
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace kt913 {

namespace {

bool isCsv(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// The one local file a drag brings when it is a data file or a CSV channel list; empty
// for anything else (several files, a web address, a folder, another kind of file).
QString droppableFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().first().isLocalFile())
        return QString();
    const QString path = mime->urls().first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) != 0 && !isCsv(path))
        return QString();
    return path;
}

} // namespace

void MainWindow::createRecentFilesMenu(QMenu *file)
{
    QMenu *menu = file->addMenu(QString());
    menu->setObjectName(QStringLiteral("MNRecent"));
    m_recentFiles = new RecentFilesMenu(menu, *m_settings, this);
    // Read afresh each time: another instance may have added a file since.
    connect(file, &QMenu::aboutToShow, m_recentFiles, &RecentFilesMenu::refresh);
    connect(m_recentFiles, &RecentFilesMenu::chosen, this, &MainWindow::openRecentFile);
    connect(m_fileCommands, &FileCommands::dataFileUsed, m_recentFiles, &RecentFilesMenu::add);
}

void MainWindow::openRecentFile(const QString &path)
{
    if (QFileInfo::exists(path)) {
        m_fileCommands->openFile(path);
        return;
    }
    m_recentFiles->remove(path);
    const Language lang = m_model.language();
    MsgBox(this, lang,
           textIn(lang, "找不到文件：\n%1\n已从最近的文件中删除。", KT913_TR("MsgBox", "The file cannot be found:\n%1\nIt has been taken off Recent Files."))
               .arg(QDir::toNativeSeparators(path)),
           mb::Exclamation, textIn(lang, "注意", KT913_TR("MsgBox", "Attention")));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // While a transfer runs the data belongs to it.
    if (!m_transfer->isRunning() && !droppableFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppableFile(event->mimeData());
    if (path.isEmpty() || m_transfer->isRunning()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The file manager waits for the drop to end: questions and messages come after it.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            activateWindow();
            if (isCsv(path))
                m_fileCommands->importCsvFile(path);
            else
                m_fileCommands->openFile(path);
        },
        Qt::QueuedConnection);
}

} // namespace kt913

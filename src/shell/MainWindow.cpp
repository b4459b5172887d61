// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"
#include "widgets/WindowScope.h"
#include "widgets/AppIcon.h"
#include "editors/ChannelEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "editors/ChannelArrangeCommands.h"
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelUndo.h"
#include "image/ReadBackups.h"
#include "link/Transfer.h"
#include "windows/ProgressWindow.h"
#include "windows/TransferCommands.h"
#include "shell/CaptionRegistry.h"
#include "widgets/ChildFrame.h"
#include "shell/FileCommands.h"
#include "shell/FileDialogs.h"
#include "shell/AboutWindow.h"
#include "widgets/MessageBox.h"
#include "shell/PortList.h"
#include "shell/SettingStore.h"
#include "widgets/Twips.h"
#include "shell/WheelBlocker.h"
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTranslator>

namespace kt913 {

MainWindow::MainWindow(Options options, QWidget *parent)
    : QMainWindow(parent),
      m_options(std::move(options)),
      m_lockAnMa(m_options.clock ? m_options.clock : systemSecondsOfDay()),
      m_lockDebug(m_options.clock ? m_options.clock : systemSecondsOfDay())
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowIcon(appIcon());
    markAsWindow(this);
    setAcceptDrops(true);

    if (m_options.settings) {
        m_settings = m_options.settings;
    } else {
        m_ownSettings = platformSettingStore();
        m_settings = m_ownSettings.get();
    }
    FileDialogs *dialogs = m_options.dialogs;
    if (!dialogs) {
        m_ownDialogs = std::make_unique<QtFileDialogs>();
        dialogs = m_ownDialogs.get();
    }

    m_model.setLanguage(m_options.sessionLanguage.value_or(readLanguage(*m_settings)));
    m_storeLanguageAtExit = !m_options.sessionLanguage;

    m_transfer = m_options.port ? std::make_unique<Transfer>(m_model, std::move(m_options.port))
                                : std::make_unique<Transfer>(m_model);
    m_transfer->setBackupFolder(defaultBackupFolder());
    m_transferCommands = new TransferCommands(*m_transfer, this, this);
    m_fileCommands = new FileCommands(m_model, this, *dialogs, this);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(m_mdiArea);
    resize(twips(13500), twips(10500));

    createMenus();
    createToolbar();
    createStatusBar();

    m_channelEditor = new ChannelEditor(m_model);
    m_dtmfEditor = new DtmfEditor(m_model);
    m_optionalFeaturesEditor = new OptionalFeaturesEditor(m_model);
    m_debugEditor = new DebugEditor(m_model);
    m_fmEditor = new FmEditor(m_model);
    for (QWidget *form : {static_cast<QWidget *>(m_channelEditor), static_cast<QWidget *>(m_dtmfEditor),
                          static_cast<QWidget *>(m_optionalFeaturesEditor), static_cast<QWidget *>(m_debugEditor),
                          static_cast<QWidget *>(m_fmEditor)}) {
        auto *frame = new ChildFrame(form);
        m_mdiArea->addSubWindow(frame);
        frame->hide();
    }
    m_about = new AboutWindow(this);
    // The channel list's undo and redo are in the Edit menu as well as on the grids.
    if (auto *edit = menuBar()->findChild<QMenu *>(QStringLiteral("MNEdit"))) {
        edit->addSeparator()->setObjectName(QStringLiteral("MNLine2"));
        for (const char *name : {"MNUndo", "MNRedo"}) {
            QAction *a = m_channelEditor->rowCommands().action(name);
            edit->addAction(a);
            // What is undone is shown, wherever the command came from.
            connect(a, &QAction::triggered, this, [this] { showChild(m_channelEditor); });
        }
        // Putting the channel list in order, beside its undo.
        edit->addSeparator()->setObjectName(QStringLiteral("MNLine3"));
        ChannelArrangeCommands &arrange = m_channelEditor->arrangeCommands();
        for (const char *name : {"MNSortRows", "MNCompactRows", "MNMoveToOtherGroup", "MNFind", "MNFindDuplicates"})
            edit->addAction(arrange.action(name));
        // Shown first, so that a command acts on the channels the user sees.
        connect(&arrange, &ChannelArrangeCommands::aboutToAct, this, [this] { showChild(m_channelEditor); });
    }

    m_transferCommands->setCommands({action(QStringLiteral("MNRead")), action(QStringLiteral("MNWrite"))});
    m_transferCommands->setPendingEditCommit([this] { m_channelEditor->commitPendingEdit(); });
    m_fileCommands->setPendingEditCommit([this] { m_channelEditor->commitPendingEdit(); });
    m_fileCommands->setEditApplier(
        [this](const QList<ChannelEdit> &edits) { m_channelEditor->applyEdits(QStringLiteral("import"), edits); });

    connectCommands();
    // The lock buttons show while their service mode is on, whoever switched it.
    connect(&m_model, &RadioModel::forceWriteUnlockedChanged, this,
            [this](bool on) { action(QStringLiteral("TAnMa"))->setVisible(on); });
    connect(&m_model, &RadioModel::debugUnlockedChanged, this,
            [this](bool on) { action(QStringLiteral("TDebug"))->setVisible(on); });
    // The status bar tells of a port that failed, and of its return.
    connect(m_transfer.get(), &Transfer::portLost, this, [this] { showPortPanel(); });
    connect(m_transfer.get(), &Transfer::portReopened, this, [this] { showPortPanel(); });
    // A read that could not be backed up is still a good read: say so quietly.
    connect(m_transfer.get(), &Transfer::backupFailed, this, [this](const QString &reason) {
        StatusBar1->showMessage(backupFailedText(m_model.language(), reason), 20000);
    });
    connect(m_transferCommands, &TransferCommands::transferEnded, this, [this] {
        if (!m_closeAfterTransfer)
            return;
        m_closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    // Every window takes the model's language, whoever changes it.
    connect(&m_model, &RadioModel::languageChanged, this, &MainWindow::applyLanguage);
    applyLanguage();
}

MainWindow::~MainWindow()
{
    // The windows that work on the model go before it does.
    delete m_transferCommands;
    m_transferCommands = nullptr;
    m_mdiArea->closeAllSubWindows();
    qDeleteAll(m_mdiArea->subWindowList());
}

void MainWindow::load()
{
    // Band 0 was applied without a question when the model was made; the list follows.
    {
        const QSignalBlocker quiet(Combo1);
        Combo1->setCurrentIndex(m_model.bandSelection());
    }
    showChild(m_channelEditor);

    const QStringList ports = m_options.listPorts ? m_options.listPorts() : knownPortsForList();
    {
        const QSignalBlocker quiet(ComboCom);
        ComboCom->clear();
        ComboCom->addItems(ports);
        ComboCom->setCurrentIndex(-1);
    }
    if (!m_options.startPort.isEmpty()) {
        selectPort(m_options.startPort);
    } else if (ComboCom->count() > 0) {
        ComboCom->setCurrentIndex(0);
        onPortChosen();
    } else {
        onPortChosen();
    }

    m_wheelBlocker = new WheelBlocker(this);
    Combo1->installEventFilter(m_wheelBlocker);
}

void MainWindow::showChild(QWidget *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    form->show();
    if (!frame)
        return;
    frame->show();
    frame->raise();
    m_mdiArea->setActiveSubWindow(frame);
}

void MainWindow::applyLanguage()
{
    useQtTexts();

    ApplyLanguage(m_model.language(), captionTables(), [this](const QString &window) -> QWidget * {
        if (window == QLatin1String("MDIForm1"))
            return this;
        if (window == QLatin1String("Form1"))
            return m_channelEditor;
        if (window == QLatin1String("Form2"))
            return m_dtmfEditor;
        if (window == QLatin1String("Form3"))
            return m_optionalFeaturesEditor;
        if (window == QLatin1String("Form4"))
            return m_debugEditor;
        if (window == QLatin1String("Form5"))
            return m_fmEditor;
        if (window == QLatin1String("FrmAbout"))
            return m_about;
        if (window == QLatin1String("FrmWriting"))
            return m_transferCommands ? m_transferCommands->progressWindow() : nullptr;
        return findChild<QWidget *>(window);
    });
}

void MainWindow::setLanguage(Language lang)
{
    m_storeLanguageAtExit = true; // the user's own choice outlasts a session's --lang
    // The windows re-caption as the model announces a change; the menu puts the captions
    // of the language in force back in place as well (a window made anew has its own).
    if (m_model.language() == lang)
        applyLanguage();
    else
        m_model.setLanguage(lang);
}

void MainWindow::onBandListChanged(int index)
{
    if (index < 0)
        return;
    // Through the channel editor's history: a change that clears the channels can be undone.
    m_channelEditor->undo().changeBandSelection(index, [this] {
        return MsgBox(this, m_model.language(), MessageId::BandChangeConfirm) == mbResult::Ok;
    });
}

void MainWindow::lockButtonClicked(const QString &key)
{
    const bool anMa = key == QLatin1String("TAnMa");
    if (!(anMa ? m_lockAnMa : m_lockDebug).click())
        return;
    if (anMa) {
        m_model.setForceWriteUnlocked(false);
        emit forceWriteLocked();
    } else {
        m_model.setDebugUnlocked(false);
        emit debugLocked();
    }
    action(key)->setVisible(false);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_shutDown) {
        // A transfer holds the radio in programming mode; it ends within seconds, and
        // the close goes on then, question and all.
        if (m_transfer->isRunning()) {
            m_closeAfterTransfer = true;
            event->ignore();
            return;
        }
        if (MsgBox(this, m_model.language(), MessageId::QuitConfirm) != mbResult::Ok) {
            event->ignore();
            return;
        }
        shutdown();
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::shutdown()
{
    // Ends only this program: another instance keeps running with its own work.
    m_shutDown = true;
    if (m_wheelBlocker)
        Combo1->removeEventFilter(m_wheelBlocker);
    if (m_storeLanguageAtExit)
        storeLanguage(*m_settings, m_model.language());
}

} // namespace kt913

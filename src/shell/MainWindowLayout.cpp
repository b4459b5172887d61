// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, toolbar and status bar, and what their commands do.
#include "editors/ChannelGrid.h"
#include "editors/ChannelEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "image/BandTable.h"
#include "link/Transfer.h"
#include "windows/TransferCommands.h"
#include "windows/PrintPreview.h"
#include "shell/FileCommands.h"
#include "shell/AboutWindow.h"
#include "shell/KeyboardHelp.h"
#include "shell/MainWindow.h"
#include "shell/SettingStore.h"
#include "shell/ToolbarIcons.h"
#include "widgets/Twips.h"
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

namespace kt913 {

QAction *MainWindow::addAction(QMenu *menu, const char *name, const QKeySequence &shortcut)
{
    auto *a = new QAction(this);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    menu->addAction(a);
    m_actions.insert(a->objectName(), a);
    return a;
}

void MainWindow::createMenus()
{
    auto menu = [this](const char *name) {
        auto *m = menuBar()->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    menuBar()->setObjectName(QStringLiteral("MenuBar"));

    QMenu *file = menu("MNFile");
    addAction(file, "MNNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(file, "MNOpen", QKeySequence(Qt::CTRL | Qt::Key_O));
    createRecentFilesMenu(file);
    addAction(file, "MNSave", QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator()->setObjectName(QStringLiteral("MNLineCsv"));
    addAction(file, "MNImportCsv");
    addAction(file, "MNExportCsv");
    addAction(file, "MNPrint");
    QAction *line = file->addSeparator();
    line->setObjectName(QStringLiteral("MNLine1"));
    addAction(file, "MNQuit");

    QMenu *edit = menu("MNEdit");
    addAction(edit, "MNModel", QKeySequence(Qt::CTRL | Qt::Key_M));
    // The DTMF window and the help file are out of the user's reach: nothing switches
    // these two items on.
    addAction(edit, "MNDTMF", QKeySequence(Qt::CTRL | Qt::Key_D))->setEnabled(false);
    addAction(edit, "MNOption", QKeySequence(Qt::CTRL | Qt::Key_P));
    addAction(edit, "MNDebug", QKeySequence(Qt::CTRL | Qt::Key_B));
    addAction(edit, "MNFMset", QKeySequence(Qt::CTRL | Qt::Key_F));

    QMenu *program = menu("MNProgram");
    addAction(program, "MNRead", QKeySequence(Qt::CTRL | Qt::Key_R));
    addAction(program, "MNWrite", QKeySequence(Qt::CTRL | Qt::Key_W));
    addAction(program, "MNVerify")->setCheckable(true);
    addAction(program, "MNPreview")->setCheckable(true); // a write shows what it overwrites first
    addAction(program, "MNCompare");
    addAction(program, "MNCommPort");
    addAction(program, "MNOtherPort"); // a device the port list does not show

    QMenu *language = menu("MNLanguage");
    addAction(language, "MNChinese");
    addAction(language, "MNEnglish");
    addTranslations(language);

    QMenu *help = menu("MNHelp");
    addAction(help, "MNF1", QKeySequence(Qt::Key_F1))->setEnabled(false);
    addAction(help, "MNKeys"); // the keyboard's use of the grids
    addAction(help, "MNAbout", QKeySequence(Qt::CTRL | Qt::Key_A));
}

QAction *MainWindow::addToolButton(const char *key, QAction *command)
{
    const QString name = QString::fromLatin1(key);
    QAction *a = command;
    if (a) {
        // The menu item's own action: enabling and captions happen once for both. The
        // menus keep their plain look.
        a->setIcon(toolbarIcon(name));
        a->setIconVisibleInMenu(false);
    } else {
        // No text: a button's tooltip would show it. The caption tables give the
        // tooltips and the spoken names.
        a = new QAction(toolbarIcon(name), QString(), this);
        a->setObjectName(name);
    }
    Toolbar1->addAction(a);
    // The button carries the key, so that the caption tables find it by that name.
    Toolbar1->widgetForAction(a)->setObjectName(name);
    m_actions.insert(name, a);
    return a;
}

void MainWindow::createToolbar()
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    addToolButton("TNew", action(QStringLiteral("MNNew")));
    addToolButton("TOpen", action(QStringLiteral("MNOpen")));
    addToolButton("TSave", action(QStringLiteral("MNSave")));
    Toolbar1->addSeparator();
    addToolButton("TRead", action(QStringLiteral("MNRead")));
    addToolButton("TWrite", action(QStringLiteral("MNWrite")));
    // The lock buttons appear while their service mode is unlocked (the optional
    // features window shows them); TFMMa is never shown.
    addToolButton("TAnMa")->setVisible(false);
    addToolButton("TDebug")->setVisible(false);
    addToolButton("TFMMa")->setVisible(false);
    Toolbar1->addSeparator();

    auto *bandLabel = new QLabel(Toolbar1);
    bandLabel->setObjectName(QStringLiteral("Label1")); // the band list's label
    Toolbar1->addWidget(bandLabel);
    Combo1 = new QComboBox(Toolbar1);
    bandLabel->setBuddy(Combo1);
    Combo1->setObjectName(QStringLiteral("Combo1")); // band list
    Combo1->addItems(bandListItems());
    Combo1->setFocusPolicy(Qt::StrongFocus);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Toolbar1->addWidget(Combo1);

    // The port list is not part of the toolbar's row: it pops up over it, under the
    // Programming menu, only while the user chooses a port.
    ComboCom = new QComboBox(Toolbar1);
    ComboCom->setObjectName(QStringLiteral("ComboCom"));
    ComboCom->setGeometry(twips(2475), 0, twips(1185), ComboCom->sizeHint().height());
    ComboCom->hide();
    ComboCom->installEventFilter(this);
}

void MainWindow::createStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setContentsMargins(4, 0, 4, 0);
        if (i < 2)
            StatusBar1->addWidget(m_panels[i], i == 1 ? 1 : 0);
        else
            StatusBar1->addPermanentWidget(m_panels[i]);
    }
    m_panels[0]->setMinimumWidth(twips(1800));
    m_panels[0]->setText(QStringLiteral("COM: "));
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("StatusClock"));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clockTimer->start();
    updateClock();
}

void MainWindow::updateClock()
{
    const QLocale locale;
    m_panels[2]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    m_panels[3]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void MainWindow::connectCommands()
{
    auto on = [this](const char *name, auto slot) { connect(action(QString::fromLatin1(name)), &QAction::triggered, this, slot); };

    on("MNNew", [this] { m_fileCommands->newData(); });
    on("MNOpen", [this] { m_fileCommands->open(); });
    on("MNSave", [this] { m_fileCommands->save(); });
    on("MNImportCsv", [this] { m_fileCommands->importCsv(); });
    on("MNExportCsv", [this] { m_fileCommands->exportCsv(); });
    on("MNRead", [this] { m_transferCommands->startRead(); });
    on("MNWrite", [this] { m_transferCommands->startWrite(); });
    // Reading the radio back after each write is a choice kept between runs.
    QAction *verify = action(QStringLiteral("MNVerify"));
    verify->setChecked(readVerifyWrites(*m_settings));
    m_transfer->setVerifyWrites(verify->isChecked());
    connect(verify, &QAction::toggled, this, [this](bool on) {
        m_transfer->setVerifyWrites(on);
        storeVerifyWrites(*m_settings, on);
    });
    // So is showing what a write would overwrite before it goes ahead.
    QAction *preview = action(QStringLiteral("MNPreview"));
    preview->setChecked(readPreviewWrites(*m_settings));
    m_transferCommands->setPreviewWrites(preview->isChecked());
    connect(preview, &QAction::toggled, this, [this](bool on) {
        m_transferCommands->setPreviewWrites(on);
        storePreviewWrites(*m_settings, on);
    });
    on("MNCompare", [this] { m_transferCommands->startComparison(); });
    on("TAnMa", [this] { lockButtonClicked(QStringLiteral("TAnMa")); });
    on("TDebug", [this] { lockButtonClicked(QStringLiteral("TDebug")); });

    on("MNPrint", [this] {
        // What is being typed in a cell belongs in the report. Group A's grid does not
        // redraw while the preview is up.
        m_channelEditor->commitPendingEdit();
        QWidget *grid1 = m_channelEditor->grid(1);
        grid1->setUpdatesEnabled(false);
        PrintPreview::showPreview(m_model, this);
        grid1->setUpdatesEnabled(true);
    });
    on("MNQuit", [this] { close(); });
    on("MNModel", [this] { showChild(m_channelEditor); });
    on("MNDTMF", [this] { showChild(m_dtmfEditor); });
    on("MNOption", [this] { showChild(m_optionalFeaturesEditor); });
    on("MNDebug", [this] { showChild(m_debugEditor); });
    on("MNFMset", [this] { showChild(m_fmEditor); });
    on("MNCommPort", [this] { showPortList(); });
    on("MNOtherPort", [this] { askOtherPort(); });
    on("MNChinese", [this] { setLanguage(Language::Chinese); });
    on("MNEnglish", [this] { setLanguage(Language::English); });
    on("MNF1", [] { QDesktopServices::openUrl(AboutWindow::documentationUrl()); });
    on("MNKeys", [this] {
        KeyboardHelp keys(m_model.language(), this);
        keys.exec();
    });
    on("MNAbout", [this] {
        // An about window unloaded by a click comes back as it was designed, until the
        // language is applied again.
        if (m_about->wasUnloaded()) {
            delete m_about;
            m_about = new AboutWindow(this);
        }
        m_about->exec();
    });

    connect(m_fileCommands, &FileCommands::channelEditorWanted, this, [this] { showChild(m_channelEditor); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, &MainWindow::onBandListChanged);
    connect(&m_model, &RadioModel::bandSelectionChanged, this, [this](int index) {
        if (Combo1->currentIndex() != index)
            Combo1->setCurrentIndex(index);
    });
    connect(ComboCom, &QComboBox::activated, this, [this] { onPortChosen(); });
}

} // namespace kt913

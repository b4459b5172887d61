// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menus, toolbar, status bar, the band list and the port list, the
// editor windows as child windows, and the radio data they all work on.
#include "image/RadioModel.h"
#include "link/SerialLine.h"
#include "shell/LockButton.h"
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QTranslator;

namespace kt913 {

class FileCommands;
class FileDialogs;
class RecentFilesMenu;
class ChannelEditor;
class DtmfEditor;
class OptionalFeaturesEditor;
class DebugEditor;
class FmEditor;
class AboutWindow;
class SettingStore;
class Transfer;
class TransferCommands;
class WheelBlocker;

// What the surroundings decide; tests replace each part, the program uses defaults.
struct MainWindowOptions {
    SettingStore *settings = nullptr;       // null: the platform's store
    FileDialogs *dialogs = nullptr;         // null: the platform's file dialogs
    std::function<QStringList()> listPorts; // null: the system's serial ports
    std::unique_ptr<SerialLine> port;           // null: the program's serial port
    QString startPort;                      // a port to select at load instead of the first
    std::optional<Language> sessionLanguage; // shown instead of the stored language, not stored
    SecondsOfDay clock;                     // null: the time of day, for the lock buttons
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Options = MainWindowOptions;

    // Reads the language, builds every window (editors hidden) and sets its texts.
    explicit MainWindow(Options options = Options(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // The main window's load: band 0 without a question, the channel editor shown, the
    // port list filled and its selection opened, the band list deaf to the wheel.
    void load();

    RadioModel &model() { return m_model; }
    Transfer &transfer() { return *m_transfer; }
    TransferCommands &transferCommands() { return *m_transferCommands; }
    FileCommands &fileCommands() { return *m_fileCommands; }

    // A command by the name of its menu item or toolbar button ("MNRead", "TRead"): a
    // menu item and the button of the same command share one action.
    QAction *action(const QString &name) const { return m_actions.value(name); }

    QMdiArea *mdiArea() const { return m_mdiArea; }
    ChannelEditor *channelEditor() const { return m_channelEditor; }
    DtmfEditor *dtmfEditor() const { return m_dtmfEditor; }
    OptionalFeaturesEditor *optionalFeaturesEditor() const { return m_optionalFeaturesEditor; }
    DebugEditor *debugEditor() const { return m_debugEditor; }
    FmEditor *fmEditor() const { return m_fmEditor; }
    AboutWindow *aboutWindow() const { return m_about; }

    // Shows an editor window and brings it to the front.
    void showChild(QWidget *form);
    // Sets every caption of every window for the model's language.
    void applyLanguage();
    // The language menu: switch, re-caption, re-text the channel grids.
    void setLanguage(Language lang);
    // The same for an installed translation ("de"); false when there is none of that name.
    bool setTranslation(const QString &locale);

    // Selects a port of the port list (added when it is not there) and opens it.
    void selectPort(const QString &port);

signals:
    // A lock button locked its service mode again (the windows of that mode listen).
    void forceWriteLocked();
    void debugLocked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // A .dat file dropped on the window is opened, a .csv file imported, as the File
    // menu does; other files are refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Building (MainWindowLayout.cpp).
    void createMenus();
    void createToolbar();
    void createStatusBar();
    QAction *addAction(QMenu *menu, const char *name, const QKeySequence &shortcut = QKeySequence());
    // One item per installed translation, after the built-in languages.
    void addTranslations(QMenu *language);
    // Qt's own texts (file dialogs, the print preview's) for the language in force.
    void useQtTexts();
    // The toolbar button `key`, showing `command` (a menu item's action), or a
    // button of its own when null.
    QAction *addToolButton(const char *key, QAction *command = nullptr);
    void connectCommands();
    void updateClock();

    // Recent Files and dropped files (MainWindowFiles.cpp).
    void createRecentFilesMenu(QMenu *file);
    // As Open of that file; a file no longer there leaves the list, with a message.
    void openRecentFile(const QString &path);

    // The band list (Combo1) and the port list (ComboCom).
    void onBandListChanged(int index);
    void onPortChosen();
    void showPortPanel(); // status panel 1: the port, and whether it was lost
    void showPortList();
    void askOtherPort();
    bool eventFilter(QObject *watched, QEvent *event) override;

    void lockButtonClicked(const QString &key);
    void shutdown();

    RadioModel m_model;
    Options m_options;
    std::unique_ptr<SettingStore> m_ownSettings;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    SettingStore *m_settings = nullptr;
    std::unique_ptr<Transfer> m_transfer;
    TransferCommands *m_transferCommands = nullptr;
    FileCommands *m_fileCommands = nullptr;
    RecentFilesMenu *m_recentFiles = nullptr;

    QHash<QString, QAction *> m_actions;
    QMdiArea *m_mdiArea = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *m_panels[4] = {};
    QComboBox *Combo1 = nullptr;   // band list
    QComboBox *ComboCom = nullptr; // port list, shown only while choosing
    QTimer *m_clockTimer = nullptr;
    WheelBlocker *m_wheelBlocker = nullptr;

    ChannelEditor *m_channelEditor = nullptr;
    DtmfEditor *m_dtmfEditor = nullptr;
    OptionalFeaturesEditor *m_optionalFeaturesEditor = nullptr;
    DebugEditor *m_debugEditor = nullptr;
    FmEditor *m_fmEditor = nullptr;
    AboutWindow *m_about = nullptr;

    LockButton m_lockAnMa;
    LockButton m_lockDebug;
    bool m_shutDown = false;
    bool m_storeLanguageAtExit = true;
    bool m_closeAfterTransfer = false; // a close asked for while a transfer ran
    QTranslator *m_qtTexts = nullptr; // Qt's own dialogs in the language in force
    QString m_qtTextsLocale;          // the locale m_qtTexts holds and has installed
};

} // namespace kt913

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shell's tests share: every message box answered and recorded in one place,
// file dialogs that answer with a prepared name, and a main window whose setting, port
// list and clock belong to the test.
#include "shell/FileDialogs.h"
#include "shell/MainWindow.h"
#include "widgets/MessageBox.h"
#include "widgets/WindowScope.h"
#include "shell/SettingStore.h"
#include <QList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

namespace kt913::test {

// Answers every message box (OK unless told otherwise) and keeps what was asked.
class MessageLog {
public:
    MessageLog()
    {
        setMessageAnswerer([this](const MessageRequest &r) {
            requests.append(r);
            if (onMessage)
                onMessage(r);
            if (answers.empty())
                return int(mbResult::Ok);
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MessageLog() { setMessageAnswerer(nullptr); }

    QStringList prompts() const
    {
        QStringList p;
        for (const MessageRequest &r : requests)
            p << r.prompt;
        return p;
    }
    void clear() { requests.clear(); }

    QList<MessageRequest> requests;
    std::deque<int> answers;                          // next answers, then OK
    std::function<void(const MessageRequest &)> onMessage; // looks at the program while a box is up
};

class ScriptedDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *, const QString &folder, const QStringList &filters) override
    {
        lastFolder = folder;
        lastFilters = filters;
        ++opened;
        return openAnswer;
    }
    QString saveFileName(QWidget *, const QString &folder, const QStringList &filters) override
    {
        lastFolder = folder;
        lastFilters = filters;
        ++saved;
        return saveAnswer;
    }
    QString openAnswer, saveAnswer;
    QString lastFolder;
    QStringList lastFilters;
    int opened = 0, saved = 0;
};

// A main window in a test's own surroundings: settings in a temporary folder, no system
// ports (unless given), file dialogs and clock of the test.
struct ShellUnderTest {
    QTemporaryDir dir;
    std::unique_ptr<IniSettingStore> settings;
    ScriptedDialogs dialogs;
    int secondsOfDay = 36000;
    std::optional<Language> sessionLanguage; // as kt913 --lang gives it
    std::unique_ptr<MainWindow> window;

    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }

    MainWindow &start(const QStringList &ports = {}, const QString &startPort = QString())
    {
        settings = std::make_unique<IniSettingStore>(settingsPath());
        MainWindow::Options options;
        options.settings = settings.get();
        options.dialogs = &dialogs;
        options.listPorts = [ports] { return ports; };
        options.startPort = startPort;
        options.sessionLanguage = sessionLanguage;
        options.clock = [this] { return secondsOfDay; };
        window = std::make_unique<MainWindow>(std::move(options));
        window->load();
        window->show();
        window->activateWindow(); // also where no window manager hands out the focus
        return *window;
    }
};

} // namespace kt913::test

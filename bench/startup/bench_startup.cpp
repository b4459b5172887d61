// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of kt913: the whole program launched as a user launches it (process start to
// main window shown, resident memory then), and the main window alone built in-process.
#include "shell/MainWindow.h"
#include "widgets/MessageBox.h"
#include "shell/SettingStore.h"
#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>

using namespace kt913;

namespace {

constexpr double kLimitMs = 500;
constexpr double kLimitMb = 100;

double g_worstMs = 0;
double g_worstMb = 0;

struct Launch {
    double wallMs = 0; // process start until the window reported itself shown
    double shownMs = 0; // as the program measured it from main()
    double rssMb = 0;
    bool ok = false;
};

Launch launchOnce(const QString &settingsPath)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KT913_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("KT913_SETTINGS"), settingsPath);
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(KT913_BINARY_DIR "/src/shell/kt913"), {});
    Launch result;
    if (!process.waitForStarted(10000))
        return result;
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(10000))
        out += process.readAllStandardOutput();
    result.wallMs = clock.nsecsElapsed() / 1e6;
    process.waitForFinished(10000);

    static const QRegularExpression re(QStringLiteral("shown_ms=(\\d+) rss_kb=(\\d+)"));
    const auto m = re.match(QString::fromLatin1(out));
    if (!m.hasMatch())
        return result;
    result.shownMs = m.captured(1).toDouble();
    result.rssMb = m.captured(2).toDouble() / 1024.0;
    result.ok = true;
    return result;
}

void ProgramStartUp(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    double rss = 0, shown = 0;
    for (auto _ : state) {
        const Launch l = launchOnce(settings);
        if (!l.ok) {
            state.SkipWithError("kt913 did not report its start-up");
            return;
        }
        state.SetIterationTime(l.wallMs / 1000.0);
        rss = std::max(rss, l.rssMb);
        shown = std::max(shown, l.shownMs);
        g_worstMs = std::max(g_worstMs, l.wallMs);
        g_worstMb = std::max(g_worstMb, l.rssMb);
    }
    state.counters["resident_MB"] = rss;
    state.counters["in_process_ms"] = shown;
}
BENCHMARK(ProgramStartUp)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The main window built, loaded and shown in a running application: what start-up costs
// beyond Qt's own initialisation.
void MainWindowBuildAndShow(benchmark::State &state)
{
    QTemporaryDir dir;
    IniSettingStore settings(dir.filePath(QStringLiteral("settings.ini")));
    setMessageAnswerer([](const MessageRequest &) { return int(mbResult::Ok); });
    for (auto _ : state) {
        MainWindow::Options options;
        options.settings = &settings;
        options.listPorts = [] { return QStringList(); };
        auto window = std::make_unique<MainWindow>(std::move(options));
        window->load();
        window->show();
        QElapsedTimer waited;
        waited.start();
        while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!window->windowHandle()->isExposed()) {
            state.SkipWithError("window not exposed");
            break;
        }
    }
    setMessageAnswerer(nullptr);
}
BENCHMARK(MainWindowBuildAndShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_worstMs > 0) {
        const bool ok = g_worstMs < kLimitMs && g_worstMb < kLimitMb;
        std::printf("start-up: worst %.0f ms (limit %.0f), resident %.1f MB (limit %.0f): %s\n", g_worstMs, kLimitMs,
                    g_worstMb, kLimitMb, ok ? "within limits" : "OVER LIMIT");
        return ok ? 0 : 1;
    }
    return 0;
}

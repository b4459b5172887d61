// SPDX-License-Identifier: GPL-3.0-or-later
#include "MultiPortWrite.h"
#include "InterruptWatch.h"
#include "RadioTransfer.h"
#include "image/Messages.h"
#include "image/RadioModel.h"
#include "link/PortNames.h"
#include "link/Transfer.h"
#include <QEventLoop>
#include <algorithm>
#include <QTimer>
#include <memory>
#include <vector>

namespace kt913::cli {

namespace {

constexpr int kProbeIntervalMs = 1000; // a handshake every second while waiting
// A radio that restarts after programming may miss a handshake or two: it counts as taken
// off only after this many unanswered ones in a row (or at once when the port fails).
constexpr int kAbsentProbes = 3;

enum class Phase {
    Writing,
    AwaitRemoval, // the radio just written (or refused) is still on the cable
    AwaitRadio,   // nothing answers: waiting for the next radio
    Done,
};

struct PortRun {
    QString port;
    std::unique_ptr<RadioModel> model;
    std::unique_ptr<Transfer> transfer;
    Phase phase = Phase::Writing;
    int step = 0;
    bool portLost = false; // the port failed since this radio's write began
    int unanswered = 0;    // handshakes in a row without an answer
    int written = 0, failed = 0;
    QString lastFailure;
    QString status; // the port's progress line after its name
    QTimer probeTimer;
};

class MultiWriter {
public:
    MultiWriter(const WriteOptions &options, Context &ctx) : m_options(options), m_ctx(ctx) {}

    int run(SerialTrace *trace);

private:
    void beginWrite(PortRun &p);
    void onFinished(PortRun &p, Transfer::Ending ending);
    void onPresence(PortRun &p, bool answered);
    void stop();
    void finishIfAllDone();
    void setStatus(PortRun &p, const QString &status);
    void drawLines();
    void printSummary();
    QString countText(const PortRun &p) const;

    const WriteOptions &m_options;
    Context &m_ctx;
    std::vector<std::unique_ptr<PortRun>> m_ports;
    QEventLoop m_loop;
    bool m_stopping = false;
    bool m_drawn = false;
};

int MultiWriter::run(SerialTrace *trace)
{
    for (const QString &name : m_options.ports) {
        auto p = std::make_unique<PortRun>();
        p->port = name;
        p->model = std::make_unique<RadioModel>();
        if (const int rc = prepareWriteModel(*p->model, m_options, m_ctx))
            return rc;
        p->transfer = std::make_unique<Transfer>(*p->model);
        p->transfer->setTrace(trace);
        p->transfer->setVerifyWrites(m_options.verify);
        m_ports.push_back(std::move(p));
    }

    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupted, &m_loop, [this] { stop(); });
    for (auto &owned : m_ports) {
        PortRun &p = *owned;
        Transfer &t = *p.transfer;
        QObject::connect(&t, &Transfer::progressChanged, &m_loop, [this, &p](int step) {
            p.step = step;
            if (m_ctx.errIsTerminal)
                drawLines();
        });
        QObject::connect(&t, &Transfer::verifyStarted, &m_loop, [this, &p] {
            setStatus(p, textIn(m_ctx.lang, "正在校验", "verifying"));
        });
        QObject::connect(&t, &Transfer::bandQuestion, &m_loop, [this, &t] { t.answerBandQuestion(m_options.force); });
        QObject::connect(&t, &Transfer::finished, &m_loop, [this, &p](Transfer::Ending e) { onFinished(p, e); });
        QObject::connect(&t, &Transfer::portLost, &m_loop, [&p] { p.portLost = true; });
        QObject::connect(&t, &Transfer::presence, &m_loop, [this, &p](bool answered) { onPresence(p, answered); });
        p.probeTimer.setInterval(kProbeIntervalMs);
        QObject::connect(&p.probeTimer, &QTimer::timeout, &m_loop, [&t] { t.probe(); }); // refused while one runs

        const PortOpenResult opened = t.openPort(p.port);
        if (m_options.repeat) {
            // The first radio is waited for like every later one, so that the port may
            // also come later (an adapter plugged in once the program runs).
            p.phase = Phase::AwaitRadio;
            setStatus(p, textIn(m_ctx.lang, "等待对讲机", "waiting for a radio"));
            t.probe();
            p.probeTimer.start();
        } else {
            if (!opened.ok()) // then refused by the transfer as an invalid port
                m_ctx.err << message(MessageId::PortUnavailable, m_ctx.lang, p.port).text << '\n'
                          << describePortFailure(opened, m_ctx.lang) << Qt::endl;
            beginWrite(p);
        }
    }
    finishIfAllDone();
    if (std::any_of(m_ports.begin(), m_ports.end(), [](const auto &p) { return p->phase != Phase::Done; }))
        m_loop.exec();
    printSummary();
    const bool anyFailed = std::any_of(m_ports.begin(), m_ports.end(), [](const auto &p) { return p->failed > 0; });
    return anyFailed ? ExitRadio : ExitOk;
}

void MultiWriter::beginWrite(PortRun &p)
{
    p.phase = Phase::Writing;
    p.step = 0;
    p.portLost = false;
    p.unanswered = 0;
    p.probeTimer.stop();
    setStatus(p, textIn(m_ctx.lang, "正在写入", "writing"));
    p.transfer->startWrite(); // on a port that is not open, finished(PortInvalid) follows
}

void MultiWriter::onFinished(PortRun &p, Transfer::Ending ending)
{
    // The radio just handled stays on the cable until the user takes it off; it must not
    // be written again.
    p.phase = m_options.repeat && !m_stopping ? Phase::AwaitRemoval : Phase::Done;
    if (Transfer::succeeded(ending)) {
        ++p.written;
        QString done = message(MessageId::WriteSucceeded, m_ctx.lang).text;
        if (m_options.verify)
            done += QLatin1Char(' ') + textIn(m_ctx.lang, "已校验。", "Verified.");
        setStatus(p, m_options.repeat ? countText(p) + QStringLiteral(" · ") + done : done);
    } else {
        ++p.failed;
        p.lastFailure = endingText(*p.transfer, ending, m_ctx.lang);
        if (p.lastFailure.isEmpty()) // the band question answered Cancel
            p.lastFailure = message(MessageId::BandMismatchRefused, m_ctx.lang).text;
        setStatus(p, textIn(m_ctx.lang, "失败：", "failed: ") + p.lastFailure);
    }
    if (p.phase == Phase::Done)
        finishIfAllDone();
    else
        p.probeTimer.start();
}

void MultiWriter::onPresence(PortRun &p, bool answered)
{
    if (m_stopping) {
        p.probeTimer.stop();
        p.phase = Phase::Done;
        setStatus(p, countText(p));
        finishIfAllDone();
        return;
    }
    // A port that failed since the write (a cable or adapter pulled) had its radio taken
    // off, whoever answers now.
    p.unanswered = answered ? 0 : p.unanswered + 1;
    if (p.phase == Phase::AwaitRemoval && (p.unanswered >= kAbsentProbes || p.portLost)) {
        p.phase = Phase::AwaitRadio;
        setStatus(p, countText(p) + QStringLiteral(" · ") + textIn(m_ctx.lang, "等待下一台对讲机", "waiting for the next radio"));
    }
    if (p.phase == Phase::AwaitRadio && answered)
        beginWrite(p);
}

void MultiWriter::stop()
{
    m_stopping = true;
    m_ctx.err << textIn(m_ctx.lang, "停止：正在写入的对讲机写完后结束。", "Stopping once the radios being written are done.") << Qt::endl;
    m_drawn = false;
    for (auto &owned : m_ports) {
        PortRun &p = *owned;
        // A radio half written is worse than none: a running write goes to its end. A
        // probe under way ends through onPresence.
        if (p.phase == Phase::Writing || p.phase == Phase::Done || p.transfer->isProbing())
            continue;
        p.probeTimer.stop();
        p.phase = Phase::Done;
        setStatus(p, countText(p));
    }
    finishIfAllDone();
}

void MultiWriter::finishIfAllDone()
{
    if (std::all_of(m_ports.begin(), m_ports.end(), [](const auto &p) { return p->phase == Phase::Done; }))
        m_loop.quit();
}

QString MultiWriter::countText(const PortRun &p) const
{
    return textIn(m_ctx.lang, "已写 %1 台", "%1 radio(s) written").arg(p.written);
}

void MultiWriter::setStatus(PortRun &p, const QString &status)
{
    p.status = status;
    if (m_ctx.errIsTerminal)
        drawLines();
    else
        m_ctx.err << p.port << ": " << status << Qt::endl;
}

// One line per port, redrawn in place: "PORT  [#####.....]  98/196  writing".
void MultiWriter::drawLines()
{
    constexpr int kWidth = 20;
    if (m_drawn)
        m_ctx.err << QStringLiteral("\x1b[%1A").arg(m_ports.size());
    for (const auto &owned : m_ports) {
        const PortRun &p = *owned;
        m_ctx.err << "\r\x1b[2K" << p.port << "  ";
        if (p.phase == Phase::Writing) {
            const int filled = qBound(0, p.step * kWidth / Transfer::kSteps, kWidth);
            m_ctx.err << '[' << QString(filled, QLatin1Char('#')) << QString(kWidth - filled, QLatin1Char('.')) << "] "
                      << QString::number(p.step).rightJustified(3) << '/' << Transfer::kSteps << "  ";
        }
        m_ctx.err << p.status << '\n';
    }
    m_ctx.err.flush();
    m_drawn = true;
}

void MultiWriter::printSummary()
{
    int written = 0, failed = 0;
    for (const auto &owned : m_ports) {
        const PortRun &p = *owned;
        written += p.written;
        failed += p.failed;
        m_ctx.out << p.port << ": ";
        if (m_options.repeat) {
            m_ctx.out << countText(p);
            if (p.failed > 0)
                m_ctx.out << textIn(m_ctx.lang, "，失败 %1 台，最后一次：", ", %1 failed, the last: ").arg(p.failed) << p.lastFailure;
        } else if (p.failed == 0) {
            m_ctx.out << textIn(m_ctx.lang, "已写入", "written");
        } else {
            m_ctx.out << textIn(m_ctx.lang, "失败：", "failed: ") << p.lastFailure;
        }
        m_ctx.out << '\n';
    }
    m_ctx.out << textIn(m_ctx.lang, "共写入 %1 台对讲机，失败 %2 台。", "%1 radio(s) written, %2 failed.").arg(written).arg(failed) << Qt::endl;
}

} // namespace

int writeToManyRadios(const WriteOptions &options, SerialTrace *trace, Context &ctx)
{
    MultiWriter writer(options, ctx);
    return writer.run(trace);
}

} // namespace kt913::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// The event hook engine against plain objects, and the grid wheel hook against a real
// table view fed wheel events the way the window system delivers them.
#include "subclass/EventHookEngine.h"
#include "subclass/GridWheelHook.h"
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>

using namespace kt913;

namespace {

const auto Probe = QEvent::Type(QEvent::User + 1);
const auto Other = QEvent::Type(QEvent::User + 2);

QStringList trail;

// Logs "own" whenever its own event() gets a Probe.
struct Window : QObject {
    bool event(QEvent *e) override { return e->type() == Probe ? (trail.append("own"), true) : QObject::event(e); }
};

struct Client : EventHookClient {
    Client(const char *n, EventHookEngine &e) : name(QString::fromLatin1(n)), engine(e) {}
    QString name;
    EventHookEngine &engine;
    int answer = Consume;
    int seen = -1; // CurrentMessage as this client saw it
    std::function<void(QObject *)> during;
    int response() const override { return answer; }
    void setResponse(int r) override { answer = r; }
    qint32 handleEvent(QObject *w, int, QEvent *) override
    {
        trail.append(name);
        seen = engine.CurrentMessage();
        if (during)
            during(w);
        return 5;
    }
};

void send(QObject *to, QEvent::Type type = Probe)
{
    QEvent e(type);
    QCoreApplication::sendEvent(to, &e);
}

// Spontaneous, as from the window system: left unhandled, it travels on to the parents.
void turnWheel(QWidget *target, int dx, int dy)
{
    QWheelEvent ev({4, 4}, {-1, 5}, {}, {dx, dy}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&ev);
    qApp->notify(target, &ev);
}

// 64 rows, shown with row 20 at the top and wider than the view; the view scrolls three
// rows per notch by itself.
struct Grid {
    QStandardItemModel model{64, 3};
    QTableView view;
    Grid()
    {
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QCoreApplication::processEvents();
        view.verticalScrollBar()->setValue(20);
    }
    int top() const { return view.verticalScrollBar()->value(); }
};

} // namespace

class TestSubclass : public QObject {
    Q_OBJECT
    std::unique_ptr<EventHookEngine> engine;
    Window w;

private slots:
    void init()
    {
        engine = std::make_unique<EventHookEngine>();
        trail.clear();
    }

    void attachAndDetachLeaveNoTrace()
    {
        Client a("a", *engine), b("b", *engine);
        QEvent probe(Probe);
        QCOMPARE(engine->callOriginalHandler(&w, Probe, &probe), 0); // not hooked: not delivered
        QVERIFY(engine->attach(&a, &w, Probe).ok());
        QVERIFY(engine->attach(&a, &w, Other).ok());
        QVERIFY(engine->attach(&b, &w, Probe).ok());
        QCOMPARE(engine->callOriginalHandler(&w, Probe, &probe), 1);
        engine->detach(&b, &w, Other); // never attached there
        QCOMPARE(engine->attachmentCount(&w), 3);
        for (auto [c, t] : {std::pair{&a, Probe}, {&a, Other}, {&b, Probe}})
            engine->detach(c, &w, t);
        QVERIFY(!engine->isHooked(&w));
        send(&w);
        QCOMPARE(trail, (QStringList{"own", "own"})); // callOriginalHandler's, then the unhooked one
    }

    void errors_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("no object") << 0 << (0x80040000u | 13083) << "Invalid window";
        QTest::newRow("other thread") << 1 << (0x80040000u | 13084) << "Can't modify external window";
        QTest::newRow("twice") << 2 << (0x80040000u | 13082) << "Message already handled by another class";
        QTest::newRow("no client") << 3 << 5u << "Invalid procedure call or argument";
    }
    void errors()
    {
        QFETCH(int, which);
        Client a("a", *engine);
        QThread elsewhere;
        QObject foreign;
        foreign.moveToThread(&elsewhere);
        QObject *targets[] = {nullptr, &foreign, &w, &w};
        if (which == 2)
            engine->attach(&a, &w, Probe);
        const HookError e = engine->attach(which == 3 ? nullptr : &a, targets[which], Probe);
        QTEST(e.number, "number");
        QTEST(e.description, "text");
        if (which < 3)
            QCOMPARE(e.source, QStringLiteral("tst_subclass.WindowProc"));
        QCOMPARE(engine->attachmentCount(targets[which]), which == 2 ? 1 : 0);
    }

    // Clients run from the last attached down; only the first attached one decides.
    void firstClientDecides_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("later");
        QTest::addColumn<int>("switchTo"); // the first client's mode after its call, -1 unchanged
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("consume") << 0 << 2 << -1 << QStringList{"c", "b", "a"};
        QTest::newRow("post") << 1 << 0 << -1 << QStringList{"c", "b", "a", "own"};
        QTest::newRow("pre, just before the first") << 2 << 1 << -1 << QStringList{"c", "b", "own", "a"};
        QTest::newRow("pre turned post mid-event") << 2 << 0 << 1 << QStringList{"c", "b", "own", "a"};
        QTest::newRow("consume turned post mid-event") << 0 << 2 << 1 << QStringList{"c", "b", "a", "own"};
    }
    void firstClientDecides()
    {
        QFETCH(int, first);
        QFETCH(int, later);
        QFETCH(int, switchTo);
        Client a("a", *engine), b("b", *engine), c("c", *engine);
        a.answer = first;
        b.answer = c.answer = later;
        if (switchTo >= 0)
            a.during = [&](QObject *) { a.answer = switchTo; };
        for (Client *x : {&a, &b, &c})
            engine->attach(x, &w, Probe);
        send(&w);
        QTEST(trail, "expected");
    }

    void currentMessageIsTheInnermost()
    {
        Client a("a", *engine), b("b", *engine);
        int afterInner = -1;
        a.during = [&](QObject *to) { send(to, Other), afterInner = engine->CurrentMessage(); };
        engine->attach(&a, &w, Probe);
        engine->attach(&b, &w, Other);
        send(&w);
        QCOMPARE(b.seen, int(Other));
        QCOMPARE(afterInner, int(Probe));
        QCOMPARE(engine->CurrentMessage(), 0);
    }

    void clientsLeavingDuringDispatch()
    {
        Client a("a", *engine), c("c", *engine);
        auto *b = new Client("b", *engine);
        for (Client *x : {&a, b, &c})
            engine->attach(x, &w, Probe);
        c.during = [&](QObject *to) { engine->detach(b, to, Probe), delete b; };
        send(&w);
        QCOMPARE(trail, (QStringList{"c", "a"}));

        // A post-process client that lets go in its own call still lets the object have it.
        engine->detach(&c, &w, Probe);
        a.answer = EventHookClient::PostProcess;
        a.during = [&](QObject *to) { engine->detach(&a, to, Probe); };
        send(&w);
        QCOMPARE(trail.mid(2), (QStringList{"a", "own"}));
        QVERIFY(!engine->isHooked(&w));
    }

    void oneWheelEventIsOneSignal_data()
    {
        QTest::addColumn<int>("over"); // 0 cells, 1 scroll bar, 2 row header, 3 frame
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("notch away") << 0 << 0 << 120;
        QTest::newRow("fine step towards") << 0 << 0 << -1;
        QTest::newRow("big step") << 0 << 0 << 960;
        QTest::newRow("sideways: no signal, scrolls sideways") << 0 << -120 << 0;
        QTest::newRow("tilt over the scroll bar") << 1 << -120 << 0;
        QTest::newRow("scroll bar") << 1 << 0 << -120;
        QTest::newRow("row header") << 2 << 0 << -120;
        QTest::newRow("frame") << 3 << 0 << -120;
    }
    void oneWheelEventIsOneSignal()
    {
        QFETCH(int, over);
        QFETCH(int, dx);
        QFETCH(int, dy);
        Grid g;
        GridWheelHook hook(*engine);
        hook.setResponse(EventHookClient::PostProcess); // must not let the grid scroll
        QVERIFY(hook.HookGrid(&g.view).ok());
        QSignalSpy spy(&hook, &GridWheelHook::MouseWheel);
        QWidget *targets[] = {g.view.viewport(), g.view.verticalScrollBar(), g.view.verticalHeader()->viewport(),
                              &g.view};
        turnWheel(targets[over], dx, dy);
        QCOMPARE(g.top(), 20);
        QCOMPARE(g.view.horizontalScrollBar()->value() > 0, dx != 0);
        QCOMPARE(spy.size(), dy ? 1 : 0);
        if (dy)
            QCOMPARE(spy[0], (QVariantList{dy, 65535, 5})); // screen position, unsigned 16-bit
    }

    void hookLifetime()
    {
        Grid a, b;
        auto hook = std::make_unique<GridWheelHook>(*engine);
        hook->HookGrid(&a.view);
        hook->HookGrid(&b.view); // moves over to b
        turnWheel(a.view.viewport(), 0, -120);
        QCOMPARE(a.top(), 23);
        hook = std::make_unique<GridWheelHook>(*engine); // switching groups: b is let go
        hook->HookGrid(&a.view);
        turnWheel(b.view.viewport(), 0, -120);
        QCOMPARE(b.top(), 23);

        // The receiver may replace the hook from inside its signal.
        connect(hook.get(), &GridWheelHook::MouseWheel, this, [&] { hook.reset(); });
        turnWheel(a.view.viewport(), 0, -120);
        QVERIFY(!hook);
        QCOMPARE(a.top(), 23);
        QCOMPARE(engine->hookedWindowCount(), 0);
        turnWheel(a.view.viewport(), 0, -120);
        QCOMPARE(a.top(), 26);

        // A hook may outlive its grid, and nothing stays under the dead grid's address.
        hook = std::make_unique<GridWheelHook>(*engine);
        auto *gone = new QTableView;
        hook->HookGrid(gone);
        delete gone;
        QCOMPARE(engine->hookedWindowCount(), 0);
        hook.reset();
    }
};

QTEST_MAIN(TestSubclass)
#include "tst_subclass.moc"

// Virtual time, the timer control and the countdown wait.
#include "platform/controls.h"
#include "platform/timer.h"
#include "state/screen.h"
#include "testkit/world.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
class TimedForm final : public Screen {
public:
    explicit TimedForm(AppContext& c) : Screen(c, QStringLiteral("frmTempo"), 3000, 2000), tmr(*this, QStringLiteral("tmr"), 100)
    {
        tmr.Tick = [this] {
            ticks << form().platform().loop.now();
            if (onTick)
                onTick();
        };
    }
    Timer tmr;
    QList<double> ticks;
    std::function<void()> onTick;
};
}  // namespace

class TestEventLoop : public QObject {
    Q_OBJECT
private slots:
    void timerTicksOnlyWhileLoadedEnabledAndPositive()
    {
        TestWorld w;
        auto form = std::make_unique<TimedForm>(*w.ctx);
        w.advance(0.5);
        QVERIFY2(form->ticks.isEmpty(), "a timer must not tick before its window loads");
        w.run([&] { form->load(); });
        w.advance(0.35);
        QCOMPARE(form->ticks, (QList<double>{0.6, 0.7, 0.8}));

        form->tmr.setInterval(0);
        w.advance(1);
        QCOMPARE(form->ticks.size(), 3);
        QVERIFY(form->tmr.enabled());

        form->tmr.setEnabled(false);
        form->tmr.setInterval(250);
        w.advance(1);
        QCOMPARE(form->ticks.size(), 3);
    }

    void enablingARunningTimerDoesNotRestartIt()
    {
        TestWorld w;
        TimedForm form(*w.ctx);
        w.run([&] { form.load(); });
        w.advance(0.25);                      // ticks at 0.1 and 0.2, next due at 0.3
        form.tmr.setEnabled(true);
        w.advance(0.06);
        QCOMPARE(form.ticks.last(), 0.3);

        // A new interval starts the count again from now.
        form.tmr.setInterval(100);            // at 0.31
        w.advance(0.05);
        QCOMPARE(form.ticks.size(), 3);
        w.advance(0.05);
        QCOMPARE(form.ticks.size(), 4);
        QCOMPARE(form.ticks.last(), 0.41);

        // Disabling and enabling again restarts too.
        form.tmr.setEnabled(false);
        form.tmr.setEnabled(true);            // at 0.41
        w.advance(0.099);
        QCOMPARE(form.ticks.size(), 4);
    }

    void unloadStopsTheTimersButDisablingTheWindowDoesNot()
    {
        TestWorld w;
        auto& form = w.ctx->screens.get<TimedForm>();
        form.setEnabled(false);
        w.advance(0.3);
        QCOMPARE(form.ticks.size(), 3);
        w.run([&] { QVERIFY(form.unload()); });
        QVERIFY(!w.ctx->screens.find<TimedForm>());
        QVERIFY(w.loop().idle());
    }

    void aTickNeverReentersItsOwnHandler()
    {
        TestWorld w;
        TimedForm form(*w.ctx);
        int depth = 0, deepest = 0;
        form.onTick = [&] {
            ++depth;
            deepest = std::max(deepest, depth);
            if (form.ticks.size() == 1)
                form.wait(w.loop().now() + 1.0, {});   // a countdown inside the tick
            --depth;
        };
        w.run([&] { form.load(); });
        w.advance(1.5);
        QCOMPARE(deepest, 1);
        // The tick that fell due meanwhile comes once, right after; then the
        // cadence starts again from there.
        QCOMPARE(form.ticks.mid(0, 4), (QList<double>{0.1, 1.1, 1.2, 1.3}));
    }

    void countdownEndsAnsweredExpiredOrClosed_data()
    {
        QTest::addColumn<double>("answerAt");
        QTest::addColumn<double>("closeAt");
        QTest::addColumn<int>("expected");
        QTest::addColumn<double>("endsAt");
        QTest::newRow("answered") << 3.0 << -1.0 << int(WaitEnd::Done) << 3.0;
        QTest::newRow("expired") << -1.0 << -1.0 << int(WaitEnd::Expired) << 10.0;
        QTest::newRow("window closed") << -1.0 << 2.5 << int(WaitEnd::Closed) << 2.5;
        QTest::newRow("answered, then closed") << 4.0 << 6.0 << int(WaitEnd::Done) << 4.0;
    }
    void countdownEndsAnsweredExpiredOrClosed()
    {
        QFETCH(double, answerAt);
        QFETCH(double, closeAt);
        QFETCH(int, expected);
        QFETCH(double, endsAt);
        TestWorld w;
        auto& form = w.ctx->screens.get<TimedForm>();
        form.tmr.setEnabled(false);
        bool answered = false;
        if (answerAt >= 0)
            w.loop().at(answerAt, [&] { answered = true; });
        if (closeAt >= 0)
            w.loop().at(closeAt, [&] { form.unload(UnloadMode::ControlMenu); });
        WaitEnd end{};
        double endedAt = -1;
        w.run([&] {
            end = form.wait(w.loop().now() + 10, [&] { return answered; });
            endedAt = w.loop().now();
            // The window is closed but still alive until this handler returns.
            QCOMPARE(form.name(), QStringLiteral("frmTempo"));
        });
        QCOMPARE(int(end), expected);
        QCOMPARE(endedAt, endsAt);
    }

    void countdownDeadlinesAreMonotonicAcrossMidnight()
    {
        TestWorld w;
        w.loop().setToday(QDate(2026, 12, 31));
        TimedForm form(*w.ctx);
        w.loop().at(1.0, [&] { w.loop().setToday(QDate(2027, 1, 1)); });
        WaitEnd end{};
        w.run([&] { end = form.wait(w.loop().now() + 10, {}); });
        QCOMPARE(int(end), int(WaitEnd::Expired));
        QCOMPARE(w.loop().now(), 10.0);
    }

    // A deadline that falls between two whole microseconds (sums of
    // fractions of a second rarely land on one) still ends the wait.
    void aWaitEndsOnADeadlineBetweenMicroseconds()
    {
        TestWorld w;
        TimedForm form(*w.ctx);
        const double deadline = 0.1 + 0.2 + 1.2000010000000008;
        WaitEnd end{};
        w.run([&] { end = form.wait(deadline, {}); });
        QCOMPARE(int(end), int(WaitEnd::Expired));
        QVERIFY(w.loop().now() >= deadline);
        QVERIFY(w.loop().now() < deadline + 2e-6);
    }

    void postedWorkRunsAfterTheHandler()
    {
        TestWorld w;
        QStringList order;
        w.run([&] {
            w.loop().post([&] { order << "posted"; });
            order << "handler";
        });
        QCOMPARE(order, (QStringList{"handler", "posted"}));
    }

    void randomDrawsAndReseeds()
    {
        TestWorld w;
        SeededRandom r(w.loop(), 42);
        QList<int> seen(7, 0);
        for (int i = 0; i < 6000; ++i) {
            r.randomize();   // the clock does not move: every reseed is in one tick
            const int k = r.draw(6);
            QVERIFY(k >= 1 && k <= 6);
            ++seen[k];
        }
        for (int k = 1; k <= 6; ++k)
            QVERIFY2(seen[k] > 800, "reseeding within one tick must not repeat the same draw");

        SeededRandom a(w.loop(), 7), b(w.loop(), 7);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(a.rnd(), b.rnd());

        ScriptedRandom s;
        s.pushDraw(3, 4);
        s.push(0.0);
        s.push(0.999);
        QCOMPARE(s.draw(4), 3);
        QCOMPARE(s.draw(10), 1);
        QCOMPARE(s.draw(10), 10);
    }
};

ZOLMERA_TEST_MAIN(TestEventLoop)
#include "tst_eventloop.moc"

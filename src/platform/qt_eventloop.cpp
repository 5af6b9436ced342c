#include "platform/qt_eventloop.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zolmera {

QtEventLoop::QtEventLoop() { clock_.start(); }

QtEventLoop::~QtEventLoop()
{
    finalFlush_ = true;
    flushGraveyard();
    for (QTimer* t : std::as_const(timers_))
        delete t;
}

void QtEventLoop::destroy(std::unique_ptr<QObject> object)
{
    // Qt may still be delivering the event whose handler closed the window
    // (a click, a key): let Qt's own loop delete it once that is over.
    if (finalFlush_)
        object.reset();
    else
        object.release()->deleteLater();
}

double QtEventLoop::now() const { return double(clock_.nsecsElapsed()) / 1e9; }

QDate QtEventLoop::today() const { return QDate::currentDate(); }

QTimer* QtEventLoop::makeTimer(int ms, bool single)
{
    auto* t = new QTimer(this);
    // The wheel turns a cell every 25 ms: coarse timers would make it stutter.
    t->setTimerType(Qt::PreciseTimer);
    t->setSingleShot(single);
    t->setInterval(std::max(ms, 0));
    return t;
}

TaskId QtEventLoop::startRepeating(int intervalMs, std::function<void()> tick)
{
    const TaskId id = next_++;
    QTimer* t = makeTimer(intervalMs, false);
    // Qt never re-enters a timer whose handler is still running, which is the
    // behaviour the screens rely on.
    connect(t, &QTimer::timeout, this, [this, tick = std::move(tick)] { dispatch(tick); });
    timers_.insert(id, t);
    t->start();
    return id;
}

TaskId QtEventLoop::startSingleShot(double delaySeconds, std::function<void()> fn)
{
    const TaskId id = next_++;
    const int ms = int(std::ceil(std::max(delaySeconds, 0.0) * 1000.0));
    QTimer* t = makeTimer(ms, true);
    connect(t, &QTimer::timeout, this, [this, id, fn = std::move(fn)] {
        if (QTimer* self = timers_.take(id))
            self->deleteLater();
        dispatch(fn);
    });
    timers_.insert(id, t);
    t->start();
    return id;
}

void QtEventLoop::cancel(TaskId id)
{
    if (QTimer* t = timers_.take(id)) {
        t->stop();
        t->deleteLater();
    }
}

void QtEventLoop::post(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, [this, fn = std::move(fn)] { dispatch(fn); }, Qt::QueuedConnection);
}

void QtEventLoop::yieldUntil(double deadline)
{
    const double left = deadline - now();
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // Sleep in the event loop; the wake-up timer guarantees we are back by
    // the deadline even when nothing else happens.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(int(std::ceil(left * 1000.0)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace zolmera

#pragma once
// Virtual time for tests and replays: nothing happens until someone yields or
// advances, and then things happen in exact deadline order.
#include "platform/eventloop.h"

#include <deque>
#include <map>

namespace zolmera {

class VirtualEventLoop final : public EventLoop {
public:
    explicit VirtualEventLoop(QDate today = QDate(2026, 3, 15)) : today_(today) {}
    ~VirtualEventLoop() override { flushGraveyard(); }

    double now() const override { return double(now_) / 1e6; }
    QDate today() const override { return today_; }
    void setToday(const QDate& d) { today_ = d; }

    TaskId startRepeating(int intervalMs, std::function<void()> tick) override;
    TaskId startSingleShot(double delaySeconds, std::function<void()> fn) override;
    void cancel(TaskId id) override;
    void post(std::function<void()> fn) override;
    void yieldUntil(double deadline) override;

    // Runs everything due up to now + seconds, in order, then sets the clock there.
    void advance(double seconds);
    void advanceTo(double time);
    // Runs posted work and anything due now, without moving the clock.
    void settle();
    // Schedules a scripted input (a key, a click) at an absolute virtual time.
    TaskId at(double time, std::function<void()> fn);

    bool idle() const;   // nothing posted and no timer pending

private:
    // Whole microseconds, so that virtual instants add up exactly.
    using Micros = qint64;
    static Micros micros(double seconds);

    struct Task {
        Micros at = 0;
        Micros period = 0;     // 0: single shot
        quint64 order = 0;     // ties go in the order of scheduling
        std::function<void()> fn;
        bool running = false;
        bool cancelled = false;
    };
    // Runs one thing that is due at or before `limit`; false when none is.
    bool runOne(Micros limit);

    Micros now_ = 0;
    QDate today_;
    std::map<TaskId, Task> tasks_;
    std::deque<std::function<void()>> posted_;
    TaskId next_ = 1;
    quint64 order_ = 0;
};

}  // namespace zolmera

#include "platform/virtual_eventloop.h"

#include <algorithm>
#include <limits>

#include <cmath>

namespace zolmera {

VirtualEventLoop::Micros VirtualEventLoop::micros(double seconds) { return Micros(std::llround(seconds * 1e6)); }

TaskId VirtualEventLoop::startRepeating(int intervalMs, std::function<void()> tick)
{
    const TaskId id = next_++;
    const Micros period = Micros(std::max(intervalMs, 1)) * 1000;
    tasks_[id] = Task{now_ + period, period, order_++, std::move(tick)};
    return id;
}

TaskId VirtualEventLoop::startSingleShot(double delaySeconds, std::function<void()> fn)
{
    return at(now() + std::max(delaySeconds, 0.0), std::move(fn));
}

TaskId VirtualEventLoop::at(double time, std::function<void()> fn)
{
    const TaskId id = next_++;
    tasks_[id] = Task{std::max(micros(time), now_), 0, order_++, std::move(fn)};
    return id;
}

void VirtualEventLoop::cancel(TaskId id)
{
    auto it = tasks_.find(id);
    if (it == tasks_.end())
        return;
    if (it->second.running)
        it->second.cancelled = true;   // erased when its handler returns
    else
        tasks_.erase(it);
}

void VirtualEventLoop::post(std::function<void()> fn) { posted_.push_back(std::move(fn)); }

bool VirtualEventLoop::runOne(Micros limit)
{
    if (!posted_.empty()) {
        auto fn = std::move(posted_.front());
        posted_.pop_front();
        dispatch(fn);
        return true;
    }
    auto best = tasks_.end();
    for (auto it = tasks_.begin(); it != tasks_.end(); ++it) {
        const Task& t = it->second;
        if (t.running || t.cancelled || t.at > limit)
            continue;
        if (best == tasks_.end() || t.at < best->second.at
            || (t.at == best->second.at && t.order < best->second.order))
            best = it;
    }
    if (best == tasks_.end())
        return false;

    const TaskId id = best->first;
    Task& task = best->second;
    now_ = std::max(now_, task.at);
    if (task.period == 0) {
        auto fn = std::move(task.fn);
        tasks_.erase(best);
        dispatch(fn);
        return true;
    }
    // Keep the cadence, but never schedule a tick in the past after a long
    // handler (the way Qt's precise timers catch up).
    task.at += task.period;
    if (task.at <= now_)
        task.at = now_ + task.period;
    task.order = order_++;
    task.running = true;
    auto fn = task.fn;   // the handler may cancel and even restart this timer
    dispatch(fn);
    auto again = tasks_.find(id);
    if (again != tasks_.end()) {
        again->second.running = false;
        if (again->second.cancelled)
            tasks_.erase(again);
    }
    return true;
}

void VirtualEventLoop::yieldUntil(double deadline)
{
    // Rounded up, so that once nothing is left to run the clock stands at
    // or past the deadline and a wait on it ends.
    Micros limit = micros(deadline);
    if (double(limit) / 1e6 < deadline)
        ++limit;
    if (!runOne(limit))
        now_ = std::max(now_, limit);
}

void VirtualEventLoop::advanceTo(double time)
{
    const Micros limit = micros(time);
    while (runOne(limit)) {
    }
    now_ = std::max(now_, limit);
}

void VirtualEventLoop::advance(double seconds) { advanceTo(now() + seconds); }

void VirtualEventLoop::settle() { advanceTo(now()); }

bool VirtualEventLoop::idle() const
{
    if (!posted_.empty())
        return false;
    return std::all_of(tasks_.begin(), tasks_.end(),
                       [](const auto& kv) { return kv.second.cancelled; });
}

}  // namespace zolmera

#include "platform/eventloop.h"

#include <QObject>

namespace zolmera {

EventLoop::~EventLoop() = default;

WaitEnd EventLoop::waitUntil(double deadline, const std::function<bool()>& done,
                             const std::function<bool()>& closed)
{
    for (;;) {
        if (stopped_ || (closed && closed()))
            return WaitEnd::Closed;
        if (done && done())
            return WaitEnd::Done;
        if (now() >= deadline)
            return WaitEnd::Expired;
        yieldUntil(deadline);
    }
}

void EventLoop::dispatch(const std::function<void()>& handler)
{
    if (stopped_)
        return;
    ++depth_;
    handler();
    --depth_;
    if (depth_ == 0)
        flushGraveyard();
}

void EventLoop::disposeLater(std::unique_ptr<QObject> object)
{
    if (!object)
        return;
    graveyard_.push_back(std::move(object));
    if (depth_ == 0)
        flushGraveyard();
}

void EventLoop::flushGraveyard()
{
    // Destroying a window may close players or stop timers, which must not
    // land in a vector being cleared: swap first.
    while (!graveyard_.empty()) {
        std::vector<std::unique_ptr<QObject>> dead;
        dead.swap(graveyard_);
        for (auto& object : dead)
            destroy(std::move(object));
    }
}

void EventLoop::destroy(std::unique_ptr<QObject> object) { object.reset(); }

}  // namespace zolmera

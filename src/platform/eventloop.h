#pragma once
// Time for the whole program: the monotonic clock, timers, posted work and the
// wait that keeps a window responsive while a handler counts down.
//
// Two implementations: QtEventLoop runs on Qt's event loop and the wall clock;
// VirtualEventLoop runs on virtual time, so a test can play a 45-second
// countdown in milliseconds and script inputs at chosen instants.
#include <QDate>

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace zolmera {

using TaskId = quint64;

enum class WaitEnd { Done, Expired, Closed };

class EventLoop {
public:
    virtual ~EventLoop();

    // Monotonic seconds. Deadlines are always taken from here, never from the
    // time of day, so a wait across midnight ends like any other.
    virtual double now() const = 0;
    virtual QDate today() const = 0;

    // A repeating tick every intervalMs. A tick never re-enters itself: while
    // its handler runs (inside a nested wait, say) it does not fire again.
    virtual TaskId startRepeating(int intervalMs, std::function<void()> tick) = 0;
    virtual TaskId startSingleShot(double delaySeconds, std::function<void()> fn) = 0;
    virtual void cancel(TaskId id) = 0;
    // Runs fn once the current handler has returned to the loop.
    virtual void post(std::function<void()> fn) = 0;

    // Handles what is pending, sleeping until the next event, timer or the
    // deadline, whichever comes first. Never spins.
    virtual void yieldUntil(double deadline) = 0;

    // The wait of a countdown: yields until done() holds, the deadline passes or
    // closed() holds (its window was closed meanwhile), checked in that order
    // of precedence: a closed window wins, then an answer, then the clock.
    WaitEnd waitUntil(double deadline, const std::function<bool()>& done,
                      const std::function<bool()>& closed = {});

    // Every handler the program runs goes through here, so the loop knows when
    // no handler is on the stack any more.
    void dispatch(const std::function<void()>& handler);
    int dispatchDepth() const { return depth_; }

    // Destroys the object once no handler is running: a window closed from
    // inside its own handler stays alive until that handler has returned.
    void disposeLater(std::unique_ptr<QObject> object);

    // Once set, no further handler runs: the program is ending at once.
    void stopDispatching() { stopped_ = true; }
    bool stopped() const { return stopped_; }

protected:
    // For the loops' destructors: what is still waiting to be destroyed goes
    // while the loop can still cancel its timers and players.
    void flushGraveyard();
    // How an object whose time has come is destroyed: at once by default.
    virtual void destroy(std::unique_ptr<QObject> object);
    bool finalFlush_ = false;

private:

    int depth_ = 0;
    bool stopped_ = false;
    std::vector<std::unique_ptr<QObject>> graveyard_;
};

}  // namespace zolmera

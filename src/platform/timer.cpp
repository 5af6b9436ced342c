#include "platform/timer.h"

#include "platform/form.h"

namespace zolmera {

Timer::Timer(Form& form, const QString& name, int intervalMs, bool enabled)
    : form_(form), name_(name), interval_(intervalMs), enabled_(enabled)
{
    form_.addTimer(this);
    // Timers set up with the window start once it has loaded; see restart().
}

Timer::~Timer()
{
    stop();
    form_.removeTimer(this);
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_) {
        // Enabling a running timer does not restart its count; enabling one
        // that could not run yet (window not loaded then) starts it now.
        if (on && !task_)
            restart();
        return;
    }
    enabled_ = on;
    restart();
}

void Timer::restart()
{
    stop();
    if (!enabled_ || interval_ <= 0 || !form_.loaded())
        return;
    task_ = form_.platform().loop.startRepeating(interval_, [this] {
        if (Tick)
            Tick();
    });
}

void Timer::stop()
{
    if (task_) {
        form_.platform().loop.cancel(task_);
        task_ = 0;
    }
}

void Timer::stopForUnload() { stop(); }

void Timer::formLoaded() { restart(); }

}  // namespace zolmera

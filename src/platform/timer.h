#pragma once
// The timer control: Interval and Enabled with the original platform's rules.
// It ticks only while Enabled, its Interval is above 0 and its window is
// loaded; enabling a running timer does not restart it, a new Interval does.
#include "platform/eventloop.h"

#include <QObject>
#include <QString>

#include <functional>

namespace zolmera {

class Form;

class Timer final : public QObject {
public:
    Timer(Form& form, const QString& name, int intervalMs = 0, bool enabled = true);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool running() const { return task_ != 0; }
    const QString& name() const { return name_; }

    // The tick event.
    std::function<void()> Tick;

    // Called by the window when it loads and unloads.
    void formLoaded();
    void stopForUnload();

private:
    void restart();
    void stop();

    Form& form_;
    QString name_;
    int interval_ = 0;
    bool enabled_ = true;
    TaskId task_ = 0;
};

}  // namespace zolmera

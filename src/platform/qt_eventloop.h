#pragma once
#include "platform/eventloop.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

class QTimer;

namespace zolmera {

class QtEventLoop final : public QObject, public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    double now() const override;
    QDate today() const override;
    TaskId startRepeating(int intervalMs, std::function<void()> tick) override;
    TaskId startSingleShot(double delaySeconds, std::function<void()> fn) override;
    void cancel(TaskId id) override;
    void post(std::function<void()> fn) override;
    void yieldUntil(double deadline) override;

protected:
    void destroy(std::unique_ptr<QObject> object) override;

private:
    QTimer* makeTimer(int ms, bool single);

    QElapsedTimer clock_;
    QHash<TaskId, QTimer*> timers_;
    TaskId next_ = 1;
};

}  // namespace zolmera

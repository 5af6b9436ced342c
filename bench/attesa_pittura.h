#pragma once
// The wait a player sees between an input (a key, a move of the mouse) and
// its picture: from the input to the next paint of the widgets watched.
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <vector>

namespace zolmera::bench {

class AttesaPittura final : public QObject {
public:
    // Each wait, in milliseconds, goes into attese.
    explicit AttesaPittura(std::vector<double>& attese) : attese_(attese) { orologio_.start(); }
    // An input that should show: the next paint ends its wait.
    void input() { dal_ = ms(); }
    // The input changed nothing: there is no paint to wait for.
    void nulla() { dal_ = -1; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && dal_ >= 0) {
            attese_.push_back(ms() - dal_);
            dal_ = -1;
        }
        return false;
    }

private:
    double ms() const { return double(orologio_.nsecsElapsed()) / 1e6; }
    std::vector<double>& attese_;
    QElapsedTimer orologio_;
    double dal_ = -1;
};

}  // namespace zolmera::bench

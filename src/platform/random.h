#pragma once
// Random draws as the screens make them: reseed, then Int(Rnd * n) + 1.
#include <QtGlobal>

#include <deque>

namespace zolmera {

class EventLoop;

class Random {
public:
    virtual ~Random();
    // Reseeds from the clock. Unlike the original platform's, two reseeds
    // within one clock tick never restart the same sequence.
    virtual void randomize() = 0;
    // A uniform number in [0, 1).
    virtual double rnd() = 0;
    // Int(Rnd * n) + 1: a whole number from 1 to n.
    int draw(int n);
};

// xoshiro256** seeded by splitmix64: our own, so a seed gives the same match
// on every machine and library version.
class SeededRandom final : public Random {
public:
    SeededRandom(const EventLoop& clock, quint64 seed);
    void randomize() override;
    double rnd() override;

private:
    quint64 next();
    void seed(quint64 s);

    const EventLoop& clock_;
    quint64 s_[4] = {};
    quint64 reseeds_ = 0;
};

// Test fake: answers the values it is given, in order, then a fixed sequence.
class ScriptedRandom final : public Random {
public:
    void randomize() override { ++randomizes_; }
    double rnd() override;
    // Queues values of Rnd.
    void push(double value) { values_.push_back(value); }
    // Queues the value that makes draw(n) give k.
    void pushDraw(int k, int n) { values_.push_back((k - 0.5) / n); }
    int randomizes() const { return randomizes_; }
    int pending() const { return int(values_.size()); }
    // Starts the sequence that follows the queued values from a seed of its
    // own, so each seed plays a different game.
    void seedFallback(quint64 seed) { fallback_ = seed * 0x9E3779B97F4A7C15ULL | 1; }

private:
    std::deque<double> values_;
    quint64 fallback_ = 0x2545F4914F6CDD1DULL;
    int randomizes_ = 0;
};

}  // namespace zolmera

#include "platform/random.h"

#include "platform/eventloop.h"

#include <cstring>

namespace zolmera {

Random::~Random() = default;

int Random::draw(int n) { return int(rnd() * n) + 1; }

namespace {
quint64 splitmix(quint64& x)
{
    quint64 z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
quint64 rotl(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

SeededRandom::SeededRandom(const EventLoop& clock, quint64 seedValue) : clock_(clock) { seed(seedValue); }

void SeededRandom::seed(quint64 s)
{
    for (quint64& word : s_)
        word = splitmix(s);
}

quint64 SeededRandom::next()
{
    const quint64 result = rotl(s_[1] * 5, 7) * 9;
    const quint64 t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

void SeededRandom::randomize()
{
    // Mix the clock into the running state instead of replacing it, so a
    // reseed in the same tick as the last one still moves on.
    double t = clock_.now();
    quint64 bits = 0;
    std::memcpy(&bits, &t, sizeof bits);
    quint64 mix = bits ^ (++reseeds_ * 0xD1B54A32D192ED03ULL) ^ next();
    seed(mix);
}

double SeededRandom::rnd() { return double(next() >> 11) * 0x1.0p-53; }

double ScriptedRandom::rnd()
{
    if (!values_.empty()) {
        const double v = values_.front();
        values_.pop_front();
        return v;
    }
    fallback_ ^= fallback_ << 13;
    fallback_ ^= fallback_ >> 7;
    fallback_ ^= fallback_ << 17;
    return double(fallback_ >> 11) * 0x1.0p-53;
}

}  // namespace zolmera

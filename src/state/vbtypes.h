#pragma once
// The shapes of the game's shared variables: arrays with their own index
// range (contestants 1 To 2) and texts of a fixed length.
#include "platform/text.h"

#include <QString>

#include <array>
#include <cassert>

namespace zolmera {

template <class T, int Lo, int Hi>
class VbArray {
public:
    static_assert(Hi >= Lo);
    T& operator[](int i)
    {
        assert(i >= Lo && i <= Hi && "index out of range");
        return items_[std::size_t(i - Lo)];
    }
    const T& operator[](int i) const
    {
        assert(i >= Lo && i <= Hi && "index out of range");
        return items_[std::size_t(i - Lo)];
    }
    static constexpr int lBound() { return Lo; }
    static constexpr int uBound() { return Hi; }
    void fill(const T& v) { items_.fill(v); }

private:
    std::array<T, std::size_t(Hi - Lo + 1)> items_{};
};

// A text of exactly N characters: shorter values are padded with blanks,
// longer ones cut, as they are assigned.
template <int N>
class FixedText {
public:
    FixedText() : text_(N, QLatin1Char(' ')) {}
    explicit FixedText(QChar fill) : text_(N, fill) {}
    FixedText(const QString& s) : text_(fixedText(s, N)) {}   // NOLINT: assignment from any text
    FixedText& operator=(const QString& s)
    {
        text_ = fixedText(s, N);
        return *this;
    }
    operator const QString&() const { return text_; }   // NOLINT
    const QString& str() const { return text_; }
    bool operator==(const QString& other) const { return text_ == other; }

private:
    QString text_;
};

}  // namespace zolmera

#pragma once
// The shapes of the game's shared variables: arrays with their own index
// range (contestants 1 To 2) and texts of a fixed length.
#include "platform/arrayindex.h"
#include "platform/text.h"

#include <QString>

#include <array>

namespace zolmera {

template <class T, int Lo, int Hi>
class VbArray {
public:
    static_assert(Hi >= Lo);
    // An index out of range stops the program with the bounds and the place
    // of the access, in every build: a contestant 0 must never reach slot 1's
    // neighbour.
    T& operator[](ArrayIndex i) { return items_[offset(i)]; }
    const T& operator[](ArrayIndex i) const { return items_[offset(i)]; }
    static constexpr int lBound() { return Lo; }
    static constexpr int uBound() { return Hi; }
    void fill(const T& v) { items_.fill(v); }

private:
    static std::size_t offset(const ArrayIndex& i)
    {
        if (i.value < Lo || i.value > Hi) [[unlikely]]
            indexOutOfRange(i, Lo, Hi, "an array");
        return std::size_t(i.value - Lo);
    }
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

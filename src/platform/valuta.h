#pragma once
// The platform's money type: whole ten-thousandths of a euro in a signed
// 64-bit integer, so sums and prices add up exactly. A number taken as money
// goes to the nearest ten-thousandth, halves to the even one, as the original
// platform converts; shown to the cent it rounds as the "##0.00" format does,
// half a cent up.
#include <QString>
#include <QtGlobal>

#include <compare>

namespace zolmera {

class Valuta {
public:
    constexpr Valuta() = default;
    static constexpr Valuta decimillesimi(qint64 n)
    {
        Valuta v;
        v.n_ = n;
        return v;
    }
    // A number taken as money. One beyond the type's range stops at its
    // limit, and a number that is none is zero: the games only take sums and
    // prices, far inside it.
    static Valuta da(double numero);

    constexpr qint64 decimillesimi() const { return n_; }
    double toDouble() const { return double(n_) / 10000.0; }
    // To the cent, half a cent away from zero.
    Valuta alCentesimo() const;
    Valuta assoluto() const { return decimillesimi(n_ < 0 ? -n_ : n_); }
    // The amount times a number, the product taken as money.
    Valuta per(double fattore) const { return da(toDouble() * fattore); }

    Valuta operator+(Valuta b) const { return decimillesimi(n_ + b.n_); }
    Valuta operator-(Valuta b) const { return decimillesimi(n_ - b.n_); }
    Valuta& operator+=(Valuta b)
    {
        n_ += b.n_;
        return *this;
    }
    auto operator<=>(const Valuta&) const = default;

private:
    qint64 n_ = 0;
};

// "##0.00" of an amount: "30,00", "1234,57".
QString formatValuta(Valuta v);

}  // namespace zolmera

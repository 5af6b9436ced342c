#include "platform/valuta.h"

#include "platform/format.h"

#include <cmath>
#include <limits>

namespace zolmera {

Valuta Valuta::da(double numero)
{
    if (std::isnan(numero))
        return {};
    // nearbyint rounds halves to even in the default rounding mode.
    const double scalato = std::nearbyint(numero * 10000.0);
    constexpr double limite = 9.2e18;   // just inside the 64-bit range
    if (scalato >= limite)
        return decimillesimi(std::numeric_limits<qint64>::max());
    if (scalato <= -limite)
        return decimillesimi(std::numeric_limits<qint64>::min());
    return decimillesimi(qint64(scalato));
}

Valuta Valuta::alCentesimo() const
{
    const qint64 resto = n_ % 100;   // keeps n_'s sign
    qint64 centesimi = n_ - resto;
    if (resto >= 50)
        centesimi += 100;
    else if (resto <= -50)
        centesimi -= 100;
    return decimillesimi(centesimi);
}

QString formatValuta(Valuta v)
{
    // An amount below 10^11 euro is exact in a double to its last digit, and
    // the format reads doubles to fifteen digits.
    return formatDecimali(v.toDouble());
}

}  // namespace zolmera

#include "challenges/base/estrazione.h"

#include "platform/random.h"

namespace zolmera {

int estraiLibera(Random& rnd, int n, const std::function<bool(int)>& libera)
{
    rnd.randomize();
    const int primo = rnd.draw(n);
    if (libera(primo))
        return primo;
    int libere = 0;
    for (int i = 1; i <= n; ++i)
        libere += libera(i) ? 1 : 0;
    if (libere == 0)
        return 0;
    int k = int(rnd.rnd() * libere);
    for (int i = 1; i <= n; ++i)
        if (libera(i) && k-- == 0)
            return i;
    return 0;
}

}  // namespace zolmera

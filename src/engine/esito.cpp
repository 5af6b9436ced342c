#include "engine/esito.h"

namespace zolmera {

void Esito::azzera()
{
    for (int w = 1; w <= 2; ++w) {
        varPrimo[w] = 0;
        varSecondo[w] = 0;
        bytFormaggio[w] = 0;
        varDolce[w] = 0;
        bytFrutta[w] = 0;
        intPesoPortate[w] = 0;
        varPortateVinte[w] = 0;
    }
}

}  // namespace zolmera

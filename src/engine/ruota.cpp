#include "engine/ruota.h"

namespace zolmera {

void Ruota::riempiDondolio()
{
    static constexpr RecDondolio kPassi[10] = {{47, +1}, {0, +1}, {1, +1}, {2, +1}, {1, -1},
                                               {0, -1},  {47, -1}, {0, +1}, {1, +1}, {0, -1}};
    for (int k = 1; k <= 10; ++k)
        Dondolio[k] = kPassi[k - 1];
}

}  // namespace zolmera

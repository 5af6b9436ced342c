#include "engine/secondafase.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"

namespace zolmera {

void SecondaFase::IniziaSecondaFase()
{
    // The second phase is not played yet: its turn opens a window that says
    // so and hands back like a void game, so the match can go on to its end.
    if (R.M.bytConcorrente != 1 && R.M.bytConcorrente != 2)
        R.M.bytConcorrente = 1;
    apriSegnaposto();
}

void SecondaFase::ProseguiSecondaFase() { apriSegnaposto(); }

void SecondaFase::apriSegnaposto()
{
    BloccaTabellone(R.ctx);
    R.lancio.provaAperta = true;
    R.lancio.catalogo.secondaFase(R.ctx);
}

}  // namespace zolmera

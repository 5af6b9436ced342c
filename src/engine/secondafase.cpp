#include "engine/secondafase.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "challenges/base/segnaposto.h"

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
    R.ctx.screens.get<frmSegnaposto<TipoSegnaposto::SecondaFase, 1>>().show();
}

}  // namespace zolmera

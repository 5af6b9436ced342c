#include "board/discorso.h"

#include "board/frmRuota.h"

namespace zolmera {

void Discorso::svuotaCoda()
{
    for (int i = 1; i <= 15; ++i)
        strCodaAudio[i].clear();
}

void Discorso::PreparaDiscorso() {}

void Discorso::avvia()
{
    varPosCoda = 1;
    R.mmcMusica.play(strCodaAudio[1], R.M.strParlato);
}

}  // namespace zolmera

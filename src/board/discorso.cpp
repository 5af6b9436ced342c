#include "board/discorso.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"

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

void Discorso::mmcMusica_Done()
{
    // The wheel's own tune plays on the same player; its end while the wheel
    // turns moves nothing.
    if (R.tmrTempo.enabled())
        return;
    for (;;) {
        ++varPosCoda;
        if (R.turni.intTurno == 0 && varPosCoda == 3) {
            BloccaTabellone(R.ctx);
            R.ctx.rotte.mostra(Schermo::MenuDelGiorno);
        }
        if (R.turni.intTurno == 0 && varPosCoda == 9) {
            R.setEnabled(true);
            R.ctx.rotte.chiudi(Schermo::MenuDelGiorno);
        }
        if (varPosCoda > 15) {
            svuotaCoda();
            return;
        }
        if (!strCodaAudio[varPosCoda].isEmpty())
            break;
    }
    R.mmcMusica.play(strCodaAudio[varPosCoda], R.M.strParlato);
}

}  // namespace zolmera

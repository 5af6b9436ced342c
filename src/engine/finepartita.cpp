#include "engine/finepartita.h"

#include "board/frmRuota.h"

namespace zolmera {

void FinePartita::PassoFinale()
{
    R.Salva.setEnabled(false);
    R.cmdFine.setCaption(QStringLiteral("Fine partita"));
}

}  // namespace zolmera

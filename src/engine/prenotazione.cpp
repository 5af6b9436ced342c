#include "engine/prenotazione.h"

#include "board/frmRuota.h"

namespace zolmera {

void Prenotazione::RiattivaTabellone()
{
    R.celebrazione.varPassoAnimazione = 0;
    // A spin under way goes on: restarting the rocking from the cell shown
    // would stop the wheel past the cell it awards, and stopping the turning
    // would leave the wheel frozen with its spin spent.
    if (!R.ruota.inMoto()) {
        R.ruota.varPassoDondolio = 0;
        R.tmrTempo.setEnabled(false);
    }
    R.cmdRipetere.setVisible(false);
    R.tmrSecondi.setEnabled(false);
    R.lblOrologio.setCaption(QStringLiteral("00"));
    // The hand-back has already written the board: a void challenge or a
    // finished spin left the step button shown.
    if (R.cmdFine.visible())
        R.cmdFine.setFocus();
    // An armed booking question opens its ten-second booking window here;
    // the booking is not part of the game yet.
}

void Prenotazione::txtOpzione_Click(int index)
{
    const QString testo = R.txtOpzione[index].text();
    if (testo != QString(32, QLatin1Char(' ')))
        R.txtRisposta.setText(testo);
}

}  // namespace zolmera

#include "challenges/short/frmProvina13.h"

namespace zolmera {

frmProvina13::frmProvina13(AppContext& context)
    : ProvaRiga(context, 13, QStringLiteral("indovinelli"), Campi{0, 0, kRisposta},
                Aspetto{kCorpoParola, kLarghezza, kAltezzaBox}),
      tmrVedi(*this, QStringLiteral("tmrVedi"), 750, false)
{
    tmrVedi.Tick = [this] { tmrVedi_Timer(); };
}

void frmProvina13::caricaElemento()
{
    ProvaRiga::caricaElemento();
    varParola = 0;
}

void frmProvina13::tmrVedi_Timer()
{
    const int k = ++varParola;
    const QStringList riga = r > 0 ? righe.value(r - 1) : QStringList();
    if (k >= 1 && k <= kParole) {
        txtDomanda.setFontSize(kCorpoParola);
        txtDomanda.setText(riga.value(k - 1));
    } else if (k == kIndovinello) {
        txtDomanda.setFontSize(kCorpoIndovinello);
        txtDomanda.setText(riga.value(kIndovinello - 1));
    } else if (k == kIndovinello + 1) {
        // Never both at once: the reading starts only once the flashes are over.
        tmrVedi.setEnabled(false);
        tmrSecondi.setEnabled(true);
    }
}

}  // namespace zolmera

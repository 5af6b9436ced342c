#pragma once
// The jolly: the spinner picks a course from the jolly frame, or completes a
// menu of four courses at once.
#include "engine/esito.h"

namespace zolmera {

class frmRuota;

class Jolly {
public:
    explicit Jolly(frmRuota& board) : R(board) {}

    // A click on the picture of course c while the choice is open.
    void scegli(Portata c);
    void imgJprimo_Click() { scegli(Portata::Primo); }
    void imgJsecondo_Click() { scegli(Portata::Secondo); }
    void imgJformaggio_Click() { scegli(Portata::Formaggio); }
    void imgJdolce_Click() { scegli(Portata::Dolce); }
    void imgJfrutta_Click() { scegli(Portata::Frutta); }

    void SuonaJollyErrore();
    void CompletaMenuJolly();

private:
    frmRuota& R;
};

}  // namespace zolmera

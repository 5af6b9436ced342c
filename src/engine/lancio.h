#pragma once
// The launch of the challenges: the two tables of titles still to be played
// in this match, the draws from them and the window of each title.
#include "state/catalogo.h"
#include "state/vbtypes.h"

#include <QString>

namespace zolmera {

class AppContext;
class frmRuota;

class LancioProve {
public:
    explicit LancioProve(frmRuota& board);

    VbArray<QString, 1, 20> strTitoloProva;
    VbArray<QString, 1, 18> strTitoloProvina;
    // This match's copy of the program's catalogue: tests put their own
    // windows in it.
    CatalogoProve catalogo;
    // From the launch to the hand-back: a challenge window holds the board.
    bool provaAperta = false;

    void CaricaTitoliProve();
    void LanciaProva();
    void LanciaProvina();
    // The slot-machine bonus of turn 6.
    void MostraProvaExtra();

private:
    // Draws again until it finds a title not yet played; every attempt
    // reseeds first.
    template <class Table>
    int estrai(Table& titoli, int n);

    frmRuota& R;
};

}  // namespace zolmera

#pragma once
// The launch of the challenges: the two tables of titles still to be played
// in this match, the draws from them and the window of each title.
#include "state/vbtypes.h"

#include <QString>

#include <array>
#include <functional>

namespace zolmera {

class AppContext;
class frmRuota;

// Which window each title opens. The board keeps one per match; tests put
// their own windows in it.
struct CatalogoProve {
    using Apri = std::function<void(AppContext&)>;   // shows the window without waiting
    std::array<Apri, 21> prove;      // full challenges 1 to 20
    std::array<Apri, 19> provine;    // short challenges 1 to 18
    Apri extra;                      // the slot-machine bonus
};

// The windows of the game as built so far; a title whose window does not
// exist yet opens a window that says so and hands back a void game.
CatalogoProve catalogoPredefinito();

class LancioProve {
public:
    explicit LancioProve(frmRuota& board);

    static const std::array<QString, 20> kTitoliProve;
    static const std::array<QString, 18> kTitoliProvine;

    VbArray<QString, 1, 20> strTitoloProva;
    VbArray<QString, 1, 18> strTitoloProvina;
    CatalogoProve catalogo;

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

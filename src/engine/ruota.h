#pragma once
// The wheel's spin: the force charged while the spin control is held, the
// release, the turning that slows down level by level, and the rocking that
// ends on the target drawn at the release.
#include "state/vbtypes.h"

namespace zolmera {

class frmRuota;

struct RecDondolio {
    qint16 Cella = 0;    // the cell shown at that step when the target is 0
    qint16 Scarto = 0;   // the step's move for any other target
};

class Ruota {
public:
    explicit Ruota(frmRuota& board) : R(board) {}

    qint16 intForza = 0;
    int varTraguardo = 0;
    qint16 intRallenta = 0;
    bool intGiroCorto = false;
    int varPassoDondolio = 0;
    int varFineDondolio = 10;
    VbArray<RecDondolio, 1, 10> Dondolio;

    // The rocking path: two cells before the target, over it and back.
    void riempiDondolio();

    void tmrPressione_Timer();
    void RilasciaRotazione();
    void RilasciaRotazioneTastiera();
    void tmrTempo_Timer();
    void tmrDondolio_Timer();
    void RestituisciGiro();

    // Whether contestant w's spin control counts now: never while a spin
    // turns or rocks, nor while the other contestant charges his.
    bool puoCaricare(int w) const;
    // Contestant w starts charging: the force grows while he holds.
    void iniziaCarica(int w);
    // Whether contestant w is the one charging.
    bool staCaricando(int w) const;
    // A spin is turning or rocking.
    bool inMoto() const;
    // The turning interval of a force.
    static int intervallo(int forza);
    void mostraCella();

private:
    void rilascioComune();

    frmRuota& R;
    int caricatore_ = 0;
};

}  // namespace zolmera

#pragma once
// The wheel's spin state: the force, the target and the rocking table.
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

private:
    frmRuota& R;
};

}  // namespace zolmera

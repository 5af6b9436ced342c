#pragma once
// The course tally of the match: how many times each contestant has won each
// course, the different courses won and their weights.
#include "state/vbtypes.h"

namespace zolmera {

class frmRuota;

class Esito {
public:
    explicit Esito(frmRuota& board) : R(board) {}

    VbArray<int, 1, 2> varPrimo, varSecondo, bytFormaggio, varDolce, bytFrutta;
    VbArray<int, 1, 2> varPortateVinte;
    VbArray<qint16, 1, 2> intPesoPortate;

    void azzera();

private:
    frmRuota& R;
};

}  // namespace zolmera

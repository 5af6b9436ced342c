#pragma once
// The end of the match: the end step after "Salva risultati" (the jackpot
// paid, the board's first-phase look, the books closed, the winner
// proclaimed) and the bookkeeping that records the match in its files.
#include "state/vbtypes.h"

#include <QString>

namespace zolmera {

class frmRuota;

class FinePartita {
public:
    explicit FinePartita(frmRuota& board) : R(board) {}

    // Each contestant's match points, 0 to 2, and the result text: "vince "
    // and the winner's 11-character name, or "gara in PARITA'".
    VbArray<int, 1, 2> varPuntiGara;
    QString varEsitoGara;

    // The end step, from the step button or from the Salva menu command; it
    // runs once per match, and not at all while Salva is disabled.
    void PassoFinale();
    // Closes the books of the match; false, after telling the player, when
    // its files could not be written: then nothing of the match is recorded.
    bool AggiornaArchivi();

private:
    void decidiEsito();
    void aspettoPrimaFase();
    void mostraPunteggi();
    void proclama();
    // Set when the season's champion has been told he leaves the title: his
    // message stands in for the proclamation.
    bool messaggioCampione_ = false;
    frmRuota& R;
};

}  // namespace zolmera

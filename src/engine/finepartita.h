#pragma once
// The end of the match: the end step after "Salva risultati".
namespace zolmera {

class frmRuota;

class FinePartita {
public:
    explicit FinePartita(frmRuota& board) : R(board) {}

    // Records nothing yet: the payout, the bookkeeping and the proclamation
    // come with the competitions; the match goes straight to "Fine partita".
    void PassoFinale();

private:
    frmRuota& R;
};

}  // namespace zolmera

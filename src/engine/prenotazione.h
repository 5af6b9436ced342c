#pragma once
// The board's re-activation and the booking question's state.
#include <QString>

namespace zolmera {

class frmRuota;

class Prenotazione {
public:
    explicit Prenotazione(frmRuota& board) : R(board) {}

    // Failed attempts at the current booking question.
    int varErrori = 0;
    // The typed answer as judged.
    QString varRisposta;
    // The countdown: its deadline, the seconds left and its end flag.
    double varScadenza = 0;
    double dblRestante = 0;
    bool varRispostaConfermata = false;

    // Every activation of the board: after its first display, after a
    // challenge has handed back, after a side screen has closed.
    void RiattivaTabellone();
    // Clicking an option puts it in the answer box, unless it is a blank
    // option of 32 blanks.
    void txtOpzione_Click(int index);

private:
    frmRuota& R;
};

}  // namespace zolmera

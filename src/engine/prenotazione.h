#pragma once
// The booking question: the board's re-activation, the countdowns of the
// booking and answer windows, the booking of a contestant, the judging of
// his answer and every window that expires.
#include <QString>

namespace zolmera {

class frmRuota;
class Timer;

// How a countdown ended: an answer was confirmed, the time ran out, or the
// board was closed meanwhile (nothing more may be done to it).
enum class FineConto { Risposta, Scaduta, Chiusa };

// What the booking picture stands for: the second phase shows it during its
// own questions, which a re-activation must leave alone.
enum class TipoDomanda { Nessuna, Prenotazione, SecondaFase };

class DomandaPrenotazione {
public:
    explicit DomandaPrenotazione(frmRuota& board) : R(board) {}

    // Failed attempts at the current booking question.
    int varErrori = 0;
    // The typed answer as judged.
    QString varRisposta;
    // The countdown: its deadline, the seconds left and its end flag.
    double varScadenza = 0;
    double dblRestante = 0;
    bool varRispostaConfermata = false;
    TipoDomanda domanda = TipoDomanda::Nessuna;

    // Every activation of the board: after its first display, after a
    // challenge has handed back, after a side screen has closed.
    void RiattivaTabellone();
    // A countdown of n seconds on the display, the board staying responsive.
    // One at a time: a newer one takes over the waiting one's deadline and
    // flag. On expiry the time-out timer takes over 100 ms later.
    FineConto ContoAllaRovescia(int n);
    // The same with the timer that takes over at expiry (the second phase's
    // questions have their own).
    FineConto ContoAllaRovescia(int n, Timer& scadenza);
    // Contestant w books and gets his answer window.
    FineConto Prenotazione(int w);
    FineConto PrenotaConMouse();

    void cmdOK_Click();
    void tmrSecondi_Timer();
    void cmdRipetere_Click();
    void cmdCancella_Click();
    // Clicking an option puts it in the answer box, unless it is a blank
    // option of 32 blanks.
    void txtOpzione_Click(int index);

private:
    // The options and the answer area close after an answer or a time-out.
    void chiudiRisposta();
    // After a first failure only the other contestant may book, and nobody
    // is booked.
    void riapriPer(int altro);
    // A void question: everything but the step button is switched off.
    void fineNulla();
    // The question is over and the step button comes back with the host.
    void domandaFinita();
    void suona(const QString& nome);

    frmRuota& R;
};

}  // namespace zolmera

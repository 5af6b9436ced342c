#pragma once
// What other screens do to the match board: each operation is a fixed
// sequence of writes to the board's controls, in the order the hand-backs
// rely on. A board that is not loaded is left alone: a write must never bring
// a closed board back.
#include <QString>

namespace zolmera {

class AppContext;
class Form;
class frmRuota;

// The board if a match is on, else nothing.
frmRuota* tabellone(AppContext& ctx);

// The board takes no input while another window works over it. A window
// that lets it go (`lascia`, itself going away) gives it back only when no
// other window is still open over it: the side screens and a challenge can
// overlap, and the first to close must not free the board under the others.
void BloccaTabellone(AppContext& ctx);
void SbloccaTabellone(AppContext& ctx, const Form* lascia = nullptr);

// A full challenge's winner w (1 or 2) gets his spin button lit.
void ConcediGiro(AppContext& ctx, int w);
// A void challenge: the step button and the host come back.
void SegnalaProvaNulla(AppContext& ctx);

// The three candidate answers, in index order ("" in all three for a free answer).
void ScriviOpzioni(AppContext& ctx, const QString& primo, const QString& secondo, const QString& terzo);
// Font of the three option boxes and of the answer box.
void ImpostaCaratteriOpzioni(AppContext& ctx, const QString& font, double size);
// Arms the booking question: the written question is shown when spoken
// comments are off, and the spoken question plays.
void ArmaDomandaPrenotazione(AppContext& ctx, const QString& domandaScritta);

// Asks whether to abandon the match; true when the player confirms. The
// caller closes its own window and then the board (ChiudiTabellone).
bool AbbandonaPartita(AppContext& ctx);
// Closes the board by code, which returns by game type.
void ChiudiTabellone(AppContext& ctx);

// The jackpot screen's label shows the jackpot; loads that screen, hidden,
// when it is not loaded.
void MostraMontepremi(AppContext& ctx);

// What the jackpot screen offers the board: it lives above the match and is
// reached through the routes, so the board knows it only by this.
class SchermoMontepremi {
public:
    virtual void mostraMontepremi(const QString& importo) = 0;

protected:
    ~SchermoMontepremi() = default;
};

}  // namespace zolmera

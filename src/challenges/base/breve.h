#pragma once
// A short challenge: something to observe or read for a fixed time, turned
// into a booking question on the board when the time is up.
#include "challenges/base/finestra.h"
#include "challenges/base/schede.h"
#include "platform/timer.h"

#include <array>
#include <functional>

namespace zolmera {

class ProvaBreve : public FinestraProva {
public:
    // k is the window's number; lettura the reading time in milliseconds;
    // fileDomanda the spoken question set at the hand-over, or empty for a
    // window that chooses it with its item at load.
    ProvaBreve(AppContext& context, int k, const QString& titolo, int lettura, const QString& domandaScritta,
               const QString& fileDomanda, int larghezza, int altezza);
    // A window of the game, as the challenge table describes it.
    ProvaBreve(AppContext& context, const SchedaProva& scheda, int larghezza, int altezza);

    // The window's own reading area, hidden until the start.
    TextBox txtDomanda{*this, QStringLiteral("txtDomanda"), true};
    Timer tmrSecondi;

    void Form_Load() final;
    void cmdEsegui_Click() override;
    // The end of the reading time: the hand-over. A window that plays a game
    // of its own on these ticks ends it with passaAlTabellone().
    virtual void tmrSecondi_Timer();

protected:
    // What the start shows: the window's reading area, unless the window
    // shows its material otherwise.
    virtual void mostraMateriale() { txtDomanda.setVisible(true); }
    // What the start sets running: the reading time, unless the window has
    // a show of its own before it.
    virtual void avviaLettura() { tmrSecondi.setEnabled(true); }
    // The common hand-over: the reading stops, and once no question of the
    // window's is up, the window closes and the board gets its question.
    void passaAlTabellone();
    // The options of a number to find: the right one in box p (1 to 3), the
    // others at three different distances, none zero, drawn in turn by
    // `distanza` (the right box's own is drawn too, and left unused); a
    // distance `ammessa` refuses is drawn again. Sets the right answer.
    // Returns the distances, box by box.
    std::array<qint64, 4> scriviOpzioniNumeriche(qint64 risposta, int p, const std::function<qint64()>& distanza,
                                                 const std::function<bool(qint64)>& ammessa = {});
    // Draws the item, fills the reading area, sets the right answer and
    // writes the options on the board.
    virtual void caricaElemento() = 0;
    // The question written on the board when spoken comments are off.
    virtual QString domandaScritta() const { return domandaScritta_; }
private:
    void consegna();

    QString domandaScritta_;
    QString fileDomanda_;
};

}  // namespace zolmera

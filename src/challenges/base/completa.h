#pragma once
// A full challenge: a duel that decides who spins. Its start button starts
// the game and, once the game has its verdict, hands the outcome back to the
// board; the winner hears his own voice 2.5 seconds after winning.
#include "challenges/base/finestra.h"
#include "challenges/base/schede.h"
#include "platform/multimedia.h"
#include "platform/timer.h"

namespace zolmera {

class ProvaCompleta : public FinestraProva {
public:
    ProvaCompleta(AppContext& context, const QString& name, const QString& titolo, int argomentoGuida, int larghezza,
                  int altezza);
    // A window of the game, as the challenge table describes it.
    ProvaCompleta(AppContext& context, const SchedaProva& scheda, int larghezza, int altezza);

    MultimediaControl mmcSonoro{*this, QStringLiteral("mmcSonoro")};
    Timer Timer1{*this, QStringLiteral("Timer1"), 2500, false};

    // Nobody holds the turn until the verdict; then the game itself.
    void Form_Load() final;
    void cmdEsegui_Click() final;
    void Timer1_Timer();
    // Keys reach the game only while it is played, whatever control holds
    // the focus.
    void Form_KeyPress(int& keyAscii) final;

    bool decisa() const { return decisa_; }
    // From the start press to the verdict: the only time the game's keys act.
    bool inGioco() const { return avviata_ && !decisa_; }
    // The seconds left of the running turn at this very instant, so a click
    // handled inside the turn records the time of the click, not of the last
    // shown second; once the turn is over, those left when it ended (none
    // after a time-out).
    double varResiduo() const;

    enum class FineTurno { Scaduto, Fermato, Chiusa };

protected:
    // The window's own load, after bytConcorrente has been cleared.
    virtual void caricaGioco() {}
    // The start branch of the start button.
    virtual void avvia() = 0;
    // Games that can end void have the button's void branch.
    virtual bool puoEssereNulla() const { return true; }
    virtual void tastoGioco(int& /*keyAscii*/) {}

    // The verdicts: caption, turn, spins, sound and jingle, as the board's
    // hand-back expects them.
    void decretaVincita(int w);
    void decretaParita();
    void decretaNulla();
    // Two scores decide: a void game when nulla, else the higher score, else
    // the higher tie-break (more time left), else a tie.
    void decretaPunteggi(bool nulla, double punti1, double punti2, double spareggio1 = 0, double spareggio2 = 0);

    // A timed turn inside a click handler: counts down secondi, showing the
    // whole seconds left on orologio, until the stop condition holds or the
    // time runs out. If the window is closed meanwhile it ends at once, and
    // its caller must touch nothing more.
    FineTurno CronometraTurno(int secondi, const std::function<bool()>& ferma, Label& orologio);
    void suonaSirena();
    // Close, the file of the sound folder, Open, then the switch.
    void suona(const QString& file, const QString& comando);

private:
    bool avviata_ = false;
    bool decisa_ = false;
    bool inTurno_ = false;
    double scadenza_ = 0;
    double fineTurno_ = 0;
};

// A contestant's typed character matches a configured key in either case.
bool tastoCorrisponde(int keyAscii, const QString& tasto);

}  // namespace zolmera

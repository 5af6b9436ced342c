#pragma once
// A match board ready to play in a test world, with test challenge windows
// in place of the real ones, so each hand-back can be played as a test wants.
#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "testkit/segnaposto.h"
#include "testkit/world.h"

namespace zolmera::testing {

// The pictures the board loads, all present in every edition.
extern const QStringList kImmaginiTabellone;

// The shared state a new-game screen leaves for a single match of ANNA and
// BRUNO on the default keys (Z X, N M, W S A D, I K J L), first edition.
void statoNuovaPartita(Modulo1& m);

// A stand-in challenge: it records how it found the board when it loaded
// and hands back as it is told.
class ProvaDiProva final : public Screen {
public:
    explicit ProvaDiProva(AppContext& c);
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The hand-backs of the full challenges and of the short ones.
    void vince(int w);
    void nulla();
    void armaDomanda(const QString& domanda);

    int k = 0;
    bool corta = false;
    bool tabelloneBloccatoAlCaricamento = false;
    QString fontOpzioniAlCaricamento;
    double dimensioneOpzioniAlCaricamento = 0;
};

class BoardWorld : public TestWorld {
public:
    BoardWorld();

    // Sets up the shared state a new-game screen would leave, then loads the
    // board (its Form_Load) and shows it.
    frmRuota& apri();
    frmRuota& board() { return *ctx->screens.find<frmRuota>(); }
    ProvaDiProva* prova() { return ctx->screens.find<ProvaDiProva>(); }
    // Puts the test challenge behind every title of the board's catalogue;
    // each launch is logged as "P<k>", "p<k>" or "extra".
    void sostituisciProve(frmRuota& R);
    // The sound files a window's player was given from time t on.
    QStringList suoniDopo(const QString& finestra, double t) const;
    // After a player left the match from a challenge (the abandon answered
    // Yes): the challenge and the board are gone, the start menu shows, and
    // for the next seconds the challenge's player stays silent, with no
    // winner and no spins recorded: nothing of the challenge went on. The
    // silence counts from the close, when it came before now.
    void nullaDopoAbbandono(const QString& finestra, double secondi, double chiusa = -1);
    // Puts the "not available yet" window behind full challenge K, which the
    // game itself no longer has: the quickest void challenge of a test.
    template <int K>
    void segnapostoProva(frmRuota& R)
    {
        R.lancio.catalogo.prove[std::size_t(K)] = [](AppContext& c) {
            c.screens.get<frmSegnaposto<TipoSegnaposto::Prova, K>>().show();
        };
    }
    // Opens challenge T over the board as a turn of the step button leaves
    // it: the step button hidden, the board locked, the window shown.
    template <class T>
    T& apriProva()
    {
        T* p = nullptr;
        run([&] {
            board().cmdFine.setVisible(false);
            BloccaTabellone(*ctx);
            p = &ctx->screens.get<T>();
            p->show();
        });
        return *p;
    }
    // Presses the step button as a player would.
    void passo() { click(board().cmdFine); }
    QStringList lanci;

    // Contestant w holds this many spins and his spin button is lit, as a
    // won challenge leaves the board (the step button and the host hidden
    // since its launch).
    void concedi(int w, int giri = 1);
    // Contestant w's spin is under way with this many spins left, as his
    // release leaves the board.
    void giroInCorso(int w, int rimasti);
    // The wheel stops on a cell for contestant w: its outcome, as the end of
    // the rocking calls it.
    void esito(int w, int cella);
    // Queues the two draws of a release: the target cell and the first
    // slow-down cell (each 0, 4, ... 44).
    void preparaLancio(int traguardo, int rallenta);
    // Moves the virtual clock in small steps until the condition holds, at
    // most for the given seconds; true when it held.
    bool finoA(const std::function<bool()>& condizione, double secondi);
    // Moves the clock until no spin charges, turns or rocks.
    bool finoAFermo(double secondi = 60);
    // Plays the second-phase turn on the board to its end with no right
    // answer: the first covers still shown, every question left to its
    // time, then "Nessun giro di ruota".
    void secondaFaseSenzaRisposte();

    // How a match played by giocaPartita ends: who wins, and who completed
    // the menu.
    enum class Risultato { Vince1, Vince1ConMenu, Vince2, Vince2ConMenu, Patta, PattaConMenu };
    // Plays the match on the board that is loaded, from its first step to
    // the board's closing: every challenge hands back a void game, the
    // second phase finds no right answer, and before "Salva risultati" the
    // courses stand as the wheel would have left them for the result. With
    // spoken comments off, the proclamation comes in a box.
    void giocaPartita(Risultato r);
};

// Question archives in the world's program folder: topics "Argomento 1" to
// "Argomento n" with codes 1 to n, each with questions 1 to m worded
// "Domanda k.j?" with the options "Uno k.j", "Due k.j", "Tre k.j", the
// second one right ("DUE K.J").
void scriviArchivi(TestWorld& w, int argomenti = 12, int domande = 2);

// The settings file of a player who has turned the presentation off, so the
// start screen comes up at once; every other setting is the default.
void impostazioniSenzaPresentazione(TestWorld& w);

// A record of the jackpot file: Giocate, Totale, Montepremi.
QByteArray recordMontepremi(qint16 giocate, qint16 totale, qint32 montepremi);

}  // namespace zolmera::testing

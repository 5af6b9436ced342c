#pragma once
// How screens open one another without knowing each other: each kind of
// screen has a route, filled in once by the program's composition, that loads
// the screen (if it is not loaded) and hands it back. A screen asks for a kind
// and never includes the screen behind it, so the layers stay one-way.
#include <QtGlobal>

#include <functional>
#include <map>

namespace zolmera {

class AppContext;
class Form;

enum class Schermo {
    Avvio,           // the start screen
    Presentazione,   // the slides at start-up
    NuovaPartita,    // names and game type
    Tabellone,       // the match board
    Stagione,
    Campionato,
    Punteggi,        // the best scores
    Opzioni,
    Informazioni,    // the about box
    MenuDelGiorno,   // the lunch menu and jackpot, over the board
    Comandi,         // the contestants' controls, over the board
};

class Rotte {
public:
    using Carica = std::function<Form&(AppContext&)>;
    using Trova = std::function<Form*(AppContext&)>;

    explicit Rotte(AppContext& ctx) : ctx_(ctx) {}

    // The route loads the screen; `trova` finds it only when it is loaded.
    void imposta(Schermo schermo, Carica carica, Trova trova = {})
    {
        rotte_[schermo] = std::move(carica);
        trovate_[schermo] = std::move(trova);
    }
    bool presente(Schermo schermo) const { return rotte_.count(schermo) != 0; }
    // The screen, loaded if it was not, or nothing when no route leads there
    // (a screen the game does not have yet).
    Form* carica(Schermo schermo);
    // Loads it if needed and shows it; false when no route leads there.
    bool mostra(Schermo schermo);
    // Closes the screen if it is loaded; never loads it.
    void chiudi(Schermo schermo);

private:
    AppContext& ctx_;
    std::map<Schermo, Carica> rotte_;
    std::map<Schermo, Trova> trovate_;
};

}  // namespace zolmera

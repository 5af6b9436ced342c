#pragma once
// Every challenge window of the game in one table: its title, its help topic
// and, for the short ones, how long the item is shown and the question that
// follows. The launch catalogue and the windows themselves read it, so a
// title or a topic is written once.
#include <QString>

#include <array>

namespace zolmera {

enum class TipoProva { Completa, Breve, Extra };

struct SchedaProva {
    TipoProva tipo;
    int numero;               // the K of frmProvaK / frmProvinaK; 1 for the slot machine
    QString finestra;         // the window's name
    QString titolo;
    int argomentoGuida;       // the help topic Guida and F1 open
    // Short challenges only.
    int letturaMs = 0;        // the item stays up this long before the hand-over
    QString domandaScritta;   // shown on the board when spoken comments are off; empty when the item makes its own
    QString fileDomanda;      // the spoken question; empty when the item chooses its own
};

// Full challenges 1 to 20, short challenges 1 to 18, and the slot machine.
const SchedaProva& schedaProva(int k);
const SchedaProva& schedaProvina(int k);
const SchedaProva& schedaExtra();

}  // namespace zolmera

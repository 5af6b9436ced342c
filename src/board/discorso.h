#pragma once
// The board's sound queue, which carries the opening speech and the spoken
// proclamation on the music player.
#include "state/vbtypes.h"

#include <QString>

namespace zolmera {

class frmRuota;

class Discorso {
public:
    explicit Discorso(frmRuota& board) : R(board) {}

    VbArray<QString, 1, 15> strCodaAudio;
    // The slot playing, 1 to 15; past 15 the queue is spent.
    int varPosCoda = 1;

    void svuotaCoda();
    // Fills the queue with the opening speech; the speech's words are not
    // part of the game yet, so the queue stays empty.
    void PreparaDiscorso();
    // Plays the queue from its first slot.
    void avvia();
    // The player finished a sound: the next slot that holds one plays.
    void mmcMusica_Done();

private:
    frmRuota& R;
};

}  // namespace zolmera

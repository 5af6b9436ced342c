#pragma once
// The board's sound queue, which carries the opening speech and the spoken
// proclamation on the music player.
#include "state/vbtypes.h"

#include <QString>

#include <array>

namespace zolmera {

class frmRuota;

class Discorso {
public:
    explicit Discorso(frmRuota& board) : R(board) {}

    VbArray<QString, 1, 15> strCodaAudio;
    // The slot playing, 1 to 15; past 15 the queue is spent.
    int varPosCoda = 1;

    void svuotaCoda();
    // Fills the queue with the opening speech: the greeting, the jackpot in
    // words, the contestants (in a season with the roles of their seats).
    void PreparaDiscorso();
    // Plays the queue from its first slot.
    void avvia();
    // The player finished a sound: the next slot that holds one plays.
    void mmcMusica_Done();

    // The sound files that speak a jackpot, in slot order: thousands,
    // "mila", the hundreds digit, "cento", "cinquanta"; an empty name for a
    // slot left empty.
    static std::array<QString, 5> paroleMontepremi(qint32 montepremi);

private:
    frmRuota& R;
};

}  // namespace zolmera

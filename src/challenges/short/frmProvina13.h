#pragma once
// "INDOVINELLO AL FULMICOTONE": eight words that look alike flash by in
// large type, then a riddle whose answer is one of them; the contestants
// type it on the board.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina13 final : public ProvaRiga {
public:
    explicit frmProvina13(AppContext& context);

    static constexpr int kParole = 8;
    static constexpr int kIndovinello = kParole + 1;   // its field in the row
    static constexpr int kRisposta = kParole + 2;
    static constexpr double kCorpoParola = 36, kCorpoIndovinello = 18;
    // The longest word and riddle the box shows whole, in characters: the
    // table's check keeps every row within them.
    static constexpr int kMaxParola = 12, kMaxIndovinello = 100;
    // The box and the window, in twips, sized for the two limits above.
    static constexpr int kLarghezza = 9600, kAltezzaBox = 2400;

    Timer tmrVedi;
    // The ticks of tmrVedi so far: words 1 to 8, then the riddle, then the reading.
    int varParola = 0;

    void tmrVedi_Timer();

protected:
    void caricaElemento() override;
    void avviaLettura() override { tmrVedi.setEnabled(true); }
};

}  // namespace zolmera

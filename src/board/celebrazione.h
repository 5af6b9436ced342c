#pragma once
// The celebration of a completed menu: the audience cheers, the jackpot is
// shown large, and the celebrating contestant's courses and station blink.
namespace zolmera {

class frmRuota;

class Celebrazione {
public:
    explicit Celebrazione(frmRuota& board) : R(board) {}

    int varPassoAnimazione = 0;

    // Starts (or starts again) the celebration of contestant w.
    void avvia(int w);
    void tmrAnimazione_Timer();
    // Who is being celebrated: the contestant who completed the menu, not
    // whoever spun last.
    int festeggiato() const { return festeggiato_; }

private:
    void termina();

    frmRuota& R;
    int festeggiato_ = 0;
};

}  // namespace zolmera

#pragma once
// The turn sequencer: the step button advances the match through its eight
// turns, then the end step and the closing step.
namespace zolmera {

class frmRuota;

class SequenzaTurni {
public:
    explicit SequenzaTurni(frmRuota& board) : R(board) {}

    // The turn in progress: 0 after the board's load, 1 to 8.
    int intTurno = 0;
    // The board's help topic: 17 while the step button leads the second
    // phase, 15 otherwise.
    int intArgomentoGuida = 15;

    void cmdFine_Click();
    void AvanzaTurno();

    static constexpr int kGuidaTabellone = 15;
    static constexpr int kGuidaSecondaFase = 17;

private:
    void passoTurno();
    // What turns 7 and 8 set up for the contestant of the second phase.
    void preparaScelta();
    void preparaDomande();

    frmRuota& R;
};

}  // namespace zolmera

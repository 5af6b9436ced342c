#pragma once
// The second phase: chosen topics, their questions and the spin-or-change
// choice. The phase itself is not played yet; its state is kept here.
namespace zolmera {

class frmRuota;

class SecondaFase {
public:
    explicit SecondaFase(frmRuota& board) : R(board) {}

    int intDomandeDaScegliere = 0;
    int varSceltaArgomento = 1;
    bool intCambioDomande = false;

    // Chooses who begins and shows the topic boxes.
    void IniziaSecondaFase();
    // The other contestant's turn. Until the phase is played, both turns
    // open a window that says so and hands back like a void game.
    void ProseguiSecondaFase();

private:
    void apriSegnaposto();
    frmRuota& R;
};

}  // namespace zolmera

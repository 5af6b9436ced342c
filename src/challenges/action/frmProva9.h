#pragma once
// "TIRO AL PUPAZZO": a gallery of twelve snowmen shot with the mouse. In his
// turn each contestant sees thirty snowmen pop up one at a time, ever
// faster, at random places; each one clicked while it is up is a hit. More
// hits take the spin, and below ten hits each the game is void.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva9 final : public ProvaCompleta {
public:
    explicit frmProva9(AppContext& context);

    // The gallery: positions 0 to 5 the top row from the left, 6 to 11 the
    // bottom row. A snowman pops up when its idle picture Image1 is hidden,
    // showing the Image2 under it.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    ControlArray<Image> Image2;
    ControlArray<Image> Image1;

    // The score table: names, hits, pop-ups seen so far.
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    ControlArray<Label> Label1;
    ControlArray<Label> Label12;

    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 1000, false};

    int varTiratore = 1;
    VbArray<qint16, 1, 2> intCentri;
    qint16 intComparse = 0;
    // The snowman of the last pop-up; -1 before a turn's first one and
    // after a hit.
    int varPosizione = -1;
    qint16 intTurno = 1;

    void tmrSecondi_Timer();
    void Image1_Click(int Index);
    void Image2_Click(int Index);
    void ValutaTurno();
    void DecretaVincitore();

    static constexpr int kPosizioni = 12, kColonne = 6, kLarghezzaColonna = 1080;
    static constexpr int kComparse = 30;
    // Below this many hits each, nobody has shot well enough to win.
    static constexpr int kCentriMinimi = 10;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void mostraComparse();
};

}  // namespace zolmera

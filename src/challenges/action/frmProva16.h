#pragma once
// "CASCATA DI PALLONCINI": the dog and the rabbit start inside a hedge whose
// gaps move every two seconds, and race for the balloons on the ring of cells
// around it; a bomb, or a gap closing on a figure, sends it back inside. The
// first to take thirty balloons wins.
#include "challenges/action/corsa.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva16 final : public ProvaCorsa {
public:
    explicit frmProva16(AppContext& context);

    // The ring of cells: 0 to 36 the left block and the top middle, 37 to 73
    // the right block and the bottom middle.
    ControlArray<Image> piatto;
    // The hedge, clockwise from its top-left corner.
    ControlArray<Image> imgSiepe;
    // Never shown: the cells take its very picture, so a bomb is told by it.
    Image bomba{*this, QStringLiteral("bomba")};
    PictureClip pccPalloni;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 3000, false};
    Timer tmrSiepe{*this, QStringLiteral("tmrSiepe"), 2000, false};
    // Runs from the placing to the verdict but, with no interval, never ticks.
    Timer tmrBombe{*this, QStringLiteral("tmrBombe"), 0, false};

    // Balloons taken by contestant 1 (0) and 2 (1).
    VbArray<qint16, 0, 1> intPalloncini;

    void tmrSecondi_Timer();
    void tmrSiepe_Timer();
    void DecretaVincitore();

    static constexpr int kCelle = 74, kPezziSiepe = 16, kColoriPalloni = 8;
    static constexpr int kCelleSinistra = 36;   // drawn from for the first balloons; cell 36 never is
    static constexpr int kPalloniSinistra = 30, kPalloni = 59, kPalloniVincenti = 30;
    static constexpr int kLeftVia = 3120, kTopVia = 2640;

    // Where cell i and hedge piece i stand in the field.
    static QPoint postoCella(int i);
    static QPoint postoSiepe(int i);

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }
    void tastoGioco(int& keyAscii) override;
    bool passoBloccato(const Image& figura, Direzione d) const override;

private:
    int estrai(int n);
    void riportaACasa(Image& figura);
    void guardaCelle(int k);
};

}  // namespace zolmera

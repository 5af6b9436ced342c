#pragma once
// "RITRATTO DI CANZONI": a drawing pictures the title of a well-known song;
// the contestants type the title on the board.
#include "challenges/base/breve.h"
#include "platform/pictures.h"

namespace zolmera {

class frmProvina16 final : public ProvaBreve {
public:
    explicit frmProvina16(AppContext& context);

    static constexpr int kRighe = 5;
    static constexpr int kColonne = 10;

    // The navy panel first, so the drawing lies over it.
    Label lblDomanda{*this, QStringLiteral("lblDomanda")};
    Image ImgCanzone{*this, QStringLiteral("ImgCanzone")};
    // Title k is drawn in cell k - 1, row by row from the top left.
    PictureClip pccCanzoni;
    QStringList strTitoli;
    int r = 0;   // the title drawn, 1..50

protected:
    void caricaElemento() override;
    void mostraMateriale() override;
};

}  // namespace zolmera

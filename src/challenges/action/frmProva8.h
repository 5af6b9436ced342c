#pragma once
// "LABIRINTO DEI GOLOSI": the dog and the rabbit race through five wall
// columns, each open at one tile, to the plate that holds the dish; three
// races won take the spin.
#include "challenges/action/corsa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva8 final : public ProvaCorsa {
public:
    explicit frmProva8(AppContext& context);

    // Column c holds tiles 7c to 7c + 6, top to bottom.
    ControlArray<Image> Muretto;
    // Under each plate, so the two places read as plates while empty.
    Image sottopiatto1{Frame1, QStringLiteral("sottopiatto1")};
    Image sottopiatto2{Frame1, QStringLiteral("sottopiatto2")};
    Image piatto1{Frame1, QStringLiteral("piatto1")};
    Image piatto2{Frame1, QStringLiteral("piatto2")};
    // The three dishes, never shown themselves: a plate gets one's picture.
    ControlArray<Image> imgPieta;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 3000, false};

    VbArray<qint16, 0, 1> intCorseVinte;
    // Where the dish lies; 1 while none is out, where no figure can stand.
    int varTopPiatto = 0;
    int intLeftPiatto = 0;

    void tmrSecondi_Timer();
    void PreparaTurno();
    void DecretaVincitore();

    static constexpr int kColonne = 5, kRighe = 7, kMuretti = kColonne * kRighe;
    static constexpr int kLeftVia = 120, kTopVia = 2040;
    static constexpr int kLeftPiatti = 7320, kTopPiatto1 = 240, kTopPiatto2 = 3840;
    static constexpr int kCorseDaVincere = 3;

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }
    void tastoGioco(int& keyAscii) override;
    bool passoBloccato(const Image& figura, Direzione d) const override;

private:
    void vinceCorsa(int k);
};

}  // namespace zolmera

#pragma once
// "MORRA CINESE": rock, paper, scissors on the direction keys, until one
// contestant has won six hands.
#include "challenges/base/completa.h"

namespace zolmera {

class frmProva3 final : public ProvaCompleta {
public:
    explicit frmProva3(AppContext& context);

    ControlArray<Label> lblGiocatore;
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Frame Frame2{*this, QStringLiteral("Frame2")};
    ControlArray<Image> scelta1, scelta2, memo1, memo2;
    ControlArray<Label> Label3;
    ControlArray<Label> lblLuci1, lblLuci2;
    ControlArray<Label> lblPunti;
    Label Label1{*this, QStringLiteral("Label1"), QStringLiteral("punti")};
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 1000, false};

    // The choices of the hand in play: 1 scissors, 2 paper, 3 rock.
    int varScelta1 = 0;
    int varScelta2 = 0;
    VbArray<int, 1, 2> intMancheVinte;

    void ValutaTurno();
    void tmrSecondi_Timer();

    static constexpr quint32 kSpenta = 0x404040, kVerde = 0xFF00, kArancio = 0x80FF;

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }
    void tastoGioco(int& keyAscii) override;

private:
    void nascondiScelte();
};

}  // namespace zolmera

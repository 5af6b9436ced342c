#pragma once
// "SCASSA QUINDICI": nine covered cards hide the numbers 1 to 9. In turn
// each contestant turns a card, adding its number to his sum, or stops for
// good. The higher sum not over 15 wins; reaching 15 or more ends the game
// at once, and with both sums under 10 nobody has earned a spin.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva2 final : public ProvaCompleta {
public:
    explicit frmProva2(AppContext& context);

    ControlArray<Label> lblGiocatore, lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    ControlArray<CommandButton> cmdFerma;
    Frame Frame1{*this, QStringLiteral("Frame1")};
    // In reading order over the 3 × 3 grid; card i hides intMazzo(i + 1).
    ControlArray<Label> Label1;

    VbArray<int, 1, 9> intMazzo;
    VbArray<int, 1, 2> intSomma;
    int intTurnoDi = 1;

    void Label1_Click(int Index);
    void cmdFerma_Click(int Index);
    void PassaTurno();
    void DecretaVincitore();

    static constexpr quint32 kCoperta = 0xFF0000, kScoperta = 0xFFC0C0, kFerma = 0x8080FF;
    static constexpr int kTetto = 15;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void mescola();
    // A contestant has stopped once his own button is off: there is no
    // other record of it.
    bool fermo(int k) const { return !cmdFerma[k - 1].enabled(); }
};

}  // namespace zolmera

#pragma once
// "SLOT MACHINE": the contestant who has not completed the menu plays alone.
// Ten credits, one a pull; three equal courses on the reels win a spin of
// the wheel, and ten pulls without them make the game void.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProvaExtra final : public ProvaCompleta {
public:
    explicit frmProvaExtra(AppContext& context);

    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("crediti")};
    // The machine: the pull button and the three reels.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    CommandButton cmdPremi{Frame1, QStringLiteral("cmdPremi"), QStringLiteral("Premi")};
    ControlArray<PictureBox> figura;
    // The three courses the reels show, never seen themselves.
    ControlArray<Image> imgPiet;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 50, false};

    // The contestant who plays, the credits left and the ticks of the pull
    // under way.
    int varGiocatore = 1;
    int varCrediti = 0;
    int varScatti = 0;
    // The course last drawn on each reel, 1 to 3.
    VbArray<qint16, 0, 2> intRulli;

    void cmdPremi_Click();
    void tmrSecondi_Timer();
    void DecretaVincitore();

    static constexpr int kCrediti = 10;
    static constexpr int kScattiPerGiro = 10;
    // Each course shows on its own colour: cheese on yellow, pie on red,
    // watermelon on green.
    static constexpr quint32 kColori[3] = {0xFFFF, 0xFF, 0xFF00};

protected:
    void caricaGioco() override;
    void avvia() override;
};

}  // namespace zolmera

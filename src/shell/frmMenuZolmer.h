#pragma once
// The lunch-menu screen: the menu to be won and the jackpot, over the board.
#include "board/operazioni.h"
#include "platform/controls.h"
#include "state/screen.h"

namespace zolmera {

class frmMenuZolmer final : public Screen, public SchermoMontepremi {
public:
    explicit frmMenuZolmer(AppContext& context);

    Image Image2{*this, QStringLiteral("Image2")};
    Label lblMontepremi{*this, QStringLiteral("lblMontepremi")};
    CommandButton cmdRitorna{*this, QStringLiteral("cmdRitorna"), QStringLiteral("Ok")};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void cmdRitorna_Click();
    void mostraMontepremi(const QString& importo) override { lblMontepremi.setCaption(importo); }
};

}  // namespace zolmera

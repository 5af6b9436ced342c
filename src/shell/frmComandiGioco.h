#pragma once
// The controls screen: each contestant's booking, spin and direction keys.
#include "platform/controls.h"
#include "state/screen.h"

namespace zolmera {

class frmComandiGioco final : public Screen {
public:
    explicit frmComandiGioco(AppContext& context);

    Frame fraGiocatore1{*this, QStringLiteral("fraGiocatore1"), QStringLiteral("Controlli Giocatore 1")};
    Frame fraGiocatore2{*this, QStringLiteral("fraGiocatore2"), QStringLiteral("Controlli Giocatore 2")};
    Label Label1{fraGiocatore1, QStringLiteral("Label1")};
    Label Label2{fraGiocatore1, QStringLiteral("Label2")};
    Label Label3{fraGiocatore2, QStringLiteral("Label3")};
    Label Label4{fraGiocatore2, QStringLiteral("Label4")};
    ControlArray<Label> lblDirezione;
    ControlArray<Label> didascalie;
    CommandButton cmdRitorna{*this, QStringLiteral("cmdRitorna"), QStringLiteral("Ok")};

    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void cmdRitorna_Click();
};

}  // namespace zolmera

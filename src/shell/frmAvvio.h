#pragma once
// The presentation at start-up: twenty slides, one every 3.5 seconds, over
// the show's theme.
#include "platform/controls.h"
#include "platform/multimedia.h"
#include "platform/timer.h"
#include "state/screen.h"

namespace zolmera {

class frmAvvio final : public Screen {
public:
    explicit frmAvvio(AppContext& context);

    static constexpr int kDiapositive = 20;

    Image Sigla{*this, QStringLiteral("Sigla")};
    CommandButton cmdGioca{*this, QStringLiteral("cmdGioca"), QStringLiteral("Termina la presentazione")};
    Timer tmrIntervallo{*this, QStringLiteral("tmrIntervallo"), 3500, false};
    MultimediaControl mmcMelodia{*this, QStringLiteral("mmcMelodia")};

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void tmrIntervallo_Timer();
    void cmdGioca_Click();

    int diapositiva() const { return intDiapositiva_; }

private:
    void mostra(int n);
    qint16 intDiapositiva_ = 1;
};

}  // namespace zolmera

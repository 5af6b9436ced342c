#include "shell/frmAvvio.h"

namespace zolmera {

frmAvvio::frmAvvio(AppContext& context) : Screen(context, QStringLiteral("frmAvvio"), 7452, 6120)
{
    setCaption(QStringLiteral("Zolmera"));
    Sigla.move(0, 0, 7452, 5532);
    Sigla.setStretch(true);
    cmdGioca.move(2400, 5640, 2652, 372);
    cmdGioca.setFontName(QStringLiteral("Comic Sans MS"));
    cmdGioca.setFontSize(9.75);
    setDefaultButton(&cmdGioca);

    tmrIntervallo.Tick = [this] { tmrIntervallo_Timer(); };
    cmdGioca.Click = [this] { cmdGioca_Click(); };
}

void frmAvvio::mostra(int n)
{
    const QString file = ctx.editionFile(QStringLiteral("intro"), QStringLiteral("diapositiva%1.jpg").arg(n, 2, 10, QLatin1Char('0')));
    // A slide that is not there leaves the box empty for its time.
    Sigla.setPicture(ctx.sys.pictures.load(file));
    Sigla.setAccessibleName(QStringLiteral("Presentazione, diapositiva %1 di %2").arg(n).arg(kDiapositive));
}

void frmAvvio::Form_Load()
{
    intDiapositiva_ = 1;
    mostra(intDiapositiva_);
    tmrIntervallo.setEnabled(true);
    mmcMelodia.play(suono(QStringLiteral("zolmer.wav")), M.strMusica);
}

void frmAvvio::tmrIntervallo_Timer()
{
    ++intDiapositiva_;
    if (intDiapositiva_ <= kDiapositive) {
        mostra(intDiapositiva_);
        return;
    }
    tmrIntervallo.setEnabled(false);
    unload(UnloadMode::FormCode);
}

void frmAvvio::cmdGioca_Click() { unload(UnloadMode::FormCode); }

void frmAvvio::Form_Unload(bool&)
{
    // However it closes, no slide comes after.
    tmrIntervallo.setEnabled(false);
    mmcMelodia.command(QStringLiteral("Close"));
    ctx.rotte.mostra(Schermo::Avvio);
}

}  // namespace zolmera

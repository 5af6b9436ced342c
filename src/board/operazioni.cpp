#include "board/operazioni.h"

#include "board/frmRuota.h"
#include "platform/format.h"

namespace zolmera {

frmRuota* tabellone(AppContext& ctx) { return ctx.screens.find<frmRuota>(); }

void BloccaTabellone(AppContext& ctx)
{
    if (frmRuota* R = tabellone(ctx))
        R->setEnabled(false);
}

void SbloccaTabellone(AppContext& ctx, const Form* lascia)
{
    frmRuota* R = tabellone(ctx);
    if (!R)
        return;
    for (const Form* f : ctx.screens.loaded())
        if (f != R && f != lascia && !f->unloaded() && f->visible())
            return;
    R->setEnabled(true);
}

void ConcediGiro(AppContext& ctx, int w)
{
    frmRuota* R = tabellone(ctx);
    if (!R || (w != 1 && w != 2))
        return;
    R->lancio.provaAperta = false;
    CommandButton& gira = w == 1 ? R->cmdGira1 : R->cmdGira2;
    gira.setEnabled(true);
    gira.setBackColor(frmRuota::kGiallo);
}

void SegnalaProvaNulla(AppContext& ctx)
{
    frmRuota* R = tabellone(ctx);
    if (!R)
        return;
    R->lancio.provaAperta = false;
    // A celebration still running brings the step button back when it ends.
    if (R->attivita().inCorso())
        return;
    R->cmdFine.setVisible(true);
    R->cmdFine.setEnabled(true);
    R->Tobrano.setVisible(true);
}

void ScriviOpzioni(AppContext& ctx, const QString& primo, const QString& secondo, const QString& terzo)
{
    frmRuota* R = tabellone(ctx);
    if (!R)
        return;
    R->txtOpzione[0].setText(primo);
    R->txtOpzione[1].setText(secondo);
    R->txtOpzione[2].setText(terzo);
}

void ImpostaCaratteriOpzioni(AppContext& ctx, const QString& font, double size)
{
    frmRuota* R = tabellone(ctx);
    if (!R)
        return;
    for (int i = 0; i <= 2; ++i) {
        R->txtOpzione[i].setFontName(font);
        R->txtOpzione[i].setFontSize(size);
    }
    R->txtRisposta.setFontName(font);
    R->txtRisposta.setFontSize(size);
}

void ArmaDomandaPrenotazione(AppContext& ctx, const QString& domandaScritta)
{
    frmRuota* R = tabellone(ctx);
    if (!R)
        return;
    R->lancio.provaAperta = false;
    R->prenotazione.domanda = TipoDomanda::Prenotazione;
    R->Frame2.setVisible(true);
    R->Frame2.setEnabled(false);
    R->lblArgomento.setCaption(QStringLiteral("Domanda a prenotazione"));
    R->txtDomanda.setText(ctx.M.strParlato.isEmpty() ? domandaScritta : QStringLiteral("Forza! Potete prenotarvi!"));
    R->cmdPrenota1.setEnabled(true);
    R->cmdPrenota2.setEnabled(true);
    R->Tobrano.setVisible(false);
    R->imgPPrenota.setVisible(true);
    R->cmdPrenota1.setBackColor(frmRuota::kGiallo);
    R->cmdPrenota2.setBackColor(frmRuota::kGiallo);
    R->mmcMelodia.play(ctx.M.strFileDomanda, ctx.M.strParlato);
}

bool AbbandonaPartita(AppContext& ctx)
{
    ctx.M.intEsci = false;
    const int risposta = ctx.sys.messages.msgBox(QStringLiteral("Sei sicuro di volere abbandonare la partita?"),
                                                 mb::YesNo | mb::Exclamation | mb::DefaultButton2,
                                                 QStringLiteral("ATTENZIONE!"));
    return risposta == mb::Yes;
}

void ChiudiTabellone(AppContext& ctx)
{
    if (frmRuota* R = tabellone(ctx))
        R->unload(UnloadMode::FormCode);
}

void MostraMontepremi(AppContext& ctx)
{
    if (auto* schermo = dynamic_cast<SchermoMontepremi*>(ctx.rotte.carica(Schermo::MenuDelGiorno)))
        schermo->mostraMontepremi(formatImporto(ctx.M.lngMontepremi));
}

}  // namespace zolmera

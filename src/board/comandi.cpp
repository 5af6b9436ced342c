// The board's menus, its arrows, its activation and its closing.
#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "state/indirizzi.h"

namespace zolmera {

void frmRuota::Form_Activate() { prenotazione.RiattivaTabellone(); }

// ---- menus (nothing while the wheel turns) ---------------------------------

void frmRuota::Menu_Click()
{
    if (!ruotaGira())
        ctx.rotte.mostra(Schermo::MenuDelGiorno);
}

void frmRuota::Comandi_Click()
{
    if (!ruotaGira())
        ctx.rotte.mostra(Schermo::Comandi);
}

void frmRuota::Punteggi_Click()
{
    if (!ruotaGira())
        ctx.rotte.mostra(Schermo::Punteggi);
}

void frmRuota::Versione_Click()
{
    if (!ruotaGira())
        ctx.rotte.mostra(Schermo::Informazioni);
}

void frmRuota::Guida_Click()
{
    if (!ruotaGira())
        showHelp(turni.intArgomentoGuida);
}

void frmRuota::Sito_Click()
{
    if (!ruotaGira())
        ctx.sys.desktop.openUrl(kSitoWeb);
}

void frmRuota::Posta_Click()
{
    if (!ruotaGira())
        ctx.sys.desktop.openUrl(kPostaAssistenza);
}

void frmRuota::Salva_Click()
{
    if (Salva.enabled())
        finePartita.PassoFinale();
}

void frmRuota::cmdJMenu_Click()
{
    // The one command that works while the wheel turns.
    ctx.rotte.mostra(Schermo::MenuDelGiorno);
}

// ---- the arrows: the play area slides between three places -----------------

void frmRuota::spostaArea(int dx)
{
    std::vector<Control*> spostati = {&Image1,      &imgRuota2,     &Frame1,   &Frame2,        &Frame3,
                                      &Frame4,      &Frame5,        &Frame6,   &cmdFine,       &imgPPrenota,
                                      &Tobrano,     &lblScoreConc1, &lblOmbra1, &lblScore1,    &lblConc1,
                                      &cmdPrenota1, &cmdGira1,      &imgPostaz1, &lblScoreConc2, &lblOmbra2,
                                      &lblScore2,   &lblConc2,      &cmdPrenota2, &cmdGira2,     &imgPostaz2};
    for (int k = 0; k <= 4; ++k)
        for (int w = 1; w <= 2; ++w)
            for (ControlArray<Image>* riga : righePortate(w))
                spostati.push_back(&(*riga)[k]);
    for (int k = 0; k <= 9; ++k) {
        spostati.push_back(&cappello1[k]);
        spostati.push_back(&cappello2[k]);
    }
    for (Control* c : spostati)
        c->setLeft(c->left() + dx);
}

void frmRuota::Command1_Click()
{
    if (!ruotaGira() && (Image1.left() == -1680 || Image1.left() == -840))
        spostaArea(840);
}

void frmRuota::Command2_Click()
{
    if (!ruotaGira() && (Image1.left() == -840 || Image1.left() == 0))
        spostaArea(-840);
}

// ---- closing ---------------------------------------------------------------

void frmRuota::Esci_Click()
{
    if (ruotaGira())
        return;
    M.intEsci = true;
    unload(UnloadMode::FormCode);
}

void frmRuota::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    if (ruotaGira()) {
        cancel = true;
        return;
    }
    if (mode == UnloadMode::ControlMenu || M.intEsci)
        cancel = !AbbandonaPartita(ctx);
}

void frmRuota::Form_Unload(bool&)
{
    mmcMelodia.command(QStringLiteral("close"));
    mmcMusica.command(QStringLiteral("Close"));
    switch (M.bytTipoGioco) {
    case 1:
        ctx.rotte.mostra(Schermo::Avvio);
        break;
    case 2:
        ctx.rotte.mostra(Schermo::Campionato);
        break;
    case 3:
        ctx.rotte.mostra(Schermo::Stagione);
        break;
    default:
        break;
    }
}

}  // namespace zolmera

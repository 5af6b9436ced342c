// The board's menus, its arrows, its activation and its closing.
#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "shell/frmComandiGioco.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuZolmer.h"

namespace zolmera {

void frmRuota::Form_Activate() { prenotazione.RiattivaTabellone(); }

// ---- menus (nothing while the wheel turns) ---------------------------------

void frmRuota::Menu_Click()
{
    if (!ruotaGira())
        ctx.screens.get<frmMenuZolmer>().show();
}

void frmRuota::Comandi_Click()
{
    if (!ruotaGira())
        ctx.screens.get<frmComandiGioco>().show();
}

void frmRuota::Punteggi_Click()
{
    // The best-score screen is not part of the game yet.
}

void frmRuota::Versione_Click()
{
    // The about box is not part of the game yet.
}

void frmRuota::Guida_Click()
{
    if (!ruotaGira())
        showHelp(turni.intArgomentoGuida);
}

void frmRuota::Sito_Click()
{
    if (!ruotaGira())
        ctx.sys.desktop.openUrl(frmMenu::kSitoWeb);
}

void frmRuota::Posta_Click()
{
    if (!ruotaGira())
        ctx.sys.desktop.openUrl(frmMenu::kPostaAssistenza);
}

void frmRuota::Salva_Click()
{
    if (Salva.enabled())
        finePartita.PassoFinale();
}

void frmRuota::cmdJMenu_Click()
{
    // The one command that works while the wheel turns.
    ctx.screens.get<frmMenuZolmer>().show();
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
    // The tournament and season screens are not part of the game yet: their
    // matches return to the start screen meanwhile.
    case 2:
    case 3:
        ctx.screens.get<frmMenu>().show();
        break;
    default:
        break;
    }
}

}  // namespace zolmera

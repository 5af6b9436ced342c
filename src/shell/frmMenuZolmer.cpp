#include "shell/frmMenuZolmer.h"

#include "board/operazioni.h"
#include "platform/format.h"
#include "state/edizione.h"

namespace zolmera {

frmMenuZolmer::frmMenuZolmer(AppContext& context) : Screen(context, QStringLiteral("frmMenuZolmer"), 4824, 7068)
{
    setCaption(QStringLiteral("Zolmera"));
    Image2.setStretch(true);
    Image2.move(0, 0, 4824, 6504);
    // Wider and taller than the design's label, so that a jackpot of five
    // digits is not cut by a substituted font; the card leaves room for it.
    lblMontepremi.move(1800, 5160, 1650, 390);
    lblMontepremi.setBackStyle(0);
    lblMontepremi.setFontName(QStringLiteral("DomCasual BT"));
    lblMontepremi.setFontSize(16);
    lblMontepremi.setForeColor(0xFF8080);
    cmdRitorna.move(1800, 6600, 1212, 372);
    cmdRitorna.Click = [this] { cmdRitorna_Click(); };
    setDefaultButton(&cmdRitorna);
    setCancelButton(&cmdRitorna);
}

void frmMenuZolmer::Form_Load()
{
    Image2.setPicture(ctx.sys.pictures.load(
        ctx.editionFile(QStringLiteral("images"), M.intNatale ? QStringLiteral("Nmenu.bmp") : QStringLiteral("menu.bmp"))));
    const GruppoEdizione gruppo = gruppoEdizione(M.strModGioco);
    if (gruppo == GruppoEdizione::Primo) {
        lblMontepremi.setFontName(QStringLiteral("DomCasual BT"));
        lblMontepremi.setFontSize(16);
        lblMontepremi.setFontBold(false);
        lblMontepremi.setForeColor(0xFF8080);
        lblMontepremi.setTop(5160);
    } else if (gruppo == GruppoEdizione::Secondo) {
        lblMontepremi.setFontName(QStringLiteral("Cheers ttnorm"));
        lblMontepremi.setFontSize(14);
        lblMontepremi.setFontBold(true);
        lblMontepremi.setForeColor(0);
        lblMontepremi.setTop(5210);
    }
}

void frmMenuZolmer::Form_Activate()
{
    BloccaTabellone(ctx);
    lblMontepremi.setCaption(formatImporto(M.lngMontepremi));
}

void frmMenuZolmer::Form_Unload(bool&)
{
    // However it closes (Ok, its close box, the opening speech), the board
    // takes input again.
    SbloccaTabellone(ctx, this);
}

void frmMenuZolmer::cmdRitorna_Click() { unload(); }

}  // namespace zolmera

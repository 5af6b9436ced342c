#include "challenges/short/frmProvina16.h"

#include "board/operazioni.h"
#include "platform/text.h"
#include "records/tabella.h"

namespace zolmera {

frmProvina16::frmProvina16(AppContext& context) : ProvaBreve(context, schedaProvina(16), 7680, 6720)
{
    lblDomanda.move(120, 960, 7332, 4452);
    lblDomanda.setBackColor(0x800000);
    ImgCanzone.move(1680, 1800, 4176, 2736);
    ImgCanzone.setStretch(true);
    pccCanzoni.setRows(kRighe);
    pccCanzoni.setCols(kColonne);
    cmdEsegui.move(2400, 5640, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina16::caricaElemento()
{
    lblDomanda.setVisible(false);
    ImgCanzone.setVisible(false);
    strTitoli.clear();
    for (const QStringList& riga : tabellaProva(QStringLiteral("canzoni")))
        strTitoli << riga.value(0);
    pccCanzoni.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("ritratti.bmp"))));

    ctx.sys.random.randomize();
    r = ctx.sys.random.draw(kRighe * kColonne);
    ImgCanzone.setPicture(pccCanzoni.graphicCell(r - 1));
    ScriviOpzioni(ctx, QString(), QString(), QString());
    M.strRispostaEsatta = vbUCase(strTitoli.value(r - 1));
}

void frmProvina16::mostraMateriale()
{
    lblDomanda.setVisible(true);
    ImgCanzone.setVisible(true);
}

}  // namespace zolmera

#include "challenges/short/frmProvina4.h"

#include "board/operazioni.h"
#include "records/domande.h"

namespace zolmera {

frmProvina4::frmProvina4(AppContext& context) : ProvaBreve(context, schedaProvina(4), 8640, 4560)
{
    txtDomanda.move(240, 960, 8160, 2400);
    txtDomanda.setFontName(QStringLiteral("Comic Sans MS"));
    txtDomanda.setFontSize(16.2);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move(2880, 3720, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina4::caricaElemento()
{
    const ArchiviDomande archivi(ctx.programDir());
    const QList<RecDomandaArchivio> domande = archivi.domande();
    const QList<RecRisposteArchivio> risposte = archivi.risposte();
    // Only a record with its question and its answer in both archives can be
    // asked: anything else would make an empty answer the right one.
    QList<int> validi;
    for (qsizetype i = 0; i < domande.size() && i < risposte.size(); ++i)
        if (!domande[i].Domanda.isEmpty() && !risposte[i].Risposta.isEmpty())
            validi << int(i + 1);
    if (validi.isEmpty()) {
        nullo_ = true;
        msgBox(QStringLiteral("Gli archivi delle domande %1 e %2 non hanno domande da porre: la prova è nulla.")
                   .arg(archivi.percorsoDomande(), archivi.percorsoRisposte()),
               mb::OKOnly | mb::Exclamation, QStringLiteral("ATTENZIONE!"));
        ScriviOpzioni(ctx, QString(), QString(), QString());
        M.strRispostaEsatta.clear();
        cmdEsegui.setCaption(QStringLiteral("Gioco nullo!"));
        return;
    }
    ctx.sys.random.randomize();
    r = validi[ctx.sys.random.draw(int(validi.size())) - 1];
    const RecDomandaArchivio& d = domande[r - 1];
    const RecRisposteArchivio& a = risposte[r - 1];
    txtDomanda.setText(d.Domanda);
    // The options in the archive's order: the right one stays where it is.
    ScriviOpzioni(ctx, a.Opzione1, a.Opzione2, a.Opzione3);
    M.strRispostaEsatta = a.Risposta;
}

void frmProvina4::cmdEsegui_Click()
{
    if (!nullo_) {
        ProvaBreve::cmdEsegui_Click();
        return;
    }
    M.bytConcorrente = 0;
    if (unload())
        SegnalaProvaNulla(ctx);
}

}  // namespace zolmera

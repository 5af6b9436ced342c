#include "challenges/base/breve.h"

#include "board/operazioni.h"

namespace zolmera {

ProvaBreve::ProvaBreve(AppContext& context, int k, const QString& titolo, int lettura, const QString& domandaScritta,
                       const QString& fileDomanda, int larghezza, int altezza)
    : FinestraProva(context, QStringLiteral("frmProvina%1").arg(k), titolo, 33, larghezza, altezza),
      tmrSecondi(*this, QStringLiteral("tmrSecondi"), lettura, false), domandaScritta_(domandaScritta),
      fileDomanda_(fileDomanda)
{
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
    cmdEsegui.setToolTipText(QStringLiteral("PREMI QUI per continuare"));
    txtDomanda.setLocked(true);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

ProvaBreve::ProvaBreve(AppContext& context, const SchedaProva& scheda, int larghezza, int altezza)
    : ProvaBreve(context, scheda.numero, scheda.titolo, scheda.letturaMs, scheda.domandaScritta, scheda.fileDomanda,
                 larghezza, altezza)
{
}

void ProvaBreve::Form_Load()
{
    cmdEsegui.setEnabled(false);
    txtDomanda.setVisible(false);
    caricaElemento();
    cmdEsegui.setEnabled(true);
}

void ProvaBreve::cmdEsegui_Click()
{
    cmdEsegui.setEnabled(false);
    mostraMateriale();
    M.bytConcorrente = 0;
    avviaLettura();
}

void ProvaBreve::tmrSecondi_Timer() { passaAlTabellone(); }

void ProvaBreve::passaAlTabellone()
{
    tmrSecondi.setEnabled(false);
    // While the abandon question is up the hand-over waits for its answer:
    // it must not close the window under the question.
    quandoLibera([this] { consegna(); });
}

std::array<qint64, 4> ProvaBreve::scriviOpzioniNumeriche(qint64 risposta, int p, const std::function<qint64()>& distanza,
                                                         const std::function<bool(qint64)>& ammessa)
{
    std::array<qint64, 4> d{};
    for (int i = 1; i <= 3; ++i) {
        bool valida = false;
        while (!valida) {
            d[std::size_t(i)] = distanza();
            valida = d[std::size_t(i)] != 0 && (!ammessa || ammessa(d[std::size_t(i)]));
            for (int j = 1; j < i; ++j)
                valida = valida && d[std::size_t(i)] != d[std::size_t(j)];
        }
    }
    M.strRispostaEsatta = QString::number(risposta);
    QString opzioni[3];
    for (int k = 0; k < 3; ++k)
        opzioni[k] = QString::number(p == k + 1 ? risposta : risposta + d[std::size_t(k + 1)]);
    ScriviOpzioni(ctx, opzioni[0], opzioni[1], opzioni[2]);
    return d;
}

void ProvaBreve::consegna()
{
    const QString scritta = domandaScritta();
    // A window that did not close keeps the board: arming the question
    // under it would leave two things waiting for the same players.
    if (!unload())
        return;
    if (!fileDomanda_.isEmpty())
        M.strFileDomanda = suono(fileDomanda_);
    ArmaDomandaPrenotazione(ctx, scritta);
}

}  // namespace zolmera

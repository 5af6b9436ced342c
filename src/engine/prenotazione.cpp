#include "engine/prenotazione.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "platform/format.h"
#include "platform/text.h"

#include <cmath>

namespace zolmera {

namespace {
// How far past its deadline a countdown looks: the display shows "00" until
// the deadline has passed, not merely been reached.
constexpr double kOltre = 1e-6;
}  // namespace

void DomandaPrenotazione::RiattivaTabellone()
{
    R.celebrazione.varPassoAnimazione = 0;
    // A spin under way goes on: restarting the rocking from the cell shown
    // would stop the wheel past the cell it awards, and stopping the turning
    // would leave the wheel frozen with its spin spent.
    if (!R.ruota.inMoto()) {
        R.ruota.varPassoDondolio = 0;
        R.tmrTempo.setEnabled(false);
    }
    // A second-phase question keeps its countdown, its contestant and its
    // frame: it is not a booking question.
    if (domanda != TipoDomanda::SecondaFase) {
        R.cmdRipetere.setVisible(false);
        R.tmrSecondi.setEnabled(false);
        R.lblOrologio.setCaption(QStringLiteral("00"));
    }
    // The hand-back has already written the board: a void challenge or a
    // finished spin left the step button shown.
    if (R.cmdFine.visible())
        R.cmdFine.setFocus();
    if (R.imgPPrenota.visible() && domanda == TipoDomanda::Prenotazione)
        ContoAllaRovescia(10);
}

FineConto DomandaPrenotazione::ContoAllaRovescia(int n) { return ContoAllaRovescia(n, R.tmrSecondi); }

FineConto DomandaPrenotazione::ContoAllaRovescia(int n, Timer& allaScadenza)
{
    const EventLoop& clock = R.ctx.sys.loop;
    varRispostaConfermata = false;
    varScadenza = clock.now() + n;
    for (;;) {
        const double resto = varScadenza - clock.now();
        if (resto < 0)
            break;
        dblRestante = resto;
        const qint64 mostrato = std::llround(resto);
        R.lblOrologio.setCaption(formatDueCifre(mostrato));
        if (varRispostaConfermata)
            return FineConto::Risposta;
        // Sleep until the display changes, the deadline passes, an answer is
        // confirmed or a newer countdown takes over.
        const double scadenza = varScadenza;
        const double sveglia = mostrato > 0 ? clock.now() + (resto - (double(mostrato) - 0.5)) + kOltre
                                            : scadenza + kOltre;
        const WaitEnd fine =
            R.wait(sveglia, [&] { return varRispostaConfermata || varScadenza != scadenza; });
        if (fine == WaitEnd::Closed)
            return FineConto::Chiusa;
    }
    if (varRispostaConfermata)
        return FineConto::Risposta;
    R.lblOrologio.setCaption(QStringLiteral("00"));
    allaScadenza.setInterval(100);
    allaScadenza.setEnabled(true);
    return FineConto::Scaduta;
}

FineConto DomandaPrenotazione::Prenotazione(int w)
{
    Modulo1& M = R.M;
    R.tmrSecondi.setEnabled(false);
    M.bytConcorrente = quint8(w);
    (w == 1 ? R.imgPostaz1 : R.imgPostaz2).setVisible(true);
    R.Frame2.setEnabled(true);
    for (int i = 0; i <= 2; ++i)
        R.txtOpzione[i].setEnabled(true);
    R.txtDomanda.setText(QString());
    R.txtRisposta.setText(QString());
    R.txtRisposta.setVisible(true);
    R.cmdOK.setVisible(true);
    R.cmdCancella.setVisible(true);
    R.txtRisposta.setFocus();
    R.cmdRipetere.setVisible(varErrori != 0);
    R.cmdPrenota1.setEnabled(false);
    R.cmdPrenota2.setEnabled(false);
    R.cmdPrenota1.setBackColor(frmRuota::kBlu);
    R.cmdPrenota2.setBackColor(frmRuota::kBlu);
    R.mmcMelodia.play(R.suono(w == 1 ? QStringLiteral("suono1.wav") : QStringLiteral("suono2.wav")), M.strEffetti);
    return ContoAllaRovescia(15);
}

FineConto DomandaPrenotazione::PrenotaConMouse()
{
    R.mmcMusica.command(QStringLiteral("Close"));
    return Prenotazione(R.M.strPrenota1 == QLatin1String("Mouse") ? 1 : 2);
}

void DomandaPrenotazione::suona(const QString& nome) { R.mmcMelodia.play(R.suono(nome), R.M.strParlato); }

void DomandaPrenotazione::cmdOK_Click()
{
    Modulo1& M = R.M;
    // Ok confirms the answer of the contestant who booked, once, while his
    // answer window is open. Between a wrong answer and the other's booking
    // nobody is answering: a stray press then would count a second error and
    // end the question with the other's booking button still lit.
    if (domanda != TipoDomanda::Prenotazione || !R.cmdOK.visible()
        || (M.bytConcorrente != 1 && M.bytConcorrente != 2))
        return;
    varRispostaConfermata = true;
    R.imgPostaz1.setVisible(false);
    R.imgPostaz2.setVisible(false);
    chiudiRisposta();
    varRisposta = vbTrim(vbUCase(R.txtRisposta.text()));

    const int w = M.bytConcorrente;
    if (varRisposta == M.strRispostaEsatta) {
        R.tmrSecondi.setEnabled(false);
        R.Frame2.setVisible(false);
        suona(R.nomeVariante("esatto", 6));
        R.Tobrano.setVisible(false);
        R.imgPPrenota.setVisible(false);
        domanda = TipoDomanda::Nessuna;
        M.bytGiri[w] = 1;
        ConcediGiro(R.ctx, w);
        return;
    }

    ++varErrori;
    if (varErrori == 2) {
        R.tmrSecondi.setEnabled(false);
        suona(R.nomeVariante("nullo", 3));
        domandaFinita();
        R.cmdFine.setFocus();
        return;
    }
    riapriPer(3 - w);
    suona(R.nomeVariante("errato", 6));
    ContoAllaRovescia(10);
}

void DomandaPrenotazione::chiudiRisposta()
{
    for (int i = 0; i <= 2; ++i)
        R.txtOpzione[i].setEnabled(false);
    for (Control* c : std::initializer_list<Control*>{&R.txtRisposta, &R.cmdOK, &R.cmdCancella, &R.cmdRipetere})
        c->setVisible(false);
}

void DomandaPrenotazione::riapriPer(int altro)
{
    CommandButton& prenota = altro == 1 ? R.cmdPrenota1 : R.cmdPrenota2;
    prenota.setEnabled(true);
    prenota.setBackColor(frmRuota::kGiallo);
    R.M.bytConcorrente = 0;
    R.txtDomanda.setText(R.M.strNomeConcorrente[altro].str() + QStringLiteral(" ti puoi prenotare!"));
}

void DomandaPrenotazione::domandaFinita()
{
    R.Frame2.setVisible(false);
    R.imgPPrenota.setVisible(false);
    domanda = TipoDomanda::Nessuna;
    // A celebration still running brings the step button back when it ends.
    if (R.attivita().inCorso())
        return;
    R.cmdFine.setVisible(true);
    R.Tobrano.setVisible(true);
    R.cmdFine.setEnabled(true);
}

void DomandaPrenotazione::tmrSecondi_Timer()
{
    Modulo1& M = R.M;
    R.tmrSecondi.setEnabled(false);
    R.imgPostaz1.setVisible(false);
    R.imgPostaz2.setVisible(false);
    ++varErrori;
    R.mmcMelodia.command(QStringLiteral("Close"));
    const int w = M.bytConcorrente;
    if (varErrori == 2 || (varErrori == 1 && w == 0)) {
        suona(R.nomeVariante("nullo", 3));
        fineNulla();
        return;
    }
    if (varErrori != 1 || (w != 1 && w != 2))
        return;
    riapriPer(3 - w);
    chiudiRisposta();
    suona(R.nomeVariante("scaduto", 3));
    ContoAllaRovescia(10);
}

void DomandaPrenotazione::fineNulla()
{
    R.imgPostaz1.setVisible(false);
    R.imgPostaz2.setVisible(false);
    for (CommandButton* b : {&R.cmdPrenota1, &R.cmdPrenota2, &R.cmdGira1, &R.cmdGira2}) {
        b->setEnabled(false);
        b->setBackColor(frmRuota::kBlu);
    }
    for (int i = 0; i <= 2; ++i)
        R.txtOpzione[i].setEnabled(false);
    domandaFinita();
}

void DomandaPrenotazione::cmdRipetere_Click()
{
    R.cmdRipetere.setVisible(false);
    R.mmcMelodia.play(R.M.strFileDomanda, R.M.strParlato);
    R.txtRisposta.setFocus();
}

void DomandaPrenotazione::cmdCancella_Click()
{
    if (R.txtDomanda.text().isEmpty() && R.cmdConferma.visible())
        return;
    R.txtRisposta.setText(QString());
    R.txtRisposta.setFocus();
}

void DomandaPrenotazione::txtOpzione_Click(int index)
{
    const QString testo = R.txtOpzione[index].text();
    if (testo != QString(32, QLatin1Char(' ')))
        R.txtRisposta.setText(testo);
}

}  // namespace zolmera

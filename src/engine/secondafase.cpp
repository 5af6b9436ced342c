#include "engine/secondafase.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "platform/text.h"
#include "records/domande.h"

#include <QSet>

#include <algorithm>

namespace zolmera {

namespace {
constexpr int kSecondiDomanda = 45;
const QString kFont = QStringLiteral("Comic Sans MS");
}  // namespace

void SecondaFase::suona(const QString& nome) { R.mmcMelodia.play(R.suono(nome), R.M.strParlato); }

void SecondaFase::IniziaSecondaFase()
{
    Modulo1& M = R.M;
    // The answer area takes typed answers.
    R.Frame2.setEnabled(true);
    R.cmdOK.setVisible(false);
    R.cmdCancella.setVisible(true);
    R.cmdConferma.setVisible(true);
    R.cmdRipetere.setVisible(false);
    R.txtRisposta.setVisible(true);
    R.prenotazione.varRisposta.clear();
    R.Label1.setVisible(true);
    R.lblMostraRisposte.setVisible(true);
    for (int k = 0; k <= 2; ++k)
        R.txtOpzione[k].setEnabled(true);
    ImpostaCaratteriOpzioni(R.ctx, kFont, 10);

    sceltaContestante();

    if (M.strConduce == QLatin1String("Si")) {
        if (M.bytConcorrente == 1)
            R.imgPPrenota.setPicture(R.caricaImmagine(QStringLiteral("presenta3.gif")));
        else if (M.bytConcorrente == 2)
            R.imgPPrenota.setPicture(R.caricaImmagine(QStringLiteral("presenta4.gif")));
    }
    R.Image1.setPicture(R.caricaImmagine(M.intNatale ? QStringLiteral("Nschermata2.bmp") : QStringLiteral("schermata2.bmp")));
    R.pccPosizioni.setPicture(R.caricaImmagine(QStringLiteral("posizioni2.bmp")));
    R.imgRuota2.setPicture(R.pccPosizioni.graphicCell(qBound(0, M.varPosRuota, 47)));
    for (int w = 1; w <= 2; ++w) {
        const auto righe = R.righePortate(w);
        for (int cella = 0; cella < 5; ++cella)
            for (int k = 0; k <= 4; ++k)
                (*righe[std::size_t(cella)])[k].setPicture(R.pccPortate.graphicCell(cella));
    }

    R.Frame4.setVisible(true);
    R.Tobrano.setVisible(false);
    R.imgPPrenota.setVisible(false);
    for (int k = 0; k <= 11; ++k) {
        PictureBox& box = R.argomento[k];
        R.pccCarrello.setStretch(QSize(qint16(box.width() / kTwipsPerPixel), qint16(box.height() / kTwipsPerPixel)));
        box.setPicture(R.pccCarrello.graphicCell(k));
    }

    // The jingle follows whatever was playing: no "Close" first.
    R.mmcMelodia.setFileName(R.suono(QStringLiteral("domandefinali1.wav")));
    R.mmcMelodia.command(QStringLiteral("Open"));
    R.mmcMelodia.command(M.strParlato);

    if (M.bytConcorrente == 1 || M.bytConcorrente == 2)
        R.lblMostraRisposte.setCaption(QString::number(M.bytGiri[M.bytConcorrente]));
    R.txtRisposta.setText(QString());

    estraiArgomenti();
}

void SecondaFase::sceltaContestante()
{
    Modulo1& M = R.M;
    switch (M.bytMenuCompleto) {
    case 1:
        M.bytConcorrente = 2;
        R.imgPostaz2.setVisible(true);
        return;
    case 2:
        M.bytConcorrente = 1;
        R.imgPostaz1.setVisible(true);
        return;
    case 0: break;
    default:
        // Both menus complete ends a match before its second phase; should a
        // match still get here, the turn needs a contestant.
        if (M.bytConcorrente != 1 && M.bytConcorrente != 2)
            M.bytConcorrente = 1;
        return;
    }
    const int c1 = R.esito.varPortateVinte[1], c2 = R.esito.varPortateVinte[2];
    const int p1 = R.esito.intPesoPortate[1], p2 = R.esito.intPesoPortate[2];
    if (c1 > c2 || (c1 == c2 && p1 < p2)) {
        M.bytConcorrente = 1;
        R.imgPostaz1.setVisible(true);
    }
    if (c2 > c1 || (c1 == c2 && p2 < p1)) {
        M.bytConcorrente = 2;
        R.imgPostaz2.setVisible(true);
    }
    if (c1 == c2 && p1 == p2)
        lancioMoneta();
}

void SecondaFase::lancioMoneta()
{
    Modulo1& M = R.M;
    const int si = R.ctx.sys.messages.msgBox(M.strNomeConcorrente[1].str() + QStringLiteral(", accetti il simbolo 'TESTA'?"),
                                             mb::YesNo | mb::Question, QStringLiteral("PARITA': SORTEGGIO (TESTA O CROCE?)"));
    const QString simbolo1 = si == mb::Yes ? QStringLiteral("TESTA") : QStringLiteral("CROCE");
    const QString simbolo2 = si == mb::Yes ? QStringLiteral("CROCE") : QStringLiteral("TESTA");
    R.ctx.sys.random.randomize();
    M.bytConcorrente = quint8(R.ctx.sys.random.draw(2));
    const QString uscito = M.bytConcorrente == 1 ? simbolo1 : simbolo2;
    R.ctx.sys.messages.msgBox(QStringLiteral("E' uscito ") + uscito + QStringLiteral(": incomincia la seconda fase ")
                                  + M.strNomeConcorrente[M.bytConcorrente].str(),
                              mb::OKOnly | mb::Information, QStringLiteral("RISULTATO SORTEGGIO"));
    (M.bytConcorrente == 1 ? R.imgPostaz1 : R.imgPostaz2).setVisible(true);
}

void SecondaFase::estraiArgomenti()
{
    const ArchiviDomande archivi(R.ctx.programDir());
    const QStringList letti = archivi.LeggiArgomenti();
    // A topic without questions could only be answered by the clock: it is
    // left out, and the draw below needs twelve different names to end.
    QStringList usabili;
    const QList<RecDomandaArchivio> domande = archivi.domande();
    for (const QString& nome : letti) {
        const qint16 codice = archivi.CodiceArgomento(nome);
        const bool haDomande = std::any_of(domande.cbegin(), domande.cend(),
                                           [&](const RecDomandaArchivio& d) { return d.Codice == codice; });
        if (codice != 0 && haDomande)
            usabili << nome;
    }
    varNumArgomenti = int(usabili.size());
    for (int i = 0; i <= 29; ++i)
        strArgomenti[i] = i < usabili.size() ? usabili[i] : QString();
    argomentiPronti = QSet<QString>(usabili.cbegin(), usabili.cend()).size() >= 12;
    if (!argomentiPronti) {
        for (int k = 0; k <= 11; ++k) {
            strArgomentiEstratti[k].clear();
            R.argomento[k].setVisible(false);
        }
        return;
    }
    Random& rnd = R.ctx.sys.random;
    for (int k = 0; k <= 11; ++k) {
        bool doppio = true;
        while (doppio) {
            strArgomentiEstratti[k] = strArgomenti[rnd.draw(varNumArgomenti) - 1];
            doppio = false;
            for (int j = 0; j < k; ++j)
                doppio = doppio || strArgomentiEstratti[j] == strArgomentiEstratti[k];
        }
    }
}

void SecondaFase::ScelteAperte()
{
    if (argomentiPronti)
        return;
    R.ctx.sys.messages.msgBox(
        QStringLiteral("L'archivio degli argomenti %1 non ha dodici argomenti diversi con le loro domande: "
                       "la seconda fase non si può giocare.")
            .arg(ArchiviDomande(R.ctx.programDir()).percorsoArgomenti()),
        mb::OKOnly | mb::Exclamation, QStringLiteral("ATTENZIONE!"));
    ScegliCosaFare();
}

void SecondaFase::argomento_Click(int index)
{
    if (!R.Frame4.visible() || !R.argomento[index].visible() || varSceltaArgomento < 1 || varSceltaArgomento > 3)
        return;
    Modulo1& M = R.M;
    strArgomentiScelti[varSceltaArgomento] = strArgomentiEstratti[index];
    R.argomento[index].setVisible(false);
    ++varSceltaArgomento;
    if (varSceltaArgomento != intDomandeDaScegliere + 1)
        return;
    R.Frame4.setVisible(false);
    R.Frame2.setVisible(true);
    R.Frame2.setCaption(M.strNomeConcorrente[M.bytConcorrente].str() + QStringLiteral(" rispondi alle seguenti domande:"));
    R.lblOrologio.setCaption(QStringLiteral("00"));
    R.Tobrano.setVisible(false);
    R.imgPPrenota.setVisible(true);
    R.prenotazione.domanda = TipoDomanda::SecondaFase;
    varSceltaArgomento = 1;
    for (TextBox* t : {&R.txtDomanda, &R.txtOpzione[0], &R.txtOpzione[1], &R.txtOpzione[2], &R.txtRisposta})
        t->setText(QString());
    R.lblArgomento.setCaption(QString());
    R.tmrPausa.setEnabled(true);
}

void SecondaFase::tmrPausa_Timer()
{
    R.tmrPausa.setEnabled(false);
    const int n = varSceltaArgomento;
    const QString argomento = n >= 1 && n <= 3 ? strArgomentiScelti[n] : QString();
    R.lblArgomento.setCaption(QStringLiteral("Domanda ") + QString::number(n) + QStringLiteral(": ") + argomento);

    // Nothing of the last question may stay behind for this one: an answer
    // left over would judge a question that found nothing.
    strRispostaArgomento.clear();
    for (TextBox* t : {&R.txtDomanda, &R.txtOpzione[0], &R.txtOpzione[1], &R.txtOpzione[2]})
        t->setText(QString());
    const ArchiviDomande archivi(R.ctx.programDir());
    const qint16 codice = archivi.CodiceArgomento(argomento);
    // Drawn among the numbers the topic has, so a gap never shows nothing.
    const QList<int> numeri = archivi.numeriDomande(codice);
    Random& rnd = R.ctx.sys.random;
    rnd.randomize();
    if (!numeri.isEmpty()) {
        const int q = numeri[rnd.draw(int(numeri.size())) - 1];
        if (const auto d = archivi.LeggiDomanda(codice, q))
            R.txtDomanda.setText(*d);
        if (const auto r = archivi.LeggiRisposte(codice, q)) {
            R.txtOpzione[0].setText(r->Opzione1);
            R.txtOpzione[1].setText(r->Opzione2);
            R.txtOpzione[2].setText(r->Opzione3);
            strRispostaArgomento = r->Risposta;
        }
    }
    R.txtRisposta.setFocus();
    domandaAperta_ = true;
    R.prenotazione.ContoAllaRovescia(kSecondiDomanda, R.tmrDomanda);
}

void SecondaFase::cmdConferma_Click()
{
    if (R.txtDomanda.text().isEmpty() || !domandaAperta_)
        return;
    domandaAperta_ = false;
    R.prenotazione.varRispostaConfermata = true;
    R.tmrDomanda.setEnabled(false);
    R.prenotazione.varRisposta = vbTrim(vbUCase(R.txtRisposta.text()));
    Modulo1& M = R.M;
    const int w = M.bytConcorrente;
    // A question whose answer was not found can never be answered right.
    if (!strRispostaArgomento.isEmpty() && R.prenotazione.varRisposta == strRispostaArgomento) {
        suona(R.nomeVariante(QStringLiteral("esatto"), 6));
        giusta();
        if (M.bytGiri[w] == 2 && intCambioDomande && varUltimaOpzione == 0) {
            // A one-question change won: nothing more to stake.
            R.Frame4.setVisible(false);
            R.Frame2.setVisible(false);
            R.Frame3.setVisible(true);
            R.Tobrano.setVisible(true);
            R.imgPPrenota.setVisible(false);
            R.cmdOpzione[0].setEnabled(false);
            M.bytGiri[w] = 2;
            ScegliCosaFare();
            return;
        }
    } else {
        suona(R.nomeVariante(QStringLiteral("errato"), 6));
        if (intCambioDomande) {
            cambioPerso();
            return;
        }
    }
    prossimaDomanda();
}

void SecondaFase::tmrDomanda_Timer()
{
    R.tmrDomanda.setEnabled(false);
    if (!domandaAperta_)
        return;
    domandaAperta_ = false;
    // Judged as it stands: upper case, blanks and all.
    R.prenotazione.varRisposta = vbUCase(R.txtRisposta.text());
    Random& rnd = R.ctx.sys.random;
    if (!strRispostaArgomento.isEmpty() && R.prenotazione.varRisposta == strRispostaArgomento) {
        suona(QStringLiteral("esatto%1.wav").arg(rnd.draw(6)));
        giusta();
        prossimaDomanda();
        return;
    }
    suona(R.nomeVariante(QStringLiteral("scaduto"), 3));
    if (intCambioDomande)
        cambioPerso();
    else
        prossimaDomanda();
}

void SecondaFase::giusta()
{
    Modulo1& M = R.M;
    const int w = M.bytConcorrente;
    if (w != 1 && w != 2)
        return;
    M.bytGiri[w] = quint8(M.bytGiri[w] + 1);
    R.lblMostraRisposte.setCaption(QString::number(M.bytGiri[w]));
}

void SecondaFase::prossimaDomanda()
{
    R.txtRisposta.setText(QString());
    if (varSceltaArgomento < intDomandeDaScegliere) {
        ++varSceltaArgomento;
        R.lblArgomento.setCaption(QString());
        for (TextBox* t : {&R.txtDomanda, &R.txtOpzione[0], &R.txtOpzione[1], &R.txtOpzione[2], &R.txtRisposta})
            t->setText(QString());
        R.tmrPausa.setEnabled(true);
    } else {
        ScegliCosaFare();
    }
}

void SecondaFase::cambioPerso()
{
    R.Frame4.setVisible(false);
    R.Frame2.setVisible(false);
    R.Frame3.setVisible(true);
    R.Tobrano.setVisible(true);
    R.imgPPrenota.setVisible(false);
    const int w = R.M.bytConcorrente;
    if (w == 1 || w == 2)
        R.M.bytGiri[w] = 0;
    ScegliCosaFare();
}

void SecondaFase::ScegliCosaFare()
{
    Modulo1& M = R.M;
    const int w = M.bytConcorrente;
    const int g = w == 1 || w == 2 ? M.bytGiri[w] : 0;
    intCambioDomande = true;
    domandaAperta_ = false;
    R.prenotazione.domanda = TipoDomanda::Nessuna;
    R.Frame4.setVisible(false);
    R.Frame2.setVisible(false);
    R.Frame3.setVisible(true);
    R.Tobrano.setVisible(true);
    R.imgPPrenota.setVisible(false);
    if (g != 0 && g != 3 && R.cmdOpzione[0].enabled())
        suona(R.nomeVariante(QStringLiteral("cosadecide"), 3));
    R.Frame3.setCaption(QStringLiteral("Hai ") + QString::number(g) + QStringLiteral(" risposte esatte"));
    switch (g) {
    case 0:
        R.cmdOpzione[0].setEnabled(false);
        R.cmdOpzione[1].setEnabled(false);
        R.cmdOpzione[2].setCaption(QStringLiteral("Nessun giro di ruota"));
        break;
    case 1: R.cmdOpzione[2].setCaption(QStringLiteral("Gira la ruota 1 volta")); break;
    case 2:
        R.cmdOpzione[1].setEnabled(false);
        R.cmdOpzione[2].setCaption(QStringLiteral("Gira la ruota 2 volte"));
        break;
    case 3:
        R.cmdOpzione[0].setEnabled(false);
        R.cmdOpzione[1].setEnabled(false);
        R.cmdOpzione[2].setCaption(QStringLiteral("Gira la ruota 3 volte"));
        break;
    default: return;
    }
    R.cmdOpzione[2].setFocus();
}

void SecondaFase::cmdOpzione_Click(int index)
{
    if (!R.Frame3.visible())
        return;
    Modulo1& M = R.M;
    const int w = M.bytConcorrente;
    varUltimaOpzione = index;
    R.mmcMelodia.command(QStringLiteral("close"));
    if (index != 2)
        R.Frame4.setVisible(true);
    R.Frame2.setVisible(false);
    R.Frame3.setVisible(false);
    R.Tobrano.setVisible(false);
    R.imgPPrenota.setVisible(false);
    if (index == 2) {
        const int g = w == 1 || w == 2 ? M.bytGiri[w] : 0;
        R.mmcMelodia.command(QStringLiteral("Close"));
        switch (g) {
        case 0: suona(QStringLiteral("nullo1.wav")); break;
        case 1: suona(R.nomeVariante(QStringLiteral("ungiro"), 3)); break;
        case 2: suona(R.nomeVariante(QStringLiteral("duegiri"), 3)); break;
        default: suona(R.nomeVariante(QStringLiteral("tregiri"), 3)); break;
        }
        if (g > 0) {
            CommandButton& gira = w == 1 ? R.cmdGira1 : R.cmdGira2;
            gira.setEnabled(true);
            gira.setBackColor(frmRuota::kGiallo);
        }
        if ((w == 1 && M.bytMenuCompleto == 2) || (w == 2 && M.bytMenuCompleto == 1) || M.bytMenuCompleto == 3)
            R.cmdFine.setCaption(QStringLiteral("Salva risultati"));
        if (g > 0)
            return;
        R.cmdFine.setVisible(true);
        R.cmdFine.setEnabled(true);
        if (R.cmdFine.caption() == QLatin1String("Salva risultati"))
            R.Salva.setEnabled(true);
        R.Tobrano.setVisible(true);
        return;
    }

    R.mmcMelodia.command(QStringLiteral("Close"));
    intDomandeDaScegliere = index == 0 ? 1 : 2;
    suona(index == 0 ? R.nomeVariante(QStringLiteral("cambiauna"), 3) : R.nomeVariante(QStringLiteral("cambiadue"), 3));
    R.Frame4.setVisible(true);
    R.Frame4.setCaption(M.strNomeConcorrente[w].str() + QStringLiteral(" scegli ") + QString::number(intDomandeDaScegliere)
                        + QStringLiteral(" domande fra le seguenti:"));
    R.Tobrano.setVisible(false);
    R.imgPPrenota.setVisible(false);
    varSceltaArgomento = 1;
}

}  // namespace zolmera

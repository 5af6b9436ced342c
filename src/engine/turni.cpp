#include "engine/turni.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "platform/format.h"

namespace zolmera {

void SequenzaTurni::cmdFine_Click()
{
    // The button is never shown while something of the match is under way;
    // should a press still come, it must not start a step under it.
    if (R.attivita().inCorso())
        return;
    // Whatever the step, the speech stops for good: the queue is emptied and
    // its position moved past the lunch-menu screen's steps.
    R.discorso.varPosCoda = 6;
    R.discorso.svuotaCoda();
    R.mmcMelodia.command(QStringLiteral("Close"));
    R.mmcMusica.command(QStringLiteral("Close"));
    R.prenotazione.varErrori = 0;

    const QString caption = R.cmdFine.caption();
    if (caption == QLatin1String("Fine partita")) {
        R.unload();
        return;
    }
    if (caption == QLatin1String("Salva risultati")) {
        R.finePartita.PassoFinale();
        return;
    }
    passoTurno();
}

void SequenzaTurni::passoTurno()
{
    AvanzaTurno();
    R.cmdFine.setEnabled(false);
    R.cmdFine.setVisible(false);
    R.Tobrano.setVisible(false);

    const int n = intTurno + 1;
    if (n < 7) {
        // Str() puts a blank before a positive number: two blanks in all,
        // where the board's first caption has one.
        R.cmdFine.setCaption(QStringLiteral("Inizia prova ") + vbStr(qint64(n)));
    } else if (n == 7) {
        R.cmdFine.setCaption(QStringLiteral("Inizia seconda fase"));
        intArgomentoGuida = kGuidaSecondaFase;
    } else if (n == 8) {
        R.cmdFine.setCaption(QStringLiteral("Continua seconda fase"));
        intArgomentoGuida = kGuidaSecondaFase;
    } else {
        if (n == 9) {
            R.mmcMelodia.play(R.suono(QStringLiteral("domandefinali2.wav")), R.M.strParlato);
            if (R.M.strConduce == QLatin1String("Si")) {
                if (R.M.bytConcorrente == 1)
                    R.imgPPrenota.setPicture(R.caricaImmagine(QStringLiteral("presenta3.gif")));
                else if (R.M.bytConcorrente == 2)
                    R.imgPPrenota.setPicture(R.caricaImmagine(QStringLiteral("presenta4.gif")));
            }
        }
        R.cmdFine.setCaption(QStringLiteral("Salva risultati"));
        intArgomentoGuida = kGuidaTabellone;
    }
}

void SequenzaTurni::AvanzaTurno()
{
    const int t = ++intTurno;
    if (t == 1 || t == 3 || t == 4) {
        R.lancio.LanciaProva();
    } else if (t == 2 || t == 5) {
        R.lancio.LanciaProvina();
    } else if (t == 6) {
        // Exactly one contestant has the whole menu: the other plays the bonus.
        if (R.M.bytMenuCompleto == 1 || R.M.bytMenuCompleto == 2)
            R.lancio.MostraProvaExtra();
        else
            R.lancio.LanciaProva();
    } else if (t == 7) {
        R.secondaFase.IniziaSecondaFase();
        preparaScelta();
        preparaDomande();
        R.secondaFase.ScelteAperte();
    } else {
        if (R.M.bytConcorrente == 1) {
            R.M.bytConcorrente = 2;
            R.imgPostaz1.setVisible(false);
            R.imgPostaz2.setVisible(true);
        } else {
            R.M.bytConcorrente = 1;
            R.imgPostaz1.setVisible(true);
            R.imgPostaz2.setVisible(false);
        }
        preparaScelta();
        R.Frame4.setVisible(true);
        preparaDomande();
        R.secondaFase.ScelteAperte();
    }
}

void SequenzaTurni::preparaScelta()
{
    R.secondaFase.intDomandeDaScegliere = 3;
    R.cmdOpzione[0].setEnabled(true);
    R.cmdOpzione[1].setEnabled(true);
    const int w = R.M.bytConcorrente;
    R.Frame4.setCaption(R.M.strNomeConcorrente[w].str() + QStringLiteral(" scegli ")
                        + QString::number(R.secondaFase.intDomandeDaScegliere)
                        + QStringLiteral(" domande fra le seguenti:"));
}

void SequenzaTurni::preparaDomande()
{
    R.secondaFase.intCambioDomande = false;
    R.secondaFase.varSceltaArgomento = 1;
    R.lblMostraRisposte.setCaption(QString::number(R.M.bytGiri[R.M.bytConcorrente]));
}

}  // namespace zolmera

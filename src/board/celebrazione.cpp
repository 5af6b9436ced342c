#include "board/celebrazione.h"

#include "board/frmRuota.h"
#include "platform/format.h"
#include "state/edizione.h"

namespace zolmera {

void Celebrazione::avvia(int w)
{
    festeggiato_ = w;
    varPassoAnimazione = 0;
    // Hidden at once, not at the first tick: a press in between would start
    // the next step of the match under the celebration.
    R.cmdFine.setVisible(false);
    R.Tobrano.setVisible(false);
    R.tmrAnimazione.setEnabled(true);
}

void Celebrazione::tmrAnimazione_Timer()
{
    Modulo1& M = R.M;
    R.cmdFine.setVisible(false);
    R.Tobrano.setVisible(false);
    R.Frame5.setVisible(true);

    Label& importo = R.lblMontepremi;
    switch (gruppoEdizione(M.strModGioco)) {
    case GruppoEdizione::Primo:
        importo.setFontName(QStringLiteral("DomCasual BT"));
        importo.setForeColor(0xFF8080);
        importo.setFontSize(20);
        importo.setFontBold(false);
        break;
    case GruppoEdizione::Secondo:
        importo.setFontName(QStringLiteral("Cheers ttnorm"));
        importo.setForeColor(0xFF);
        importo.setFontSize(20);
        importo.setFontBold(true);
        break;
    case GruppoEdizione::Nessuno:
        break;
    }
    importo.setCaption(formatImporto(M.lngMontepremi));

    const int k = ++varPassoAnimazione;
    const bool acceso = k % 2 != 0;
    QString platea;
    if (M.intNatale)
        platea = acceso ? QStringLiteral("Nplatea2.jpg") : QStringLiteral("Nplatea1.jpg");
    else
        platea = acceso ? QStringLiteral("platea2.jpg") : QStringLiteral("platea1.jpg");
    R.Image3.setPicture(R.caricaImmagine(platea));

    if (festeggiato_ == 1 || festeggiato_ == 2) {
        for (ControlArray<Image>* riga : R.righePortate(festeggiato_))
            (*riga)[0].setVisible(acceso);
        (festeggiato_ == 1 ? R.imgPostaz1 : R.imgPostaz2).setVisible(acceso);
    }

    if (k > 50)
        termina();
}

void Celebrazione::termina()
{
    Modulo1& M = R.M;
    const int w = festeggiato_;
    if ((w == 1 || w == 2) && M.bytGiri[w] == 0 && R.turni.intTurno == 8)
        R.cmdFine.setCaption(QStringLiteral("Salva risultati"));
    R.imgPostaz1.setVisible(false);
    R.imgPostaz2.setVisible(false);
    R.Frame5.setVisible(false);
    R.tmrAnimazione.setEnabled(false);
    R.imgPPrenota.setVisible(false);

    // The match goes on where the celebration found it: a spin still charging,
    // turning or rocking, a jolly choice, a challenge or a question still open
    // will bring the step button back themselves when they end.
    if (R.attivita().inCorso())
        return;
    // The step button, hidden all through the celebration, is back only when
    // nobody holds a spin.
    R.esito.ProssimoGiro();
    if (R.cmdFine.visible() && R.cmdFine.caption() == QLatin1String("Salva risultati"))
        R.Salva.setEnabled(true);
}

}  // namespace zolmera

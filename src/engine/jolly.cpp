#include "engine/jolly.h"

#include "board/frmRuota.h"

namespace zolmera {

namespace {
QString suonoJolly(Portata c)
{
    switch (c) {
    case Portata::Primo: return QStringLiteral("jollyprimo.wav");
    case Portata::Secondo: return QStringLiteral("jollysecondo.wav");
    case Portata::Formaggio: return QStringLiteral("jollyformaggio.wav");
    case Portata::Dolce: return QStringLiteral("jollydolce.wav");
    case Portata::Frutta: break;
    }
    return QStringLiteral("jollyfrutta.wav");
}

// Up to this many courses already won, the jolly's own line names the choice;
// beyond it the ordinary comment of the course is heard.
int limiteSuonoJolly(Portata c) { return c == Portata::Primo ? 2 : 3; }
}  // namespace

void Jolly::scegli(Portata c)
{
    Modulo1& M = R.M;
    Esito& E = R.esito;
    const int w = M.bytConcorrente;
    if (w != 1 && w != 2)
        return;
    int& quante = E.conteggio(c, w);
    ++quante;
    if (quante >= 2) {
        M.lngVincita[w] += kPremioDoppione;
        SuonaJollyErrore();
    } else {
        E.accredita(c, w);
        R.mmcMelodia.command(QStringLiteral("Close"));
        if (E.varPortateVinte[w] <= limiteSuonoJolly(c))
            R.mmcMelodia.setFileName(R.suono(suonoJolly(c)));
        else
            R.mmcMelodia.setFileName(R.suono(E.commento(c)));
        R.mmcMelodia.command(QStringLiteral("Open"));
        R.mmcMelodia.command(M.strParlato);
        ++E.varPortateVinte[w];
    }
    E.mostraPortate(w);
    R.Tobrano.setVisible(false);
    R.imgPPrenota.setVisible(false);
    R.Frame1.setVisible(false);
    E.ProssimoGiro();
}

void Jolly::SuonaJollyErrore()
{
    R.mmcMelodia.play(R.suono(QStringLiteral("jollyerrore.wav")), R.M.strParlato);
}

void Jolly::CompletaMenuJolly()
{
    Esito& E = R.esito;
    const int w = R.M.bytConcorrente;
    for (Portata c : kPortate) {
        if (E.conteggio(c, w) != 0)
            continue;
        E.conteggio(c, w) = 1;
        E.accredita(c, w);
    }
}

}  // namespace zolmera

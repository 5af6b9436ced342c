#include "engine/ruota.h"

#include "board/frmRuota.h"

namespace zolmera {

void Ruota::riempiDondolio()
{
    static constexpr RecDondolio kPassi[10] = {{47, +1}, {0, +1}, {1, +1}, {2, +1}, {1, -1},
                                               {0, -1},  {47, -1}, {0, +1}, {1, +1}, {0, -1}};
    for (int k = 1; k <= 10; ++k)
        Dondolio[k] = kPassi[k - 1];
}

int Ruota::intervallo(int forza)
{
    if (forza >= 3)
        return 25;
    if (forza == 2)
        return 50;
    if (forza == 1)
        return 100;
    return 200;
}

void Ruota::mostraCella() { R.imgRuota2.setPicture(R.pccPosizioni.graphicCell(R.M.varPosRuota)); }

bool Ruota::inMoto() const { return R.tmrTempo.enabled() || R.tmrDondolio.enabled(); }

bool Ruota::puoCaricare(int w) const { return !inMoto() && !(R.tmrPressione.enabled() && caricatore_ != w); }

bool Ruota::staCaricando(int w) const { return R.tmrPressione.enabled() && caricatore_ == w; }

void Ruota::iniziaCarica(int w)
{
    caricatore_ = w;
    R.tmrPressione.setEnabled(true);
}

void Ruota::tmrPressione_Timer()
{
    R.Frame6.setVisible(true);
    if (intForza < 0)
        intForza = 0;
    if (intForza < 5)
        ++intForza;
    R.pgbForza.setValue(intForza);
    R.tmrTempo.setInterval(intervallo(intForza));
}

void Ruota::RilasciaRotazione()
{
    R.Frame6.setVisible(false);
    R.mmcMusica.command(QStringLiteral("Close"));
    const int w = R.M.strGira1 == QLatin1String("Mouse") ? 1 : 2;
    R.tmrSecondi.setEnabled(false);
    R.tmrTempo.setEnabled(false);
    CommandButton& gira = w == 1 ? R.cmdGira1 : R.cmdGira2;
    gira.setEnabled(false);
    gira.setBackColor(frmRuota::kBlu);
    R.M.bytConcorrente = quint8(w);
    R.M.bytGiri[w] = quint8(R.M.bytGiri[w] - 1);
    rilascioComune();
}

void Ruota::RilasciaRotazioneTastiera()
{
    R.Frame6.setVisible(false);
    const int w = R.M.bytConcorrente;
    if (w == 1 || w == 2)
        R.M.bytGiri[w] = quint8(R.M.bytGiri[w] - 1);
    rilascioComune();
}

void Ruota::rilascioComune()
{
    caricatore_ = 0;
    Random& rnd = R.ctx.sys.random;
    rnd.randomize();
    varTraguardo = int(rnd.rnd() * 12) * 4;
    intGiroCorto = false;
    R.M.intPassiRuota = 0;
    if (intForza <= 0)
        intGiroCorto = true;
    rnd.randomize();
    intRallenta = qint16(int(rnd.rnd() * 12) * 4);
    R.mmcMelodia.command(QStringLiteral("Close"));
    R.mmcMusica.play(R.suono(QStringLiteral("ruota.wav")), R.M.strMusica);
    // The wheel starts at the interval the last force tick set.
    R.tmrTempo.setEnabled(true);
}

void Ruota::tmrTempo_Timer()
{
    Modulo1& M = R.M;
    M.varPosRuota = qint16(M.varPosRuota + 1);
    M.intPassiRuota = qint16(M.intPassiRuota + 1);
    mostraCella();
    if (M.varPosRuota == intRallenta) {
        R.ctx.sys.random.randomize();
        intRallenta = qint16(intRallenta - int(R.ctx.sys.random.rnd() * intRallenta));
        --intForza;
        R.tmrTempo.setInterval(intervallo(intForza));
    }
    if (intForza <= 0 && (M.varPosRuota == varTraguardo - 2 || (varTraguardo == 0 && M.varPosRuota == 46))) {
        R.tmrTempo.setEnabled(false);
        R.tmrDondolio.setEnabled(true);
        return;
    }
    if (M.varPosRuota == 47)
        M.varPosRuota = -1;
}

void Ruota::tmrDondolio_Timer()
{
    Modulo1& M = R.M;
    if (varPassoDondolio == 0) {
        R.ctx.sys.random.randomize();
        varFineDondolio = int(R.ctx.sys.random.rnd() * 100) == 50 ? 4 : 10;
    }
    const int k = ++varPassoDondolio;
    if (varTraguardo == 0)
        M.varPosRuota = Dondolio[k].Cella;
    else
        M.varPosRuota = qint16(M.varPosRuota + Dondolio[k].Scarto);
    mostraCella();
    if (k != varFineDondolio)
        return;
    R.tmrDondolio.setEnabled(false);
    varPassoDondolio = 0;
    const int w = M.bytConcorrente;
    if (varFineDondolio == 4) {
        R.mmcMusica.command(QStringLiteral("Close"));
        R.mmcMelodia.play(R.suono(QStringLiteral("bloccoportata.wav")), M.strParlato);
        if (w == 1 || w == 2)
            M.bytGiri[w] = quint8(M.bytGiri[w] + 1);
        RestituisciGiro();
    } else if (M.intPassiRuota + 2 <= 12 && intGiroCorto) {
        intGiroCorto = false;
        R.mmcMusica.command(QStringLiteral("Close"));
        R.mmcMelodia.play(R.suono(QStringLiteral("girocorto.wav")), M.strParlato);
        if (w == 1 || w == 2)
            M.bytGiri[w] = quint8(M.bytGiri[w] + 1);
        RestituisciGiro();
    } else {
        R.esito.EsitoRuota();
    }
}

void Ruota::RestituisciGiro()
{
    const int w = R.M.bytConcorrente;
    if (w != 1 && w != 2)
        return;
    CommandButton& gira = w == 1 ? R.cmdGira1 : R.cmdGira2;
    gira.setEnabled(true);
    gira.setBackColor(frmRuota::kGiallo);
}

}  // namespace zolmera

#include "engine/esito.h"

#include "board/frmRuota.h"
#include "platform/format.h"
#include "state/edizione.h"

namespace zolmera {

const DatiPortata& datiPortata(Portata c)
{
    static constexpr DatiPortata kDati[] = {
        {200, 500},   // primo
        {300, 400},   // secondo
        {150, 200},   // formaggio
        {250, 600},   // dolce
        {100, 100},   // frutta
    };
    return kDati[int(c)];
}

void Esito::azzera()
{
    for (int w = 1; w <= 2; ++w) {
        for (Portata c : kPortate)
            conteggio(c, w) = 0;
        intPesoPortate[w] = 0;
        varPortateVinte[w] = 0;
    }
}

int& Esito::conteggio(Portata c, int w)
{
    switch (c) {
    case Portata::Primo: return varPrimo[w];
    case Portata::Secondo: return varSecondo[w];
    case Portata::Formaggio: return bytFormaggio[w];
    case Portata::Dolce: return varDolce[w];
    case Portata::Frutta: break;
    }
    return bytFrutta[w];
}

QString Esito::commento(Portata c)
{
    switch (c) {
    case Portata::Primo: return R.nomeVariante("primo", 3);
    case Portata::Secondo: return R.nomeVariante("secondo", 3);
    case Portata::Formaggio: return R.nomeVariante("formaggio", 3);
    case Portata::Dolce: return R.nomeVariante("dolce", 3);
    case Portata::Frutta: break;
    }
    return R.nomeVariante("frutta", 3);
}

ControlArray<Image>* Esito::riga(Portata c, int w)
{
    // The rows follow the cells of the board's strip, whose order of courses
    // differs between the two looks.
    static constexpr int kRigaPrimoGruppo[] = {0, 1, 2, 3, 4};
    static constexpr int kRigaSecondoGruppo[] = {4, 2, 3, 1, 0};
    const GruppoEdizione g = gruppoEdizione(R.M.strModGioco);
    if (g == GruppoEdizione::Nessuno)
        return nullptr;
    const int r = (g == GruppoEdizione::Primo ? kRigaPrimoGruppo : kRigaSecondoGruppo)[int(c)];
    return R.righePortate(w)[std::size_t(r)];
}

bool Esito::portataDellaCella(int cella, Portata& c)
{
    switch (cella) {
    case 4: case 24: c = Portata::Primo; return true;
    case 8: case 28: c = Portata::Formaggio; return true;
    case 12: case 44: c = Portata::Secondo; return true;
    case 16: case 36: c = Portata::Dolce; return true;
    case 20: case 32: c = Portata::Frutta; return true;
    default: return false;
    }
}

void Esito::SuonaDoppione() { R.mmcMelodia.setFileName(R.suono(R.nomeVariante("doppione", 6))); }

void Esito::EsitoRuota()
{
    Modulo1& M = R.M;
    const int w = M.bytConcorrente;
    if (w != 1 && w != 2)
        return;
    const int traguardo = R.ruota.varTraguardo;
    const bool jolly = traguardo == 0;
    R.mmcMusica.command(QStringLiteral("Close"));
    R.mmcMelodia.command(QStringLiteral("Close"));

    Portata c{};
    if (jolly) {
        R.mmcMelodia.setFileName(R.suono(R.nomeVariante("jolly", 3)));
        if (varPortateVinte[w] == 4) {
            varPortateVinte[w] = 5;
            R.jolly.CompletaMenuJolly();
            MostraPortate1();
            MostraPortate2();
        } else {
            R.Frame1.setVisible(true);
            R.Tobrano.setVisible(true);
        }
    } else if (portataDellaCella(traguardo, c)) {
        int& quante = conteggio(c, w);
        ++quante;
        if (quante == 1) {
            accredita(c, w);
            ++varPortateVinte[w];
            R.mmcMelodia.setFileName(R.suono(commento(c)));
        } else {
            M.lngVincita[w] += kPremioDoppione;
            SuonaDoppione();
        }
    } else {
        R.mmcMelodia.setFileName(R.suono(R.nomeVariante("dieta", 3)));
    }

    controllaMenuCompleto();
    R.mmcMelodia.command(QStringLiteral("Open"));
    R.mmcMelodia.command(M.strParlato);

    if (!jolly) {
        mostraPortate(w);
        ProssimoGiro();
    }
    if (((M.bytMenuCompleto == 1 || M.bytMenuCompleto == 3) && w == 1)
        || ((M.bytMenuCompleto == 2 || M.bytMenuCompleto == 3) && w == 2))
        R.celebrazione.avvia(w);

    if (M.bytGiri[w] == 0 && !R.tmrAnimazione.enabled() && R.turni.intTurno == 8) {
        R.cmdFine.setCaption(QStringLiteral("Salva risultati"));
        if (!jolly) {
            riportaPulsanteFine();
            R.Salva.setEnabled(true);
        }
    }
}

void Esito::controllaMenuCompleto()
{
    Modulo1& M = R.M;
    const bool completo1 = varPortateVinte[1] == 5, completo2 = varPortateVinte[2] == 5;
    if (M.bytMenuCompleto == 0 && (completo1 || completo2)) {
        R.mmcMelodia.command(QStringLiteral("Close"));
        R.mmcMelodia.setFileName(R.suono(R.nomeVariante("brellan", 2)));
    }
    if (completo1 && !completo2) {
        M.bytMenuCompleto = 1;
        M.bytGiri[1] = 0;
    }
    if (!completo1 && completo2) {
        M.bytMenuCompleto = 2;
        M.bytGiri[2] = 0;
    }
    if (completo1 && completo2) {
        M.bytMenuCompleto = 3;
        M.bytGiri[1] = 0;
        M.bytGiri[2] = 0;
        R.mmcMelodia.command(QStringLiteral("Close"));
        R.mmcMelodia.setFileName(R.suono(R.nomeVariante("brellani", 2)));
        R.turni.intTurno = 8;
    }
}

void Esito::ProssimoGiro()
{
    Modulo1& M = R.M;
    if (M.bytGiri[1] > 0) {
        R.cmdGira1.setEnabled(true);
        R.cmdGira1.setBackColor(frmRuota::kGiallo);
    }
    if (M.bytGiri[2] > 0) {
        R.cmdGira2.setEnabled(true);
        R.cmdGira2.setBackColor(frmRuota::kGiallo);
    }
    if (M.bytGiri[1] == 0 && M.bytGiri[2] == 0)
        riportaPulsanteFine();
}

void Esito::riportaPulsanteFine()
{
    // Whatever is still under way (the other contestant's celebration above
    // all) brings the button back itself when it ends; shown now, it could be
    // pressed in the gap and start the next step under it.
    if (R.attivita().inCorso())
        return;
    R.imgPPrenota.setVisible(false);
    R.cmdFine.setEnabled(true);
    R.cmdFine.setVisible(true);
    R.Tobrano.setVisible(true);
    R.cmdFine.setFocus();
}

void Esito::accredita(Portata c, int w)
{
    R.M.lngVincita[w] += datiPortata(c).premio;
    intPesoPortate[w] = qint16(intPesoPortate[w] + datiPortata(c).peso);
}

void Esito::mostraPortate(int w)
{
    for (int k = 1; k <= 5; ++k) {
        for (Portata c : kPortate) {
            if (conteggio(c, w) != k)
                continue;
            if (ControlArray<Image>* r = riga(c, w))
                (*r)[k - 1].setVisible(true);
        }
    }
    const qint32 vincita = R.M.lngVincita[w];
    if (vincita != 0)
        (w == 1 ? R.lblScore1 : R.lblScore2).setCaption(formatImporto(vincita));
}

}  // namespace zolmera

#include "engine/finepartita.h"

#include "board/cappelli.h"
#include "board/frmRuota.h"
#include "platform/format.h"
#include "records/bilancio.h"

#include <QDate>

#include <cmath>

namespace zolmera {

namespace {
const QString kParita = QStringLiteral("gara in PARITA'");
}

void FinePartita::PassoFinale()
{
    Modulo1& M = R.M;
    // What the step changes, to put back should the books not close.
    const VbArray<qint32, 1, 2> vincita = M.lngVincita;
    const bool gira1 = R.cmdGira1.enabled(), gira2 = R.cmdGira2.enabled();
    const quint32 colore1 = R.cmdGira1.backColor(), colore2 = R.cmdGira2.backColor();

    R.Salva.setEnabled(false);
    aspettoPrimaFase();
    switch (M.bytMenuCompleto) {
    case 1: M.lngVincita[1] += M.lngMontepremi; break;
    case 2: M.lngVincita[2] += M.lngMontepremi; break;
    case 3:
        // Half each, added in floating point and rounded, an exact half to
        // the even neighbour: with 1001, 0 becomes 500 and 1 becomes 502.
        for (int i = 1; i <= 2; ++i)
            M.lngVincita[i] = qint32(std::nearbyint(double(M.lngVincita[i]) + double(M.lngMontepremi) / 2.0));
        break;
    default: break;
    }
    mostraPunteggi();
    R.cmdGira1.setEnabled(false);
    R.cmdGira2.setEnabled(false);
    R.cmdGira1.setBackColor(frmRuota::kBlu);
    R.cmdGira2.setBackColor(frmRuota::kBlu);
    R.cmdFine.setCaption(QStringLiteral("Fine partita"));

    if (!AggiornaArchivi()) {
        // Nothing was recorded: the jackpot goes back unpaid, and the step
        // can be tried again, so nothing is ever paid twice.
        M.lngVincita = vincita;
        mostraPunteggi();
        R.cmdGira1.setEnabled(gira1);
        R.cmdGira2.setEnabled(gira2);
        R.cmdGira1.setBackColor(colore1);
        R.cmdGira2.setBackColor(colore2);
        R.cmdFine.setCaption(QStringLiteral("Salva risultati"));
        R.Salva.setEnabled(true);
        return;
    }
    if (M.strParlato.isEmpty() && !messaggioCampione_)
        proclama();
}

void FinePartita::aspettoPrimaFase()
{
    Modulo1& M = R.M;
    R.Image1.setPicture(R.caricaImmagine(M.intNatale ? QStringLiteral("Nschermata1.bmp") : QStringLiteral("schermata1.bmp")));
    R.imgPostaz1.setVisible(false);
    R.imgPostaz2.setVisible(false);
    R.pccPosizioni.setPicture(R.caricaImmagine(QStringLiteral("posizioni1.bmp")));
    R.imgRuota2.setPicture(R.pccPosizioni.graphicCell(M.varPosRuota));
    for (int j = 0; j <= 4; ++j)
        for (int w = 1; w <= 2; ++w) {
            const auto righe = R.righePortate(w);
            for (int cella = 0; cella < 5; ++cella)
                (*righe[std::size_t(cella)])[j].setPicture(R.pccPortate.graphicCell(cella));
        }
}

void FinePartita::mostraPunteggi()
{
    const Modulo1& M = R.M;
    R.lblScore1.setCaption(M.lngVincita[1] == 0 ? QStringLiteral("0") : formatImporto(M.lngVincita[1]));
    R.lblScore2.setCaption(M.lngVincita[2] == 0 ? QStringLiteral("0") : formatImporto(M.lngVincita[2]));
}

void FinePartita::decidiEsito()
{
    const Modulo1& M = R.M;
    const auto& C = R.esito.varPortateVinte;
    const auto& T = R.esito.intPesoPortate;
    int vincitore = 0;
    if (C[1] > C[2] || (C[1] == C[2] && T[1] < T[2]))
        vincitore = 1;
    else if (C[2] > C[1] || (C[2] == C[1] && T[2] < T[1]))
        vincitore = 2;
    Discorso& D = R.discorso;
    if (vincitore == 0) {
        const bool entrambi = M.bytMenuCompleto == 3;
        varPuntiGara[1] = varPuntiGara[2] = entrambi ? 2 : 1;
        varEsitoGara = kParita;
        D.strCodaAudio[1] = R.suono(entrambi ? QStringLiteral("duesuper.wav") : QStringLiteral("patta.wav"));
        D.strCodaAudio[2].clear();
        return;
    }
    const int perdente = 3 - vincitore;
    const bool menu = M.bytMenuCompleto == vincitore || M.bytMenuCompleto == 3;
    varPuntiGara[vincitore] = menu ? 2 : 1;
    varPuntiGara[perdente] = 0;
    varEsitoGara = QStringLiteral("vince ") + M.strNomeConcorrente[vincitore].str();
    D.strCodaAudio[1] = R.suono(menu ? QStringLiteral("supercampione.wav") : QStringLiteral("campione.wav"));
    D.strCodaAudio[2] = M.strVoceConcorrente[vincitore];
}

bool FinePartita::AggiornaArchivi()
{
    Modulo1& M = R.M;
    AppContext& ctx = R.ctx;
    messaggioCampione_ = false;
    R.mmcMusica.command(QStringLiteral("Close"));
    decidiEsito();
    Discorso& D = R.discorso;
    D.strCodaAudio[3] = R.suono(QStringLiteral("stacchetto.wav"));
    D.strCodaAudio[4] = R.suono(R.nomeVariante(QStringLiteral("adomani"), 4));
    for (int i = 5; i <= 15; ++i)
        D.strCodaAudio[i].clear();

    PartitaFinita p;
    p.tipoGioco = M.bytTipoGioco;
    for (int k = 1; k <= 2; ++k) {
        p.nomi[k] = M.strNomeConcorrente[k];
        p.vincita[k] = M.lngVincita[k];
        p.punti[k] = varPuntiGara[k];
    }
    p.esitoGara = varEsitoGara;
    p.menuCompleto = M.bytMenuCompleto;
    p.montepremi = M.lngMontepremi;
    p.giornata = M.intGiornata;
    p.fileMontepremi = M.strFileMontepremi;
    p.filePunteggi = M.strFilePunteggi;
    if (M.bytTipoGioco == 2) {
        p.fileCampionato = M.strFileCampionato;
        p.fileGiornate = M.strFileGiornate;
    } else if (M.bytTipoGioco == 3) {
        p.fileStagione = M.strFileStagione;
        p.fileClassifica = M.strFileClassifica;
    }
    p.oggi = ctx.sys.loop.today();
    const Bilancio b = calcolaBilancio(p);

    QString errore;
    if (!b.illeggibili.isEmpty())
        errore = QStringLiteral("il file %1 non si può leggere").arg(b.illeggibili.join(QStringLiteral(", ")));
    if (!errore.isEmpty() || !scriviFileInsieme(b.files, &errore, ctx.sys.fileFaults)) {
        ctx.sys.messages.msgBox(QStringLiteral("Impossibile registrare la partita (%1). Nessun risultato è stato "
                                               "salvato: riprova con \"Salva risultati\".")
                                    .arg(errore),
                                mb::OKOnly | mb::Exclamation, QStringLiteral("ATTENZIONE!"));
        D.svuotaCoda();
        return false;
    }
    M.lngMontepremi = b.montepremi;

    // The hats show what the match gave.
    const auto cappello = [&](int w) -> QString {
        return varPuntiGara[w] == 2 ? QStringLiteral("cappellino2.gif") : QStringLiteral("cappellino1.gif");
    };
    if (M.bytTipoGioco == 1) {
        for (int w = 1; w <= 2; ++w)
            (w == 1 ? R.cappello1 : R.cappello2)[0].setPicture(varPuntiGara[w] > 0 ? R.caricaImmagine(cappello(w))
                                                                                     : QPixmap());
    } else if (M.bytTipoGioco == 2) {
        for (int w = 1; w <= 2; ++w) {
            if (varPuntiGara[w] == 0 || R.bytCappelli[w] > 9)
                continue;
            (w == 1 ? R.cappello1 : R.cappello2)[R.bytCappelli[w]].setPicture(R.caricaImmagine(cappello(w)));
        }
    } else if (M.bytTipoGioco == 3) {
        MostraCappelliStagione(R, b.seggi);
        for (int w = 1; w <= 2; ++w)
            if (varPuntiGara[w] == 0)
                for (int i = 0; i <= 9; ++i)
                    (w == 1 ? R.cappello1 : R.cappello2)[i].setPicture(QPixmap());
        for (int k : b.campioniAlLimite) {
            ctx.sys.messages.msgBox(QStringLiteral("Il campione il carica ") + M.strNomeConcorrente[k].str()
                                        + QStringLiteral(" deve lasciare il titolo per aver raggiunto il limite "
                                                         "delle 30 vittorie consecutive"),
                                    mb::OKOnly | mb::Information, QStringLiteral("MESSAGGIO PER IL CAMPIONE"));
            messaggioCampione_ = true;
        }
    }

    // The closing sounds, once every file is written.
    D.avvia();
    return true;
}

void FinePartita::proclama()
{
    const Modulo1& M = R.M;
    const QString n1 = M.strNomeConcorrente[1].str(), n2 = M.strNomeConcorrente[2].str();
    QString testo;
    if (varEsitoGara == QStringLiteral("vince ") + n1)
        testo = QStringLiteral("Il vincitore è ") + n1;
    else if (varEsitoGara == QStringLiteral("vince ") + n2)
        testo = QStringLiteral("Il vincitore è ") + n2;
    else if (varEsitoGara == kParita)
        testo = n1 + QStringLiteral(" e ") + n2 + QStringLiteral(" sono campioni pari merito");
    if (!testo.isEmpty())
        R.ctx.sys.messages.msgBox(testo, mb::OKOnly | mb::Information, QStringLiteral("PROCLAMAZIONE VINCITORE"));
}

}  // namespace zolmera

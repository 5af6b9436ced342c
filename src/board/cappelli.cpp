#include "board/cappelli.h"

#include "board/frmRuota.h"
#include "records/archivi.h"
#include "platform/recordfile.h"

namespace zolmera {

namespace {
// Draws one contestant's hats from his result codes, from index 0; hats past
// the last one drawn keep what they had.
template <int N>
void disegna(frmRuota& R, int w, const TabellaEsiti<N>& esiti, int da, int a)
{
    ControlArray<Image>& cappelli = w == 1 ? R.cappello1 : R.cappello2;
    quint8& n = R.bytCappelli[w];
    n = 0;
    for (int i = da; i <= a; ++i) {
        const QChar codice = esiti[i];
        if (codice != QLatin1Char('C') && codice != QLatin1Char('S'))
            continue;
        if (n > 9)
            break;   // a damaged record: never more hats than the row holds
        cappelli[n].setPicture(R.caricaImmagine(codice == QLatin1Char('C') ? QStringLiteral("cappellino1.gif")
                                                                              : QStringLiteral("cappellino2.gif")));
        ++n;
    }
}
}  // namespace

void MostraCappelliTorneo(frmRuota& R)
{
    const RecordFile campionato(R.M.strFileCampionato);
    for (int w = 1; w <= 2; ++w) {
        for (int k = 1; k <= 4; ++k) {
            const auto g = RecGiocatoreCampionato::decodifica(campionato.readSlot(k));
            if (g.Nome == R.M.strNomeConcorrente[w].str()) {
                disegna(R, w, g.Esiti, 1, 6);
                break;
            }
        }
        // A contestant whom no record names gets no hats.
    }
}

void MostraCappelliStagione(frmRuota& R)
{
    const RecordFile stagione(R.M.strFileStagione);
    VbArray<RecPostazioneStagione, 1, 2> seggi;
    for (int w = 1; w <= 2; ++w)
        seggi[w] = RecPostazioneStagione::decodifica(stagione.readSlot(w));
    MostraCappelliStagione(R, seggi);
}

void MostraCappelliStagione(frmRuota& R, const VbArray<RecPostazioneStagione, 1, 2>& seggi)
{
    for (int w = 1; w <= 2; ++w) {
        const RecPostazioneStagione& seggio = seggi[w];
        // A damaged count is held to the thirty results a seat has.
        const int partite = qBound(0, int(seggio.Partite), 30);
        const int primo = partite > 10 ? partite - 9 : 1;
        if (partite == 0)
            R.bytCappelli[w] = 0;
        else
            disegna(R, w, seggio.Esiti, primo, partite);
    }
}

}  // namespace zolmera

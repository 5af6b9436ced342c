#include "engine/lancio.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"

namespace zolmera {

const std::array<QString, 20> LancioProve::kTitoliProve = {
    QStringLiteral("PERCORSO MINATO"),       QStringLiteral("SCASSA QUINDICI"),
    QStringLiteral("MORRA CINESE"),          QStringLiteral("LA CASSAFORTE"),
    QStringLiteral("IL GEO-ANAGRAMMA"),      QStringLiteral("SEQUENZA DI CARTE"),
    QStringLiteral("COPPIA DI PIETANZE"),    QStringLiteral("LABIRINTO DEI GOLOSI"),
    QStringLiteral("TIRO AL PUPAZZO"),       QStringLiteral("IL PERSONAGGIO MISTERIOSO"),
    QStringLiteral("TIRO AL PIATTO"),        QStringLiteral("I PREDATORI DELLA CHIAVE PERDUTA"),
    QStringLiteral("CALCI DI RIGORE"),       QStringLiteral("IL DOMANDIERE"),
    QStringLiteral("IL PUZZLE"),             QStringLiteral("CASCATA DI PALLONCINI"),
    QStringLiteral("LA SPESA E' GIUSTA"),    QStringLiteral("CANTANTI E CANZONI"),
    QStringLiteral("PRIMA O DOPO"),          QStringLiteral("IL REBUS"),
};

const std::array<QString, 18> LancioProve::kTitoliProvine = {
    QStringLiteral("CALCOLO OGGETTI"),       QStringLiteral("IL CALCOLATORE"),
    QStringLiteral("STORIA IMMAGINARIA"),    QStringLiteral("CULTURA GENERALE"),
    QStringLiteral("L'OGGETTO MULTICOLORE"), QStringLiteral("LA COPPIA MANCANTE"),
    QStringLiteral("IL TELEGRAMMA"),         QStringLiteral("IL MOTIVO MISTERIOSO"),
    QStringLiteral("CODICE FISCALE"),        QStringLiteral("DATA DI NASCITA"),
    QStringLiteral("COMPLETA IL PROVERBIO"), QStringLiteral("DOMANDA AL CONTRARIO"),
    QStringLiteral("INDOVINELLO AL FULMICOTONE"), QStringLiteral("IL GRANDE CHEF"),
    QStringLiteral("LINGUAGGIO FARFALLINO"), QStringLiteral("RITRATTO DI CANZONI"),
    QStringLiteral("PAROLE IN GABBIA"),      QStringLiteral("OCCHIO ALLE DIFFERENZE"),
};

LancioProve::LancioProve(frmRuota& board) : catalogo(catalogoPredefinito()), R(board) {}

void LancioProve::CaricaTitoliProve()
{
    for (int k = 1; k <= 20; ++k)
        strTitoloProva[k] = kTitoliProve[std::size_t(k - 1)];
    for (int k = 1; k <= 18; ++k)
        strTitoloProvina[k] = kTitoliProvine[std::size_t(k - 1)];
}

template <class Table>
int LancioProve::estrai(Table& titoli, int n)
{
    // A match draws at most four and two titles, so at least 16 of 20 and
    // 16 of 18 remain at every draw; a table with nothing left would be a
    // fault of the caller, and gives up rather than loop for ever.
    bool resta = false;
    for (int k = 1; k <= n; ++k)
        resta = resta || !titoli[k].isEmpty();
    if (!resta)
        return 0;
    Random& rnd = R.ctx.sys.random;
    for (;;) {
        rnd.randomize();
        const int k = rnd.draw(n);
        if (!titoli[k].isEmpty())
            return k;
    }
}

void LancioProve::LanciaProva()
{
    R.mmcMelodia.command(QStringLiteral("close"));
    const int k = estrai(strTitoloProva, 20);
    if (k == 0)
        return;
    strTitoloProva[k].clear();
    BloccaTabellone(R.ctx);
    catalogo.prove[std::size_t(k)](R.ctx);
}

void LancioProve::LanciaProvina()
{
    R.mmcMelodia.command(QStringLiteral("close"));
    ImpostaCaratteriOpzioni(R.ctx, QStringLiteral("Comic Sans MS"), 10);
    R.prenotazione.varRisposta.clear();
    const int k = estrai(strTitoloProvina, 18);
    if (k == 0)
        return;
    strTitoloProvina[k].clear();
    BloccaTabellone(R.ctx);
    catalogo.provine[std::size_t(k)](R.ctx);
}

void LancioProve::MostraProvaExtra()
{
    BloccaTabellone(R.ctx);
    catalogo.extra(R.ctx);
}

}  // namespace zolmera

#include "engine/lancio.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"

namespace zolmera {

LancioProve::LancioProve(frmRuota& board) : catalogo(board.ctx.catalogo), R(board) {}

void LancioProve::CaricaTitoliProve()
{
    for (int k = 1; k <= 20; ++k)
        strTitoloProva[k] = catalogo.titoliProve[std::size_t(k)];
    for (int k = 1; k <= 18; ++k)
        strTitoloProvina[k] = catalogo.titoliProvine[std::size_t(k)];
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
    provaAperta = true;
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
    provaAperta = true;
    catalogo.provine[std::size_t(k)](R.ctx);
}

void LancioProve::MostraProvaExtra()
{
    BloccaTabellone(R.ctx);
    provaAperta = true;
    catalogo.extra(R.ctx);
}

}  // namespace zolmera

#include "challenges/short/frmProvina3.h"

#include "board/operazioni.h"
#include "platform/text.h"

#include <vector>

namespace zolmera {

using namespace storia;

namespace {
// The parts of the story, each drawn after a reseed of its own.
const std::vector<std::vector<Elemento>> kParti = {{M}, {A, B}, {C, D}, {E}, {F}, {G}, {H}, {I}, {J}};
}  // namespace

frmProvina3::frmProvina3(AppContext& context) : ProvaBreve(context, schedaProvina(3), 8640, 6240)
{
    txtDomanda.move(240, 960, 8160, 4320);
    txtDomanda.setFontName(QStringLiteral("Comic Sans MS"));
    txtDomanda.setFontSize(16.2);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move(2880, 5460, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

int frmProvina3::estrai(Elemento x)
{
    const Intervallo& r = kIntervalli[x];
    return ctx.sys.random.draw(r.a - r.da + 1) + r.da - 1;
}

void frmProvina3::caricaElemento()
{
    Random& rnd = ctx.sys.random;
    elenchi = elenchiDelGioco();
    for (const std::vector<Elemento>& parte : kParti) {
        rnd.randomize();
        for (Elemento x : parte)
            elementi[x] = estrai(x);
    }
    txtDomanda.setText(racconto(elenchi, elementi));

    rnd.randomize();
    p = rnd.draw(3);
    rnd.randomize();
    QString opzioni[3];
    for (int k = 0; k < 3; ++k) {
        // Box 0 says 1 to 3, box 1 4 to 6, box 2 7 to 10.
        intTipo[k] = k == 0 ? rnd.draw(3) : k == 1 ? rnd.draw(3) + 3 : rnd.draw(4) + 6;
        opzioni[k] = scriviCasella(k);
    }
    ScriviOpzioni(ctx, opzioni[0], opzioni[1], opzioni[2]);
}

// The true statement in the box of the answer; elsewhere one element of it
// changed and the other kept, so no false box can be told by both.
QString frmProvina3::scriviCasella(int k)
{
    const Tipo& t = kTipi[std::size_t(intTipo[k] - 1)];
    const int x = elementi[t.x], y = elementi[t.y];
    if (p == k + 1) {
        const QString vera = affermazione(elenchi, intTipo[k], x, y);
        M.strRispostaEsatta = vbUCase(vera);
        return vera;
    }
    int u = 0, v = 0;
    for (;;) {
        u = estrai(t.x);
        v = estrai(t.y);
        // A false errand keeps the story's errand and changes who runs it.
        if (intTipo[k] == 10 ? v == y && u != x : (u == x) != (v == y))
            break;
    }
    return affermazione(elenchi, intTipo[k], u, v);
}

}  // namespace zolmera

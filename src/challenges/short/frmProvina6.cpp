#include "challenges/short/frmProvina6.h"

#include "board/operazioni.h"

#include <cmath>

namespace zolmera {

namespace {
// The line's objects stand three columns apart from the 22nd to the 76th.
constexpr int kPrimaColonna = 22;
constexpr int kPasso = 3;
constexpr int kLunghezzaRiga = 100;
}  // namespace

frmProvina6::frmProvina6(AppContext& context)
    : ProvaBreve(context, schedaProvina(6), 12000, 6960)
{
    // The line wraps at its blanks; a symbol font whose blank is as wide as
    // a picture needs five rows, and no object may hide behind a scroll.
    txtDomanda.move(240, 960, 11520, 4800);
    txtDomanda.setFontName(QStringLiteral("Webdings"));
    txtDomanda.setFontSize(36);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move(4560, 6060, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina6::caricaElemento()
{
    // The options and the typed answer are objects too, until the next
    // short challenge or the second phase gives the board its letters back.
    ImpostaCaratteriOpzioni(ctx, QStringLiteral("Webdings"), 18);

    for (int i = 1; i <= 10; ++i) {
        strOggetto[i] = QString(QChar(u'A' + i - 1));
        strOggetto[i + 10] = strOggetto[i];
    }

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    s = rnd.draw(20);
    rnd.randomize();
    p = rnd.draw(3);

    // Three different distances that stay inside the table; an entry's twin
    // is ten places away, so a near entry is never the answer's object.
    auto distanza = [&] { return int(std::floor(rnd.rnd() * 7 - 3)); };
    for (int i = 1; i <= 3; ++i) {
        bool valida = false;
        while (!valida) {
            d[i] = distanza();
            valida = d[i] != 0 && s + d[i] > 0 && s + d[i] < 21;
            for (int j = 1; j < i; ++j)
                valida = valida && d[i] != d[j];
        }
    }

    M.strRispostaEsatta = strOggetto[s].toUpper();
    QString opzioni[3];
    for (int k = 0; k < 3; ++k)
        opzioni[k] = strOggetto[p == k + 1 ? s : s + d[k + 1]];
    ScriviOpzioni(ctx, opzioni[0], opzioni[1], opzioni[2]);

    strOggetto[s].clear();
    strRiga = QString(kLunghezzaRiga, QLatin1Char(' '));
    for (int c = kPrimaColonna; c <= kPrimaColonna + 18 * kPasso; c += kPasso) {
        int x = 0;
        do {
            rnd.randomize();
            x = rnd.draw(20);
        } while (strOggetto[x].isEmpty());
        strRiga[c - 1] = strOggetto[x][0];
        strOggetto[x].clear();
    }
    txtDomanda.setText(strRiga);
}

}  // namespace zolmera

#include "challenges/short/frmProvina1.h"

#include "board/operazioni.h"

#include <cmath>

namespace zolmera {

namespace {
const QString kDomande[5] = {
    QStringLiteral("Quante biciclette sono apparse sul monitor?"),
    QStringLiteral("Quanti furgoni sono comparsi sul monitor?"),
    QStringLiteral("Quanti aerei avete visto sul monitor?"),
    QStringLiteral("Quante navi sono apparse sul monitor?"),
    QStringLiteral("Quanti treni sono apparsi sul monitor?"),
};
const QString kFileDomande[5] = {
    QStringLiteral("domanda1_1.wav"), QStringLiteral("domanda1_2.wav"), QStringLiteral("domanda1_3.wav"),
    QStringLiteral("domanda1_4.wav"), QStringLiteral("domanda1_5.wav"),
};
}  // namespace

frmProvina1::frmProvina1(AppContext& context)
    : ProvaBreve(context, schedaProvina(1), 8640, 6240)
{
    txtDomanda.move(240, 960, 8160, 4320);
    txtDomanda.setFontName(QStringLiteral("Webdings"));
    txtDomanda.setFontSize(36);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move(2880, 5460, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina1::caricaElemento()
{
    Random& rnd = ctx.sys.random;
    const int simboli[5] = {98, 102, 106, 111, 116};
    for (int k = 1; k <= 5; ++k)
        intSimbolo[k] = simboli[k - 1];

    intTotale = 0;
    for (int k = 1; k <= 5; ++k) {
        intQuantita[k] = rnd.draw(50) / 5;
        intTotale += intQuantita[k];
    }
    // One kind makes up the fifty.
    rnd.randomize();
    const int k1 = rnd.draw(5);
    intQuantita[k1] += 50 - intTotale;

    rnd.randomize();
    intTipo = rnd.draw(5);
    varRisposta = intQuantita[intTipo];
    M.strFileDomanda = suono(kFileDomande[intTipo - 1]);
    strDomandaScritta = kDomande[intTipo - 1];

    // Each position takes any kind that still has vehicles left, all equally likely.
    strSequenza.clear();
    for (int i = 1; i <= 50; ++i) {
        int j = 0;
        do {
            rnd.randomize();
            j = rnd.draw(5);
        } while (intQuantita[j] < 1);
        strSequenza += QChar(intSimbolo[j]);
        --intQuantita[j];
    }
    txtDomanda.setText(strSequenza);

    rnd.randomize();
    const int p = rnd.draw(3);
    // Every option at 0 or more.
    scriviOpzioniNumeriche(
        varRisposta, p, [&rnd] { return qint64(std::floor(rnd.rnd() * 11 - 5)); },
        [this](qint64 d) { return varRisposta + d >= 0; });
}

}  // namespace zolmera

#include "challenges/short/frmProvina5.h"

#include "board/operazioni.h"

#include <cmath>

namespace zolmera {

namespace {
// The three cups of the symbol font.
const QChar kOggetti[3] = {QChar(37), QChar(38), QChar(236)};
}  // namespace

frmProvina5::frmProvina5(AppContext& context) : ProvaBreve(context, schedaProvina(5), 8640, 8040)
{
    txtDomanda.move(240, 960, 8160, 6000);
    txtDomanda.setFontName(QStringLiteral("Webdings"));
    txtDomanda.setFontSize(225);
    txtDomanda.setFontBold(true);
    txtDomanda.setBackColor(kBlu);
    txtDomanda.setForeColor(kBlu);
    // The cup stands in the middle of its stage, not against its left side.
    txtDomanda.setAlignment(2);
    cmdEsegui.move(2880, 7200, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina5::caricaElemento()
{
    Random& rnd = ctx.sys.random;
    intColorePrecedente = 0;
    varCambi = 0;

    rnd.randomize();
    intOggetto = rnd.draw(3);
    txtDomanda.setText(QString(kOggetti[intOggetto - 1]));

    rnd.randomize();
    varRisposta = rnd.draw(9) + 6;

    rnd.randomize();
    const int p = rnd.draw(3);
    // The count never goes below 7, so every option stays positive.
    scriviOpzioniNumeriche(
        varRisposta, p, [&rnd] { return qint64(std::floor(rnd.rnd() * 7 - 3)); },
        [this](qint64 d) { return varRisposta + d >= 0; });
}

void frmProvina5::tmrSecondi_Timer()
{
    // The first tick only gives the players time to find the cup.
    if (tmrSecondi.interval() == kPrimoTic) {
        tmrSecondi.setInterval(kPasso);
        return;
    }
    ++varCambi;
    if (varCambi > varRisposta) {
        passaAlTabellone();
        return;
    }
    // Never the same colour twice running: every change must be seen.
    Random& rnd = ctx.sys.random;
    int c = 0;
    do {
        rnd.randomize();
        c = rnd.draw(5);
    } while (c == intColorePrecedente);
    txtDomanda.setForeColor(kColori[c - 1]);
    intColorePrecedente = c;
    tmrSecondi.setInterval(tmrSecondi.interval() - 10);
}

}  // namespace zolmera

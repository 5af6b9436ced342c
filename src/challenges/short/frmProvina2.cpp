#include "challenges/short/frmProvina2.h"

#include "board/operazioni.h"

#include <cmath>

namespace zolmera {

namespace {
struct Domanda {
    int passo;
    QString scritta;
    QString file;
};
// By question: the step of the wrong options (a product is in the millions,
// a number shown has only its last digits to miss), the question and its sound.
const Domanda kDomande[5] = {
    {100, QStringLiteral("Qual'è la somma tra i due numeri che avete appena visto?"), QStringLiteral("domanda2_1.wav")},
    {100000, QStringLiteral("Qual'è il prodotto tra i due numeri che avete appena visto?"),
     QStringLiteral("domanda2_2.wav")},
    {100, QStringLiteral("Qual'è il risultato della sottrazione tra i due numeri che avete visto?"),
     QStringLiteral("domanda2_3.wav")},
    {10, QStringLiteral("Qual'è il primo numero che è comparso sul monitor?"), QStringLiteral("domanda2_4.wav")},
    {10, QStringLiteral("Qual'è il secondo numero che è comparso sul monitor?"), QStringLiteral("domanda2_5.wav")},
};

// A number inside the text read: a blank where a minus sign would stand.
QString numeroNelTesto(qint32 n) { return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n); }
}  // namespace

frmProvina2::frmProvina2(AppContext& context) : ProvaBreve(context, schedaProvina(2), 8640, 4560)
{
    // Two lines of 48 points: the numbers go under the words.
    txtDomanda.move(240, 960, 8160, 2400);
    txtDomanda.setFontName(QStringLiteral("Comic Sans MS"));
    txtDomanda.setFontSize(48);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move(2880, 3720, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina2::caricaElemento()
{
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    intTipo = rnd.draw(5);
    a = rnd.draw(1000) + 1000;
    b = rnd.draw(1000) + 1000;

    const Domanda& domanda = kDomande[intTipo - 1];
    const qint32 risultati[5] = {a + b, a * b, a - b, a, b};
    varRisposta = risultati[intTipo - 1];
    intPasso = domanda.passo;
    M.strFileDomanda = suono(domanda.file);
    strDomandaScritta = domanda.scritta;
    // The same words whatever is asked: the question comes as a surprise.
    txtDomanda.setText(QStringLiteral("I numeri sono: ") + numeroNelTesto(a) + QStringLiteral(" e ") + numeroNelTesto(b));

    rnd.randomize();
    p = rnd.draw(3);
    const auto distanze = scriviOpzioniNumeriche(
        varRisposta, p, [this, &rnd] { return qint64(intPasso * qint32(std::floor(rnd.rnd() * 31 - 15))); });
    for (int i = 1; i <= 3; ++i)
        d[i] = qint32(distanze[std::size_t(i)]);
}

}  // namespace zolmera

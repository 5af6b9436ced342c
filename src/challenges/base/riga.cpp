#include "challenges/base/riga.h"

#include "board/operazioni.h"
#include "platform/text.h"
#include "records/tabella.h"

namespace zolmera {

namespace {
constexpr int kMargine = 240;
constexpr int kCima = 960;   // under the title
constexpr int kSpazio = 360;
constexpr int kPulsante = 600;

int altezzaFinestra(int altezzaTesto) { return kCima + altezzaTesto + kSpazio + kPulsante + kMargine; }
}  // namespace

ProvaRiga::ProvaRiga(AppContext& context, int k, const QString& tabella, Campi campi, const Aspetto& aspetto)
    : ProvaBreve(context, schedaProvina(k), aspetto.larghezza, altezzaFinestra(aspetto.altezzaTesto)), righe(tabellaProva(tabella)),
      campi_(campi)
{
    txtDomanda.move(kMargine, kCima, aspetto.larghezza - 2 * kMargine, aspetto.altezzaTesto);
    txtDomanda.setFontName(QStringLiteral("Comic Sans MS"));
    txtDomanda.setFontSize(aspetto.dimensione);
    txtDomanda.setBackColor(0xFFFFFF);
    cmdEsegui.move((aspetto.larghezza - 2880) / 2, kCima + aspetto.altezzaTesto + kSpazio, 2880, kPulsante);
    setDefaultButton(&cmdEsegui);
}

void ProvaRiga::caricaElemento()
{
    ctx.sys.random.randomize();
    r = righe.isEmpty() ? 0 : ctx.sys.random.draw(int(righe.size()));
    // A damaged program that lost the table plays an empty item rather than stop.
    const QStringList riga = r > 0 ? righe[r - 1] : QStringList();
    auto campo = [&riga](int n) { return n > 0 ? riga.value(n - 1) : QString(); };
    // The choices in the row's order, unchanged: the right one stays where the row has it.
    if (campi_.scelte > 0)
        ScriviOpzioni(ctx, campo(campi_.scelte), campo(campi_.scelte + 1), campo(campi_.scelte + 2));
    else
        ScriviOpzioni(ctx, QString(), QString(), QString());
    M.strRispostaEsatta = vbUCase(campo(campi_.risposta));
    txtDomanda.setText(campo(campi_.testo));
}

}  // namespace zolmera

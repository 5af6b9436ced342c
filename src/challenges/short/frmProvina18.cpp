#include "challenges/short/frmProvina18.h"

#include "board/operazioni.h"

namespace zolmera {

namespace {
// The pictures of the symbol font the cells may show.
const QChar kFigure[3] = {QLatin1Char('f'), QLatin1Char('k'), QLatin1Char('U')};
constexpr quint32 kBlu = 0x800000, kBianco = 0xFFFFFF, kGialloNumeri = 0xFFFF;
// By column and by row; the middle ones are a little larger.
constexpr int kSinistre[3] = {120, 2520, 5040};
constexpr int kAlti[3] = {960, 2400, 3960};
constexpr int kLarghezze[3] = {2412, 2532, 2412};
constexpr int kAltezze[3] = {1452, 1572, 1452};
constexpr int kSinistreNumeri[3] = {2040, 4560, 6960};
constexpr int kAltiNumeri[3] = {1920, 3480, 4920};
}  // namespace

frmProvina18::frmProvina18(AppContext& context) : ProvaBreve(context, schedaProvina(18), 7680, 6480)
{
    for (int k = 0; k <= 8; ++k) {
        const int riga = k / 3, colonna = k % 3;
        Label& cella = lblDiffe.add(*this, QStringLiteral("lblDiffe"));
        cella.move(kSinistre[colonna], kAlti[riga], kLarghezze[colonna], kAltezze[riga]);
        cella.setFontName(QStringLiteral("Webdings"));
        cella.setFontSize(kGrande);
        cella.setForeColor(kBianco);
        cella.setBackColor(kBlu);
        cella.setAlignment(Label::Center);
    }
    // Made after the cells, so each number lies over its cell's corner.
    for (int k = 0; k <= 8; ++k) {
        const int riga = k / 3, colonna = k % 3;
        Label& numero = lblNumDiffe.add(*this, QStringLiteral("lblNumDiffe"), QString::number(k + 1));
        numero.move(kSinistreNumeri[colonna], kAltiNumeri[riga], 492, 492);
        numero.setFontName(QStringLiteral("Arial"));
        numero.setFontSize(19.8);
        numero.setFontBold(true);
        numero.setForeColor(kGialloNumeri);
        numero.setBackColor(kBlu);
        numero.setAlignment(Label::Center);
    }
    cmdEsegui.move(2400, 5640, 2880, 600);
    setDefaultButton(&cmdEsegui);
}

void frmProvina18::caricaElemento()
{
    ctx.sys.random.randomize();
    intDiversa = ctx.sys.random.draw(9);
    ScriviOpzioni(ctx, QString(), QString(), QString());
    for (int i = 1; i <= 9; ++i) {
        lblDiffe[i - 1].setCaption(QString());
        if (i != intDiversa)
            lblDiffe[i - 1].setFontSize(kGrande);
    }
    lblDiffe[intDiversa - 1].setFontSize(kPiccolo);
    M.strRispostaEsatta = QString::number(intDiversa);
}

void frmProvina18::cmdEsegui_Click()
{
    cmdEsegui.setEnabled(false);
    ctx.sys.random.randomize();
    intFigura = ctx.sys.random.draw(3);
    for (int i = 1; i <= 9; ++i)
        lblDiffe[i - 1].setCaption(QString(kFigure[intFigura - 1]));
    M.bytConcorrente = 0;
    tmrSecondi.setEnabled(true);
}

}  // namespace zolmera

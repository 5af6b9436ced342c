#include "challenges/action/frmProva11.h"

#include <cstdlib>

namespace zolmera {

namespace {
// The range, and the score sheet between the title and it.
constexpr int kCampoLeft = 120, kCampoTop = 2160, kCampoW = 6372, kCampoH = 5532;
constexpr int kTesta = 840, kRiga1 = 1140, kRiga = 420, kAltezzaRiga = 360;
constexpr int kNome = 120, kLarghezzaNome = 2160;
constexpr int kTiro1 = 2340, kColonnaTiro = 660, kLarghezzaTiro = 600;
constexpr int kPunti = kTiro1 + 5 * kColonnaTiro, kLarghezzaPunti = 780;
constexpr quint32 kCielo = 0xFFC0C0, kVerdeChiaro = 0x80FF80;

}  // namespace

frmProva11::frmProva11(AppContext& context)
    : ProvaCompleta(context, schedaProva(11), kCampoLeft + kCampoW + 120, kCampoTop + kCampoH + 1140)
{
    // Enter hands the verdict back like a click; while "Lancia" has the
    // focus, Enter and the space bar shoot.
    setDefaultButton(&cmdEsegui);
    Frame1.move(kCampoLeft, kCampoTop, kCampoW, kCampoH);
    Frame1.setBackColor(kCielo);
    Frame1.setEnabled(false);
    centro.setStretch(true);
    centro.move(kPiattoVia, 240, 1560, 1428);
    freccia.setStretch(true);
    freccia.move(2880, kFrecciaVia, 516, 2136);
    cmdLancio.move(2640, 4920, 972, 492);
    cmdLancio.setBackColor(kVerdeChiaro);
    cmdLancio.setFontName(QStringLiteral("Comic Sans MS"));
    cmdLancio.setFontSize(10);
    cmdLancio.setFontBold(true);
    cmdLancio.setEnabled(false);
    cmdLancio.Click = [this] { cmdLancio_Click(); };

    Label& punti = Label12.add(*this, QStringLiteral("Label12"), QStringLiteral("punti"));
    punti.move(kPunti, kTesta, kLarghezzaPunti, 300);
    for (int i = 1; i <= kTiriATesta; ++i) {
        Label& tiro = Label12.add(*this, QStringLiteral("Label12"), QStringLiteral("tiro %1").arg(i));
        tiro.move(kTiro1 + (i - 1) * kColonnaTiro, kTesta, kLarghezzaTiro, 300);
    }
    for (int i = 0; i <= kTiriATesta; ++i) {
        Label12[i].setAlignment(Label::Center);
        scritta(Label12[i], 10, false);
    }

    ControlArray<Label>* tiri[2] = {&lblTiro1, &lblTiro2};
    for (int k = 0; k < 2; ++k) {
        const int top = kRiga1 + k * kRiga;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kNome, top, kLarghezzaNome, kAltezzaRiga);
        scritta(nome, 12, true);
        nome.setForeColor(kInchiostro[k]);
        for (int i = 0; i < kTiriATesta; ++i) {
            Label& tiro = tiri[k]->add(*this, k == 0 ? QStringLiteral("lblTiro1") : QStringLiteral("lblTiro2"));
            tiro.move(kTiro1 + i * kColonnaTiro, top, kLarghezzaTiro, kAltezzaRiga);
            tiro.setAlignment(Label::Center);
            scritta(tiro, 12, false);
        }
        Label& totale = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        totale.move(kPunti, top, kLarghezzaPunti, kAltezzaRiga);
        totale.setAlignment(Label::Center);
        scritta(totale, 12, true);
        totale.setForeColor(kInchiostro[k]);
    }

    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
    tmrPausa.Tick = [this] { tmrPausa_Timer(); };
}

int frmProva11::punteggio(int leftPiatto)
{
    const int scarto = std::abs(leftPiatto - kPiattoVia);
    if (scarto == 0)
        return 100;
    if (scarto <= kPassoPiatto)
        return 75;
    if (scarto <= 3 * kPassoPiatto)
        return 50;
    if (scarto <= 5 * kPassoPiatto)
        return 25;
    return 0;
}

void frmProva11::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    centro.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("centro.gif"))));
    freccia.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("freccia.gif"))));

    ctx.sys.random.randomize();
    intTiratore = qint16(2 * ctx.sys.random.rnd() + 1);
    intPunti[0] = 0;
    intPunti[1] = 0;
    intTiri[0] = 0;
    intTiri[1] = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[intTiratore].str());
}

void frmProva11::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    preparaTiro();
}

void frmProva11::preparaTiro()
{
    centro.setLeft(kPiattoVia);
    freccia.setTop(kFrecciaVia);
    strDirezione = QStringLiteral("destra");
    intLanciato = 0;
    cmdLancio.setEnabled(true);
    cmdLancio.setFocus();
    tmrSecondi.setEnabled(true);
}

void frmProva11::cmdLancio_Click()
{
    // One arrow a turn, and none outside the game.
    if (!inGioco() || intLanciato != 0 || !tmrSecondi.enabled())
        return;
    intLanciato = -1;
    cmdLancio.setEnabled(false);
    suona(QStringLiteral("tennis.wav"), M.strEffetti);
}

void frmProva11::muoviPiatto()
{
    const int left = centro.left();
    if (left == kPiattoMin)
        strDirezione = QStringLiteral("destra");
    else if (left == kPiattoMax)
        strDirezione = QStringLiteral("sinistra");
    centro.setLeft(left + (strDirezione == QLatin1String("destra") ? kPassoPiatto : -kPassoPiatto));
}

void frmProva11::tmrSecondi_Timer()
{
    muoviPiatto();
    if (intLanciato != -1)
        return;
    if (freccia.top() > kFrecciaArrivo) {
        freccia.setTop(freccia.top() - kPassoFreccia);
        return;
    }
    // The arrow is up at the plate's height: the shot is decided where the
    // plate stands now.
    tmrSecondi.setEnabled(false);
    intLanciato = 0;
    ValutaTurno();
    if (intTiri[0] == kTiriATesta && intTiri[1] == kTiriATesta)
        DecretaVincitore();
    else
        tmrPausa.setEnabled(true);
}

void frmProva11::ValutaTurno()
{
    const int k = intTiratore - 1;
    ++intTiri[k];
    varValoreTiro = punteggio(centro.left());
    if (varValoreTiro == 100)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    else if (varValoreTiro == 0)
        suona(QStringLiteral("nooo.wav"), M.strParlato);
    else
        suona(QStringLiteral("laser.wav"), M.strEffetti);
    ControlArray<Label>& tiri = k == 0 ? lblTiro1 : lblTiro2;
    tiri[intTiri[k] - 1].setCaption(QString::number(varValoreTiro));
    intPunti[k] = qint16(intPunti[k] + varValoreTiro);
    lblPunti[k].setCaption(QString::number(intPunti[k]));
}

void frmProva11::tmrPausa_Timer()
{
    tmrPausa.setEnabled(false);
    intTiratore = intTiratore == 1 ? 2 : 1;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[intTiratore].str());
    preparaTiro();
}

void frmProva11::DecretaVincitore()
{
    tmrSecondi.setEnabled(false);
    tmrPausa.setEnabled(false);
    decretaPunteggi(intPunti[0] < 100 && intPunti[1] < 100, intPunti[0], intPunti[1]);
}

}  // namespace zolmera

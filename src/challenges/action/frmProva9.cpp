#include "challenges/action/frmProva9.h"

namespace zolmera {

namespace {
// The score table over the gallery, a row a contestant.
constexpr int kLarghezza = 6960, kAltezza = 6180;
constexpr int kTesta = 840, kRiga1 = 1200, kRiga = 420;
constexpr int kNome = 240, kCentri = 3480, kComparseLeft = 4260;
// The gallery: a snowman stands in the middle of his column.
constexpr int kGalleriaLeft = 120, kGalleriaTop = 2160, kGalleriaH = 3000;
constexpr int kPupazzoW = 900, kPupazzoH = 1260, kFila1 = 180, kFila2 = 1560;
constexpr quint32 kCielo = 0xF8E8D0;   // a pale winter sky, BGR
// The bottom-right snowman never comes up: the draw covers the first
// eleven places only.
constexpr int kPosizioniMobili = 11;
// How long each pop-up waits for the next: slow for the first four, then
// quicker, and quickest from the sixteenth on.
constexpr int kLenta = 1500, kMedia = 1000, kSvelta = 750;

void stile(Label& l, int punti, bool grassetto)
{
    l.setBackStyle(0);
    l.setFontName(QStringLiteral("Comic Sans MS"));
    l.setFontSize(punti);
    l.setFontBold(grassetto);
}
}  // namespace

frmProva9::frmProva9(AppContext& context)
    : ProvaCompleta(context, schedaProva(9), kLarghezza, kAltezza)
{
    // Enter hands the verdict back like a click; the button is wide enough
    // for "Ora tocca a " and a whole name.
    setDefaultButton(&cmdEsegui);
    cmdEsegui.move((kLarghezza - 4320) / 2, cmdEsegui.top(), 4320, cmdEsegui.height());

    Frame1.move(kGalleriaLeft, kGalleriaTop, kColonne * kLarghezzaColonna + 240, kGalleriaH);
    Frame1.setBackColor(kCielo);
    Frame1.setEnabled(false);
    // The popped-up snowmen first, so that each idle one lies over its own.
    for (ControlArray<Image>* serie : {&Image2, &Image1}) {
        const bool su = serie == &Image2;
        for (int i = 0; i < kPosizioni; ++i) {
            Image& pupazzo = serie->add(Frame1, su ? QStringLiteral("Image2") : QStringLiteral("Image1"));
            pupazzo.setStretch(true);
            pupazzo.move(120 + (i % kColonne) * kLarghezzaColonna + (kLarghezzaColonna - kPupazzoW) / 2,
                         i < kColonne ? kFila1 : kFila2, kPupazzoW, kPupazzoH);
            pupazzo.Click = su ? std::function<void()>([this, i] { Image2_Click(i); })
                               : std::function<void()>([this, i] { Image1_Click(i); });
        }
    }

    Label& testa = Label12.add(*this, QStringLiteral("Label12"), QStringLiteral("tiri a segno"));
    testa.move(kCentri, kTesta, 1920, 300);
    testa.setAlignment(Label::Center);
    stile(testa, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int y = kRiga1 + k * kRiga;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kNome, y, 3000, 420);
        Label& centri = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        centri.move(kCentri, y, 720, 420);
        centri.setAlignment(Label::RightJustify);
        Label& comparse = Label1.add(*this, QStringLiteral("Label1"), QStringLiteral("/ 0"));
        comparse.move(kComparseLeft, y, 1080, 420);
        for (Label* l : {&nome, &centri, &comparse}) {
            stile(*l, 14, l != &comparse);
            l->setForeColor(kInchiostro[k]);
        }
    }

    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva9::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    const QPixmap fermo = ctx.sys.pictures.load(immagine(QStringLiteral("pupazzo.gif")));
    const QPixmap su = ctx.sys.pictures.load(immagine(QStringLiteral("pupazzo_su.gif")));
    for (int i = 0; i < kPosizioni; ++i) {
        Image1[i].setPicture(fermo);
        Image2[i].setPicture(su);
    }

    ctx.sys.random.randomize();
    varTiratore = int(2 * ctx.sys.random.rnd() + 1);
    intCentri[1] = 0;
    intCentri[2] = 0;
    intComparse = 0;
    intTurno = 1;
    varPosizione = -1;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varTiratore].str());
}

void frmProva9::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    tmrSecondi.setEnabled(true);
}

void frmProva9::tmrSecondi_Timer()
{
    // A snowman nobody hit goes back down as the next one comes.
    if (varPosizione != -1) {
        Image1[varPosizione].setVisible(true);
        mostraComparse();
    }
    ++intComparse;
    if (intComparse > kComparse) {
        tmrSecondi.setEnabled(false);
        ValutaTurno();
        return;
    }
    ctx.sys.random.randomize();
    const int p = int(kPosizioniMobili * ctx.sys.random.rnd());
    varPosizione = p;
    Image1[p].setVisible(false);
    tmrSecondi.setInterval(intComparse < 5 ? kLenta : intComparse <= 15 ? kMedia : kSvelta);
}

void frmProva9::Image2_Click(int Index)
{
    // A press may be let go once the turn is over, or after the snowman it
    // pressed has gone down: that release hits an idle snowman.
    if (!Frame1.enabled())
        return;
    if (Image1[Index].visible()) {
        Image1_Click(Index);
        return;
    }
    suona(QStringLiteral("pistola1.wav"), M.strEffetti);
    Image1[varPosizione].setVisible(true);
    varPosizione = -1;
    const qint16 centri = ++intCentri[varTiratore];
    lblPunti[varTiratore - 1].setCaption(QString::number(centri));
    mostraComparse();
}

void frmProva9::Image1_Click(int /*Index*/)
{
    if (!Frame1.enabled())
        return;
    suona(QStringLiteral("pistola2.wav"), M.strEffetti);
    // The shot scares the snowman that was up back down: it can no longer be
    // hit, though it still counts among the turn's pop-ups.
    if (varPosizione != -1)
        Image1[varPosizione].setVisible(true);
    mostraComparse();
}

void frmProva9::mostraComparse()
{
    Label1[varTiratore - 1].setCaption(QStringLiteral("/ ") + QString::number(intComparse));
}

void frmProva9::ValutaTurno()
{
    tmrSecondi.setEnabled(false);
    Frame1.setEnabled(false);
    if (intCentri[varTiratore] == kComparse)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    if (intTurno != 1) {
        DecretaVincitore();
        return;
    }
    varTiratore = varTiratore == 1 ? 2 : 1;
    varPosizione = -1;
    intComparse = 0;
    for (int i = 0; i < kPosizioni; ++i)
        Image1[i].setVisible(true);
    intTurno = 2;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varTiratore].str());
    cmdEsegui.setEnabled(true);
}

void frmProva9::DecretaVincitore()
{
    const int h1 = intCentri[1], h2 = intCentri[2];
    decretaPunteggi(h1 < kCentriMinimi && h2 < kCentriMinimi, h1, h2);
}

}  // namespace zolmera

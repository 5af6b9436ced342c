#include "challenges/mind/frmProva15.h"

#include "platform/format.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 9540, kAltezza = 8460;
// A piece is shown at its own size: 73 x 75 pixels of the 365 x 300 picture.
constexpr int kLatoX = 1095, kLatoY = 1125, kBordo = 60;
constexpr int kSinistraGioco = 3480, kCimaGriglia = 900;
constexpr int kLarghezzaGriglia = frmProva15::kColonne * kLatoX + 2 * kBordo;
constexpr int kColonnaTempo = 1980, kRigaTabella = 1260, kPassoTabella = 420;
// Past this many rejected draws the generator is not moving: take the next
// value that is free instead of asking again for ever.
constexpr int kTentativi = 1000;
}  // namespace

frmProva15::frmProva15(AppContext& context)
    : ProvaCompleta(context, schedaProva(15), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.setToolTipText(QStringLiteral("PREMI QUI per continuare"));

    Label11.move(kColonnaTempo, 840, 1260, 360);
    Label11.setAlignment(Label::Center);
    scritta(Label11, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(180, top, 1800, 360);
        scritta(nome, 12, true);
        Label& tempo = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("90,00"));
        tempo.move(kColonnaTempo, top, 1260, 360);
        tempo.setAlignment(Label::Center);
        tempo.setBackStyle(0);
        tempo.setFontName(QStringLiteral("Texas LED"));
        tempo.setFontSize(14);
        tempo.setFontBold(true);
        for (Label* l : {&nome, &tempo})
            l->setForeColor(kInchiostro[k]);
    }

    Frame2.move(kSinistraGioco, kCimaGriglia, kLarghezzaGriglia, kRighe * kLatoY + 2 * kBordo);
    Frame2.setBackColor(0x303030);
    Frame1.move(kSinistraGioco, kCimaGriglia + kRighe * kLatoY + 2 * kBordo + 120, kLarghezzaGriglia,
                kLatoY + 420);
    Frame1.setBackColor(0xC8E4F0);
    for (int i = 0; i < kTessere; ++i) {
        Image& cella = Image1.add(Frame2, QStringLiteral("Image1"));
        cella.move(kBordo + (i % kColonne) * kLatoX, kBordo + (i / kColonne) * kLatoY, kLatoX, kLatoY);
        cella.DragDrop = [this, i](Control& source) { Image1_DragDrop(i, source); };
    }
    const int passoAppoggi = (kLarghezzaGriglia - 2 * kBordo - kLatoX) / (kAppoggi - 1);
    for (int i = 0; i < kAppoggi; ++i) {
        Image& cella = Image2.add(Frame1, QStringLiteral("Image2"));
        cella.move(kBordo + i * passoAppoggi, 300, kLatoX, kLatoY);
        cella.setBorderStyle(1);
        cella.DragDrop = [this, i](Control& source) { Image2_DragDrop(i, source); };
    }
    for (int i = 0; i < kTessere + kAppoggi; ++i) {
        Image& cella = i < kTessere ? Image1[i] : Image2[i - kTessere];
        cella.setStretch(true);
        cella.setDragMode(1);
    }
    abilitaGioco(false);

    // The clock's digits light up the dark display of the stopwatch.
    Image& cronometro = Image1.add(*this, QStringLiteral("Image1"));
    cronometro.move(780, 2400, 2100, 1575);
    cronometro.setStretch(true);
    cronometro.DragDrop = [this](Control& source) { Image1_DragDrop(kCronometro, source); };
    lblOrologio.move(1080, 2700, 1500, 900);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackStyle(0);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(26);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);
    lblOrologio.zOrder(0);

    pccFoto.setRows(2);
    pccFoto.setCols(4);
    pccPuzzle.setRows(kRighe);
    pccPuzzle.setCols(kColonne);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva15::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    abilitaGioco(false);
    Image1[kCronometro].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("orologio.bmp"))));
    pccFoto.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("puzzle.bmp"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    intTurnoDi = rnd.draw(2);
    varUltimaFoto = -1;
    intRisolto = false;
    intTurno = 0;
    dblTempoResiduo.fill(kDurata);
    risolto_.fill(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + nomeDiTurno());
}

QString frmProva15::nomeDiTurno() const { return M.strNomeConcorrente[intTurnoDi].str(); }

void frmProva15::abilitaGioco(bool on)
{
    Frame1.setEnabled(on);
    Frame2.setEnabled(on);
}

void frmProva15::avvia()
{
    const QString didascalia = cmdEsegui.caption();
    if (didascalia == QStringLiteral("Inizia ") + nomeDiTurno() ||
        didascalia == QStringLiteral("Ora tocca a ") + nomeDiTurno())
        osserva();
    else if (didascalia == QLatin1String("Avvia il cronometro"))
        faseCronometrata();
}

int frmProva15::estrai(int n, const std::function<bool(int)>& escluso)
{
    // The fake generator of the tests, like a stuck one, may give the same
    // value every time; reseeding would not help, since the clock stands still
    // between draws.
    Random& rnd = ctx.sys.random;
    int r = 0;
    for (int tentativo = 0; tentativo < kTentativi; ++tentativo) {
        r = int(rnd.rnd() * n);
        if (!escluso(r))
            return r;
    }
    for (int passo = 1; passo < n; ++passo)
        if (!escluso((r + passo) % n))
            return (r + passo) % n;
    return r;
}

void frmProva15::osserva()
{
    cmdEsegui.setEnabled(false);
    ctx.sys.random.randomize();
    const int k = estrai(kFoto, [this](int f) { return f == varUltimaFoto; });
    varUltimaFoto = k;
    pccPuzzle.setPicture(pccFoto.graphicCell(k));
    for (int i = 0; i < kTessere; ++i)
        Image1[i].setPicture(pccPuzzle.graphicCell(i));
    cmdEsegui.setCaption(QStringLiteral("Osserva il puzzle..."));
    tmrSecondi.setEnabled(true);
    suona(nomeVariante(QStringLiteral("fotoclick"), 2), M.strEffetti);
}

void frmProva15::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    for (int i = 0; i < kTessere; ++i)
        Image1[i].setPicture({});
    mescola();
    cmdEsegui.setCaption(QStringLiteral("Avvia il cronometro"));
    cmdEsegui.setEnabled(true);
    cmdEsegui.setFocus();
}

void frmProva15::mescola()
{
    for (int i = 0; i < kTessere; ++i) {
        varTessereLibere[i] = i;
        intTessere[i] = -1;
    }
    Random& rnd = ctx.sys.random;
    for (int j = 0; j < kTessere; ++j) {
        rnd.randomize();
        const int r = estrai(kTessere, [this](int t) { return varTessereLibere[t] == -1; });
        intTessere[j] = qint16(r);
        varTessereLibere[r] = -1;
    }
}

void frmProva15::svuotaAppoggi()
{
    for (int i = 0; i < kAppoggi; ++i)
        Image2[i].setPicture({});
}

void frmProva15::faseCronometrata()
{
    cmdEsegui.setEnabled(false);
    for (int i = 0; i < kTessere; ++i)
        Image1[i].setPicture(pccPuzzle.graphicCell(intTessere[i]));
    svuotaAppoggi();
    abilitaGioco(true);
    ++intTurno;
    intRisolto = false;
    residuoRisolto_ = 0;
    inFase_ = true;
    const FineTurno fine = CronometraTurno(kDurata, [this] { return intRisolto; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    inFase_ = false;

    svuotaAppoggi();
    abilitaGioco(false);
    mmcSonoro.command(QStringLiteral("Close"));
    const int c = intTurnoDi;
    risolto_[c] = intRisolto;
    if (intRisolto) {
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
        dblTempoResiduo[c] = residuoRisolto_;
        lblSecondi[c - 1].setCaption(formatSecondi(residuoRisolto_));
    } else {
        suonaSirena();
        dblTempoResiduo[c] = 0;
        lblSecondi[c - 1].setCaption(QStringLiteral("N.C."));
    }

    if (intTurno >= 2) {
        DecretaVincitore();
        return;
    }
    intRisolto = false;
    intTurnoDi = 3 - intTurnoDi;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + nomeDiTurno());
    cmdEsegui.setEnabled(true);
}

void frmProva15::Image1_DragDrop(int Index, Control& Source)
{
    posa(Image1[Index], Source);
}

void frmProva15::Image2_DragDrop(int Index, Control& Source)
{
    posa(Image2[Index], Source);
}

void frmProva15::posa(Image& bersaglio, Control& Source)
{
    // Only the timed phase moves pieces: a drop that lands after the clock
    // has stopped, or once the picture is whole, changes nothing.
    if (!inFase_ || intRisolto)
        return;
    auto* pezzo = dynamic_cast<Image*>(&Source);
    if (pezzo && bersaglio.picture().isNull()) {
        bersaglio.setPicture(pezzo->picture());
        if (pezzo != &bersaglio)
            pezzo->setPicture({});
    }
    VerificaPuzzle();
}

void frmProva15::VerificaPuzzle()
{
    intRisolto = true;
    for (int i = 0; i < kTessere; ++i) {
        const QPixmap& mostrata = Image1[i].picture();
        if (mostrata.isNull() || Image1[i].figura() != figuraDi(pccPuzzle.graphicCell(i))) {
            intRisolto = false;
            break;
        }
    }
    // The time of the restoring drop itself, not of the clock's last shown
    // second.
    if (intRisolto)
        residuoRisolto_ = varResiduo();
}

void frmProva15::DecretaVincitore()
{
    // Whoever restored his picture beats whoever did not, at any time left.
    decretaPunteggi(!risolto_[1] && !risolto_[2], risolto_[1], risolto_[2], dblTempoResiduo[1], dblTempoResiduo[2]);
}

}  // namespace zolmera

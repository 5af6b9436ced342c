#include "challenges/mind/frmProva18.h"

#include "challenges/base/estrazione.h"
#include "platform/format.h"
#include "records/tabella.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 12000, kAltezza = 9120;
// The score panel under the title: the jukebox, the names, right rows and
// time left, then the running clock.
constexpr int kColonnaNomi = 1800, kColonnaPunti = 6000, kColonnaTempo = 7320, kRigaTabella = 1260,
              kPassoTabella = 420;
// Inside the play area: the two blocks to take from on the left, two
// columns of three cells each, and the answer table on the right.
constexpr int kMargine = 240, kCella = 2640, kAltezzaCella = 480, kSpazio = 120, kPasso = kAltezzaCella + kSpazio;
constexpr int kRigaCantanti = 1140, kRigaCanzoni = 3360;
constexpr int kColonnaRisposte = 6000, kCellaCantante = 2400, kCellaCanzone = 2880;
constexpr int kRigaRisposte = 1140;
constexpr int kLarghezzaGioco = kColonnaRisposte + kCellaCantante + kSpazio + kCellaCanzone + kMargine;
constexpr int kAltezzaGioco = 5880;
// The decorations: a row of notes along the top, a row of records along the
// bottom.
constexpr int kFregio = 480, kPassoFregio = 945;

void intestazione(Label& l, int left, int top, int width)
{
    l.move(left, top, width, 360);
    l.setAlignment(Label::Center);
}
}  // namespace

frmProva18::frmProva18(AppContext& context)
    : ProvaCompleta(context, schedaProva(18), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.setToolTipText(QStringLiteral("PREMI QUI per continuare"));

    Image1.move(360, 840, 1200, 1200);
    Image1.setStretch(true);
    Label12.move(kColonnaPunti, 840, 1200, 360);
    Label11.move(kColonnaTempo, 840, 1440, 360);
    for (Label* l : {&Label12, &Label11}) {
        l->setAlignment(Label::Center);
        scritta(*l, 10, false);
    }
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kColonnaNomi, top, 4080, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, 1200, 360);
        punti.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("30,00"));
        secondi.move(kColonnaTempo, top, 1440, 360);
        secondi.setAlignment(Label::Center);
        secondi.setBackStyle(0);
        secondi.setFontName(QStringLiteral("Texas LED"));
        secondi.setFontSize(12);
        secondi.setFontBold(true);
        secondi.setForeColor(kInchiostro[k]);
    }
    // The clock's red digits on a dark display of its own.
    lblOrologio.move(9480, 900, 1560, 1020);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackColor(0x202020);
    lblOrologio.setBorderStyle(1);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(28);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);

    // Nothing can be taken up outside a turn.
    Frame1.move((kLarghezza - kLarghezzaGioco) / 2, 2160, kLarghezzaGioco, kAltezzaGioco);
    Frame1.setBackColor(0x5A2A3A);
    Frame1.setEnabled(false);
    intestazione(Label7, kMargine, kRigaCantanti - 420, 2 * kCella + kSpazio);
    intestazione(Label8, kMargine, kRigaCanzoni - 420, 2 * kCella + kSpazio);
    intestazione(Label3, kColonnaRisposte, kRigaRisposte - 420, kCellaCantante);
    intestazione(Label6, kColonnaRisposte + kCellaCantante + kSpazio, kRigaRisposte - 420, kCellaCanzone);
    for (Label* l : {&Label7, &Label8, &Label3, &Label6}) {
        scritta(*l, 12, true);
        l->setForeColor(kGiallo);
    }

    const auto cella = [this](ControlArray<Label>& array, const QString& nome, int left, int top, int width,
                              quint32 sfondo, quint32 inchiostro, void (frmProva18::*drop)(int, Control&)) {
        const int i = array.count();
        Label& l = array.add(Frame1, nome);
        l.move(left, top, width, kAltezzaCella);
        l.setAlignment(Label::Center);
        l.setWordWrap(true);
        l.setBorderStyle(1);
        l.setFontName(QStringLiteral("Arial"));
        l.setFontSize(9);
        l.setFontBold(true);
        l.setBackColor(sfondo);
        l.setForeColor(inchiostro);
        l.setDragMode(1);
        l.DragDrop = [this, i, drop](Control& source) { (this->*drop)(i, source); };
    };
    for (int i = 0; i < kCoppie; ++i) {
        const int left = kMargine + (i % 2) * (kCella + kSpazio);
        cella(Label1, QStringLiteral("Label1"), left, kRigaCantanti + (i / 2) * kPasso, kCella, kCantanti, kBianco,
              &frmProva18::Label1_DragDrop);
        cella(Label2, QStringLiteral("Label2"), left, kRigaCanzoni + (i / 2) * kPasso, kCella, kCanzoni,
              kInchiostroCanzoni, &frmProva18::Label2_DragDrop);
    }
    for (int j = 0; j < kCoppie; ++j) {
        const int top = kRigaRisposte + j * kPasso;
        cella(Label4, QStringLiteral("Label4"), kColonnaRisposte, top, kCellaCantante, kBianco, 0x800000,
              &frmProva18::Label4_DragDrop);
        cella(Label5, QStringLiteral("Label5"), kColonnaRisposte + kCellaCantante + kSpazio, top, kCellaCanzone,
              kBianco, kInchiostroCanzoni, &frmProva18::Label5_DragDrop);
    }
    for (int n = 0; n < 12; ++n) {
        const int left = kMargine + n * kPassoFregio;
        for (auto* fila : {&Image2, &Image3}) {
            Image& img = fila->add(Frame1, fila == &Image2 ? QStringLiteral("Image2") : QStringLiteral("Image3"));
            img.move(left, fila == &Image2 ? 120 : kAltezzaGioco - kFregio - 120, kFregio, kFregio);
            img.setStretch(true);
        }
    }
}

void frmProva18::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varTurnoDi = rnd.draw(2);
    intCoppieEsatte.fill(0);
    dblTempoResiduo.fill(double(kTurno));
    intTurno = 0;
    coloreCantanti = Label1[1].backColor();
    coloreCanzoni = Label2[1].backColor();
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("jukebox.bmp"))));
    const QPixmap nota = ctx.sys.pictures.load(immagine(QStringLiteral("nota.gif")));
    const QPixmap disco = ctx.sys.pictures.load(immagine(QStringLiteral("disco.gif")));
    for (int n = 0; n < 12; ++n) {
        Image2[n].setPicture(nota);
        Image3[n].setPicture(disco);
    }
    Frame1.setEnabled(false);
    CaricaContenuti();
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varTurnoDi].str());
}

void frmProva18::CaricaContenuti()
{
    // Rows in the table's order; the year beside each song is the table's
    // own check and is not shown. A short table leaves the rest blank, and
    // blank rows are never drawn.
    for (int r = 1; r <= kRighe; ++r)
        strCantantiCanzoni[r] = {};
    int r = 0;
    for (const QStringList& riga : tabellaProva(QStringLiteral("cantanti"))) {
        if (r == kRighe)
            break;
        if (riga.size() >= 2 && !riga[0].isEmpty() && !riga[1].isEmpty())
            strCantantiCanzoni[++r] = {riga[0], riga[1]};
    }
}

void frmProva18::avvia()
{
    // While a turn runs the same button only stops its clock.
    if (cmdEsegui.caption() == QLatin1String("Conferma")) {
        intConfermato = -1;
        return;
    }
    if (intTurno >= 2)
        return;
    cmdEsegui.setToolTipText(QStringLiteral("Premi QUI per fermarti"));
    cmdEsegui.setCaption(QStringLiteral("Conferma"));
    intConfermato = 0;
    Frame1.setEnabled(true);
    PreparaTurno();
    ++intTurno;
    turnoInCorso_ = true;
    const FineTurno fine = CronometraTurno(kTurno, [this] { return intConfermato != 0; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    turnoInCorso_ = false;

    ValutaTurno();
    const int c = varTurnoDi;
    dblTempoResiduo[c] = fine == FineTurno::Fermato ? varResiduo() : 0.0;
    if (fine == FineTurno::Scaduto)
        suonaSirena();
    lblSecondi[c - 1].setCaption(formatSecondi(dblTempoResiduo[c]));
    if (intTurno == 1) {
        varTurnoDi = 3 - c;
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varTurnoDi].str());
    } else {
        DecretaVincitore();
    }
}

void frmProva18::PreparaTurno()
{
    SvuotaCaselle();
    EstraiCoppie();
}

void frmProva18::SvuotaCaselle()
{
    for (int i = 0; i < kCoppie; ++i) {
        Label1[i].setCaption({});
        Label1[i].setBackColor(coloreCantanti);
        Label2[i].setCaption({});
        Label2[i].setBackColor(coloreCanzoni);
        for (Label* l : {&Label4[i], &Label5[i]}) {
            l->setCaption({});
            l->setBackColor(kBianco);
        }
    }
}

void frmProva18::EstraiCoppie()
{
    // Performers in the order drawn, songs in cells drawn apart.
    for (int k = 0; k < kCoppie; ++k) {
        const int r = estraiLibera(ctx.sys.random, kRighe, [this](int i) { return !strCantantiCanzoni[i].cantante.isEmpty(); });
        strCoppieTurno[k] = r == 0 ? Coppia{} : strCantantiCanzoni[r];
        Label1[k].setCaption(strCoppieTurno[k].cantante);
        if (r != 0)
            strCantantiCanzoni[r] = {};
    }
    for (int k = 0; k < kCoppie; ++k) {
        const int j = estraiLibera(ctx.sys.random, kCoppie, [this](int i) { return Label2[i - 1].caption().isEmpty(); });
        if (j != 0)
            Label2[j - 1].setCaption(strCoppieTurno[k].canzone);
    }
}

void frmProva18::Label1_DragDrop(int Index, Control& Source) { lascia(Label1[Index], Source); }
void frmProva18::Label2_DragDrop(int Index, Control& Source) { lascia(Label2[Index], Source); }
void frmProva18::Label4_DragDrop(int Index, Control& Source) { lascia(Label4[Index], Source); }
void frmProva18::Label5_DragDrop(int Index, Control& Source) { lascia(Label5[Index], Source); }

void frmProva18::lascia(Label& bersaglio, Control& Source)
{
    // Once the turn is over, or the verdict given, a drop changes nothing.
    if (!turnoInCorso_)
        return;
    auto* sorgente = dynamic_cast<Label*>(&Source);
    // An empty cell has nothing to move: taking it would only swap colours.
    if (!sorgente || sorgente->caption().isEmpty() || !bersaglio.caption().isEmpty())
        return;
    bersaglio.setCaption(sorgente->caption());
    bersaglio.setBackColor(sorgente->backColor());
    sorgente->setCaption({});
    sorgente->setBackColor(kBianco);
}

void frmProva18::ValutaTurno()
{
    Frame1.setEnabled(false);
    for (int j = 0; j < kCoppie; ++j) {
        Label4[j].setBackColor(kSbagliata);
        Label5[j].setBackColor(kSbagliata);
    }
    const int c = varTurnoDi;
    for (int k = 0; k < kCoppie; ++k) {
        const Coppia& coppia = strCoppieTurno[k];
        // A pair a damaged table could not give would match an empty row.
        if (coppia.cantante.isEmpty())
            continue;
        for (int j = 0; j < kCoppie; ++j) {
            if (Label4[j].caption() == coppia.cantante && Label5[j].caption() == coppia.canzone) {
                Label4[j].setBackColor(kGiusta);
                Label5[j].setBackColor(kGiusta);
                ++intCoppieEsatte[c];
            }
        }
    }
    if (intCoppieEsatte[c] == kCoppie)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    lblPunti[c - 1].setCaption(QString::number(intCoppieEsatte[c]));
}

void frmProva18::DecretaVincitore()
{
    const int c1 = intCoppieEsatte[1], c2 = intCoppieEsatte[2];
    decretaPunteggi(c1 == 0 && c2 == 0, c1, c2, dblTempoResiduo[1], dblTempoResiduo[2]);
}

}  // namespace zolmera

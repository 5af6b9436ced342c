#include "challenges/mind/frmProva6.h"

#include "challenges/base/estrazione.h"
#include "platform/format.h"

namespace zolmera {

const QString frmProva6::kMazzo = QStringLiteral("carte_sequenza.bmp");

namespace {
constexpr int kLarghezza = 6600, kAltezza = 7980;
// The score table over the play area: names, points, time left; then the
// clock and the decoration. The names' cell holds eleven of the widest
// capitals.
constexpr int kLarghezzaNome = 2520, kColonnaPunti = 2700, kLarghezzaPunti = 720;
constexpr int kColonnaTempo = 3420, kLarghezzaTempo = 960, kRigaTabella = 1080, kPassoTabella = 360;
// A card is 40 x 56 pixels on screen, in the slots as on the table.
constexpr int kLatoCarta = 600, kAltezzaCarta = 840;
constexpr int kPassoTavolo = kLatoCarta + 60, kPassoRighe = kAltezzaCarta + 60;
constexpr int kPassoPosti = kLatoCarta + 120;
constexpr int kLarghezzaFrame = 6360, kAltezzaFrame = 5040;
constexpr int kSinistraTavolo = (kLarghezzaFrame - (frmProva6::kColonne * kPassoTavolo - 60)) / 2;
constexpr int kSinistraPosti = (kLarghezzaFrame - (frmProva6::kPosti * kPassoPosti - 120)) / 2;
constexpr int kAltoPosti = 150, kAltoErrori = kAltoPosti + kAltezzaCarta + 30, kAltoTavolo = 1380;
constexpr quint32 kPanno = 0x2E6B2E, kErrore = 0x0000FF;
}  // namespace

frmProva6::frmProva6(AppContext& context)
    : ProvaCompleta(context, schedaProva(6), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label12.move(kColonnaPunti, 780, kLarghezzaPunti, 300);
    Label11.move(kColonnaTempo, 780, kLarghezzaTempo, 300);
    for (Label* l : {&Label12, &Label11}) {
        l->setAlignment(Label::Center);
        scritta(*l, 10, false);
    }
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(120, top, kLarghezzaNome, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, kLarghezzaPunti, 360);
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("30,00"));
        secondi.move(kColonnaTempo, top, kLarghezzaTempo, 360);
        for (Label* l : {&nome, &punti, &secondi}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
        punti.setAlignment(Label::Center);
        secondi.setAlignment(Label::Center);
    }
    // The clock's red digits on their own dark display.
    lblOrologio.move(4440, 900, 900, 720);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackColor(0x101010);
    lblOrologio.setBorderStyle(1);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(24);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);
    Image1.move(5460, 780, 1020, 1020);
    Image1.setStretch(true);

    Frame1.move(120, 1920, kLarghezzaFrame, kAltezzaFrame);
    Frame1.setBackColor(kPanno);
    Frame1.setEnabled(false);
    for (int i = 0; i < kPosti; ++i) {
        const int left = kSinistraPosti + i * kPassoPosti;
        Image& posto = imgSequenza.add(Frame1, QStringLiteral("imgSequenza"));
        posto.move(left, kAltoPosti, kLatoCarta, kAltezzaCarta);
        posto.setBorderStyle(1);
        posto.setStretch(true);
        posto.setDragMode(1);
        posto.DragDrop = [this, i](Control& source) { imgSequenza_DragDrop(i, source); };
        Label& errore = lblErrori.add(Frame1, QStringLiteral("lblErrori"), QStringLiteral("X"));
        errore.move(left, kAltoErrori, kLatoCarta, 300);
        errore.setAlignment(Label::Center);
        errore.setForeColor(kErrore);
        scritta(errore, 14, true);
        errore.setVisible(false);
    }
    for (int i = 0; i < kCarte; ++i) {
        Image& figura = imgFigura.add(Frame1, QStringLiteral("imgFigura"));
        figura.move(kSinistraTavolo + (i % kColonne) * kPassoTavolo, kAltoTavolo + (i / kColonne) * kPassoRighe,
                    kLatoCarta, kAltezzaCarta);
        figura.setStretch(true);
        figura.setDragMode(1);
    }
    pccCarte.setRows(kRighe);
    pccCarte.setCols(kColonne);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva6::caricaGioco()
{
    pccCarte.setPicture(ctx.sys.pictures.load(immagine(kMazzo)));
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("carte_ventaglio.gif"))));
    stendiMazzo();
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varGiocatore = rnd.draw(2);
    intPunti.fill(0);
    dblTempoResiduo.fill(0);
    varFase = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varGiocatore].str());
}

void frmProva6::stendiMazzo()
{
    for (int i = 0; i < kCarte; ++i)
        imgFigura[i].setPicture(pccCarte.graphicCell(i));
}

int frmProva6::carta(const Image& img) const
{
    const Figura f = img.figura();
    return !f.isNull() && f.file == figuraDi(pccCarte.picture()).file ? f.cella : -1;
}

void frmProva6::mostraTavolo(bool on)
{
    for (int i = 0; i < kCarte; ++i)
        imgFigura[i].setVisible(on);
}

void frmProva6::avvia()
{
    switch (varFase) {
    case 0:
    case 2: osserva(); break;
    case 1:
    case 3: rispondi(); break;
    default: break;
    }
}

void frmProva6::osserva()
{
    mostraTavolo(false);
    for (int i = 0; i < kPosti; ++i)
        lblErrori[i].setVisible(false);
    PreparaTurno();
    for (int i = 1; i <= kPosti; ++i)
        imgSequenza[i - 1].setPicture(pccCarte.graphicCell(intSequenza[i]));
    cmdEsegui.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Osserva le figure..."));
    suona(nomeVariante(QStringLiteral("fotoclick"), 2), M.strEffetti);
    tmrSecondi.setInterval(kOsservazioneMs);
    tmrSecondi.setEnabled(true);
}

void frmProva6::PreparaTurno()
{
    stendiMazzo();
    for (int i = 0; i < kPosti; ++i)
        imgSequenza[i].setPicture({});
    for (int i = 1; i <= kPosti; ++i)
        intSequenza[i] = qint16(estraiCarta(i - 1));
}

int frmProva6::estraiCarta(int giaEstratte)
{
    Random& rnd = ctx.sys.random;
    const auto estratta = [this, giaEstratte](int c) {
        for (int j = 1; j <= giaEstratte; ++j)
            if (intSequenza[j] == c)
                return true;
        return false;
    };
    return estraiLibera(rnd, kCarteEstratte, [&estratta](int i) { return !estratta(i - 1); }) - 1;
}

void frmProva6::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    for (int i = 0; i < kPosti; ++i)
        imgSequenza[i].setPicture({});
    ++varFase;
    cmdEsegui.setEnabled(true);
    cmdEsegui.setCaption(QStringLiteral("Avvia il cronometro"));
}

void frmProva6::rispondi()
{
    const int k = varGiocatore;
    mostraTavolo(true);
    Frame1.setEnabled(true);
    cmdEsegui.setEnabled(false);
    intFine = false;
    dblTempoResiduo[k] = kRisposta;
    const FineTurno fine = CronometraTurno(kRisposta, [this] { return intFine; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    Frame1.setEnabled(false);
    mostraTavolo(false);
    // Out of time the turn is worth no seconds, whatever was laid before.
    if (fine == FineTurno::Scaduto) {
        dblTempoResiduo[k] = 0;
        suonaSirena();
    }
    lblSecondi[k - 1].setCaption(formatSecondi(dblTempoResiduo[k]));
    ValutaTurno();
}

void frmProva6::imgSequenza_DragDrop(int Index, Control& Source)
{
    // Only the answering step lays cards; a card let go after it counts for
    // nothing.
    if (!inGioco() || !Frame1.enabled())
        return;
    Image& posto = imgSequenza[Index];
    if (!posto.picture().isNull()) {
        suona(QStringLiteral("no.wav"), M.strParlato);
        return;
    }
    Image* sorgente = nullptr;
    for (ControlArray<Image>* a : {&imgFigura, &imgSequenza})
        for (int i = 0; i <= a->uBound(); ++i)
            if (&(*a)[i] == &Source)
                sorgente = &(*a)[i];
    if (!sorgente)
        return;
    const int k = varGiocatore;
    posto.setPicture(sorgente->picture());
    sorgente->setPicture({});
    if (carta(posto) == intSequenza[Index + 1])
        dblTempoResiduo[k] = varResiduo();
    intFine = true;
    for (int i = 0; i < kPosti; ++i)
        if (imgSequenza[i].picture().isNull())
            intFine = false;
}

void frmProva6::ValutaTurno()
{
    const int k = varGiocatore;
    for (int i = 1; i <= kPosti; ++i) {
        // Only the place counts: a card of the sequence in another slot is
        // as wrong as any other.
        if (carta(imgSequenza[i - 1]) == intSequenza[i])
            ++intPunti[k];
        else
            lblErrori[i - 1].setVisible(true);
    }
    lblPunti[k - 1].setCaption(QString::number(intPunti[k]));
    if (intPunti[k] == kPosti)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    ++varFase;
    cmdEsegui.setEnabled(true);
    if (varFase == 2) {
        varGiocatore = 3 - k;
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varGiocatore].str());
    } else {
        DecretaVincitore();
    }
}

void frmProva6::DecretaVincitore()
{
    decretaPunteggi(intPunti[1] == 0 && intPunti[2] == 0, intPunti[1], intPunti[2], dblTempoResiduo[1],
                    dblTempoResiduo[2]);
}

}  // namespace zolmera

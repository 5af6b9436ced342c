#include "challenges/mind/frmProva4.h"

#include <algorithm>

namespace zolmera {

namespace {
constexpr int kLarghezza = 7200, kAltezza = 6960;
constexpr int kCrediti = 5;
// The score table under the title: names, then attempts left.
constexpr int kColonnaCrediti = 4320, kRigaTabella = 1140, kPassoTabella = 420;
// The panel, and the dials on it: a digit, its scroll bar, a gap.
constexpr int kPannelloLeft = 600, kPannelloTop = 2100, kPannelloW = 6000, kPannelloH = 3720;
constexpr int kCifraLeft = 720, kCifraTop = 1440, kCifraW = 720, kCifraH = 960, kBarraW = 300, kPassoCifra = 1200;
const quint32 kColoriCifre[3] = {0xC0E0FF, 0x80C0FF, 0x80FF};
constexpr quint32 kBlu = 0xFF0000, kBianco = 0xFFFFFF;

// A message line is a blue bar only while it says something: an empty one
// leaves the safe's door in sight.
void scriviRiga(Label& riga, const QString& testo)
{
    riga.setCaption(testo);
    riga.setBackStyle(testo.isEmpty() ? 0 : 1);
}

QString tra(int da, int a)
{
    return QStringLiteral("Il numero esatto è compreso tra %1 e %2").arg(da).arg(a);
}
}  // namespace

frmProva4::frmProva4(AppContext& context)
    : ProvaCompleta(context, schedaProva(4), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label12.move(kColonnaCrediti, kRigaTabella - 360, 1200, 300);
    Label12.setAlignment(Label::Center);
    scritta(Label12, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(1200, top, 2880, 360);
        Label& crediti = lblPunti.add(*this, QStringLiteral("lblPunti"), QString::number(kCrediti));
        crediti.move(kColonnaCrediti, top, 1200, 360);
        crediti.setAlignment(Label::Center);
        for (Label* l : {&nome, &crediti}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }

    Frame1.move(kPannelloLeft, kPannelloTop, kPannelloW, kPannelloH);
    Frame1.setBackColor(0x606060);
    Frame1.setEnabled(false);
    Image1.move(120, 120, kPannelloW - 240, kPannelloH - 240);
    Image1.setStretch(true);

    for (int i = 0; i < 2; ++i) {
        Label& riga = Label1.add(Frame1, QStringLiteral("Label1"));
        riga.move(360, 300 + i * 480, kPannelloW - 720, 420);
        riga.setAlignment(Label::Center);
        riga.setBackColor(kBlu);
        riga.setBackStyle(0);
        riga.setForeColor(kBianco);
        riga.setFontName(QStringLiteral("Comic Sans MS"));
        riga.setFontSize(i == 0 ? 12 : 10);
        riga.setFontBold(true);
    }
    for (int i = 0; i < 3; ++i) {
        const int left = kCifraLeft + i * kPassoCifra;
        Label& cifra = lblNumero.add(Frame1, QStringLiteral("lblNumero"));
        cifra.move(left, kCifraTop, kCifraW, kCifraH);
        cifra.setAlignment(Label::Center);
        cifra.setBorderStyle(1);
        cifra.setBackColor(kColoriCifre[i]);
        cifra.setFontName(QStringLiteral("Arial"));
        cifra.setFontSize(28);
        cifra.setFontBold(true);
        ScrollBar& barra = scbNumero.add(Frame1, QStringLiteral("scbNumero"), Qt::Vertical);
        barra.move(left + kCifraW, kCifraTop, kBarraW, kCifraH);
        barra.setMin(0);
        barra.setMax(9);
        barra.setValue(0);
        barra.setSmallChange(1);
        barra.setLargeChange(1);
        // The label beside it shows the digit, not what it is.
        barra.setAccessibleName(QStringLiteral("Cifra %1").arg(i + 1));
        barra.Change = [this, i] { scbNumero_Change(i); };
        barra.Scroll = [this, i] { scbNumero_Scroll(i); };
    }
    cmdConferma.move(4500, kCifraTop + 240, 960, 480);
    cmdConferma.setFontName(QStringLiteral("Comic Sans MS"));
    cmdConferma.setFontSize(12);
    cmdConferma.setFontBold(true);
    cmdConferma.Click = [this] { cmdConferma_Click(); };

    for (Label* lampada : {&lblAperto, &lblChiuso}) {
        lampada->move(lampada == &lblAperto ? 960 : 3360, 2760, 1680, 420);
        lampada->setAlignment(Label::Center);
        lampada->setBorderStyle(1);
        lampada->setForeColor(kBianco);
        lampada->setFontName(QStringLiteral("Arial"));
        lampada->setFontSize(12);
        lampada->setFontBold(true);
    }
    lblAperto.setBackColor(kApertoSpento);
    lblChiuso.setBackColor(kChiusoAcceso);
}

void frmProva4::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    intCrediti[1] = kCrediti;
    intCrediti[2] = kCrediti;
    for (int i = 0; i < 3; ++i)
        lblNumero[i].setCaption(QString::number(scbNumero[i].value()));
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("cassaforte.bmp"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varGiocatore = rnd.draw(2);
    varCodice = int(rnd.rnd() * 1000);
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varGiocatore].str());
}

void frmProva4::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
}

void frmProva4::scbNumero_Change(int index) { lblNumero[index].setCaption(QString::number(scbNumero[index].value())); }

// While the thumb is dragged the digit follows it, not only once it is let go.
void frmProva4::scbNumero_Scroll(int index) { scbNumero_Change(index); }

void frmProva4::cmdConferma_Click()
{
    // Once the safe is open nothing on the panel may change the verdict.
    if (!inGioco())
        return;
    mmcSonoro.command(QStringLiteral("close"));
    varTentativo = (lblNumero[0].caption() + lblNumero[1].caption() + lblNumero[2].caption()).toInt();
    --intCrediti[varGiocatore];
    lblPunti[varGiocatore - 1].setCaption(QString::number(intCrediti[varGiocatore]));

    if (varTentativo == varCodice) {
        scriviRiga(Label1[0], QStringLiteral("Numero ESATTO!"));
        scriviRiga(Label1[1], {});
        apri();
        decretaVincita(varGiocatore);
    } else if (intCrediti[1] == 0 && intCrediti[2] == 0) {
        scriviRiga(Label1[0], QStringLiteral("Il numero era: %1").arg(varCodice));
        scriviRiga(Label1[1], {});
        lblNumero[0].setCaption(QString::number(varCodice / 100));
        lblNumero[1].setCaption(QString::number(varCodice / 10 % 10));
        lblNumero[2].setCaption(QString::number(varCodice % 10));
        apri();
        decretaNulla();
    } else {
        suggerisci();
    }
}

void frmProva4::apri()
{
    lblAperto.setBackColor(kApertoAcceso);
    lblChiuso.setBackColor(kChiusoSpento);
    Frame1.setEnabled(false);
}

void frmProva4::suggerisci()
{
    const int g = varTentativo;
    const int d = g - varCodice;
    QString esclamazione, intervallo, file;
    // Only the lower bounds are kept from going below 0: a range that runs
    // past 999 says nothing false, the code is still in it.
    if (d > 100) {
        esclamazione = QStringLiteral("E' VERAMENTE TROPPO ALTO!");
        intervallo = QStringLiteral("Il numero esatto è inferiore a %1").arg(g - 100);
        file = QStringLiteral("altissimo.wav");
    } else if (d > 10) {
        esclamazione = QStringLiteral("E' TROPPO ALTO!");
        intervallo = tra(std::max(0, g - 100), g - 11);
        file = QStringLiteral("alto.wav");
    } else if (d > 0) {
        esclamazione = QStringLiteral("E' UN POCHINO ALTO!");
        intervallo = tra(std::max(0, g - 10), g - 1);
        file = QStringLiteral("altino.wav");
    } else if (d >= -10) {
        esclamazione = QStringLiteral("E' UN POCHINO BASSO!");
        intervallo = tra(g + 1, g + 10);
        file = QStringLiteral("bassino.wav");
    } else if (d >= -100) {
        esclamazione = QStringLiteral("E' TROPPO BASSO!");
        intervallo = tra(g + 11, g + 100);
        file = QStringLiteral("basso.wav");
    } else {
        esclamazione = QStringLiteral("E' VERAMENTE TROPPO BASSO!");
        intervallo = QStringLiteral("Il numero esatto è superiore a %1").arg(g + 100);
        file = QStringLiteral("bassissimo.wav");
    }
    // With the voice on, the voice says it.
    if (M.strParlato.isEmpty())
        scriviRiga(Label1[0], esclamazione);
    scriviRiga(Label1[1], intervallo);
    suona(file, M.strParlato);

    varGiocatore = varGiocatore == 1 ? 2 : 1;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varGiocatore].str());
}

}  // namespace zolmera

#include "challenges/mind/frmProva14.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 9600, kAltezza = 7320;
// The grid and the question panel share one place on the left.
constexpr int kPannelloLeft = 240, kPannelloTop = 900, kPannello = 5280;
constexpr int kTesta = 420, kLato = 1500, kPasso = 1590;
// The results on the right: the question's number, then a column each.
constexpr int kTabellaLeft = 5760, kRigaNomi = 960, kRiga1 = 1380, kPassoRiga = 420;
constexpr int kColonna[2] = {kTabellaLeft + 480, kTabellaLeft + 2100};
constexpr int kLarghezzaColonna = 1560;
constexpr quint32 kBlu = 0xB04010, kBianco = 0xFFFFFF, kGriglia = 0x705030;

void tasto(Label& l)
{
    l.setAlignment(Label::Center);
    l.setBorderStyle(1);
    l.setFontName(QStringLiteral("Arial"));
    l.setFontSize(14);
    l.setFontBold(true);
}
}  // namespace

const QString frmProva14::kTesti[5] = {
    QStringLiteral("Questa foto era tra le nove della griglia. Vero o falso?"),
    QStringLiteral("Questa foto era nella casella indicata. Vero o falso?"),
    QStringLiteral("Questa foto non era tra le nove della griglia. Vero o falso?"),
    QStringLiteral("Questa foto non era nella casella indicata. Vero o falso?"),
    QStringLiteral("Questa foto era in due o più caselle della griglia. Vero o falso?"),
};

QString frmProva14::casella(int cella)
{
    const int k = cella - 1;
    return QStringLiteral("Casella ") + QChar(u'A' + k / 3) + QString::number(k % 3 + 1);
}

frmProva14::frmProva14(AppContext& context)
    : ProvaCompleta(context, schedaProva(14), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));

    for (int n = 0; n < kFoto; ++n)
        imgFotomini.add(*this, QStringLiteral("imgFotomini")).setVisible(false);

    for (Frame* f : {&Frame2, &Frame1}) {
        f->move(kPannelloLeft, kPannelloTop, kPannello, kPannello);
        f->setVisible(false);
    }
    Frame2.setBackColor(kGriglia);
    for (int k = 0; k < kCaselle; ++k) {
        Image& foto = Image1.add(Frame2, QStringLiteral("Image1"));
        foto.setStretch(true);
        foto.move(kTesta + (k % 3) * kPasso, kTesta + (k / 3) * kPasso, kLato, kLato);
    }
    for (int i = 0; i < 6; ++i) {
        Label& t = Label3.add(Frame2, QStringLiteral("Label3"), i < 3 ? QString::number(i + 1) : QString(QChar(u'A' + i - 3)));
        if (i < 3)
            t.move(kTesta + i * kPasso, 60, kLato, 330);
        else
            t.move(60, kTesta + (i - 3) * kPasso + kLato / 2 - 180, 330, 360);
        t.setAlignment(Label::Center);
        scritta(t, 14, true);
        t.setForeColor(kBianco);
    }

    // The question's number over the written question, which shows below it
    // only when the questions are not spoken.
    Frame1.setBackColor(kSfondo);
    lblDomandiere.move(120, 120, kPannello - 240, 1140);
    lblDomandiere.setBackColor(kBlu);
    lblDomandiere.setForeColor(kBianco);
    lblDomandiere.setAlignment(Label::Center);
    lblDomandiere.setWordWrap(true);
    lblDomandiere.setFontName(QStringLiteral("Comic Sans MS"));
    lblDomandiere.setFontSize(11);
    lblDomandiere.setFontBold(true);
    lblDomandiere.setVisible(false);
    lblDomanda.move(120, 150, kPannello - 240, 420);
    lblDomanda.setAlignment(Label::Center);
    scritta(lblDomanda, 16, true);

    figura.setStretch(true);
    figura.setBorderStyle(1);
    figura.move(240, 1440, kLato, kLato);
    txtCasella.move(1980, 1440, 1920, 420);
    txtCasella.setLocked(true);
    txtCasella.setFontName(QStringLiteral("Comic Sans MS"));
    txtCasella.setFontSize(12);
    txtCasella.setFontBold(true);

    // The seconds left light up the stopwatch's dark face.
    Image& cronometro = Image1.add(Frame1, QStringLiteral("Image1"));
    cronometro.setStretch(true);
    cronometro.move(3960, 1440, 1080, 1080);
    lblOrologio.move(4080, 1740, 840, 600);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackStyle(0);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(22);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);
    lblOrologio.zOrder(0);

    // Each contestant's two keys in a column of his own, beside "VERO" and
    // "FALSO".
    Label* titoli[2] = {&Label2, &Label4};
    Label* nomi[2] = {&lblTasti1, &lblTasti2};
    Label* tasti[2][2] = {{&lblVero1, &lblFalso1}, {&lblVero2, &lblFalso2}};
    for (int c = 0; c < 2; ++c) {
        const int left = 1860 + c * 1680;
        titoli[c]->move(left, 3120, 1560, 300);
        titoli[c]->setAlignment(Label::Center);
        scritta(*titoli[c], 9, false);
        nomi[c]->move(left, 3420, 1560, 360);
        nomi[c]->setAlignment(Label::Center);
        scritta(*nomi[c], 11, true);
        nomi[c]->setForeColor(kInchiostro[c]);
        for (int r = 0; r < 2; ++r) {
            tasti[c][r]->move(left + 480, 3960 + r * 600, 600, 480);
            tasto(*tasti[c][r]);
        }
    }
    for (int r = 0; r < 2; ++r) {
        Label& o = opzione.add(Frame1, QStringLiteral("opzione"), r == 0 ? QStringLiteral("VERO") : QStringLiteral("FALSO"));
        o.move(240, 3990 + r * 600, 1500, 420);
        scritta(o, 14, true);
    }

    for (int c = 0; c < 2; ++c) {
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kColonna[c], kRigaNomi, kLarghezzaColonna, 360);
        nome.setAlignment(Label::Center);
        scritta(nome, 10, true);
        nome.setForeColor(kInchiostro[c]);
    }
    for (int q = 0; q < kDomande; ++q) {
        const int top = kRiga1 + q * kPassoRiga;
        Label& numero = Label1.add(*this, QStringLiteral("Label1"), QString::number(q + 1) + QLatin1Char(')'));
        numero.move(kTabellaLeft, top, 420, 360);
        scritta(numero, 11, true);
        for (int c = 0; c < 2; ++c) {
            Label& esito = (c == 0 ? risultato1 : risultato2).add(*this, c == 0 ? QStringLiteral("risultato1")
                                                                               : QStringLiteral("risultato2"));
            esito.move(kColonna[c], top, kLarghezzaColonna, 360);
            esito.setAlignment(Label::Center);
            scritta(esito, 11, true);
        }
    }
    const int rigaPunti = kRiga1 + kDomande * kPassoRiga + 180;
    Label6.move(kTabellaLeft - 60, rigaPunti + 60, 600, 360);
    scritta(Label6, 10, false);
    for (int c = 0; c < 2; ++c) {
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonna[c], rigaPunti, kLarghezzaColonna, 420);
        punti.setAlignment(Label::Center);
        scritta(punti, 16, true);
        punti.setForeColor(kInchiostro[c]);
    }
    for (int i = 0; i < 2; ++i) {
        Image& d = Image2.add(*this, QStringLiteral("Image2"));
        d.setStretch(true);
        d.move(kTabellaLeft + 240 + i * 1740, 4260, 1320, 1320);
    }

    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva14::caricaGioco()
{
    for (int c = 1; c <= 2; ++c) {
        lblGiocatore[c - 1].setCaption(M.strNomeConcorrente[c]);
        intPunti[c] = 0;
        lblPunti[c - 1].setCaption(QStringLiteral("0"));
    }
    lblTasti1.setCaption(M.strNomeConcorrente[1]);
    lblTasti2.setCaption(M.strNomeConcorrente[2]);
    lblVero1.setCaption(M.strSx1);
    lblFalso1.setCaption(M.strDx1);
    lblVero2.setCaption(M.strSx2);
    lblFalso2.setCaption(M.strDx2);
    if (M.strParlato.isEmpty()) {
        lblDomandiere.setVisible(true);
        lblDomanda.setForeColor(kBianco);
    }
    Frame1.setVisible(false);
    Frame2.setVisible(false);
    strRisposte.fill(QString());

    for (int n = 0; n < kFoto; ++n)
        imgFotomini[n].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("foto%1.jpg").arg(n + 1))));
    Image1[kCaselle].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("orologio.bmp"))));
    Image2[0].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("fotocamera.gif"))));
    Image2[1].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("interrogativo.gif"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    for (int i = 1; i <= kCaselle; ++i) {
        intGriglia[i] = qint16(rnd.draw(kFoto));
        Image1[i - 1].setPicture(imgFotomini[intGriglia[i] - 1].picture());
    }
    CaricaContenuti();
}

int frmProva14::vicina(int d)
{
    Random& rnd = ctx.sys.random;
    const int c = d + rnd.draw(3) - 2;
    if (c >= 1 && c <= kCaselle)
        return c;
    // Drawing the offset again until it falls inside the grid would never
    // end if the generator kept giving the same number: one more draw picks
    // between the two cells left, each as likely, as the repeated draws would.
    return (d == 1 ? 1 : kCaselle - 1) + int(rnd.rnd() * 2);
}

void frmProva14::CaricaContenuti()
{
    Random& rnd = ctx.sys.random;
    const auto volte = [this](int foto) {
        int n = 0;
        for (int i = 1; i <= kCaselle; ++i)
            n += intGriglia[i] == foto ? 1 : 0;
        return n;
    };
    const auto soluzione = [](bool vero) { return vero ? QStringLiteral("VERO") : QStringLiteral("FALSO"); };

    const auto dalPool = [&](int q, bool vero) {
        intFotoDomanda[q] = qint16(rnd.draw(kFoto));
        intCasellaDomanda[q] = 0;
        const int n = volte(intFotoDomanda[q]);
        strSoluzione[q] = soluzione(vero ? n >= 1 : n == 0);
    };
    // Questions 2 and 4 ask about the named cell, so they are judged by what
    // it holds: the same photo may fill the neighbour it names too.
    const auto dallaCasella = [&](int q, bool vero) {
        const int d = rnd.draw(kCaselle);
        intFotoDomanda[q] = intGriglia[d];
        intCasellaDomanda[q] = qint16(vicina(d));
        const bool tiene = intGriglia[intCasellaDomanda[q]] == intFotoDomanda[q];
        strSoluzione[q] = soluzione(vero ? tiene : !tiene);
    };
    dalPool(1, true);
    dallaCasella(2, true);
    dalPool(3, false);
    dallaCasella(4, false);

    const int d = rnd.draw(kCaselle);
    intFotoDomanda[5] = intGriglia[d];
    intCasellaDomanda[5] = 0;
    strSoluzione[5] = soluzione(volte(intFotoDomanda[5]) >= 2);
}

void frmProva14::avvia()
{
    const QString didascalia = cmdEsegui.caption();
    if (didascalia == QLatin1String("Inizia la prova")) {
        cmdEsegui.setEnabled(false);
        Frame2.setVisible(true);
        tmrSecondi.setEnabled(true);
        suona(nomeVariante(QStringLiteral("fotoclick"), 2), M.strEffetti);
    } else if (didascalia == QLatin1String("Avvia le domande")) {
        cmdEsegui.setEnabled(false);
        if (domande())
            DecretaVincitore();
    }
}

void frmProva14::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    Frame2.setVisible(false);
    cmdEsegui.setCaption(QStringLiteral("Avvia le domande"));
    cmdEsegui.setEnabled(true);
    cmdEsegui.setFocus();
}

bool frmProva14::domande()
{
    varDomanda = 0;
    Frame1.setVisible(true);
    for (int q = 1; q <= kDomande; ++q) {
        if (q > 1) {
            // The window keeps painting through the pause; keys in it find
            // the panel disabled and count for no question.
            Frame1.setEnabled(false);
            if (wait(ctx.sys.loop.now() + kPausa, {}) == WaitEnd::Closed)
                return false;
        }
        Frame1.setEnabled(true);
        intRisposteDate = 0;
        intRispostoEntrambi = false;
        varDomanda = q;
        lblVero1.setBackColor(kTasti1);
        lblFalso1.setBackColor(kTasti1);
        lblVero2.setBackColor(kTasti2);
        lblFalso2.setBackColor(kTasti2);
        risposta(1, q).clear();
        risposta(2, q).clear();
        lblDomanda.setCaption(QStringLiteral("Domanda ") + QString::number(q));
        lblDomandiere.setCaption(QStringLiteral("\n\n") + kTesti[q - 1]);
        txtCasella.setText(intCasellaDomanda[q] == 0 ? QString() : casella(intCasellaDomanda[q]));
        figura.setPicture(imgFotomini[intFotoDomanda[q] - 1].picture());
        suona(QStringLiteral("domandiere%1.wav").arg(q), M.strParlato);

        const FineTurno fine = CronometraTurno(kRisposta, [this] { return intRispostoEntrambi; }, lblOrologio);
        if (fine == FineTurno::Chiusa)
            return false;
        if (fine == FineTurno::Scaduto) {
            lblOrologio.setCaption(QStringLiteral("00"));
            suonaSirena();
        }
    }
    Frame1.setVisible(false);
    return true;
}

void frmProva14::tastoGioco(int& keyAscii)
{
    if (!Frame1.enabled() || varDomanda == 0)
        return;
    // The first setting that matches decides, should two be the same.
    if (tastoCorrisponde(keyAscii, M.strSx1))
        rispondi(1, QStringLiteral("VERO"));
    else if (tastoCorrisponde(keyAscii, M.strDx1))
        rispondi(1, QStringLiteral("FALSO"));
    else if (tastoCorrisponde(keyAscii, M.strSx2))
        rispondi(2, QStringLiteral("VERO"));
    else if (tastoCorrisponde(keyAscii, M.strDx2))
        rispondi(2, QStringLiteral("FALSO"));
}

void frmProva14::rispondi(int c, const QString& scelta)
{
    QString& data = risposta(c, varDomanda);
    if (!data.isEmpty())
        return;
    data = scelta;
    // Both keys go dark, so the other contestant cannot tell which was hit.
    (c == 1 ? lblVero1 : lblVero2).setBackColor(kNero);
    (c == 1 ? lblFalso1 : lblFalso2).setBackColor(kNero);
    if (++intRisposteDate == 2)
        intRispostoEntrambi = true;
}

void frmProva14::DecretaVincitore()
{
    for (int q = 1; q <= kDomande; ++q) {
        for (int c = 1; c <= 2; ++c) {
            Label& esito = (c == 1 ? risultato1 : risultato2)[q - 1];
            if (risposta(c, q) == strSoluzione[q]) {
                ++intPunti[c];
                lblPunti[c - 1].setCaption(QString::number(intPunti[c]));
                esito.setCaption(QStringLiteral("OK"));
                esito.setForeColor(kGiusta);
            } else {
                esito.setCaption(QStringLiteral("NO"));
                esito.setForeColor(kSbagliata);
            }
        }
    }
    // The grid comes back, so the contestants can check it against the
    // verdict.
    Frame2.setVisible(true);
    mmcSonoro.command(QStringLiteral("close"));
    decretaPunteggi(intPunti[1] == 0 && intPunti[2] == 0, intPunti[1], intPunti[2]);
}

}  // namespace zolmera

#include "challenges/mind/frmProva19.h"

#include "platform/format.h"
#include "records/tabella.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 10080, kAltezza = 7800;
// The two panels share one place under the scores.
constexpr int kPannelloLeft = 480, kPannelloTop = 1980, kPannelloW = 9120, kPannelloH = 4800;
// The key legend: a column of headings, then each contestant's column.
constexpr int kColonnaTitoli = 1560, kColonna1 = 3840, kColonna2 = 6000, kColonnaW = 1920;
constexpr int kRigaTasti = 3780, kPassoTasti = 480;
// The results: number, right answer, then each contestant's verdict.
constexpr int kColonnaRisposta = 1200, kColonnaEsito1 = 4440, kColonnaEsito2 = 6720, kEsitoW = 2160;
constexpr int kRigaRisultati = 1080, kPassoRisultati = 600;
constexpr quint32 kBianco = 0xFFFFFF, kFondoPannello = 0xF0FFF8, kFondoRisultati = 0xFFF4E8;

const QString kPrima = QStringLiteral("PRIMA"), kDopo = QStringLiteral("DOPO");
}  // namespace

frmProva19::frmProva19(AppContext& context)
    : ProvaCompleta(context, schedaProva(19), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label12.move(3600, 840, 1200, 300);
    Label12.setAlignment(Label::Center);
    scritta(Label12, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int top = 1140 + k * 420;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(600, top, 2880, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(3600, top, 1200, 360);
        punti.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }
    Image1.move(5040, 840, 1440, 1080);
    Image1.setStretch(true);
    lblNDom.move(6840, 840, 2640, 420);
    lblNDom.setAlignment(Label::Center);
    scritta(lblNDom, 14, true);
    lblOrologio.move(7560, 1260, 1200, 660);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBorderStyle(1);
    lblOrologio.setBackColor(0);
    lblOrologio.setForeColor(0xFFFF);
    lblOrologio.setFontName(QStringLiteral("Arial"));
    lblOrologio.setFontSize(24);
    lblOrologio.setFontBold(true);

    for (Frame* f : {&Frame1, &Frame2}) {
        f->move(kPannelloLeft, kPannelloTop, kPannelloW, kPannelloH);
        f->setBackColor(f == &Frame1 ? kFondoPannello : kFondoRisultati);
    }

    // The question reads down the green panel: the event, the fixed words,
    // the reference event, a large question mark.
    Label2.move(120, 240, kPannelloW - 240, 2700);
    Label2.setBackColor(kPannello);
    Label2.setBorderStyle(1);
    const int righe[4][2] = {{360, 720}, {1080, 360}, {1440, 720}, {2160, 720}};
    for (int i = 0; i < 2; ++i) {
        Label& evento = lblEvento.add(Frame1, QStringLiteral("lblEvento"));
        evento.move(240, righe[2 * i][0], kPannelloW - 480, righe[2 * i][1]);
        evento.setWordWrap(true);
        Label& parole = Label1.add(Frame1, QStringLiteral("Label1"),
                                   i == 0 ? QStringLiteral("è avvenuto PRIMA o DOPO") : QStringLiteral("?"));
        parole.move(240, righe[2 * i + 1][0], kPannelloW - 480, righe[2 * i + 1][1]);
        for (Label* l : {&evento, &parole}) {
            l->setAlignment(Label::Center);
            scritta(*l, l == &parole && i == 1 ? 28 : 12, true);
            l->setForeColor(kBianco);
        }
    }
    lblEvento[1].setForeColor(0xFFFF);

    const struct {
        Label* titolo;
        Label* nome;
        Label* vero;
        Label* falso;
        int left;
        quint32 colore;
    } colonne[2] = {{&Label3, &lblTasti1, &lblVero1, &lblFalso1, kColonna1, kTasti1},
                    {&Label4, &lblTasti2, &lblVero2, &lblFalso2, kColonna2, kTasti2}};
    for (int k = 0; k < 2; ++k) {
        const auto& c = colonne[k];
        c.titolo->move(c.left, 3060, kColonnaW, 300);
        scritta(*c.titolo, 9, false);
        c.nome->move(c.left, 3330, kColonnaW, 360);
        scritta(*c.nome, 11, true);
        c.nome->setForeColor(kInchiostro[k]);
        int riga = kRigaTasti;
        for (Label* tasto : {c.vero, c.falso}) {
            tasto->move(c.left + 480, riga, kColonnaW - 960, 420);
            tasto->setBorderStyle(1);
            tasto->setBackColor(c.colore);
            tasto->setFontName(QStringLiteral("Arial"));
            tasto->setFontSize(14);
            tasto->setFontBold(true);
            riga += kPassoTasti;
        }
        for (Label* l : {c.titolo, c.nome, c.vero, c.falso})
            l->setAlignment(Label::Center);
    }
    for (int i = 0; i < 2; ++i) {
        Label& titolo = opzione.add(Frame1, QStringLiteral("opzione"), i == 0 ? kPrima : kDopo);
        titolo.move(kColonnaTitoli, kRigaTasti + i * kPassoTasti, 1920, 420);
        titolo.setAlignment(Label::RightJustify);
        scritta(titolo, 14, true);
    }

    // The results panel: a heading row, one row a question, the totals.
    const struct {
        int left, width;
        QString testo;
    } intestazioni[4] = {{kColonnaEsito2, kEsitoW, {}},
                         {kColonnaEsito1, kEsitoW, {}},
                         {kColonnaRisposta, 3000, QStringLiteral("Risposte corrette")},
                         {240, 4440 - 240 - 120, QStringLiteral("N. Risposte giuste")}};
    for (int i = 0; i < 4; ++i) {
        const auto& h = intestazioni[i];
        Label& l = lblGiocatore.add(Frame2, QStringLiteral("lblGiocatore"), h.testo);
        l.move(h.left, i == 3 ? kRigaRisultati + 3 * kPassoRisultati + 240 : 360, h.width, 420);
        l.setAlignment(i == 3 ? Label::RightJustify : Label::Center);
        scritta(l, 12, true);
        if (i < 2)
            l.setForeColor(kInchiostro[1 - i]);
    }
    for (int q = 0; q < kQuesiti; ++q) {
        const int top = kRigaRisultati + q * kPassoRisultati;
        Label& numero = lblNumRisp.add(Frame2, QStringLiteral("lblNumRisp"), QStringLiteral("%1.").arg(q + 1));
        numero.move(360, top, 720, 420);
        Label& giusta = lblRispGiusta.add(Frame2, QStringLiteral("lblRispGiusta"));
        giusta.move(kColonnaRisposta, top, 3000, 420);
        Label& esito1 = lblEsito1.add(Frame2, QStringLiteral("lblEsito1"));
        esito1.move(kColonnaEsito1, top, kEsitoW, 420);
        Label& esito2 = lblEsito2.add(Frame2, QStringLiteral("lblEsito2"));
        esito2.move(kColonnaEsito2, top, kEsitoW, 420);
        for (Label* l : {&numero, &giusta, &esito1, &esito2}) {
            l->setAlignment(Label::Center);
            scritta(*l, 12, true);
        }
    }
    const int totali = kRigaRisultati + 3 * kPassoRisultati + 240;
    lblNRisp1.move(kColonnaEsito1, totali, kEsitoW, 420);
    lblNRisp2.move(kColonnaEsito2, totali, kEsitoW, 420);
    for (int k = 0; k < 2; ++k) {
        Label& l = k == 0 ? lblNRisp1 : lblNRisp2;
        l.setAlignment(Label::Center);
        scritta(l, 14, true);
        l.setForeColor(kInchiostro[k]);
    }
}

void frmProva19::CaricaContenuti()
{
    const QList<QStringList> righe = tabellaProva(QStringLiteral("primadopo"));
    for (int r = 1; r <= kRighe; ++r) {
        // A row the program lacks stays empty: its questions can only be
        // answered wrong.
        const QStringList campi = righe.value(r - 1);
        strEventi[r][1] = campi.value(kCampoRiferimento);
        for (int i = 0; i < kQuesiti; ++i) {
            strEventi[r][2 + i] = campi.value(campoEvento(i));
            strEventi[r][5 + i] = campi.value(campoRisposta(i));
        }
    }
}

void frmProva19::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblTasti1.setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    lblTasti2.setCaption(M.strNomeConcorrente[2]);
    lblVero1.setCaption(M.strSx1);
    lblFalso1.setCaption(M.strDx1);
    lblVero2.setCaption(M.strSx2);
    lblFalso2.setCaption(M.strDx2);
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("primadopo.bmp"))));

    intRisposteEsatte[1] = 0;
    intRisposteEsatte[2] = 0;
    intDomanda = 0;
    Frame1.setVisible(true);
    Frame2.setVisible(false);
    for (int k = 1; k <= 2; ++k)
        for (int q = 1; q <= kQuesiti; ++q)
            strScelte[k][q].clear();
    CaricaContenuti();

    // Each question on its own: two may share a row, or even be the same.
    Random& rnd = ctx.sys.random;
    for (int q = 1; q <= kQuesiti; ++q) {
        rnd.randomize();
        const int r = rnd.draw(kRighe);
        rnd.randomize();
        const int f = rnd.draw(3) + 1;
        strDomande[q][1] = strEventi[r][f];
        strDomande[q][2] = strEventi[r][1];
        strDomande[q][3] = strEventi[r][f + 3];
    }
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
}

void frmProva19::avvia()
{
    if (cmdEsegui.caption() != QLatin1String("Inizia la prova"))
        return;
    cmdEsegui.setEnabled(false);
    for (intDomanda = 1; intDomanda <= kQuesiti; ++intDomanda)
        if (!poniDomanda())
            return;
    ValutaTurno();
    DecretaVincitore();
}

bool frmProva19::poniDomanda()
{
    lblEvento[0].setCaption({});
    lblEvento[1].setCaption({});
    coloraTasti(1, kTasti1);
    coloraTasti(2, kTasti2);
    lblNDom.setCaption(QStringLiteral("Domanda ") + QString::number(intDomanda));
    lblOrologio.setCaption(formatDueCifre(kSecondi));
    suona(QStringLiteral("primadopo%1.wav").arg(intDomanda), M.strParlato);
    intRisposto = false;

    // The lead-in keeps the window painted and its menus working; the keys
    // typed meanwhile wait for the events to be on screen.
    fase_ = Fase::Attesa;
    tastiInAttesa_.clear();
    if (wait(ctx.sys.loop.now() + kAttesa, {}) == WaitEnd::Closed) {
        fase_ = Fase::Ferma;
        return false;
    }
    lblEvento[0].setCaption(strDomande[intDomanda][1]);
    lblEvento[1].setCaption(strDomande[intDomanda][2]);
    fase_ = Fase::Domanda;
    std::vector<int> tasti;
    tasti.swap(tastiInAttesa_);
    for (int tasto : tasti)
        registra(tasto);

    const FineTurno fine = CronometraTurno(kSecondi, [this] { return entrambi(); }, lblOrologio);
    fase_ = Fase::Ferma;
    if (fine == FineTurno::Chiusa)
        return false;
    intRisposto = entrambi();
    // Whoever has not answered keeps no answer.
    if (!intRisposto)
        suonaSirena();
    return true;
}

void frmProva19::tastoGioco(int& keyAscii)
{
    if (fase_ == Fase::Attesa)
        tastiInAttesa_.push_back(keyAscii);
    else if (fase_ == Fase::Domanda)
        registra(keyAscii);
}

void frmProva19::registra(int keyAscii)
{
    const QString tasti[4] = {M.strSx1, M.strDx1, M.strSx2, M.strDx2};
    int i = 0;
    while (i < 4 && !tastoCorrisponde(keyAscii, tasti[i]))
        ++i;
    if (i == 4)
        return;
    const int k = i / 2 + 1;
    QString& scelta = strScelte[k][intDomanda];
    if (!scelta.isEmpty())
        return;
    scelta = i % 2 == 0 ? kPrima : kDopo;
    // Both keys go dark: the other contestant sees that he has answered,
    // not what.
    coloraTasti(k, kRisposto);
}

void frmProva19::coloraTasti(int k, quint32 colore)
{
    (k == 1 ? lblVero1 : lblVero2).setBackColor(colore);
    (k == 1 ? lblFalso1 : lblFalso2).setBackColor(colore);
}

void frmProva19::ValutaTurno()
{
    lblGiocatore[3].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[2].setCaption(M.strNomeConcorrente[2]);
    Frame1.setVisible(false);
    Frame2.setVisible(true);
    for (int q = 1; q <= kQuesiti; ++q) {
        const QString& giusta = strDomande[q][3];
        lblRispGiusta[q - 1].setCaption(giusta);
        for (int k = 1; k <= 2; ++k) {
            Label& esito = (k == 1 ? lblEsito1 : lblEsito2)[q - 1];
            const bool esatta = !giusta.isEmpty() && strScelte[k][q] == giusta;
            if (esatta)
                ++intRisposteEsatte[k];
            esito.setCaption(esatta ? QStringLiteral("Si") : QStringLiteral("No"));
            esito.setForeColor(esatta ? kSi : kNo);
        }
    }
    if (intRisposteEsatte[1] == kQuesiti || intRisposteEsatte[2] == kQuesiti)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    lblPunti[0].setCaption(QString::number(intRisposteEsatte[1]));
    lblNRisp1.setCaption(QString::number(intRisposteEsatte[1]));
    lblPunti[1].setCaption(QString::number(intRisposteEsatte[2]));
    lblNRisp2.setCaption(QString::number(intRisposteEsatte[2]));
}

void frmProva19::DecretaVincitore()
{
    mmcSonoro.command(QStringLiteral("close"));
    cmdEsegui.setEnabled(true);
    const int c1 = intRisposteEsatte[1], c2 = intRisposteEsatte[2];
    decretaPunteggi(c1 == 0 && c2 == 0, c1, c2);
}

}  // namespace zolmera

#include "challenges/mind/frmProva20.h"

#include "platform/format.h"
#include "platform/text.h"
#include "records/tabella.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 9480, kAltezza = 6840;
// The names and their results under the title, the clock at the right.
constexpr int kRigaTabella = 900, kPassoTabella = 420;
// The grid: 3 lines of 12 cells.
constexpr int kGrigliaLeft = 420, kGrigliaTop = 2040, kCella = 690, kPasso = 720;
// The letter strip: 2 rows of 19 cells; letter j has cells 2j and 2j + 1.
constexpr int kRigheStriscia = 2, kColonneStriscia = 19;
}  // namespace

QList<rebus::Rebus> frasiRebus()
{
    QList<rebus::Rebus> frasi;
    for (const QStringList& riga : tabellaProva(QStringLiteral("rebus")))
        if (const auto r = rebus::componi(riga.value(0)))
            frasi << *r;
    return frasi;
}

frmProva20::frmProva20(AppContext& context)
    : ProvaCompleta(context, schedaProva(20), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.move(2640, kAltezza - 900, 4200, 600);

    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(600, top, 2880, 360);
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("60,00"));
        secondi.move(3480, top, 1200, 360);
        secondi.setAlignment(Label::Center);
        for (Label* l : {&nome, &secondi}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }
    Image1.move(5280, 840, 1080, 1080);
    Image1.setStretch(true);
    Label11.move(6720, 840, 1320, 300);
    Label11.setAlignment(Label::Center);
    scritta(Label11, 10, false);
    // The clock's red digits on a dark display.
    lblOrologio.move(6840, 1140, 1080, 720);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackColor(0x202020);
    lblOrologio.setForeColor(0x0000FF);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(24);
    lblOrologio.setFontBold(true);

    for (int i = 0; i < rebus::kCelle; ++i) {
        Image& cella = imgFrase.add(*this, QStringLiteral("imgFrase"));
        cella.move(kGrigliaLeft + (i % rebus::kColonne) * kPasso, kGrigliaTop + (i / rebus::kColonne) * kPasso, kCella,
                   kCella);
        cella.setStretch(true);
        cella.setBorderStyle(1);
    }
    PccRebus.setRows(kRigheStriscia);
    PccRebus.setCols(kColonneStriscia);
    imgAccento.setVisible(false);

    // The answer box runs the frame's width, so the longest phrase shows
    // whole as it is typed; its two buttons sit under its right end.
    Frame1.move(kGrigliaLeft, 4290, rebus::kColonne * kPasso - (kPasso - kCella), 1560);
    Frame1.setFontName(QStringLiteral("Comic Sans MS"));
    Frame1.setFontSize(12);
    Frame1.setFontBold(true);
    Label1.move(240, 480, 1200, 360);
    scritta(Label1, 11, true);
    txtRispRebus.move(1440, 420, 6960, 420);
    txtRispRebus.setFontName(QStringLiteral("Arial"));
    txtRispRebus.setFontSize(12);
    txtRispRebus.setFontBold(true);
    cmdConferma.move(5940, 960, 1200, 480);
    cmdCancella.move(7200, 960, 1200, 480);
    for (CommandButton* b : {&cmdConferma, &cmdCancella}) {
        b->setFontName(QStringLiteral("Comic Sans MS"));
        b->setFontSize(10);
        b->setFontBold(true);
    }
    cmdConferma.Click = [this] { cmdConferma_Click(); };
    cmdCancella.Click = [this] { cmdCancella_Click(); };
}

void frmProva20::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    intEsatte.fill(0);
    varTurno = 0;
    Frame1.setVisible(true);
    Frame1.setEnabled(false);
    dblTempoResiduo.fill(kTurno);
    strFrasiRebus = frasiRebus();
    PccRebus.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("rebus.bmp"))));
    imgAccento.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("apostrofo.bmp"))));
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("lente.jpg"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varTurnoDi = rnd.draw(2);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova ") + M.strNomeConcorrente[varTurnoDi].str());
}

void frmProva20::avvia()
{
    if (varTurno >= 2)
        return;
    Frame1.setEnabled(true);
    txtRispRebus.setFocus();
    ++varTurno;
    cmdEsegui.setEnabled(false);
    intConfermato = false;
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    // Each turn draws afresh: both contestants may meet the same phrase.
    intFrase = rnd.draw(int(strFrasiRebus.size()));
    const rebus::Rebus frase = strFrasiRebus.value(intFrase - 1);
    Frame1.setCaption(frase.suggerimento);
    PreparaTurno();

    inTurno_ = true;
    const FineTurno fine = CronometraTurno(kTurno, [this] { return intConfermato; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    inTurno_ = false;
    dblResiduo = varResiduo();

    txtRispRebus.setText({});
    Frame1.setCaption({});
    svuotaGriglia();
    Frame1.setEnabled(false);
    dblTempoResiduo[varTurnoDi] = dblResiduo;
    Label& risultato = lblSecondi[varTurnoDi - 1];
    if (!intConfermato) {
        dblTempoResiduo[varTurnoDi] = 0;
        intEsatte[varTurnoDi] = 0;
        risultato.setCaption(QStringLiteral("N.C."));
        suonaSirena();
    } else if (!frase.risposta.isEmpty() && strRisposta == frase.risposta) {
        intEsatte[varTurnoDi] = 1;
        risultato.setCaption(formatSecondi(dblTempoResiduo[varTurnoDi]));
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    } else {
        intEsatte[varTurnoDi] = 0;
        risultato.setCaption(QStringLiteral("N.C."));
    }

    if (varTurno == 1) {
        varTurnoDi = 3 - varTurnoDi;
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varTurnoDi].str());
        cmdEsegui.setEnabled(true);
    } else {
        DecretaVincitore();
    }
}

void frmProva20::cmdConferma_Click()
{
    // Only the running turn takes an answer: none may reach a verdict.
    if (!inTurno_)
        return;
    intConfermato = true;
    strRisposta = vbUCase(vbTrim(txtRispRebus.text()));
}

void frmProva20::cmdCancella_Click()
{
    txtRispRebus.setText({});
    // Back to the box, so the contestant types again without a click.
    txtRispRebus.setFocus();
}

void frmProva20::PreparaTurno()
{
    const QString griglia = strFrasiRebus.value(intFrase - 1).griglia;
    Random& rnd = ctx.sys.random;
    for (int i = 0; i < rebus::kCelle; ++i) {
        const QChar c = i < griglia.size() ? griglia.at(i) : QLatin1Char(' ');
        const int j = rebus::indiceLettera(c);
        if (c == rebus::kApostrofo) {
            imgFrase[i].setPicture(imgAccento.picture());
        } else if (j < 0) {
            imgFrase[i].setPicture({});
        } else {
            // Each letter has two drawings, and a letter met twice may show both.
            rnd.randomize();
            imgFrase[i].setPicture(PccRebus.graphicCell(2 * j + int(rnd.rnd() * 2)));
        }
    }
}

void frmProva20::svuotaGriglia()
{
    for (int i = 0; i < rebus::kCelle; ++i)
        imgFrase[i].setPicture({});
}

void frmProva20::DecretaVincitore()
{
    mmcSonoro.command(QStringLiteral("close"));
    decretaPunteggi(intEsatte[1] == 0 && intEsatte[2] == 0, intEsatte[1], intEsatte[2], dblTempoResiduo[1],
                    dblTempoResiduo[2]);
}

}  // namespace zolmera

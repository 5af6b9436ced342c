#include "challenges/action/frmProva13.h"

#include "challenges/action/corsa.h"

#include <cmath>
#include <cstdlib>

namespace zolmera {

namespace {
// Each kick key: the ball's sideways step per tick and the tick's length.
// The wider the shot, the slower it flies, so every kick reaches the
// keeper's line in time for a dive.
struct Tiro {
    int deviazione;
    int intervalloMs;
};
constexpr Tiro kTiri[5] = {{-480, 150}, {-240, 100}, {0, 50}, {240, 100}, {480, 150}};

// The ball climbs this much a tick towards the goal.
constexpr int kAvanzamento = -480;
// Side of the ball and of the figures: closer than this, they touch.
constexpr int kLato = 612;
// Below this line the ball is past the keeper; at or above the next, in goal.
constexpr int kLineaParata = 1200, kLineaPorta = 600;

// The pitch, and the scoreboard over it: a row a contestant.
constexpr int kCampoLeft = 120, kCampoTop = 2160, kCampoW = 7812, kCampoH = 4572;
constexpr int kTesta = 780, kRiga1 = 1140, kRiga = 480;
constexpr int kIcona = 240, kNome = 720, kReti = 3960, kTiriPresi = 4560, kTasti = 5880, kTasto = 420;
constexpr quint32 kErba = 0xC000, kBianco = 0xFFFFFF;

void tasto(Label& l, quint32 colore)
{
    l.setAlignment(Label::Center);
    l.setBorderStyle(1);
    l.setBackColor(colore);
    l.setFontName(QStringLiteral("Arial"));
    l.setFontSize(9);
    l.setFontBold(true);
}
}  // namespace

frmProva13::frmProva13(AppContext& context)
    : ProvaCompleta(context, schedaProva(13), kCampoLeft + kCampoW + 120, kCampoTop + kCampoH + 1140)
{
    // Enter hands the verdict back like a click.
    setDefaultButton(&cmdEsegui);
    Frame1.move(kCampoLeft, kCampoTop, kCampoW, kCampoH);
    Frame1.setBackColor(kErba);
    Frame1.setEnabled(false);
    Image4.setStretch(true);
    Image4.move(120, 120, 7596, 1380);
    for (Image* figura : {&cane, &coniglio, &pallone}) {
        figura->setStretch(true);
        figura->setWidth(kLato);
        figura->setHeight(kLato);
    }
    pallone.move(kPalloneLeft, kPalloneTop);

    // The kicker's legend in the bottom left corner, clear of every flight.
    Label5.move(240, 2640, 1920, 300);
    scritta(Label5, 10, true);
    Label5.setForeColor(kBianco);
    Label* tasti[5] = {&Label26, &Label25, &Label24, &Label23, &Label22};
    Label* leggende[5] = {&Label21, &Label20, &Label19, &Label18, &Label17};
    for (int i = 0; i < 5; ++i) {
        const int y = 2960 + i * 300;
        tasti[i]->move(240, y, 300, 250);
        tasto(*tasti[i], kBianco);
        leggende[i]->move(660, y, 1920, 250);
        scritta(*leggende[i], 9, false);
        leggende[i]->setForeColor(kBianco);
    }

    Image* icone[2] = {&Image3, &Image1};
    Label* portiere[2][2] = {{&Label2, &Label3}, {&Label6, &Label7}};
    for (int k = 0; k < 2; ++k) {
        const int y = kRiga1 + k * kRiga;
        icone[k]->setStretch(true);
        icone[k]->move(kIcona, y, 372, 372);

        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kNome, y, 3120, 420);
        scritta(nome, 14, true);
        nome.setForeColor(kInchiostro[k]);

        Label& reti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        reti.move(kReti, y, 540, 420);
        reti.setAlignment(Label::RightJustify);
        scritta(reti, 14, true);

        Label& presi = Label1.add(*this, QStringLiteral("Label1"), QStringLiteral("/ 0"));
        presi.move(kTiriPresi, y, 840, 420);
        scritta(presi, 14, false);

        for (int i = 0; i < 2; ++i) {
            portiere[k][i]->move(kTasti + i * 600, y, kTasto, 360);
            tasto(*portiere[k][i], kColoreTasti[k]);
        }
    }
    Label12.move(kReti, kTesta, 1440, 300);
    Label4.move(kTasti - 240, kTesta, 1500, 300);
    for (Label* testa : {&Label12, &Label4}) {
        testa->setAlignment(Label::Center);
        scritta(*testa, 10, false);
    }

    tmrPausa.Tick = [this] { tmrPausa_Timer(); };
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva13::caricaGioco()
{
    Label2.setCaption(QStringLiteral("A"));
    Label3.setCaption(QStringLiteral("D"));
    Label6.setCaption(QStringLiteral("J"));
    Label7.setCaption(QStringLiteral("L"));
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    caricaAnimali(*this, cane, Image3, coniglio, Image1);
    Image4.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("porta.gif"))));
    pallone.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("pallone.gif"))));

    ctx.sys.random.randomize();
    varRigorista = int(2 * ctx.sys.random.rnd() + 1);
    schiera();
    intReti[0] = 0;
    intReti[1] = 0;
    varTiri = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varRigorista].str());
}

void frmProva13::schiera()
{
    Image& rigorista = varRigorista == 1 ? cane : coniglio;
    portiere().move(kPortiereLeft, kPortiereTop);
    rigorista.move(kRigoristaLeft, kRigoristaTop);
}

void frmProva13::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    cmdEsegui.setCaption(QStringLiteral("Tira ") + M.strNomeConcorrente[varRigorista].str());
    tmrPausa.setEnabled(true);
}

void frmProva13::tmrPausa_Timer()
{
    suona(QStringLiteral("fischio.wav"), M.strEffetti);
    tmrPausa.setEnabled(false);
}

void frmProva13::tastoGioco(int& keyAscii)
{
    switch (keyAscii) {
    case 'A':
    case 'a':
        spostaPortiere(2, -kPassoPortiere);
        break;
    case 'D':
    case 'd':
        spostaPortiere(2, kPassoPortiere);
        break;
    case 'J':
    case 'j':
        spostaPortiere(1, -kPassoPortiere);
        break;
    case 'L':
    case 'l':
        spostaPortiere(1, kPassoPortiere);
        break;
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
        // Only once the whistle has blown, and only one ball at a time.
        if (!tmrPausa.enabled() && !tmrSecondi.enabled())
            tira(keyAscii - '0');
        break;
    default:
        break;
    }
}

void frmProva13::spostaPortiere(int rigorista, int passo)
{
    // A contestant's letters move him only while the other one kicks.
    if (varRigorista != rigorista)
        return;
    Image& figura = portiere();
    if (passo < 0 ? figura.left() > kPortiereMin : figura.left() < kPortiereMax)
        figura.setLeft(figura.left() + passo);
}

void frmProva13::tira(int tasto)
{
    const Tiro& tiro = kTiri[tasto - 1];
    varAvanzamento = kAvanzamento;
    intDeviazione = qint16(tiro.deviazione);
    tmrSecondi.setInterval(tiro.intervalloMs);
    tmrSecondi.setEnabled(true);
}

void frmProva13::tmrSecondi_Timer()
{
    const Image& chiPara = portiere();
    const double orizzontale = std::abs(double(pallone.left()) - chiPara.left());
    const int verticale = std::abs(pallone.top() - chiPara.top());
    if (verticale <= kLato && orizzontale <= kLato && pallone.top() >= kLineaParata) {
        tmrSecondi.setEnabled(false);
        suona(QStringLiteral("boo.wav"), M.strEffetti);
        fineTiro();
        return;
    }
    if (pallone.top() > kLineaPorta) {
        pallone.setTop(pallone.top() + varAvanzamento);
        pallone.setLeft(pallone.left() + intDeviazione);
        return;
    }
    tmrSecondi.setEnabled(false);
    suona(QStringLiteral("ola.wav"), M.strEffetti);
    const int k = varRigorista - 1;
    ++intReti[k];
    lblPunti[k].setCaption(QString::number(intReti[k]));
    fineTiro();
}

void frmProva13::fineTiro()
{
    ++varTiri;
    // Kicks alternate, so each has taken half of them, the first kicker the
    // odd one.
    Label1[varRigorista - 1].setCaption(QStringLiteral("/ ") + QString::number(int(varTiri / 2.0 + 0.5)));
    const int scarto = std::abs(intReti[0] - intReti[1]);
    // A lead of 3 with four or three kicks left, or of 2 with two or one
    // left, ends the game early.
    const bool decisa = varTiri >= 10 || ((varTiri == 6 || varTiri == 7) && scarto >= 3)
                        || ((varTiri == 8 || varTiri == 9) && scarto >= 2);
    if (decisa)
        DecretaVincitore();
    else
        PreparaTurno();
}

void frmProva13::PreparaTurno()
{
    pallone.move(kPalloneLeft, kPalloneTop);
    varRigorista = varRigorista == 2 ? 1 : 2;
    schiera();
    cmdEsegui.setCaption(QStringLiteral("Tira ") + M.strNomeConcorrente[varRigorista].str());
    tmrPausa.setEnabled(true);
}

void frmProva13::DecretaVincitore()
{
    decretaPunteggi(intReti[0] == 0 && intReti[1] == 0, intReti[0], intReti[1]);
}

}  // namespace zolmera

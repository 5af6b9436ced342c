#include "challenges/action/frmProva1.h"

#include "platform/format.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 6492, kAltezza = 5640;
// The score table over the field: names, rows crossed, time left.
constexpr int kColonnaPunti = 2760, kColonnaTempo = 3840, kRigaTabella = 1200, kPassoTabella = 420;
constexpr int kRighe = 10, kTurno = 30;
// From row 7 on a mine costs more than a blast: the contestant says so.
constexpr int kUltimaRigaEsplosione = 6;

}  // namespace

frmProva1::frmProva1(AppContext& context)
    : ProvaCompleta(context, schedaProva(1), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Frame1.move(120, 2160, 6252, 2412);
    Frame1.setBackColor(0xE0E0E0);
    Frame1.setEnabled(false);
    for (int n = 1; n <= kRighe; ++n) {
        for (int i = 0; i < 3; ++i) {
            Label& cella = riga(n).add(Frame1, QStringLiteral("Label%1").arg(n));
            cella.move(120 + 600 * (n - 1), 480 + 600 * i, 612, 612);
            cella.setBorderStyle(1);
            cella.setBackColor(kSpenta);
            cella.Click = [this, n, i] { Label_Click(n, i); };
        }
    }
    scritta(Label13, 10, true);
    scritta(Label14, 10, true);
    Label13.move(60, 150, 1200, 300);
    Label14.move(4992, 150, 1200, 300);
    Label14.setAlignment(Label::RightJustify);

    Label12.move(kColonnaPunti, 840, 960, 300);
    Label11.move(kColonnaTempo, 840, 1200, 300);
    for (Label* l : {&Label12, &Label11}) {
        l->setAlignment(Label::Center);
        scritta(*l, 10, false);
    }
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(120, top, 2520, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, 960, 360);
        punti.setAlignment(Label::Center);
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("30,00"));
        secondi.move(kColonnaTempo, top, 1200, 360);
        secondi.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti, &secondi}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }

    // The clock's digits light up the dark display of its panel.
    Image1.move(5160, 900, 1212, 1080);
    Image1.setStretch(true);
    lblOrologio.move(5310, 1080, 912, 720);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackStyle(0);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(24);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);
    lblOrologio.zOrder(0);

    tmrPausa.Tick = [this] { tmrPausa_Timer(); };
}

void frmProva1::caricaGioco()
{
    intRighe.fill(0);
    intTurno = 0;
    dblTempo.fill(30);
    Frame1.setEnabled(false);
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("orologio.bmp"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varGiocatore = rnd.draw(2);
    nuovoCampo();
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varGiocatore].str());
    abilitaRiga(1, false);
    PreparaTurno();
}

void frmProva1::nuovoCampo()
{
    Random& rnd = ctx.sys.random;
    for (int n = 1; n <= kRighe; ++n) {
        rnd.randomize();
        intCasellaSicura[n] = int(rnd.rnd() * 3);
    }
}

void frmProva1::abilitaRiga(int n, bool on)
{
    for (int i = 0; i < 3; ++i)
        riga(n)[i].setEnabled(on);
}

void frmProva1::mostraTempi()
{
    lblSecondi[0].setCaption(formatSecondi(dblTempo[1]));
    lblSecondi[1].setCaption(formatSecondi(dblTempo[2]));
}

void frmProva1::avvia()
{
    Frame1.setEnabled(true);
    abilitaRiga(1, true);
    cmdEsegui.setEnabled(false);
    ++intTurno;
    dblTempo[varGiocatore] = 30;
    inCorsa_ = true;
    const FineTurno fine = CronometraTurno(kTurno, [this] { return intRighe[varGiocatore] >= kRighe; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    inCorsa_ = false;
    // A pause still running would reset the next contestant's field under
    // his first clicks; the reset below stands for it.
    tmrPausa.setEnabled(false);

    mostraTempi();
    if (fine == FineTurno::Scaduto && intRighe[varGiocatore] < kRighe)
        suonaSirena();
    nuovoCampo();
    abilitaRiga(1, false);
    if (intTurno == 1) {
        varGiocatore = 3 - varGiocatore;
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varGiocatore].str());
        cmdEsegui.setEnabled(true);
        Frame1.setEnabled(true);
    } else {
        DecretaVincitore();
        cmdEsegui.setEnabled(true);
        Frame1.setEnabled(false);
    }
    PreparaTurno();
}

void frmProva1::Label_Click(int n, int Index)
{
    // Nothing counts outside a turn, once the field is crossed, or while a
    // mine still shows: the contestant is on his way back to the start.
    if (!inCorsa_ || intRighe[varGiocatore] >= kRighe || tmrPausa.enabled())
        return;
    Label& cella = riga(n)[Index];
    if (Index != intCasellaSicura[n]) {
        cella.setBackColor(kMina);
        if (n <= kUltimaRigaEsplosione)
            suona(QStringLiteral("esplosione.wav"), M.strEffetti);
        else
            suona(QStringLiteral("nooo.wav"), M.strParlato);
        tmrPausa.setEnabled(true);
        return;
    }
    cella.setBackColor(kSicura);
    if (intRighe[varGiocatore] < n) {
        intRighe[varGiocatore] = n;
        dblTempo[varGiocatore] = varResiduo();
        lblPunti[varGiocatore - 1].setCaption(QString::number(n));
    }
    if (n < kRighe)
        abilitaRiga(n + 1, true);
    else
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
}

void frmProva1::tmrPausa_Timer()
{
    tmrPausa.setEnabled(false);
    PreparaTurno();
}

void frmProva1::PreparaTurno()
{
    for (int n = 1; n <= kRighe; ++n) {
        for (int i = 0; i < 3; ++i)
            riga(n)[i].setBackColor(kSpenta);
        if (n > 1)
            abilitaRiga(n, false);
    }
}

void frmProva1::DecretaVincitore()
{
    const bool nulla = intRighe[1] < 5 && intRighe[2] < 5;
    if (!nulla && intRighe[1] == intRighe[2])
        mostraTempi();
    decretaPunteggi(nulla, intRighe[1], intRighe[2], dblTempo[1], dblTempo[2]);
}

}  // namespace zolmera

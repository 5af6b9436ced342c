#include "challenges/mind/frmProva2.h"

namespace zolmera {

namespace {
constexpr int kLarghezza = 6240, kAltezza = 7560;
constexpr int kCarta = 1080, kSpazio = 120, kMargine = 240;
constexpr int kLatoGriglia = 2 * kMargine + 3 * kCarta + 2 * kSpazio;
constexpr int kRigaTabella = 1260, kPassoTabella = 540;
constexpr int kColonnaPunti = 3000, kColonnaFerma = 4200;
// Under 10 a sum wins only against one that went bust.
constexpr int kMinimo = 10;
// A dealer stuck on taken numbers (a generator that keeps answering the
// same) gives up drawing after this many tries and takes the next free one.
constexpr int kTentativi = 100;
}  // namespace

frmProva2::frmProva2(AppContext& context)
    : ProvaCompleta(context, schedaProva(2), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label12.move(kColonnaPunti, kRigaTabella - 420, 960, 360);
    Label12.setAlignment(Label::Center);
    scritta(Label12, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        const quint32 inchiostro = kInchiostro[k];
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(240, top, 2640, 420);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, 960, 420);
        punti.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti}) {
            scritta(*l, 14, true);
            l->setForeColor(inchiostro);
        }
        CommandButton& ferma = cmdFerma.add(*this, QStringLiteral("cmdFerma"), QStringLiteral("Stop"));
        ferma.move(kColonnaFerma, top, 1680, 420);
        ferma.setBackColor(kFerma);
        ferma.setFontName(QStringLiteral("Comic Sans MS"));
        ferma.setFontSize(11);
        ferma.setFontBold(true);
        ferma.setEnabled(false);
        ferma.Click = [this, k] { cmdFerma_Click(k); };
    }

    Frame1.move((kLarghezza - kLatoGriglia) / 2, kRigaTabella + 2 * kPassoTabella + 120, kLatoGriglia, kLatoGriglia);
    Frame1.setBackColor(0x5A3A1E);
    Frame1.setEnabled(false);
    for (int i = 0; i < 9; ++i) {
        Label& carta = Label1.add(Frame1, QStringLiteral("Label1"));
        carta.move(kMargine + (i % 3) * (kCarta + kSpazio), kMargine + (i / 3) * (kCarta + kSpazio), kCarta, kCarta);
        carta.setBorderStyle(1);
        carta.setAlignment(Label::Center);
        carta.setBackColor(kCoperta);
        carta.setForeColor(0x400000);
        carta.setFontName(QStringLiteral("Book Antiqua"));
        carta.setFontSize(36);
        carta.setFontBold(true);
        carta.Click = [this, i] { Label1_Click(i); };
    }
}

void frmProva2::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    intTurnoDi = rnd.draw(2);
    for (int k = 1; k <= 2; ++k)
        cmdFerma[k - 1].setToolTipText(M.strNomeConcorrente[k].str() + QStringLiteral(" premi QUI per fermarti"));
    mescola();
    intSomma.fill(0);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[intTurnoDi].str());
}

void frmProva2::mescola()
{
    VbArray<int, 1, 9> mucchio;
    for (int k = 1; k <= 9; ++k)
        mucchio[k] = k;
    Random& rnd = ctx.sys.random;
    for (int i = 1; i <= 9; ++i) {
        // One reseed per card: a rejected draw is followed by the generator's
        // next number, so a retry never waits on the clock to move.
        rnd.randomize();
        int k = rnd.draw(9);
        for (int tentativo = 1; mucchio[k] == 0 && tentativo < kTentativi; ++tentativo)
            k = rnd.draw(9);
        while (mucchio[k] == 0)
            k = k % 9 + 1;
        intMazzo[i] = mucchio[k];
        mucchio[k] = 0;
    }
}

void frmProva2::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    cmdFerma[0].setEnabled(true);
    cmdFerma[1].setEnabled(true);
}

void frmProva2::Label1_Click(int Index)
{
    // Whoever holds the mouse, a card goes to the contestant whose turn it is.
    Label& carta = Label1[Index];
    if (!inGioco() || carta.backColor() != kCoperta)
        return;
    const int numero = intMazzo[Index + 1];
    carta.setBackColor(kScoperta);
    carta.setCaption(QString::number(numero));
    intSomma[intTurnoDi] += numero;
    lblPunti[intTurnoDi - 1].setCaption(QString::number(intSomma[intTurnoDi]));
    suona(nomeVariante(QStringLiteral("vetro"), 2), M.strEffetti);
    PassaTurno();
}

void frmProva2::cmdFerma_Click(int Index)
{
    if (!inGioco() || Index + 1 != intTurnoDi || fermo(Index + 1))
        return;
    cmdFerma[Index].setEnabled(false);
    suona(QStringLiteral("stop.wav"), M.strEffetti);
    PassaTurno();
}

void frmProva2::PassaTurno()
{
    const int altro = 3 - intTurnoDi;
    if (!fermo(altro))
        intTurnoDi = altro;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[intTurnoDi].str());
    if (fermo(1) && fermo(2)) {
        DecretaVincitore();
    } else if (intSomma[1] >= kTetto || intSomma[2] >= kTetto) {
        cmdFerma[0].setEnabled(false);
        cmdFerma[1].setEnabled(false);
        DecretaVincitore();
    }
}

void frmProva2::DecretaVincitore()
{
    const int s1 = intSomma[1], s2 = intSomma[2];
    mmcSonoro.command(QStringLiteral("close"));
    Frame1.setEnabled(false);
    if (s1 < kMinimo && s2 < kMinimo)
        decretaNulla();
    else if (s1 == s2)
        decretaParita();   // both from 10 to 15: the game ends at the first sum of 15 or more
    else if (s1 <= kTetto && (s2 < s1 || s2 > kTetto))
        decretaVincita(1);
    else
        decretaVincita(2);
}

}  // namespace zolmera

#include "challenges/mind/frmProvaExtra.h"

namespace zolmera {

namespace {
const QString kPortate[3] = {QStringLiteral("slot_formaggio.gif"), QStringLiteral("slot_torta.gif"),
                             QStringLiteral("slot_anguria.gif")};
// The reels are as big as the course pictures (120 pixels), side by side in
// the machine, with the pull button under them.
constexpr int kRullo = 1800, kSpazio = 240, kMacchinaLeft = 600, kMacchinaTop = 1500;
constexpr int kMacchinaW = 3 * kRullo + 4 * kSpazio, kMacchinaH = kRullo + 1260;
constexpr int kLarghezza = kMacchinaW + 2 * kMacchinaLeft, kAltezza = kMacchinaTop + kMacchinaH + 2040;
constexpr quint32 kCassa = 0x404080, kNome = 0x0040C0;
}  // namespace

frmProvaExtra::frmProvaExtra(AppContext& context)
    : ProvaCompleta(context, schedaExtra(), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
    nome.move(kMacchinaLeft, 840, kMacchinaW, 480);
    nome.setAlignment(Label::Center);
    scritta(nome, 16, true);
    nome.setForeColor(kNome);

    Frame1.move(kMacchinaLeft, kMacchinaTop, kMacchinaW, kMacchinaH);
    Frame1.setBackColor(kCassa);
    Frame1.setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        PictureBox& rullo = figura.add(Frame1, QStringLiteral("figura"));
        rullo.move(kSpazio + i * (kRullo + kSpazio), kSpazio, kRullo, kRullo);
        rullo.setBorderStyle(1);
        rullo.setBackColor(kColori[i]);
        Image& portata = imgPiet.add(*this, QStringLiteral("imgPiet"));
        portata.setVisible(false);
    }
    cmdPremi.move((kMacchinaW - 1800) / 2, kSpazio + kRullo + 300, 1800, 600);
    cmdPremi.setBackColor(kGiallo);
    cmdPremi.setFontName(QStringLiteral("Comic Sans MS"));
    cmdPremi.setFontSize(14);
    cmdPremi.setFontBold(true);
    cmdPremi.Click = [this] { cmdPremi_Click(); };

    const int sotto = kMacchinaTop + kMacchinaH + 180;
    Label& crediti = lblPunti.add(*this, QStringLiteral("lblPunti"), QString::number(kCrediti));
    crediti.move(kLarghezza / 2 - 1200, sotto, 1080, 540);
    crediti.setAlignment(Label::RightJustify);
    scritta(crediti, 20, true);
    Label12.move(kLarghezza / 2, sotto + 120, 1440, 420);
    scritta(Label12, 12, false);

    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProvaExtra::caricaGioco()
{
    // The one without the whole menu plays.
    varGiocatore = M.bytMenuCompleto == 1 ? 2 : 1;
    lblGiocatore[0].setCaption(M.strNomeConcorrente[varGiocatore]);
    for (int i = 0; i < 3; ++i) {
        imgPiet[i].setPicture(ctx.sys.pictures.load(immagine(kPortate[i])));
        figura[i].setPicture(imgPiet[i].picture());
        figura[i].setBackColor(kColori[i]);
    }
    varCrediti = kCrediti;
    lblPunti[0].setCaption(QString::number(varCrediti));
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
}

void frmProvaExtra::avvia()
{
    if (cmdEsegui.caption() != QLatin1String("Inizia la prova"))
        return;
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    cmdPremi.setFocus();
}

void frmProvaExtra::cmdPremi_Click()
{
    // One pull at a time, and none once the game is decided.
    if (!inGioco() || tmrSecondi.enabled() || varCrediti <= 0)
        return;
    suona(QStringLiteral("rullo.wav"), M.strEffetti);
    cmdPremi.setEnabled(false);
    // The credit goes as the lever is pulled, not when the reels stop.
    --varCrediti;
    lblPunti[0].setCaption(QString::number(varCrediti));
    varScatti = 0;
    tmrSecondi.setEnabled(true);
}

void frmProvaExtra::tmrSecondi_Timer()
{
    ++varScatti;
    for (int i = 0; i < 3; ++i) {
        ctx.sys.random.randomize();
        const int v = ctx.sys.random.draw(3);
        intRulli[i] = qint16(v);
        figura[i].setPicture(imgPiet[v - 1].picture());
        figura[i].setBackColor(kColori[v - 1]);
    }
    if (varScatti < kScattiPerGiro)
        return;
    tmrSecondi.setEnabled(false);
    DecretaVincitore();
}

void frmProvaExtra::DecretaVincitore()
{
    mmcSonoro.command(QStringLiteral("Close"));
    if (intRulli[0] == intRulli[1] && intRulli[1] == intRulli[2]) {
        Frame1.setEnabled(false);
        decretaVincita(varGiocatore);
    } else if (varCrediti > 0) {
        cmdPremi.setEnabled(true);
        cmdPremi.setFocus();
        suona(QStringLiteral("no.wav"), M.strParlato);
    } else {
        // The reels keep their faces and the lever stays down.
        decretaNulla();
    }
}

}  // namespace zolmera

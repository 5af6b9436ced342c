#include "challenges/mind/frmProva7.h"

#include "challenges/base/estrazione.h"

namespace zolmera {

namespace {
// The faces of imgMemo(0) to imgMemo(7): seven dishes, then the single card.
const QString kFacce[8] = {QStringLiteral("memo1.gif"), QStringLiteral("memo2.gif"), QStringLiteral("memo3.gif"),
                           QStringLiteral("memo4.gif"), QStringLiteral("memo5.gif"), QStringLiteral("memo6.gif"),
                           QStringLiteral("memo7.gif"), QStringLiteral("memo8.gif")};
constexpr int kLarghezza = 8400, kAltezza = 7320;
constexpr int kLato = 1080, kSpazio = 120;
constexpr int kLarghezzaTavolo = 5 * kLato + 6 * kSpazio, kAltezzaTavolo = 3 * kLato + 4 * kSpazio;
// The score table over the cards: names, then points.
constexpr int kColonnaPunti = 5400, kRigaTabella = 1260, kPassoTabella = 420;
}  // namespace

frmProva7::frmProva7(AppContext& context)
    : ProvaCompleta(context, schedaProva(7), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.setToolTipText(QStringLiteral("PREMI QUI per continuare"));

    Label12.move(kColonnaPunti, 840, 1200, 360);
    Label12.setAlignment(Label::Center);
    scritta(Label12, 10, false);
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(1140, top, 3960, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, 1200, 360);
        punti.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }

    Frame1.move((kLarghezza - kLarghezzaTavolo) / 2, 2160, kLarghezzaTavolo, kAltezzaTavolo);
    Frame1.setBackColor(0x2E6B2E);
    Frame1.setEnabled(false);
    for (int i = 0; i < kPosti; ++i) {
        const int left = kSpazio + (i % kColonne) * (kLato + kSpazio);
        const int top = kSpazio + (i / kColonne) * (kLato + kSpazio);
        Image& faccia = Image1.add(Frame1, QStringLiteral("Image1"));
        faccia.setVisible(false);
        Image& coperta = ImgCop.add(Frame1, QStringLiteral("ImgCop"));
        coperta.Click = [this, i] { ImgCop_Click(i); };
        for (Image* img : {&faccia, &coperta}) {
            img->setStretch(true);
            img->move(left, top, kLato, kLato);
        }
        coperta.zOrder(0);
    }
    for (int n = 0; n < 8; ++n) {
        Image& memo = imgMemo.add(*this, QStringLiteral("imgMemo"));
        memo.setVisible(false);
    }
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva7::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varGiocatore = rnd.draw(2);
    intPunti[1] = 0;
    intPunti[2] = 0;
    for (int r = 1; r <= kPosti; ++r) {
        // Cards r and r + 1 (r odd) are a pair of dish (r - 1) / 2, coded r;
        // the fifteenth is the single card.
        Carte[r].faccia = QString::number((r - 1) / 2);
        Carte[r].coppia = qint16(r == kPosti ? 0 : r - (r + 1) % 2);
    }
    for (int n = 0; n < 8; ++n)
        imgMemo[n].setPicture(ctx.sys.pictures.load(immagine(kFacce[n])));
    const QPixmap coperta = ctx.sys.pictures.load(immagine(QStringLiteral("memo_coperta.gif")));
    for (int i = 0; i < kPosti; ++i)
        ImgCop[i].setPicture(coperta);
    distribuisci();
    intScoperte = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varGiocatore].str());
}

void frmProva7::distribuisci()
{
    Random& rnd = ctx.sys.random;
    for (int i = 0; i < kPosti; ++i) {
        const int r = estraiLibera(rnd, kPosti, [this](int c) { return !Carte[c].faccia.isEmpty(); });
        Image1[i].setPicture(imgMemo[Carte[r].faccia.toInt()].picture());
        intCoppia[i] = Carte[r].coppia;
        Carte[r].faccia.clear();
    }
}

void frmProva7::avvia()
{
    Frame1.setEnabled(true);
    cmdEsegui.setEnabled(false);
}

void frmProva7::ImgCop_Click(int Index)
{
    if (!inGioco())
        return;
    suona(QStringLiteral("ding.wav"), M.strEffetti);
    // During the pause the two cards of the miss are still being shown.
    if (tmrSecondi.enabled() || !ImgCop[Index].visible())
        return;
    ++intScoperte;
    ImgCop[Index].setVisible(false);
    Image1[Index].setVisible(true);
    intScelte[intScoperte] = qint16(Index);
    if (intCoppia[Index] == 0 || intScoperte == 2)
        ValutaTurno();
}

void frmProva7::segna(int c, int punti)
{
    intPunti[c] = qint16(intPunti[c] + punti);
    lblPunti[c - 1].setCaption(QString::number(intPunti[c]));
    intScoperte = 0;
}

void frmProva7::ValutaTurno()
{
    const int i = intScelte[intScoperte];
    const int c = varGiocatore;
    if (intCoppia[i] == 0) {
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
        // The first card of the turn goes back into play.
        if (intScoperte == 2)
            ImgCop[intScelte[1]].setVisible(true);
        segna(c, 2);
    } else if (intCoppia[intScelte[1]] == intCoppia[intScelte[2]]) {
        suona(QStringLiteral("si.wav"), M.strParlato);
        segna(c, 1);
    } else {
        intScoperte = 0;
        suona(QStringLiteral("no.wav"), M.strParlato);
        tmrSecondi.setEnabled(true);
        return;
    }
    if (intPunti[c] >= kPuntiVincenti)
        DecretaVincitore();
}

void frmProva7::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    ImgCop[intScelte[1]].setVisible(true);
    ImgCop[intScelte[2]].setVisible(true);
    varGiocatore = 3 - varGiocatore;
    cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varGiocatore].str());
}

void frmProva7::DecretaVincitore()
{
    Frame1.setEnabled(false);
    // Nine points in all: the scores are never equal here.
    decretaVincita(intPunti[1] > intPunti[2] ? 1 : 2);
}

}  // namespace zolmera

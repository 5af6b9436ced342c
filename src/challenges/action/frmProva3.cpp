#include "challenges/action/frmProva3.h"

namespace zolmera {

namespace {
// Each choice lit and unlit: scissors, paper, rock.
const QString kAccese[3] = {QStringLiteral("morra_forbice.gif"), QStringLiteral("morra_carta.gif"),
                            QStringLiteral("morra_sasso.gif")};
const QString kSpente[3] = {QStringLiteral("morra_forbice_spenta.gif"), QStringLiteral("morra_carta_spenta.gif"),
                            QStringLiteral("morra_sasso_spenta.gif")};
constexpr int kPannello1 = 840, kPannello2 = 5880, kPannelloTop = 1320;
}  // namespace

frmProva3::frmProva3(AppContext& context)
    : ProvaCompleta(context, schedaProva(3), 11040, 6240)
{
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
    cmdEsegui.move(3360, 5160, 4320, 720);
    setDefaultButton(&cmdEsegui);

    for (int k = 0; k < 2; ++k) {
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(k == 0 ? kPannello1 : kPannello2, 840, 4320, 420);
        nome.setAlignment(Label::Center);
        nome.setBackStyle(0);
        nome.setFontName(QStringLiteral("Comic Sans MS"));
        nome.setFontSize(14);
        nome.setFontBold(true);
        nome.setForeColor(kInchiostro[k]);
    }
    Frame* pannelli[] = {&Frame1, &Frame2};
    ControlArray<Image>* scelte[] = {&scelta1, &scelta2};
    ControlArray<Image>* memo[] = {&memo1, &memo2};
    for (int k = 0; k < 2; ++k) {
        pannelli[k]->move(k == 0 ? kPannello1 : kPannello2, kPannelloTop, 4320, 1800);
        pannelli[k]->setBackColor(0xFFFFFF);
        pannelli[k]->setEnabled(false);
        for (int i = 0; i < 3; ++i) {
            for (ControlArray<Image>* serie : {scelte[k], memo[k]}) {
                Image& img = serie->add(*pannelli[k], serie == scelte[k] ? QStringLiteral("scelta%1").arg(k + 1)
                                                                          : QStringLiteral("memo%1").arg(k + 1));
                img.setStretch(true);
                img.move(180 + i * 1380, 300, 1200, 1200);
            }
        }
        for (int i = 0; i < 3; ++i) {
            Label& tasto = Label3.add(*this, QStringLiteral("Label3"));
            tasto.move((k == 0 ? kPannello1 : kPannello2) + 180 + i * 1380 + 360, kPannelloTop + 1920, 480, 420);
            tasto.setAlignment(Label::Center);
            tasto.setBorderStyle(1);
            tasto.setBackColor(0xFFFFFF);
            tasto.setFontName(QStringLiteral("Arial"));
            tasto.setFontSize(14);
            tasto.setFontBold(true);
        }
    }
    // Six lights a side, the first at the bottom.
    for (int k = 0; k < 2; ++k) {
        ControlArray<Label>& luci = k == 0 ? lblLuci1 : lblLuci2;
        for (int i = 0; i < 6; ++i) {
            Label& luce = luci.add(*this, k == 0 ? QStringLiteral("lblLuci1") : QStringLiteral("lblLuci2"));
            luce.setCaption(QString::number(i + 1));
            luce.move(k == 0 ? 180 : 10380, kPannelloTop + 1800 + 600 - (i + 1) * 420, 480, 360);
            luce.setAlignment(Label::Center);
            luce.setBackColor(kSpenta);
            luce.setForeColor(0xFFFFFF);
            luce.setFontBold(true);
        }
    }
    for (int k = 0; k < 2; ++k) {
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move((k == 0 ? kPannello1 : kPannello2) + 1200, kPannelloTop + 2460, 840, 480);
        punti.setAlignment(Label::RightJustify);
        punti.setBackStyle(0);
        punti.setFontName(QStringLiteral("Comic Sans MS"));
        punti.setFontSize(18);
        punti.setFontBold(true);
    }
    for (Label* l : {&Label1, &Label12}) {
        l->move((l == &Label1 ? kPannello1 : kPannello2) + 2160, kPannelloTop + 2580, 1200, 420);
        l->setBackStyle(0);
        l->setFontName(QStringLiteral("Comic Sans MS"));
        l->setFontSize(12);
    }
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva3::caricaGioco()
{
    const QString tasti[6] = {M.strSx1, M.strGiu1, M.strDx1, M.strSx2, M.strGiu2, M.strDx2};
    for (int i = 0; i < 6; ++i)
        Label3[i].setCaption(tasti[i]);
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    intMancheVinte[1] = 0;
    intMancheVinte[2] = 0;
    for (int i = 0; i < 3; ++i) {
        const QPixmap spenta = ctx.sys.pictures.load(immagine(kSpente[i]));
        const QPixmap accesa = ctx.sys.pictures.load(immagine(kAccese[i]));
        scelta1[i].setPicture(spenta);
        scelta2[i].setPicture(spenta);
        memo1[i].setPicture(accesa);
        memo2[i].setPicture(accesa);
    }
    nascondiScelte();
}

void frmProva3::nascondiScelte()
{
    for (int i = 0; i < 3; ++i) {
        memo1[i].setVisible(false);
        memo2[i].setVisible(false);
    }
}

void frmProva3::avvia()
{
    Frame1.setEnabled(true);
    Frame2.setEnabled(true);
    cmdEsegui.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Fate le vostre scelte..."));
    nascondiScelte();
}

void frmProva3::tastoGioco(int& keyAscii)
{
    // Contestant 2's keys first, then contestant 1's: left, down, right.
    const QString tasti[2][3] = {{M.strSx2, M.strGiu2, M.strDx2}, {M.strSx1, M.strGiu1, M.strDx1}};
    int concorrente = 0, scelta = 0;
    for (int c = 0; c < 2 && !concorrente; ++c)
        for (int s = 0; s < 3 && !concorrente; ++s)
            if (tastoCorrisponde(keyAscii, tasti[c][s])) {
                concorrente = c == 0 ? 2 : 1;
                scelta = s + 1;
            }
    if (!concorrente)
        return;
    Frame& pannello = concorrente == 1 ? Frame1 : Frame2;
    if (!pannello.enabled())
        return;
    (concorrente == 1 ? varScelta1 : varScelta2) = scelta;
    suona(QStringLiteral("dattilo.wav"), M.strEffetti);
    pannello.setEnabled(false);
    if (!Frame1.enabled() && !Frame2.enabled() && !cmdEsegui.enabled())
        ValutaTurno();
}

void frmProva3::ValutaTurno()
{
    memo1[varScelta1 - 1].setVisible(true);
    memo2[varScelta2 - 1].setVisible(true);
    auto batte = [](int a, int b) { return (a == 1 && b == 2) || (a == 2 && b == 3) || (a == 3 && b == 1); };
    if (varScelta1 == varScelta2) {
        cmdEsegui.setCaption(QStringLiteral("Manche patta!"));
    } else {
        const int w = batte(varScelta1, varScelta2) ? 1 : 2;
        cmdEsegui.setCaption(QStringLiteral("Manche vinta da ") + M.strNomeConcorrente[w].str());
        const int n = ++intMancheVinte[w];
        (w == 1 ? lblLuci1 : lblLuci2)[n - 1].setBackColor(w == 1 ? kVerde : kArancio);
        lblPunti[w - 1].setCaption(QString::number(n));
    }
    if (intMancheVinte[1] < 6 && intMancheVinte[2] < 6) {
        tmrSecondi.setEnabled(true);
        return;
    }
    decretaVincita(intMancheVinte[1] == 6 ? 1 : 2);
}

void frmProva3::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    Frame1.setEnabled(true);
    Frame2.setEnabled(true);
    cmdEsegui.setCaption(QStringLiteral("Fate le vostre scelte..."));
    nascondiScelte();
}

}  // namespace zolmera

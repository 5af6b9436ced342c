#include "challenges/action/corsa.h"

namespace zolmera {

namespace {
// The scoreboard above the play area: a row a contestant, with his figure,
// his name, his points and his keys laid out like arrow keys.
constexpr int kRiga1 = 1140, kRiga = 600, kTesta = 840;
constexpr int kIcona = 120, kNome = 600, kPunti = 3720, kTasti = 4800, kTasto = 252;
}  // namespace

ProvaCorsa::ProvaCorsa(AppContext& context, const SchedaProva& scheda, const QRect& area)
    : ProvaCompleta(context, scheda, area.x() + area.width() + 120, area.y() + area.height() + 1140)
{
    Frame1.move(area.x(), area.y(), area.width(), area.height());
    Frame1.setEnabled(false);
    for (Image* figura : {&cane, &coniglio}) {
        figura->setStretch(true);
        figura->setWidth(612);
        figura->setHeight(612);
    }

    Label* tasti[8] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    Image* icone[2] = {&Image1, &Image2};
    for (int k = 0; k < 2; ++k) {
        const int y = kRiga1 + k * kRiga;
        icone[k]->setStretch(true);
        icone[k]->move(kIcona, y + 60, 372, 372);

        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(kNome, y + 60, 3000, 420);
        nome.setBackStyle(0);
        nome.setFontName(QStringLiteral("Comic Sans MS"));
        nome.setFontSize(14);
        nome.setFontBold(true);
        nome.setForeColor(kInchiostro[k]);

        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kPunti, y + 60, 840, 420);
        punti.setAlignment(Label::Center);
        punti.setBackStyle(0);
        punti.setFontName(QStringLiteral("Comic Sans MS"));
        punti.setFontSize(14);
        punti.setFontBold(true);

        // Up above down, left and right beside down.
        const QPoint posti[4] = {{kTasto, 0}, {0, kTasto}, {kTasto, kTasto}, {2 * kTasto, kTasto}};
        for (int i = 0; i < 4; ++i) {
            Label& t = *tasti[4 * k + i];
            t.move(kTasti + posti[i].x(), y + posti[i].y() + 48, kTasto, kTasto);
            t.setAlignment(Label::Center);
            t.setBorderStyle(1);
            t.setBackColor(kColoreTasti[k]);
            t.setFontName(QStringLiteral("Arial"));
            t.setFontSize(8);
            t.setFontBold(true);
        }
    }
    for (Label* testa : {&Label12, &Label9}) {
        testa->move(testa == &Label12 ? kPunti : kTasti - 120, kTesta, testa == &Label12 ? 840 : 1000, 300);
        testa->setAlignment(Label::Center);
        testa->setBackStyle(0);
        testa->setFontName(QStringLiteral("Comic Sans MS"));
        testa->setFontSize(10);
    }
}

void ProvaCorsa::caricaCorsa()
{
    const QString didascalie[8] = {M.strSu1, M.strSx1, M.strGiu1, M.strDx1, M.strSu2, M.strSx2, M.strGiu2, M.strDx2};
    Label* tasti[8] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 8; ++i)
        tasti[i]->setCaption(didascalie[i]);
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    caricaAnimali(*this, cane, Image1, coniglio, Image2);
}

void caricaAnimali(const Screen& prova, Image& cane, Image& iconaCane, Image& coniglio, Image& iconaConiglio)
{
    const QPixmap dog = prova.ctx.sys.pictures.load(prova.immagine(QStringLiteral("cane.gif")));
    const QPixmap rabbit = prova.ctx.sys.pictures.load(prova.immagine(QStringLiteral("coniglio.gif")));
    cane.setPicture(dog);
    iconaCane.setPicture(dog);
    coniglio.setPicture(rabbit);
    iconaConiglio.setPicture(rabbit);
}

void ProvaCorsa::impostaLimiti(int minLeft, int maxLeft, int minTop, int maxTop)
{
    minLeft_ = minLeft;
    maxLeft_ = maxLeft;
    minTop_ = minTop;
    maxTop_ = maxTop;
}

void ProvaCorsa::riportaAlVia(int left, int top)
{
    for (Image* figura : {&cane, &coniglio}) {
        figura->setTop(top);
        figura->setLeft(left);
    }
}

ProvaCorsa::Esito ProvaCorsa::muovi(int keyAscii, int* chi)
{
    const QString tasti[8] = {M.strSu1, M.strGiu1, M.strSx1, M.strDx1, M.strSu2, M.strGiu2, M.strSx2, M.strDx2};
    int i = 0;
    while (i < 8 && !tastoCorrisponde(keyAscii, tasti[i]))
        ++i;
    if (chi)
        *chi = i == 8 ? 0 : 1 + i / 4;
    if (i == 8)
        return Esito::Nessuno;
    Image& figura = i < 4 ? cane : coniglio;
    const auto d = Direzione(i % 4);
    if (passoBloccato(figura, d))
        return Esito::Muro;
    switch (d) {
    case Direzione::Su:
        if (figura.top() <= minTop_)
            return Esito::Bordo;
        figura.setTop(figura.top() - kPasso);
        break;
    case Direzione::Giu:
        if (figura.top() >= maxTop_)
            return Esito::Bordo;
        figura.setTop(figura.top() + kPasso);
        break;
    case Direzione::Sx:
        if (figura.left() <= minLeft_)
            return Esito::Bordo;
        figura.setLeft(figura.left() - kPasso);
        break;
    case Direzione::Dx:
        if (figura.left() >= maxLeft_)
            return Esito::Bordo;
        figura.setLeft(figura.left() + kPasso);
        break;
    }
    return Esito::Mosso;
}

bool ProvaCorsa::muroFerma(const Image& figura, Direzione d, const Image& muro)
{
    if (!muro.visible())
        return false;
    const int dx = figura.left() - muro.left();
    const int dy = figura.top() - muro.top();
    auto vicino = [](int v) { return v >= -kPasso && v <= kPasso; };
    switch (d) {
    case Direzione::Su:
        return dy == 600 && vicino(dx);
    case Direzione::Giu:
        return dy == -600 && vicino(dx);
    case Direzione::Sx:
        return dx == 600 && vicino(dy);
    case Direzione::Dx:
        return dx == -600 && vicino(dy);
    }
    return false;
}

bool ProvaCorsa::muroFerma(const Image& figura, Direzione d, const ControlArray<Image>& muro)
{
    for (int i = muro.lBound(); i <= muro.uBound(); ++i)
        if (muroFerma(figura, d, muro[i]))
            return true;
    return false;
}

}  // namespace zolmera

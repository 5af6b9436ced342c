#include "challenges/action/frmProva16.h"

#include <QPainter>

namespace zolmera {

namespace {
constexpr int kLato = 612;
// Cells and hedge share one grid of 11 columns by 9 rows.
constexpr int kLeft0 = 120, kTop0 = 240, kPassoGriglia = 600;
constexpr int kPrimaDestra = 37;
constexpr quint32 kPrato = 0xC000;   // green, BGR

QPoint inGriglia(int colonna, int riga) { return {kLeft0 + kPassoGriglia * colonna, kTop0 + kPassoGriglia * riga}; }

// Eight plain balloons in a row, for a strip that cannot be read: a balloon
// cell is told from an empty one by its picture, so without one the placing
// could never count its balloons.
QPixmap palloniDiRiserva()
{
    constexpr int lato = 32;
    const QColor colori[frmProva16::kColoriPalloni] = {Qt::red,  Qt::yellow, Qt::blue,            Qt::magenta,
                                                       Qt::cyan, Qt::white,  QColor(255, 140, 0), QColor(140, 60, 200)};
    QPixmap p(lato * frmProva16::kColoriPalloni, lato);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < frmProva16::kColoriPalloni; ++i) {
        g.setBrush(colori[i]);
        g.drawEllipse(QRectF(i * lato + 5, 2, lato - 10, lato - 8));
    }
    return p;
}
}  // namespace

QPoint frmProva16::postoCella(int i)
{
    if (i < 27)
        return inGriglia(i % 3, i / 3);
    if (i < 33)
        return inGriglia(3 + (i - 27) % 3, (i - 27) / 3);
    if (i < kPrimaDestra)
        return inGriglia(6 + (i - 33) % 2, (i - 33) / 2);
    if (i < 64)
        return inGriglia(8 + (i - kPrimaDestra) % 3, (i - kPrimaDestra) / 3);
    return inGriglia(3 + (i - 64) % 5, 7 + (i - 64) / 5);
}

QPoint frmProva16::postoSiepe(int i)
{
    if (i < 5)
        return inGriglia(3 + i, 2);
    if (i < 9)
        return inGriglia(7, 3 + (i - 5));
    if (i < 13)
        return inGriglia(6 - (i - 9), 6);
    return inGriglia(3, 5 - (i - 13));
}

frmProva16::frmProva16(AppContext& context)
    : ProvaCorsa(context, schedaProva(16), QRect(120, 2400, 6852, 5772))
{
    setDefaultButton(&cmdEsegui);
    Frame1.setBackColor(kPrato);
    for (int i = 0; i < kCelle; ++i) {
        Image& cella = piatto.add(Frame1, QStringLiteral("piatto"));
        cella.setStretch(true);
        const QPoint p = postoCella(i);
        cella.move(p.x(), p.y(), kLato, kLato);
    }
    for (int i = 0; i < kPezziSiepe; ++i) {
        Image& pezzo = imgSiepe.add(Frame1, QStringLiteral("imgSiepe"));
        pezzo.setStretch(true);
        const QPoint p = postoSiepe(i);
        pezzo.move(p.x(), p.y(), kLato, kLato);
    }
    bomba.setStretch(true);
    bomba.move(6360, 1140, kLato, kLato);
    bomba.setVisible(false);
    pccPalloni.setRows(1);
    pccPalloni.setCols(kColoriPalloni);
    // The figures run over the cells and through the gaps.
    cane.zOrder(0);
    coniglio.zOrder(0);
    riportaAlVia(kLeftVia, kTopVia);
    impostaLimiti(kLeft0, kLeft0 + 10 * kPassoGriglia, kTop0, kTop0 + 8 * kPassoGriglia);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
    tmrSiepe.Tick = [this] { tmrSiepe_Timer(); };
}

void frmProva16::caricaGioco()
{
    caricaCorsa();
    const QPixmap siepe = ctx.sys.pictures.load(immagine(QStringLiteral("siepe.bmp")));
    for (int i = 0; i < kPezziSiepe; ++i)
        imgSiepe[i].setPicture(siepe);
    bomba.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("bomba.gif"))));
    const QPixmap palloni = ctx.sys.pictures.load(immagine(QStringLiteral("palloni.bmp")));
    pccPalloni.setPicture(palloni.isNull() ? palloniDiRiserva() : palloni);
    intPalloncini[0] = 0;
    intPalloncini[1] = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
}

void frmProva16::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    tmrSecondi.setEnabled(true);
}

int frmProva16::estrai(int n)
{
    ctx.sys.random.randomize();
    return int(ctx.sys.random.rnd() * n);
}

void frmProva16::tmrSecondi_Timer()
{
    suona(QStringLiteral("volo.wav"), M.strEffetti);
    tmrSecondi.setEnabled(false);
    int posati = 0;
    // A cell drawn twice is drawn again, so each block gets its exact share.
    auto posa = [&](int prima, int celle, int finoA) {
        while (posati < finoA) {
            Image& cella = piatto[prima + estrai(celle)];
            if (!cella.picture().isNull())
                continue;
            cella.setPicture(pccPalloni.graphicCell(estrai(kColoriPalloni)));
            ++posati;
        }
    };
    posa(0, kCelleSinistra, kPalloniSinistra);
    posa(kPrimaDestra, kCelle - kPrimaDestra, kPalloni);
    for (int i = 0; i < kCelle; ++i)
        if (piatto[i].picture().isNull())
            piatto[i].setPicture(bomba.picture());
    tmrSiepe.setEnabled(true);
    tmrBombe.setEnabled(true);
}

void frmProva16::tmrSiepe_Timer()
{
    for (int i = 0; i < kPezziSiepe; ++i)
        imgSiepe[i].setVisible(true);
    const int primo = estrai(kPezziSiepe);
    imgSiepe[primo].setVisible(false);
    int secondo = primo;
    while (secondo == primo)
        secondo = estrai(kPezziSiepe);
    imgSiepe[secondo].setVisible(false);
    // A figure standing in a gap that has just closed is thrown out of it.
    for (int i = 0; i < kPezziSiepe; ++i) {
        const Image& pezzo = imgSiepe[i];
        for (Image* figura : {&cane, &coniglio})
            if (pezzo.visible() && figura->top() == pezzo.top() && figura->left() == pezzo.left()) {
                suona(QStringLiteral("scontro.wav"), M.strEffetti);
                riportaACasa(*figura);
            }
    }
}

bool frmProva16::passoBloccato(const Image& figura, Direzione d) const
{
    return muroFerma(figura, d, imgSiepe);
}

void frmProva16::tastoGioco(int& keyAscii)
{
    // The balloons are still falling.
    if (tmrSecondi.enabled())
        return;
    if (muovi(keyAscii) == Esito::Muro)
        return;
    guardaCelle(1);
    // The dog's thirtieth balloon ends the race: nothing is left for the rabbit.
    if (!decisa())
        guardaCelle(2);
}

void frmProva16::guardaCelle(int k)
{
    Image& figura = k == 1 ? cane : coniglio;
    for (int i = 0; i < kCelle; ++i) {
        Image& cella = piatto[i];
        if (cella.top() != figura.top() || cella.left() != figura.left() || cella.picture().isNull())
            continue;
        if (cella.picture().cacheKey() == bomba.picture().cacheKey()) {
            // The bomb stays where it is, for the next one to step on.
            suona(QStringLiteral("scontro.wav"), M.strEffetti);
            riportaACasa(figura);
            return;
        }
        cella.setPicture({});
        const qint16 presi = ++intPalloncini[k - 1];
        lblPunti[k - 1].setCaption(QString::number(presi));
        if (presi >= kPalloniVincenti) {
            tmrSiepe.setEnabled(false);
            tmrBombe.setEnabled(false);
            DecretaVincitore();
        }
        return;
    }
}

void frmProva16::riportaACasa(Image& figura)
{
    figura.setTop(kTopVia);
    figura.setLeft(kLeftVia);
}

void frmProva16::DecretaVincitore()
{
    Frame1.setEnabled(false);
    // 29 and 29 leave one balloon to take: the race never ends level.
    decretaVincita(intPalloncini[0] > intPalloncini[1] ? 1 : 2);
}

}  // namespace zolmera

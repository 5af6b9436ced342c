#include "challenges/action/frmProva8.h"

#include <QPainter>

namespace zolmera {

namespace {
constexpr int kLato = 612;
constexpr int kLeftMuro0 = 1320, kPassoColonne = 1200, kTopMuro0 = 240, kPassoRighe = 600;
constexpr quint32 kPrato = 0xB8E0C8;   // a pale green floor, BGR
const QString kPietanze[3] = {QStringLiteral("pietanza1.gif"), QStringLiteral("pietanza2.gif"),
                              QStringLiteral("pietanza3.gif")};

// A round white plate with a grey rim: the plates hold no picture of their
// own until the dish comes, and a bare square of floor would not say where
// the dish may appear.
QPixmap disegnaSottopiatto()
{
    constexpr int lato = 64;
    QPixmap p(lato, lato);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x70, 0x70, 0x78), 2));
    g.setBrush(QColor(0xE4, 0xE4, 0xEA));
    g.drawEllipse(QRectF(2, 2, lato - 4, lato - 4));
    g.setPen(QPen(QColor(0xB0, 0xB0, 0xB8), 1.5));
    g.setBrush(Qt::white);
    g.drawEllipse(QRectF(11, 11, lato - 22, lato - 22));
    return p;
}
}  // namespace

frmProva8::frmProva8(AppContext& context)
    : ProvaCorsa(context, schedaProva(8), QRect(120, 2400, 8052, 4572))
{
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
    setDefaultButton(&cmdEsegui);
    Frame1.setBackColor(kPrato);

    for (int i = 0; i < kMuretti; ++i) {
        Image& muro = Muretto.add(Frame1, QStringLiteral("Muretto"));
        muro.setStretch(true);
        muro.move(kLeftMuro0 + kPassoColonne * (i / kRighe), kTopMuro0 + kPassoRighe * (i % kRighe), kLato, kLato);
    }
    const QPixmap sotto = disegnaSottopiatto();
    const std::pair<Image*, Image*> posti[2] = {{&sottopiatto1, &piatto1}, {&sottopiatto2, &piatto2}};
    for (const auto& [sottopiatto, piatto] : posti) {
        const int top = piatto == &piatto1 ? kTopPiatto1 : kTopPiatto2;
        for (Image* img : {sottopiatto, piatto}) {
            img->setStretch(true);
            img->move(kLeftPiatti, top, kLato, kLato);
        }
        sottopiatto->setPicture(sotto);
    }
    for (int i = 0; i < 3; ++i) {
        Image& pietanza = imgPieta.add(*this, QStringLiteral("imgPieta"));
        pietanza.setStretch(true);
        pietanza.move(5880 + i * 720, 1200, kLato, kLato);
        pietanza.setVisible(false);
    }
    // The figures walk over the plates, never under them.
    cane.zOrder(0);
    coniglio.zOrder(0);
    riportaAlVia(kLeftVia, kTopVia);
    impostaLimiti(kLeftVia, kLeftPiatti, kTopPiatto1, kTopPiatto2);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva8::caricaGioco()
{
    caricaCorsa();
    const QPixmap muro = ctx.sys.pictures.load(immagine(QStringLiteral("muretto.bmp")));
    for (int i = 0; i < kMuretti; ++i)
        Muretto[i].setPicture(muro);
    for (int i = 0; i < 3; ++i)
        imgPieta[i].setPicture(ctx.sys.pictures.load(immagine(kPietanze[i])));
    intCorseVinte[0] = 0;
    intCorseVinte[1] = 0;
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
}

void frmProva8::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    tmrSecondi.setEnabled(true);
}

void frmProva8::tmrSecondi_Timer()
{
    suona(QStringLiteral("volo.wav"), M.strEffetti);
    tmrSecondi.setEnabled(false);
    Random& random = ctx.sys.random;
    random.randomize();
    const int pietanza = random.draw(3);
    random.randomize();
    Image& piatto = random.draw(2) == 1 ? piatto1 : piatto2;
    piatto.setPicture(imgPieta[pietanza - 1].picture());
    varTopPiatto = piatto.top();
    intLeftPiatto = piatto.left();
    random.randomize();
    for (int c = 0; c < kColonne; ++c) {
        random.randomize();
        Muretto[kRighe * c + int(random.rnd() * kRighe)].setVisible(false);
    }
}

bool frmProva8::passoBloccato(const Image& figura, Direzione d) const
{
    return muroFerma(figura, d, Muretto);
}

void frmProva8::tastoGioco(int& keyAscii)
{
    // No step while the next dish is on its way.
    if (tmrSecondi.enabled())
        return;
    if (muovi(keyAscii) == Esito::Muro)
        return;
    // The dog first: when it wins, the maze is reset before the rabbit's turn.
    const Image* figure[2] = {&cane, &coniglio};
    for (int k = 1; k <= 2; ++k)
        if (figure[k - 1]->left() == intLeftPiatto && figure[k - 1]->top() == varTopPiatto)
            vinceCorsa(k);
}

void frmProva8::vinceCorsa(int k)
{
    const int vinte = ++intCorseVinte[k - 1];
    suona(QStringLiteral("si.wav"), M.strParlato);
    lblPunti[k - 1].setCaption(QString::number(vinte));
    PreparaTurno();
    if (vinte < kCorseDaVincere)
        tmrSecondi.setEnabled(true);
    else
        DecretaVincitore();
}

void frmProva8::PreparaTurno()
{
    piatto1.setPicture({});
    piatto2.setPicture({});
    for (int i = 0; i < kMuretti; ++i)
        Muretto[i].setVisible(true);
    varTopPiatto = 1;
    intLeftPiatto = 1;
    riportaAlVia(kLeftVia, kTopVia);
}

void frmProva8::DecretaVincitore()
{
    Frame1.setEnabled(false);
    // First to three: the counts never tie here.
    decretaVincita(intCorseVinte[0] > intCorseVinte[1] ? 1 : 2);
}

}  // namespace zolmera

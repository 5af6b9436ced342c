#include "challenges/action/frmProva12.h"

#include <utility>

namespace zolmera {

namespace {
constexpr int kLato = 612, kLatoGuardiano = 588, kLatoPortata = 372;
constexpr quint32 kPrato = 0xC000;

// Each place shows a key of its own, so the players can tell them apart and
// remember where each one lies.
const QString kFileChiavi[frmProva12::kChiavi] = {
    QStringLiteral("chiave1.gif"), QStringLiteral("chiave2.gif"), QStringLiteral("chiave3.gif"),
    QStringLiteral("chiave4.gif"), QStringLiteral("chiave5.gif"), QStringLiteral("chiave6.gif"),
    QStringLiteral("chiave7.gif"), QStringLiteral("chiave8.gif"), QStringLiteral("chiave9.gif"),
    QStringLiteral("chiave10.gif")};
constexpr QPoint kPostiChiavi[frmProva12::kChiavi] = {{120, 240},   {1620, 840},  {120, 3840}, {3420, 840},
                                                      {720, 1440},  {4920, 240},  {4320, 2640}, {4920, 3840},
                                                      {4320, 1440}, {720, 2640}};

struct Ronda {
    QPoint posto;
    ProvaCorsa::Direzione verso;
};
constexpr Ronda kRonde[frmProva12::kGuardiani] = {
    {{2520, 540}, ProvaCorsa::Direzione::Sx},  {{2520, 1140}, ProvaCorsa::Direzione::Dx},
    {{4920, 2040}, ProvaCorsa::Direzione::Giu}, {{4320, 2040}, ProvaCorsa::Direzione::Su},
    {{120, 2040}, ProvaCorsa::Direzione::Giu},  {{720, 2040}, ProvaCorsa::Direzione::Su}};

// The two lines each guard hops between at every step, so that its path is
// a zigzag two lines wide: rows for the guards that run across, columns for
// those that run up and down.
constexpr std::pair<int, int> kRigheSalto[] = {{240, 540}, {840, 1140}};
constexpr std::pair<int, int> kColonneSalto[] = {{120, 420}, {720, 1020}, {4320, 4620}, {4920, 5220}};

template <std::size_t N>
int salta(int v, const std::pair<int, int> (&linee)[N])
{
    for (const auto& [a, b] : linee) {
        if (v == a)
            return b;
        if (v == b)
            return a;
    }
    return v;
}

// A guard's run along its line: it turns back at either end.
int corri(int v, int minimo, int massimo, ProvaCorsa::Direzione& verso, ProvaCorsa::Direzione avanti,
          ProvaCorsa::Direzione indietro)
{
    if (v == minimo)
        verso = avanti;
    else if (v == massimo)
        verso = indietro;
    return v + (verso == avanti ? ProvaCorsa::kPasso : -ProvaCorsa::kPasso);
}

bool stessoPosto(const Image& a, const Image& b) { return a.top() == b.top() && a.left() == b.left(); }

// The carried keys, level with the figures beside the names.
constexpr int kLeftPortata = 3459, kTopPortata[2] = {1200, 1800};
}  // namespace

frmProva12::frmProva12(AppContext& context)
    : ProvaCorsa(context, schedaProva(12), QRect(120, 2400, 5652, 4572))
{
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
    setDefaultButton(&cmdEsegui);
    // The field is narrow: the long title keeps to one line.
    lblTitolo.setFontSize(15);
    Frame1.setBackColor(kPrato);

    cancello.setStretch(true);
    cancello.move(kCancelloLeft, kCancelloTop, kLato, kLato);
    for (int i = 0; i < kChiavi; ++i) {
        Image& posto = chiave.add(Frame1, QStringLiteral("chiave"));
        posto.setStretch(true);
        posto.move(kPostiChiavi[i].x(), kPostiChiavi[i].y(), kLato, kLato);
    }
    for (int g = 0; g < kGuardiani; ++g) {
        Image& guardia = guardiano.add(Frame1, QStringLiteral("guardiano"));
        guardia.setStretch(true);
        guardia.move(kRonde[g].posto.x(), kRonde[g].posto.y(), kLatoGuardiano, kLatoGuardiano);
    }
    // The figures walk over the keys and the gate; the guards over everything.
    cane.zOrder(0);
    coniglio.zOrder(0);
    for (int g = 0; g < kGuardiani; ++g)
        guardiano[g].zOrder(0);
    riportaAlVia(kViaLeft, kViaTop);
    impostaLimiti(kMinLeft, kMaxLeft, kMinTop, kMaxTop);

    // No points here: each row's white box shows the key its contestant
    // carries, and the name makes room for it.
    Label12.setCaption(QStringLiteral("chiave"));
    Label12.move(kLeftPortata + kLatoPortata / 2 - 420, Label12.top(), 840, Label12.height());
    Image* portate[2] = {&chiavecane, &chiaveconiglio};
    for (int k = 0; k < 2; ++k) {
        lblGiocatore[k].setWidth(2700);
        Label& riquadro = lblPunti[k];
        riquadro.setCaption(QString());
        riquadro.move(kLeftPortata - 60, kTopPortata[k] - 60, kLatoPortata + 120, kLatoPortata + 120);
        riquadro.setBackStyle(1);
        riquadro.setBackColor(0xFFFFFF);
        riquadro.setBorderStyle(1);
        portate[k]->setStretch(true);
        portate[k]->move(kLeftPortata, kTopPortata[k], kLatoPortata, kLatoPortata);
    }
    for (Image* nascosta : {&chiavevince, &lasciacane, &lasciaconiglio})
        nascosta->setVisible(false);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva12::caricaGioco()
{
    caricaCorsa();
    cancello.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("cancello.gif"))));
    for (int i = 0; i < kChiavi; ++i)
        chiave[i].setPicture(ctx.sys.pictures.load(immagine(kFileChiavi[i])));
    const QPixmap guardia = ctx.sys.pictures.load(immagine(QStringLiteral("guardiano.gif")));
    for (int g = 0; g < kGuardiani; ++g)
        guardiano[g].setPicture(guardia);

    ctx.sys.random.randomize();
    for (int g = 0; g < kGuardiani; ++g)
        strDirezione[g] = kRonde[g].verso;
    intChiaveVincente = qint16(ctx.sys.random.rnd() * kChiavi);
    chiavevince.setPicture(chiave[intChiaveVincente].picture());
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
}

void frmProva12::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    tmrSecondi.setEnabled(true);
}

void frmProva12::tmrSecondi_Timer()
{
    for (int g = 0; g <= 1; ++g) {
        Image& guardia = guardiano[g];
        guardia.setTop(salta(guardia.top(), kRigheSalto));
        guardia.setLeft(corri(guardia.left(), kMinLeft, kMaxLeft, strDirezione[g], Direzione::Dx, Direzione::Sx));
    }
    for (int g = 2; g < kGuardiani; ++g) {
        Image& guardia = guardiano[g];
        guardia.setLeft(salta(guardia.left(), kColonneSalto));
        guardia.setTop(corri(guardia.top(), kMinTop, kMaxTop, strDirezione[g], Direzione::Giu, Direzione::Su));
    }
    for (int g = 0; g < kGuardiani; ++g) {
        if (stessoPosto(guardiano[g], cane))
            CatturaCane();
        if (stessoPosto(guardiano[g], coniglio))
            CatturaConiglio();
    }
}

void frmProva12::tastoGioco(int& keyAscii)
{
    int chi = 0;
    if (muovi(keyAscii, &chi) != Esito::Mosso)
        return;
    if (chi == 1)
        ControllaMossaCane();
    else
        ControllaMossaConiglio();
}

void frmProva12::ControllaMossaCane() { controllaMossa({1, cane, chiavecane, lasciacane}); }

void frmProva12::ControllaMossaConiglio() { controllaMossa({2, coniglio, chiaveconiglio, lasciaconiglio}); }

void frmProva12::controllaMossa(const Concorrente& c)
{
    if (!stessoPosto(c.figura, cancello)) {
        for (int i = 0; i < kChiavi; ++i) {
            if (!stessoPosto(chiave[i], c.figura))
                continue;
            suona(QStringLiteral("volo.wav"), M.strEffetti);
            c.lasciata.setPicture(c.portata.picture());
            c.portata.setPicture(chiave[i].picture());
            chiave[i].setPicture(c.lasciata.picture());
        }
        for (int g = 0; g < kGuardiani; ++g)
            if (stessoPosto(guardiano[g], c.figura))
                cattura(c.figura);
        return;
    }
    // Empty hands never open the gate, even were the winning key's picture
    // missing.
    const QPixmap& portata = c.portata.picture();
    if (!portata.isNull() && portata.cacheKey() == chiavevince.picture().cacheKey())
        DecretaVincitore(c.k);
    else
        suona(QStringLiteral("no.wav"), M.strParlato);
}

void frmProva12::CatturaCane() { cattura(cane); }

void frmProva12::CatturaConiglio() { cattura(coniglio); }

void frmProva12::cattura(Image& figura)
{
    suona(QStringLiteral("scontro.wav"), M.strEffetti);
    figura.setTop(kViaTop);
    figura.setLeft(kViaLeft);
}

void frmProva12::DecretaVincitore(int w)
{
    Frame1.setEnabled(false);
    tmrSecondi.setEnabled(false);
    decretaVincita(w);
}

}  // namespace zolmera

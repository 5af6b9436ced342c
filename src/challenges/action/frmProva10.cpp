#include "challenges/action/frmProva10.h"

#include "records/tabella.h"

#include <algorithm>

namespace zolmera {

const std::array<frmProva10::Categoria, 12> frmProva10::kCategorie = {{
    {QStringLiteral("Presentatori"), QStringLiteral("Presentatore televisivo"), QStringLiteral("personaggio1.wav")},
    {QStringLiteral("Sportivi"), QStringLiteral("Personaggio sportivo"), QStringLiteral("personaggio2.wav")},
    {QStringLiteral("Registi"), QStringLiteral("Regista cinematografico"), QStringLiteral("personaggio3.wav")},
    {QStringLiteral("Politici"), QStringLiteral("Personaggio politico"), QStringLiteral("personaggio4.wav")},
    {QStringLiteral("Cantanti"), QStringLiteral("Cantante di fama mondiale"), QStringLiteral("personaggio5.wav")},
    {QStringLiteral("Attori 1"), QStringLiteral("Attore italiano"), QStringLiteral("personaggio6.wav")},
    {QStringLiteral("Attori 2"), QStringLiteral("Attore straniero"), QStringLiteral("personaggio7.wav")},
    {QStringLiteral("Letterati"), QStringLiteral("Letterato italiano"), QStringLiteral("personaggio8.wav")},
    {QStringLiteral("Deejay"), QStringLiteral("Disk-jockey italiano"), QStringLiteral("personaggio9.wav")},
    {QStringLiteral("Fumetti"), QStringLiteral("Personaggio dei fumetti"), QStringLiteral("personaggio10.wav")},
    {QStringLiteral("Giornalisti"), QStringLiteral("Giornalista italiano"), QStringLiteral("personaggio11.wav")},
    {QStringLiteral("Economisti"), QStringLiteral("Economista celebre"), QStringLiteral("personaggio12.wav")},
}};

namespace {
// The ring of cards: four across the top, two down each side, four across
// the bottom; the middle is left for the figures' start.
constexpr QPoint kCarte[12] = {{120, 240},  {1920, 240},  {3720, 240},  {5520, 240},
                               {120, 1440}, {5520, 1440}, {120, 2640}, {5520, 2640},
                               {120, 3840}, {1920, 3840}, {3720, 3840}, {5520, 3840}};
constexpr int kLarghezzaCarta = 1440, kAltezzaCarta = 900;
constexpr int kVia = 3240, kViaTop = 2160;
// A figure stands on a card 120 in from its corner, and is on it at that
// Left and the two steps to its right.
constexpr int kSulCartellino = 120, kPassiSullaCarta = 2;
// Bold, so a name reads at a glance; the longest wrap on two lines.
constexpr double kCorpoNome = 10;
}  // namespace

frmProva10::frmProva10(AppContext& context)
    : ProvaCorsa(context, schedaProva(10), QRect(120, 2400, 7092, 4812))
{
    Frame1.setBackColor(0xFFC0FF);
    // Wide enough for the longest written clue.
    cmdEsegui.move(1266, cmdEsegui.top(), 4800, cmdEsegui.height());
    setDefaultButton(&cmdEsegui);
    for (int i = 0; i < 12; ++i) {
        Image& carta = Image3.add(Frame1, QStringLiteral("Image3"));
        carta.setStretch(true);
        carta.move(kCarte[i].x(), kCarte[i].y(), kLarghezzaCarta, kAltezzaCarta);
        Label& nome = persona.add(Frame1, QStringLiteral("persona"));
        nome.move(kCarte[i].x(), kCarte[i].y() + 240, 1452, 612);
        nome.setAlignment(Label::Center);
        nome.setWordWrap(true);
        nome.setBackStyle(0);
        nome.setForeColor(0x000000);
        nome.setFontName(QStringLiteral("Arial"));
        nome.setFontSize(kCorpoNome);
        nome.setFontBold(true);
    }
    // The figures run over the cards.
    cane.zOrder(0);
    coniglio.zOrder(0);
    tmrSecondi.Tick = [this] { tmrSecondi_Timer(); };
}

void frmProva10::caricaGioco()
{
    caricaCorsa();
    const QPixmap carta = ctx.sys.pictures.load(immagine(QStringLiteral("cartellino.bmp")));
    for (int i = 0; i < 12; ++i)
        Image3[i].setPicture(carta);

    for (int c = 0; c < 12; ++c)
        strCategorie[c] = kCategorie[std::size_t(c)].marcatore;
    // Names in the table's order within their category; a short table
    // leaves the rest empty, and those cards show no name.
    VbArray<int, 0, 11> letti;
    for (const QStringList& riga : tabellaProva(QStringLiteral("personaggi"))) {
        const auto it = std::find_if(kCategorie.cbegin(), kCategorie.cend(),
                                     [&](const Categoria& k) { return k.marcatore == riga.value(0); });
        if (riga.size() != 2 || it == kCategorie.cend())
            continue;
        const int c = int(it - kCategorie.cbegin());
        if (letti[c] < kNomiPerCategoria)
            strPersonaggi[c][letti[c]++] = riga[1];
    }

    intPunti[0] = 0;
    intPunti[1] = 0;
    for (int i = 0; i < 12; ++i) {
        intCaselle[i][0] = qint16(kCarte[i].x() + kSulCartellino);
        intCaselle[i][1] = qint16(kCarte[i].y() + kSulCartellino);
    }
    impostaLimiti(240, 6240, 360, 3960);
    Frame1.setEnabled(false);
    cmdEsegui.setCaption(QStringLiteral("Inizia la prova"));
    PreparaTurno();
}

void frmProva10::avvia()
{
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);
    tmrSecondi.setEnabled(true);
}

void frmProva10::tmrSecondi_Timer()
{
    tmrSecondi.setEnabled(false);
    auto estrai = [this](int n) {
        ctx.sys.random.randomize();
        return int(ctx.sys.random.rnd() * n);
    };
    // At most nine clues in a game: a category is always left.
    int c = 0;
    do
        c = estrai(12) + 1;
    while (strCategorie[c - 1].isEmpty());
    strCategorie[c - 1].clear();
    varCategoria = c;

    // One name of every category, each on a card of its own.
    std::array<bool, 12> occupata{};
    int meta = 0;
    for (int i = 1; i <= 12; ++i) {
        int p = 0;
        do
            p = estrai(12);
        while (occupata[std::size_t(p)]);
        occupata[std::size_t(p)] = true;
        const int r = estrai(kNomiPerCategoria) + 1;
        persona[p].setCaption(strPersonaggi[i - 1][r - 1]);
        if (i == c)
            meta = p;
    }
    varMetaTop = intCaselle[meta][1];
    intMetaLeft = intCaselle[meta][0];

    const Categoria& categoria = kCategorie[std::size_t(c - 1)];
    if (M.strParlato != QLatin1String("Play"))
        cmdEsegui.setCaption(categoria.indizio);
    suona(categoria.suono, M.strParlato);
}

bool frmProva10::arrivato(const Image& figura) const
{
    if (figura.top() != varMetaTop)
        return false;
    for (int passo = 0; passo <= kPassiSullaCarta; ++passo)
        if (figura.left() == intMetaLeft + passo * kPasso)
            return true;
    return false;
}

void frmProva10::tastoGioco(int& keyAscii)
{
    // The board is being laid out: nobody runs before the clue.
    if (tmrSecondi.enabled())
        return;
    muovi(keyAscii);
    if (arrivato(cane))
        punto(1);
    if (arrivato(coniglio))
        punto(2);
}

void frmProva10::punto(int k)
{
    const qint16 punti = ++intPunti[k - 1];
    suona(QStringLiteral("si.wav"), M.strParlato);
    lblPunti[k - 1].setCaption(QString::number(punti));
    PreparaTurno();
    if (punti < kPuntiVittoria)
        tmrSecondi.setEnabled(true);
    else
        DecretaVincitore();
}

void frmProva10::PreparaTurno()
{
    for (int i = 0; i < 12; ++i)
        persona[i].setCaption(QString());
    varMetaTop = 1;
    intMetaLeft = 1;
    riportaAlVia(kVia, kViaTop);
}

void frmProva10::DecretaVincitore()
{
    Frame1.setEnabled(false);
    decretaVincita(intPunti[0] > intPunti[1] ? 1 : 2);
}

}  // namespace zolmera

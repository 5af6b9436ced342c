#include "challenges/mind/frmProva5.h"

#include "challenges/base/estrazione.h"
#include "platform/format.h"
#include "records/tabella.h"

#include <functional>

namespace zolmera {

namespace {
constexpr int kLato = 720, kPasso = 780;
// The two blocks of tiles inside the play area: anagrams left, answers right.
constexpr int kSinistra = 180, kDestra = kSinistra + 6 * kPasso + 420, kPrimaRiga = 600, kPassoRighe = 840;
constexpr int kLarghezzaArea = kDestra + 6 * kPasso + 120, kAltezzaArea = kPrimaRiga + 3 * kPassoRighe + 60;
constexpr int kLarghezza = kLarghezzaArea + 240, kAltezza = 2280 + kAltezzaArea + 1140;
// The score table over the play area: names, names spelled, time left.
constexpr int kColonnaPunti = 4200, kColonnaTempo = 5400, kRigaTabella = 1200, kPassoTabella = 420;
const QString kVuota = QStringLiteral("      ");
}  // namespace

frmProva5::frmProva5(AppContext& context)
    : ProvaCompleta(context, schedaProva(5), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);

    Label12.move(kColonnaPunti, 840, 1080, 300);
    Label11.move(kColonnaTempo, 840, 1200, 300);
    for (Label* l : {&Label12, &Label11}) {
        l->setAlignment(Label::Center);
        scritta(*l, 10, false);
    }
    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(600, top, 3360, 360);
        Label& punti = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("0"));
        punti.move(kColonnaPunti, top, 1080, 360);
        punti.setAlignment(Label::Center);
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("60,00"));
        secondi.move(kColonnaTempo, top, 1200, 360);
        secondi.setAlignment(Label::Center);
        for (Label* l : {&nome, &punti, &secondi}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
        secondi.setFontName(QStringLiteral("Texas LED"));
    }

    // The clock's digits light up the dark display of its panel.
    Image1.move(kLarghezza - 1452, 840, 1212, 1080);
    Image1.setStretch(true);
    lblOrologio.move(kLarghezza - 1302, 1020, 912, 720);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackStyle(0);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(24);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);
    lblOrologio.zOrder(0);

    Frame1.move(120, 2160, kLarghezzaArea, kAltezzaArea);
    Frame1.setBackColor(0xB0B0B0);
    Frame1.setEnabled(false);
    Label7.move(kSinistra, 120, 6 * kPasso - 60, 420);
    Label8.move(kDestra, 120, 6 * kPasso - 60, 420);
    for (Label* l : {&Label7, &Label8}) {
        l->setAlignment(Label::Center);
        scritta(*l, 14, true);
    }
    for (int n = 1; n <= 6; ++n) {
        const int left = n <= 3 ? kSinistra : kDestra;
        const int top = kPrimaRiga + ((n - 1) % 3) * kPassoRighe;
        for (int i = 0; i < kLettere; ++i) {
            Label& t = riga(n).add(Frame1, QStringLiteral("Label%1").arg(n));
            t.move(left + i * kPasso, top, kLato, kLato);
            t.setBorderStyle(1);
            t.setAlignment(Label::Center);
            t.setFontName(QStringLiteral("Comic Sans MS"));
            t.setFontSize(24);
            t.setBackColor(n <= 3 ? kColoriRighe[n - 1] : kBianco);
            t.setDragMode(1);
            t.DragDrop = [this, n, i](Control& source) { Label_DragDrop(n, i, source); };
        }
    }
}

void frmProva5::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("orologio.bmp"))));
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varTurnoDi = rnd.draw(2);
    intLocalitaEsatte.fill(0);
    dblTempoResiduo.fill(0);
    intTurno = 0;
    for (int n = 1; n <= 3; ++n)
        coloriRighe_[std::size_t(n - 1)] = riga(n)[1].backColor();
    Frame1.setEnabled(false);
    CaricaContenuti();
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varTurnoDi].str());
}

void frmProva5::CaricaContenuti()
{
    // The table's order; a short table leaves the rest blank, as if drawn.
    strLocalita.fill(kVuota);
    int n = 0;
    for (const QStringList& riga : tabellaProva(QStringLiteral("localita"))) {
        if (n == kLocalita)
            break;
        if (riga.value(0).size() == kLettere)
            strLocalita[++n] = riga[0];
    }
}

void frmProva5::avvia()
{
    if (cmdEsegui.caption() == QLatin1String("Conferma")) {
        // The turn's countdown, still running under this press, ends on its next pass.
        intConfermato = true;
        return;
    }
    if (intTurno < 2)
        giocaTurno();
}

void frmProva5::giocaTurno()
{
    cmdEsegui.setToolTipText(QStringLiteral("Premi QUI per fermarti"));
    cmdEsegui.setCaption(QStringLiteral("Conferma"));
    intConfermato = false;
    Frame1.setEnabled(true);
    SvuotaCaselle();
    EstraiLocalita();
    ++intTurno;
    inCorsa_ = true;
    const FineTurno fine = CronometraTurno(kTurno, [this] { return intConfermato; }, lblOrologio);
    inCorsa_ = false;
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone

    ValutaTurno();
    const int c = varTurnoDi;
    // Time run out counts as none left, however little was shown last.
    dblTempoResiduo[c] = fine == FineTurno::Fermato ? varResiduo() : 0;
    if (fine != FineTurno::Fermato)
        suonaSirena();
    lblSecondi[c - 1].setCaption(formatSecondi(dblTempoResiduo[c]));
    if (intTurno == 1) {
        varTurnoDi = 3 - varTurnoDi;
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varTurnoDi].str());
    } else {
        DecretaVincitore();
    }
}

void frmProva5::SvuotaCaselle()
{
    for (int i = 0; i < kLettere; ++i)
        for (int n = 1; n <= 6; ++n) {
            riga(n)[i].setCaption(QString());
            riga(n)[i].setBackColor(n <= 3 ? coloriRighe_[std::size_t(n - 1)] : kBianco);
        }
}

void frmProva5::EstraiLocalita()
{
    Random& rnd = ctx.sys.random;
    for (int k = 1; k <= kNomiTurno; ++k) {
        const int n = estraiLibera(rnd, kLocalita, [this](int i) { return strLocalita[i] != kVuota; });
        // Only a damaged table can run out of names: the row then stays empty.
        varLocalitaTurno[k] = n ? strLocalita[n] : QString();
        if (n)
            strLocalita[n] = kVuota;
    }
    for (int k = 1; k <= kNomiTurno; ++k) {
        QString w = varLocalitaTurno[k];
        QString anagramma;
        if (w.isEmpty()) {
            strAnagrammi[k] = kVuota;
            continue;
        }
        for (int j = 1; j <= kLettere; ++j) {
            const int p = estraiLibera(rnd, kLettere, [&w](int i) { return w[i - 1] != QLatin1Char('*'); });
            anagramma += w[p - 1];
            w[p - 1] = QLatin1Char('*');
        }
        strAnagrammi[k] = anagramma;
    }
    for (int i = 0; i < kLettere; ++i)
        for (int k = 1; k <= kNomiTurno; ++k)
            riga(k)[i].setCaption(strAnagrammi[k].mid(i, 1).trimmed());
}

void frmProva5::Label_DragDrop(int n, int Index, Control& Source)
{
    // Letters move only while the clock runs: a drag held across the end of
    // the turn, or let go after the verdict, changes nothing.
    if (!inCorsa_ || unloaded())
        return;
    Label& bersaglio = riga(n)[Index];
    auto* lettera = dynamic_cast<Label*>(&Source);
    if (!lettera || !bersaglio.caption().isEmpty())
        return;
    bersaglio.setCaption(lettera->caption());
    bersaglio.setBackColor(lettera->backColor());
    lettera->setCaption(QString());
    lettera->setBackColor(kBianco);
}

void frmProva5::ValutaTurno()
{
    Frame1.setEnabled(false);
    for (int j = 4; j <= 6; ++j) {
        QString r;
        for (int i = 0; i < kLettere; ++i) {
            const QString lettera = riga(j)[i].caption();
            r += lettera.isEmpty() ? QStringLiteral(" ") : lettera.left(1);
        }
        strRisposte[j] = r;
        for (int i = 0; i < kLettere; ++i)
            riga(j)[i].setBackColor(kRosso);
    }
    const int c = varTurnoDi;
    // Each name counts once, on the first answer row that spells it,
    // whichever anagram its letters came from.
    for (int k = 1; k <= kNomiTurno; ++k)
        for (int j = 4; j <= 6; ++j)
            if (!varLocalitaTurno[k].isEmpty() && strRisposte[j] == varLocalitaTurno[k]) {
                for (int i = 0; i < kLettere; ++i)
                    riga(j)[i].setBackColor(kVerde);
                ++intLocalitaEsatte[c];
                varLocalitaTurno[k].clear();
                break;
            }
    if (intLocalitaEsatte[c] == kNomiTurno)
        suona(QStringLiteral("moltobene.wav"), M.strParlato);
    lblPunti[c - 1].setCaption(QString::number(intLocalitaEsatte[c]));
}

void frmProva5::DecretaVincitore()
{
    const int c1 = intLocalitaEsatte[1], c2 = intLocalitaEsatte[2];
    decretaPunteggi(c1 == 0 && c2 == 0, c1, c2, dblTempoResiduo[1], dblTempoResiduo[2]);
}

}  // namespace zolmera

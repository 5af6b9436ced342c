#include "testkit/board.h"

#include "challenges/base/finestra.h"
#include "shell/frmMenu.h"

#include "state/settings.h"

#include "platform/recordfile.h"
#include "records/domande.h"

#include <QFileInfo>

namespace zolmera::testing {

const QStringList kImmaginiTabellone = {
    "schermata1.bmp", "Nschermata1.bmp", "carrello1.bmp",   "carrello2.bmp",    "presenta1.gif",
    "presenta2.gif",  "presenta3.gif",   "presenta4.gif",   "postazione1.gif",  "postazione2.gif",
    "posizioni1.bmp", "portate.bmp",     "cappellino1.gif", "cappellino2.gif",  "menu.bmp",
    "Nmenu.bmp",      "platea1.jpg",     "platea2.jpg",     "Nplatea1.jpg",     "Nplatea2.jpg",
    "schermata2.bmp", "Nschermata2.bmp", "posizioni2.bmp",
};

ProvaDiProva::ProvaDiProva(AppContext& c) : Screen(c, QStringLiteral("frmProvaDiProva"), 3000, 2000) {}

void ProvaDiProva::Form_Load()
{
    frmRuota* R = tabellone(ctx);
    tabelloneBloccatoAlCaricamento = R && !R->enabled();
    if (R) {
        fontOpzioniAlCaricamento = R->txtOpzione[0].fontName();
        dimensioneOpzioniAlCaricamento = R->txtRisposta.fontSize();
    }
    M.bytConcorrente = 0;
}

void ProvaDiProva::Form_Unload(bool&) { SbloccaTabellone(ctx, this); }

void ProvaDiProva::vince(int w)
{
    M.bytConcorrente = quint8(w);
    M.bytGiri[w] = 1;
    unload();
    ConcediGiro(ctx, w);
}

void ProvaDiProva::nulla()
{
    M.bytConcorrente = 0;
    unload();
    SegnalaProvaNulla(ctx);
}

void ProvaDiProva::armaDomanda(const QString& domanda)
{
    unload();
    ArmaDomandaPrenotazione(ctx, domanda);
}

BoardWorld::BoardWorld()
{
    makeEditionFolders();
    for (int d = 1; d <= 4; ++d)
        for (const QString& nome : kImmaginiTabellone)
            touch(QStringLiteral("images%1/%2").arg(d).arg(nome), "x");
    statoNuovaPartita(M());
    M().strFileMontepremi = path("scores1/mtpremi.dat");
    scriviArchivi(*this);
    // A start screen loaded when a board closes comes up at once.
    impostazioniSenzaPresentazione(*this);
}

void scriviArchivi(TestWorld& w, int argomenti, int domande)
{
    QList<QByteArray> a, d, r;
    for (int k = 1; k <= argomenti; ++k) {
        a << RecArgomento{qint16(k), QStringLiteral("Argomento %1").arg(k)}.codifica();
        for (int j = 1; j <= domande; ++j) {
            const QString n = QStringLiteral("%1.%2").arg(k).arg(j);
            d << RecDomandaArchivio{qint16(j), qint16(k), QStringLiteral("Domanda %1?").arg(n)}.codifica();
            r << RecRisposteArchivio{qint16(j), qint16(k), QStringLiteral("Uno ") + n, QStringLiteral("Due ") + n,
                                     QStringLiteral("Tre ") + n, QStringLiteral("DUE ") + n}
                     .codifica();
        }
    }
    const std::pair<QString, QList<QByteArray>> file[] = {{kFileArgomenti, a}, {kFileDomande, d}, {kFileRisposte, r}};
    for (const auto& [nome, record] : file)
        if (!RecordFile(w.path(nome)).replaceAll(record))
            qFatal("cannot write the test archives");
}

void BoardWorld::secondaFaseSenzaRisposte()
{
    frmRuota& R = board();
    for (int k = 0; k <= 11 && R.Frame4.visible(); ++k)
        if (R.argomento[k].visible())
            click(R.argomento[k]);
    if (!finoA([&] { return R.Frame3.visible(); }, 5 * 50))
        qFatal("the second phase's questions did not end");
    click(R.cmdOpzione[2]);
}

void BoardWorld::giocaPartita(Risultato r)
{
    frmRuota* R = ctx->screens.find<frmRuota>();
    if (!R || !R->visible())
        qFatal("no board to play on");
    sostituisciProve(*R);
    for (int turno = 1; turno <= 8; ++turno) {
        passo();
        if (ProvaDiProva* p = prova())
            run([&] { p->nulla(); });
        else if (R->Frame4.visible())
            secondaFaseSenzaRisposte();
    }
    if (R->cmdFine.caption() != QLatin1String("Salva risultati"))
        qFatal("the match did not reach its end step");
    // Courses, tallies, and who completed the menu, for each result.
    struct Portate {
        int portate1, peso1, portate2, peso2, menu;
    };
    static constexpr Portate kPortate[] = {
        {3, 900, 1, 500, 0},     // Vince1
        {5, 1800, 2, 700, 1},    // Vince1ConMenu
        {1, 100, 2, 1000, 0},    // Vince2
        {3, 1100, 5, 1800, 2},   // Vince2ConMenu
        {2, 600, 2, 600, 0},     // Patta
        {5, 1800, 5, 1800, 3},   // PattaConMenu
    };
    const Portate& p = kPortate[int(r)];
    run([&] {
        R->esito.varPortateVinte[1] = p.portate1;
        R->esito.intPesoPortate[1] = qint16(p.peso1);
        R->esito.varPortateVinte[2] = p.portate2;
        R->esito.intPesoPortate[2] = qint16(p.peso2);
        M().bytMenuCompleto = quint8(p.menu);
        M().strParlato.clear();
    });
    passo();
    passo();
    if (ctx->screens.find<frmRuota>())
        qFatal("the board did not close after its last step");
}

void impostazioniSenzaPresentazione(TestWorld& w)
{
    RecImpostazioni rec = impostazioniPredefinite();
    rec.Sigla = QStringLiteral("No");
    w.touch(QString::fromLatin1(kFileImpostazioni), codificaImpostazioni(rec));
}

void statoNuovaPartita(Modulo1& m)
{
    m.strPrenota1 = "Z";
    m.strGira1 = "X";
    m.strPrenota2 = "N";
    m.strGira2 = "M";
    m.strSu1 = "W";
    m.strGiu1 = "S";
    m.strSx1 = "A";
    m.strDx1 = "D";
    m.strSu2 = "I";
    m.strGiu2 = "K";
    m.strSx2 = "J";
    m.strDx2 = "L";
    m.strModGioco = "ZOLMER90";
    m.strNumModGioco = QStringLiteral("1");
    m.strConduce = "Si";
    m.strNomeConcorrente[1] = QStringLiteral("ANNA");
    m.strNomeConcorrente[2] = QStringLiteral("BRUNO");
    m.bytTipoGioco = 1;
}

frmRuota& BoardWorld::apri()
{
    frmRuota* R = nullptr;
    run([&] {
        R = &ctx->screens.get<frmRuota>();
        R->show();
    });
    return *R;
}

QStringList BoardWorld::suoniDopo(const QString& finestra, double t) const
{
    const QString canale = finestra + QStringLiteral(".mmcSonoro");
    QStringList out;
    for (const auto& e : fakes.audio.events)
        if (e.at >= t && e.channel == canale && !e.file.isEmpty())
            out << QFileInfo(e.file).fileName();
    return out;
}

void BoardWorld::nullaDopoAbbandono(const QString& finestra, double secondi, double chiusa)
{
    for (Form* f : ctx->screens.loaded())
        QVERIFY2(!dynamic_cast<FinestraProva*>(f) && !dynamic_cast<frmRuota*>(f), qPrintable(f->name()));
    QVERIFY(ctx->screens.find<frmMenu>() && ctx->screens.find<frmMenu>()->visible());
    if (chiusa < 0)
        chiusa = loop().now();
    advance(secondi);
    QCOMPARE(suoniDopo(finestra, chiusa), QStringList{});
    QCOMPARE(int(M().bytConcorrente), 0);
    QCOMPARE((QList<int>{M().bytGiri[1], M().bytGiri[2]}), (QList<int>{0, 0}));
}

void BoardWorld::sostituisciProve(frmRuota& R)
{
    auto apri = [this](int k, bool corta, const QString& voce) {
        return [this, k, corta, voce](AppContext& c) {
            lanci << voce;
            auto& p = c.screens.get<ProvaDiProva>();
            p.k = k;
            p.corta = corta;
            p.show();
        };
    };
    for (int k = 1; k <= 20; ++k)
        R.lancio.catalogo.prove[std::size_t(k)] = apri(k, false, QStringLiteral("P%1").arg(k));
    for (int k = 1; k <= 18; ++k)
        R.lancio.catalogo.provine[std::size_t(k)] = apri(k, true, QStringLiteral("p%1").arg(k));
    R.lancio.catalogo.extra = apri(0, false, QStringLiteral("extra"));
}

void BoardWorld::concedi(int w, int giri)
{
    run([&] {
        frmRuota& R = board();
        R.cmdFine.setVisible(false);
        R.cmdFine.setEnabled(false);
        R.Tobrano.setVisible(false);
        M().bytGiri[w] = quint8(giri);
        ConcediGiro(*ctx, w);
    });
}

void BoardWorld::giroInCorso(int w, int rimasti)
{
    concedi(w, rimasti);
    (w == 1 ? board().cmdGira1 : board().cmdGira2).setEnabled(false);
}

void BoardWorld::esito(int w, int cella)
{
    run([&] {
        M().bytConcorrente = quint8(w);
        board().ruota.varTraguardo = cella;
        board().esito.EsitoRuota();
    });
}

void BoardWorld::preparaLancio(int traguardo, int rallenta)
{
    fakes.random.pushDraw(traguardo / 4 + 1, 12);
    fakes.random.pushDraw(rallenta / 4 + 1, 12);
}

bool BoardWorld::finoA(const std::function<bool()>& condizione, double secondi)
{
    for (double t = 0; !condizione(); t += 0.005) {
        if (t > secondi)
            return false;
        advance(0.005);
    }
    return true;
}

bool BoardWorld::finoAFermo(double secondi)
{
    frmRuota& R = board();
    return finoA([&] { return !R.tmrPressione.enabled() && !R.ruota.inMoto(); }, secondi);
}

QByteArray recordMontepremi(qint16 giocate, qint16 totale, qint32 montepremi)
{
    RecordWriter w;
    w.int16(giocate);
    w.int16(totale);
    w.int32(montepremi);
    return w.bytes();
}

}  // namespace zolmera::testing

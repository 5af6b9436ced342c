// Whole competitions through the real screens and board, on virtual time:
// created in the new-game screen, each match opened by "Gioca" and played to
// a chosen result, the competition screen back after every match, and the
// files compared at the end.
#include "competitions/frmNuovo.h"
#include "competitions/frmStagione.h"
#include "competitions/frmVisualizza.h"
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

using Risultato = BoardWorld::Risultato;

QString n11(const QString& n) { return n.leftJustified(11); }

// Which hat each of a contestant's ten board hats shows: 'C', 'S' or '.'.
QString cappelli(frmRuota& R, int w)
{
    QString out;
    ControlArray<Image>& hats = w == 1 ? R.cappello1 : R.cappello2;
    for (int i = 0; i <= 9; ++i) {
        const QPixmap p = hats[i].picture();
        const QRgb px = p.isNull() ? 0 : p.toImage().pixel(0, 0);
        out += p.isNull()                                                        ? QLatin1Char('.')
               : px == FakePictureLoader::colourOf("cappellino1.gif").rgb() ? QLatin1Char('C')
               : px == FakePictureLoader::colourOf("cappellino2.gif").rgb() ? QLatin1Char('S')
                                                                              : QLatin1Char('?');
    }
    return out;
}

struct CompetizioneWorld : BoardWorld {
    CompetizioneWorld()
    {
        for (int k = 1; k <= 3; ++k)
            touch(QStringLiteral("images1/risultato%1.gif").arg(k), "x");
        touch("scores1/mtpremi.dat", slot(le16(0) + le16(0) + le32(1000)));
        impostazioniSenzaPresentazione(*this);
        run([&] { ctx->rotte.mostra(Schermo::Avvio); });
        settle();
    }
    // "Nuova partita" on the start screen, the game type, the names and the
    // file the save dialog is given.
    void crea(int tipo, const QStringList& nomi, const QString& file, int lunghezza = 0)
    {
        click(ctx->screens.find<frmMenu>()->cmdGioca);
        frmNuovo& n = *ctx->screens.find<frmNuovo>();
        click(n.optTipo[tipo]);
        TextBox* caselle[] = {&n.txtGiocatore1, &n.txtGiocatore2, &n.txtGiocatore3, &n.txtGiocatore4};
        for (int k = 0; k < nomi.size(); ++k)
            caselle[k]->setText(nomi[k]);
        if (tipo == 2)
            n.cboSPartite.setListIndex(lunghezza);
        fakes.fileDialogs.setNextFileName(path(file));
        click(n.cmdCrea);
        settle();
    }
    RecMontepremi montepremi(const char* f) const { return RecMontepremi::decodifica(RecordFile(path(QLatin1String(f))).readSlot(1)); }
};

}  // namespace

class TestCompetizioni : public QObject {
    Q_OBJECT
private slots:
    // Twelve matches: fixture 2 of each matchday first, the standings sorted
    // by points then winnings, the jackpot moved only by matches 2 and 4, the
    // board's hats from the earlier matchdays, then the proclamation.
    void aWholeTournament()
    {
        CompetizioneWorld w;
        w.crea(1, {"P1", "P2", "P3", "P4"}, "saved1/Coppa.002");
        frmVisualizza* v = w.ctx->screens.find<frmVisualizza>();
        QVERIFY(v && v->visible());
        QVERIFY(!w.ctx->screens.find<frmMenu>()->visible());

        struct Partita {
            const char* casa;
            const char* fuori;
            Risultato r;
        };
        const Partita partite[12] = {
            {"P4", "P2", Risultato::Vince1},        {"P3", "P1", Risultato::Vince2},
            {"P2", "P3", Risultato::Patta},         {"P1", "P4", Risultato::Vince1ConMenu},
            {"P2", "P1", Risultato::Vince2},        {"P4", "P3", Risultato::PattaConMenu},
            {"P2", "P4", Risultato::Vince1},        {"P1", "P3", Risultato::Vince2},
            {"P3", "P2", Risultato::Patta},         {"P4", "P1", Risultato::Vince1},
            {"P1", "P2", Risultato::Vince1},        {"P3", "P4", Risultato::Vince2ConMenu},
        };
        const qint32 jackpot[12] = {1000, 1250, 1250, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000};
        for (int m = 0; m < 12; ++m) {
            const QString dove = QStringLiteral("match %1").arg(m + 1);
            QVERIFY2(v->visible(), qPrintable(dove));
            QCOMPARE(int(w.M().intGiornata), m / 2 + 1);
            QCOMPARE(w.M().strNomeConcorrente[1].str(), n11(partite[m].casa));
            QCOMPARE(w.M().strNomeConcorrente[2].str(), n11(partite[m].fuori));
            w.click(v->cmdGioca);
            frmRuota* R = w.ctx->screens.find<frmRuota>();
            QVERIFY2(R && R->visible() && !v->visible(), qPrintable(dove));
            if (m == 11) {
                // P3 and P4 bring the hats of their five earlier matchdays.
                QCOMPARE(cappelli(*R, 1), QStringLiteral("CSCC......"));
                QCOMPARE(cappelli(*R, 2), QStringLiteral("CSC......."));
            }
            w.giocaPartita(partite[m].r);
            QCOMPARE(w.montepremi("saved1/Coppa.m02").Montepremi, jackpot[m]);
            QCOMPARE(int(w.montepremi("saved1/Coppa.m02").Giocate), m + 1);
        }
        QVERIFY(v->visible());
        QVERIFY(v->intTorneoFinito);

        struct Riga {
            const char* nome;
            int punti;
            const char* esiti;
            qint32 vincita;
        };
        const Riga attese[4] = {{"P4", 6, "C-S-CS", 1500}, {"P1", 5, "CSC--C", 1250},
                                {"P3", 5, "-CSCC-", 500},  {"P2", 3, "-C-CC-", 0}};
        const RecordFile campionato(w.path("saved1/Coppa.002"));
        for (int r = 0; r < 4; ++r) {
            const auto g = RecGiocatoreCampionato::decodifica(campionato.readSlot(r + 1));
            QString esiti;
            for (int d = 1; d <= 6; ++d)
                esiti += g.Esiti[d];
            QCOMPARE(g.Nome.str(), n11(attese[r].nome));
            QCOMPARE(int(g.Punti), attese[r].punti);
            QCOMPARE(esiti, QString::fromLatin1(attese[r].esiti));
            QCOMPARE(g.Vincita, attese[r].vincita);
        }
        QCOMPARE(v->lblNome1.caption(), n11("P4"));
        QCOMPARE(v->lblVincita2.caption(), QStringLiteral("€. 1.250"));
        const RecordFile giornate(w.path("saved1/Coppa.d02"));
        const auto g1 = RecGiornataCampionato::decodifica(giornate.readSlot(1));
        QCOMPARE(g1.Risultato2.str(), QStringLiteral("vince P4         "));
        QCOMPARE(g1.Risultato1.str(), QStringLiteral("vince P1         "));
        const auto g5 = RecGiornataCampionato::decodifica(giornate.readSlot(5));
        QCOMPARE(g5.Risultato2.str(), QStringLiteral("gara in PARITA'  "));
        QCOMPARE(int(w.montepremi("saved1/Coppa.m02").Totale), 12);
        QCOMPARE(w.montepremi("scores1/mtpremi.dat").Montepremi, 1000);   // the single match's own

        w.fakes.messages.asked.clear();
        w.click(v->cmdGioca);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, QStringLiteral("Il vincitore è ") + n11("P4"));
        QVERIFY(!w.ctx->screens.find<frmRuota>());
    }

    // A champion who wins thirty in a row: a new challenger each match in
    // the seat the loser left, the limit's message, both seats emptied, the
    // champion's run in the ranking, and the proclamation.
    void aSeasonWonThirtyTimesInARow()
    {
        CompetizioneWorld w;
        w.crea(2, {"Rossi", "Bianchi"}, "saved1/Inverno.003", 0);
        frmStagione* s = w.ctx->screens.find<frmStagione>();
        QVERIFY(s && s->visible());
        QCOMPARE(s->lblGiornata.caption(), QStringLiteral("Partita N° 1 / 30"));
        for (int m = 1; m <= 30; ++m) {
            const QString dove = QStringLiteral("match %1").arg(m);
            QVERIFY2(s->visible(), qPrintable(dove));
            QCOMPARE(s->lblGiornata.caption(), QStringLiteral("Partita N° %1 / 30").arg(m));
            if (m > 1) {
                QCOMPARE(s->lblGiocatore1.caption(), QStringLiteral("Nome Campione"));
                QVERIFY(!s->txtGiocatore1.enabled());
                QVERIFY(s->txtGiocatore2.enabled());
                QCOMPARE(s->lblGiocatore2.caption(), QStringLiteral("Nome Sfidante"));
                s->txtGiocatore2.setText(QStringLiteral("Sfidante %1").arg(m));
                QCOMPARE(w.M().lngVincita[1], (m - 1) * 1000);
            }
            w.fakes.messages.asked.clear();
            w.click(s->cmdGioca);
            QVERIFY2(w.fakes.messages.asked.isEmpty(), qPrintable(dove));
            frmRuota* R = w.ctx->screens.find<frmRuota>();
            QVERIFY2(R && R->visible(), qPrintable(dove));
            if (m > 10)
                QCOMPARE(cappelli(*R, 1), QStringLiteral("SSSSSSSSSS"));
            w.giocaPartita(Risultato::Vince1ConMenu);
        }
        // The limit's message came before the proclamation.
        bool limite = false;
        for (const auto& a : w.fakes.messages.asked)
            limite = limite || a.title == QLatin1String("MESSAGGIO PER IL CAMPIONE");
        QVERIFY(limite);

        QVERIFY(s->visible());
        QCOMPARE(s->lblGiornata.caption(), QStringLiteral("Partita N° 30 / 30"));
        QVERIFY(!s->txtGiocatore1.enabled() && !s->txtGiocatore2.enabled());
        QVERIFY(s->txtGiocatore1.text().isEmpty() && s->txtGiocatore2.text().isEmpty());
        const RecordFile stagione(w.path("saved1/Inverno.003"));
        for (int k = 1; k <= 2; ++k) {
            const auto seggio = RecPostazioneStagione::decodifica(stagione.readSlot(k));
            QCOMPARE(seggio.Nome.str(), QString(11, QLatin1Char(' ')));
            QCOMPARE(int(seggio.Partite), 0);
        }
        const auto primo = RecPunteggio::decodifica(RecordFile(w.path("saved1/Inverno.d03")).readSlot(1));
        QCOMPARE(primo.Nome.str(), n11("ROSSI"));
        QCOMPARE(int(primo.Gare), 30);
        QCOMPARE(int(primo.Super), 30);
        QCOMPARE(primo.Vincita, 30000);
        QCOMPARE(s->lblNome[0].caption(), n11("ROSSI"));
        QCOMPARE(int(w.montepremi("saved1/Inverno.m03").Giocate), 30);

        w.fakes.messages.asked.clear();
        for (int volta = 0; volta < 2; ++volta)
            w.click(s->cmdGioca);
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        QCOMPARE(w.fakes.messages.asked.last().prompt, QStringLiteral("Il vincitore è ") + n11("ROSSI"));
        QVERIFY(!w.ctx->screens.find<frmRuota>());

        // Leaving the season goes back to the start screen.
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.run([&] { s->Esci.click(); });
        w.settle();
        QVERIFY(!w.ctx->screens.find<frmStagione>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        QVERIFY(w.M().strFileStagione.isEmpty());
    }

    // An abandoned match records nothing and brings the competition's screen
    // back as it was.
    void anAbandonedMatchComesBackToTheScreen()
    {
        CompetizioneWorld w;
        w.crea(1, {"P1", "P2", "P3", "P4"}, "saved1/Coppa.002");
        frmVisualizza* v = w.ctx->screens.find<frmVisualizza>();
        QVERIFY(v);
        const QByteArray prima = RecordFile(w.path("saved1/Coppa.002")).readSlot(1);
        w.click(v->cmdGioca);
        frmRuota* R = w.ctx->screens.find<frmRuota>();
        QVERIFY(R);
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.run([&] { R->Esci.click(); });
        w.settle();
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(v->visible());
        QCOMPARE(RecordFile(w.path("saved1/Coppa.002")).readSlot(1), prima);
        QCOMPARE(w.M().strNomeConcorrente[1].str(), n11("P4"));
        QCOMPARE(int(w.montepremi("saved1/Coppa.m02").Giocate), 0);
    }
};

ZOLMERA_TEST_MAIN(TestCompetizioni)
#include "tst_competizioni.moc"

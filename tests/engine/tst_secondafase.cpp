// The second phase on the board: who begins, the twelve covers, the
// 45-second questions and their judging, the spin-or-change choice, and a
// whole final from "Inizia seconda fase" to "Salva risultati".
#include "platform/recordfile.h"
#include "records/domande.h"
#include "shell/frmComandiGioco.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// A board whose next press starts the second phase, with its sounds there
// and spoken comments on.
struct Finale : BoardWorld {
    explicit Finale(int menu = 0, QList<int> portate = {0, 0, 0, 0})
    {
        const char* suoni[] = {"domandefinali1", "nullo1"};
        for (const char* s : suoni)
            touch(QStringLiteral("sounds1/%1.wav").arg(s), onda(0.5));
        for (const char* s : {"esatto", "errato"})
            for (int k = 1; k <= 6; ++k)
                touch(QStringLiteral("sounds1/%1%2.wav").arg(s).arg(k), onda(0.5));
        for (const char* s : {"scaduto", "cosadecide", "ungiro", "duegiri", "tregiri", "cambiauna", "cambiadue"})
            for (int k = 1; k <= 3; ++k)
                touch(QStringLiteral("sounds1/%1%2.wav").arg(s).arg(k), onda(0.5));
        R = &apri();
        M().strParlato = QStringLiteral("Play");
        run([&] {
            R->turni.intTurno = 6;
            R->cmdFine.setCaption(QStringLiteral("Inizia seconda fase"));
            R->cmdFine.setVisible(true);
            R->cmdFine.setEnabled(true);
            R->esito.varPortateVinte[1] = portate[0];
            R->esito.intPesoPortate[1] = qint16(portate[1]);
            R->esito.varPortateVinte[2] = portate[2];
            R->esito.intPesoPortate[2] = qint16(portate[3]);
            M().bytMenuCompleto = quint8(menu);
        });
    }
    // Opens the first n covers still shown.
    void scegli(int n)
    {
        for (int k = 0; k <= 11 && n > 0; ++k)
            if (R->argomento[k].visible()) {
                click(R->argomento[k]);
                --n;
            }
    }
    // The right answer of the question shown: the test archives put it second.
    QString giusta() const { return R->txtOpzione[1].text(); }
    // The question comes 3 s after the covers or the last verdict, and its
    // 45 s run inside the board's own wait: what the player does is put on
    // the clock beforehand, as a player would do it then.
    void alle(double secondi, std::function<void()> fn) { loop().at(loop().now() + secondi, std::move(fn)); }
    // One question, answered 0.5 s after it comes: R right confirmed, r right
    // clicked and confirmed, W wrong, E empty, t right left to the time-out,
    // T right with a blank left to it.
    void rispondi(char come)
    {
        const bool tempo = come == 't' || come == 'T';
        alle(3.5, [this, come] {
            if (R->txtDomanda.text().isEmpty())
                qFatal("no question came");
            const QString g = giusta();
            switch (come) {
            case 'R': R->txtRisposta.setText(QStringLiteral("  ") + g.toLower() + QStringLiteral(" ")); break;
            case 'r': click(R->txtOpzione[1]); break;
            case 'W': R->txtRisposta.setText(R->txtOpzione[0].text()); break;
            case 'E': R->txtRisposta.setText(QString()); break;
            case 't': R->txtRisposta.setText(g); break;
            case 'T': R->txtRisposta.setText(g + QStringLiteral(" ")); break;
            }
            if (come != 't' && come != 'T')
                click(R->cmdConferma);
        });
        advance(tempo ? 3.5 + 46 : 4);
    }
    void risposte(const char* sequenza)
    {
        for (const char* c = sequenza; *c; ++c)
            rispondi(*c);
    }
    // The verdict sounds played so far, by their stems.
    QStringList verdetti() const
    {
        QStringList out;
        for (QString s : fakes.audio.played(QStringLiteral("frmRuota.mmcMelodia"))) {
            s.remove(QRegularExpression(QStringLiteral("\\d*\\.wav$")));
            if (s == QLatin1String("esatto") || s == QLatin1String("errato") || s == QLatin1String("scaduto"))
                out << s;
        }
        return out;
    }
    int giri(int w) const { return ctx->M.bytGiri[w]; }
    frmRuota* R = nullptr;
};

QByteArray argomentoGrezzo(qint16 codice, const QByteArray& nome) { return le16(codice) + le16(qint16(nome.size())) + nome; }
QByteArray testo(const QByteArray& t) { return le16(qint16(t.size())) + t; }
QByteArray domandaGrezza(qint16 n, qint16 codice, const QByteArray& d) { return le16(n) + le16(codice) + testo(d); }
QByteArray risposteGrezze(qint16 n, qint16 codice, const QByteArray& a, const QByteArray& b, const QByteArray& c,
                          const QByteArray& r)
{
    return le16(n) + le16(codice) + testo(a) + testo(b) + testo(c) + testo(r);
}

}  // namespace

class TestSecondaFase : public QObject {
    Q_OBJECT
private slots:
    // The archive readers on hand-written files.
    void theArchiveReaders()
    {
        TestWorld w;
        // Topics: a full slot, then a last record without filler.
        w.touch("a1.dat", slot(argomentoGrezzo(7, "Storia")) + slot(argomentoGrezzo(9, "Storia"))
                              + argomentoGrezzo(4, "Arte "));
        // Questions of topic 7 numbered 1, 2 and 4; a text of count 0.
        w.touch("a2.dat", slot(domandaGrezza(1, 7, "Prima?")) + slot(domandaGrezza(2, 7, "")) + slot(domandaGrezza(4, 7, "Quarta?"))
                              + slot(domandaGrezza(1, 4, "Arte?")));
        w.touch("a3.dat", slot(risposteGrezze(1, 7, "a", "b", "c", "B")) + slot(risposteGrezze(4, 7, "x", "y", "z", "Z")));
        for (const char* n : {"1", "2", "3"})
            QFile::rename(w.path(QStringLiteral("a%1.dat").arg(n)), w.path(QStringLiteral("archivio%1.dat").arg(n)));
        const ArchiviDomande a(w.dir.path());
        QCOMPARE(a.LeggiArgomenti(), (QStringList{"Storia", "Storia", "Arte "}));
        QCOMPARE(a.CodiceArgomento(QStringLiteral("Storia")), qint16(7));
        QCOMPARE(a.CodiceArgomento(QStringLiteral("Arte")), qint16(0));     // a trailing blank counts
        QCOMPARE(a.CodiceArgomento(QStringLiteral("storia")), qint16(0));   // and so does case
        QCOMPARE(a.NumeroMassimo(7), 4);
        QCOMPARE(a.NumeroMassimo(99), 1);
        QCOMPARE(a.numeriDomande(7), (QList<int>{1, 2, 4}));
        QCOMPARE(a.LeggiDomanda(7, 4), std::optional<QString>(QStringLiteral("Quarta?")));
        QCOMPARE(a.LeggiDomanda(7, 2), std::optional<QString>(QString()));
        QVERIFY(!a.LeggiDomanda(7, 3));
        QCOMPARE(a.LeggiRisposte(7, 4)->Risposta, QStringLiteral("Z"));
        QVERIFY(!a.LeggiRisposte(4, 1));
        QCOMPARE(a.ContaDomande(), 4);
        QCOMPARE(a.risposte().size(), 2);

        // A missing archive holds nothing and stays missing.
        const ArchiviDomande vuoto(w.path("altrove"));
        QVERIFY(vuoto.LeggiArgomenti().isEmpty());
        QCOMPARE(vuoto.ContaDomande(), 0);
        QCOMPARE(vuoto.NumeroMassimo(7), 1);
        QVERIFY(!QFile::exists(w.path("altrove/archivio1.dat")));
    }

    // Who begins: the contestant without the menu, more courses, the lower
    // tally, or the coin, with the boxes' texts and the names' blanks.
    void whoBegins_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QList<int>>("portate");
        QTest::addColumn<int>("risposta");   // to the toss question; 0: no toss
        QTest::addColumn<int>("estratto");
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("esito");
        QTest::newRow("contestant 2 has the menu") << 2 << QList<int>{1, 300, 5, 1800} << 0 << 0 << 1 << QString();
        QTest::newRow("contestant 1 has the menu") << 1 << QList<int>{5, 1800, 4, 1500} << 0 << 0 << 2 << QString();
        QTest::newRow("more courses") << 0 << QList<int>{3, 1500, 2, 600} << 0 << 0 << 1 << QString();
        QTest::newRow("equal courses, the lower tally") << 0 << QList<int>{3, 1100, 3, 900} << 0 << 0 << 2 << QString();
        QTest::newRow("a tie, TESTA, contestant 1 wins")
            << 0 << QList<int>{2, 700, 2, 700} << int(mb::Yes) << 1 << 1
            << QStringLiteral("E' uscito TESTA: incomincia la seconda fase ANNA       ");
        QTest::newRow("no course each, CROCE, contestant 2 wins")
            << 0 << QList<int>{0, 0, 0, 0} << int(mb::No) << 2 << 2
            << QStringLiteral("E' uscito TESTA: incomincia la seconda fase BRUNO      ");
    }
    void whoBegins()
    {
        QFETCH(int, menu);
        QFETCH(QList<int>, portate);
        QFETCH(int, risposta);
        QFETCH(int, estratto);
        QFETCH(int, primo);
        QFETCH(QString, esito);
        Finale w(menu, portate);
        if (risposta) {
            w.fakes.messages.setNextAnswer(risposta);
            w.fakes.random.pushDraw(estratto, 2);
        }
        w.fakes.pictures.requested.clear();
        w.passo();
        QCOMPARE(int(w.M().bytConcorrente), primo);
        QCOMPARE(w.R->imgPostaz1.visible(), primo == 1);
        QCOMPARE(w.R->imgPostaz2.visible(), primo == 2);
        const auto& asked = w.fakes.messages.asked;
        if (!risposta) {
            QVERIFY(asked.isEmpty());
        } else {
            QCOMPARE(asked.size(), 2);
            QCOMPARE(asked[0].prompt, QStringLiteral("ANNA       , accetti il simbolo 'TESTA'?"));
            QCOMPARE(asked[0].flags, mb::YesNo | mb::Question);
            QCOMPARE(asked[0].title, QStringLiteral("PARITA': SORTEGGIO (TESTA O CROCE?)"));
            QCOMPARE(asked[1].prompt, esito);
            QCOMPARE(asked[1].flags, mb::OKOnly | mb::Information);
            QCOMPARE(asked[1].title, QStringLiteral("RISULTATO SORTEGGIO"));
        }
        const QString nome = primo == 1 ? QStringLiteral("ANNA       ") : QStringLiteral("BRUNO      ");
        QCOMPARE(w.R->Frame4.caption(), nome + QStringLiteral(" scegli 3 domande fra le seguenti:"));
        QVERIFY(w.R->Frame4.visible() && !w.R->Tobrano.visible() && !w.R->imgPPrenota.visible());
        for (const char* f : {"schermata2.bmp", "posizioni2.bmp", primo == 1 ? "presenta3.gif" : "presenta4.gif"})
            QVERIFY2(w.fakes.pictures.requested.contains(w.path(QStringLiteral("images1/%1").arg(f))), f);
        QCOMPARE(w.fakes.audio.played(QStringLiteral("frmRuota.mmcMelodia")), QStringList{"domandefinali1.wav"});
    }

    // Twelve different topics under the covers, drawn again on a repeat; the
    // covers chosen go for the rest of the match, nine are left at turn 8.
    void theCoversHideTwelveDifferentTopics()
    {
        Finale w(0, {3, 1500, 2, 600});
        w.fakes.random.pushDraw(5, 12);
        w.fakes.random.pushDraw(5, 12);   // the same topic: drawn again
        for (int k = 1; k <= 12; ++k)
            if (k != 5)
                w.fakes.random.pushDraw(k, 12);
        w.passo();
        QStringList estratti;
        for (int k = 0; k <= 11; ++k) {
            estratti << w.R->secondaFase.strArgomentiEstratti[k];
            QVERIFY(w.R->argomento[k].visible());
        }
        QCOMPARE(estratti.first(), QStringLiteral("Argomento 5"));
        QCOMPARE(QSet<QString>(estratti.cbegin(), estratti.cend()).size(), 12);

        for (int k : {3, 0}) {
            w.click(w.R->argomento[k]);
            QVERIFY(!w.R->argomento[k].visible());
            QVERIFY(w.R->Frame4.visible());
        }
        w.click(w.R->argomento[7]);
        QVERIFY(!w.R->Frame4.visible());
        QVERIFY(w.R->Frame2.visible() && w.R->imgPPrenota.visible());
        QCOMPARE(w.R->Frame2.caption(), QStringLiteral("ANNA        rispondi alle seguenti domande:"));
        w.click(w.R->argomento[8]);   // the frame is gone: a fourth cover cannot be taken
        QVERIFY(w.R->argomento[8].visible());
        QCOMPARE(w.R->secondaFase.strArgomentiScelti[1], estratti[3]);
        QCOMPARE(w.R->secondaFase.strArgomentiScelti[3], estratti[7]);
        QString intestazione;
        w.alle(3.5, [&] { intestazione = w.R->lblArgomento.caption(); });
        w.risposte("WWW");
        QCOMPARE(intestazione, QStringLiteral("Domanda 1: ") + estratti[3]);
        w.click(w.R->cmdOpzione[2]);
        QVERIFY(w.R->cmdFine.visible());
        w.passo();   // turn 8
        int coperti = 0;
        for (int k = 0; k <= 11; ++k)
            coperti += w.R->argomento[k].visible() ? 1 : 0;
        QCOMPARE(coperti, 9);
        QVERIFY(w.R->Frame4.visible());
    }

    // An archive without twelve topics to draw says so, shows no cover and
    // ends the turn as with no right answer; it never hangs.
    void tooFewTopicsEndTheTurn_data()
    {
        QTest::addColumn<int>("argomenti");
        QTest::addColumn<bool>("gioca");
        QTest::newRow("eleven topics") << 11 << false;
        QTest::newRow("twelve topics") << 12 << true;
        QTest::newRow("no archive") << 0 << false;
    }
    void tooFewTopicsEndTheTurn()
    {
        QFETCH(int, argomenti);
        QFETCH(bool, gioca);
        Finale w(0, {3, 1500, 2, 600});
        scriviArchivi(w, argomenti, 1);
        if (argomenti == 0)
            for (const QString& f : {kFileArgomenti, kFileDomande, kFileRisposte})
                QFile::remove(w.path(f));
        w.passo();
        QCOMPARE(w.R->secondaFase.argomentiPronti, gioca);
        if (gioca) {
            QVERIFY(w.R->Frame4.visible());
            return;
        }
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(w.fakes.messages.asked[0].prompt.contains(w.path("archivio1.dat")));
        QVERIFY(!w.R->Frame4.visible());
        for (int k = 0; k <= 11; ++k)
            QVERIFY(!w.R->argomento[k].visible());
        QVERIFY(w.R->Frame3.visible());
        QCOMPARE(w.R->cmdOpzione[2].caption(), QStringLiteral("Nessun giro di ruota"));
        QVERIFY(!w.R->cmdOpzione[0].enabled() && !w.R->cmdOpzione[1].enabled());
        w.click(w.R->cmdOpzione[2]);
        QVERIFY(w.R->cmdFine.visible() && w.R->Tobrano.visible());
        QCOMPARE(w.R->cmdFine.caption(), QStringLiteral("Continua seconda fase"));
        QVERIFY(!QFile::exists(w.path("archivio1.dat")) || argomenti > 0);
    }

    // The three questions of a turn: confirmed answers are trimmed, answers
    // left to the time are not; the choice that follows by the count.
    void theFirstBatch_data()
    {
        QTest::addColumn<QString>("risposte");
        QTest::addColumn<int>("giri");
        QTest::addColumn<QStringList>("suoni");
        QTest::addColumn<QString>("terza");
        QTest::addColumn<bool>("cambia1");
        QTest::addColumn<bool>("cambia2");
        QTest::newRow("right, wrong, right") << "RWR" << 2 << QStringList{"esatto", "errato", "esatto"}
                                             << "Gira la ruota 2 volte" << true << false;
        QTest::newRow("clicked options") << "rrr" << 3 << QStringList{"esatto", "esatto", "esatto"}
                                         << "Gira la ruota 3 volte" << false << false;
        QTest::newRow("time-outs: blanks fail, the exact text wins, empty fails")
            << "TtE" << 1 << QStringList{"scaduto", "esatto", "errato"} << "Gira la ruota 1 volta" << true << true;
        QTest::newRow("nothing right") << "WEW" << 0 << QStringList{"errato", "errato", "errato"}
                                       << "Nessun giro di ruota" << false << false;
    }
    void theFirstBatch()
    {
        QFETCH(QString, risposte);
        QFETCH(int, giri);
        QFETCH(QStringList, suoni);
        QFETCH(QString, terza);
        QFETCH(bool, cambia1);
        QFETCH(bool, cambia2);
        Finale w(0, {3, 1500, 2, 600});
        w.passo();
        w.scegli(3);
        w.fakes.audio.clear();
        w.risposte(risposte.toLatin1().constData());
        QCOMPARE(w.verdetti(), suoni);
        QCOMPARE(w.giri(1), giri);
        QVERIFY(w.R->Frame3.visible() && !w.R->Frame2.visible() && w.R->Tobrano.visible());
        QCOMPARE(w.R->Frame3.caption(), QStringLiteral("Hai %1 risposte esatte").arg(giri));
        QCOMPARE(w.R->cmdOpzione[2].caption(), terza);
        QCOMPARE(w.R->cmdOpzione[0].enabled(), cambia1);
        QCOMPARE(w.R->cmdOpzione[1].enabled(), cambia2);
        const bool scelta = giri == 1 || giri == 2;
        QCOMPARE(w.fakes.audio.played().filter(QStringLiteral("cosadecide")).size(), scelta ? 1 : 0);
    }

    // "Ok" counts only while a question waits for its answer: not before the
    // first, not between two, and a question is judged once.
    void okOnlyWhileAQuestionWaits()
    {
        Finale w(0, {3, 1500, 2, 600});
        w.passo();
        w.scegli(3);
        const double t0 = w.loop().now();   // the first question comes at t0 + 3
        w.fakes.audio.clear();
        w.R->txtRisposta.setText(QStringLiteral("qualcosa"));
        w.click(w.R->cmdConferma);   // before the first question
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("qualcosa"));
        w.loop().at(t0 + 4, [&] {
            w.R->txtRisposta.setText(w.giusta());
            w.click(w.R->cmdConferma);
            w.click(w.R->cmdConferma);   // judged: the next question is 3 s away
        });
        w.loop().at(t0 + 5, [&] { w.click(w.R->cmdConferma); });
        // The second comes at t0 + 7 and runs out at t0 + 52; the verdict of
        // the time-out is due 100 ms later, and "Ok" comes first.
        w.loop().at(t0 + 8, [&] { w.R->txtRisposta.setText(w.giusta()); });
        w.loop().at(t0 + 52.05, [&] {
            QVERIFY(w.R->tmrDomanda.enabled());
            w.click(w.R->cmdConferma);
        });
        w.advance(53);
        QCOMPARE(w.verdetti(), (QStringList{"esatto", "esatto"}));
        QCOMPARE(w.giri(1), 2);
    }

    // Changed questions stake the spins: the first wrong or late answer
    // loses them all at once; a one-question change won on "Ok" closes the
    // changes, won at the time-out it does not.
    void changeBatches_data()
    {
        QTest::addColumn<QString>("primi");
        QTest::addColumn<int>("cambio");
        QTest::addColumn<QString>("cambiate");
        QTest::addColumn<int>("giri");
        QTest::addColumn<QString>("terza");
        QTest::addColumn<bool>("cambia1");
        QTest::addColumn<int>("domandeViste");
        QTest::newRow("1 right, change 2: right then wrong") << "RWW" << 1 << "RW" << 0 << "Nessun giro di ruota" << false << 2;
        QTest::newRow("1 right, change 2: wrong first, no second") << "RWW" << 1 << "W" << 0 << "Nessun giro di ruota" << false << 1;
        QTest::newRow("1 right, change 2: both right") << "RWW" << 1 << "RR" << 3 << "Gira la ruota 3 volte" << false << 2;
        QTest::newRow("1 right, change 1: right on Ok") << "RWW" << 0 << "R" << 2 << "Gira la ruota 2 volte" << false << 1;
        QTest::newRow("1 right, change 1: right at the time-out") << "RWW" << 0 << "t" << 2 << "Gira la ruota 2 volte" << true << 1;
        QTest::newRow("1 right, change 1: late") << "RWW" << 0 << "T" << 0 << "Nessun giro di ruota" << false << 1;
        QTest::newRow("2 right, change 1: right") << "RRW" << 0 << "R" << 3 << "Gira la ruota 3 volte" << false << 1;
    }
    void changeBatches()
    {
        QFETCH(QString, primi);
        QFETCH(int, cambio);
        QFETCH(QString, cambiate);
        QFETCH(int, giri);
        QFETCH(QString, terza);
        QFETCH(bool, cambia1);
        QFETCH(int, domandeViste);
        Finale w(0, {3, 1500, 2, 600});
        w.passo();
        w.scegli(3);
        w.risposte(primi.toLatin1().constData());
        w.fakes.audio.clear();
        w.click(w.R->cmdOpzione[cambio]);
        QVERIFY(w.R->Frame4.visible() && !w.R->Frame3.visible());
        QCOMPARE(w.R->Frame4.caption(), QStringLiteral("ANNA        scegli %1 domande fra le seguenti:").arg(cambio + 1));
        QCOMPARE(w.fakes.audio.played().filter(cambio == 0 ? QStringLiteral("cambiauna") : QStringLiteral("cambiadue")).size(), 1);
        w.scegli(cambio + 1);
        w.risposte(cambiate.toLatin1().constData());
        QCOMPARE(w.verdetti().size(), domandeViste);
        QVERIFY(w.R->Frame3.visible());
        QCOMPARE(w.giri(1), giri);
        QCOMPARE(w.R->cmdOpzione[2].caption(), terza);
        QCOMPARE(w.R->cmdOpzione[0].enabled(), cambia1);
        QVERIFY(!w.R->cmdOpzione[1].enabled());
        int coperti = 0;
        for (int k = 0; k <= 11; ++k)
            coperti += w.R->argomento[k].visible() ? 1 : 0;
        QCOMPARE(coperti, 12 - 3 - (cambio + 1));
    }

    // Taking the spins: none brings the step button back at once; some
    // light the spin button of the turn's contestant only; when the other
    // has the menu, the match goes to its end.
    void takingTheSpins_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("risposte");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("none") << 0 << "WWW" << "nullo1.wav" << "Continua seconda fase";
        QTest::newRow("one") << 0 << "RWW" << "ungiro" << "Continua seconda fase";
        QTest::newRow("three") << 0 << "RRR" << "tregiri" << "Continua seconda fase";
        QTest::newRow("none, the other has the menu") << 2 << "WWW" << "nullo1.wav" << "Salva risultati";
        QTest::newRow("two, the other has the menu") << 2 << "RRW" << "duegiri" << "Salva risultati";
    }
    void takingTheSpins()
    {
        QFETCH(int, menu);
        QFETCH(QString, risposte);
        QFETCH(QString, suono);
        QFETCH(QString, didascalia);
        Finale w(menu, {3, 1500, 2, 600});
        w.passo();
        QCOMPARE(int(w.M().bytConcorrente), 1);
        w.scegli(3);
        w.risposte(risposte.toLatin1().constData());
        w.fakes.audio.clear();
        w.click(w.R->cmdOpzione[2]);
        QVERIFY(!w.R->Frame3.visible());
        QVERIFY(w.fakes.audio.played(QStringLiteral("frmRuota.mmcMelodia")).last().startsWith(suono));
        QCOMPARE(w.R->cmdFine.caption(), didascalia);
        const bool nessuno = risposte == QLatin1String("WWW");
        QCOMPARE(w.R->cmdGira1.enabled(), !nessuno);
        QVERIFY(!w.R->cmdGira2.enabled());
        QCOMPARE(w.R->cmdFine.visible(), nessuno);
        QCOMPARE(w.R->Tobrano.visible(), nessuno);
        QCOMPARE(w.R->Salva.enabled(), nessuno && menu == 2);
    }

    // A topic whose numbers have a gap is drawn among the numbers it has; a
    // question whose answer is missing is never judged by the last one.
    void gapsAndMissingAnswers()
    {
        Finale w(0, {3, 1500, 2, 600});
        scriviArchivi(w, 12, 1);
        // Topic 1: numbers 1 and 4; number 4 has no answer record.
        QList<QByteArray> d, r;
        for (const QByteArray& s : RecordFile(w.path(kFileDomande)).readSlots())
            d << s;
        for (const QByteArray& s : RecordFile(w.path(kFileRisposte)).readSlots())
            r << s;
        d << RecDomandaArchivio{4, 1, QStringLiteral("Senza risposta?")}.codifica();
        QVERIFY(RecordFile(w.path(kFileDomande)).replaceAll(d));
        for (int k = 1; k <= 12; ++k)
            w.fakes.random.pushDraw(k, 12);
        w.passo();
        // Topic 2 first, answered right; then topic 1 at its number 4.
        w.click(w.R->argomento[1]);
        w.click(w.R->argomento[0]);
        w.click(w.R->argomento[2]);
        w.fakes.random.push(0.1);        // topic 2's only question
        w.fakes.random.push(0.1);        // the sound of the right answer
        w.fakes.random.pushDraw(2, 2);   // the second of topic 1's numbers 1 and 4
        QString prima;
        w.alle(3.5, [&] { prima = w.giusta(); });
        w.rispondi('R');
        QCOMPARE(w.giri(1), 1);
        // The last question's answer, left to the time, is not this one's.
        w.alle(3.5, [&] {
            QCOMPARE(w.R->txtDomanda.text(), QStringLiteral("Senza risposta?"));
            QVERIFY(w.R->txtOpzione[1].text().isEmpty());
            w.R->txtRisposta.setText(prima);
        });
        w.advance(3.5 + 46);
        QVERIFY(!prima.isEmpty());
        QCOMPARE(w.giri(1), 1);
        QCOMPARE(w.verdetti(), (QStringList{"esatto", "scaduto"}));
    }

    // A side screen over a question leaves its countdown, its contestant and
    // its frame alone; closing the board during the 45 seconds ends them.
    void aQuestionOutlivesASideScreenNotTheBoard()
    {
        Finale w(0, {3, 1500, 2, 600});
        w.passo();
        w.scegli(3);
        QString orologio;
        bool prenotazione = true, domanda = false;
        int concorrente = 0;
        w.alle(13, [&] { w.keyClick(*w.R, Qt::Key_F3); });
        w.alle(14, [&] {
            auto* comandi = w.ctx->screens.find<frmComandiGioco>();
            QVERIFY(comandi && comandi->visible() && !w.R->enabled());
            w.click(comandi->cmdRitorna);
        });
        w.alle(15, [&] {
            orologio = w.R->lblOrologio.caption();
            prenotazione = w.R->tmrSecondi.enabled() || w.R->cmdPrenota1.enabled();
            domanda = w.R->enabled() && w.R->imgPPrenota.visible() && w.R->Frame2.visible();
            concorrente = w.M().bytConcorrente;
            w.fakes.audio.clear();
            w.fakes.messages.setNextAnswer(mb::Yes);
            w.R->Esci.Click();
        });
        w.advance(16);
        QCOMPARE(orologio, QStringLiteral("33"));
        QVERIFY(!prenotazione);
        QVERIFY(domanda);
        QCOMPARE(concorrente, 1);
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        w.advance(60);
        QVERIFY(w.verdetti().isEmpty());
    }

    // A whole final: the toss, covers, typed and clicked answers, a change,
    // the spins on the wheel, then the other contestant, then the end.
    void aWholeFinal()
    {
        Finale w(0, {2, 700, 2, 700});
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.fakes.random.pushDraw(1, 2);
        w.passo();
        QCOMPARE(int(w.M().bytConcorrente), 1);
        w.scegli(3);
        w.risposte("RrW");
        w.click(w.R->cmdOpzione[0]);
        w.scegli(1);
        w.risposte("R");
        QCOMPARE(w.R->cmdOpzione[2].caption(), QStringLiteral("Gira la ruota 3 volte"));
        w.click(w.R->cmdOpzione[2]);
        for (int giro = 0; giro < 20 && !w.R->cmdFine.visible(); ++giro) {
            if (w.R->Frame1.visible()) {
                w.click(w.R->imgJprimo);
            } else if (w.R->cmdGira1.enabled()) {
                w.preparaLancio(24, 44);
                w.keyClick(*w.R, Qt::Key_X, "x");
            }
            QVERIFY(w.finoAFermo());
            w.finoA([&] { return !w.R->tmrAnimazione.enabled(); }, 30);
        }
        QVERIFY(w.R->cmdFine.visible());
        QCOMPARE(w.giri(1), 0);
        QCOMPARE(w.R->cmdFine.caption(), QStringLiteral("Continua seconda fase"));
        w.passo();
        QCOMPARE(int(w.M().bytConcorrente), 2);
        QCOMPARE(w.R->Frame4.caption(), QStringLiteral("BRUNO       scegli 3 domande fra le seguenti:"));
        w.secondaFaseSenzaRisposte();
        QVERIFY(w.R->cmdFine.visible());
        QCOMPARE(w.R->cmdFine.caption(), QStringLiteral("Salva risultati"));
    }
};

ZOLMERA_TEST_MAIN(TestSecondaFase)
#include "tst_secondafase.moc"

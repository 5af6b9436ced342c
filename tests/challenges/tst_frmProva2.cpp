// "SCASSA QUINDICI": nine cards turned in turn, stops, and the verdict on
// the two sums.
#include "challenges/mind/frmProva2.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Scassa : BoardWorld {
    // primo: the contestant the load draws to start; estratti: the deal's
    // draws, so with nothing rejected the numbers under cards 0 to 8.
    explicit Scassa(int primo = 1, const char* estratti = "123456789")
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"vetro1", "vetro2", "stop", "vince", "pari", "nullo1", "nullo2", "nullo3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        for (const char* c = estratti; *c; ++c)
            fakes.random.pushDraw(*c - '0', 9);
        p = &apriProva<frmProva2>();
    }
    // The card hiding a number.
    Label& carta(int numero)
    {
        for (int i = 0; i < 9; ++i)
            if (p->intMazzo[i + 1] == numero)
                return p->Label1[i];
        qFatal("no card hides %d", numero);
    }
    // Moves in order: a digit turns the card that hides it, "s" presses the
    // Stop of the contestant whose turn it is.
    void gioca(const char* mosse)
    {
        for (const char* c = mosse; *c; ++c) {
            if (*c == 's')
                click(p->cmdFerma[p->intTurnoDi - 1]);
            else
                click(carta(*c - '0'));
        }
    }
    QString mazzo() const
    {
        QString s;
        for (int i = 1; i <= 9; ++i)
            s += QString::number(p->intMazzo[i]);
        return s;
    }
    // The cards as the players see them: "#" covered, else the number shown.
    QString tavolo()
    {
        QString s;
        for (int i = 0; i < 9; ++i) {
            const Label& c = p->Label1[i];
            s += c.backColor() == frmProva2::kCoperta && c.caption().isEmpty() ? QStringLiteral("#")
                 : c.backColor() == frmProva2::kScoperta                        ? c.caption()
                                                                                : QStringLiteral("?");
        }
        return s;
    }
    QString stato()
    {
        return tavolo() + ' ' + p->lblPunti[0].caption() + '/' + p->lblPunti[1].caption() + ' ' +
               p->cmdEsegui.caption() + ' ' + QString::number(p->intTurnoDi) + QString::number(p->cmdFerma[0].enabled()) +
               QString::number(p->cmdFerma[1].enabled()) + QString::number(M().bytConcorrente);
    }
    // Sounds heard since the given instant, the glass's two variants as one.
    QStringList suoniDopo(double t) const
    {
        QStringList out;
        for (const auto& e : fakes.audio.events)
            if (e.at >= t && !e.file.isEmpty())
                out << QFileInfo(e.file).completeBaseName().replace(QRegularExpression("^vetro[12]$"), "vetro");
        return out;
    }
    frmRuota* R = nullptr;
    frmProva2* p = nullptr;
};
}  // namespace

class TestScassaQuindici : public QObject {
    Q_OBJECT
private slots:
    void loadDealsTheDeckAndNamesTheStarter_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("ANNA") << 1 << "Inizia ANNA       ";
        QTest::newRow("BRUNO") << 2 << "Inizia BRUNO      ";
    }
    void loadDealsTheDeckAndNamesTheStarter()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        Scassa w(primo, "582917364");
        QCOMPARE(w.mazzo(), QStringLiteral("582917364"));
        QCOMPARE(w.p->intTurnoDi, primo);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(w.p->cmdEsegui.toolTipText(), QStringLiteral("Premi QUI per continuare"));
        QCOMPARE(w.p->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(w.p->cmdFerma[0].toolTipText(), QStringLiteral("ANNA        premi QUI per fermarti"));
        QCOMPARE(w.p->cmdFerma[1].toolTipText(), QStringLiteral("BRUNO       premi QUI per fermarti"));
        QCOMPARE(w.p->cmdFerma[1].backColor(), frmProva2::kFerma);
        QCOMPARE(w.stato(), QStringLiteral("######### 0/0 ") + didascalia + " " + QString::number(primo) + "000");
        QVERIFY(!w.p->Frame1.enabled());
        // The start opens the cards and both stops, and still names the starter.
        w.click(w.p->cmdEsegui);
        QVERIFY(w.p->Frame1.enabled() && !w.p->cmdEsegui.enabled());
        QCOMPARE(w.stato(), QStringLiteral("######### 0/0 ") + didascalia + " " + QString::number(primo) + "110");
    }

    // Rejected draws come from the generator's running sequence, so a clock
    // that does not move cannot hold the deal up, nor can a generator that
    // keeps answering a number already dealt.
    void theDealEndsWithAPermutationWhateverTheDraws_data()
    {
        QTest::addColumn<QByteArray>("estratti");
        QTest::addColumn<QString>("mazzo");
        QTest::newRow("taken numbers drawn again") << QByteArray("555339111124678") << "539124678";
        QTest::newRow("a generator stuck on one number") << QByteArray(2000, '1') << "123456789";
        QTest::newRow("stuck on the last number") << QByteArray(2000, '9') << "912345678";
    }
    void theDealEndsWithAPermutationWhateverTheDraws()
    {
        QFETCH(QByteArray, estratti);
        QFETCH(QString, mazzo);
        Scassa w(2, estratti.constData());
        QCOMPARE(w.mazzo(), mazzo);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
    }

    void theVerdictComesFromTheSums_data()
    {
        QTest::addColumn<QString>("mosse");
        QTest::addColumn<QString>("somme");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        // ANNA starts; the deck lays 1 to 9 in order.
        QTest::newRow("both stop at once: void") << "ss" << "0/0" << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
        QTest::newRow("9 against 5: void") << "95ss" << "9/5" << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
        QTest::newRow("12 against 8") << "983ss" << "12/8" << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince";
        QTest::newRow("11 against 11: a tie") << "9823ss" << "11/11" << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari";
        QTest::newRow("15 wins at once") << "916" << "15/1" << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince";
        QTest::newRow("15 after the other stopped") << "78s61" << "7/15" << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince";
        QTest::newRow("17 against 2 loses at once") << "829" << "17/2" << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince";
        QTest::newRow("over 15 loses to a stopped 0") << "9s16" << "16/0" << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince";
    }
    void theVerdictComesFromTheSums()
    {
        QFETCH(QString, mosse);
        QFETCH(QString, somme);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Scassa w;
        w.click(w.p->cmdEsegui);
        const double inizio = w.loop().now();
        w.gioca(mosse.toLatin1().constData());
        QCOMPARE(w.p->lblPunti[0].caption() + '/' + w.p->lblPunti[1].caption(), somme);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled() && !w.p->cmdFerma[0].enabled() && !w.p->cmdFerma[1].enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        // The winner's voice follows a win, and nothing else.
        w.advance(3);
        QStringList suoni = w.suoniDopo(inizio);
        suoni.removeAll("vetro");
        suoni.removeAll("stop");
        QStringList attesi{suono};
        if (suono == "vince")
            attesi << (concorrente == 1 ? "ANNA" : "BRUNO");
        QCOMPARE(suoni.size(), attesi.size());
        for (int i = 0; i < attesi.size(); ++i)
            QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(attesi[i])).match(suoni[i]).hasMatch(),
                     qPrintable(suoni.join(' ')));

        // The hand-back: a tie lights only contestant 1's spin.
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva2>());
        QVERIFY(w.R->enabled());
        QCOMPARE(w.R->cmdGira1.enabled(), concorrente == 1);
        QCOMPARE(w.R->cmdGira2.enabled(), concorrente == 2);
        if (concorrente)
            QCOMPARE((concorrente == 1 ? w.R->cmdGira1 : w.R->cmdGira2).backColor(), frmRuota::kGiallo);
        QCOMPARE(w.R->cmdFine.visible() && w.R->cmdFine.enabled() && w.R->Tobrano.visible(), concorrente == 0);
    }

    void aStopWorksOnlyOnItsOwnersTurnAfterTheStart_data()
    {
        QTest::addColumn<int>("primo");
        QTest::newRow("ANNA starts") << 1;
        QTest::newRow("BRUNO starts") << 2;
    }
    void aStopWorksOnlyOnItsOwnersTurnAfterTheStart()
    {
        QFETCH(int, primo);
        Scassa w(primo);
        const int altro = 3 - primo;
        // Before the start neither stop answers, even called straight.
        const QString caricata = w.stato();
        w.click(w.p->cmdFerma[primo - 1]);
        w.run([&] { w.p->cmdFerma_Click(primo - 1); });
        QCOMPARE(w.stato(), caricata);

        w.click(w.p->cmdEsegui);
        const QString avviata = w.stato();
        w.fakes.audio.clear();
        w.click(w.p->cmdFerma[altro - 1]);
        QCOMPARE(w.stato(), avviata);
        QVERIFY(w.fakes.audio.played().isEmpty());

        w.click(w.p->cmdFerma[primo - 1]);
        QVERIFY(!w.p->cmdFerma[primo - 1].enabled() && w.p->cmdFerma[altro - 1].enabled());
        QCOMPARE(w.p->intTurnoDi, altro);
        QCOMPARE(w.p->cmdEsegui.caption(), "Ora tocca a " + w.M().strNomeConcorrente[altro].str());
        QCOMPARE(w.fakes.audio.played(), QStringList{"stop.wav"});
    }

    void afterOneStopsTheOtherPlaysOn()
    {
        Scassa w;
        w.click(w.p->cmdEsegui);
        w.gioca("1");   // ANNA 1
        w.gioca("s");   // BRUNO stops
        for (const char* c : {"2", "3", "4"}) {
            w.gioca(c);
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        }
        // A turned card and the stopped contestant's button do nothing.
        const QString prima = w.stato();
        w.click(w.carta(3));
        w.run([&] { w.p->cmdFerma_Click(1); });
        QCOMPARE(w.stato(), prima);
        QCOMPARE(w.stato(), QStringLiteral("1234##### 10/0 Ora tocca a ANNA        1100"));
        w.gioca("s");
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
    }

    void eachSwitchSilencesItsOwnSounds_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("both on") << "Play" << "Play" << QStringList{"vetro", "stop", "vetro", "vince", "ANNA"};
        QTest::newRow("effects off") << "" << "Play" << QStringList{"vince", "ANNA"};
        QTest::newRow("speech off") << "Play" << "" << QStringList{"vetro", "stop", "vetro"};
        QTest::newRow("both off") << "" << "" << QStringList{};
    }
    void eachSwitchSilencesItsOwnSounds()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, suoni);
        Scassa w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        w.click(w.p->cmdEsegui);
        w.gioca("9s6");
        w.advance(3);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QCOMPARE(w.suoniDopo(0), suoni);
    }

    void clicksAfterTheVerdictChangeNothing()
    {
        Scassa w;
        w.click(w.p->cmdEsegui);
        w.gioca("983ss");
        const QString decisa = w.stato();
        QCOMPARE(decisa, QStringLiteral("##3####89 12/8 Vince ANNA        1001"));
        w.fakes.audio.clear();
        for (int i = 0; i < 9; ++i)
            w.click(w.p->Label1[i]);
        w.click(w.p->cmdFerma[0]);
        w.click(w.p->cmdFerma[1]);
        // Even reaching the handlers, the clicks find the game over.
        w.run([&] {
            for (int i = 0; i < 9; ++i)
                w.p->Label1_Click(i);
            w.p->cmdFerma_Click(0);
            w.p->cmdFerma_Click(1);
        });
        QCOMPARE(w.stato(), decisa);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{1, 0}));
        QVERIFY(w.fakes.audio.played().isEmpty());
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<bool>("decisa");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box in play, No") << false << false << mb::No;
        QTest::newRow("Esci after the win, No") << true << true << mb::No;
        QTest::newRow("close box in play, Yes") << false << false << mb::Yes;
        QTest::newRow("Esci after the win, Yes") << true << true << mb::Yes;
        QTest::newRow("close box after the win, Yes") << false << true << mb::Yes;
    }
    // After a win the winner's voice is still due when the window closes.
    void abandoning()
    {
        QFETCH(bool, conEsci);
        QFETCH(bool, decisa);
        QFETCH(int, risposta);
        Scassa w;
        w.click(w.p->cmdEsegui);
        w.gioca(decisa ? "916" : "91");
        const QString prima = w.stato();
        w.advance(1);
        w.fakes.messages.setNextAnswer(risposta);
        w.run([&] {
            if (conEsci)
                w.p->Esci.click();
            else
                w.p->window()->close();
        });
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        const double chiusa = w.loop().now();
        if (risposta == mb::No) {
            QCOMPARE(w.stato(), prima);
            QVERIFY(!w.R->enabled());
            w.advance(3);
            QCOMPARE(w.suoniDopo(chiusa), decisa ? QStringList{"ANNA"} : QStringList{});
            if (!decisa) {
                w.gioca("5");
                QCOMPARE(w.stato(), QStringLiteral("1###5###9 14/1 Ora tocca a BRUNO       2110"));
            }
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProva2>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        w.advance(10);
        QCOMPARE(w.suoniDopo(chiusa), QStringList{});
        QCOMPARE(int(w.M().bytConcorrente), decisa ? 1 : 0);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{decisa ? 1 : 0, 0}));
    }
};

ZOLMERA_TEST_MAIN(TestScassaQuindici)
#include "tst_frmProva2.moc"

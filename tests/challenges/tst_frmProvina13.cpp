// "INDOVINELLO AL FULMICOTONE": eight words flash by, a word every 750 ms,
// then the riddle; ten seconds later the board asks for its answer, typed.
#include "challenges/short/frmProvina13.h"
#include "platform/text.h"
#include "records/tabella.h"
#include "testkit/breve.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Mondo = MondoBreve<frmProvina13>;

// What the box shows, and which of the two timers runs: "V" tmrVedi, "S" tmrSecondi.
QString vista(const frmProvina13& p)
{
    return QStringLiteral("%1 @%2 %3%4")
        .arg(p.txtDomanda.visible() ? p.txtDomanda.text() : QStringLiteral("(hidden)"))
        .arg(p.txtDomanda.fontSize())
        .arg(p.tmrVedi.enabled() ? QStringLiteral("V") : QString())
        .arg(p.tmrSecondi.enabled() ? QStringLiteral("S") : QString());
}

// Whether the text shows whole in the box at this size: no scrolling, and
// a word on one line of its own.
bool siVede(frmProvina13& p, const QString& testo, double corpo, bool unaRiga)
{
    p.txtDomanda.setFontSize(corpo);
    p.txtDomanda.setText(testo);
    auto* memo = static_cast<QPlainTextEdit*>(p.txtDomanda.widget());
    QCoreApplication::processEvents();
    const QTextBlock blocco = memo->document()->firstBlock();
    return memo->verticalScrollBar()->maximum() == 0 && (!unaRiga || blocco.layout()->lineCount() == 1);
}
}  // namespace

class TestIndovinello : public QObject {
    Q_OBJECT
private slots:
    // The box stays empty for the first 750 ms; each word then stands for
    // 750 ms at 36 points, the riddle comes at 6.75 s at 18 points, and the
    // tenth tick leaves it as it is and hands over to the reading time:
    // the board gets the question at 17.5 s, not a moment before.
    void theWordsFlashThenTheRiddle_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QString>("indovinello");
        QTest::addColumn<QString>("risposta");
        QTest::newRow("row 2") << 2
                               << QStringList{"Gamba", "Gambale", "Gambalunga", "Gambero", "Gambo", "Gambuccio",
                                              "Gambaletto", "Gambalesta"}
                               << "Si preoccupa solo degli ostacoli che gli si pongono... di dietro." << "GAMBERO";
        QTest::newRow("row 45") << 45 << QStringList{"3", "4", "5", "6", "2", "1", "0", "7"}
                                << "Se ho 6 candele e ne spengo 2 quante ne rimangono?" << "6";
    }
    void theWordsFlashThenTheRiddle()
    {
        QFETCH(int, r);
        QFETCH(QStringList, parole);
        QFETCH(QString, indovinello);
        QFETCH(QString, risposta);
        Mondo w;
        w.M().strParlato.clear();
        w.touch("sounds1/domanda13.wav", onda(1));
        w.run([&] {
            for (int i = 0; i <= 2; ++i)
                w.R->txtOpzione[i].setText(QStringLiteral("resto"));
        });
        w.fakes.random.pushDraw(r, 60);
        frmProvina13& p = w.carica();
        QCOMPARE(p.r, r);
        QCOMPARE(w.M().strRispostaEsatta, risposta);
        QCOMPARE(w.opzioni(), (QStringList{QString(), QString(), QString()}));
        QCOMPARE(p.varParola, 0);
        QCOMPARE(vista(p), QStringLiteral("(hidden) @36 "));

        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        QStringList visto, atteso;
        auto guarda = [&](double t, const QString& attesa) {
            atteso << QStringLiteral("%1: %2").arg(t).arg(attesa);
            w.loop().at(t0 + t, [&visto, &p, t] { visto << QStringLiteral("%1: %2").arg(t).arg(vista(p)); });
        };
        guarda(0.749, QStringLiteral(" @36 V"));
        for (int k = 1; k <= 8; ++k) {
            guarda(k * 0.75 + 0.001, parole[k - 1] + QStringLiteral(" @36 V"));
            guarda(k * 0.75 + 0.749, parole[k - 1] + QStringLiteral(" @36 V"));
        }
        guarda(6.75 + 0.001, indovinello + QStringLiteral(" @18 V"));
        guarda(7.5 + 0.001, indovinello + QStringLiteral(" @18 S"));
        guarda(17.499, indovinello + QStringLiteral(" @18 S"));
        bool armata = true;
        w.loop().at(t0 + 17.499, [&] { armata = w.R->imgPPrenota.visible(); });
        w.advance(17.501);
        QCOMPARE(visto, atteso);
        QVERIFY(!armata);
        QVERIFY(!w.ctx->screens.find<frmProvina13>());
        QVERIFY(w.R->imgPPrenota.visible() && w.R->enabled());
        QCOMPARE(w.R->txtDomanda.text(), QStringLiteral("Qual'è la risposta esatta all'indovinello che avete letto?"));
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda13.wav"));
    }

    // Leaving the match while the words flash stops them and the reading
    // for good: no tick after the Yes, the board never asked. Staying in
    // the match lets the flashes run on; a hand-over due while the
    // question is up waits for its answer.
    void anAbandonDuringTheFlashes_data()
    {
        QTest::addColumn<double>("chiusa");      // seconds after the start
        QTest::addColumn<bool>("si");
        QTest::addColumn<double>("attesa");      // before the answer
        QTest::addColumn<int>("tickVedi");
        QTest::addColumn<int>("tickSecondi");
        QTest::addColumn<double>("consegna");    // -1: none
        QTest::newRow("Yes on word 4") << 3.2 << true << 0.5 << 4 << 0 << -1.0;
        QTest::newRow("Yes across the tenth tick") << 7.0 << true << 2.0 << 10 << 0 << -1.0;
        QTest::newRow("No on word 4") << 3.2 << false << 0.5 << 10 << 1 << 17.5;
        QTest::newRow("No across the hand-over") << 17.0 << false << 2.0 << 10 << 1 << 19.0;
    }
    void anAbandonDuringTheFlashes()
    {
        QFETCH(double, chiusa);
        QFETCH(bool, si);
        QFETCH(double, attesa);
        QFETCH(int, tickVedi);
        QFETCH(int, tickSecondi);
        QFETCH(double, consegna);
        Mondo w;
        w.touch("sounds1/domanda13.wav", onda(1));
        frmProvina13& p = w.carica();
        const QString finestra = p.name();
        QList<double> vedi, secondi;
        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        p.tmrVedi.Tick = [&, tick = p.tmrVedi.Tick] {
            vedi << w.loop().now() - t0;
            tick();
        };
        p.tmrSecondi.Tick = [&, tick = p.tmrSecondi.Tick] {
            secondi << w.loop().now() - t0;
            tick();
        };
        w.fakes.messages.setNextAnswer(si ? mb::Yes : mb::No, attesa);
        w.loop().at(t0 + chiusa, [&] { p.window()->close(); });
        QList<bool> aperta, armata;
        if (consegna > 0)
            for (double t : {consegna - 0.001, consegna + 0.001})
                w.loop().at(t0 + t, [&] {
                    aperta << (w.ctx->screens.find<frmProvina13>() != nullptr);
                    armata << (w.R->imgPPrenota.visible() && w.R->enabled());
                });
        w.advance(30);
        QCOMPARE(vedi.size(), tickVedi);
        QCOMPARE(secondi.size(), tickSecondi);
        if (si) {
            QVERIFY(vedi.isEmpty() || vedi.last() < chiusa + attesa);
            w.nullaDopoAbbandono(finestra, 20);
            return;
        }
        QCOMPARE(aperta, (QList<bool>{true, false}));
        QCOMPARE(armata, (QList<bool>{false, true}));
    }

    // Whoever read the words can answer from memory: in every row exactly
    // one of the eight, typed in any case, is the answer the board accepts.
    void everyRiddleIsAnsweredByOneOfItsWords()
    {
        Mondo w;
        const QList<QStringList> righe = tabellaProva(QStringLiteral("indovinelli"));
        QCOMPARE(righe.size(), 60);
        for (int r = 1; r <= 60; ++r) {
            w.fakes.random.pushDraw(r, 60);
            frmProvina13& p = w.carica();
            QCOMPARE(p.r, r);
            QStringList giuste;
            for (int k = 0; k < frmProvina13::kParole; ++k)
                if (vbTrim(vbUCase(righe[r - 1][k].toLower())) == w.M().strRispostaEsatta)
                    giuste << righe[r - 1][k];
            QVERIFY2(giuste.size() == 1, qPrintable(QStringLiteral("row %1: %2").arg(r).arg(giuste.join(u','))));
            QCOMPARE(w.opzioni(), (QStringList{QString(), QString(), QString()}));
            w.chiudi(p);
        }
    }

    // The box shows whole the longest word and riddle the table's check
    // lets through, in the widest letters, and every word and riddle of the
    // table as it is.
    void theBoxShowsEveryTextWhole()
    {
        Mondo w;
        frmProvina13& p = w.carica();
        w.click(p.cmdEsegui);
        QString parola = QStringLiteral("M") + QString(frmProvina13::kMaxParola - 1, u'm');
        QString indovinello;
        while (indovinello.size() < frmProvina13::kMaxIndovinello)
            indovinello += (indovinello.isEmpty() ? QStringLiteral("Mmmmmmmm") : QStringLiteral(" mmmmmmmm"));
        indovinello.truncate(frmProvina13::kMaxIndovinello);
        QVERIFY(siVede(p, parola, 36, true));
        QVERIFY(siVede(p, indovinello, 18, false));
        for (const QStringList& riga : tabellaProva(QStringLiteral("indovinelli"))) {
            for (int k = 0; k < frmProvina13::kParole; ++k)
                QVERIFY2(siVede(p, riga[k], 36, true), qPrintable(riga[k]));
            QVERIFY2(siVede(p, riga[frmProvina13::kIndovinello - 1], 18, false),
                     qPrintable(riga[frmProvina13::kIndovinello - 1]));
        }
    }

    // From the board's step button to a lit spin button: the window drawn
    // at turn 2, the words and the riddle watched, the answer typed with
    // its accent in small letters.
    void fromTheBoardToASpin()
    {
        Mondo w;
        // The short challenge drawn: INDOVINELLO AL FULMICOTONE; its riddle: the day of the red planet.
        const bool acceso = w.dalPassoAlGiro(
            {.k = 13, .r = 40, .n = 60, .lettura = 17.5, .risposta = w.tasti(QStringLiteral("martedì")), .alVia = [](frmProvina13& p) {
                 QCOMPARE(p.lblTitolo.caption(), QStringLiteral("INDOVINELLO AL FULMICOTONE"));
             }});
        QVERIFY(acceso);
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("martedì"));
    }
};

ZOLMERA_TEST_MAIN(TestIndovinello)
#include "tst_frmProvina13.moc"

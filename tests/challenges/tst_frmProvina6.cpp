// "LA COPPIA MANCANTE": nineteen objects, one without its twin; options and
// answer are objects too, shown in the symbol font on the board.
#include "challenges/short/frmProvina1.h"
#include "challenges/short/frmProvina6.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QPlainTextEdit>
#include <QScrollBar>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Coppia : BoardWorld {
    Coppia() { R = &apri(); }
    frmProvina6& carica() { return apriProva<frmProvina6>(); }
    void chiudi(frmProvina6& p)
    {
        run([&] { p.unload(); });
    }
    // The value that makes a distance draw give d (-3..3).
    void pushDistanza(int d) { fakes.random.push((d + 3 + 0.5) / 7); }
    QStringList opzioni() const
    {
        return {R->txtOpzione[0].text(), R->txtOpzione[1].text(), R->txtOpzione[2].text()};
    }
    // The board's step button at turn 2, with this short challenge drawn;
    // then the draws the test queues for its load.
    frmProvina6* dalTabellone(const std::function<void()>& estrazioni = {})
    {
        run([&] {
            R->turni.intTurno = 1;
            R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            R->cmdFine.setVisible(true);
            R->cmdFine.setEnabled(true);
        });
        fakes.random.pushDraw(6, 18);
        if (estrazioni)
            estrazioni();
        passo();
        return ctx->screens.find<frmProvina6>();
    }
    frmRuota* R = nullptr;
};

const QString kOggetti = QStringLiteral("ABCDEFGHIJ");
}  // namespace

class TestCoppia : public QObject {
    Q_OBJECT
private slots:
    // At the table's two ends the near entries lie on one side only: the
    // draws that would leave the table are drawn again, as are a zero and a
    // repeat. In the middle an entry's twin stays out of reach.
    void theWrongOptionsAreNearEntries_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<int>>("tiri");       // distance draws, the refused ones included
        QTest::addColumn<QList<int>>("distanze");
        QTest::addColumn<QStringList>("attese");    // the three boxes
        QTest::newRow("first entry: 1 to 3 only")
            << 1 << 2 << QList<int>{-1, 0, 2, -3, 2, 1, -2, 3} << QList<int>{2, 1, 3} << QStringList{"C", "A", "D"};
        QTest::newRow("last entry: -3 to -1 only")
            << 20 << 1 << QList<int>{1, -2, 3, -2, 0, -1, 2, -3} << QList<int>{-2, -1, -3}
            << QStringList{"J", "I", "G"};
        QTest::newRow("a second of a pair, next to the first ten")
            << 11 << 3 << QList<int>{-3, 3, 0, -3, -1} << QList<int>{-3, 3, -1} << QStringList{"H", "D", "A"};
    }
    void theWrongOptionsAreNearEntries()
    {
        QFETCH(int, s);
        QFETCH(int, p);
        QFETCH(QList<int>, tiri);
        QFETCH(QList<int>, distanze);
        QFETCH(QStringList, attese);
        Coppia w;
        w.fakes.random.pushDraw(s, 20);
        w.fakes.random.pushDraw(p, 3);
        for (int d : tiri)
            w.pushDistanza(d);
        frmProvina6& f = w.carica();
        QCOMPARE(f.s, s);
        QCOMPARE((QList<int>{f.d[1], f.d[2], f.d[3]}), distanze);
        QCOMPARE(w.opzioni(), attese);
        QCOMPARE(w.M().strRispostaEsatta, attese[p - 1]);
        QCOMPARE(f.txtDomanda.text().count(attese[p - 1]), 1);
    }

    // Whatever is drawn: nineteen objects three columns apart from the 22nd
    // to the 76th, blanks around them, nine pairs and the answer alone; three
    // different options, one of them right; the board's options and answer
    // box show objects.
    void everyLoadHidesOneTwin()
    {
        Coppia w;
        for (quint64 seme = 1; seme <= 30; ++seme) {
            w.fakes.random.seedFallback(seme);
            frmProvina6& f = w.carica();
            const QString riga = f.txtDomanda.text();
            QCOMPARE(riga.size(), 100);
            QCOMPARE(riga, f.strRiga);
            QString lettere;
            for (int c = 1; c <= 100; ++c) {
                const bool posto = c >= 22 && c <= 76 && (c - 22) % 3 == 0;
                QVERIFY2(posto ? kOggetti.contains(riga[c - 1]) : riga[c - 1] == QLatin1Char(' '),
                         qPrintable(QStringLiteral("column %1 of \"%2\"").arg(c).arg(riga)));
                if (posto)
                    lettere += riga[c - 1];
            }
            const QString risposta = w.M().strRispostaEsatta;
            QCOMPARE(risposta.size(), 1);
            for (QChar o : kOggetti)
                QCOMPARE(lettere.count(o), o == risposta[0] ? 1 : 2);
            const QStringList opzioni = w.opzioni();
            QCOMPARE(opzioni.count(risposta), 1);
            QCOMPARE(QSet<QString>(opzioni.begin(), opzioni.end()).size(), 3);
            for (int i = 0; i <= 2; ++i) {
                QCOMPARE(w.R->txtOpzione[i].fontName(), QStringLiteral("Webdings"));
                QCOMPARE(w.R->txtOpzione[i].fontSize(), 18.0);
            }
            QCOMPARE(w.R->txtRisposta.fontName(), QStringLiteral("Webdings"));
            QCOMPARE(w.R->txtRisposta.fontSize(), 18.0);
            QVERIFY(f.cmdEsegui.enabled());
            QVERIFY(!f.txtDomanda.visible());
            w.chiudi(f);
        }
    }

    // The whole line shows at once: every object lies inside the box, none
    // behind a scroll.
    void allNineteenObjectsAreInSight()
    {
        Coppia w;
        frmProvina6& f = w.carica();
        w.click(f.cmdEsegui);
        auto* memo = static_cast<QPlainTextEdit*>(f.txtDomanda.widget());
        QVERIFY(memo->isVisible());
        QCOMPARE(f.txtDomanda.fontSize(), 36.0);
        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
        const QString mostrato = memo->toPlainText();
        const QRect vista = memo->viewport()->rect();
        QTextCursor cursore(memo->document());
        int visti = 0;
        for (int i = 0; i < mostrato.size(); ++i) {
            if (mostrato[i].isSpace() || mostrato[i].isLowSurrogate())
                continue;
            cursore.setPosition(i);
            const QRect prima = memo->cursorRect(cursore);
            cursore.setPosition(i + (mostrato[i].isHighSurrogate() ? 2 : 1));
            const QRect dopo = memo->cursorRect(cursore);
            QVERIFY2(vista.contains(prima) && vista.contains(dopo),
                     qPrintable(QStringLiteral("object %1 at %2, box %3").arg(visti + 1).arg(prima.x()).arg(vista.width())));
            ++visti;
        }
        QCOMPARE(visti, 19);
    }

    // The reading lasts twenty seconds to the millisecond, then the booking
    // question: written, or spoken from the edition's file.
    void theReadingEndsInTheBookingQuestion_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("sentito");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!" << QStringList{"domanda6.wav"};
        QTest::newRow("written") << ""
                                 << "Quale di questi oggetti è comparso una volta sola sul monitor?" << QStringList{};
    }
    void theReadingEndsInTheBookingQuestion()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        QFETCH(QStringList, sentito);
        Coppia w;
        w.M().strParlato = parlato;
        w.touch("sounds1/domanda6.wav", onda(1));
        frmProvina6& f = w.carica();
        w.click(f.cmdEsegui);
        QVERIFY(f.txtDomanda.visible());
        QVERIFY(!f.cmdEsegui.enabled());
        w.fakes.audio.clear();
        w.advance(19.999);
        QVERIFY(w.ctx->screens.find<frmProvina6>());
        QVERIFY(!w.R->imgPPrenota.visible());
        w.advance(0.002);
        QVERIFY(!w.ctx->screens.find<frmProvina6>());
        QVERIFY(w.R->imgPPrenota.visible() && w.R->cmdPrenota1.enabled() && w.R->cmdPrenota2.enabled());
        QCOMPARE(w.R->txtDomanda.text(), testo);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda6.wav"));
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia"), sentito);
    }

    // Leaving the match during the reading ends it there: no hand-over.
    void anAbandonDuringTheReadingLeavesNothingBehind()
    {
        Coppia w;
        w.M().strParlato = "Play";
        w.touch("sounds1/domanda6.wav", onda(1));
        frmProvina6& f = w.carica();
        w.click(f.cmdEsegui);
        w.fakes.messages.setNextAnswer(mb::Yes, 2.0);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 15, [&] { f.window()->close(); });
        w.advance(16);
        QVERIFY(!w.ctx->screens.find<frmProvina6>());
        w.nullaDopoAbbandono(QStringLiteral("frmRuota.mmcMelodia"), 20);
    }

    // The objects stay on the board's options until the next short
    // challenge, which gets its letters back.
    void theNextLaunchGivesTheBoardItsLettersBack()
    {
        Coppia w;
        frmProvina6* f = w.dalTabellone();
        QVERIFY(f);
        QCOMPARE(w.R->txtOpzione[2].fontName(), QStringLiteral("Webdings"));
        w.chiudi(*f);
        w.fakes.random.pushDraw(1, 18);
        w.run([&] { w.R->lancio.LanciaProvina(); });
        QVERIFY(w.ctx->screens.find<frmProvina1>());
        for (int i = 0; i <= 2; ++i) {
            QCOMPARE(w.R->txtOpzione[i].fontName(), QStringLiteral("Comic Sans MS"));
            QCOMPARE(w.R->txtOpzione[i].fontSize(), 10.0);
        }
        QCOMPARE(w.R->txtRisposta.fontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(w.R->txtRisposta.fontSize(), 10.0);
    }

    // From the step button to a lit spin: the answer is judged on the
    // characters the contestant gave, clicked, typed in either case, or a
    // wrong option clicked and then corrected by hand.
    void fromTheBoardToASpin_data()
    {
        QTest::addColumn<QString>("modo");
        QTest::newRow("the right option clicked") << "clic";
        QTest::newRow("typed in capitals") << "C";
        QTest::newRow("typed in small letters") << "c";
        QTest::newRow("a wrong option clicked, then corrected") << "correggi";
    }
    void fromTheBoardToASpin()
    {
        QFETCH(QString, modo);
        Coppia w;
        frmProvina6* f = w.dalTabellone([&] {
            w.fakes.random.pushDraw(3, 20);   // the object alone: C
            w.fakes.random.pushDraw(2, 3);    // in the middle box
            for (int d : {-1, 1, 2})
                w.pushDistanza(d);
        });
        QVERIFY(f && f->visible());
        QCOMPARE(f->lblTitolo.caption(), QStringLiteral("LA COPPIA MANCANTE"));
        QCOMPARE(w.opzioni(), (QStringList{"B", "C", "E"}));
        w.click(f->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 21, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 22, [&] {
            if (modo == "clic") {
                w.click(w.R->txtOpzione[1]);
            } else if (modo == "correggi") {
                w.click(w.R->txtOpzione[0]);
                w.click(w.R->txtRisposta);
                w.keyClick(*w.R, Qt::Key_End);
                w.keyClick(*w.R, Qt::Key_Backspace);
                w.typeKeys(*w.R, QStringLiteral("c"));
            } else {
                w.typeKeys(*w.R, modo);
            }
            w.click(w.R->cmdOK);
        });
        w.advance(23);
        QVERIFY(!w.ctx->screens.find<frmProvina6>());
        QCOMPARE(w.R->txtRisposta.text().toUpper(), QStringLiteral("C"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCoppia)
#include "tst_frmProvina6.moc"

// "STORIA IMMAGINARIA": the story told from the lists, one true statement
// among three, and each false one a single element away from the truth.
#include "challenges/short/frmProvina3.h"
#include "platform/text.h"
#include "testkit/breve.h"

using namespace zolmera;
using namespace zolmera::testing;
using namespace zolmera::storia;

namespace {
using Storia = MondoBreve<frmProvina3>;

const QString kScritta = QStringLiteral("Qual'è l'unico evento realmente accaduto nel brano che avete appena letto?");

// The story of the scripted loads: September; Luca and Francesca on holiday;
// Franco and Valeria buying a bottle for Tonino; dinner at 20,15 with Totò.
void raccontoDiProva(ScriptedRandom& r)
{
    r.pushDraw(9, 12);                        // m: settembre
    r.pushDraw(2, 5), r.pushDraw(3, 5);       // a: Luca, b: Francesca
    r.pushDraw(2, 5), r.pushDraw(3, 5);       // c: Franco, d: Valeria
    r.pushDraw(2, 5);                         // e: comprare una bottiglia
    r.pushDraw(5, 10);                        // f: Tonino
    r.pushDraw(4, 10), r.pushDraw(1, 10);     // g: 20,15, h: Totò
    r.pushDraw(3, 5);                         // i: <Che bei burdel!>
    r.pushDraw(4, 5);                         // j: giocano a poker
}

// The entries the false statement of a type names, pushed as draws of its two ranges.
void pushFalsa(ScriptedRandom& r, int tipo, int u, int v)
{
    const Tipo& t = kTipi[std::size_t(tipo - 1)];
    const Intervallo& x = kIntervalli[t.x];
    const Intervallo& y = kIntervalli[t.y];
    r.pushDraw(u - x.da + 1, x.a - x.da + 1);
    r.pushDraw(v - y.da + 1, y.a - y.da + 1);
}

struct Casella {
    int tipo;
    QList<QPair<int, int>> falsa;   // the draws of a false statement, the rejected ones first
};
}  // namespace

Q_DECLARE_METATYPE(Casella)

class TestStoria : public QObject {
    Q_OBJECT
private slots:
    void aScriptedStoryAndItsStatements_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<Casella>>("caselle");
        QTest::addColumn<QStringList>("opzioni");
        QTest::newRow("true in the middle; both kept, both changed, another errand are drawn again")
            << 2 << QList<Casella>{{1, {{13, 7}, {12, 9}, {13, 6}}}, {5, {}}, {10, {{18, 2}, {18, 3}, {17, 3}, {16, 2}}}}
            << QStringList{"Fra i ragazzi ci sono Francesca e Stefano", "Valeria e gli altri giocano a poker",
                           "Elena deve comprare una bottiglia"};
        QTest::newRow("true last, an accented name")
            << 3 << QList<Casella>{{3, {{1, 25}}}, {6, {{7, 9}, {7, 12}}}, {7, {}}}
            << QStringList{"Marco incontra un'amica di Tonino", "Franco fa compere in dicembre",
                           QStringLiteral("Alle 20,15 i ragazzi sono da Totò")};
        QTest::newRow("true first")
            << 1 << QList<Casella>{{2, {}}, {4, {{31, 6}}}, {9, {{2, 10}}}}
            << QStringList{QStringLiteral("Franco va a mangiare da Totò"), QStringLiteral("Totò dice: <Me dovete 50 euro!>"),
                           "Luca si trova nel ristorante alle 22,00"};
        QTest::newRow("true first, with an apostrophe")
            << 1 << QList<Casella>{{3, {}}, {5, {{19, 14}}}, {8, {{2, 11}}}}
            << QStringList{"Luca incontra un'amica di Tonino", "Sara e gli altri giocano a poker",
                           "Luca si trova in vacanza con Giulia"};
    }
    void aScriptedStoryAndItsStatements()
    {
        QFETCH(int, p);
        QFETCH(QList<Casella>, caselle);
        QFETCH(QStringList, opzioni);
        Storia w;
        auto& r = w.fakes.random;
        raccontoDiProva(r);
        r.pushDraw(p, 3);
        const int primo[3] = {1, 4, 7};
        const int tipi[3] = {3, 3, 4};
        for (int k = 0; k < 3; ++k) {
            r.pushDraw(caselle[k].tipo - primo[k] + 1, tipi[k]);
            for (const auto& [u, v] : caselle[k].falsa)
                pushFalsa(r, caselle[k].tipo, u, v);
        }
        frmProvina3& f = w.carica();
        QCOMPARE(r.pending(), 0);
        QCOMPARE(f.txtDomanda.text(),
                 QStringLiteral("Nel mese di settembre, Luca e Francesca sono andati in vacanza insieme. Durante il "
                                "soggiorno hanno incontrato Franco e Valeria intenti a comprare una bottiglia per un "
                                "loro amico chiamato Tonino. Dopo una passeggiata, alle ore 20,15 i ragazzi vanno tutti "
                                "insieme a cena da Totò che li accoglie dicendo: <Che bei burdel!>. Appena terminata "
                                "la cena, i ragazzi giocano a poker."));
        QCOMPARE(w.opzioni(), opzioni);
        QCOMPARE(w.M().strRispostaEsatta, vbUCase(opzioni[p - 1]));
        // A reseed before each part of the story, before the true box and before the first type.
        QCOMPARE(r.randomizes(), 11);
        QVERIFY(f.cmdEsegui.enabled());
        QVERIFY(!f.txtDomanda.visible());
        QCOMPARE(f.txtDomanda.fontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(f.txtDomanda.fontSize(), 16.2);
    }

    // Whatever is drawn: each box holds a statement of its own types, one
    // of them true and upper-cased into the answer; every other names
    // exactly one entry the story does not give it.
    void everyLoadHasOneTrueStatement()
    {
        Storia w;
        QSet<int> visti[3];
        for (int volta = 0; volta < 150; ++volta) {
            frmProvina3& f = w.carica();
            const Elenchi& l = f.elenchi;
            const QStringList o = w.opzioni();
            QCOMPARE(w.M().strRispostaEsatta, vbUCase(o[f.p - 1]));
            for (int k = 0; k < 3; ++k) {
                const int tipo = f.intTipo[k];
                visti[k] << tipo;
                const Tipo& t = kTipi[std::size_t(tipo - 1)];
                QCOMPARE(t.casella, k);
                QVERIFY2(o[k].size() <= kMaxAffermazione, qPrintable(o[k]));
                const int x = f.elementi[t.x], y = f.elementi[t.y];
                const bool vera = o[k] == affermazione(l, tipo, x, y);
                QCOMPARE(vera, f.p == k + 1);
                if (vera)
                    continue;
                // The one pair of entries that says it: one of them the story's.
                QList<QPair<int, int>> coppie;
                for (int u = kIntervalli[t.x].da; u <= kIntervalli[t.x].a; ++u)
                    for (int v = kIntervalli[t.y].da; v <= kIntervalli[t.y].a; ++v)
                        if (affermazione(l, tipo, u, v) == o[k])
                            coppie << qMakePair(u, v);
                QCOMPARE(coppie.size(), 1);
                QVERIFY2((coppie[0].first == x) != (coppie[0].second == y), qPrintable(o[k]));
                if (tipo == 10)
                    QCOMPARE(coppie[0].second, y);
            }
            w.chiudi(f);
        }
        QCOMPARE(visti[0], (QSet<int>{1, 2, 3}));
        QCOMPARE(visti[1], (QSet<int>{4, 5, 6}));
        QCOMPARE(visti[2], (QSet<int>{7, 8, 9, 10}));
    }

    void theReadingEndsInTheQuestion_data()
    {
        QTest::addColumn<int>("fine");
        QTest::newRow("spoken") << int(FineLettura::Parlata);
        QTest::newRow("written") << int(FineLettura::Scritta);
        QTest::newRow("abandon, No") << int(FineLettura::AbbandonoNo);
        QTest::newRow("abandon, Yes") << int(FineLettura::AbbandonoSi);
    }
    void theReadingEndsInTheQuestion()
    {
        QFETCH(int, fine);
        verificaFineLettura<frmProvina3>(FineLettura(fine), 30, kScritta, QStringLiteral("domanda3.wav"));
    }

    // From the board's step button to a lit spin: the story read, the
    // booking, the true statement clicked.
    void fromTheBoardToASpin()
    {
        Storia w;
        w.touch("sounds1/domanda3.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(3, 18);   // the short challenge drawn: STORIA IMMAGINARIA
        w.passo();
        frmProvina3* f = w.ctx->screens.find<frmProvina3>();
        QVERIFY(f && f->visible());
        QCOMPARE(f->lblTitolo.caption(), QStringLiteral("STORIA IMMAGINARIA"));
        const int vera = f->p - 1;
        w.click(f->cmdEsegui);
        QVERIFY(f->txtDomanda.visible());
        const double t0 = w.loop().now();
        w.loop().at(t0 + 31, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 32, [&] {
            w.click(w.R->txtOpzione[vera]);
            w.click(w.R->cmdOK);
        });
        w.advance(33);
        QVERIFY(!w.ctx->screens.find<frmProvina3>());
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestStoria)
#include "tst_frmProvina3.moc"

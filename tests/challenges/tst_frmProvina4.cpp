// "CULTURA GENERALE": one record of the quiz, the same in both archives,
// read for ten seconds, then asked on the board with its options in order.
#include "challenges/short/frmProvina4.h"
#include "records/domande.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
QByteArray testo(const QByteArray& t) { return le16(qint16(t.size())) + t; }
QByteArray domanda(qint16 n, const QByteArray& d) { return slot(le16(n) + le16(3) + testo(d)); }
QByteArray risposte(qint16 n, const QByteArray& a, const QByteArray& b, const QByteArray& c, const QByteArray& r)
{
    return slot(le16(n) + le16(3) + testo(a) + testo(b) + testo(c) + testo(r));
}

struct Cultura : BoardWorld {
    Cultura() { R = &apri(); }
    frmProvina4& carica()
    {
        frmProvina4* p = nullptr;
        run([&] {
            BloccaTabellone(*ctx);
            p = &ctx->screens.get<frmProvina4>();
            p->show();
        });
        return *p;
    }
    // Record 1 and 3 can be asked; record 2 has no answer, record 4 of the
    // questions (all zeros, a full last slot's phantom) none at all.
    void archiviDiProva()
    {
        touch("archivio2.dat", domanda(1, "Prima?") + domanda(2, "Seconda?") + domanda(3, "Terza?") + QByteArray(128, '\0'));
        touch("archivio3.dat", risposte(1, "Po", "Adige", "Arno", "PO") + risposte(2, "a", "b", "c", "")
                                   + risposte(3, "1861", "1870", "1946", "1870"));
    }
    frmRuota* R = nullptr;
};
}  // namespace

class TestCultura : public QObject {
    Q_OBJECT
private slots:
    // Question, options and answer come from the same record; the first and
    // the last that can be asked are drawn, never one without its answer.
    void theSameRecordOfBothArchives_data()
    {
        QTest::addColumn<int>("estratto");
        QTest::addColumn<int>("record");
        QTest::addColumn<QStringList>("attesi");   // question, three options, answer
        QTest::newRow("the first") << 1 << 1 << QStringList{"Prima?", "Po", "Adige", "Arno", "PO"};
        QTest::newRow("the last, past the one without answer")
            << 2 << 3 << QStringList{"Terza?", "1861", "1870", "1946", "1870"};
    }
    void theSameRecordOfBothArchives()
    {
        QFETCH(int, estratto);
        QFETCH(int, record);
        QFETCH(QStringList, attesi);
        Cultura w;
        w.archiviDiProva();
        w.fakes.random.pushDraw(estratto, 2);
        frmProvina4& p = w.carica();
        QCOMPARE(p.r, record);
        QCOMPARE(p.txtDomanda.text(), attesi[0]);
        QVERIFY(!p.txtDomanda.visible());
        for (int i = 0; i <= 2; ++i)
            QCOMPARE(w.R->txtOpzione[i].text(), attesi[1 + i]);
        QCOMPARE(w.M().strRispostaEsatta, attesi[4]);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
    }

    // Archives with nothing to ask (missing, or only records without an
    // answer) say so and give a void game: the step button comes back.
    void nothingToAskIsAVoidGame_data()
    {
        QTest::addColumn<bool>("mancanti");
        QTest::newRow("no archives") << true;
        QTest::newRow("no record with its answer") << false;
    }
    void nothingToAskIsAVoidGame()
    {
        QFETCH(bool, mancanti);
        Cultura w;
        QFile::remove(w.path(kFileDomande));
        QFile::remove(w.path(kFileRisposte));
        if (!mancanti) {
            w.touch("archivio2.dat", domanda(1, "Prima?") + domanda(2, ""));
            w.touch("archivio3.dat", risposte(1, "a", "b", "c", "") + risposte(2, "a", "b", "c", "A"));
        }
        frmProvina4& p = w.carica();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(w.fakes.messages.asked[0].prompt.contains(w.path("archivio2.dat")));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));
        QVERIFY(w.M().strRispostaEsatta.isEmpty());
        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProvina4>());
        QVERIFY(w.R->enabled() && w.R->cmdFine.visible());
        QVERIFY(!w.R->imgPPrenota.visible() && !w.R->cmdPrenota1.enabled());
        QCOMPARE(QFile::exists(w.path("archivio2.dat")), !mancanti);
    }

    // From the board's step button to a lit spin button: the title drawn at
    // turn 2, the reading, the booking, the archive's answer typed.
    void fromTheBoardToASpin()
    {
        Cultura w;
        w.archiviDiProva();
        w.touch("sounds1/domanda4.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(4, 18);   // the short challenge drawn: CULTURA GENERALE
        w.fakes.random.pushDraw(2, 2);    // its record: the third
        w.passo();
        frmProvina4* p = w.ctx->screens.find<frmProvina4>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("CULTURA GENERALE"));
        w.click(p->cmdEsegui);
        QVERIFY(p->txtDomanda.visible());
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 12, [&] {
            w.click(w.R->txtOpzione[1]);
            w.click(w.R->cmdOK);
        });
        w.advance(13);
        QVERIFY(!w.ctx->screens.find<frmProvina4>());
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda4.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("1870"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCultura)
#include "tst_frmProvina4.moc"

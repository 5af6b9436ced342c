// "MORRA CINESE": hands on the direction keys until six are won.
#include "challenges/action/frmProva3.h"
#include "testkit/board.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Morra : BoardWorld {
    Morra()
    {
        M().strEffetti = "Play";
        touch("sounds1/dattilo.wav", "RIFF");
        R = &apri();
        p = &apriProva<frmProva3>();
    }
    // Contestant 1 plays A (scissors), S (paper), D (rock); contestant 2 J, K, L.
    void tasto(const char* c) { keyClick(*p, Qt::Key(QChar(c[0]).toUpper().unicode()), QString::fromLatin1(c)); }
    void mano(const char* uno, const char* due)
    {
        tasto(uno);
        tasto(due);
        advance(1.0);   // the pause that shows the hand
    }
    QString luci(int w)
    {
        QString out;
        ControlArray<Label>& l = w == 1 ? p->lblLuci1 : p->lblLuci2;
        for (int i = 0; i < 6; ++i)
            out += l[i].backColor() == frmProva3::kSpenta ? QLatin1Char('.') : QLatin1Char('*');
        return out;
    }
    frmRuota* R = nullptr;
    frmProva3* p = nullptr;
};
}  // namespace

class TestMorra : public QObject {
    Q_OBJECT
private slots:
    void loadShowsKeysNamesAndWaits()
    {
        Morra w;
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QCOMPARE(w.p->Label3[0].caption(), QStringLiteral("A"));
        QCOMPARE(w.p->Label3[4].caption(), QStringLiteral("K"));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QVERIFY(!w.p->Frame1.enabled() && !w.p->Frame2.enabled());
        // Keys before the start are ignored.
        w.tasto("a");
        w.tasto("l");
        QCOMPARE(w.p->varScelta1, 0);
        QVERIFY(w.fakes.audio.played().isEmpty());
    }

    void eachHandIsScored_data()
    {
        QTest::addColumn<QString>("uno");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("punti1");
        QTest::addColumn<int>("punti2");
        QTest::newRow("scissors beat paper") << "a" << "k" << "Manche vinta da ANNA       " << 1 << 0;
        QTest::newRow("paper beats rock") << "l" << "s" << "Manche vinta da ANNA       " << 1 << 0;
        QTest::newRow("rock beats scissors") << "J" << "D" << "Manche vinta da ANNA       " << 1 << 0;
        QTest::newRow("paper loses to scissors") << "s" << "j" << "Manche vinta da BRUNO      " << 0 << 1;
        QTest::newRow("equal hands") << "d" << "l" << "Manche patta!" << 0 << 0;
    }
    void eachHandIsScored()
    {
        QFETCH(QString, uno);
        QFETCH(QString, due);
        QFETCH(QString, didascalia);
        QFETCH(int, punti1);
        QFETCH(int, punti2);
        Morra w;
        w.click(w.p->cmdEsegui);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Fate le vostre scelte..."));
        w.tasto(uno.toLatin1().constData());
        w.tasto(due.toLatin1().constData());
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(w.p->lblPunti[0].caption(), QString::number(punti1));
        QCOMPARE(w.p->lblPunti[1].caption(), QString::number(punti2));
        QCOMPARE(w.luci(1), punti1 ? QStringLiteral("*.....") : QStringLiteral("......"));
        QCOMPARE(w.luci(2), punti2 ? QStringLiteral("*.....") : QStringLiteral("......"));
        // Both choices light up; the next hand starts after a second.
        QVERIFY(w.p->tmrSecondi.running());
        QVERIFY(!w.p->cmdEsegui.enabled());
        w.advance(1.0);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Fate le vostre scelte..."));
        QVERIFY(w.p->Frame1.enabled() && w.p->Frame2.enabled());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w.p->memo1[i].visible() && !w.p->memo2[i].visible());
    }

    void aSecondKeyOfTheSameContestantIsIgnored()
    {
        Morra w;
        w.click(w.p->cmdEsegui);
        w.tasto("a");
        const int suoni = int(w.fakes.audio.played().size());
        w.tasto("d");   // contestant 1 again
        w.tasto("i");   // an up key: nobody's choice
        w.tasto("q");   // nobody's key
        QCOMPARE(w.p->varScelta1, 1);
        QCOMPARE(int(w.fakes.audio.played().size()), suoni);
        QVERIFY(!w.p->Frame1.enabled() && w.p->Frame2.enabled());
        w.tasto("k");
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Manche vinta da ANNA       "));
    }

    void theSixthWonHandEndsTheGameAtOnce()
    {
        Morra w;
        w.touch("sounds1/vince.wav", "RIFF");
        w.click(w.p->cmdEsegui);
        // 5–5 with a tie in between, then contestant 2's sixth.
        for (int i = 0; i < 5; ++i) {
            w.mano("a", "k");
            w.mano("s", "j");
        }
        w.mano("d", "l");
        QCOMPARE(w.luci(1), QStringLiteral("*****."));
        w.tasto("a");
        w.tasto("l");
        QVERIFY(!w.p->tmrSecondi.running());
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 2);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
        QCOMPARE(int(w.M().bytGiri[1]), 0);
        QCOMPARE(w.luci(2), QStringLiteral("******"));
        QVERIFY(w.p->Timer1.running());
        // Keys after the verdict change nothing.
        w.tasto("a");
        w.tasto("k");
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        QCOMPARE(w.p->intMancheVinte[1], 5);
        // The hand-back lights the winner's spin.
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva3>());
        QVERIFY(w.R->enabled() && w.R->cmdGira2.enabled());
        QCOMPARE(w.R->cmdGira2.backColor(), frmRuota::kGiallo);
    }

    void soundsFollowTheirSwitches()
    {
        Morra w;
        w.M().strEffetti.clear();
        w.click(w.p->cmdEsegui);
        w.tasto("a");
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/dattilo.wav"));
        QVERIFY(w.fakes.audio.played().isEmpty());
    }
};

ZOLMERA_TEST_MAIN(TestMorra)
#include "tst_frmProva3.moc"

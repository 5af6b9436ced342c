// "COPPIA DI PIETANZE": pairs of dishes and one single card under fifteen
// covers; the first to five points wins.
#include "challenges/mind/frmProva7.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <algorithm>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Mosse = QList<int>;
// In a list of moves: the one-second pause after a miss.
constexpr int kPausa = -1;

const QList<double> kInOrdine = [] {
    QList<double> v;
    for (int r = 1; r <= 15; ++r)
        v << (r - 0.5) / 15;
    return v;
}();
// Dealt in deck order the table reads: places 2k and 2k + 1 a pair, place 14
// the single card.
const QString kTavoloInOrdine = QStringLiteral("AABBCCDDEEFFGGH");

void fileDelleCarte(TestWorld& w)
{
    for (const char* f : {"ding.wav", "si.wav", "no.wav", "moltobene.wav", "vince.wav"})
        w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(0.3));
    for (int n = 1; n <= 8; ++n)
        w.touch(QStringLiteral("images1/memo%1.gif").arg(n), "GIF89a");
    w.touch(QStringLiteral("images1/memo_coperta.gif"), "GIF89a");
}

// The draws of a load: the starter, then the deal.
void preparaCarico(TestWorld& w, int primo, const QList<double>& mazzo)
{
    w.fakes.random.pushDraw(primo, 2);
    for (double v : mazzo)
        w.fakes.random.push(v);
}

// The faces as the deck placed them, place by place: "A" to "G" the dishes,
// "H" the single card, "?" a picture of none of them.
QString facce(const frmProva7& p)
{
    QString out;
    for (int i = 0; i < frmProva7::kPosti; ++i) {
        QChar c = u'?';
        for (int n = 0; n < 8; ++n)
            if (p.Image1[i].picture().cacheKey() == p.imgMemo[n].picture().cacheKey())
                c = QChar(u'A' + n);
        out += c;
    }
    return out;
}

struct Coppie : BoardWorld {
    explicit Coppie(int primo = 1, const QList<double>& mazzo = kInOrdine)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDelleCarte(*this);
        R = &apri();
        preparaCarico(*this, primo, mazzo);
        p = &apriProva<frmProva7>();
    }
    void gioca(const Mosse& mosse)
    {
        for (int i : mosse) {
            if (i == kPausa)
                advance(1.0);
            else
                click(p->ImgCop[i]);
        }
    }
    // What the players see: "#" a cover, else the face.
    QString tavolo() const
    {
        QString out = facce(*p);
        for (int i = 0; i < frmProva7::kPosti; ++i)
            if (p->ImgCop[i].visible())
                out[i] = u'#';
            else if (!p->Image1[i].visible())
                out[i] = u' ';
        return out;
    }
    QString punti() const { return p->lblPunti[0].caption() + u'-' + p->lblPunti[1].caption(); }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva7.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva7* p = nullptr;
};
}  // namespace

class TestCoppie : public QObject {
    Q_OBJECT
private slots:
    void theDrawnStarterIsNamedAndPlaysFirst_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("punti");
        QTest::newRow("contestant 1 starts") << 1 << "Inizia ANNA       "
                                             << "1-0";
        QTest::newRow("contestant 2 starts") << 2 << "Inizia BRUNO      "
                                             << "0-1";
    }
    void theDrawnStarterIsNamedAndPlaysFirst()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        QFETCH(QString, punti);
        Coppie w(primo);
        frmProva7& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(p.cmdEsegui.toolTipText(), QStringLiteral("PREMI QUI per continuare"));
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(w.punti(), QStringLiteral("0-0"));
        QCOMPARE(w.tavolo(), QString(15, u'#'));
        QVERIFY(!p.Frame1.enabled());
        // Cards before the start stay covered.
        w.gioca({0, 1});
        QCOMPARE(w.tavolo(), QString(15, u'#'));
        QVERIFY(w.suoni().isEmpty());

        w.click(p.cmdEsegui);
        QVERIFY(p.Frame1.enabled() && !p.cmdEsegui.enabled());
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        w.gioca({0, 1});
        QCOMPARE(w.punti(), punti);
        QCOMPARE(w.suoni(), (QStringList{"ding.wav", "ding.wav", "si.wav"}));
        QCOMPARE(w.tavolo(), QStringLiteral("AA#############"));
    }

    void everyDealIsSevenPairsAndOneSingleCard_data()
    {
        QTest::addColumn<QList<double>>("mazzo");
        QTest::addColumn<QString>("atteso");   // empty: any arrangement
        QList<double> rovescio(kInOrdine.rbegin(), kInOrdine.rend());
        QList<double> misto;
        for (int r : {9, 2, 15, 4, 11, 1, 7, 13, 3, 6, 14, 8, 10, 5, 12})
            misto << (r - 0.5) / 15;
        QTest::newRow("deck order") << kInOrdine << kTavoloInOrdine;
        QTest::newRow("reversed") << rovescio << "HGGFFEEDDCCBBAA";
        QTest::newRow("shuffled") << misto << "EAHBFADGBCGDECF";
        // A clock that does not move between reseeds: the generator gives
        // the same number every time.
        QTest::newRow("always the first card") << QList<double>(60, 0.5 / 15) << kTavoloInOrdine;
        QTest::newRow("always the last card") << QList<double>(60, 14.5 / 15) << "HGGFFEEDDCCBBAA";
        QTest::newRow("the generator's own numbers") << QList<double>{} << QString();
    }
    void everyDealIsSevenPairsAndOneSingleCard()
    {
        QFETCH(QList<double>, mazzo);
        QFETCH(QString, atteso);
        Coppie w(1, mazzo);
        frmProva7& p = *w.p;
        const QString tavolo = facce(p);
        if (!atteso.isEmpty())
            QCOMPARE(tavolo, atteso);
        QString ordinato = tavolo;
        std::sort(ordinato.begin(), ordinato.end());
        QCOMPARE(ordinato, kTavoloInOrdine);
        // Two places share a pair code exactly when their faces are alike,
        // and the single card's code is 0.
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(p.intCoppia[i] == 0, tavolo[i] == u'H');
            for (int j = 0; j < 15; ++j)
                QCOMPARE(p.intCoppia[i] == p.intCoppia[j], tavolo[i] == tavolo[j]);
        }
    }

    void theSingleCardScoresTwoAndTheTurnGoesOn_data()
    {
        QTest::addColumn<Mosse>("mosse");
        QTest::addColumn<QString>("tavolo");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("first of the turn")
            << Mosse{14} << "##############H" << QStringList{"ding.wav", "moltobene.wav"};
        // The first card goes back under its cover, back in play.
        QTest::newRow("second of the turn")
            << Mosse{0, 14} << "##############H" << QStringList{"ding.wav", "ding.wav", "moltobene.wav"};
        QTest::newRow("after a pair") << Mosse{2, 3, 14} << "##BB##########H"
                                      << QStringList{"ding.wav", "ding.wav", "si.wav", "ding.wav", "moltobene.wav"};
    }
    void theSingleCardScoresTwoAndTheTurnGoesOn()
    {
        QFETCH(Mosse, mosse);
        QFETCH(QString, tavolo);
        QFETCH(QStringList, suoni);
        Coppie w;
        frmProva7& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca(mosse);
        QCOMPARE(w.tavolo(), tavolo);
        QCOMPARE(w.suoni(), suoni);
        QCOMPARE(w.punti(), mosse.contains(2) ? QStringLiteral("3-0") : QStringLiteral("2-0"));
        QCOMPARE(int(p.intScoperte), 0);
        QVERIFY(!p.tmrSecondi.running());
        // Nothing is pending: the same contestant's next two cards make a
        // turn of their own.
        w.gioca({0, 1});
        QCOMPARE(w.punti(), mosse.contains(2) ? QStringLiteral("4-0") : QStringLiteral("3-0"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia ANNA       "));
    }

    void aMissIsShownForASecondAndOnlyDingsMeanwhile()
    {
        Coppie w;
        frmProva7& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca({0, 2});
        QCOMPARE(w.tavolo(), QStringLiteral("A#B############"));
        QCOMPARE(w.suoni(), (QStringList{"ding.wav", "ding.wav", "no.wav"}));
        w.fakes.audio.clear();
        w.advance(0.9);
        w.gioca({4});
        QCOMPARE(w.suoni(), QStringList{"ding.wav"});
        QCOMPARE(w.tavolo(), QStringLiteral("A#B############"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia ANNA       "));
        w.advance(0.1);
        QCOMPARE(w.tavolo(), QString(15, u'#'));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
        // The faces stay under their covers.
        QVERIFY(p.Image1[0].visible() && p.Image1[2].visible());
        w.gioca({0, 1});
        QCOMPARE(w.punti(), QStringLiteral("0-1"));
        // A card already face up takes no part: only its click's ding.
        w.fakes.audio.clear();
        w.run([&] { p.ImgCop_Click(1); });
        QCOMPARE(w.suoni(), QStringList{"ding.wav"});
        QCOMPARE(int(p.intScoperte), 0);
        w.gioca({2, 3});
        QCOMPARE(w.punti(), QStringLiteral("0-2"));
    }

    void theFirstToFiveWinsAndLaterClicksChangeNothing_data()
    {
        QTest::addColumn<Mosse>("mosse");
        QTest::addColumn<QString>("punti");
        QTest::addColumn<int>("vincitore");
        QTest::newRow("four points and the single card make six") << Mosse{0, 1, 2, 3, 4, 5, 6, 7, 14} << "6-0" << 1;
        QTest::newRow("four all, the last pair decides")
            << Mosse{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, kPausa, 14, 8, 9, 10, 11, 12, 13} << "4-5" << 2;
        QTest::newRow("five pairs in a row") << Mosse{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << "5-0" << 1;
    }
    void theFirstToFiveWinsAndLaterClicksChangeNothing()
    {
        QFETCH(Mosse, mosse);
        QFETCH(QString, punti);
        QFETCH(int, vincitore);
        Coppie w;
        frmProva7& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca(mosse);
        const QString nome = vincitore == 1 ? "ANNA       " : "BRUNO      ";
        QCOMPARE(w.punti(), punti);
        QCOMPARE(p.cmdEsegui.caption(), "Vince " + nome);
        QVERIFY(p.cmdEsegui.enabled() && !p.Frame1.enabled());
        QCOMPARE(int(w.M().bytConcorrente), vincitore);
        QCOMPARE(int(w.M().bytGiri[vincitore]), 1);
        QCOMPARE(int(w.M().bytGiri[3 - vincitore]), 0);
        QCOMPARE(w.suoni().last(), QStringLiteral("vince.wav"));
        QVERIFY(p.Timer1.running());

        const QString tavolo = w.tavolo();
        w.fakes.audio.clear();
        w.gioca({11, 12, 13, 12});
        w.run([&] { p.ImgCop_Click(12); });
        QCOMPARE(w.tavolo(), tavolo);
        QCOMPARE(w.punti(), punti);
        QCOMPARE(p.cmdEsegui.caption(), "Vince " + nome);
        QCOMPARE(int(w.M().bytConcorrente), vincitore);
        QVERIFY(w.suoni().isEmpty());
    }

    void soundsFollowTheirSwitches_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("no effects") << ""
                                    << "Play" << QStringList{"si.wav", "no.wav"};
        QTest::newRow("no spoken comments") << "Play"
                                            << "" << QStringList{"ding.wav", "ding.wav", "ding.wav", "ding.wav"};
    }
    void soundsFollowTheirSwitches()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, suoni);
        Coppie w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        w.click(w.p->cmdEsegui);
        w.gioca({0, 1, 2, 4});
        QCOMPARE(w.suoni(), suoni);
    }

    void abandoningInThePause_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No: the game goes on") << int(mb::No);
        QTest::newRow("Yes: nothing more") << int(mb::Yes);
    }
    void abandoningInThePause()
    {
        QFETCH(int, risposta);
        Coppie w;
        frmProva7& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca({0, 2});
        w.advance(0.5);
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(risposta);
        p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(p.visible() && !w.R->enabled());
            QCOMPARE(w.tavolo(), QStringLiteral("A#B############"));
            w.advance(0.5);
            QCOMPARE(w.tavolo(), QString(15, u'#'));
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
            w.gioca({0, 1});
            QCOMPARE(w.punti(), QStringLiteral("0-1"));
            return;
        }
        w.advance(10);
        QVERIFY(!w.ctx->screens.find<frmProva7>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        QVERIFY(w.suoni().isEmpty());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(int(w.M().bytGiri[1]) + int(w.M().bytGiri[2]), 0);
    }

    void fromTheBoardStepToTheWinnersSpin()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        fileDelleCarte(w);
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(7, 20);   // COPPIA DI PIETANZE
        preparaCarico(w, 2, kInOrdine);
        w.passo();
        auto* p = w.ctx->screens.find<frmProva7>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("COPPIA DI PIETANZE"));
        w.click(p->cmdEsegui);
        for (int i : {14, 0, 1, 2, 3, 4, 5})
            w.click(p->ImgCop[i]);
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.click(p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva7>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCoppie)
#include "tst_frmProva7.moc"

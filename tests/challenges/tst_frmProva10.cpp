// "IL PERSONAGGIO MISTERIOSO": a clue names a category, and the first figure
// to stand on the card of that category scores; five points win.
#include "challenges/action/frmProva10.h"
#include "records/tabella.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFontMetrics>
#include <QSet>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

constexpr int kVia = 3240, kViaTop = 2160;

// Walks contestant k's figure from the start to where it stands on a card:
// across first, then up or down. Contestant 1 steers with W S A D,
// contestant 2 with I K J L.
void cammina(TestWorld& w, frmProva10& p, int k, int left, int top)
{
    const QString su = k == 1 ? "w" : "i", giu = k == 1 ? "s" : "k";
    const QString sx = k == 1 ? "a" : "j", dx = k == 1 ? "d" : "l";
    w.typeKeys(p, (left < kVia ? sx : dx).repeated(std::abs(left - kVia) / 300));
    w.typeKeys(p, (top < kViaTop ? su : giu).repeated(std::abs(top - kViaTop) / 300));
}

struct Personaggio : BoardWorld {
    explicit Personaggio(bool voce = true)
    {
        M().strParlato = voce ? "Play" : "";
        for (int c = 1; c <= 12; ++c)
            touch(QStringLiteral("sounds1/personaggio%1.wav").arg(c), onda(0.5));
        touch("sounds1/si.wav", onda(0.5));
        touch("sounds1/vince.wav", onda(0.5));
        R = &apri();
        p = &apriProva<frmProva10>();
    }
    // The draws of one clue: category c, and every category i on card
    // (meta + i − c) mod 12, so that c lies on card meta; every name the
    // first of its category.
    void preparaIndizio(int c, int meta)
    {
        fakes.random.pushDraw(c, 12);
        for (int i = 1; i <= 12; ++i) {
            fakes.random.pushDraw((meta + i - c + 24) % 12 + 1, 12);
            fakes.random.pushDraw(1, 30);
        }
    }
    void inizia() { click(p->cmdEsegui); }
    // The 3-second pause, then the clue.
    void pausa() { advance(3.0); }
    void tasti(const QString& sequenza) { typeKeys(*p, sequenza); }
    void vaiAllaMeta(int k) { cammina(*this, *p, k, p->intMetaLeft, p->varMetaTop); }
    QStringList nomiMostrati()
    {
        QStringList out;
        for (int i = 0; i < 12; ++i)
            out << p->persona[i].caption();
        return out;
    }
    bool alVia()
    {
        return p->cane.left() == kVia && p->cane.top() == kViaTop && p->coniglio.left() == kVia
            && p->coniglio.top() == kViaTop;
    }
    frmRuota* R = nullptr;
    frmProva10* p = nullptr;
};

}  // namespace

class TestPersonaggio : public QObject {
    Q_OBJECT
private slots:
    void loadWaitsWithAnEmptyBoard()
    {
        Personaggio w;
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QCOMPARE(w.p->lblTitolo.caption(), QStringLiteral("IL PERSONAGGIO MISTERIOSO"));
        QCOMPARE(w.p->Label1.caption(), QStringLiteral("W"));
        QCOMPARE(w.p->Label6.caption(), QStringLiteral("J"));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QVERIFY(!w.p->Frame1.enabled());
        QVERIFY(w.alVia());
        QCOMPARE(w.nomiMostrati(), QStringList(12, QString()));
        QCOMPARE(w.p->intCaselle[7][0], qint16(5640));
        QCOMPARE(w.p->intCaselle[7][1], qint16(2760));
        QCOMPARE(w.p->Image3[9].left(), 1920);
        QCOMPARE(w.p->persona[9].top(), 3840 + 240);
    }

    // The shipped names: thirty a category, short, distinct, and each one
    // whole on its card in the card's own font, as the app substitutes it.
    void everyNameFitsItsCard()
    {
        Personaggio w;
        const Label& etichetta = w.p->persona[0];
        const QFontMetrics fm(etichetta.widget()->font());
        const QRect spazio = etichetta.widget()->contentsRect();
        QSet<QString> visti;
        for (int c = 0; c < 12; ++c) {
            for (int r = 0; r < frmProva10::kNomiPerCategoria; ++r) {
                const QString& nome = w.p->strPersonaggi[c][r];
                const QString dove = QStringLiteral("%1 %2: \"%3\"").arg(c + 1).arg(r + 1).arg(nome);
                QVERIFY2(!nome.isEmpty() && nome.size() <= 23 && nome == nome.trimmed(), qPrintable(dove));
                QVERIFY2(!visti.contains(nome.toUpper()), qPrintable(dove));
                visti.insert(nome.toUpper());
                const QRect scritto = fm.boundingRect(spazio, Qt::TextWordWrap | Qt::AlignCenter, nome);
                QVERIFY2(spazio.contains(scritto), qPrintable(dove + QStringLiteral(" takes %1 x %2 of %3 x %4")
                                                                       .arg(scritto.width()).arg(scritto.height())
                                                                       .arg(spazio.width()).arg(spazio.height())));
            }
        }
    }

    void theClueIsWrittenOrSpoken_data()
    {
        QTest::addColumn<bool>("voce");
        QTest::newRow("voice off: written") << false;
        QTest::newRow("voice on: spoken") << true;
    }
    void theClueIsWrittenOrSpoken()
    {
        QFETCH(bool, voce);
        Personaggio w(voce);
        w.inizia();
        QVERIFY(!w.p->cmdEsegui.enabled());
        QVERIFY(w.p->Frame1.enabled());
        w.preparaIndizio(10, 5);
        w.advance(2.99);
        QCOMPARE(w.nomiMostrati(), QStringList(12, QString()));
        w.advance(0.02);
        QCOMPARE(w.p->varCategoria, 10);
        // Every category on its own card: Fumetti on card 5, the others round it.
        QCOMPARE(w.p->persona[5].caption(), w.p->strPersonaggi[9][0]);
        QCOMPARE(w.p->persona[7].caption(), w.p->strPersonaggi[11][0]);
        QCOMPARE(w.p->persona[8].caption(), w.p->strPersonaggi[0][0]);
        const QStringList nomi = w.nomiMostrati();
        QCOMPARE(QSet<QString>(nomi.cbegin(), nomi.cend()).size(), 12);
        QCOMPARE(w.p->intMetaLeft, qint16(5640));
        QCOMPARE(w.p->varMetaTop, 1560);
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/personaggio10.wav"));
        QVERIFY(w.p->strCategorie[9].isEmpty());
        if (voce) {
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
            QCOMPARE(w.fakes.audio.played(), QStringList{"personaggio10.wav"});
        } else {
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Personaggio dei fumetti"));
            QVERIFY(w.fakes.audio.played().isEmpty());
        }
        QVERIFY(!w.p->cmdEsegui.enabled());
    }

    // Every draw of a clue comes after a reseed; a uniform just under 1
    // picks the last card and the thirtieth name.
    void theDrawsReachTheLastCardAndName()
    {
        Personaggio w;
        w.inizia();
        w.fakes.random.push(0.0);     // category 1
        w.fakes.random.push(0.999);   // its card: 11
        w.fakes.random.push(0.999);   // its name: the thirtieth
        for (int i = 2; i <= 12; ++i) {
            w.fakes.random.pushDraw(i - 1, 12);
            w.fakes.random.push(0.0);
        }
        const int prima = w.fakes.random.randomizes();
        w.pausa();
        QCOMPARE(w.fakes.random.randomizes() - prima, 1 + 2 * 12);
        QCOMPARE(w.p->varCategoria, 1);
        QCOMPARE(w.p->persona[11].caption(), w.p->strPersonaggi[0][29]);
        QCOMPARE(w.p->strPersonaggi[0][29], tabellaProva("personaggi")[29][1]);
        QCOMPARE(w.p->persona[0].caption(), w.p->strPersonaggi[1][0]);
        QCOMPARE(w.p->intMetaLeft, qint16(5640));
        QCOMPARE(w.p->varMetaTop, 3960);
    }

    // Card 2 (figure's Left 3840, Top 360): each figure walks right, then up.
    void onlyTheMysteryCardScores_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("passi");
        QTest::addColumn<bool>("punto");
        QTest::newRow("dog at L") << 1 << "ddwwwwww" << true;
        QTest::newRow("dog at L+300") << 1 << "dddwwwwww" << true;
        QTest::newRow("dog at L+600, upper case") << 1 << "DDDDWWWWWW" << true;
        QTest::newRow("dog at L+900") << 1 << "dddddwwwwww" << false;
        QTest::newRow("dog one row too low") << 1 << "ddwwwww" << false;
        QTest::newRow("dog on the card to its left") << 1 << "aawwwwww" << false;
        QTest::newRow("rabbit at L+600") << 2 << "lllliiiiii" << true;
        QTest::newRow("rabbit at L+900") << 2 << "llllliiiiii" << false;
    }
    void onlyTheMysteryCardScores()
    {
        QFETCH(int, k);
        QFETCH(QString, passi);
        QFETCH(bool, punto);
        Personaggio w;
        w.inizia();
        w.preparaIndizio(3, 2);
        w.pausa();
        w.fakes.audio.clear();
        w.tasti(passi);
        QCOMPARE(w.p->intPunti[k - 1], qint16(punto ? 1 : 0));
        QCOMPARE(w.p->intPunti[2 - k], qint16(0));
        QCOMPARE(w.p->lblPunti[k - 1].caption(), punto ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(w.p->tmrSecondi.enabled(), punto);
        QCOMPARE(w.alVia(), punto);
        if (punto) {
            // The board is cleared at once; the next clue comes 3 s later.
            QCOMPARE(w.fakes.audio.played(), QStringList{"si.wav"});
            QCOMPARE(w.nomiMostrati(), QStringList(12, QString()));
            QCOMPARE(w.p->varMetaTop, 1);
            QCOMPARE(w.p->intMetaLeft, qint16(1));
            w.preparaIndizio(4, 0);
            w.pausa();
            QCOMPARE(w.p->varCategoria, 4);
        } else {
            QVERIFY(w.fakes.audio.played().isEmpty());
            QCOMPARE(w.p->persona[2].caption(), w.p->strPersonaggi[2][0]);
        }
    }

    void keysMoveNothingOutsideTheRace_data()
    {
        QTest::addColumn<QString>("quando");
        QTest::newRow("before the start") << "prima";
        QTest::newRow("in the pause before a clue") << "pausa";
        QTest::newRow("in the pause after a point") << "punto";
    }
    void keysMoveNothingOutsideTheRace()
    {
        QFETCH(QString, quando);
        Personaggio w;
        if (quando != QLatin1String("prima")) {
            w.inizia();
            w.advance(1.0);
        }
        if (quando == QLatin1String("punto")) {
            w.preparaIndizio(1, 0);
            w.advance(2.0);
            w.vaiAllaMeta(2);
            QCOMPARE(w.p->intPunti[1], qint16(1));
            w.advance(1.0);
        }
        w.tasti("ddwwjjii");
        QVERIFY(w.alVia());
    }

    // A 5–4 game: nine clues, every one of a category not drawn before,
    // even when the draw lands on one; the fifth point clears the board,
    // then the verdict.
    void aFullGameNeverRepeatsACategory()
    {
        Personaggio w(false);
        w.inizia();
        QList<int> uscite;
        for (int indizio = 1; indizio <= 9; ++indizio) {
            // The categories drawn so far come up again first.
            for (int c : uscite)
                w.fakes.random.pushDraw(c, 12);
            const int nuova = (indizio * 5) % 12 + 1;
            w.fakes.random.pushDraw(nuova, 12);
            w.pausa();
            QCOMPARE(w.p->varCategoria, nuova);
            QCOMPARE(w.p->cmdEsegui.caption(), frmProva10::kCategorie[std::size_t(nuova - 1)].indizio);
            uscite << nuova;
            w.vaiAllaMeta(indizio % 2 ? 1 : 2);
        }
        QCOMPARE(QSet<int>(uscite.cbegin(), uscite.cend()).size(), 9);
        for (int c : uscite)
            QVERIFY(w.p->strCategorie[c - 1].isEmpty());
        QCOMPARE(w.p->lblPunti[0].caption(), QStringLiteral("5"));
        QCOMPARE(w.p->lblPunti[1].caption(), QStringLiteral("4"));
        QCOMPARE(w.nomiMostrati(), QStringList(12, QString()));
        QVERIFY(w.alVia());
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled());
        QVERIFY(!w.p->tmrSecondi.enabled());
        QVERIFY(w.p->Timer1.running());
        QCOMPARE(int(w.M().bytConcorrente), 1);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
        QCOMPARE(int(w.M().bytGiri[2]), 0);
        // Keys after the verdict move nothing, and no clue follows.
        w.tasti("dddsss");
        w.advance(5.0);
        QVERIFY(w.alVia());
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QCOMPARE(w.nomiMostrati(), QStringList(12, QString()));
    }

    // A names' table left short shows blank cards; the game still runs.
    void aShortTableLeavesBlankCardsAndTheGameGoesOn()
    {
        Personaggio w;
        for (int r = 0; r < frmProva10::kNomiPerCategoria; ++r)
            w.p->strPersonaggi[4][r].clear();
        w.inizia();
        w.preparaIndizio(5, 3);
        w.pausa();
        QCOMPARE(w.p->persona[3].caption(), QString());
        const QStringList nomi = w.nomiMostrati();
        QCOMPARE(QSet<QString>(nomi.cbegin(), nomi.cend()).size(), 12);
        w.vaiAllaMeta(1);
        QCOMPARE(w.p->intPunti[0], qint16(1));
    }

    void abandoning_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No: the game goes on") << int(mb::No);
        QTest::newRow("Yes: the match is over") << int(mb::Yes);
    }
    void abandoning()
    {
        QFETCH(int, risposta);
        Personaggio w;
        w.inizia();
        w.preparaIndizio(2, 6);
        // The player closes in the pause and thinks for 5 s: the clue falls due meanwhile.
        w.fakes.messages.setNextAnswer(risposta, 5.0);
        w.loop().at(w.loop().now() + 1, [&] { w.p->window()->close(); });
        w.advance(7.0);
        // The clue fell due under the question and was given all the same.
        QCOMPARE(w.fakes.audio.played(), QStringList{"personaggio2.wav"});
        if (risposta == mb::No) {
            QVERIFY(w.ctx->screens.find<frmProva10>());
            QCOMPARE(w.p->varCategoria, 2);
            w.vaiAllaMeta(2);
            QCOMPARE(w.p->intPunti[1], qint16(1));
            QVERIFY(!w.R->enabled());
        } else {
            QVERIFY(!w.ctx->screens.find<frmProva10>());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
            w.fakes.audio.clear();
            w.advance(10.0);
            QVERIFY(w.fakes.audio.played().isEmpty());
            QCOMPARE(int(w.M().bytConcorrente), 0);
        }
    }

    // From the board's step button to the spin won, on virtual time.
    void aGameFromTheBoardHandsTheSpinBack()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(10, 20);   // IL PERSONAGGIO MISTERIOSO
        w.passo();
        auto* p = w.ctx->screens.find<frmProva10>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        w.click(p->cmdEsegui);
        for (int punto = 1; punto <= 5; ++punto) {
            w.fakes.random.pushDraw(punto, 12);
            for (int i = 1; i <= 12; ++i) {
                w.fakes.random.pushDraw(i, 12);
                w.fakes.random.pushDraw(punto, 30);
            }
            w.advance(3.0);
            // Category k lies on card k − 1; the rabbit runs to it.
            QCOMPARE(p->persona[punto - 1].caption(), p->strPersonaggi[punto - 1][punto - 1]);
            cammina(w, *p, 2, p->intMetaLeft, p->varMetaTop);
        }
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva10>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
        QVERIFY(!R.cmdGira1.enabled());
    }
};

ZOLMERA_TEST_MAIN(TestPersonaggio)
#include "tst_frmProva10.moc"

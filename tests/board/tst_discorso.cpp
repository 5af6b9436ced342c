// The host's opening speech: what the queue holds when the board loads (the
// greeting, the jackpot in words, the contestants and their season roles),
// and how it plays: the lunch-menu card over the jackpot, the wheel's own
// sound, the step button, the end of the queue.
#include "competitions/frmPunteggi.h"
#include "shell/frmMenuZolmer.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

const char* const kParole[] = {
    "buongiorno", "natale", "valletta", "montepremi1", "montepremi2", "montepremi3", "vostrino", "presgiocatori",
    "and", "prescampione", "presscampione", "pressfidante", "mille", "mila", "cento", "cinquanta", "due", "cinque",
    "sette", "venti", "ventuno", "novantanove"};

struct DiscorsoWorld : BoardWorld {
    explicit DiscorsoWorld(qint32 montepremi = 1250)
    {
        M().strParlato = QStringLiteral("Play");
        for (const char* p : kParole)
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(p)), onda(1.0));
        touch("sounds1/ANNA.wav", onda(1.0));
        touch("sounds1/BRUNO.wav", onda(1.0));
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        touch("scores1/mtpremi.dat", slot(le16(3) + le16(0) + le32(montepremi)));
    }
    // The queue as file names, "" for an empty slot.
    QStringList coda()
    {
        QStringList c;
        for (int i = 1; i <= 15; ++i)
            c << board().discorso.strCodaAudio[i].section(QLatin1Char('/'), -1);
        return c;
    }
    bool cartaMostrata()
    {
        auto* m = ctx->screens.find<frmMenuZolmer>();
        return m && m->visible();
    }
};

QByteArray seggio(const char* nome, qint16 partite, const char* esiti)
{
    const QByteArray e = QByteArray(esiti).leftJustified(30, 'n');
    return slot(QByteArray(nome).leftJustified(11, ' ') + le16(partite) + e + le32(0));
}

}  // namespace

class TestDiscorso : public QObject {
    Q_OBJECT
private slots:
    // Thousands, "mila", the hundreds digit, "cento", "cinquanta".
    void theJackpotInWords_data()
    {
        QTest::addColumn<int>("montepremi");
        QTest::addColumn<QStringList>("parole");
        const QStringList vuote{"", "", "", "", ""};
        QTest::newRow("0") << 0 << vuote;
        QTest::newRow("750") << 750 << QStringList{"", "", "sette.wav", "cento.wav", "cinquanta.wav"};
        QTest::newRow("1.000") << 1000 << QStringList{"mille.wav", "", "", "", ""};
        QTest::newRow("1.100") << 1100 << QStringList{"mille.wav", "", "", "cento.wav", ""};
        QTest::newRow("1.250") << 1250 << QStringList{"mille.wav", "", "due.wav", "cento.wav", "cinquanta.wav"};
        QTest::newRow("1.500") << 1500 << QStringList{"mille.wav", "", "cinque.wav", "cento.wav", ""};
        QTest::newRow("2.000") << 2000 << QStringList{"due.wav", "mila.wav", "", "", ""};
        QTest::newRow("2.750") << 2750 << QStringList{"due.wav", "mila.wav", "sette.wav", "cento.wav", "cinquanta.wav"};
        QTest::newRow("20.750") << 20750 << QStringList{"venti.wav", "mila.wav", "sette.wav", "cento.wav", "cinquanta.wav"};
        QTest::newRow("21.000") << 21000 << QStringList{"ventuno.wav", "mila.wav", "", "", ""};
        QTest::newRow("99.750") << 99750
                                << QStringList{"novantanove.wav", "mila.wav", "sette.wav", "cento.wav", "cinquanta.wav"};
        QTest::newRow("100.000: no bare mila") << 100000 << vuote;
    }
    void theJackpotInWords()
    {
        QFETCH(int, montepremi);
        QFETCH(QStringList, parole);
        DiscorsoWorld w(montepremi);
        w.apri();
        QCOMPARE(w.coda().mid(3, 5), parole);
    }

    // The number words of every thousand a competition can reach.
    void everyThousandHasItsWord_data()
    {
        QTest::addColumn<int>("migliaia");
        QTest::addColumn<QString>("parola");
        const std::pair<int, const char*> righe[] = {{21, "ventuno"},      {23, "ventitre"},   {28, "ventotto"},
                                                     {30, "trenta"},       {31, "trentuno"},   {38, "trentotto"},
                                                     {44, "quarantaquattro"}, {51, "cinquantuno"}, {67, "sessantasette"},
                                                     {72, "settantadue"},  {88, "ottantotto"}, {99, "novantanove"}};
        for (const auto& [n, p] : righe)
            QTest::addRow("%d", n) << n << QString::fromLatin1(p);
    }
    void everyThousandHasItsWord()
    {
        QFETCH(int, migliaia);
        QFETCH(QString, parola);
        QCOMPARE(Discorso::paroleMontepremi(migliaia * 1000 + 250)[0], parola);
        QCOMPARE(Discorso::paroleMontepremi(migliaia * 1000 + 250)[1], QStringLiteral("mila"));
    }

    // Outside a season: greeting, the jackpot, the two voices with "e" between.
    void aSingleMatchsQueue_data()
    {
        QTest::addColumn<bool>("natale");
        QTest::addColumn<int>("tipo");
        QTest::newRow("single match") << false << 1;
        QTest::newRow("Christmas, tournament") << true << 2;
    }
    void aSingleMatchsQueue()
    {
        QFETCH(bool, natale);
        QFETCH(int, tipo);
        DiscorsoWorld w;
        w.M().intNatale = natale;
        w.M().bytTipoGioco = quint8(tipo);
        w.M().strFileCampionato = w.path("saved1/C.002");
        w.apri();
        QStringList c = w.coda();
        QVERIFY(QRegularExpression(QStringLiteral("^montepremi[123]\\.wav$")).match(c[2]).hasMatch());
        c[2] = QStringLiteral("montepremi");
        QCOMPARE(c, (QStringList{natale ? "natale.wav" : "buongiorno.wav", "valletta.wav", "montepremi", "mille.wav", "",
                                 "due.wav", "cento.wav", "cinquanta.wav", "vostrino.wav", "presgiocatori.wav", "",
                                 "ANNA.wav", "and.wav", "", "BRUNO.wav"}));
    }

    // In a season each contestant is presented in the role of his seat.
    void seasonRoles_data()
    {
        QTest::addColumn<QByteArray>("seggio1");
        QTest::addColumn<QByteArray>("seggio2");
        QTest::addColumn<QString>("ruolo1");
        QTest::addColumn<QString>("ruolo2");
        QTest::newRow("a new season: two challengers, no roles")
            << seggio("ANNA", 0, "") << seggio("BRUNO", 0, "") << "" << "";
        QTest::newRow("a super champion and a named challenger")
            << seggio("ANNA", 3, "CSC") << seggio("BRUNO", 0, "") << "presscampione.wav" << "pressfidante.wav";
        QTest::newRow("a challenger and a champion")
            << seggio("", 0, "") << seggio("BRUNO", 2, "CC") << "pressfidante.wav" << "prescampione.wav";
        QTest::newRow("two champions after a draw")
            << seggio("ANNA", 1, "C") << seggio("BRUNO", 4, "CCCS") << "prescampione.wav" << "presscampione.wav";
    }
    void seasonRoles()
    {
        QFETCH(QByteArray, seggio1);
        QFETCH(QByteArray, seggio2);
        QFETCH(QString, ruolo1);
        QFETCH(QString, ruolo2);
        DiscorsoWorld w;
        w.M().bytTipoGioco = 3;
        w.M().strFileStagione = w.path("saved1/S.003");
        w.touch("saved1/S.003", seggio1 + seggio2);
        w.apri();
        QCOMPARE(w.coda().mid(9), (QStringList{"presgiocatori.wav", ruolo1, "ANNA.wav", "", ruolo2, "BRUNO.wav"}));
    }

    // The queue plays from the greeting to the second voice; the card shows
    // the jackpot over a disabled board from the third sound to the ninth.
    void theSpeechPlaysWithTheCardOverTheJackpot()
    {
        DiscorsoWorld w;
        frmRuota& R = w.apri();
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMusica"), QStringList{"buongiorno.wav"});
        w.advance(1.5);   // valletta
        QVERIFY(!w.cartaMostrata());
        QVERIFY(R.enabled());
        w.advance(1.0);   // the announcement
        QVERIFY(w.cartaMostrata());
        QVERIFY(!R.enabled());
        w.advance(4.0);   // mille, due, cento, cinquanta
        QVERIFY(w.cartaMostrata());
        w.advance(1.0);   // vostrino
        QVERIFY(!w.cartaMostrata());
        QVERIFY(R.enabled());
        w.advance(10);
        const QStringList sentiti = w.fakes.audio.played("frmRuota.mmcMusica");
        QCOMPARE(sentiti.size(), 12);
        QCOMPARE(sentiti.mid(3), (QStringList{"mille.wav", "due.wav", "cento.wav", "cinquanta.wav", "vostrino.wav",
                                             "presgiocatori.wav", "ANNA.wav", "and.wav", "BRUNO.wav"}));
        // Spent: the queue is empty and more ends of sounds play nothing.
        QVERIFY(R.discorso.varPosCoda > 15);
        QCOMPARE(w.coda(), QStringList(15, QString()));
        w.run([&] { R.discorso.mmcMusica_Done(); });
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMusica").size(), 12);
    }

    // A side screen opened over the board before the card comes keeps the
    // board held when the speech closes the card, and the card's own Ok
    // does not free it either: only the last window over it does.
    void theCardNeverFreesTheBoardUnderAnotherWindow_data()
    {
        QTest::addColumn<bool>("chiudeIlGiocatore");
        QTest::newRow("the speech closes the card") << false;
        QTest::newRow("the player closes the card") << true;
    }
    void theCardNeverFreesTheBoardUnderAnotherWindow()
    {
        QFETCH(bool, chiudeIlGiocatore);
        DiscorsoWorld w;
        frmRuota& R = w.apri();
        w.keyClick(R, Qt::Key_F4);
        auto* punteggi = w.ctx->screens.find<frmPunteggi>();
        QVERIFY(punteggi && !R.enabled());
        w.advance(2.5);   // the announcement: the card comes over both
        QVERIFY(w.cartaMostrata());
        if (chiudeIlGiocatore)
            w.click(w.ctx->screens.find<frmMenuZolmer>()->cmdRitorna);
        else
            w.advance(5.0);
        QVERIFY(!w.cartaMostrata());
        QVERIFY(!R.enabled());
        w.click(punteggi->cmdRitorna);
        QVERIFY(R.enabled());
    }

    // The end of a sound while the wheel turns moves nothing; the next one
    // after it stops goes on.
    void theWheelHoldsTheSpeech()
    {
        DiscorsoWorld w;
        frmRuota& R = w.apri();
        w.run([&] { R.tmrTempo.setEnabled(true); });
        w.advance(1.5);
        QCOMPARE(R.discorso.varPosCoda, 1);
        w.run([&] {
            R.tmrTempo.setEnabled(false);
            R.discorso.mmcMusica_Done();
        });
        QCOMPARE(R.discorso.varPosCoda, 2);
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMusica").last(), QStringLiteral("valletta.wav"));
    }

    // The step button during the greeting silences the rest, and once a
    // challenge is under way the card is neither shown nor closed.
    void theStepButtonSilencesTheSpeech()
    {
        DiscorsoWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        w.passo();
        QVERIFY(w.prova());
        w.advance(20);
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMusica"), QStringList{"buongiorno.wav"});
        QVERIFY(!w.cartaMostrata());
        QVERIFY(R.discorso.varPosCoda >= 6);
    }

    // With spoken comments off there is no queue, and nothing is heard or shown.
    void silentWithSpokenCommentsOff()
    {
        DiscorsoWorld w;
        w.M().strParlato.clear();
        w.apri();
        w.advance(20);
        QCOMPARE(w.coda(), QStringList(15, QString()));
        QVERIFY(w.fakes.audio.played("frmRuota.mmcMusica").isEmpty());
        QVERIFY(!w.cartaMostrata());
    }
};

ZOLMERA_TEST_MAIN(TestDiscorso)
#include "tst_discorso.moc"

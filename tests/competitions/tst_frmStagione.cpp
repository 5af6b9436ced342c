// The season's screen: what its activation reads from the three files, the
// names "Gioca" accepts, the proclamation, the print, and the way out.
#include "competitions/frmStagione.h"
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFile>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

QByteArray nome11(const char* n) { return QByteArray(n).leftJustified(11, ' ', true); }

// A seat: its occupant, the matches of his run (all won, "C"), his winnings.
QByteArray seggio(const char* nome, qint16 partite, qint32 vincita)
{
    QByteArray esiti(30, 'n');
    for (int i = 0; i < partite && i < 30; ++i)
        esiti[i] = 'C';
    return slot(nome11(nome) + le16(partite) + esiti + le32(vincita));
}

QByteArray voce(const char* nome, qint16 gare, qint16 campione, qint16 super, qint32 vincita)
{
    return slot(nome11(nome) + doppio(toVbDate(QDate(2026, 11, 20))) + le16(gare) + le16(campione) + le16(super)
                + le32(vincita));
}

struct Voce {
    const char* nome;
    qint16 gare;
    qint32 vincita;
};

struct StagioneWorld : BoardWorld {
    StagioneWorld()
    {
        loop().setToday(QDate(2026, 12, 10));
        M().bytTipoGioco = 3;
        M().strFileStagione = path("saved1/Inverno.003");
        M().strFileClassifica = path("saved1/Inverno.d03");
        M().strFileMontepremi = path("saved1/Inverno.m03");
        M().strFilePunteggi = path("scores1/score003.dat");
        classifica({{"VERDI", 10, 5000}, {"NERI", 9, 4000}, {"season 2004", 0, 0}, {"season 2004", 0, 0}});
    }
    void montepremi(qint16 giocate, qint16 totale) { touch("saved1/Inverno.m03", slot(le16(giocate) + le16(totale) + le32(1000))); }
    void seggi(const QByteArray& s1, const QByteArray& s2) { touch("saved1/Inverno.003", s1 + s2); }
    void classifica(const QList<Voce>& righe)
    {
        QByteArray b;
        for (const Voce& v : righe)
            b += voce(v.nome, v.gare, qint16(v.gare / 2), qint16(v.gare / 3), v.vincita);
        touch("saved1/Inverno.d03", b);
    }
    frmStagione& apriStagione()
    {
        run([&] { ctx->rotte.mostra(Schermo::Stagione); });
        settle();
        return *ctx->screens.find<frmStagione>();
    }
    QByteArray file(const char* n) const
    {
        QFile f(path(QLatin1String(n)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }
    QString ultimoMessaggio() const { return fakes.messages.asked.isEmpty() ? QString() : fakes.messages.asked.last().prompt; }
};

}  // namespace

class TestStagione : public QObject {
    Q_OBJECT
private slots:
    // The activation fixes the next match: a stored occupant with his
    // winnings, locked, or a free box for a challenger with none.
    void theSeatsDecideTheNextMatch_data()
    {
        QTest::addColumn<QByteArray>("seggio1");
        QTest::addColumn<QByteArray>("seggio2");
        QTest::addColumn<QString>("scritto1");
        QTest::addColumn<QString>("scritto2");
        QTest::addColumn<QStringList>("teste");
        QTest::addColumn<QList<bool>>("liberi");
        QTest::addColumn<QStringList>("nomi");
        QTest::addColumn<QList<int>>("vincite");
        const QString sfidante = QStringLiteral("Nome Sfidante"), campione = QStringLiteral("Nome Campione");
        QTest::newRow("a new season: both names stored, no run yet")
            << seggio("ROSSI", 0, 0) << seggio("BIANCHI", 0, 0) << QString() << QString()
            << QStringList{sfidante, sfidante} << QList<bool>{false, false}
            << QStringList{QStringLiteral("ROSSI      "), QStringLiteral("BIANCHI    ")} << QList<int>{0, 0};
        QTest::newRow("a champion against a challenger typed in")
            << seggio("", 0, 0) << seggio("VERDI", 3, 12345) << QStringLiteral(" neri") << QString()
            << QStringList{sfidante, campione} << QList<bool>{true, false}
            << QStringList{QStringLiteral("NERI       "), QStringLiteral("VERDI      ")} << QList<int>{0, 12345};
        QTest::newRow("after a drawn match both keep their seats")
            << seggio("VERDI", 4, 900) << seggio("NERI", 1, 250) << QString() << QString()
            << QStringList{campione, campione} << QList<bool>{false, false}
            << QStringList{QStringLiteral("VERDI      "), QStringLiteral("NERI       ")} << QList<int>{900, 250};
    }
    void theSeatsDecideTheNextMatch()
    {
        QFETCH(QByteArray, seggio1);
        QFETCH(QByteArray, seggio2);
        QFETCH(QString, scritto1);
        QFETCH(QString, scritto2);
        QFETCH(QStringList, teste);
        QFETCH(QList<bool>, liberi);
        QFETCH(QStringList, nomi);
        QFETCH(QList<int>, vincite);
        StagioneWorld w;
        w.montepremi(0, 30);
        w.seggi(seggio1, seggio2);
        frmStagione& s = w.apriStagione();
        QCOMPARE(s.lblGiornata.caption(), QStringLiteral("Partita N° 1 / 30"));
        QCOMPARE(s.lblData.caption(), QStringLiteral("Oggi è giovedì 10 dicembre 2026"));
        QCOMPARE((QStringList{s.lblGiocatore1.caption(), s.lblGiocatore2.caption()}), teste);
        QCOMPARE((QList<bool>{s.txtGiocatore1.enabled(), s.txtGiocatore2.enabled()}), liberi);
        if (!scritto1.isEmpty())
            s.txtGiocatore1.setText(scritto1);
        if (!scritto2.isEmpty())
            s.txtGiocatore2.setText(scritto2);
        const QByteArray prima = w.file("saved1/Inverno.003");
        w.click(s.cmdGioca);
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QVERIFY(!s.visible());
        frmRuota* R = w.ctx->screens.find<frmRuota>();
        QVERIFY(R && R->visible());
        QCOMPARE((QStringList{w.M().strNomeConcorrente[1], w.M().strNomeConcorrente[2]}), nomi);
        QCOMPARE((QList<int>{w.M().lngVincita[1], w.M().lngVincita[2]}), vincite);
        QCOMPARE(w.M().intGiornata, qint16(1));
        QCOMPARE(w.M().strVoceConcorrente[1], w.path("sounds1/concorrente1.wav"));
        QCOMPARE(w.file("saved1/Inverno.003"), prima);
    }

    // The table's four rows as the ranking file holds them.
    void theTableShowsTheRanking()
    {
        StagioneWorld w;
        w.montepremi(3, 30);
        w.seggi(seggio("ROSSI", 0, 0), seggio("BIANCHI", 0, 0));
        w.classifica({{"VERDI", 10, 1234567}, {"NERI", 9, 0}, {"season 2004", 0, 0}});
        frmStagione& s = w.apriStagione();
        QCOMPARE(s.lblGiornata.caption(), QStringLiteral("Partita N° 4 / 30"));
        QCOMPARE(w.M().intGiornata, qint16(4));
        const QStringList atteso[] = {{"VERDI      ", "10", "5", "3", "€. 1.234.567"},
                                      {"NERI       ", "9", "4", "3", "€. 0"},
                                      {"season 2004", "0", "0", "0", "€. 0"},
                                      // Past the end of the file: zeros.
                                      {QString(11, QChar(0)), "0", "0", "0", "€. 0"}};
        for (int r = 0; r < 4; ++r)
            QCOMPARE((QStringList{s.lblNome[r].caption(), s.lblGare[r].caption(), s.lblCampione[r].caption(),
                                  s.lblSuper[r].caption(), s.lblVincita[r].caption()}),
                     atteso[r]);
    }

    // Blank and equal names: the message, no match, and the focus in a box
    // the player can type in.
    void wrongNamesStartNoMatch_data()
    {
        QTest::addColumn<QByteArray>("seggio1");
        QTest::addColumn<QByteArray>("seggio2");
        QTest::addColumn<QString>("scritto1");
        QTest::addColumn<QString>("scritto2");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("fuoco");
        const QString vuoti = QStringLiteral("Devi inserire i nomi dei giocatori!");
        const QString uguali = QStringLiteral("I nomi dei giocatori devono essere diversi!");
        QTest::newRow("both empty") << seggio("", 0, 0) << seggio("", 0, 0) << QString() << QString() << vuoti << 1;
        QTest::newRow("only blanks in the second") << seggio("", 0, 0) << seggio("", 0, 0) << QStringLiteral("Anna")
                                                   << QStringLiteral("   ") << vuoti << 1;
        QTest::newRow("champion first, challenger empty")
            << seggio("VERDI", 2, 0) << seggio("", 0, 0) << QString() << QString() << vuoti << 2;
        QTest::newRow("the challenger types the champion's name")
            << seggio("", 0, 0) << seggio("VERDI", 2, 0) << QStringLiteral("verdi ") << QString() << uguali << 1;
        QTest::newRow("two challengers with one name")
            << seggio("", 0, 0) << seggio("", 0, 0) << QStringLiteral("Anna") << QStringLiteral(" ANNA") << uguali << 2;
        QTest::newRow("a character the files cannot hold, pasted")
            << seggio("", 0, 0) << seggio("VERDI", 2, 0) << QStringLiteral("Łucja") << QString()
            << QStringLiteral("Il nome ŁUCJA contiene il carattere Ł, che il gioco non può salvare: cambialo!") << 1;
    }
    void wrongNamesStartNoMatch()
    {
        QFETCH(QByteArray, seggio1);
        QFETCH(QByteArray, seggio2);
        QFETCH(QString, scritto1);
        QFETCH(QString, scritto2);
        QFETCH(QString, messaggio);
        QFETCH(int, fuoco);
        StagioneWorld w;
        w.montepremi(5, 30);
        w.seggi(seggio1, seggio2);
        frmStagione& s = w.apriStagione();
        for (auto [box, testo] : {std::pair{&s.txtGiocatore1, scritto1}, std::pair{&s.txtGiocatore2, scritto2}})
            if (box->enabled())
                box->setText(testo);
        w.click(s.cmdGioca);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.ultimoMessaggio(), messaggio);
        QCOMPARE(w.fakes.messages.asked.last().title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(s.visible());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY((fuoco == 1 ? s.txtGiocatore1 : s.txtGiocatore2).widget()->hasFocus());
    }

    // A key the files cannot hold never reaches the box.
    void aTypedCharacterTheFilesCannotHoldIsRefused()
    {
        StagioneWorld w;
        w.montepremi(0, 30);
        w.seggi(seggio("", 0, 0), seggio("VERDI", 1, 0));
        frmStagione& s = w.apriStagione();
        w.keyClick(s, Qt::Key_A, QStringLiteral("a"));
        w.keyClick(s, Qt::Key_unknown, QStringLiteral("Ł"));
        w.keyClick(s, Qt::Key_B, QStringLiteral("b"));
        QCOMPARE(s.txtGiocatore1.text(), QStringLiteral("ab"));
    }

    // The last match can be played; once it is, the season only proclaims.
    void theLastMatchAndAfter_data()
    {
        QTest::addColumn<int>("giocate");
        QTest::addColumn<QString>("contatore");
        QTest::addColumn<bool>("finita");
        QTest::newRow("29 of 30 played") << 29 << QStringLiteral("Partita N° 30 / 30") << false;
        QTest::newRow("30 of 30 played") << 30 << QStringLiteral("Partita N° 30 / 30") << true;
        QTest::newRow("no jackpot record: a season of none") << -1 << QStringLiteral("Partita N° 0 / 0") << true;
    }
    void theLastMatchAndAfter()
    {
        QFETCH(int, giocate);
        QFETCH(QString, contatore);
        QFETCH(bool, finita);
        StagioneWorld w;
        if (giocate >= 0)
            w.montepremi(qint16(giocate), 30);
        w.seggi(seggio(finita ? "" : "VERDI", 0, 0), seggio(finita ? "" : "NERI", 0, 0));
        frmStagione& s = w.apriStagione();
        QCOMPARE(s.lblGiornata.caption(), contatore);
        // Held seats before the last match, an ended season after it.
        QVERIFY(!s.txtGiocatore1.enabled() && !s.txtGiocatore2.enabled());
        for (int volta = 0; volta < (finita ? 2 : 1); ++volta)
            w.click(s.cmdGioca);
        if (finita) {
            QCOMPARE(w.fakes.messages.asked.size(), 2);
            QCOMPARE(w.fakes.messages.asked.last().title, QStringLiteral("PROCLAMAZIONE VINCITORE"));
            QVERIFY(s.visible());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
        } else {
            QVERIFY(w.ctx->screens.find<frmRuota>());
        }
    }

    // Matches first, then winnings, row 1 against rows 2, 3 and 4 in turn.
    void theProclamation_data()
    {
        QTest::addColumn<QList<int>>("gare");
        QTest::addColumn<QList<int>>("vincite");
        QTest::addColumn<QStringList>("nomi");
        QTest::addColumn<QString>("testo");
        QTest::newRow("10 matches beat 9") << QList<int>{10, 9, 0, 0} << QList<int>{100, 900, 0, 0}
                                          << QStringList{"VERDI", "NERI", "season 2004", "season 2004"}
                                          << QStringLiteral("Il vincitore è VERDI      ");
        QTest::newRow("more winnings but fewer matches: level")
            << QList<int>{9, 12, 0, 0} << QList<int>{5000, 3000, 0, 0}
            << QStringList{"BIANCHI", "ROSSI", "season 2004", "season 2004"}
            << QStringLiteral("BIANCHI     e ROSSI       sono campioni pari merito");
        QTest::newRow("level with row 3 on both")
            << QList<int>{7, 7, 7, 1} << QList<int>{700, 700, 700, 0} << QStringList{"A", "B", "C", "D"}
            << QStringLiteral("A          , B           e C           sono campioni pari merito");
        QTest::newRow("a new season's four placeholders")
            << QList<int>{0, 0, 0, 0} << QList<int>{0, 0, 0, 0}
            << QStringList{"season 2004", "season 2004", "season 2004", "season 2004"}
            << QStringLiteral("season 2004, season 2004, season 2004 e season 2004 sono campioni pari merito");
    }
    void theProclamation()
    {
        QFETCH(QList<int>, gare);
        QFETCH(QList<int>, vincite);
        QFETCH(QStringList, nomi);
        QFETCH(QString, testo);
        StagioneWorld w;
        w.montepremi(30, 30);
        w.seggi(seggio("", 0, 0), seggio("", 0, 0));
        QList<Voce> righe;
        QList<QByteArray> nomiLatin;
        for (const QString& n : nomi)
            nomiLatin << n.toLatin1();
        for (int r = 0; r < 4; ++r)
            righe << Voce{nomiLatin[r].constData(), qint16(gare[r]), vincite[r]};
        w.classifica(righe);
        const QByteArray prima = w.file("saved1/Inverno.d03");
        frmStagione& s = w.apriStagione();
        w.click(s.cmdGioca);
        QCOMPARE(w.ultimoMessaggio(), testo);
        QCOMPARE(w.fakes.messages.asked.last().flags, mb::OKOnly | mb::Information);
        QCOMPARE(w.file("saved1/Inverno.d03"), prima);
        QVERIFY(w.fakes.audio.played().isEmpty());
    }

    // The print reads the ranking file, at 18 points in equal-width characters.
    void thePrint()
    {
        StagioneWorld w;
        w.montepremi(2, 30);
        w.seggi(seggio("", 0, 0), seggio("", 0, 0));
        w.classifica({{"VERDI", 10, 1234}, {"NERI", 9, 0}, {"season 2004", 0, 0}, {"season 2004", 0, 0}});
        frmStagione& s = w.apriStagione();
        w.click(s.cmdStampa);
        QCOMPARE(w.fakes.printer.documents.size(), 1);
        const FakePrinter::Document& d = w.fakes.printer.documents.first();
        QVERIFY(d.ended);
        QStringList righe;
        for (const FakePrinter::Line& l : d.lines) {
            QCOMPARE(l.size, 18.0);
            QVERIFY(l.fixedPitch);
            righe << l.text;
        }
        const QString data = QStringLiteral("20/11/2026");
        QCOMPARE(righe, (QStringList{QStringLiteral("STAGIONE: ") + w.M().strFileStagione, "Classifica",
                                     "N. Nome        Data        G  C  S  Vincita",
                                     "01 VERDI       " + data + " 10 05 03 €. 1.234,00",
                                     "02 NERI        " + data + " 09 04 03 €. 0,00",
                                     "03 season 2004 " + data + " 00 00 00 €. 0,00",
                                     "04 season 2004 " + data + " 00 00 00 €. 0,00"}));
        // The empty lines take their room: one before the title, two after
        // it, one after "Classifica" and one after the heading.
        const int h = d.lines[0].y;
        QVERIFY(h > 0);
        QCOMPARE((QList<int>{d.lines[1].y, d.lines[2].y, d.lines[3].y, d.lines[4].y}), (QList<int>{4 * h, 6 * h, 8 * h, 9 * h}));
    }

    // No keeps everything; Yes forgets the season and goes back to the start.
    void leavingTheSeason_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("dalMenu");
        QTest::newRow("Esci, No") << int(mb::No) << true;
        QTest::newRow("Esci, Yes") << int(mb::Yes) << true;
        QTest::newRow("close box, Yes") << int(mb::Yes) << false;
    }
    void leavingTheSeason()
    {
        QFETCH(int, risposta);
        QFETCH(bool, dalMenu);
        StagioneWorld w;
        w.montepremi(2, 30);
        w.seggi(seggio("ROSSI", 0, 0), seggio("BIANCHI", 0, 0));
        frmStagione& s = w.apriStagione();
        w.fakes.messages.setNextAnswer(risposta);
        if (dalMenu)
            w.run([&] { s.Esci.click(); });
        else
            w.run([&] { s.window()->close(); });
        w.settle();
        QCOMPARE(w.ultimoMessaggio(), QStringLiteral("Vuoi veramente uscire dalla stagione %1?").arg(w.path("saved1/Inverno.003")));
        QCOMPARE(w.fakes.messages.asked.last().flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);
        const bool esce = risposta == mb::Yes;
        QCOMPARE(w.ctx->screens.find<frmStagione>() == nullptr, esce);
        QCOMPARE(w.M().strFileStagione.isEmpty(), esce);
        QCOMPARE(w.M().strFileClassifica.isEmpty(), esce);
        QCOMPARE(w.M().strFileMontepremi.isEmpty(), esce);
        QCOMPARE(w.M().strFilePunteggi.isEmpty(), esce);
        frmMenu* menu = w.ctx->screens.find<frmMenu>();
        QCOMPARE(menu && menu->visible(), esce);
    }

    // A season file without both seats sets up no match and writes nothing.
    void aSeasonFileWithoutBothSeatsStartsNoMatch_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("manca");
        QTest::newRow("one seat") << seggio("VERDI", 2, 500) << false;
        QTest::newRow("a seat and a half") << seggio("VERDI", 2, 500) + QByteArray(40, 'x') << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("missing") << QByteArray() << true;
    }
    void aSeasonFileWithoutBothSeatsStartsNoMatch()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, manca);
        StagioneWorld w;
        w.montepremi(2, 30);
        if (!manca)
            w.touch("saved1/Inverno.003", contenuto);
        frmStagione& s = w.apriStagione();
        s.txtGiocatore1.setText(QStringLiteral("Anna"));
        s.txtGiocatore2.setText(QStringLiteral("Bruno"));
        w.click(s.cmdGioca);
        QCOMPARE(w.ultimoMessaggio(),
                 QStringLiteral("Il file %1 non contiene i due posti della stagione: la partita non può cominciare.")
                     .arg(w.M().strFileStagione));
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QCOMPARE(w.file("saved1/Inverno.003"), manca ? QByteArray("missing") : contenuto);
    }

    // F1 and "Guida" open the season's own page.
    void helpOpensTheSeasonsPage()
    {
        StagioneWorld w;
        w.montepremi(0, 30);
        w.seggi(seggio("", 0, 0), seggio("", 0, 0));
        frmStagione& s = w.apriStagione();
        w.keyClick(s, Qt::Key_F1);
        w.run([&] { s.Guida.click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{41, 41}));
    }
};

ZOLMERA_TEST_MAIN(TestStagione)
#include "tst_frmStagione.moc"

// The new-game screen: names, game types, the competition's files and the
// routes out of it.
#include "competitions/frmNuovo.h"
#include "records/archivi.h"
#include "records/voci.h"
#include "platform/filefaults.h"
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
QByteArray leggi(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct NuovoWorld : BoardWorld {
    NuovoWorld()
    {
        loop().setToday(QDate(2026, 12, 10));
        touch("scores1/mtpremi.dat", recordMontepremi(7, 0, 1500));
    }
    // As a player gets there: the start screen, then "Nuova partita".
    frmNuovo& apri()
    {
        frmMenu* menu = nullptr;
        run([&] {
            menu = &ctx->screens.get<frmMenu>();
            menu->show();
        });
        click(menu->cmdGioca);
        return *nuovo();
    }
    frmNuovo* nuovo() { return ctx->screens.find<frmNuovo>(); }
    void nomi(frmNuovo& n, const QStringList& nomi)
    {
        TextBox* caselle[] = {&n.txtGiocatore1, &n.txtGiocatore2, &n.txtGiocatore3, &n.txtGiocatore4};
        for (int i = 0; i < nomi.size(); ++i)
            caselle[i]->setText(nomi[i]);
    }
    QStringList salvati() const { return QDir(path("saved1")).entryList(QDir::Files); }
};
}  // namespace

class TestNuovo : public QObject {
    Q_OBJECT
private slots:
    void wrongNamesAreRefusedAndNothingIsWritten_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("nomi");
        QTest::addColumn<QString>("messaggio");
        const QString diversi = QStringLiteral("I nomi dei giocatori devono essere diversi!");
        const QString tutti = QStringLiteral("Devi inserire tutti i nomi dei giocatori!");
        QTest::newRow("blanks and case") << 0 << QStringList{" rossi ", "Rossi"} << diversi;
        QTest::newRow("an empty name") << 0 << QStringList{"", "BIANCHI"} << tutti;
        QTest::newRow("tournament A B A C") << 1 << QStringList{"A", "B", "A", "C"} << diversi;
        QTest::newRow("tournament with a blank box") << 1 << QStringList{"A", "B", "   ", "C"} << tutti;
        QTest::newRow("season") << 2 << QStringList{"anna", "ANNA"} << diversi;
        QTest::newRow("cut at eleven") << 0 << QStringList{"Mariagrazia1", "MARIAGRAZIA2"} << diversi;
        // Pasted whole, past the check as typed: named on Ok.
        const QString lucja = QStringLiteral("Il nome ŁUCJA contiene il carattere Ł, che il gioco non può salvare: cambialo!");
        QTest::newRow("unstorable, single match") << 0 << QStringList{"Bruno", "Łucja"} << lucja;
        QTest::newRow("unstorable, season") << 2 << QStringList{"Łucja", "Bruno"} << lucja;
        QTest::newRow("unstorable, third of a tournament") << 1 << QStringList{"Anna", "Bruno", "Łucja", "Dario"} << lucja;
        // In memory they differ; on disk both would be "?UCJA".
        QTest::newRow("two names one on disk") << 0 << QStringList{"Łucja", "Ńucja"} << lucja;
        QTest::newRow("a blank name before an unstorable one") << 0 << QStringList{"Łucja", ""} << tutti;
    }
    void wrongNamesAreRefusedAndNothingIsWritten()
    {
        QFETCH(int, tipo);
        QFETCH(QStringList, nomi);
        QFETCH(QString, messaggio);
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[tipo]);
        w.nomi(n, nomi);
        TextBox* caselle[] = {&n.txtGiocatore1, &n.txtGiocatore2, &n.txtGiocatore3, &n.txtGiocatore4};
        for (int i = 0; i < nomi.size(); ++i)
            if (nomi[i].size() <= 11)
                QCOMPARE(caselle[i]->text(), nomi[i]);   // the player sees what he put in
        w.click(n.cmdCrea);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, messaggio);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly | mb::Exclamation);
        QVERIFY(w.fakes.fileDialogs.asked.isEmpty());
        QVERIFY(w.salvati().isEmpty());
        QVERIFY(n.visible());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QCOMPARE(n.window()->focusWidget(), n.txtGiocatore1.widget());
    }

    void aSingleMatchFromTheStartScreen()
    {
        NuovoWorld w;
        w.touch("sounds1/BRUNO NERI.wav", "RIFF");
        frmMenu* menu = nullptr;
        w.run([&] {
            menu = &w.ctx->screens.get<frmMenu>();
            menu->show();
        });
        w.click(menu->cmdGioca);
        QVERIFY(!menu->visible());
        frmNuovo* n = w.nuovo();
        QVERIFY(n && n->visible());
        QCOMPARE(n->lblData.caption(), QStringLiteral("Oggi è giovedì 10 dicembre 2026"));
        w.nomi(*n, {"Anna", "bruno neri"});
        w.click(n->cmdCrea);

        QVERIFY(!w.ctx->screens.find<frmNuovo>());
        frmRuota* R = w.ctx->screens.find<frmRuota>();
        QVERIFY(R && R->visible());
        QCOMPARE(int(w.M().bytTipoGioco), 1);
        QCOMPARE(w.M().strNomeConcorrente[1].str(), QStringLiteral("ANNA       "));
        QCOMPARE(R->lblConc2.caption(), QStringLiteral("BRUNO NERI "));
        QCOMPARE(w.M().lngMontepremi, 1500);
        QCOMPARE(w.M().strFileMontepremi, w.path("scores1/mtpremi.dat"));
        QCOMPARE(w.M().strFilePunteggi, w.path("scores1/score001.dat"));
        QCOMPARE(w.M().strVoceConcorrente[1], w.path("sounds1/concorrente1.wav"));
        QCOMPARE(w.M().strVoceConcorrente[2], w.path("sounds1/BRUNO NERI.wav"));
        QVERIFY(w.salvati().isEmpty());
        QVERIFY(!menu->visible());
    }

    void aNewSeasonWritesItsFilesByteForByte()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[2]);
        w.nomi(n, {"Anna", "Bruno"});
        n.cboSPartite.setListIndex(6);   // "300 (10 mesi)"
        w.fakes.fileDialogs.setNextFileName(w.path("saved1/Estate.003"));
        w.click(n.cmdCrea);

        const FileDialogRequest& r = w.fakes.fileDialogs.asked.value(0).request;
        QVERIFY(w.fakes.fileDialogs.asked.value(0).save);
        QCOMPARE(r.title, QStringLiteral("Nuova stagione"));
        QCOMPARE(r.initialDir, w.path("saved1") + "/");
        QCOMPARE(r.filter, QStringLiteral("File di stagione (*.003)|*.003"));
        QCOMPARE(r.flags, 0x2);

        const QByteArray vuoto30 = QByteArray(30, 'n');
        QCOMPARE(leggi(w.path("saved1/Estate.003")),
                 slot("ANNA       " + le16(0) + vuoto30 + le32(0)) + slot("BRUNO      " + le16(0) + vuoto30 + le32(0)));
        QByteArray ranking;
        for (int i = 0; i < 6; ++i) {
            ranking += slot("season 2004" + doppio(38078.0) + QByteArray(10, '\0'));
        }
        QCOMPARE(leggi(w.path("saved1/Estate.d03")), ranking);
        QCOMPARE(leggi(w.path("saved1/Estate.m03")), slot(le16(0) + le16(300) + le32(1000)));
        QCOMPARE(w.salvati().size(), 3);

        QCOMPARE(int(w.M().bytTipoGioco), 3);
        QCOMPARE(w.M().strFileStagione, w.path("saved1/Estate.003"));
        QCOMPARE(w.M().strFileClassifica, w.path("saved1/Estate.d03"));
        QCOMPARE(w.M().strFileMontepremi, w.path("saved1/Estate.m03"));
        QCOMPARE(w.M().strFilePunteggi, w.path("scores1/score003.dat"));
        QCOMPARE(w.M().strVoceConcorrente[2], w.path("sounds1/concorrente2.wav"));
        QVERIFY(!w.ctx->screens.find<frmNuovo>());
    }

    void aNewTournamentWritesItsFilesByteForByte()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[1]);
        w.nomi(n, {"uno", "due", "tre", "quattro"});
        w.fakes.fileDialogs.setNextFileName(w.path("saved1/Coppa.002"));
        w.click(n.cmdCrea);
        QCOMPARE(w.fakes.fileDialogs.asked.value(0).request.title, QStringLiteral("Nuovo campionato"));

        QByteArray giocatori;
        for (const char* nome : {"UNO        ", "DUE        ", "TRE        ", "QUATTRO    "})
            giocatori += slot(QByteArray(nome) + le16(0) + "nnnnnn" + le32(0));
        QCOMPARE(leggi(w.path("saved1/Coppa.002")), giocatori);
        const char* P[] = {"", "UNO        ", "DUE        ", "TRE        ", "QUATTRO    "};
        const int incontri[6][4] = {{3, 1, 4, 2}, {1, 4, 2, 3}, {4, 3, 2, 1}, {1, 3, 2, 4}, {4, 1, 3, 2}, {3, 4, 1, 2}};
        QByteArray giornate;
        for (const auto& g : incontri)
            giornate += slot(QByteArray(P[g[0]]) + P[g[1]] + "da disputare     " + P[g[2]] + P[g[3]] + "da disputare     ");
        QCOMPARE(leggi(w.path("saved1/Coppa.d02")), giornate);
        QCOMPARE(leggi(w.path("saved1/Coppa.m02")), slot(le16(0) + le16(12) + le32(1000)));
        QCOMPARE(int(w.M().bytTipoGioco), 2);
        QCOMPARE(w.M().strFileGiornate, w.path("saved1/Coppa.d02"));
        QCOMPARE(w.M().strFilePunteggi, w.path("scores1/score002.dat"));
        // The tournament leaves the shared names and voices to its own screen.
        QVERIFY(w.M().strVoceConcorrente[1].isEmpty());
    }

    void aNameTypedWithoutItsExtensionGetsIt()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[2]);
        w.nomi(n, {"Anna", "Bruno"});
        w.fakes.fileDialogs.setNextFileName(w.path("saved1/Inverno"));
        w.click(n.cmdCrea);
        QCOMPARE(w.fakes.fileDialogs.asked.value(0).request.defaultSuffix, QStringLiteral("003"));
        QCOMPARE(w.salvati(), (QStringList{"Inverno.003", "Inverno.d03", "Inverno.m03"}));
        QCOMPARE(w.M().strFileClassifica, w.path("saved1/Inverno.d03"));
    }

    void aCancelledDialogChangesNothing()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[1]);
        w.nomi(n, {"A", "B", "C", "D"});
        w.fakes.fileDialogs.setNextCancel();
        w.click(n.cmdCrea);
        QVERIFY(n.visible());
        QCOMPARE(n.txtGiocatore4.text(), QStringLiteral("D"));
        QVERIFY(w.salvati().isEmpty());
        QVERIFY(w.M().strFileCampionato.isEmpty());
    }

    void aCreationThatFailsLeavesNoHalfMadeCompetition_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<int>("passo");          // the step refused...
        QTest::addColumn<QString>("rifiutato");  // ...for this file; none when empty
        QTest::addColumn<bool>("precedente");    // a competition of that name was there
        QTest::addColumn<QString>("nominato");   // the file the message names
        const int apertura = int(FileStep::Open), scrittura = int(FileStep::Write), rinomina = int(FileStep::Rename);
        QTest::newRow("no such folder") << "saved1/manca/Estate.003" << 0 << "" << false << "manca/Estate.003";
        QTest::newRow("opening the season file") << "saved1/Estate.003" << apertura << "saved1/Estate.003" << false
                                                 << "Estate.003";
        QTest::newRow("writing the ranking") << "saved1/Estate.003" << scrittura << "saved1/Estate.d03" << false
                                             << "Estate.d03";
        QTest::newRow("writing the jackpot over an old one")
            << "saved1/Estate.003" << scrittura << "saved1/Estate.m03" << true << "Estate.m03";
        QTest::newRow("moving the ranking into place, after the season file")
            << "saved1/Estate.003" << rinomina << "saved1/Estate.d03" << false << "Estate.d03";
        QTest::newRow("putting the old jackpot aside, after two files are in place")
            << "saved1/Estate.003" << rinomina << "saved1/Estate.m03.vecchio" << true << "Estate.m03";
        QTest::newRow("moving the new jackpot over the old one")
            << "saved1/Estate.003" << rinomina << "saved1/Estate.m03" << true << "Estate.m03";
    }
    void aCreationThatFailsLeavesNoHalfMadeCompetition()
    {
        QFETCH(QString, scelto);
        QFETCH(int, passo);
        QFETCH(QString, rifiutato);
        QFETCH(bool, precedente);
        QFETCH(QString, nominato);
        NuovoWorld w;
        if (!rifiutato.isEmpty())
            w.fakes.fileFaults.refuseNext(FileStep(passo), w.path(rifiutato), QStringLiteral("disco pieno"));
        if (precedente) {
            w.touch("saved1/Estate.003", "vecchia stagione");
            w.touch("saved1/Estate.m03", "vecchio montepremi");
        }
        const QStringList prima = w.salvati();
        frmNuovo& n = w.apri();
        w.click(n.optTipo[2]);
        w.nomi(n, {"Anna", "Bruno"});
        w.fakes.fileDialogs.setNextFileName(w.path(scelto));
        w.click(n.cmdCrea);
        QCOMPARE(w.fakes.fileFaults.refused.size(), rifiutato.isEmpty() ? 0 : 1);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly | mb::Exclamation);
        QVERIFY2(w.fakes.messages.asked[0].prompt.contains(nominato), qPrintable(w.fakes.messages.asked[0].prompt));
        QCOMPARE(w.salvati(), prima);
        if (precedente) {
            QCOMPARE(leggi(w.path("saved1/Estate.003")), QByteArray("vecchia stagione"));
            QCOMPARE(leggi(w.path("saved1/Estate.m03")), QByteArray("vecchio montepremi"));
        }
        QVERIFY(!QFileInfo::exists(w.path("saved1/manca")));
        QVERIFY(w.M().strFileStagione.isEmpty());
        QVERIFY(n.visible());

        // Nothing was left in the way: the same creation goes through at once.
        w.fakes.fileDialogs.setNextFileName(w.path(scelto));
        w.click(n.cmdCrea);
        if (rifiutato.isEmpty()) {
            QVERIFY(n.visible());
            return;
        }
        QCOMPARE(w.salvati(), (QStringList{"Estate.003", "Estate.d03", "Estate.m03"}));
        QCOMPARE(leggi(w.path("saved1/Estate.m03")), slot(le16(0) + le16(30) + le32(1000)));
        QCOMPARE(w.M().strFileStagione, w.path("saved1/Estate.003"));
    }

    // The files hold one byte of Windows-1252 a character: "€" is one of them
    // (0x80), "Ł" is not and would come back as "?".
    void aKeyTheFilesCannotHoldIsRefusedAsTyped_data()
    {
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("Ł") << QStringLiteral("Ł") << false;
        QTest::newRow("€") << QStringLiteral("€") << true;
        QTest::newRow("é") << QStringLiteral("é") << true;
        QTest::newRow("beyond the basic plane") << QStringLiteral("\U0001F600") << false;
    }
    void aKeyTheFilesCannotHoldIsRefusedAsTyped()
    {
        QFETCH(QString, tasto);
        QFETCH(bool, accettato);
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.run([&] { n.txtGiocatore2.setFocus(); });
        w.keyClick(n, Qt::Key_A, "A");
        w.keyClick(n, Qt::Key_unknown, tasto);
        w.keyClick(n, Qt::Key_C, "C");
        QCOMPARE(n.txtGiocatore2.text(), "A" + (accettato ? tasto : QString()) + "C");
        // In the middle of a name, the caret stays where the key was pressed.
        w.run([&] { n.txtGiocatore2.setSelStart(1); });
        w.keyClick(n, Qt::Key_unknown, tasto);
        w.keyClick(n, Qt::Key_B, "B");
        QCOMPARE(n.txtGiocatore2.text(), accettato ? "A" + tasto + "B" + tasto + "C" : QStringLiteral("ABC"));
        QVERIFY(w.fakes.messages.asked.isEmpty());
    }


    void theEuroSignIsKeptAndComesBackFromTheFiles()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        w.click(n.optTipo[2]);
        w.nomi(n, {"Anna"});
        w.run([&] { n.txtGiocatore2.setFocus(); });
        for (const QString& tasto : {QStringLiteral("€"), QStringLiteral("u"), QStringLiteral("r"), QStringLiteral("o")})
            w.keyClick(n, Qt::Key_unknown, tasto);
        w.fakes.fileDialogs.setNextFileName(w.path("saved1/Euro.003"));
        w.click(n.cmdCrea);
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QCOMPARE(w.M().strNomeConcorrente[2].str(), QStringLiteral("€URO       "));
        QCOMPARE(leggi(w.path("saved1/Euro.003")).mid(kRecordSlot, 11), QByteArray("\x80URO       "));
        const auto seggio = RecPostazioneStagione::decodifica(RecordFile(w.path("saved1/Euro.003")).readSlot(2));
        QCOMPARE(seggio.Nome.str(), w.M().strNomeConcorrente[2].str());
    }

    void choosingATypeShowsItsBoxesAndEmptiesThem_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("etichetta4");
        QTest::addColumn<QList<bool>>("visibili");   // lbl3, lbl4, txt3, txt4, cbo, data
        QTest::newRow("single") << 0 << "Nome Giocatore 4" << QList<bool>{false, false, false, false, false, true};
        QTest::newRow("tournament") << 1 << "Nome Giocatore 4" << QList<bool>{true, true, true, true, false, false};
        QTest::newRow("season") << 2 << "Numero partite" << QList<bool>{false, true, false, false, true, false};
    }
    void choosingATypeShowsItsBoxesAndEmptiesThem()
    {
        QFETCH(int, tipo);
        QFETCH(QString, etichetta4);
        QFETCH(QList<bool>, visibili);
        NuovoWorld w;
        frmNuovo& n = w.apri();
        QVERIFY(n.optTipo[0].value());
        QCOMPARE(n.cboSPartite.listIndex(), 0);
        n.cboSPartite.setListIndex(3);
        w.nomi(n, {"Anna", "Bruno"});
        w.click(n.optTipo[tipo]);
        QVERIFY(n.txtGiocatore1.text().isEmpty() && n.txtGiocatore2.text().isEmpty());
        QCOMPARE(n.lblGiocatore4.caption(), etichetta4);
        QCOMPARE((QList<bool>{n.lblGiocatore3.visible(), n.lblGiocatore4.visible(), n.txtGiocatore3.visible(),
                              n.txtGiocatore4.visible(), n.cboSPartite.visible(), n.lblData.visible()}),
                 visibili);
        QCOMPARE(n.cboSPartite.listIndex(), 3);   // the length last chosen stays
        QCOMPARE(n.txtGiocatore1.maxLength(), 11);
    }

    void helpByGameTypeAndF1()
    {
        NuovoWorld w;
        frmNuovo& n = w.apri();
        for (int t = 0; t < 3; ++t) {
            w.click(n.optTipo[t]);
            n.Guida.click();
        }
        w.keyClick(n, Qt::Key_F1);
        QCOMPARE(w.fakes.help.topics, (QList<int>{12, 13, 40, 13}));
    }

    void abandoningAsksAndEmptiesThePaths()
    {
        NuovoWorld w;
        w.M().strFileStagione = "vecchia.003";
        w.M().strFilePunteggi = "score001.dat";
        frmNuovo& n = w.apri();
        w.nomi(n, {"Anna"});
        w.fakes.messages.setNextAnswer(mb::No);
        n.window()->close();
        w.settle();
        QVERIFY(n.visible());
        QCOMPARE(n.txtGiocatore1.text(), QStringLiteral("Anna"));
        QCOMPARE(w.fakes.messages.asked[0].prompt, QStringLiteral("Vuoi abbandonare la creazione partita?"));
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);

        w.fakes.messages.setNextAnswer(mb::Yes);
        n.Esci.click();
        w.settle();
        QVERIFY(!w.ctx->screens.find<frmNuovo>());
        QVERIFY(w.M().strFileStagione.isEmpty() && w.M().strFilePunteggi.isEmpty());
        QVERIFY(!w.M().intEsci);
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
    }

    void voicesFallBackToTheSeatsGenericVoice_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("file");    // created in the sound folder when not empty
        QTest::addColumn<QString>("voce");    // relative to the program's folder
        QTest::newRow("own voice") << "GIULIA" << "sounds1/GIULIA.wav" << "sounds1/GIULIA.wav";
        QTest::newRow("two words") << "ANNA MARIA" << "sounds1/ANNA MARIA.wav" << "sounds1/ANNA MARIA.wav";
        QTest::newRow("missing") << "OTTAVIO" << "" << "sounds1/concorrente1.wav";
        QTest::newRow("a path out of the folder") << "../PIPPO" << "PIPPO.wav" << "sounds1/concorrente1.wav";
        QTest::newRow("a wildcard") << "GIU*" << "sounds1/GIU*.wav" << "sounds1/concorrente1.wav";
        QTest::newRow("a drive letter") << "C:PIPPO" << "sounds1/C:PIPPO.wav" << "sounds1/concorrente1.wav";
    }
    void voicesFallBackToTheSeatsGenericVoice()
    {
        QFETCH(QString, nome);
        QFETCH(QString, file);
        QFETCH(QString, voce);
        TestWorld w;
        w.makeEditionFolders();
        w.M().strNumModGioco = QStringLiteral("1");
        if (!file.isEmpty())
            w.touch(file, "RIFF");
        w.M().strNomeConcorrente[1] = nome;
        w.M().strNomeConcorrente[2] = QStringLiteral("NESSUNO");
        ImpostaVociConcorrenti(*w.ctx);
        QCOMPARE(w.M().strVoceConcorrente[1], w.path(voce));
        QCOMPARE(w.M().strVoceConcorrente[2], w.path("sounds1/concorrente2.wav"));
    }
};

ZOLMERA_TEST_MAIN(TestNuovo)
#include "tst_frmNuovo.moc"

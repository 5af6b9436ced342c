// The start screen: its loading steps, Christmas mode, the resume dialogs and
// its buttons.
#include "competitions/frmStagione.h"
#include "competitions/frmVisualizza.h"
#include "shell/frmMenu.h"
#include "state/settings.h"
#include "testkit/board.h"

#include <QFileInfo>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
frmMenu& start(TestWorld& w)
{
    frmMenu* screen = nullptr;
    w.run([&] {
        screen = &w.ctx->screens.get<frmMenu>();
        if (!w.fakes.program.ended())
            screen->show();
    });
    return *screen;
}

void writeSettings(TestWorld& w, const RecImpostazioni& rec) { w.touch("zolmer.dat", codificaImpostazioni(rec)); }
}  // namespace

class TestStartScreen : public QObject {
    Q_OBJECT
private slots:
    void loadsTheStoredSettingsAndTheEditionPicture()
    {
        TestWorld w;
        w.makeEditionFolders();
        w.touch("images2/startmenu.jpg", "x");
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Prenota[1] = QStringLiteral("Q");
        rec.Gira[2] = QStringLiteral("Mouse");
        rec.Prenota[2] = QStringLiteral("Mouse");
        rec.Effetti = QStringLiteral("No");
        rec.ModGioco = QStringLiteral("SERO92");
        rec.Sigla = QStringLiteral("No");
        rec.Conduce = QStringLiteral("No");
        writeSettings(w, rec);
        w.M().strFileStagione = "vecchia.003";
        w.M().strFilePunteggi = "score003.dat";

        frmMenu& menu = start(w);
        QVERIFY(menu.visible());
        QCOMPARE(menu.caption(), QStringLiteral("Zolmera"));
        QCOMPARE(w.M().strPrenota1, QStringLiteral("Q"));
        QCOMPARE(w.M().strGira1, QStringLiteral("X"));
        QCOMPARE(w.M().strPrenota2, QStringLiteral("Mouse"));
        QCOMPARE(w.M().strDx2, QStringLiteral("L"));
        QCOMPARE(w.M().strMusica, QStringLiteral("Play"));
        QCOMPARE(w.M().strEffetti, QString());
        QCOMPARE(w.M().strModGioco, QStringLiteral("SERO92"));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("2"));
        QCOMPARE(w.M().strSigla, QStringLiteral("No"));
        QCOMPARE(w.M().strConduce, QStringLiteral("No"));
        QVERIFY(w.M().strFileStagione.isEmpty());
        QVERIFY(w.M().strFilePunteggi.isEmpty());
        QCOMPARE(w.fakes.pictures.requested.first(), w.path("images2/startmenu.jpg"));
        QVERIFY(!menu.Image1.picture().isNull());
    }

    void withoutSettingsItStartsOnTheDefaultsAndWritesNothing()
    {
        TestWorld w;
        start(w);
        QCOMPARE(w.M().strPrenota1, QStringLiteral("Z"));
        QCOMPARE(w.M().strGira2, QStringLiteral("M"));
        QCOMPARE(w.M().strSu2, QStringLiteral("I"));
        QCOMPARE(w.M().strModGioco, QStringLiteral("ZOLMER90"));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("1"));
        QCOMPARE(w.M().strParlato, QStringLiteral("Play"));
        QCOMPARE(w.M().strConduce, QStringLiteral("Si"));
        QVERIFY(!QFileInfo::exists(w.path("zolmer.dat")));
    }

    void aSecondCopyEndsBeforeAnythingIsShownOrWritten()
    {
        TestWorld w;
        w.fakes.instance.otherCopy = true;
        w.M().strFileStagione = "in corso.003";
        frmMenu& menu = start(w);
        QVERIFY(w.fakes.program.ended());
        QVERIFY(!menu.visible());
        QCOMPARE(w.M().strFileStagione, QStringLiteral("in corso.003"));
        QVERIFY(w.M().strPrenota1.isEmpty());
        QVERIFY(w.fakes.pictures.requested.isEmpty());
        QVERIFY(!QFileInfo::exists(w.path("zolmer.dat")));
    }

    void christmasMode_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("natale");
        QTest::newRow("19 December") << QDate(2026, 12, 19) << true << false;
        QTest::newRow("20 December") << QDate(2026, 12, 20) << true << true;
        QTest::newRow("31 December") << QDate(2026, 12, 31) << true << true;
        QTest::newRow("6 January") << QDate(2027, 1, 6) << true << true;
        QTest::newRow("7 January") << QDate(2027, 1, 7) << true << false;
        QTest::newRow("25 December without the picture") << QDate(2026, 12, 25) << false << false;
        QTest::newRow("July") << QDate(2026, 7, 25) << true << false;
    }
    void christmasMode()
    {
        QFETCH(QDate, today);
        QFETCH(bool, picture);
        QFETCH(bool, natale);
        TestWorld w;
        w.makeEditionFolders();
        if (picture)
            w.touch("images1/Nschermata1.bmp", "BM");
        w.loop().setToday(today);
        w.M().intNatale = !natale;
        start(w);
        QCOMPARE(w.M().intNatale, natale);
    }

    void activationReloadsThePictureOfTheCurrentEdition()
    {
        TestWorld w;
        w.makeEditionFolders();
        frmMenu& menu = start(w);
        w.fakes.pictures.requested.clear();
        w.run([&] {
            menu.hide();
            w.M().strModGioco = QStringLiteral("ZOLMER93");
            w.M().strNumModGioco = QStringLiteral("4");
        });
        w.run([&] { menu.show(); });
        QCOMPARE(w.fakes.pictures.requested, QStringList{w.path("images4/startmenu.jpg")});
    }

    void resumeDialogsSetTheCompanionFiles_data()
    {
        QTest::addColumn<bool>("season");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("season") << true << "/home/anna/Estate.003";
        QTest::newRow("tournament") << false << "/media/chiavetta/Coppa Italia.002";
    }
    void resumeDialogsSetTheCompanionFiles()
    {
        QFETCH(bool, season);
        QFETCH(QString, chosen);
        TestWorld w;
        impostazioniSenzaPresentazione(w);
        frmMenu& menu = start(w);
        QVERIFY(menu.visible());
        w.fakes.fileDialogs.setNextFileName(chosen);
        w.click(season ? menu.cmdCaricaStagione : menu.cmdCaricaTorneo);

        QCOMPARE(w.fakes.fileDialogs.asked.size(), 1);
        const FileDialogRequest& r = w.fakes.fileDialogs.asked[0].request;
        QVERIFY(!w.fakes.fileDialogs.asked[0].save);
        QCOMPARE(r.title, season ? QStringLiteral("Carica stagione") : QStringLiteral("Carica campionato"));
        QCOMPARE(r.initialDir, w.path("saved1") + "/");
        QCOMPARE(r.filter, season ? QStringLiteral("File di stagione (*.003)|*.003")
                                  : QStringLiteral("File di campionato (*.002)|*.002"));
        QCOMPARE(r.flags, 0x1000);

        const QString base = chosen.left(chosen.size() - 4);
        if (season) {
            QCOMPARE(w.M().strFileStagione, chosen);
            QCOMPARE(w.M().strFileClassifica, base + ".d03");
            QCOMPARE(w.M().strFileMontepremi, base + ".m03");
            QCOMPARE(w.M().strFilePunteggi, w.path("scores1/score003.dat"));
            QCOMPARE(int(w.M().bytTipoGioco), 3);
        } else {
            QCOMPARE(w.M().strFileCampionato, chosen);
            QCOMPARE(w.M().strFileGiornate, base + ".d02");
            QCOMPARE(w.M().strFileMontepremi, base + ".m02");
            QCOMPARE(w.M().strFilePunteggi, w.path("scores1/score002.dat"));
            QCOMPARE(int(w.M().bytTipoGioco), 2);
        }
        // The start screen gives way to the competition's own.
        w.settle();
        QVERIFY(!menu.visible());
        Form* schermo = season ? static_cast<Form*>(w.ctx->screens.find<frmStagione>())
                               : static_cast<Form*>(w.ctx->screens.find<frmVisualizza>());
        QVERIFY(schermo && schermo->visible());
    }

    void aCancelledDialogChangesNothing()
    {
        TestWorld w;
        impostazioniSenzaPresentazione(w);
        frmMenu& menu = start(w);
        w.M().bytTipoGioco = 1;
        w.M().strFileMontepremi = w.path("scores1/mtpremi.dat");
        w.fakes.fileDialogs.setNextCancel();
        w.click(menu.cmdCaricaStagione);
        QCOMPARE(int(w.M().bytTipoGioco), 1);
        QCOMPARE(w.M().strFileMontepremi, w.path("scores1/mtpremi.dat"));
        QVERIFY(w.M().strFileStagione.isEmpty());
        QVERIFY(menu.visible());
    }

    void helpLinksAndEnding()
    {
        TestWorld w;
        frmMenu& menu = start(w);
        QCOMPARE(menu.cmdInfo.caption(), QStringLiteral("Guida "));
        w.click(menu.cmdInfo);
        QCOMPARE(w.fakes.help.topics, QList<int>{6});
        QCOMPARE(w.fakes.help.files, QStringList{w.path("zolmer.hlp")});
        w.click(menu.cmdSitoWeb);
        w.click(menu.cmdPosta);
        QCOMPARE(w.fakes.desktop.urls.size(), 2);
        QVERIFY(w.fakes.desktop.urls[1].startsWith("mailto:"));
        QVERIFY(!w.fakes.program.ended());
        w.click(menu.cmdEsci);
        QVERIFY(w.fakes.program.ended());
    }

    void theCloseBoxEndsTheProgramToo()
    {
        TestWorld w;
        frmMenu& menu = start(w);
        menu.window()->close();
        w.settle();
        QVERIFY(w.fakes.program.ended());
    }

    void layoutAndDefaultButton()
    {
        TestWorld w;
        frmMenu& menu = start(w);
        const CommandButton* column[] = {&menu.cmdGioca, &menu.cmdCaricaStagione, &menu.cmdCaricaTorneo, &menu.cmdOpzioni,
                                         &menu.cmdInfo,  &menu.cmdSitoWeb,        &menu.cmdPosta,        &menu.cmdEsci};
        int top = 2880;
        for (const CommandButton* b : column) {
            QCOMPARE(b->top(), top);
            QCOMPARE(b->height(), 372);
            QCOMPARE(b->backColor(), 0xFFFF00u);
            top += 360;
        }
        QCOMPARE(menu.scaleHeight(), 5772);
        QCOMPARE(menu.Image1.width(), 3504);
    }
};

ZOLMERA_TEST_MAIN(TestStartScreen)
#include "tst_frmMenu.moc"

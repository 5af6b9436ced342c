// The presentation at start-up and the about box: the slides' timing over
// the theme, the ways the presentation ends, and the box over the board.
#include "competitions/frmPunteggi.h"
#include "shell/frmAbout.h"
#include "shell/frmAvvio.h"
#include "competitions/frmNuovo.h"
#include "shell/frmMenu.h"
#include "shell/frmOpzioni.h"
#include "platform/recordfile.h"
#include "state/settings.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

struct AvvioWorld : TestWorld {
    explicit AvvioWorld(const QString& musica = QStringLiteral("Si"), int mancante = 0)
    {
        makeEditionFolders();
        for (int n = 1; n <= 20; ++n)
            if (n != mancante)
                touch(QStringLiteral("intro1/diapositiva%1.jpg").arg(n, 2, 10, QLatin1Char('0')), "x");
        touch("sounds1/zolmer.wav", onda(80));
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Musica = musica;
        touch(QString::fromLatin1(kFileImpostazioni), codificaImpostazioni(rec));
        run([&] { ctx->rotte.mostra(Schermo::Avvio); });
    }
    frmAvvio* avvio() { return ctx->screens.find<frmAvvio>(); }
    frmMenu& menu() { return *ctx->screens.find<frmMenu>(); }
    // The slide on show, by its number; 0 for an empty box.
    int diapositiva()
    {
        const QPixmap p = avvio()->Sigla.picture();
        if (p.isNull())
            return 0;
        for (int n = 1; n <= 20; ++n)
            if (p.toImage().pixel(0, 0)
                == FakePictureLoader::colourOf(QStringLiteral("diapositiva%1.jpg").arg(n, 2, 10, QLatin1Char('0'))).rgb())
                return n;
        return -1;
    }
    QStringList musica() { return fakes.audio.played(QStringLiteral("frmAvvio.mmcMelodia")); }
};

}  // namespace

class TestPresentazione : public QObject {
    Q_OBJECT
private slots:
    // Slide n from 3.5 (n - 1) seconds; the start screen back at 70 s.
    void theSlidesOverTheTheme_data()
    {
        QTest::addColumn<QString>("musica");
        QTest::newRow("with music") << QStringLiteral("Si");
        QTest::newRow("music off: silent, same timing") << QStringLiteral("No");
    }
    void theSlidesOverTheTheme()
    {
        QFETCH(QString, musica);
        AvvioWorld w(musica);
        QVERIFY(w.avvio() && w.avvio()->visible());
        QVERIFY(!w.menu().visible());
        QCOMPARE(w.diapositiva(), 1);
        QCOMPARE(w.musica(), musica == QLatin1String("Si") ? QStringList{"zolmer.wav"} : QStringList{});
        const std::pair<double, int> tappe[] = {{3.4, 1}, {0.2, 2}, {3.5 * 8, 10}, {3.5 * 10, 20}};
        for (const auto& [avanti, attesa] : tappe) {
            w.advance(avanti);
            QCOMPARE(w.diapositiva(), attesa);
        }
        w.advance(3.5);   // 70.1 s: the twentieth slide has had its time
        QVERIFY(!w.avvio());
        QVERIFY(w.menu().visible());
        QCOMPARE(w.ctx->screens.active(), &w.menu());
        QVERIFY(w.fakes.audio.events.isEmpty() || w.fakes.audio.events.last().file.isEmpty());
    }

    // The button, Enter or the close box end it at once: the music stops,
    // the start screen comes back, and no slide follows.
    void endingThePresentation_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("Termina la presentazione") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("close box") << 2;
    }
    void endingThePresentation()
    {
        QFETCH(int, modo);
        AvvioWorld w;
        w.advance(1.0);
        frmAvvio& a = *w.avvio();
        if (modo == 0)
            w.click(a.cmdGioca);
        else if (modo == 1)
            w.keyClick(a, Qt::Key_Return, "\r");
        else
            w.run([&] { a.window()->close(); });
        w.settle();
        QVERIFY(!w.avvio());
        QVERIFY(w.menu().visible());
        QCOMPARE(w.fakes.audio.events.last().file, QString());
        QCOMPARE(w.fakes.audio.events.last().at, 1.0);
        const qsizetype richieste = w.fakes.pictures.requested.size();
        w.advance(80);
        QCOMPARE(w.fakes.pictures.requested.size(), richieste);
    }

    // A slide that is missing leaves the box empty for its time.
    void aMissingSlideKeepsTheTiming()
    {
        AvvioWorld w(QStringLiteral("Si"), 3);
        w.advance(3.6);
        QCOMPARE(w.diapositiva(), 2);
        w.advance(3.5);
        QCOMPARE(w.diapositiva(), 0);
        w.advance(3.5);
        QCOMPARE(w.diapositiva(), 4);
    }

    // Over the board: it takes no input from the box's load to its close,
    // which the close box does as "Ok" does.
    void theAboutBoxHoldsTheBoard_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("Ok") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }
    void theAboutBoxHoldsTheBoard()
    {
        QFETCH(int, modo);
        BoardWorld w;
        frmRuota& R = w.apri();
        w.run([&] { R.Versione.click(); });
        frmAbout* a = w.ctx->screens.find<frmAbout>();
        QVERIFY(a && a->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(a->caption(), QStringLiteral("Informazioni su Zolmera"));
        QCOMPARE(a->lblTitle.caption(), QStringLiteral("Zolmera"));
        QCOMPARE(a->lblVersion.caption(), QStringLiteral("Versione 3.2.1"));
        w.keyClick(R, Qt::Key_F4);
        QVERIFY(!w.ctx->screens.find<frmPunteggi>());
        if (modo == 0)
            w.click(a->cmdOK);
        else if (modo == 1)
            w.keyClick(*a, Qt::Key_Escape);
        else
            w.run([&] { a->window()->close(); });
        w.settle();
        QVERIFY(!w.ctx->screens.find<frmAbout>());
        QVERIFY(R.enabled());
    }

    // "Info Sistema" has nothing to start here: it says so and starts
    // nothing. The two addresses open the page and a mail.
    void systemInformationAndLinks()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.run([&] { R.Versione.click(); });
        frmAbout& a = *w.ctx->screens.find<frmAbout>();
        w.click(a.cmdSysInfo);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, QStringLiteral("Le informazioni sul sistema non sono disponibili in questa fase"));
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly);
        QCOMPARE(w.fakes.messages.asked[0].title, QString());
        QCOMPARE(w.fakes.systemInfo.launches, 0);
        w.click(a.lblSito);
        w.click(a.lblPosta);
        QCOMPARE(w.fakes.desktop.urls, (QStringList{QStringLiteral("https://www.zolmera.it/"),
                                                    QStringLiteral("mailto:assistenza@zolmera.it")}));
        QCOMPARE(a.lblPosta.caption(), QStringLiteral("assistenza@zolmera.it"));
    }

    // From the slides to a new booking key: the presentation cut short, the
    // options saved with contestant 1 booking on Q, and a new match's board
    // taking Q as his booking.
    void fromTheSlidesToANewBookingKey()
    {
        BoardWorld w;
        for (int n = 1; n <= 20; ++n)
            w.touch(QStringLiteral("intro1/diapositiva%1.jpg").arg(n, 2, 10, QLatin1Char('0')), "x");
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Parlato = rec.Effetti = QStringLiteral("No");
        w.touch(QString::fromLatin1(kFileImpostazioni), codificaImpostazioni(rec));
        w.run([&] { w.ctx->rotte.mostra(Schermo::Avvio); });
        frmAvvio* a = w.ctx->screens.find<frmAvvio>();
        QVERIFY(a && a->visible());
        w.advance(7.1);
        w.click(a->cmdGioca);
        frmMenu& menu = *w.ctx->screens.find<frmMenu>();
        QVERIFY(menu.visible());

        w.click(menu.cmdOpzioni);
        frmOpzioni& o = *w.ctx->screens.find<frmOpzioni>();
        w.click(o.txtPrenota1);
        QCOMPARE(o.txtPrenota1.text(), QString());
        w.keyClick(o, Qt::Key_Q, QStringLiteral("q"));
        w.click(o.cmdSalva);
        QVERIFY(!w.ctx->screens.find<frmOpzioni>());
        QCOMPARE(decodificaImpostazioni(RecordFile(w.path("zolmer.dat")).readSlot(1))->Prenota[1], QStringLiteral("Q"));
        QVERIFY(menu.visible());

        w.click(menu.cmdGioca);
        frmNuovo& n = *w.ctx->screens.find<frmNuovo>();
        n.txtGiocatore1.setText(QStringLiteral("Anna"));
        n.txtGiocatore2.setText(QStringLiteral("Bruno"));
        w.click(n.cmdCrea);
        frmRuota& R = w.board();
        QVERIFY(R.visible());
        w.sostituisciProve(R);
        w.passo();
        w.run([&] { w.prova()->nulla(); });
        w.passo();
        QVERIFY(w.prova() && w.prova()->corta);
        // The booking window runs inside the hand-back: presses come at
        // their times within it.
        const double t0 = w.loop().now();
        int dopoZ = -1, dopoQ = -1;
        w.loop().at(t0 + 2, [&] {
            w.keyClick(R, Qt::Key_Z, QStringLiteral("z"));   // the old key books no one
            dopoZ = w.M().bytConcorrente;
        });
        w.loop().at(t0 + 3, [&] {
            w.keyClick(R, Qt::Key_Q, QStringLiteral("q"));
            dopoQ = w.M().bytConcorrente;
        });
        w.loop().at(t0 + 4, [&] {
            R.txtRisposta.setText(QStringLiteral("Roma"));
            w.click(R.cmdOK);
        });
        w.run([&] {
            ScriviOpzioni(*w.ctx, QStringLiteral("Roma"), QStringLiteral("Parigi"), QStringLiteral("Londra"));
            w.M().strRispostaEsatta = QStringLiteral("ROMA");
            w.prova()->armaDomanda(QStringLiteral("Qual è la capitale d'Italia?"));
        });
        w.advance(5);
        QCOMPARE(dopoZ, 0);
        QCOMPARE(dopoQ, 1);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }

    // While the wheel turns the command does nothing.
    void noAboutBoxWhileTheWheelTurns()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.run([&] {
            R.tmrTempo.setEnabled(true);
            R.Versione.click();
        });
        QVERIFY(!w.ctx->screens.find<frmAbout>());
    }
};

ZOLMERA_TEST_MAIN(TestPresentazione)
#include "tst_presentazione.moc"

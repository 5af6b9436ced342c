// What the board shows over itself and what others write on it: the lunch
// menu and controls screens, the hand-back operations, the menus, the arrows
// and the closing of the board.
#include "shell/frmComandiGioco.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuZolmer.h"
#include "testkit/board.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionGroupBox>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// The controls of a frame that overlap its caption or, with `bordo`, reach
// past its border (a picture may fill the frame to its edges), each with
// where it is.
QStringList fuoriPosto(Frame& f, bool bordo = true)
{
    auto* box = static_cast<QGroupBox*>(f.surface());
    QStyleOptionGroupBox opt;
    opt.initFrom(box);
    opt.text = box->title();
    opt.lineWidth = 1;
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect didascalia =
        box->title().isEmpty() ? QRect()
                               : box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
    const QRect dentro = box->rect().adjusted(1, 1, -1, -1);
    QStringList out;
    for (QWidget* c : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isHidden())
            continue;
        if (c->geometry().intersects(didascalia) || (bordo && !dentro.contains(c->geometry())))
            out << QStringLiteral("%1 at %2,%3 %4x%5 (caption %6, inside %7x%8)")
                       .arg(c->objectName())
                       .arg(c->x())
                       .arg(c->y())
                       .arg(c->width())
                       .arg(c->height())
                       .arg(didascalia.bottom())
                       .arg(dentro.width())
                       .arg(dentro.height());
    }
    return out;
}
}  // namespace

class TestBoardScreens : public QObject {
    Q_OBJECT
private slots:
    void lunchMenuScreenShowsTheJackpotAndBlocksTheBoard_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("natale");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("picture");
        QTest::newRow("ZOLMER90") << "ZOLMER90" << false << "DomCasual BT" << 5160 << "images1/menu.bmp";
        QTest::newRow("SERO92 at Christmas") << "SERO92" << true << "Cheers ttnorm" << 5210 << "images1/Nmenu.bmp";
    }
    void lunchMenuScreenShowsTheJackpotAndBlocksTheBoard()
    {
        QFETCH(QString, key);
        QFETCH(bool, natale);
        QFETCH(QString, font);
        QFETCH(int, top);
        QFETCH(QString, picture);
        BoardWorld w;
        w.M().strModGioco = key;
        w.M().intNatale = natale;
        w.touch("scores1/mtpremi.dat", recordMontepremi(0, 0, 1000));
        frmRuota& R = w.apri();
        auto& menu = *w.ctx->screens.find<frmMenuZolmer>();
        QCOMPARE(menu.lblMontepremi.fontName(), font);
        QCOMPARE(menu.lblMontepremi.top(), top);
        QVERIFY(w.fakes.pictures.requested.contains(w.path(picture)));

        w.M().lngMontepremi = 1250;
        R.Menu_.click();
        w.settle();
        QVERIFY(menu.visible());
        QVERIFY(!R.enabled());
        QCOMPARE(menu.lblMontepremi.caption(), QStringLiteral("1.250"));
        menu.window()->close();   // the close box frees the board as "Ok" does
        w.settle();
        QVERIFY(R.enabled());
        QCOMPARE(w.ctx->screens.active(), &R);
    }

    void controlsScreenShowsTheCurrentKeys()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.M().strPrenota1 = "Mouse";
        w.M().strGira1 = "Mouse";
        w.M().strSu2 = "I";
        w.M().strDx2 = "L";
        R.Comandi.click();
        w.settle();
        auto& comandi = *w.ctx->screens.find<frmComandiGioco>();
        QVERIFY(!R.enabled());
        QCOMPARE(comandi.Label1.caption(), QStringLiteral("Mouse"));
        QCOMPARE(comandi.Label2.caption(), QStringLiteral("Mouse"));
        QCOMPARE(comandi.Label3.caption(), QStringLiteral("N"));
        QCOMPARE(comandi.lblDirezione[4].caption(), QStringLiteral("I"));
        QCOMPARE(comandi.lblDirezione[7].caption(), QStringLiteral("L"));
        // Each frame holds all its rows, "Destra" the last, under its caption.
        for (Frame* f : {&comandi.fraGiocatore1, &comandi.fraGiocatore2})
            QCOMPARE(fuoriPosto(*f), QStringList{});
        w.click(comandi.cmdRitorna);
        QVERIFY(R.enabled());
        QVERIFY(!w.ctx->screens.find<frmComandiGioco>());
    }

    // The board's frames keep their controls under their captions, with the
    // longest captions the second phase writes.
    void theBoardsFramesKeepTheirControlsClearOfTheirCaptions()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        const QString nome = QStringLiteral("BARTOLOMEO ");
        R.Frame2.setCaption(nome + QStringLiteral(" rispondi alle seguenti domande:"));
        R.Frame4.setCaption(nome + QStringLiteral(" scegli 3 domande fra le seguenti:"));
        for (Frame* f : {&R.Frame1, &R.Frame2, &R.Frame3, &R.Frame4, &R.Frame6}) {
            f->setVisible(true);
            const QStringList fuori = fuoriPosto(*f, false);
            QVERIFY2(fuori.isEmpty(), qPrintable(f->name() + QStringLiteral(": ") + fuori.join(u';')));
        }
    }

    void theBookingQuestionIsArmedInItsWriteOrder_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!";
        QTest::newRow("written") << "" << "Quanti oggetti hai visto?";
    }
    void theBookingQuestionIsArmedInItsWriteOrder()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        BoardWorld w;
        w.M().strParlato = parlato;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        w.passo();   // a void full challenge first, then turn 2
        w.run([&] { w.prova()->nulla(); });
        w.passo();
        QVERIFY(w.prova()->corta);
        w.run([&] {
            ScriviOpzioni(*w.ctx, "Roma", "Parigi", QString(60, QLatin1Char('x')));
            w.M().strFileDomanda = w.path("sounds1/domanda1_1.wav");
            w.prova()->armaDomanda("Quanti oggetti hai visto?");
        });
        QVERIFY(R.enabled());
        QVERIFY(R.Frame2.visible() && !R.Frame2.enabled());
        QCOMPARE(R.lblArgomento.caption(), QStringLiteral("Domanda a prenotazione"));
        QCOMPARE(R.txtDomanda.text(), testo);
        QVERIFY(R.cmdPrenota1.enabled() && R.cmdPrenota2.enabled());
        QCOMPARE(R.cmdPrenota1.backColor(), frmRuota::kGiallo);
        QVERIFY(!R.Tobrano.visible() && R.imgPPrenota.visible());
        QCOMPARE(R.txtOpzione[1].text(), QStringLiteral("Parigi"));
        QCOMPARE(R.txtOpzione[2].text().size(), 50);
        QVERIFY(!R.cmdFine.visible());
    }

    void writesToAClosedBoardAreIgnored()
    {
        BoardWorld w;
        w.apri();
        w.run([&] { w.board().unload(); });
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        w.run([&] {
            ConcediGiro(*w.ctx, 1);
            SegnalaProvaNulla(*w.ctx);
            BloccaTabellone(*w.ctx);
            ArmaDomandaPrenotazione(*w.ctx, "?");
        });
        QVERIFY2(!w.ctx->screens.find<frmRuota>(), "a write must not bring the board back");
    }

    void menusAndArrowsDoNothingWhileTheWheelTurns()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        R.tmrTempo.setEnabled(true);
        R.Menu_.click();
        R.Comandi.click();
        R.Guida.click();
        R.Command1_Click();
        R.Esci.click();
        R.window()->close();
        w.settle();
        QVERIFY(!w.ctx->screens.find<frmMenuZolmer>()->visible());
        QVERIFY(!w.ctx->screens.find<frmComandiGioco>());
        QVERIFY(w.fakes.help.topics.isEmpty());
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QCOMPARE(R.Image1.left(), -840);
        QVERIFY(w.ctx->screens.find<frmRuota>());
        // The jolly's menu button is the exception.
        w.run([&] { R.cmdJMenu_Click(); });
        QVERIFY(w.ctx->screens.find<frmMenuZolmer>()->visible());
    }

    void theArrowsSlideThePlayAreaBetweenThreePlaces()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        const int wheel = R.imgRuota2.left(), hat = R.cappello2[9].left();
        R.Command2_Click();
        QCOMPARE(R.Image1.left(), -1680);
        R.Command2_Click();
        QCOMPARE(R.Image1.left(), -1680);
        QCOMPARE(R.imgRuota2.left(), wheel - 840);
        QCOMPARE(R.cappello2[9].left(), hat - 840);
        R.Command1_Click();
        R.Command1_Click();
        R.Command1_Click();
        QCOMPARE(R.Image1.left(), 0);
        QCOMPARE(R.frutta2[4].left(), 9840 + 4 * 468 + 840);
        QCOMPARE(R.Command1.left(), 0);   // the arrows stay put
        // Their symbol font has no Linux version: its letters show as arrows.
        QCOMPARE(R.Command1.caption(), QStringLiteral("Z"));
        QCOMPARE(static_cast<QPushButton*>(R.Command1.widget())->text(), QString(QChar(0x25C0)));
    }

    void helpAtTheBoardsTopic()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        R.Guida.click();
        R.turni.intArgomentoGuida = 17;
        R.Guida.click();
        QCOMPARE(w.fakes.help.topics, (QList<int>{15, 17}));
    }

    void quittingTheBoardAsksAndReturnsByGameType()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.fakes.messages.setNextAnswer(mb::No);
        R.Esci.click();
        w.settle();
        QVERIFY(w.ctx->screens.find<frmRuota>());
        QVERIFY(!w.M().intEsci);
        w.fakes.messages.setNextAnswer(mb::Yes);
        R.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());

        // With no game type (a board opened by itself) nothing is shown.
        BoardWorld n;
        n.M().bytTipoGioco = 0;
        n.apri();
        n.run([&] { n.board().unload(); });
        QVERIFY(!n.ctx->screens.find<frmMenu>());
    }
};

ZOLMERA_TEST_MAIN(TestBoardScreens)
#include "tst_board_screens.moc"

// The controls' own rules: what raises their events, and limits they keep.
#include "platform/controls.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QScrollBar>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
class Panel final : public Screen {
public:
    explicit Panel(AppContext& c)
        : Screen(c, "frmPannello", 8000, 6000), txtRisposta(*this, "txtRisposta"), txtAltro(*this, "txtAltro"),
          chkMusica(*this, "chkMusica", "SI", true), Frame1(*this, "Frame1"), optA(Frame1, "optA", "A"),
          optB(Frame1, "optB", "B"), optFuori(*this, "optFuori", "C"), lstNomi(*this, "lstNomi"),
          hsbVolume(*this, "hsbVolume"), mnuFile(*this, "mnuFile", "&File"),
          mnuEsci(mnuFile, "mnuEsci", "&Esci", QKeySequence(Qt::CTRL | Qt::Key_Q))
    {
        txtRisposta.move(100, 100, 3000, 300);
        txtAltro.move(100, 600, 3000, 300);
        for (TextBox* t : {&txtLungo, &txtAdatto}) {
            t->move(100, 3500 + (t == &txtAdatto) * 420, 5160, 360);
            t->setFontName(QStringLiteral("Comic Sans MS"));
            t->setFontSize(10);
        }
        txtAdatto.setShrinkToFit(7);
        chkMusica.move(100, 1100, 1000, 300);
        Frame1.move(100, 1500, 3000, 1200);
        optA.move(100, 200, 1000, 300);
        optB.move(100, 600, 1000, 300);
        optFuori.move(4000, 1500, 1000, 300);
        lstNomi.move(4000, 100, 3000, 1200);
        hsbVolume.move(100, 3000, 3000, 250);
        txtRisposta.Change = [this] { log << "change " + txtRisposta.text(); };
        chkMusica.Click = [this] { log << QStringLiteral("chk %1").arg(chkMusica.value()); };
        optA.Click = [this] { log << "optA"; };
        optB.Click = [this] { log << "optB"; };
        lstNomi.Click = [this] { log << "lst " + lstNomi.text(); };
        hsbVolume.Change = [this] { log << QStringLiteral("hsb %1").arg(hsbVolume.value()); };
        hsbVolume.Scroll = [this] { log << QStringLiteral("scroll %1").arg(hsbVolume.value()); };
        mnuEsci.Click = [this] { log << "esci"; };
        lblCella.move(1500, 200, 600, 600);
        imgBersaglio.move(2200, 200, 600, 600);
        for (Control* bersaglio : std::initializer_list<Control*>{&lblCella, &imgBersaglio}) {
            const QString nome = bersaglio->name();
            bersaglio->Click = [this, nome] { log << nome + " click"; };
            bersaglio->MouseDown = [this, nome](int, int, double, double) { log << nome + " down"; };
            bersaglio->MouseUp = [this, nome](int, int, double, double) { log << nome + " up"; };
        }
        for (int i = 0; i < 3; ++i) {
            auto& b = cmdOpzione.add(*this, QStringLiteral("cmdOpzione"), QStringLiteral("%1").arg(i));
            b.move(4000, 3000 + i * 400, 1000, 350);
            b.Click = [this, i] { log << QStringLiteral("opzione %1").arg(i); };
        }
    }
    TextBox txtRisposta, txtAltro;
    TextBox txtLungo{*this, QStringLiteral("txtLungo")}, txtAdatto{*this, QStringLiteral("txtAdatto")};
    CheckBox chkMusica;
    Frame Frame1;
    OptionButton optA, optB, optFuori;
    ListBox lstNomi;
    ScrollBar hsbVolume;
    Menu mnuFile, mnuEsci;
    ControlArray<CommandButton> cmdOpzione;
    Label lblCella{Frame1, QStringLiteral("lblCella")};
    Image imgBersaglio{Frame1, QStringLiteral("imgBersaglio")};
    QStringList log;
};

Panel& shown(TestWorld& w)
{
    auto& p = w.ctx->screens.get<Panel>();
    w.run([&] { p.show(); });
    return p;
}
}  // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void textBoxKeepsItsMaxLengthAndReportsChangesAndFocus()
    {
        TestWorld w;
        Panel& p = shown(w);
        p.txtRisposta.LostFocus = [&p] { p.log << "lost"; };
        p.txtRisposta.setMaxLength(5);
        p.txtRisposta.setFocus();
        QTest::keyClicks(p.txtRisposta.widget(), "formaggio");
        QCOMPARE(p.txtRisposta.text(), QStringLiteral("forma"));
        p.log.clear();
        p.txtRisposta.setText("pane");   // from code, too
        QCOMPARE(p.log, QStringList{"change pane"});
        p.txtAltro.setFocus();
        w.settle();
        QCOMPARE(p.window()->focusWidget(), p.txtAltro.widget());
        QCOMPARE(p.log.last(), QStringLiteral("lost"));
    }

    // A text the program writes is read from its start, however long.
    void aTextSetByTheProgramShowsItsStart()
    {
        TestWorld w;
        Panel& p = shown(w);
        p.txtAltro.setText(QString(80, QLatin1Char('x')) + QStringLiteral("fine"));
        QCOMPARE(static_cast<QLineEdit*>(p.txtAltro.widget())->cursorPosition(), 0);
    }

    // A box that shrinks to fit shows a text too wide for its FontSize
    // whole, written or typed, in a smaller size of its font; a text that
    // fits keeps the full size, and FontSize stays what was set. The same
    // text scrolls in a box that does not shrink.
    void aShrinkingBoxShowsALongTextWhole_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("scritto");
        QTest::addColumn<bool>("ridotto");
        const QString capitali = QStringLiteral("QUALE CASA HA PER SIMBOLO IL CAVALLINO RAMPANTE?");
        QTest::newRow("short, written") << QStringLiteral("Roma") << true << false;
        QTest::newRow("50 capitals, written") << capitali << true << true;
        QTest::newRow("50 capitals, typed") << capitali << false << true;
        QTest::newRow("50 ordinary, written") << QStringLiteral("Quale casa ha per simbolo il cavallino rampante??") << true << false;
    }
    void aShrinkingBoxShowsALongTextWhole()
    {
        QFETCH(QString, testo);
        QFETCH(bool, scritto);
        QFETCH(bool, ridotto);
        TestWorld w;
        Panel& p = shown(w);
        const QFont pieno = p.txtAdatto.widget()->font();
        p.txtAdatto.setText(QString(50, QLatin1Char('W')));   // a long text before does not linger
        if (scritto) {
            p.txtAdatto.setText(testo);
        } else {
            p.txtAdatto.setText(QString());
            p.txtAdatto.setFocus();
            QTest::keyClicks(p.txtAdatto.widget(), testo);
        }
        QCOMPARE(p.txtAdatto.text(), testo);
        QVERIFY(showsWhole(p.txtAdatto));
        QCOMPARE(p.txtAdatto.fontSize(), 10.0);
        const QFont f = p.txtAdatto.widget()->font();
        QCOMPARE(f.family(), pieno.family());
        QCOMPARE(f.pointSizeF() < pieno.pointSizeF(), ridotto);
        p.txtLungo.setText(testo);
        QCOMPARE(showsWhole(p.txtLungo), !ridotto);
    }

    // The window losing the input to a message box, another program or a
    // menu is not the box being left, nor is its coming back the box's.
    void focusEventsAreTheWindowsOwnMovesOnly_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("reported");
        QTest::newRow("another window active") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("a menu opening") << int(Qt::PopupFocusReason) << false;
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("a click elsewhere") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("from code") << int(Qt::OtherFocusReason) << true;
    }
    void focusEventsAreTheWindowsOwnMovesOnly()
    {
        QFETCH(int, reason);
        QFETCH(bool, reported);
        TestWorld w;
        Panel& p = shown(w);
        p.txtRisposta.LostFocus = [&p] { p.log << "lost"; };
        p.txtRisposta.GotFocus = [&p] { p.log << "got"; };
        p.log.clear();
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(p.txtRisposta.widget(), &out);
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(p.txtRisposta.widget(), &in);
        w.settle();
        QCOMPARE(p.log, reported ? (QStringList{"lost", "got"}) : QStringList{});
    }

    void valueChangesRaiseClickFromCodeAsFromTheUser()
    {
        TestWorld w;
        Panel& p = shown(w);
        p.chkMusica.setValue(1);
        p.chkMusica.setValue(1);   // no change, no Click
        w.click(p.chkMusica);
        p.lstNomi.addItem("ROSSI");
        p.lstNomi.addItem("BIANCHI");
        p.lstNomi.setListIndex(1);
        p.hsbVolume.setMax(10);
        p.hsbVolume.setValue(4);
        QCOMPARE(p.log, (QStringList{"chk 1", "chk 0", "lst BIANCHI", "hsb 4"}));
    }

    // A dragged thumb raises Scroll at each step, with the value under the
    // thumb, and Change once, where it is let go.
    void draggingAScrollBarRaisesScrollThenChange()
    {
        TestWorld w;
        Panel& p = shown(w);
        p.hsbVolume.setMax(10);
        auto* bar = static_cast<QScrollBar*>(p.hsbVolume.widget());
        bar->setSliderDown(true);
        bar->setSliderPosition(3);
        bar->setSliderPosition(7);
        QCOMPARE(p.hsbVolume.value(), 7);
        bar->setSliderDown(false);
        QCOMPARE(p.log, (QStringList{"scroll 3", "scroll 7", "hsb 7"}));
        QCOMPARE(p.hsbVolume.value(), 7);
    }

    void optionButtonsExcludeEachOtherWithinTheirContainer()
    {
        TestWorld w;
        Panel& p = shown(w);
        p.optFuori.setValue(true);
        p.optA.setValue(true);
        w.click(p.optB);
        QVERIFY(!p.optA.value());
        QVERIFY(p.optB.value());
        QVERIFY2(p.optFuori.value(), "another container's option is not touched");
        QCOMPARE(p.log, (QStringList{"optA", "optB"}));
    }

    void aDisabledControlHearsNoMouse_data()
    {
        QTest::addColumn<bool>("cella");
        QTest::addColumn<bool>("cornice");
        QTest::addColumn<bool>("finestra");
        QTest::addColumn<bool>("sente");
        QTest::newRow("all enabled") << true << true << true << true;
        QTest::newRow("the control disabled") << false << true << true << false;
        QTest::newRow("its frame disabled") << true << false << true << false;
        QTest::newRow("its window disabled") << true << true << false << false;
    }
    void aDisabledControlHearsNoMouse()
    {
        QFETCH(bool, cella);
        QFETCH(bool, cornice);
        QFETCH(bool, finestra);
        QFETCH(bool, sente);
        TestWorld w;
        Panel& p = shown(w);
        p.lblCella.setEnabled(cella);
        p.imgBersaglio.setEnabled(cella);
        p.Frame1.setEnabled(cornice);
        p.setEnabled(finestra);
        w.click(p.lblCella);
        w.click(p.imgBersaglio);
        const QStringList tutto{"lblCella down", "lblCella up", "lblCella click", "imgBersaglio down", "imgBersaglio up",
                                "imgBersaglio click"};
        QCOMPARE(p.log, sente ? tutto : QStringList());
    }

    void controlArraysAndMenus()
    {
        TestWorld w;
        Panel& p = shown(w);
        QCOMPARE(p.cmdOpzione.count(), 3);
        w.click(p.cmdOpzione[2]);
        p.mnuEsci.click();
        p.mnuEsci.setEnabled(false);
        p.mnuEsci.click();
        p.mnuEsci.setEnabled(true);
        p.setEnabled(false);   // a disabled window's menus do nothing either
        p.mnuEsci.click();
        QCOMPARE(p.log, (QStringList{"opzione 2", "esci"}));
    }
};

ZOLMERA_TEST_MAIN(TestControls)
#include "tst_controls.moc"

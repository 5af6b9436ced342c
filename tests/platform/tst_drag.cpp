// Dragging controls onto each other: what a drop reaches, what it never
// reaches, and that the game goes on while a control is held.
#include "platform/controls.h"
#include "platform/drag.h"
#include "platform/timer.h"
#include "state/screen.h"
#include "testkit/world.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
class Tavolo final : public Screen {
public:
    explicit Tavolo(AppContext& c) : Screen(c, "frmTavolo", 9000, 6000)
    {
        for (int i = 0; i < 3; ++i) {
            auto& l = Label1.add(*this, QStringLiteral("Label1"));
            l.move(300 + i * 900, 300, 800, 800);
            l.setDragMode(1);
            l.DragDrop = [this, i](Control& source) { log << QStringLiteral("Label1(%1) <- %2").arg(i).arg(source.name()); };
            l.Click = [this] { log << QStringLiteral("click"); };
            l.MouseDown = [this](int, int, double, double) { log << QStringLiteral("down"); };
        }
        Label1[1].setCaption(QStringLiteral("A"));
        imgPezzo.move(300, 1500, 800, 800);
        imgPezzo.setDragMode(1);
        imgPezzo.setStretch(true);
        imgPezzo.DragDrop = [this](Control& source) { log << "imgPezzo <- " + source.name(); };
        imgCronometro.move(1500, 1500, 800, 800);
        imgCronometro.DragDrop = [this](Control& source) { log << "imgCronometro <- " + source.name(); };
        Frame2.move(3000, 1500, 3000, 2000);
        Frame2.DragDrop = [this](Control& source) { log << "Frame2 <- " + source.name(); };
        lblDentro.move(200, 300, 800, 800);
        lblDentro.DragDrop = [this](Control& source) { log << "lblDentro <- " + source.name(); };
        tmrSecondi.Tick = [this] { ++tick; };
    }
    ControlArray<Label> Label1;
    Image imgPezzo{*this, QStringLiteral("imgPezzo")};
    Image imgCronometro{*this, QStringLiteral("imgCronometro")};
    Frame Frame2{*this, QStringLiteral("Frame2")};
    Label lblDentro{Frame2, QStringLiteral("lblDentro")};
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 1000, false};
    QStringList log;
    int tick = 0;
};

Tavolo& shown(TestWorld& w)
{
    auto& t = w.ctx->screens.get<Tavolo>();
    w.run([&] { t.show(); });
    return t;
}

enum Bersaglio { VuotoLabel, PienoLabel, SeStesso, Cronometro, CorniceSpenta, SpazioVuoto };
}  // namespace

class TestDrag : public QObject {
    Q_OBJECT
private slots:
    void aDropReachesTheControlUnderThePointer_data()
    {
        QTest::addColumn<bool>("pezzo");      // the picture, else the label Label1(0)
        QTest::addColumn<int>("bersaglio");
        QTest::addColumn<QString>("atteso");  // empty: no drop at all
        QTest::newRow("label onto an empty label") << false << int(VuotoLabel) << "Label1(2) <- Label1";
        QTest::newRow("label onto a full label") << false << int(PienoLabel) << "Label1(1) <- Label1";
        QTest::newRow("label onto itself") << false << int(SeStesso) << "Label1(0) <- Label1";
        QTest::newRow("picture onto a label") << true << int(VuotoLabel) << "Label1(2) <- imgPezzo";
        QTest::newRow("picture onto the stopwatch") << true << int(Cronometro) << "imgCronometro <- imgPezzo";
        QTest::newRow("picture onto a disabled frame's label") << true << int(CorniceSpenta) << "";
        QTest::newRow("picture onto empty space") << true << int(SpazioVuoto) << "";
    }
    void aDropReachesTheControlUnderThePointer()
    {
        QFETCH(bool, pezzo);
        QFETCH(int, bersaglio);
        QFETCH(QString, atteso);
        TestWorld w;
        Tavolo& t = shown(w);
        Control& sorgente = pezzo ? static_cast<Control&>(t.imgPezzo) : t.Label1[0];
        w.pressToDrag(sorgente);
        switch (Bersaglio(bersaglio)) {
        case VuotoLabel: w.releaseOver(t.Label1[2]); break;
        case PienoLabel: w.releaseOver(t.Label1[1]); break;
        case SeStesso: w.releaseOver(t.Label1[0]); break;
        case Cronometro: w.releaseOver(t.imgCronometro); break;
        case CorniceSpenta:
            t.Frame2.setEnabled(false);
            w.releaseOver(t.lblDentro);
            break;
        case SpazioVuoto: w.releaseOver(t, 8500, 5500); break;
        }
        QCOMPARE(t.log, atteso.isEmpty() ? QStringList{} : QStringList{atteso});
        QVERIFY(!Trascinamento::corrente().sorgente());
    }

    void aDropThroughTheWindowSystemReachesTheControlUnderThePointer()
    {
        // As a real mouse does it: the press grabs the pointer for the source,
        // so the release is delivered to the source, wherever it happens.
        TestWorld w;
        Tavolo& t = shown(w);
        QWindow* finestra = t.window()->windowHandle();
        QVERIFY(finestra);
        auto centro = [&](Control& c) { return c.widget()->mapTo(t.window(), c.widget()->rect().center()); };
        QTest::mousePress(finestra, Qt::LeftButton, Qt::NoModifier, centro(t.imgPezzo));
        QTest::mouseMove(finestra, centro(t.Label1[1]));
        QTest::mouseRelease(finestra, Qt::LeftButton, Qt::NoModifier, centro(t.imgCronometro));
        w.settle();
        QCOMPARE(t.log, QStringList{"imgCronometro <- imgPezzo"});
        // The grab ended with the drop: the next press is the control's own.
        t.Label1[2].setDragMode(0);
        QTest::mouseClick(finestra, Qt::LeftButton, Qt::NoModifier, centro(t.Label1[2]));
        w.settle();
        QCOMPARE(t.log.mid(1), (QStringList{"down", "click"}));
    }

    void aDraggableControlRaisesNoClickAndAPlainOneStillDoes()
    {
        TestWorld w;
        Tavolo& t = shown(w);
        w.click(t.Label1[0]);
        QCOMPARE(t.log, QStringList{"Label1(0) <- Label1"});
        t.log.clear();
        t.Label1[0].setDragMode(0);
        w.click(t.Label1[0]);
        QCOMPARE(t.log, (QStringList{"down", "click"}));
    }

    void theGameGoesOnUnderAHeldDragAndATakenSourceDropsNothing_data()
    {
        QTest::addColumn<int>("come");
        QTest::newRow("held across a turn's end: disabled") << 0;
        QTest::newRow("hidden") << 1;
        QTest::newRow("its frame disabled") << 2;
        QTest::newRow("its window closed") << 3;
        QTest::newRow("still there") << 4;
    }
    void theGameGoesOnUnderAHeldDragAndATakenSourceDropsNothing()
    {
        QFETCH(int, come);
        TestWorld w;
        Tavolo& t = shown(w);
        auto& nelFrame = t.Label1.add(t.Frame2, QStringLiteral("Label1"));
        nelFrame.move(1200, 300, 800, 800);
        nelFrame.setDragMode(1);
        Control& sorgente = come == 2 ? static_cast<Control&>(nelFrame) : t.Label1[0];
        w.run([&] { t.tmrSecondi.setEnabled(true); });
        w.pressToDrag(sorgente);
        // A turn's countdown runs under the held control.
        w.advance(3.5);
        QCOMPARE(t.tick, 3);
        switch (come) {
        case 0: w.run([&] { sorgente.setEnabled(false); }); break;
        case 1: w.run([&] { sorgente.setVisible(false); }); break;
        case 2: w.run([&] { t.Frame2.setEnabled(false); }); break;
        case 3:
            // The window goes with its controls: nothing is left to drop on.
            w.run([&] { t.unload(); });
            QVERIFY(!Trascinamento::corrente().sorgente());
            return;
        default: break;
        }
        w.releaseOver(t.Label1[2]);
        QCOMPARE(t.log, come == 4 ? QStringList{"Label1(2) <- Label1"} : QStringList{});
        QVERIFY(!Trascinamento::corrente().sorgente());
    }

    void aPictureKnowsWhatItShowsThroughCopies()
    {
        TestWorld w;
        Tavolo& t = shown(w);
        w.touch(QStringLiteral("carte.bmp"));
        w.touch(QStringLiteral("altro.bmp"));
        PictureClip clip;
        clip.setRows(2);
        clip.setCols(2);
        clip.setPicture(w.ctx->sys.pictures.load(w.path(QStringLiteral("carte.bmp"))));
        QCOMPARE(t.imgPezzo.figura(), Figura{});
        t.imgPezzo.setPicture(clip.graphicCell(3));
        QCOMPARE(t.imgPezzo.figura(), (Figura{w.path(QStringLiteral("carte.bmp")), 3}));
        t.imgCronometro.setPicture(t.imgPezzo.picture());
        QCOMPARE(t.imgCronometro.figura(), t.imgPezzo.figura());
        QVERIFY(figuraDi(clip.graphicCell(2)) != t.imgPezzo.figura());
        t.imgPezzo.setPicture(w.ctx->sys.pictures.load(w.path(QStringLiteral("altro.bmp"))));
        QCOMPARE(t.imgPezzo.figura(), (Figura{w.path(QStringLiteral("altro.bmp")), -1}));
        QVERIFY(t.imgCronometro.figura() != t.imgPezzo.figura());
        // A picture drawn in code is itself alone.
        QPixmap disegno(8, 8);
        disegno.fill(Qt::red);
        QPixmap uguale(8, 8);
        uguale.fill(Qt::red);
        QVERIFY(figuraDi(disegno) == figuraDi(QPixmap(disegno)));
        QVERIFY(figuraDi(disegno) != figuraDi(uguale));
        t.imgPezzo.setPicture({});
        QVERIFY(t.imgPezzo.figura().isNull());
    }
};

ZOLMERA_TEST_MAIN(TestDrag)
#include "tst_drag.moc"

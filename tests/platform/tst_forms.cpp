// Windows and controls: the screen registry, activation after the handler
// that closed a window, closing by code or by the user, disabled windows,
// key preview and twips.
#include "platform/controls.h"
#include "platform/timer.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Stands for the board: it records its activations and what it saw then.
class BoardLike final : public Screen {
public:
    explicit BoardLike(AppContext& c)
        : Screen(c, QStringLiteral("frmTavola"), 6000, 4000), cmdGira(*this, QStringLiteral("cmdGira"), QStringLiteral("Gira")),
          txtRisposta(*this, QStringLiteral("txtRisposta")), Frame2(*this, QStringLiteral("Frame2")),
          lblDentro(Frame2, QStringLiteral("lblDentro"), QStringLiteral("dentro")), tmr(*this, QStringLiteral("tmr"), 100)
    {
        cmdGira.move(1500, 1500, 1500, 450);
        txtRisposta.move(150, 150, 3000, 300);
        Frame2.move(3000, 2000, 2000, 1500);
        lblDentro.move(150, 300, 1200, 300);
        cmdGira.Click = [this] { ++clicks; };
        tmr.Tick = [this] { ++ticks; };
        setKeyPreview(true);
    }
    void Form_Activate() override
    {
        ++activations;
        sawSpinLit = cmdGira.enabled() && cmdGira.backColor() == 0xFFFF;
    }
    void Form_KeyDown(int& code, int shift) override { log << QStringLiteral("down %1/%2").arg(code).arg(shift); }
    void Form_KeyPress(int& ascii) override
    {
        log << QStringLiteral("press %1").arg(ascii);
        if (ascii == 'z' || ascii == 'Z')
            ascii = 0;   // a booking key never lands in the answer box
        else if (ascii == 'a')
            ascii = 'A';
    }
    void Form_KeyUp(int& code, int) override { log << QStringLiteral("up %1").arg(code); }

    CommandButton cmdGira;
    TextBox txtRisposta;
    Frame Frame2;
    Label lblDentro;
    Timer tmr;
    int activations = 0;
    int clicks = 0;
    int ticks = 0;
    bool sawSpinLit = false;
    bool challengeAliveAfterUnload = false;
    QStringList log;
};

// Stands for a challenge: it hands back by closing itself and then writing
// the board, and asks before being closed by the user.
class ChallengeLike final : public Screen {
public:
    explicit ChallengeLike(AppContext& c)
        : Screen(c, QStringLiteral("frmProvaFinta"), 4000, 3000), cmdEsegui(*this, QStringLiteral("cmdEsegui"), QStringLiteral("Vince"))
    {
        cmdEsegui.move(300, 300, 2000, 500);
        cmdEsegui.Click = [this] {
            unload();
            auto* board = ctx.screens.find<BoardLike>();
            board->cmdGira.setEnabled(true);
            board->cmdGira.setBackColor(0xFFFF);
            // Still alive after its own unload, until this handler returns.
            board->challengeAliveAfterUnload = name() == QStringLiteral("frmProvaFinta");
        };
    }
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override
    {
        modes << int(mode);
        if (mode == UnloadMode::ControlMenu)
            cancel = msgBox(QStringLiteral("Sei sicuro?"), mb::YesNo | mb::Exclamation | mb::DefaultButton2) != mb::Yes;
    }
    void Form_Unload(bool&) override
    {
        if (auto* board = ctx.screens.find<BoardLike>())
            board->setEnabled(true);
    }
    CommandButton cmdEsegui;
    // Outlives the window, which is gone once closed.
    static inline QList<int> modes;
};
}  // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void registryKeepsOneInstanceAndLoadsAfreshAfterUnload()
    {
        TestWorld w;
        QVERIFY(!w.ctx->screens.find<BoardLike>());
        auto& first = w.ctx->screens.get<BoardLike>();
        QCOMPARE(&w.ctx->screens.get<BoardLike>(), &first);
        first.cmdGira.setCaption("usato");
        w.run([&] { first.unload(); });
        QVERIFY(!w.ctx->screens.find<BoardLike>());
        auto& second = w.ctx->screens.get<BoardLike>();
        QCOMPARE(second.cmdGira.caption(), QStringLiteral("Gira"));
    }

    void handBackIsSeenByTheActivationThatFollows()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        QCOMPARE(board.activations, 1);
        QVERIFY(!board.sawSpinLit);

        board.cmdGira.setEnabled(false);
        auto& challenge = w.ctx->screens.get<ChallengeLike>();
        w.run([&] {
            board.setEnabled(false);
            challenge.show();
        });
        QCOMPARE(w.ctx->screens.active(), &challenge);

        w.click(challenge.cmdEsegui);
        QVERIFY(board.challengeAliveAfterUnload);
        QVERIFY(!w.ctx->screens.find<ChallengeLike>());
        QCOMPARE(board.activations, 2);
        QVERIFY2(board.sawSpinLit, "the activation must run after the hand-back's writes");
        QVERIFY(board.enabled());
    }

    void userCloseAsksAndCanBeRefused()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        auto& challenge = w.ctx->screens.get<ChallengeLike>();
        w.run([&] {
            board.show();
            board.setEnabled(false);
            challenge.show();
        });
        w.fakes.messages.setNextAnswer(mb::No);
        challenge.window()->close();
        w.settle();
        QVERIFY(w.ctx->screens.find<ChallengeLike>());
        QVERIFY(challenge.visible());
        QCOMPARE(w.fakes.messages.asked.size(), 1);

        w.fakes.messages.setNextAnswer(mb::Yes);
        challenge.window()->close();
        w.settle();
        QVERIFY(!w.ctx->screens.find<ChallengeLike>());
        QCOMPARE(w.ctx->screens.active(), &board);
        // By code it asks nothing.
        auto& again = w.ctx->screens.get<ChallengeLike>();
        ChallengeLike::modes.clear();
        w.run([&] { again.unload(); });
        QCOMPARE(ChallengeLike::modes, QList<int>{int(UnloadMode::FormCode)});
    }

    void disabledWindowTakesNoInputButItsTimersTick()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        w.run([&] { board.setEnabled(false); });
        w.click(board.cmdGira);
        w.keyClick(board, Qt::Key_Z, "z");
        w.advance(0.35);
        QCOMPARE(board.clicks, 0);
        QVERIFY(board.log.isEmpty());
        QCOMPARE(board.ticks, 3);
        QVERIFY2(board.cmdGira.enabled(), "the control keeps its own Enabled");
        board.window()->close();
        w.settle();
        QVERIFY2(board.visible(), "nor can the user close it");
        w.run([&] { board.setEnabled(true); });
        w.click(board.cmdGira);
        QCOMPARE(board.clicks, 1);
    }

    // A focus given while the window is disabled is taken when it is
    // enabled again.
    void aFocusGivenWhileDisabledWaitsForTheWindow()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        w.run([&] { board.cmdGira.setFocus(); });
        w.run([&] {
            board.setEnabled(false);
            board.txtRisposta.setFocus();
        });
        QVERIFY(board.window()->focusWidget() != board.txtRisposta.widget());
        w.run([&] { board.setEnabled(true); });
        QCOMPARE(board.window()->focusWidget(), board.txtRisposta.widget());
    }

    void keyPreviewSeesKeysBeforeTheFocusedControl()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        board.txtRisposta.setFocus();
        QCOMPARE(board.window()->focusWidget(), board.txtRisposta.widget());

        w.keyClick(board, Qt::Key_Z, "z");
        w.keyClick(board, Qt::Key_B, "b");
        w.keyClick(board, Qt::Key_A, "a");
        w.keyClick(board, Qt::Key_F2);
        QCOMPARE(board.log, (QStringList{"down 90/0", "press 122", "up 90", "down 66/0", "press 98", "up 66",
                                         "down 65/0", "press 97", "up 65", "down 113/0", "up 113"}));
        QCOMPARE(board.txtRisposta.text(), QStringLiteral("bA"));
    }

    void aHeldKeyRepeatsItsPressButReleasesOnce()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        w.keyPress(board, Qt::Key_X, "x");
        w.keyRelease(board, Qt::Key_X, "x", true);
        w.keyPress(board, Qt::Key_X, "x", true);
        w.keyRelease(board, Qt::Key_X, "x");
        QCOMPARE(board.log, (QStringList{"down 88/0", "press 120", "down 88/0", "press 120", "up 88"}));
    }

    void enterPressesTheDefaultButtonUnlessAButtonHasFocus()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        board.setKeyPreview(false);
        CommandButton other(board, "cmdAltro", "Altro");
        int others = 0;
        other.Click = [&] { ++others; };
        board.setDefaultButton(&board.cmdGira);
        w.run([&] { board.show(); });
        board.txtRisposta.setFocus();
        w.keyClick(board, Qt::Key_Return, "\r");
        QCOMPARE(board.clicks, 1);
        board.cmdGira.setEnabled(false);
        w.keyClick(board, Qt::Key_Return, "\r");
        QCOMPARE(board.clicks, 1);
        board.cmdGira.setEnabled(true);
        other.setFocus();
        QTest::keyClick(other.widget(), Qt::Key_Space);
        w.settle();
        QCOMPARE(others, 1);
        QCOMPARE(board.clicks, 1);
    }

    void twipsScaleWithTheWindow()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        // 15 twips to a pixel at the design size.
        QCOMPARE(board.surface()->size(), QSize(400, 267));
        QCOMPARE(board.cmdGira.widget()->geometry(), QRect(100, 100, 100, 30));
        board.window()->resize(800, 534);
        QCOMPARE(board.cmdGira.widget()->geometry(), QRect(200, 200, 200, 60));
        QCOMPARE(board.cmdGira.left(), 1500);
        // A wider window keeps the shape and centres the surface.
        board.window()->resize(1000, 534);
        const QRect centred = board.surface()->geometry();
        QCOMPARE(centred.height(), 534);
        QVERIFY(qAbs(centred.center().x() - 500) <= 1);
        QVERIFY(qAbs(centred.width() - 801) <= 1);
        // Inside a frame, places are relative to the frame.
        QCOMPARE(board.lblDentro.widget()->geometry().topLeft(), QPoint(20, 40));
    }

    void hiddenFrameHidesItsContentsWhichKeepTheirOwnVisible()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        board.Frame2.setVisible(false);
        QVERIFY(!board.lblDentro.widget()->isVisible());
        QVERIFY(board.lblDentro.visible());
        board.Frame2.setVisible(true);
        board.Frame2.setEnabled(false);
        QVERIFY(!board.lblDentro.widget()->isEnabled());
        QVERIFY(board.lblDentro.enabled());
    }
};

ZOLMERA_TEST_MAIN(TestForms)
#include "tst_forms.moc"

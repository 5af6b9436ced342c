// Windows and controls: the screen registry, activation after the handler
// that closed a window, closing by code or by the user, disabled windows and
// their menus, key preview, held keys that repeat as release-press pairs,
// and twips.
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

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

// Stands for a start screen that makes way, while it loads, for a window of
// its own choosing.
class MakesWay final : public Screen {
public:
    explicit MakesWay(AppContext& c) : Screen(c, QStringLiteral("frmFaStrada"), 3000, 3000) {}
    void Form_Load() override
    {
        if (!cedere)
            return;
        hide();
        ctx.screens.get<BoardLike>().show();
    }
    static inline bool cedere = true;
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

// Closes itself from its key preview, as a screen's Esc or F-key may.
class ClosesOnKey final : public Screen {
public:
    explicit ClosesOnKey(AppContext& c) : Screen(c, QStringLiteral("frmChiude"), 3000, 2000), txtNome(*this, QStringLiteral("txtNome"))
    {
        txtNome.move(150, 150, 2000, 300);
        setKeyPreview(true);
    }
    void Form_KeyDown(int& code, int) override
    {
        if (code == 120)   // F9
            unload();
    }
    TextBox txtNome;
};

// A key event as the window system hands it over, with nothing let through
// or settled after it.
void sendRaw(QWidget* to, QEvent::Type type, Qt::Key key, const QString& text)
{
    QKeyEvent e(type, key, Qt::NoModifier, text);
    QCoreApplication::instance()->notify(to, &e);
}

// What the focused control itself receives: "press", "press repeat", "release".
class KeyTap final : public QObject {
public:
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            seen << (static_cast<QKeyEvent*>(e)->isAutoRepeat() ? QStringLiteral("press repeat") : QStringLiteral("press"));
        else if (e->type() == QEvent::KeyRelease)
            seen << QStringLiteral("release");
        return false;
    }
};

// The answer-box fixture of the repeat tests: the board shown, the focus in
// its answer box, the box's own events tapped and its KeyUp counted.
struct HeldKeyBoard {
    explicit HeldKeyBoard(TestWorld& w) : board(w.ctx->screens.get<BoardLike>())
    {
        w.run([&] { board.show(); });
        board.txtRisposta.setFocus();
        box = board.txtRisposta.widget();
        box->installEventFilter(&tap);
        board.txtRisposta.KeyUp = [this](int&, int) { ++boxUps; };
    }
    BoardLike& board;
    QWidget* box = nullptr;
    KeyTap tap;
    int boxUps = 0;
};

// A window's menus: a title with two items, one of them disabled by its own
// setting.
struct MenuBoard {
    explicit MenuBoard(BoardLike& b)
        : File(b, QStringLiteral("File"), QStringLiteral("&File")), Salva(File, QStringLiteral("Salva"), QStringLiteral("&Salva")),
          Esci(File, QStringLiteral("Esci"), QStringLiteral("&Esci"))
    {
        Salva.setEnabled(false);
        Esci.Click = [this] { ++esci; };
    }
    Menu File;
    Menu Salva;
    Menu Esci;
    int esci = 0;
};

// The accessibility interface of a menu's item, found by the name it reads.
QAccessibleInterface* accessibleItem(QWidget* menu, const QString& name)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; list && i < list->childCount(); ++i)
        if (QAccessibleInterface* item = list->child(i); item && item->text(QAccessible::Name) == name)
            return item;
    return nullptr;
}

// The contrast a text reaches on screen, read off the pixels: within the
// rectangle, the commonest colour is the ground, and the pixel standing out
// most from it is the text.
double contrastoMostrato(const QImage& img, QRect dove = {})
{
    if (dove.isNull())
        dove = img.rect();
    QHash<QRgb, int> conta;
    for (int y = dove.top(); y <= dove.bottom(); ++y)
        for (int x = dove.left(); x <= dove.right(); ++x)
            ++conta[img.pixel(x, y)];
    QRgb fondo = 0;
    int piu = -1;
    for (auto it = conta.cbegin(); it != conta.cend(); ++it)
        if (it.value() > piu)
            fondo = it.key(), piu = it.value();
    double massimo = 1;
    for (auto it = conta.cbegin(); it != conta.cend(); ++it)
        massimo = std::max(massimo, Application::contrast(QColor(fondo), QColor(it.key())));
    return massimo;
}
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

    // Hidden by its own load, a window stays hidden through the show that
    // loaded it, and a later show brings it up.
    void aWindowHiddenWhileItLoadsStaysHidden_data()
    {
        QTest::addColumn<bool>("cedere");
        QTest::newRow("hides itself") << true;
        QTest::newRow("does not") << false;
    }
    void aWindowHiddenWhileItLoadsStaysHidden()
    {
        QFETCH(bool, cedere);
        TestWorld w;
        MakesWay::cedere = cedere;
        auto& menu = w.ctx->screens.get<MakesWay>();
        w.run([&] { menu.show(); });
        QCOMPARE(menu.visible(), !cedere);
        BoardLike* other = w.ctx->screens.find<BoardLike>();
        QCOMPARE(other && other->visible(), cedere);
        QCOMPARE(w.ctx->screens.active(), cedere ? static_cast<Form*>(other) : &menu);
        w.run([&] { menu.show(); });
        QVERIFY(menu.visible());
    }

    // The tail of an input that reaches a closed window's controls (a key
    // let go after the window went) runs none of its handlers.
    void aClosedWindowsControlsDoNothing()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        w.run([&] { board.show(); });
        int clicks = -1;
        w.run([&] {
            board.unload();
            static_cast<QPushButton*>(board.cmdGira.widget())->click();
            clicks = board.clicks;   // the window itself goes once this handler returns
        });
        QCOMPARE(clicks, 0);
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

    // A key sent from outside any handler closes its own window: the window
    // outlives the routing of that key and goes right after it.
    void aWindowItsOwnKeyClosesGoesOnlyAfterTheKey()
    {
        TestWorld w;
        QPointer<ClosesOnKey> f = &w.ctx->screens.get<ClosesOnKey>();
        w.run([&] { f->show(); });
        sendRaw(f->txtNome.widget(), QEvent::KeyPress, Qt::Key_F9, {});
        QVERIFY(!w.ctx->screens.find<ClosesOnKey>());
        QVERIFY(!f);
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

    // An X server that repeats a held key as unmarked release-press pairs:
    // each pair, whatever the gap up to a few ms, is one held key, whose
    // presses go on as repeats; the real release comes through once the
    // moment it is held back for has passed, to the window and to the box.
    void aRepeatsReleaseAndPressFoldIntoAHeldKey_data()
    {
        QTest::addColumn<int>("gapMs");
        for (int ms : {0, 1, 2, 3, 4, 5})
            QTest::addRow("%d ms", ms) << ms;
    }
    void aRepeatsReleaseAndPressFoldIntoAHeldKey()
    {
        QFETCH(int, gapMs);
        TestWorld w;
        HeldKeyBoard t(w);
        sendRaw(t.box, QEvent::KeyPress, Qt::Key_X, "x");
        w.advance(0.5);   // the server's delay before it repeats
        for (int i = 0; i < 3; ++i) {
            sendRaw(t.box, QEvent::KeyRelease, Qt::Key_X, "x");
            w.advance(gapMs / 1000.0);
            sendRaw(t.box, QEvent::KeyPress, Qt::Key_X, "x");
            w.advance(0.033);   // its rate
        }
        QCOMPARE(t.board.log, (QStringList{"down 88/0", "press 120", "down 88/0", "press 120", "down 88/0", "press 120",
                                           "down 88/0", "press 120"}));
        QCOMPARE(t.tap.seen, (QStringList{"press", "press repeat", "press repeat", "press repeat"}));
        QCOMPARE(t.boxUps, 0);
        QCOMPARE(t.board.txtRisposta.text(), QStringLiteral("xxxx"));

        sendRaw(t.box, QEvent::KeyRelease, Qt::Key_X, "x");
        w.advance(Form::kRepeatFoldSeconds - 0.001);
        QVERIFY(!t.board.log.contains("up 88"));
        w.advance(0.001);
        QCOMPARE(t.board.log.count("up 88"), 1);
        QCOMPARE(t.board.log.last(), QStringLiteral("up 88"));
        QCOMPARE(t.tap.seen.last(), QStringLiteral("release"));
        QCOMPARE(t.boxUps, 1);
        w.advance(1);
        QCOMPARE(t.board.log.count("up 88"), 1);
    }

    // Only the same key, pressed again within the moment, makes a repeat: a
    // release followed by another key, or by the same key later, is a real
    // release and reaches the window before the press that follows it.
    void aReleaseFoldsOnlyWithAPressOfTheSameKeyAtOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("box");
        const QStringList pressX{"down 88/0", "press 120"};
        QTest::newRow("same key at once") << int(Qt::Key_X) << "x" << 0 << pressX + pressX
                                          << QStringList{"press", "press repeat"};
        QTest::newRow("same key after the moment") << int(Qt::Key_X) << "x" << 8 << pressX + QStringList{"up 88"} + pressX
                                                   << QStringList{"press", "release", "press"};
        QTest::newRow("another key at once") << int(Qt::Key_B) << "b" << 0
                                             << pressX + QStringList{"up 88", "down 66/0", "press 98"}
                                             << QStringList{"press", "release", "press"};
        QTest::newRow("another key after 2 ms") << int(Qt::Key_B) << "b" << 2
                                                << pressX + QStringList{"up 88", "down 66/0", "press 98"}
                                                << QStringList{"press", "release", "press"};
        QTest::newRow("Shift at once") << int(Qt::Key_Shift) << "" << 0 << pressX + QStringList{"up 88", "down 16/1"}
                                       << QStringList{"press", "release", "press"};
    }
    void aReleaseFoldsOnlyWithAPressOfTheSameKeyAtOnce()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, gapMs);
        QFETCH(QStringList, log);
        QFETCH(QStringList, box);
        TestWorld w;
        HeldKeyBoard t(w);
        sendRaw(t.box, QEvent::KeyPress, Qt::Key_X, "x");
        sendRaw(t.box, QEvent::KeyRelease, Qt::Key_X, "x");
        w.advance(gapMs / 1000.0);
        sendRaw(t.box, QEvent::KeyPress, Qt::Key(key), text);
        QCOMPARE(t.board.log, log);
        QCOMPARE(t.tap.seen, box);
        QCOMPARE(t.boxUps, log.count("up 88"));
    }

    // A window that stops taking input first takes the release it holds
    // back (a spin key let go as a challenge opens over the board still
    // throws); a window that closes drops it.
    void aHeldBackReleaseIsTakenBeforeTheWindowIsDisabledAndDroppedWhenItCloses()
    {
        TestWorld w;
        HeldKeyBoard t(w);
        sendRaw(t.box, QEvent::KeyPress, Qt::Key_X, "x");
        sendRaw(t.box, QEvent::KeyRelease, Qt::Key_X, "x");
        w.run([&] { t.board.setEnabled(false); });
        QCOMPARE(t.board.log, (QStringList{"down 88/0", "press 120", "up 88"}));
        QCOMPARE(t.boxUps, 1);

        w.run([&] { t.board.setEnabled(true); });
        sendRaw(t.box, QEvent::KeyPress, Qt::Key_M, "m");
        sendRaw(t.box, QEvent::KeyRelease, Qt::Key_M, "m");
        QVERIFY(t.board.holdingKeyRelease());
        w.run([&] { t.board.unload(); });
        w.advance(1);   // nothing is left to deliver to a window that is gone
        QCOMPARE(t.boxUps, 1);
    }

    // An assistive tool triggers a menu's action directly, past the window:
    // while the window is disabled (a challenge holds the board) no action
    // of its menus acts, and enabling it gives each item its own setting
    // back, including one changed meanwhile.
    void aDisabledWindowsMenusDoNotAct()
    {
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        MenuBoard m(board);
        w.run([&] { board.show(); });
        auto* fileMenu = board.window()->findChild<QMenu*>(QStringLiteral("File"));
        auto* esci = board.window()->findChild<QAction*>(QStringLiteral("Esci"));
        auto* salva = board.window()->findChild<QAction*>(QStringLiteral("Salva"));
        QVERIFY(fileMenu && esci && salva);
        QSignalSpy triggered(esci, &QAction::triggered);

        w.run([&] { board.setEnabled(false); });
        QVERIFY(!esci->isEnabled());
        QVERIFY(!fileMenu->menuAction()->isEnabled());
        esci->trigger();
        QAccessibleInterface* item = accessibleItem(fileMenu, QStringLiteral("Esci"));
        QVERIFY(item);
        QVERIFY(item->state().disabled);
        QVERIFY(item->actionInterface());
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QAccessibleInterface* title = accessibleItem(board.menuBar(), QStringLiteral("File"));
        QVERIFY(title);
        QVERIFY(title->state().disabled);
        w.settle();
        QCOMPARE(triggered.count(), 0);
        QCOMPARE(m.esci, 0);
        QVERIFY2(m.Esci.enabled(), "the item keeps its own Enabled");

        m.Salva.setEnabled(true);
        QVERIFY2(!salva->isEnabled(), "nor does enabling an item wake it while its window is disabled");
        m.Esci.setEnabled(false);
        w.run([&] { board.setEnabled(true); });
        QVERIFY(fileMenu->menuAction()->isEnabled());
        QVERIFY(salva->isEnabled());
        QVERIFY(!esci->isEnabled());
        m.Esci.setEnabled(true);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        w.settle();
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(m.esci, 1);
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
        // A button acts on the key's release, which the window holds back
        // a moment in case the key is only repeating.
        w.advance(Form::kRepeatFoldSeconds);
        w.settle();
        QCOMPARE(others, 1);
        QCOMPARE(board.clicks, 1);
        // Enter on a focused button presses that button, not the default.
        w.keyClick(board, Qt::Key_Return, "\r");
        QCOMPARE(others, 2);
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

    // Menus belong to the system, not to the screen: over a black board, a
    // light-cyan form or the system's grey they keep a light bar with dark
    // text, and the form's colour reaches the window's edges around its
    // drawing area.
    void menusReadOverAnyFormColourWhichFillsTheWindow_data()
    {
        QTest::addColumn<quint32>("back");
        QTest::newRow("nero") << quint32(0x000000);
        QTest::newRow("ciano chiaro") << quint32(0xFFFF80);
        QTest::newRow("sistema") << quint32(0x8000000F);
    }
    void menusReadOverAnyFormColourWhichFillsTheWindow()
    {
        QFETCH(quint32, back);
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        MenuBoard m(board);
        board.setBackColor(back);
        w.run([&] { board.show(); });
        QMenuBar* bar = board.menuBar();
        auto* fileMenu = board.window()->findChild<QMenu*>(QStringLiteral("File"));
        auto* esci = board.window()->findChild<QAction*>(QStringLiteral("Esci"));
        QVERIFY(bar && fileMenu && esci);

        const QImage barra = bar->grab().toImage();
        const QRect titolo = bar->actionGeometry(fileMenu->menuAction());
        QVERIFY2(contrastoMostrato(barra, titolo) >= kContrastoLeggibile, "the menu title reads");
        QVERIFY2(Application::contrast(barra.pixelColor(titolo.topLeft()), Qt::black) >= kContrastoLeggibile, "a light bar");
        fileMenu->ensurePolished();
        const QImage tendina = fileMenu->grab().toImage();
        QVERIFY2(contrastoMostrato(tendina, fileMenu->actionGeometry(esci)) >= kContrastoLeggibile, "the menu item reads");

        // A window of another shape than the design's: margins beside the
        // drawing area show the form's colour, not a dark border.
        board.window()->resize(1000, 300);
        w.settle();
        QVERIFY(board.surface()->geometry().left() > 10);
        const QImage finestra = board.window()->grab().toImage();
        const QPoint margine(3, bar->geometry().bottom() + 5);
        QCOMPARE(finestra.pixelColor(margine), board.surface()->palette().color(QPalette::Window));
        if (back != 0x8000000F)
            QCOMPARE(finestra.pixelColor(margine), vbColor(back));
    }

    // A disabled button that tells the players what to do keeps a caption
    // they can read, whatever the button's colour.
    void aDisabledCaptionStaysReadable_data()
    {
        QTest::addColumn<quint32>("back");
        QTest::newRow("giallo") << quint32(0x00FFFF);
        QTest::newRow("sistema") << quint32(0x8000000F);
        QTest::newRow("blu") << quint32(0xFF0000);
        QTest::newRow("rosso") << quint32(0x0000FF);
        QTest::newRow("ciano") << quint32(0xFFFF00);
        QTest::newRow("grigio") << quint32(0xC0C0C0);
        QTest::newRow("verde") << quint32(0x00C000);
    }
    void aDisabledCaptionStaysReadable()
    {
        QFETCH(quint32, back);
        TestWorld w;
        auto& board = w.ctx->screens.get<BoardLike>();
        board.cmdGira.move(300, 300, 3000, 500);
        board.cmdGira.setCaption(QStringLiteral("Osserva le figure..."));
        board.cmdGira.setBackColor(back);
        w.run([&] { board.show(); });
        const double acceso = contrastoMostrato(board.cmdGira.widget()->grab().toImage());
        board.cmdGira.setEnabled(false);
        const double spento = contrastoMostrato(board.cmdGira.widget()->grab().toImage());
        QVERIFY2(spento >= kContrastoLeggibile, qPrintable(QString::number(spento)));
        QVERIFY2(spento <= acceso, "a disabled caption does not stand out more than an enabled one");
    }
};

ZOLMERA_TEST_MAIN(TestForms)
#include "tst_forms.moc"

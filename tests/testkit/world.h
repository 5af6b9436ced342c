#pragma once
// A fresh game world for one test: fake services on virtual time, an empty
// program folder of its own, the shared state and the screen registry.
#include "platform/application.h"
#include "platform/control.h"
#include "platform/fake_platform.h"
#include "state/context.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zolmera::testing {

class TestWorld {
public:
    TestWorld();
    ~TestWorld();

    FakePlatform fakes;
    QTemporaryDir dir;
    std::unique_ptr<AppContext> ctx;

    VirtualEventLoop& loop() { return fakes.loop; }
    Modulo1& M() { return ctx->M; }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    // Creates a file (and its folders) in the program's folder.
    void touch(const QString& relative, const QByteArray& content = {});
    // The five data folders of every edition, empty.
    void makeEditionFolders();

    // Runs a handler the way the event loop would, then lets posted work
    // (window activations) happen.
    void run(const std::function<void()>& handler);
    // Delivers what the window system has queued (activations, focus), then
    // the game's posted work; the virtual clock does not move.
    void settle();
    void advance(double seconds) { fakes.loop.advance(seconds); }

    // A player's click on a control (ignored when it is disabled or its
    // window is), then posted work.
    void click(Control& control);
    // A player's press or release of a mouse button on a control, or on a
    // window's own surface, at its centre.
    void mousePress(Control& control, Qt::MouseButton button) { mouse(control.widget(), button, true); }
    void mouseRelease(Control& control, Qt::MouseButton button) { mouse(control.widget(), button, false); }
    void mousePress(Form& form, Qt::MouseButton button) { mouse(form.surface(), button, true); }
    void mouseRelease(Form& form, Qt::MouseButton button) { mouse(form.surface(), button, false); }
    // A player's drag of one control onto another: a press on the source, a
    // release over the centre of the target, through the mouse as a player
    // does it. A held drag is the press, whatever the test lets happen
    // meanwhile (a clock that moves on, a turn that ends), then the release,
    // over a control or over a point of a window given in twips.
    void drag(Control& source, Control& target)
    {
        pressToDrag(source);
        releaseOver(target);
    }
    void pressToDrag(Control& source);
    void moveOver(Control& target);
    void releaseOver(Control& target);
    void releaseOver(Form& form, int xTwips, int yTwips);

    // A player's key on a window: delivered to its focused control as the
    // system would, so the window's key preview sees it first. A release is
    // a real one: the clock moves on by the moment the window holds it back
    // in case the key is only repeating (Form::kRepeatFoldSeconds).
    void keyClick(Form& form, Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Each character typed in turn, as a player types them.
    void typeKeys(Form& form, const QString& characters);
    void keyPress(Form& form, Qt::Key key, const QString& text = {}, bool autoRepeat = false);
    void keyRelease(Form& form, Qt::Key key, const QString& text = {}, bool autoRepeat = false);

private:
    void mouse(QWidget* target, Qt::MouseButton button, bool press);
    void letReleaseThrough(Form& form);
};

// Keeps quiet the offscreen platform's warning that it cannot raise windows
// or grab the keyboard, which it gives at every window a long test opens;
// every other message goes on as before.
void quietOffscreenWarnings();

// Whether a single-line box shows its text whole, as the box itself lays it
// out: with the caret at the end the first character is still at the left
// edge, and with the caret at the start the right edge is past the last.
bool showsWhole(Control& box);

}  // namespace zolmera::testing

// A test main with the game's own application object, so key preview works.
#define ZOLMERA_TEST_MAIN(TestClass)                                  \
    int main(int argc, char** argv)                                   \
    {                                                                 \
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));   \
        zolmera::Application app(argc, argv);                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);                      \
        TestClass tc;                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                    \
        return QTest::qExec(&tc, argc, argv);                         \
    }

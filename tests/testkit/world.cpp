#include "testkit/world.h"

#include "app/composizione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace zolmera::testing {

namespace {
QtMessageHandler gQtHandler = nullptr;
void filtro(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (type == QtWarningMsg && msg.startsWith(QLatin1String("This plugin does not support")))
        return;
    gQtHandler(type, context, msg);
}
}  // namespace

void quietOffscreenWarnings()
{
    if (!gQtHandler)
        gQtHandler = qInstallMessageHandler(filtro);
}

TestWorld::TestWorld()
{
    ctx = std::make_unique<AppContext>(fakes.platform(), dir.path());
    componi(*ctx);
}

TestWorld::~TestWorld()
{
    // Windows go before the services they use.
    ctx.reset();
}

void TestWorld::touch(const QString& relative, const QByteArray& content)
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
}

void TestWorld::makeEditionFolders()
{
    for (const char* stem : {"images", "sounds", "intro", "saved", "scores"})
        for (int d = 1; d <= 4; ++d)
            QDir().mkpath(path(QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(d)));
}

void TestWorld::settle()
{
    QCoreApplication::processEvents();
    fakes.loop.settle();
}

void TestWorld::run(const std::function<void()>& handler)
{
    fakes.loop.dispatch(handler);
    settle();
}

void TestWorld::click(Control& control)
{
    QWidget* w = control.widget();
    // Check and option boxes answer on their box and caption, at the left.
    const bool box = w->inherits("QCheckBox") || w->inherits("QRadioButton");
    const QPoint at = box ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

void TestWorld::pressToDrag(Control& source)
{
    QTest::mousePress(source.widget(), Qt::LeftButton, Qt::NoModifier, source.widget()->rect().center());
    settle();
}

void TestWorld::moveOver(Control& target)
{
    QTest::mouseMove(target.widget(), target.widget()->rect().center());
    settle();
}

void TestWorld::releaseOver(Control& target)
{
    QTest::mouseRelease(target.widget(), Qt::LeftButton, Qt::NoModifier, target.widget()->rect().center());
    settle();
}

void TestWorld::releaseOver(Form& form, int xTwips, int yTwips)
{
    const double k = form.pixelsPerTwip();
    QTest::mouseRelease(form.surface(), Qt::LeftButton, Qt::NoModifier, QPoint(int(xTwips * k), int(yTwips * k)));
    settle();
}

void TestWorld::mouse(QWidget* target, Qt::MouseButton button, bool press)
{
    const QPoint at = target->rect().center();
    if (press)
        QTest::mousePress(target, button, Qt::NoModifier, at);
    else
        QTest::mouseRelease(target, button, Qt::NoModifier, at);
    settle();
}

namespace {
QWidget* keyTarget(Form& form)
{
    QWidget* focus = form.window()->focusWidget();
    return focus ? focus : form.window();
}

void sendKey(QEvent::Type type, QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods, bool repeat)
{
    QKeyEvent e(type, key, mods, text, repeat);
    QCoreApplication::instance()->notify(target, &e);
}

void sendKey(QEvent::Type type, Form& form, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods, bool repeat)
{
    sendKey(type, keyTarget(form), key, text, mods, repeat);
}
}  // namespace

void TestWorld::letReleaseThrough(Form& form)
{
    // The window holds a release back for a moment in case the key is only
    // repeating; a player's release here is a real one, so that moment passes.
    if (form.holdingKeyRelease())
        fakes.loop.advance(Form::kRepeatFoldSeconds);
}

void TestWorld::typeKeys(Form& form, const QString& characters)
{
    for (QChar c : characters)
        keyClick(form, Qt::Key(c.toUpper().unicode()), QString(c));
}

void TestWorld::keyClick(Form& form, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods)
{
    // The press may close the window (Enter on its button): the release then
    // has nowhere to go.
    QPointer<QWidget> target = keyTarget(form);
    sendKey(QEvent::KeyPress, target, key, text, mods, false);
    if (target) {
        sendKey(QEvent::KeyRelease, target, key, text, mods, false);
        if (target)
            letReleaseThrough(form);
    }
    settle();
}

void TestWorld::keyPress(Form& form, Qt::Key key, const QString& text, bool autoRepeat)
{
    sendKey(QEvent::KeyPress, form, key, text, Qt::NoModifier, autoRepeat);
    settle();
}

void TestWorld::keyRelease(Form& form, Qt::Key key, const QString& text, bool autoRepeat)
{
    sendKey(QEvent::KeyRelease, form, key, text, Qt::NoModifier, autoRepeat);
    letReleaseThrough(form);
    settle();
}

bool showsWhole(Control& box)
{
    auto* riga = qobject_cast<QLineEdit*>(box.widget());
    if (!riga)
        return false;
    // The line edit works out how far it scrolls its text when it paints.
    const int y = riga->height() / 2;
    const int caret = riga->cursorPosition();
    riga->setCursorPosition(int(riga->text().size()));
    riga->grab();
    const bool inizio = riga->cursorPositionAt(QPoint(0, y)) == 0;
    riga->setCursorPosition(0);
    riga->grab();
    const bool fine = riga->cursorPositionAt(QPoint(riga->width() - 1, y)) == riga->text().size();
    riga->setCursorPosition(caret);
    return inizio && fine;
}

}  // namespace zolmera::testing

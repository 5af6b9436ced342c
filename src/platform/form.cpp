#include "platform/form.h"

#include "platform/control.h"
#include "platform/drag.h"
#include "platform/controls.h"
#include "platform/multimedia.h"
#include "platform/screens.h"
#include "platform/text.h"
#include "platform/timer.h"

#include <QApplication>
#include <QPushButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include <utility>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zolmera {

Container::~Container() = default;

namespace {
double gInitialZoom = 1.0;

// Every role of the palette set as the widget's own, so that none of them
// follows its window's colours.
QPalette proprio(const QPalette& base)
{
    QPalette pal;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto gruppo = QPalette::ColorGroup(g);
            const auto ruolo = QPalette::ColorRole(r);
            if (ruolo != QPalette::NoRole)
                pal.setColor(gruppo, ruolo, base.color(gruppo, ruolo));
        }
    return pal;
}

// The drawing area of a window: its design size times the current scale,
// centred in the window with a quiet border when the shapes differ.
class Surface final : public QWidget {
public:
    explicit Surface(Form& form, QWidget* parent) : QWidget(parent), form_(form)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { send(e, &Form::Form_MouseDown); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        send(e, &Form::Form_MouseUp);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            form_.dispatch([this] { form_.Form_Click(); });
    }
    void mouseMoveEvent(QMouseEvent* e) override { send(e, &Form::Form_MouseMove); }

private:
    using Handler = void (Form::*)(int, int, double, double);
    void send(QMouseEvent* e, Handler h)
    {
        const int button = vbButton(e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button()));
        const double k = form_.pixelsPerTwip();
        const double x = e->position().x() / k;
        const double y = e->position().y() / k;
        const int shift = vbShift(e->modifiers());
        form_.dispatch([this, h, button, shift, x, y] { (form_.*h)(button, shift, x, y); });
    }
    Form& form_;
};
}  // namespace

class FormWindow final : public QWidget {
public:
    explicit FormWindow(Form& form) : form_(form)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setAutoFillBackground(true);
        surface_ = new Surface(form, this);
    }
    Form& form() const { return form_; }
    QWidget* surface() const { return surface_; }
    QMenuBar* menuBar()
    {
        if (!menuBar_) {
            menuBar_ = new QMenuBar(this);
            // The bar is the system's, not the screen's: it keeps its light
            // face and dark text over a black board or a cyan form alike.
            menuBar_->setPalette(proprio(QApplication::palette()));
            menuBar_->setAutoFillBackground(true);
            menuBar_->show();
            resize(width(), height() + menuBar_->sizeHint().height());
            place();
        }
        return menuBar_;
    }
    int menuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }
    void place()
    {
        const int mh = menuHeight();
        if (menuBar_)
            menuBar_->setGeometry(0, 0, width(), mh);
        const double dw = form_.scaleWidth(), dh = form_.scaleHeight();
        const double avail_w = width(), avail_h = std::max(height() - mh, 1);
        const double k = std::min(avail_w / dw, avail_h / dh);
        const int w = int(std::lround(dw * k)), h = int(std::lround(dh * k));
        surface_->setGeometry((width() - w) / 2, mh + (int(avail_h) - h) / 2, w, h);
        form_.relayout(k);
    }

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    void closeEvent(QCloseEvent* e) override
    {
        // Closing is the window's decision (Form_QueryUnload may refuse it);
        // if it agrees, unload() hides the window itself. A disabled window
        // cannot be closed by the user, as it takes no other input either.
        e->ignore();
        if (form_.enabled())
            form_.onCloseRequested();
    }

private:
    Form& form_;
    QWidget* surface_;
    QMenuBar* menuBar_ = nullptr;
};

Form::Form(Platform& platform, const QString& name, int clientWidthTw, int clientHeightTw)
    : platform_(platform), name_(name), widthTw_(std::max(clientWidthTw, 1)),
      heightTw_(std::max(clientHeightTw, 1)), window_(new FormWindow(*this))
{
    window_->setObjectName(name);
    window_->setWindowTitle(name);
    pixelsPerTwip_ = gInitialZoom / kTwipsPerPixel;
    window_->resize(int(std::lround(widthTw_ * pixelsPerTwip_)), int(std::lround(heightTw_ * pixelsPerTwip_)));
    setBackColor(backColor_);
}

Form::~Form()
{
    // Controls belong to the screen object and go with it; the widgets go
    // with the window.
    for (Timer* t : timers_)
        t->stopForUnload();
    platform_.loop.cancel(heldTask_);
    delete window_;
}

void Form::setInitialZoom(double zoom) { gInitialZoom = std::clamp(zoom, 0.5, 4.0); }

Form* Form::of(QWidget* widget)
{
    // By the widget's own window: a message box or a dialog is a window of
    // its own even when it sits over a screen.
    if (auto* fw = widget ? dynamic_cast<FormWindow*>(widget->window()) : nullptr)
        return &fw->form();
    return nullptr;
}

QWidget* Form::window() const { return window_; }
QWidget* Form::surface() const { return window_->surface(); }
QMenuBar* Form::menuBar() { return window_->menuBar(); }

void Form::load()
{
    if (loaded_ || unloaded_)
        return;
    loaded_ = true;
    window_->place();
    for (Timer* t : timers_)
        t->formLoaded();
    caricando_ = true;
    Form_Load();
    caricando_ = false;
}

void Form::show()
{
    if (unloaded_)
        return;
    if (!loaded_)
        load();
    if (unloaded_)
        return;
    if (nascostaNelCaricamento_) {
        nascostaNelCaricamento_ = false;
        return;
    }
    labelBoxes(*this);
    window_->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window_->raise();   // headless windows have no stacking to change
    window_->activateWindow();
    if (registry_)
        registry_->formShown(*this);
}

void Form::hide()
{
    if (caricando_)
        nascostaNelCaricamento_ = true;
    if (window_->isHidden())
        return;
    window_->hide();
    if (registry_)
        registry_->formHidden(*this);
}

bool Form::visible() const { return loaded_ && !window_->isHidden(); }

bool Form::unload(UnloadMode mode)
{
    if (!loaded_ || unloaded_)
        return true;
    if (unloading_)
        return false;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel)
        Form_Unload(cancel);
    unloading_ = false;
    if (cancel)
        return false;

    unloaded_ = true;
    loaded_ = false;
    dropHeldKeyRelease();   // a closed window takes no more keys
    Trascinamento::corrente().finestraChiusa(*this);
    for (Timer* t : timers_)
        t->stopForUnload();
    for (MultimediaControl* m : players_)
        m->command(QStringLiteral("Close"));
    window_->hide();
    if (registry_)
        registry_->formUnloaded(*this);
    return true;
}

void Form::onCloseRequested()
{
    dispatch([this] { unload(UnloadMode::ControlMenu); });
}

void Form::setEnabled(bool on)
{
    // A release held back before the window stops taking input is one it
    // took: a spin key let go just before a challenge opens still throws.
    if (!on && !deliverHeldKeyRelease())
        return;
    enabled_ = on;
    window_->setEnabled(on);
    // Its menus too, for every kind of input: an assistive tool triggers a
    // menu's action directly, past the disabled window.
    for (Menu* m : menus_)
        m->applyEnabled();
    if (on) {
        Control* c = std::exchange(pendingFocus_, nullptr);
        if (c && c->visible() && c->enabled())
            c->widget()->setFocus(Qt::OtherFocusReason);
    }
}

void Form::focusControl(Control& c)
{
    if (enabled_) {
        pendingFocus_ = nullptr;
        c.widget()->setFocus(Qt::OtherFocusReason);
    } else {
        pendingFocus_ = &c;
    }
}

QString Form::caption() const { return window_->windowTitle(); }
void Form::setCaption(const QString& text) { window_->setWindowTitle(text); }

void Form::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    // The window's margins around the drawing area (when its shape differs
    // from the design's) take the same colour: the form is its colour edge
    // to edge. The surface's own palette is what its controls inherit.
    for (QWidget* w : {static_cast<QWidget*>(window_), surface()}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, vbColor(bgr));
        w->setPalette(pal);
    }
}

void Form::setDefaultFont(const QString& family, double pointSize)
{
    fontName_ = family;
    fontSize_ = pointSize;
}

WaitEnd Form::wait(double deadline, const std::function<bool()>& done)
{
    return platform_.loop.waitUntil(deadline, done, [this] { return unloaded_; });
}

void Form::dispatch(const std::function<void()>& handler) { platform_.loop.dispatch(handler); }

void Form::addControl(Control* c) { controls_.push_back(c); }
void Form::removeControl(Control* c)
{
    std::erase(controls_, c);
    if (pendingFocus_ == c)
        pendingFocus_ = nullptr;
}
void Form::addTimer(Timer* t) { timers_.push_back(t); }
void Form::removeTimer(Timer* t) { std::erase(timers_, t); }
void Form::addPlayer(MultimediaControl* m) { players_.push_back(m); }
void Form::removePlayer(MultimediaControl* m) { std::erase(players_, m); }
void Form::addMenu(Menu* m) { menus_.push_back(m); }
void Form::removeMenu(Menu* m) { std::erase(menus_, m); }

void Form::relayout(double scale)
{
    pixelsPerTwip_ = scale;
    for (Control* c : controls_)
        c->applyScale(scale);
}

bool Form::routeKey(QWidget* receiver, QKeyEvent* e)
{
    if (!loaded_ || !window_->isEnabled() || resending_)
        return false;
    // A key belongs to the window that has it: Enter in a dialog's file name
    // box or a letter in a message box over this window is not this window's
    // key, for its preview or for its default and cancel buttons.
    if (receiver->window() != window_)
        return false;
    if (e != replaying_) {
        if (foldRepeat(receiver, e))
            return true;
        // A release delivered just now may have closed or disabled it.
        if (!loaded_ || !window_->isEnabled())
            return false;
    }
    const bool own = receiver == window_ || receiver == surface();
    const int shift = vbShift(e->modifiers());

    if (e->type() == QEvent::KeyRelease) {
        // A held key repeats its press, never its release.
        if (e->isAutoRepeat() || !(keyPreview_ || own))
            return false;
        int code = vbKeyCode(e);
        dispatch([&] { Form_KeyUp(code, shift); });
        return false;
    }

    if (keyPreview_ || own) {
        int code = vbKeyCode(e);
        dispatch([&] { Form_KeyDown(code, shift); });
        const QString text = e->text();
        if (loaded_ && !text.isEmpty() && isCp1252(text.at(0))) {
            const int original = quint8(toCp1252(text.left(1)).at(0));
            int ascii = original;
            dispatch([&] { Form_KeyPress(ascii); });
            if (ascii == 0)
                return true;   // the character never reaches the focused control
            if (ascii != original) {
                // The control gets the character the window chose instead,
                // without the window seeing it a second time.
                const QString changed = fromCp1252(QByteArray(1, char(ascii)));
                QKeyEvent replacement(e->type(), e->key(), e->modifiers(), changed, e->isAutoRepeat());
                resending_ = true;
                QCoreApplication::sendEvent(receiver, &replacement);
                resending_ = false;
                return true;
            }
        }
    }

    if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
        dispatch([this] { helpRequested(); });
        return true;
    }

    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool escape = e->key() == Qt::Key_Escape;
    // A push button with the focus takes Enter as a press of its own, as it
    // would take the space bar; Qt's buttons outside dialogs ignore it.
    if (enter) {
        auto* pulsante = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (pulsante && pulsante->isEnabled() && pulsante->window() == window_) {
            pulsante->click();
            return true;
        }
    }
    CommandButton* target = enter ? defaultButton_ : escape ? cancelButton_ : nullptr;
    if (target && target->enabled() && target->widget()->isVisible()) {
        // A focused button takes Enter itself, as does a multi-line box.
        QWidget* focus = QApplication::focusWidget();
        const bool focusedButton = focus && focus->inherits("QAbstractButton");
        const bool memo = focus && focus->inherits("QPlainTextEdit");
        if (escape || (!focusedButton && !memo)) {
            target->click();
            return true;
        }
    }
    return false;
}

bool Form::foldRepeat(QWidget* receiver, QKeyEvent* e)
{
    if (e->type() == QEvent::KeyRelease) {
        // A release marked as a repeat's is passed on as it is (the routing
        // below ignores it).
        if (e->isAutoRepeat())
            return false;
        if (!deliverHeldKeyRelease())   // keys keep their order
            return true;
        if (!loaded_ || !window_->isEnabled())
            return false;
        heldRelease_.reset(e->clone());
        heldReceiver_ = receiver;
        heldTask_ = platform_.loop.startSingleShot(kRepeatFoldSeconds, [this] {
            heldTask_ = 0;
            deliverHeldKeyRelease();
        });
        return true;
    }
    if (!heldRelease_)
        return false;
    if (heldRelease_->key() != e->key()) {
        // Another key: the held release was a real one, and goes first.
        return !deliverHeldKeyRelease();
    }
    // The same key again at once: the key never went up. The release is
    // dropped and the press goes on as a held key's repeat.
    dropHeldKeyRelease();
    QKeyEvent repeat(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                     e->nativeModifiers(), e->text(), true, e->count(), e->device());
    const QPointer<Form> self(this);
    const QKeyEvent* outer = std::exchange(replaying_, &repeat);
    QCoreApplication::sendEvent(receiver, &repeat);
    if (self)
        replaying_ = outer;
    e->setAccepted(repeat.isAccepted());
    return true;
}

void Form::dropHeldKeyRelease()
{
    platform_.loop.cancel(heldTask_);
    heldTask_ = 0;
    heldRelease_.reset();
    heldReceiver_.clear();
}

bool Form::deliverHeldKeyRelease()
{
    if (!heldRelease_)
        return true;
    const std::unique_ptr<QKeyEvent> release = std::move(heldRelease_);
    const QPointer<QWidget> receiver = heldReceiver_;
    dropHeldKeyRelease();
    if (!receiver)
        return true;   // its control is gone
    // Its handler may close this window, which then goes at once when no
    // other handler is running.
    const QPointer<Form> self(this);
    const QKeyEvent* outer = std::exchange(replaying_, release.get());
    QCoreApplication::sendEvent(receiver, release.get());
    if (!self)
        return false;
    replaying_ = outer;
    return true;
}

QColor vbColor(quint32 bgr)
{
    if (bgr & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (bgr & 0xFF) {
        case 0x05: return pal.color(QPalette::Base);          // window background
        case 0x08: return pal.color(QPalette::Text);          // window text
        case 0x0F: return pal.color(QPalette::Button);        // button face
        case 0x12: return pal.color(QPalette::ButtonText);    // button text
        case 0x0E: return pal.color(QPalette::HighlightedText);
        case 0x0D: return pal.color(QPalette::Highlight);
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

int vbButton(Qt::MouseButtons held)
{
    int button = 0;
    if (held & Qt::LeftButton)
        button |= mouse::Left;
    if (held & Qt::RightButton)
        button |= mouse::Right;
    if (held & Qt::MiddleButton)
        button |= mouse::Middle;
    return button;
}

int vbShift(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= shiftkey::Shift;
    if (m & Qt::ControlModifier)
        s |= shiftkey::Ctrl;
    if (m & Qt::AltModifier)
        s |= shiftkey::Alt;
    return s;
}

int vbKeyCode(const QKeyEvent* e)
{
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;   // Qt's letter codes are the upper-case ones, as ours
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return (e->modifiers() & Qt::KeypadModifier) ? 107 : 187;
    case Qt::Key_Minus: return (e->modifiers() & Qt::KeypadModifier) ? 109 : 189;
    case Qt::Key_Period: return (e->modifiers() & Qt::KeypadModifier) ? 110 : 190;
    case Qt::Key_Slash: return (e->modifiers() & Qt::KeypadModifier) ? 111 : 191;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Semicolon: return 186;
    case Qt::Key_Apostrophe: return 222;
    case Qt::Key_BracketLeft: return 219;
    case Qt::Key_BracketRight: return 221;
    case Qt::Key_Backslash: return 220;
    case Qt::Key_Equal: return 187;
    case Qt::Key_QuoteLeft: return 192;
    default: break;
    }
    // Other characters: their upper-case code in the game's code page.
    const QString t = vbUCase(e->text());
    if (!t.isEmpty() && isCp1252(t.at(0)))
        return quint8(toCp1252(t.left(1)).at(0));
    return 0;
}

}  // namespace zolmera

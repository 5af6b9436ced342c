#include "platform/control.h"

#include "platform/drag.h"
#include "platform/form.h"
#include "platform/text.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>

namespace zolmera {

Control::Control(Container& parent, const QString& name, QWidget* widget)
    : form_(parent.form()), widget_(widget), name_(name), fontName_(form_.defaultFontName()),
      fontSize_(form_.defaultFontSize())
{
    widget_->setParent(parent.surface());
    widget_->setObjectName(name);
    // A press on a control is that control's alone: the frame or the window
    // under it must not take it as a press of its own (a board target that
    // charges a spin would otherwise fire for every label laid on it).
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    watch(widget_);
    form_.addControl(this);
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
    widget_->show();
}

Control::~Control()
{
    if (Trascinamento::corrente().sorgente() == this)
        Trascinamento::corrente().annulla();
    form_.removeControl(this);
}

void Control::watch(QObject* object) { object->installEventFilter(this); }

void Control::move(int left, int top) { move(left, top, rect_.width(), rect_.height()); }

void Control::move(int left, int top, int width, int height)
{
    rect_ = QRect(left, top, std::max(width, 0), std::max(height, 0));
    applyScale(form_.pixelsPerTwip());
}

void Control::applyScale(double k)
{
    // From absolute edges, so neighbouring controls never open gaps or overlap
    // by a rounding pixel.
    const int x = int(std::lround(rect_.x() * k));
    const int y = int(std::lround(rect_.y() * k));
    const int r = int(std::lround((rect_.x() + rect_.width()) * k));
    const int b = int(std::lround((rect_.y() + rect_.height()) * k));
    widget_->setGeometry(x, y, std::max(r - x, 0), std::max(b - y, 0));
    applyFont(k * kTwipsPerPixel);
}

void Control::applyFont(double scale)
{
    QFont f(fontName_);
    f.setPointSizeF(std::max(fontSize_ * scale, 1.0));
    f.setBold(bold_);
    f.setItalic(italic_);
    f.setUnderline(underline_);
    widget_->setFont(f);
}

void Control::setVisible(bool on)
{
    visible_ = on;
    widget_->setVisible(on);
    if (!on && Trascinamento::corrente().sorgente() == this)
        Trascinamento::corrente().annulla();
}

void Control::setEnabled(bool on)
{
    enabled_ = on;
    widget_->setEnabled(on);
    if (!on && Trascinamento::corrente().sorgente() == this)
        Trascinamento::corrente().annulla();
}

void Control::setDragMode(int mode)
{
    dragMode_ = mode;
    if (mode == 0 && Trascinamento::corrente().sorgente() == this)
        Trascinamento::corrente().annulla();
}

void Control::riceviTrascinato(Control& source)
{
    fire([&] { if (DragDrop) DragDrop(source); });
}

void Control::setFontName(const QString& family)
{
    fontName_ = family;
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
}

void Control::setFontSize(double points)
{
    fontSize_ = points;
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
}

void Control::setFontBold(bool on)
{
    bold_ = on;
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
}

void Control::setFontItalic(bool on)
{
    italic_ = on;
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
}

void Control::setFontUnderline(bool on)
{
    underline_ = on;
    applyFont(form_.pixelsPerTwip() * kTwipsPerPixel);
}

void Control::setToolTipText(const QString& text)
{
    toolTip_ = text;
    widget_->setToolTip(text);
}

QString Control::accessibleName() const { return widget_->accessibleName(); }
void Control::setAccessibleName(const QString& text)
{
    ownName_ = true;
    widget_->setAccessibleName(text);
}

void Control::setLabel(Control& label)
{
    if (label_ == &label || &label == this)
        return;
    if (label_)
        std::erase(label_->labelled_, this);
    label_ = &label;
    label.labelled_.emplace_back(this);
    // The relation is how a screen reader on Linux names a drop-down list,
    // which it otherwise reads by the item chosen.
    if (auto* l = qobject_cast<QLabel*>(label.widget()))
        l->setBuddy(widget_);
    takeNameFromLabel();
}

void Control::takeNameFromLabel()
{
    if (ownName_ || !label_)
        return;
    // A caption laid out on two lines is one name.
    const QString nome = label_->shownText().simplified();
    widget_->setAccessibleName(nome);
    const QString proprio = shownText().simplified();
    widget_->setAccessibleDescription(proprio == nome ? QString() : proprio);
}

void Control::shownTextChanged()
{
    takeNameFromLabel();
    for (const QPointer<Control>& c : labelled_)
        if (c)
            c->takeNameFromLabel();
}

void Control::setFocus() { form_.focusControl(*this); }

void Control::zOrder(int position)
{
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

void Control::fire(const std::function<void()>& handler)
{
    // A closed window's controls may still get the tail of an input (a key
    // let go after the window went, a release on a button that was held):
    // no handler of a closed window runs.
    if (form_.unloaded())
        return;
    form_.dispatch(handler);
}

bool Control::eventFilter(QObject* watched, QEvent* event)
{
    auto* source = static_cast<QWidget*>(watched);
    auto mouseArgs = [this, source](QMouseEvent* e, bool move) {
        const int button = vbButton(move ? e->buttons() : Qt::MouseButtons(e->button()));
        const double k = form_.pixelsPerTwip();
        QPoint p = e->position().toPoint();
        if (source != widget_ && widget_->isAncestorOf(source))
            p = source->mapTo(widget_, p);
        return std::tuple{button, vbShift(e->modifiers()), p.x() / k, p.y() / k};
    };

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // This filter sees the mouse before Qt turns it away from a disabled
        // widget (itself, or inside a disabled frame or window): a disabled
        // control hears nothing of it.
        if (!source->isEnabled()) {
            pressedInside_ = false;
            return false;
        }
        break;
    default:
        break;
    }

    if (dragMode_ == 1 && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && !form_.unloaded()) {
            pressedInside_ = false;
            Trascinamento::corrente().inizia(*this, e->globalPosition().toPoint());
        }
        return true;
    }

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressedInside_ = e->button() == Qt::LeftButton;
        auto [b, s, x, y] = mouseArgs(e, false);
        fire([&, b = b, s = s, x = x, y = y] { if (MouseDown) MouseDown(b, s, x, y); });
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        auto [b, s, x, y] = mouseArgs(e, false);
        fire([&, b = b, s = s, x = x, y = y] { if (MouseUp) MouseUp(b, s, x, y); });
        const bool inside = source->rect().contains(e->position().toPoint());
        if (pressedInside_ && inside && e->button() == Qt::LeftButton && clickOnMouseRelease())
            fireClick();
        pressedInside_ = false;
        break;
    }
    case QEvent::MouseButtonDblClick:
        fire([this] { if (DblClick) DblClick(); });
        break;
    case QEvent::MouseMove: {
        auto [b, s, x, y] = mouseArgs(static_cast<QMouseEvent*>(event), true);
        fire([&, b = b, s = s, x = x, y = y] { if (MouseMove) MouseMove(b, s, x, y); });
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only a move of the focus inside the window is the control's: a
        // message box, another program or a menu taking the input for a
        // while leaves the focus where it was, and a screen that checks a
        // box as it is left must not check it for that, or while the window
        // is closing.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (event->type() == QEvent::FocusIn)
            fire([this] { if (GotFocus) GotFocus(); });
        else
            fire([this] { if (LostFocus) LostFocus(); });
        break;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        int code = vbKeyCode(e);
        const int shift = vbShift(e->modifiers());
        fire([&] { if (KeyDown) KeyDown(code, shift); });
        const QString text = e->text();
        if (KeyPress && !text.isEmpty() && isCp1252(text.at(0))) {
            int ascii = quint8(toCp1252(text.left(1)).at(0));
            fire([&] { KeyPress(ascii); });
            if (ascii == 0)
                return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(event);
        if (!e->isAutoRepeat()) {
            int code = vbKeyCode(e);
            const int shift = vbShift(e->modifiers());
            fire([&] { if (KeyUp) KeyUp(code, shift); });
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zolmera

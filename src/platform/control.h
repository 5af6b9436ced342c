#pragma once
// The base of every visible control: a Qt widget placed in twips inside its
// container, with the properties and events the screens use. Visible and
// Enabled are the control's own settings: a control inside a hidden frame
// keeps Visible true, as the screens expect when they test it.
#include "platform/arrayindex.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace zolmera {

class Container;
class Form;

class Control : public QObject {
public:
    Control(Container& parent, const QString& name, QWidget* widget);
    ~Control() override;

    Form& form() const { return form_; }
    QWidget* widget() const { return widget_; }
    const QString& name() const { return name_; }

    // Position and size in twips, relative to the container.
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    int left() const { return rect_.x(); }
    int top() const { return rect_.y(); }
    int width() const { return rect_.width(); }
    int height() const { return rect_.height(); }
    void setLeft(int v) { move(v, rect_.y(), rect_.width(), rect_.height()); }
    void setTop(int v) { move(rect_.x(), v, rect_.width(), rect_.height()); }
    void setWidth(int v) { move(rect_.x(), rect_.y(), v, rect_.height()); }
    void setHeight(int v) { move(rect_.x(), rect_.y(), rect_.width(), v); }

    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    QString fontName() const { return fontName_; }
    void setFontName(const QString& family);
    double fontSize() const { return fontSize_; }
    void setFontSize(double points);
    bool fontBold() const { return bold_; }
    void setFontBold(bool on);
    bool fontItalic() const { return italic_; }
    void setFontItalic(bool on);
    bool fontUnderline() const { return underline_; }
    void setFontUnderline(bool on);

    QString toolTipText() const { return toolTip_; }
    void setToolTipText(const QString& text);
    // The name a screen reader says for the control. None by default: a
    // button or a label is read by its caption, and a control's own name
    // means nothing to a player. A name given here is the control's for good.
    QString accessibleName() const;
    void setAccessibleName(const QString& text);
    // The label a sighted player reads beside the control: while the control
    // has no name of its own, the label's caption is its name, and follows
    // the caption as it changes; a button's own caption then describes it.
    // A window gives each of its boxes the label beside it when it is shown
    // (Form::show); a button whose caption is a value ("NO", "TASTIERA")
    // is given its label by its screen.
    void setLabel(Control& label);
    Control* label() const { return label_; }
    // The text the control shows as its own: a caption, for those that have one.
    virtual QString shownText() const { return {}; }
    QString tag;

    // While its window is disabled (another window works over it), the
    // control takes the focus as soon as the window is enabled again.
    void setFocus();
    // 0 brings the control to the front of its siblings, 1 sends it back.
    void zOrder(int position = 0);

    // Events. x and y are twips within the control.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int button, int shift, double x, double y)> MouseDown;
    std::function<void(int button, int shift, double x, double y)> MouseUp;
    std::function<void(int button, int shift, double x, double y)> MouseMove;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyCode, int shift)> KeyUp;

    // 0 (manual): the mouse acts on the control as usual; 1 (automatic): a
    // left press takes the control up to be dropped elsewhere, and raises no
    // Click, MouseDown or MouseUp of its own.
    int dragMode() const { return dragMode_; }
    void setDragMode(int mode);
    // A control dropped on this one (this one itself included).
    std::function<void(Control& source)> DragDrop;
    void riceviTrascinato(Control& source);

    // Called by the window when its scale changes.
    virtual void applyScale(double pixelsPerTwip);

protected:
    void fire(const std::function<void()>& handler);
    void fireClick() { fire([this] { if (Click) Click(); }); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void applyFont(double scale);
    // Whether a press and release on the widget count as Click here; buttons
    // and lists raise their own.
    virtual bool clickOnMouseRelease() const { return true; }
    // The widget the control's own events come from (the inner editor of a box).
    void watch(QObject* object);
    // The control's shown text changed: the names it gives or takes follow.
    void shownTextChanged();

private:
    Form& form_;
    QWidget* widget_;
    QString name_;
    QRect rect_;
    bool visible_ = true;
    bool enabled_ = true;
    QString fontName_;
    double fontSize_;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    QString toolTip_;
    // The label that names the control, and the controls this one names.
    QPointer<Control> label_;
    std::vector<QPointer<Control>> labelled_;
    bool ownName_ = false;
    void takeNameFromLabel();
    bool pressedInside_ = false;
    int dragMode_ = 0;
};

// A control array: elements by index; the screen wires each element's events.
// An index out of range stops the program naming the array and the access.
template <class T>
class ControlArray {
public:
    T& operator[](ArrayIndex index) { return *items_[offset(index)]; }
    const T& operator[](ArrayIndex index) const { return *items_[offset(index)]; }
    int lBound() const { return lower_; }
    int uBound() const { return lower_ + int(items_.size()) - 1; }
    int count() const { return int(items_.size()); }
    template <class... Args>
    T& add(Args&&... args)
    {
        items_.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        return *items_.back();
    }
    void setLowerBound(int lower) { lower_ = lower; }

private:
    std::size_t offset(const ArrayIndex& index) const
    {
        if (index.value < lower_ || index.value > uBound()) [[unlikely]]
            outOfRange(index);
        return std::size_t(index.value - lower_);
    }
    // The elements share the array's name.
    [[noreturn]] Q_DECL_COLD_FUNCTION Q_NEVER_INLINE void outOfRange(const ArrayIndex& index) const
    {
        const QByteArray name = items_.empty() ? QByteArrayLiteral("an empty control array") : items_.front()->name().toUtf8();
        indexOutOfRange(index, lower_, uBound(), name.constData());
    }
    std::vector<std::unique_ptr<T>> items_;
    int lower_ = 0;
};

}  // namespace zolmera

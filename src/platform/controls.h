#pragma once
// The controls the screens are built from.
#include "platform/control.h"
#include "platform/form.h"
#include "platform/pictures.h"

#include <QKeySequence>
#include <QPixmap>
#include <QStringList>

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace zolmera {

struct TestoSimboli;

// A push button; with a back colour it is drawn in that colour.
class CommandButton final : public Control {
public:
    CommandButton(Container& parent, const QString& name, const QString& caption = {});
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    QString shownText() const override { return caption_; }
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 bgr);
    void setPicture(const QPixmap& picture);
    // Presses the button from code: raises Click when it is enabled.
    void click();

private:
    bool clickOnMouseRelease() const override { return false; }
    void applyFont(double scale) override;
    void restyle();
    QPushButton* button_;
    QString caption_;
    quint32 backColor_ = 0x8000000F;
};

class Label final : public Control {
public:
    enum Align { LeftJustify = 0, RightJustify = 1, Center = 2 };
    Label(Container& parent, const QString& name, const QString& caption = {});
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    // A caption in a symbol font shows pictures, not its characters.
    QString shownText() const override;
    // The control beside the label that it names (Control::setLabel).
    void setBuddy(Control& control) { control.setLabel(*this); }
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 bgr);
    quint32 foreColor() const { return foreColor_; }
    void setForeColor(quint32 bgr);
    // 0 transparent, 1 opaque.
    int backStyle() const { return backStyle_; }
    void setBackStyle(int style);
    void setAlignment(int align);
    void setWordWrap(bool on);
    void setBorderStyle(int style);
    void setAutoSize(bool on);
    // For a one-line label: a caption wider than the label is shown in a
    // smaller size of the same font, down to smallestPoints, so it reads
    // whole; FontSize stays as set.
    void setShrinkToFit(double smallestPoints);

private:
    void restyle();
    void applyFont(double scale) override;
    void applyScale(double pixelsPerTwip) override;
    void stringi();
    // In a symbol font the label paints its caption's pictures itself.
    void mostra();
    QLabel* label_;
    QString caption_;
    quint32 backColor_ = 0x8000000F;
    quint32 foreColor_ = 0x80000012;
    int backStyle_ = 1;
    int borderStyle_ = 0;
    bool autoSize_ = false;
    double piuPiccolo_ = 0;
    double scala_ = 1;
    int abbassa_ = 0;   // pixels: how far a shrunk caption is lowered
};

class TextBox final : public Control {
public:
    TextBox(Container& parent, const QString& name, bool multiLine = false);
    QString text() const;
    void setText(const QString& text);
    // 0: no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int chars);
    bool locked() const { return locked_; }
    void setLocked(bool on);
    void setAlignment(int align);
    void setBackColor(quint32 bgr);
    void setForeColor(quint32 bgr);
    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int len);
    bool multiLine() const { return edit_ == nullptr; }
    // 0 none (the default), 1 horizontal, 2 vertical, 3 both; multi-line boxes only.
    void setScrollBars(int which);
    // Single-line boxes: a text too wide for the box at its FontSize is shown
    // in the largest smaller size of the same font, not below this many
    // points, that shows it whole; FontSize itself stays. 0 (the default):
    // the box scrolls a long text as usual.
    void setShrinkToFit(double smallestPoints);

    std::function<void()> Change;

private:
    void restyle();
    void applyFont(double scale) override;
    // In a symbol font the box shows the pictures its characters stand for,
    // while its Text stays the characters themselves.
    QString mostrato(const QString& testo) const;
    TestoSimboli& simboli() const;
    bool simbolico() const;
    void riprendiTesto();
    void stringi();
    QString testo_;
    QLineEdit* edit_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    int maxLength_ = 0;
    double piuPiccolo_ = 0;
    double scala_ = 1;
    bool locked_ = false;
    quint32 backColor_ = 0x80000005;
    quint32 foreColor_ = 0x80000008;
    bool settingText_ = false;
};

// A picture; stretched to the control, or the control takes the picture's size.
class Image final : public Control {
public:
    Image(Container& parent, const QString& name);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    Figura figura() const { return figuraDi(picture_); }
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    void setBorderStyle(int style);

private:
    void applyScale(double pixelsPerTwip) override;
    void refresh();
    QPixmap picture_;
    bool stretch_ = false;
};

// A frame: a container with a caption; hiding or disabling it hides or
// disables its contents.
class Frame final : public Control, public Container {
public:
    Frame(Container& parent, const QString& name, const QString& caption = {});
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    void setBackColor(quint32 bgr);
    void setForeColor(quint32 bgr);
    void setBorderStyle(int style);
    QWidget* surface() const override;
    Form& form() override { return Control::form(); }

private:
    void restyle();
    QGroupBox* box_;
    QString caption_;
    quint32 backColor_ = 0x8000000F;
    quint32 foreColor_ = 0x80000012;
    int borderStyle_ = 1;
};

// A picture box: a container that shows a picture behind its contents.
class PictureBox final : public Control, public Container {
public:
    PictureBox(Container& parent, const QString& name);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    Figura figura() const { return figuraDi(picture_); }
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 bgr);
    void setBorderStyle(int style);
    QWidget* surface() const override;
    Form& form() override { return Control::form(); }

private:
    void applyScale(double pixelsPerTwip) override;
    void restyle();
    QWidget* box_;
    QPixmap picture_;
    bool autoSize_ = false;
    quint32 backColor_ = 0x8000000F;
    int borderStyle_ = 1;
};

// A check box; drawn as a push button when graphical. Click follows every
// change of Value, by the user or by code.
class CheckBox final : public Control {
public:
    CheckBox(Container& parent, const QString& name, const QString& caption = {}, bool graphical = false);
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    QString shownText() const override { return caption_; }
    // 0 unchecked, 1 checked.
    int value() const { return value_; }
    void setValue(int v);
    void setBackColor(quint32 bgr);

private:
    bool clickOnMouseRelease() const override { return false; }
    void restyle();
    QAbstractButton* button_;
    QString caption_;
    int value_ = 0;
    quint32 backColor_ = 0x8000000F;
    bool graphical_;
};

// An option button; the ones in one container exclude each other. Click
// follows its selection, by the user or by code.
class OptionButton final : public Control {
public:
    OptionButton(Container& parent, const QString& name, const QString& caption = {}, bool graphical = false);
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    QString shownText() const override { return caption_; }
    bool value() const;
    void setValue(bool on);
    void setBackColor(quint32 bgr);

private:
    bool clickOnMouseRelease() const override { return false; }
    QAbstractButton* button_;
    QString caption_;
    quint32 backColor_ = 0x8000000F;
    bool sceltoPrima_ = false;
};

// A list; Click follows every change of ListIndex, by the user or by code.
class ListBox final : public Control {
public:
    ListBox(Container& parent, const QString& name);
    void addItem(const QString& item, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    QString list(int index) const;
    int listIndex() const;
    void setListIndex(int index);
    QString text() const;

private:
    bool clickOnMouseRelease() const override { return false; }
    QListWidget* list_;
};

// A drop-down list (style 2) or a combo with its own text box (style 0).
class ComboBox final : public Control {
public:
    ComboBox(Container& parent, const QString& name, int style = 2);
    void addItem(const QString& item, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    QString list(int index) const;
    int listIndex() const;
    void setListIndex(int index);
    QString text() const;
    void setText(const QString& text);

    std::function<void()> Change;

private:
    bool clickOnMouseRelease() const override { return false; }
    QComboBox* combo_;
};

class ScrollBar final : public Control {
public:
    ScrollBar(Container& parent, const QString& name, Qt::Orientation orientation = Qt::Horizontal);
    int min() const;
    void setMin(int v);
    int max() const;
    void setMax(int v);
    int value() const;
    void setValue(int v);
    void setSmallChange(int v);
    void setLargeChange(int v);

    std::function<void()> Change;
    std::function<void()> Scroll;

private:
    bool clickOnMouseRelease() const override { return false; }
    QScrollBar* bar_;
};

class ProgressBar final : public Control {
public:
    ProgressBar(Container& parent, const QString& name);
    int min() const;
    void setMin(int v);
    int max() const;
    void setMax(int v);
    int value() const;
    void setValue(int v);

private:
    QProgressBar* bar_;
};

// Gives each box of the window (text boxes, lists, scroll bars) with no name
// of its own the label a player reads beside it: the nearest in the same
// container whose right edge meets the box's left on its row, or else the
// one standing right above it. The window calls it whenever it is shown. A
// box whose neighbour is not its name (a value, a unit) is given its label,
// or its name, by its screen.
void labelBoxes(Form& form);

// A menu title on the window's menu bar, or an item under one.
class Menu final : public QObject {
public:
    // A title on the menu bar.
    Menu(Form& form, const QString& name, const QString& caption);
    // An item (or, once it gets items itself, a submenu) under a title.
    Menu(Menu& parent, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    ~Menu() override;

    const QString& name() const { return name_; }
    QString caption() const;
    void setCaption(const QString& text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool checked() const;
    void setChecked(bool on);
    // Chooses the item from code: raises Click when it is enabled.
    void click();
    // The action acts only while both the item and its window are enabled;
    // the window calls this when its own state changes.
    void applyEnabled();

    std::function<void()> Click;

private:
    Form& form_;
    QString name_;
    QAction* action_;
    QMenu* menu_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace zolmera

#pragma once
// A screen of the game: one window with its controls, laid out in twips on a
// surface that scales with the window, and the window events the screens are
// written against (Load, Activate, QueryUnload, Unload, key preview...).
#include "platform/eventloop.h"
#include "platform/platform.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QMenuBar;
class QWidget;

namespace zolmera {

class CommandButton;
class Control;
class Form;
class FormWindow;
class Menu;
class MultimediaControl;
class ScreenRegistry;
class Timer;

// Why a window is being closed.
enum class UnloadMode { ControlMenu = 0, FormCode = 1 };

// Mouse buttons and shift state as the handlers receive them.
namespace mouse {
inline constexpr int Left = 1, Right = 2, Middle = 4;
}
namespace shiftkey {
inline constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

// The screen's own size unit: 1440 twips to the inch, 15 to a pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

// Anything controls can be placed in: a window's surface, a frame, a picture box.
class Container {
public:
    virtual ~Container();
    virtual QWidget* surface() const = 0;
    virtual Form& form() = 0;
};

class Form : public QObject, public Container {
public:
    Form(Platform& platform, const QString& name, int clientWidthTw, int clientHeightTw);
    ~Form() override;

    Platform& platform() const { return platform_; }
    const QString& name() const { return name_; }

    // Lifecycle. load() runs Form_Load once; the screen registry calls it.
    void load();
    // Shows without waiting and makes this the active screen.
    void show();
    void hide();
    // Asks Form_QueryUnload and Form_Unload; false when one of them cancelled.
    // On success the window disappears at once, its timers stop and its
    // players close; the object itself lives until no handler is running.
    bool unload(UnloadMode mode = UnloadMode::FormCode);
    bool loaded() const { return loaded_; }
    bool unloaded() const { return unloaded_; }

    bool visible() const;
    // A disabled window takes no input; its timers and players go on.
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    QString caption() const;
    void setCaption(const QString& text);
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 bgr);
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    // The button Enter presses, and the one Esc presses.
    void setDefaultButton(CommandButton* b) { defaultButton_ = b; }
    void setCancelButton(CommandButton* b) { cancelButton_ = b; }
    // The font controls take when they are made.
    void setDefaultFont(const QString& family, double pointSize);
    const QString& defaultFontName() const { return fontName_; }
    double defaultFontSize() const { return fontSize_; }
    int scaleWidth() const { return widthTw_; }
    int scaleHeight() const { return heightTw_; }

    // A countdown's wait that also ends when this window has been closed.
    WaitEnd wait(double deadline, const std::function<bool()>& done);
    // Runs a handler of this window through the program's loop.
    void dispatch(const std::function<void()>& handler);

    QWidget* window() const;
    QWidget* surface() const override;
    Form& form() override { return *this; }
    QMenuBar* menuBar();

    // The screen's events.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
    virtual void Form_Unload(bool& /*cancel*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_Click() {}
    // F1 that no menu command took: the screen's own help.
    virtual void helpRequested() {}

    // For the platform layer itself.
    void attach(ScreenRegistry* registry) { registry_ = registry; }
    void addControl(Control* c);
    void removeControl(Control* c);
    void focusControl(Control& c);
    void addTimer(Timer* t);
    void removeTimer(Timer* t);
    void addPlayer(MultimediaControl* m);
    void removePlayer(MultimediaControl* m);
    void addMenu(Menu* m);
    void removeMenu(Menu* m);
    // What the window holds, for tools that walk the screens (the monkey).
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Timer*>& timers() const { return timers_; }
    const std::vector<MultimediaControl*>& players() const { return players_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    double pixelsPerTwip() const { return pixelsPerTwip_; }
    // Key routing: returns true when the event was consumed by the window.
    // Only keys typed into this window itself are routed: a message box or a
    // dialog over it keeps its keys to itself.
    bool routeKey(QWidget* receiver, QKeyEvent* event);

    // Some X servers repeat a held key as release-press pairs that look like
    // real ones, so a release is held back this long: a press of the same key
    // within it makes the pair a repeat. The pair comes from one burst of the
    // server's events, microseconds apart, while no finger lets go of a key
    // and strikes it again in under 8 ms; and 8 ms is half a frame at 60 Hz
    // and a third of the wheel's 25 ms step, so a real release still acts at
    // once to the player.
    static constexpr double kRepeatFoldSeconds = 0.008;
    // Whether a key release is being held back, and its delivery now (for a
    // window that is about to stop taking input); false when the window was
    // closed and destroyed by the release's handlers.
    bool holdingKeyRelease() const { return heldRelease_ != nullptr; }
    bool deliverHeldKeyRelease();
    void relayout(double pixelsPerTwip);
    void onCloseRequested();
    static Form* of(QWidget* widget);
    // The size new windows open at, as a multiple of their design size.
    static void setInitialZoom(double zoom);

private:
    friend class FormWindow;

    Platform& platform_;
    QString name_;
    int widthTw_;
    int heightTw_;
    FormWindow* window_;
    ScreenRegistry* registry_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    std::vector<MultimediaControl*> players_;
    std::vector<Menu*> menus_;
    Control* pendingFocus_ = nullptr;
    CommandButton* defaultButton_ = nullptr;   // controls live as long as their window
    CommandButton* cancelButton_ = nullptr;
    QString fontName_ = QStringLiteral("MS Sans Serif");
    double fontSize_ = 8.25;
    quint32 backColor_ = 0x8000000F;
    double pixelsPerTwip_ = 1.0 / kTwipsPerPixel;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool unloading_ = false;
    // A window that hides itself while it loads (to make way for another)
    // is not shown by the show that loaded it.
    bool caricando_ = false;
    bool nascostaNelCaricamento_ = false;
    bool enabled_ = true;
    bool keyPreview_ = false;
    bool resending_ = false;

    // Folding a repeat's release-press pair; true when the event was taken.
    bool foldRepeat(QWidget* receiver, QKeyEvent* event);
    void dropHeldKeyRelease();
    std::unique_ptr<QKeyEvent> heldRelease_;
    QPointer<QWidget> heldReceiver_;
    TaskId heldTask_ = 0;
    // The held-back release or folded press being delivered, which is routed
    // as usual and not folded again.
    const QKeyEvent* replaying_ = nullptr;
};

// Colours are written &HBBGGRR; values with the top bit set name system colours.
QColor vbColor(quint32 bgr);

// The key code of a key event (letters as upper-case codes, F1 = 112...) and
// the shift state, as the key handlers receive them.
int vbKeyCode(const QKeyEvent* e);
int vbShift(Qt::KeyboardModifiers m);
// The mouse buttons as the mouse handlers receive them (mouse::Left...).
int vbButton(Qt::MouseButtons buttons);

}  // namespace zolmera

#pragma once
// Dragging one control onto another with the mouse: the letters, cards,
// pieces and names of the challenges that are played by hand. A press on a
// control whose drag mode is automatic takes it up at once; an outline of it
// follows the pointer; the release drops it on the control under the pointer
// of the same window, which hears DragDrop with the dragged control.
//
// No loop of its own runs while a control is held: the countdowns, timers and
// painting of the game go on, and a turn may end under the player's hand.
#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace zolmera {

class Control;
class Form;

class Trascinamento final : public QObject {
public:
    static Trascinamento& corrente();

    void inizia(Control& sorgente, const QPoint& globale);
    // Ends a drag without a drop.
    void annulla();
    Control* sorgente() const { return sorgente_; }
    // The drag ends with no drop when its window closes or its source goes.
    void finestraChiusa(const Form& form);

    // The control a release at this point of the screen would drop on:
    // enabled and visible, in the source's own window; none over empty space
    // or another window.
    static Control* bersaglio(const Control& sorgente, const QPoint& globale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lascia(const QPoint& globale);
    Control* sorgente_ = nullptr;
    QPointer<QWidget> sagoma_;
    QPoint presa_;   // where in the source the pointer took it
};

}  // namespace zolmera

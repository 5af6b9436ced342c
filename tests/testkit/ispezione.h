#pragma once
// What a shown window does wrong to a player, found from its widgets as they
// stand: a control a person operates that a screen reader cannot name, a text
// its control cuts, two texts over one another.
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace zolmera::testing {

// One fault: `chiave` names where it is ("frmNuovo.txtGiocatore1", or for two
// texts over one another both controls, "frmX.lblA+lblB"), `testo` what a
// player would meet.
struct Rilievo {
    QString chiave;
    QString testo;
};

// The enabled, shown controls of the window a person operates (boxes,
// buttons, lists, check and option boxes, scroll bars) whose accessible
// name is empty.
QList<Rilievo> senzaNome(QWidget* finestra);

// Texts of the shown controls of the window (labels, buttons, check and
// option boxes, boxes with text, frame captions) measured in the control's
// own font: a text wider or taller than the place its control gives it, a
// text cut by the edge of its container, and two sibling texts that lie
// over one another (a frame's caption counts as a sibling of its contents).
QList<Rilievo> impaginazione(QWidget* finestra);

}  // namespace zolmera::testing

#pragma once

// The match board's layout as the backdrop draws it, in pixels of the 934 x 487
// backdrop: the board lays its controls and sprites over these places, so the
// backdrop and every sprite that sits on it (the wheel box, the host, the lit desks,
// the hats) take their positions and colours from here.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace assetgen::board {

constexpr qreal kWidth = 934, kHeight = 487;
// The board shows x 56..870 at first; its arrows slide everything 56 pixels either way.
constexpr qreal kShownLeft = 56, kShownRight = 870;
constexpr qreal kHorizon = 236;  // where the back wall meets the floor

inline const QRectF kWheelBox(88, 24, 256, 256);
inline const QRectF kHostBox(440, 24, 136, 248);
// The scoreboard is drawn round what the board writes on it with its labels
// (on the backdrop, x = (twips + 840) / 15 and y = twips / 15). The names start
// at x 624, at y 37.3 and 85.3: the first look group writes them in an 8-pt
// sans, the second in a 26-pt serif that fills the label's 37 pixels and ends
// at x 784. The money ends at x 856, right-aligned, at y 40 and 88, in a 10-pt
// sans. A label writes at its top, so each contestant's name plate and money
// counter stand round where the letters are inked, a few pixels clear of them
// on every side, not round the labels' boxes.
struct Scoreboard {
    QRectF frame;
    QRectF names[2];
    QRectF money[2];
};
const Scoreboard& scoreboard(int group);
// The two look groups (editions 1 and 3, editions 2 and 4) place the contestants'
// names, buttons and hats differently, so each has its own desks: the desks'
// 136 x 104 boxes, [group - 1][contestant - 1].
inline const QRectF kDesks[2][2] = {{QRectF(248, 296, 136, 104), QRectF(568, 296, 136, 104)},
                                    {QRectF(268, 296, 136, 104), QRectF(552, 296, 136, 104)}};
// Where the board lays the lit desks, the same in every edition: wide enough for
// either group's desk.
inline const QRectF kLitDesks[2] = {QRectF(244, 296, 160, 104), QRectF(552, 296, 160, 104)};
// The trays the board lays the won courses on. The plates fill 152 pixels from the
// left of each; tray 2's last 4 pixels are under its frame.
inline const QRectF kTrays[2] = {QRectF(80, 306, 152, 130), QRectF(712, 306, 156, 130)};
inline const QRectF kStepButton(400, 412, 128, 36);

// Where course (column c, row r) of a tray lies: 28 x 20, on a 31.2 x 26.4 grid.
QRectF trayPlace(int tray, int column, int row);

// Contestant 1 is warm (red, orange), contestant 2 cool (blue, teal), each tuned to
// stand out on the edition's walls.
QColor contestantColour(int edition, int contestant);

// The frame colour around the wheel box, the same in the box and on the backdrop.
QColor wheelBezel(const kit::EditionLook& look);

// The wheel's cabinet round the board's wheel box (drawn at box, 256 units square on
// the board): a stand under it, the gold frame with marquee bulbs down its sides and
// the bezel round the window. plinth sets the stand on a foot in the bezel's colour.
void drawWheelCabinet(QPainter& p, const QRectF& box, const kit::EditionLook& look, bool plinth);

// The glass strip on a desk where the board shows the won matches' hats: one plain
// colour, lit or not, so the hats' edges can be blended with it.
QColor hatStripColour();

// The look group a painter draws the board's desks for: its gruppo parameter, 1 or 2.
int lookGroup(const PaintRequest& request);

// A contestant's desk in its 136 x 104 box, seen from the front: the hats' strip at
// the top, the name plate, the buttons' recess below it (x 14..126, y 62..93 of the
// box). The first group's name plate is y 38..60 and its strip x 22..118; the
// second group writes the names larger and lines the hats up further left, so its
// plate is y 32..60 and its counter reaches x 1..135, for a strip at x 3..93.
// Lit, its lights are on and it glows; the glow spills a few pixels out of the box
// only where the counter comes to the box's edge.
void drawDesk(QPainter& p, QPointF topLeft, int edition, int group, int contestant, bool lit);
// The desk's outline in its box, for masks.
QPainterPath deskOutline(int group);

// The backdrop of the edition and look group without Christmas, drawn once and
// kept: sprites that stand on it blend their edges with what is behind them.
const QImage& studioBackdrop(int edition, int group);

// GIF keeps a pixel or drops it: a sprite's soft edge pixels are first laid over the
// ground they will be shown on (ground's pixel at the sprite's pixel + offset), then
// made opaque or clear, so the edge is smooth on that ground instead of fringed.
void settleEdges(QImage& sprite, const QImage& ground, QPoint offset);
void settleEdges(QImage& sprite, const QColor& ground);

}  // namespace assetgen::board

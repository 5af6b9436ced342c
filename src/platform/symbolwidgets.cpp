#include "platform/symbolwidgets.h"

#include "platform/symbolfont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zolmera {

namespace {
// A caret of our own: the box's text colour is see-through, and so its caret.
void caret(QPainter& p, double x, double top, double height, const QColor& ink)
{
    p.fillRect(QRectF(std::round(x), top, 1, height), ink);
}
}  // namespace

bool RigaSimboli::entra(const QString& testo, const QFont& font) const
{
    // The room the line edit lays its text in: its contents less its text
    // margins and the two pixels it keeps each side, and it scrolls a text
    // whose width, one pixel for the caret and the font's overhangs added,
    // passes that room.
    QStyleOptionFrame pannello;
    initStyleOption(&pannello);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &pannello, this).marginsRemoved(textMargins());
    const QFontMetricsF fm(font);
    const double sporge = std::max(0.0, -fm.minLeftBearing()) + std::max(0.0, -fm.minRightBearing());
    return std::ceil(fm.horizontalAdvance(testo) + sporge) + 1 <= r.width() - 2 * 2;
}

void RigaSimboli::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!simboli.attivo)
        return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    const QString mostrato = text();
    const QList<int> inizi = symbolOffsets(simboli.famiglia, simboli.testo);
    if (inizi.back() != mostrato.size())
        return;   // between a key and the box taking back its characters
    const QFontMetricsF fm(font());
    // The box's own caret rectangle is centred on where it lays the cursor out.
    const QRect r = cursorRect();
    const double origine = r.left() + r.width() / 2 - fm.horizontalAdvance(mostrato.left(cursorPosition()));
    const double alto = r.top();
    const double altezza = fm.height();
    for (qsizetype k = 0; k < simboli.testo.size(); ++k) {
        const double x0 = origine + fm.horizontalAdvance(mostrato.left(inizi[k]));
        const double x1 = origine + fm.horizontalAdvance(mostrato.left(inizi[k + 1]));
        paintSymbolCell(p, QRectF(x0, alto, x1 - x0, altezza), simboli.famiglia, simboli.testo[k], simboli.inchiostro,
                        font());
    }
    if (hasFocus() && !isReadOnly() && !hasSelectedText())
        caret(p, origine + fm.horizontalAdvance(mostrato.left(cursorPosition())), alto, altezza, simboli.inchiostro);
}

void MemoSimboli::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    if (!simboli.attivo)
        return;
    QPainter p(viewport());
    const QList<int> inizi = symbolOffsets(simboli.famiglia, simboli.testo);
    if (inizi.back() != document()->characterCount() - 1)
        return;   // between a key and the box taking back its characters
    // Where the document's own layout puts each character.
    auto dove = [this](int pos, QTextLine* riga) {
        const QTextBlock blocco = document()->findBlock(pos);
        const QTextLayout* layout = blocco.layout();
        const int dentro = pos - blocco.position();
        *riga = layout->lineForTextPosition(dentro);
        const QPointF angolo = blockBoundingGeometry(blocco).translated(contentOffset()).topLeft() + layout->position();
        return QPointF(angolo.x() + riga->cursorToX(dentro), angolo.y() + riga->y());
    };
    for (qsizetype k = 0; k < simboli.testo.size(); ++k) {
        QTextLine riga;
        const QPointF a = dove(inizi[k], &riga);
        if (a.y() + riga.height() < 0 || a.y() > viewport()->height())
            continue;
        // Measured on its own line: the last one of a wrapped line ends it.
        const int dentro = inizi[k] - document()->findBlock(inizi[k]).position();
        const double largo = riga.cursorToX(dentro + inizi[k + 1] - inizi[k]) - riga.cursorToX(dentro);
        paintSymbolCell(p, QRectF(a.x(), a.y(), largo, riga.height()), simboli.famiglia, simboli.testo[k],
                        simboli.inchiostro, font());
    }
    if (hasFocus() && !isReadOnly() && !textCursor().hasSelection()) {
        QTextLine riga;
        const QPointF c = dove(textCursor().position(), &riga);
        caret(p, c.x(), c.y(), riga.height(), simboli.inchiostro);
    }
}

QSize EtichettaSimboli::sizeHint() const
{
    if (!simboli.attivo)
        return QLabel::sizeHint();
    const QFontMetricsF fm(simboli.cella);
    const QString mostrato = symbolText(simboli.famiglia, simboli.testo);
    return QSize(int(std::ceil(fm.horizontalAdvance(mostrato))), int(std::ceil(fm.height())));
}

void EtichettaSimboli::paintEvent(QPaintEvent* event)
{
    if (!simboli.attivo) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);   // the back colour and the border
    QPainter p(this);
    const QRect dentro = contentsRect();
    p.setClipRect(dentro);
    const QFontMetricsF fm(simboli.cella);
    const QString mostrato = symbolText(simboli.famiglia, simboli.testo);
    const QList<int> inizi = symbolOffsets(simboli.famiglia, simboli.testo);
    const double largo = fm.horizontalAdvance(mostrato);
    double x = dentro.left();
    if (allineamento & Qt::AlignRight)
        x = dentro.right() + 1 - largo;
    else if (allineamento & Qt::AlignHCenter)
        x = dentro.left() + (dentro.width() - largo) / 2;
    // A cell no taller than the label: the picture fits, as the font's glyph
    // would in a label sized for it.
    const double altezza = std::min(fm.height(), double(dentro.height()));
    for (qsizetype k = 0; k < simboli.testo.size(); ++k) {
        const double x0 = x + fm.horizontalAdvance(mostrato.left(inizi[k]));
        const double x1 = x + fm.horizontalAdvance(mostrato.left(inizi[k + 1]));
        paintSymbolCell(p, QRectF(x0, dentro.top(), x1 - x0, altezza), simboli.famiglia, simboli.testo[k],
                        simboli.inchiostro, simboli.cella);
    }
}

}  // namespace zolmera

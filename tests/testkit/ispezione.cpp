#include "testkit/ispezione.h"

#include "platform/symbolwidgets.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtMath>

#include <optional>

namespace zolmera::testing {

namespace {

// A pixel of rounding either way is no fault a player sees.
constexpr int kTolleranza = 1;

bool operabile(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
           || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)
           || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QAbstractSlider*>(w);
}

// The parts a control is made of (a list's scroll bars, a combo's editor)
// are read by the screen reader as the control's own.
bool parteDiUnAltro(const QWidget* w, const QWidget* finestra)
{
    for (const QWidget* p = w->parentWidget(); p && p != finestra; p = p->parentWidget())
        if (operabile(p) || qobject_cast<const QMenuBar*>(p))
            return true;
    return false;
}

QString nomeDi(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Where a control paints its text, in its own coordinates, and the room it
// has for it there.
struct Testo {
    QRect disegnato;
    QRect spazio;
    QString contenuto;
};

std::optional<Testo> testoDi(QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (auto* s = dynamic_cast<EtichettaSimboli*>(l); s && s->simboli.attivo)
            return std::nullopt;
        const QString t = l->text();
        if (t.trimmed().isEmpty() || l->textFormat() != Qt::PlainText)
            return std::nullopt;
        const QRect spazio = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        // As the label lays it out: wrapped at its width, a word too long for
        // it sticking out.
        const QRect r = fm.boundingRect(spazio.x(), spazio.y(), spazio.width(), 1 << 20, flags, t);
        QRect disegnato = r;
        const Qt::Alignment v = l->alignment() & Qt::AlignVertical_Mask;
        if (v & Qt::AlignVCenter)
            disegnato.moveTop(spazio.y() + (spazio.height() - r.height()) / 2);
        else if (v & Qt::AlignBottom)
            disegnato.moveBottom(spazio.bottom());
        else
            disegnato.moveTop(spazio.y());
        return Testo{disegnato, spazio, t};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const QString t = b->text();
        if (t.trimmed().isEmpty())
            return std::nullopt;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = t;
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        QRect spazio;
        QSize serve = fm.size(Qt::TextShowMnemonic, t);
        Qt::Alignment allinea = Qt::AlignCenter;
        if (qobject_cast<QCheckBox*>(b)) {
            spazio = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b);
            allinea = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (qobject_cast<QRadioButton*>(b)) {
            spazio = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, b);
            allinea = Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            spazio = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            if (!b->icon().isNull())
                serve.rwidth() += b->iconSize().width() + 4;
        }
        return Testo{QStyle::alignedRect(b->layoutDirection(), allinea, serve, spazio), spazio, t};
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (auto* s = dynamic_cast<RigaSimboli*>(e); s && s->simboli.attivo)
            return std::nullopt;
        const QString t = e->displayText();
        if (t.trimmed().isEmpty())
            return std::nullopt;
        // The editor's frame, then its own margins: two pixels aside, one above and below.
        const int f = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        const QRect spazio = e->rect().adjusted(f + 2, f + 1, -f - 2, -f - 1).marginsRemoved(e->textMargins());
        const QSize serve(fm.horizontalAdvance(t), fm.height());
        const Qt::Alignment h = e->alignment() & Qt::AlignHorizontal_Mask;
        return Testo{QStyle::alignedRect(e->layoutDirection(), h | Qt::AlignVCenter, serve, spazio), spazio, t};
    }
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        const QString t = m->toPlainText();
        if (t.trimmed().isEmpty())
            return std::nullopt;
        const QRect spazio = m->viewport()->geometry();
        // What a box without a scroll bar cannot show is lost to the player;
        // one with a scroll bar shows it all.
        if (m->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            return Testo{spazio, spazio, t};
        const QTextDocument* d = m->document();
        // The margin below the last line is blank paper.
        qreal alto = d->documentMargin();
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            if (b.layout())
                alto += b.layout()->boundingRect().height();
        return Testo{QRect(spazio.x(), spazio.y(), spazio.width(), qCeil(alto)), spazio, t};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        const QString t = g->title();
        if (t.trimmed().isEmpty())
            return std::nullopt;
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = t;
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        opt.textAlignment = g->alignment();
        const QRect etichetta = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        const QRect disegnato(etichetta.topLeft(), fm.size(Qt::TextShowMnemonic, t));
        return Testo{disegnato, g->rect(), t};
    }
    return std::nullopt;
}

QString misura(const QRect& r) { return QStringLiteral("%1x%2").arg(r.width()).arg(r.height()); }

QString chiave(const QWidget* finestra, const QWidget* w) { return nomeDi(finestra) + QLatin1Char('.') + nomeDi(w); }

bool mostrato(const QWidget* w) { return w->isVisible() && w->width() > 0 && w->height() > 0; }

}  // namespace

QList<Rilievo> senzaNome(QWidget* finestra)
{
    QList<Rilievo> out;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!operabile(w) || !w->isVisible() || !w->isEnabled() || parteDiUnAltro(w, finestra))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString nome = a ? a->text(QAccessible::Name).trimmed() : QString();
        if (nome.isEmpty())
            out << Rilievo{chiave(finestra, w),
                           QStringLiteral("%1 (%2) has no accessible name").arg(chiave(finestra, w),
                                                                               QLatin1String(w->metaObject()->className()))};
    }
    return out;
}

QList<Rilievo> impaginazione(QWidget* finestra)
{
    QList<Rilievo> out;
    // Each shown text in its container's coordinates.
    struct Posto {
        QWidget* w;
        QRect r;
    };
    QHash<QWidget*, QList<Posto>> perContenitore;
    const QList<QWidget*> tutti = finestra->findChildren<QWidget*>();
    for (QWidget* w : tutti) {
        if (!mostrato(w) || parteDiUnAltro(w, finestra))
            continue;
        const std::optional<Testo> t = testoDi(w);
        if (!t)
            continue;
        const QString k = chiave(finestra, w);
        const QString breve = t->contenuto.left(40).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QRect entro = t->spazio.adjusted(-kTolleranza, -kTolleranza, kTolleranza, kTolleranza);
        if (!entro.contains(t->disegnato))
            out << Rilievo{k, QStringLiteral("%1: \"%2\" needs %3, has %4 (font %5 %6pt)")
                                  .arg(k, breve, misura(t->disegnato), misura(t->spazio), w->font().family())
                                  .arg(w->font().pointSizeF())};
        QWidget* p = w->parentWidget();
        const QRect inPadre = t->disegnato.intersected(w->rect()).translated(w->pos());
        if (p && !p->rect().adjusted(-kTolleranza, -kTolleranza, kTolleranza, kTolleranza).contains(inPadre))
            out << Rilievo{k, QStringLiteral("%1: \"%2\" is cut by the edge of %3").arg(k, breve, nomeDi(p))};
        if (p)
            perContenitore[p] << Posto{w, inPadre};
        // A frame's caption stands among its contents.
        if (qobject_cast<QGroupBox*>(w))
            perContenitore[w] << Posto{w, t->disegnato};
    }
    for (auto it = perContenitore.cbegin(); it != perContenitore.cend(); ++it) {
        const QList<Posto>& posti = it.value();
        for (qsizetype a = 0; a < posti.size(); ++a)
            for (qsizetype b = a + 1; b < posti.size(); ++b) {
                const QRect comune = posti[a].r.intersected(posti[b].r);
                if (comune.width() <= kTolleranza || comune.height() <= kTolleranza)
                    continue;
                QString x = nomeDi(posti[a].w), y = nomeDi(posti[b].w);
                if (y < x)
                    std::swap(x, y);
                const QString k = nomeDi(finestra) + QLatin1Char('.') + x + QLatin1Char('+') + y;
                out << Rilievo{k, QStringLiteral("%1: the texts of %2 and %3 lie over one another in %4")
                                      .arg(k, x, y, misura(comune))};
            }
    }
    return out;
}

}  // namespace zolmera::testing

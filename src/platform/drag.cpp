#include "platform/drag.h"

#include "platform/control.h"
#include "platform/form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace zolmera {

namespace {
// The grey outline of the held control that follows the pointer.
class Sagoma final : public QWidget {
public:
    explicit Sagoma(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::darkGray, 2, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

Control* controlloDi(Form& form, QWidget* w)
{
    QWidget* finestra = form.surface()->window();
    for (; w && w != finestra; w = w->parentWidget())
        for (Control* c : form.controls())
            if (c->widget() == w)
                return c;
    return nullptr;
}
}  // namespace

Trascinamento& Trascinamento::corrente()
{
    static Trascinamento t;
    return t;
}

void Trascinamento::inizia(Control& sorgente, const QPoint& globale)
{
    annulla();
    sorgente_ = &sorgente;
    QWidget* w = sorgente.widget();
    presa_ = w->mapFromGlobal(globale);
    QWidget* superficie = sorgente.form().surface();
    sagoma_ = new Sagoma(superficie);
    sagoma_->setGeometry(QRect(w->mapTo(superficie, QPoint(0, 0)), w->size()));
    sagoma_->raise();
    sagoma_->show();
    // The moves and the release may reach whatever widget Qt picks: the
    // whole application is watched until the drop.
    qApp->installEventFilter(this);
}

void Trascinamento::annulla()
{
    if (!sorgente_)
        return;
    sorgente_ = nullptr;
    qApp->removeEventFilter(this);
    delete sagoma_.data();
}

void Trascinamento::finestraChiusa(const Form& form)
{
    if (sorgente_ && &sorgente_->form() == &form)
        annulla();
}

Control* Trascinamento::bersaglio(const Control& sorgente, const QPoint& globale)
{
    Form& form = sorgente.form();
    QWidget* finestra = form.surface()->window();
    const QPoint p = finestra->mapFromGlobal(globale);
    if (!finestra->rect().contains(p))
        return nullptr;
    Control* c = controlloDi(form, finestra->childAt(p));
    if (!c || !c->widget()->isEnabled() || !c->widget()->isVisible())
        return nullptr;
    return c;
}

void Trascinamento::lascia(const QPoint& globale)
{
    Control* sorgente = sorgente_;
    annulla();
    // A source taken away while held (disabled, hidden, its frame too, its
    // window closed) drops nothing.
    if (!sorgente || sorgente->form().unloaded() || !sorgente->widget()->isEnabled() ||
        !sorgente->widget()->isVisible())
        return;
    if (Control* c = bersaglio(*sorgente, globale))
        c->riceviTrascinato(*sorgente);
}

bool Trascinamento::eventFilter(QObject* watched, QEvent* event)
{
    // Only what reaches widgets: the window system's own copy of the event
    // must pass, or Qt would keep the mouse grabbed by the source.
    if (!watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (sagoma_ && sorgente_) {
            QWidget* superficie = sagoma_->parentWidget();
            sagoma_->move(superficie->mapFromGlobal(e->globalPosition().toPoint()) - presa_);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return true;
        lascia(e->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Another button while one is held changes nothing.
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace zolmera

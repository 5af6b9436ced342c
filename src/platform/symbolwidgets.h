#pragma once
// The widgets behind labels and text boxes, able to show a symbol font's
// text themselves: the pictures in the control's fore colour, one cell a
// character, as the font would. Colour pictures would ignore that colour, and
// a navy picture on navy must not show.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zolmera {

struct TestoSimboli {
    bool attivo = false;
    QString famiglia;
    QString testo;   // the characters; the widget holds what they show as
    QColor inchiostro;
    QFont cella;
};

class RigaSimboli final : public QLineEdit {
public:
    TestoSimboli simboli;
    // Whether the box shows this text whole in this font, without scrolling it.
    bool entra(const QString& testo, const QFont& font) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class MemoSimboli final : public QPlainTextEdit {
public:
    TestoSimboli simboli;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class EtichettaSimboli final : public QLabel {
public:
    TestoSimboli simboli;
    Qt::Alignment allineamento = Qt::AlignLeft;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zolmera

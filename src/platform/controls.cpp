#include "platform/controls.h"

#include "platform/application.h"

#include "platform/symbolfont.h"
#include "platform/symbolwidgets.h"

#include <QTextDocument>
#include <QTextOption>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <functional>

namespace zolmera {

namespace {
QString css(quint32 bgr)
{
    const QColor c = vbColor(bgr);
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}
bool isSystem(quint32 bgr) { return (bgr & 0x80000000u) != 0; }

// The font at the largest size, from the set size down to the smallest in
// quarter points, at which the text fits; the smallest when none does.
QFont ridotto(QFont f, double punti, double minimo, double scala, const std::function<bool(const QFont&)>& entra)
{
    const double pieno = std::max(punti * scala, 1.0);
    const double fondo = std::min(minimo * scala, pieno);
    double p = pieno;
    f.setPointSizeF(p);
    while (p > fondo && !entra(f)) {
        p = std::max(p - 0.25 * scala, fondo);
        f.setPointSizeF(p);
    }
    return f;
}

Qt::Alignment alignmentOf(int align)
{
    switch (align) {
    case 1: return Qt::AlignRight | Qt::AlignTop;
    case 2: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Paints a picture scaled to the widget; used by pictures and picture boxes.
class PictureView final : public QWidget {
public:
    using QWidget::QWidget;
    QPixmap pixmap;
    bool stretch = true;    // otherwise drawn at its own size, scaled with the window
    double scale = 1.0;
    bool border = false;    // a fixed single line, drawn over the picture

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!pixmap.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            if (stretch)
                p.drawPixmap(rect(), pixmap);
            else
                p.drawPixmap(QRectF(0, 0, pixmap.width() * scale, pixmap.height() * scale), pixmap, pixmap.rect());
        }
        if (border) {
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};
}  // namespace

// ---- CommandButton ----------------------------------------------------------

CommandButton::CommandButton(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name, new QPushButton), button_(static_cast<QPushButton*>(widget()))
{
    button_->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button_, &QPushButton::clicked, this, [this] { fireClick(); });
    setCaption(caption);
}

void CommandButton::setCaption(const QString& text)
{
    caption_ = text;
    button_->setText(symbolText(fontName(), text));
    shownTextChanged();
}

void CommandButton::applyFont(double scale)
{
    Control::applyFont(scale);
    // The constructor's first font comes before the button exists.
    if (button_)
        button_->setText(symbolText(fontName(), caption_));
}

void CommandButton::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}

void CommandButton::setPicture(const QPixmap& picture)
{
    button_->setIcon(QIcon(picture));
    button_->setIconSize(picture.size());
}

void CommandButton::restyle()
{
    if (isSystem(backColor_)) {
        button_->setStyleSheet({});
        return;
    }
    const QColor c = vbColor(backColor_);
    // Black or white, whichever stands out more: pure blue takes white, yellow black.
    const QColor text = Application::contrast(c, Qt::black) >= Application::contrast(c, Qt::white) ? Qt::black : Qt::white;
    // A disabled button still tells the players what to do ("Osserva le
    // figure...", a contestant's key on an unlit button): its caption moves
    // from the button's colour towards the text's only as far as it must to
    // stay readable, so it still looks disabled.
    auto mix = [](const QColor& a, const QColor& b, double t) {
        return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                                float(a.blueF() * (1 - t) + b.blueF() * t));
    };
    QColor disabledText = text;
    for (double t = 0.45; t < 1.0; t += 0.025) {
        if (Application::contrast(c, mix(c, text, t)) >= kContrastoLeggibile) {
            disabledText = mix(c, text, t);
            break;
        }
    }
    button_->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: %1; color: %2; border: 1px solid %3; border-radius: 3px; padding: 1px 4px; }"
        "QPushButton:pressed { background-color: %4; }"
        "QPushButton:focus { border: 2px solid %3; }"
        "QPushButton:disabled { color: %5; }")
        .arg(c.name(), text.name(), c.darker(220).name(), c.darker(125).name(), disabledText.name()));
}

void CommandButton::click()
{
    if (enabled())
        fireClick();
}

// ---- Label ------------------------------------------------------------------

Label::Label(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name, new EtichettaSimboli), label_(static_cast<QLabel*>(widget()))
{
    label_->setTextFormat(Qt::PlainText);
    // A bordered QLabel would indent its text from the edge it is aligned
    // to, top included, by half an "x": a box sized for one line would cut
    // the line's foot off. The text starts right inside the border.
    label_->setIndent(0);
    label_->setWordWrap(true);
    label_->setAlignment(alignmentOf(0));
    setCaption(caption);
    restyle();
}

void Label::setCaption(const QString& text)
{
    caption_ = text;
    mostra();
    if (autoSize_) {
        const QSize hint = label_->sizeHint();
        const double k = form().pixelsPerTwip();
        move(left(), top(), int(std::lround(hint.width() / k)), int(std::lround(hint.height() / k)));
    }
}

void Label::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}
void Label::setForeColor(quint32 bgr)
{
    foreColor_ = bgr;
    restyle();
}
void Label::setBackStyle(int style)
{
    backStyle_ = style;
    restyle();
}
void Label::setAlignment(int align)
{
    label_->setAlignment(alignmentOf(align));
    static_cast<EtichettaSimboli*>(label_)->allineamento = alignmentOf(align);
    label_->update();
}
void Label::setWordWrap(bool on) { label_->setWordWrap(on); }
void Label::setBorderStyle(int style)
{
    borderStyle_ = style;
    restyle();
}
void Label::setAutoSize(bool on)
{
    autoSize_ = on;
    setCaption(caption_);
}

void Label::applyFont(double scale)
{
    scala_ = scale;
    Control::applyFont(scale);
    // The constructor's first font comes before the label exists.
    if (label_)
        mostra();
}

void Label::applyScale(double pixelsPerTwip)
{
    Control::applyScale(pixelsPerTwip);
    if (label_ && piuPiccolo_ > 0)
        mostra();
}

void Label::setShrinkToFit(double smallestPoints)
{
    piuPiccolo_ = std::max(smallestPoints, 0.0);
    applyFont(scala_);
}

// Decided afresh for each caption and width, from FontSize down, so a short
// name after a long one is back at full size.
void Label::stringi()
{
    if (piuPiccolo_ <= 0 || isSymbolFont(fontName()))
        return;
    const int spazio = label_->contentsRect().width();
    const QFont f = ridotto(label_->font(), fontSize(), piuPiccolo_, scala_, [&](const QFont& prova) {
        return std::ceil(QFontMetricsF(prova).horizontalAdvance(caption_)) <= spazio;
    });
    if (label_->font() != f)
        label_->setFont(f);
    // The smaller line keeps the middle of the line it stands for, where the
    // screen's picture expects the text.
    QFont intero = f;
    intero.setPointSizeF(std::max(fontSize() * scala_, 1.0));
    const int abbassa = int(std::lround((QFontMetricsF(intero).height() - QFontMetricsF(f).height()) / 2));
    if (abbassa != abbassa_) {
        abbassa_ = abbassa;
        restyle();
    }
}

void Label::mostra()
{
    stringi();
    auto* view = static_cast<EtichettaSimboli*>(label_);
    TestoSimboli& s = view->simboli;
    s.attivo = isSymbolFont(fontName());
    s.famiglia = fontName();
    s.testo = caption_;
    s.inchiostro = vbColor(foreColor_);
    s.cella = symbolCellFont(label_->font(), label_->logicalDpiY() / 72.0);
    label_->setText(s.attivo ? QString() : caption_);
    label_->updateGeometry();
    label_->update();
    shownTextChanged();
}

QString Label::shownText() const { return isSymbolFont(fontName()) ? QString() : caption_; }

void Label::restyle()
{
    if (label_)
        static_cast<EtichettaSimboli*>(label_)->simboli.inchiostro = vbColor(foreColor_);
    label_->setStyleSheet(QStringLiteral("QLabel { color: %1; background-color: %2; border: %3; padding-top: %4px; }")
                              .arg(css(foreColor_), backStyle_ == 0 ? QStringLiteral("transparent") : css(backColor_),
                                   borderStyle_ ? QStringLiteral("1px solid black") : QStringLiteral("none"))
                              .arg(abbassa_));
}

// ---- TextBox ----------------------------------------------------------------

namespace {
QWidget* makeEditor(bool multiLine)
{
    if (multiLine)
        return new MemoSimboli;
    return new RigaSimboli;
}
}  // namespace

TextBox::TextBox(Container& parent, const QString& name, bool multiLine) : Control(parent, name, makeEditor(multiLine))
{
    if (multiLine) {
        memo_ = static_cast<QPlainTextEdit*>(widget());
        memo_->setTabChangesFocus(true);
        // A row of pictograms has no spaces to wrap at.
        memo_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setScrollBars(0);
        watch(memo_->viewport());
        QObject::connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
            if (simbolico())
                riprendiTesto();
            else if (maxLength_ > 0 && memo_->toPlainText().size() > maxLength_ && !settingText_) {
                settingText_ = true;
                memo_->setPlainText(memo_->toPlainText().left(maxLength_));
                memo_->moveCursor(QTextCursor::End);
                settingText_ = false;
            }
            if (!simbolico())
                testo_ = memo_->toPlainText();
            if (!settingText_)
                fire([this] { if (Change) Change(); });
        });
    } else {
        edit_ = static_cast<QLineEdit*>(widget());
        QObject::connect(edit_, &QLineEdit::textChanged, this, [this] {
            if (simbolico())
                riprendiTesto();
            else
                testo_ = edit_->text();
            stringi();
            if (!settingText_)
                fire([this] { if (Change) Change(); });
        });
    }
    restyle();
}

void TextBox::setScrollBars(int which)
{
    if (!memo_)
        return;
    memo_->setHorizontalScrollBarPolicy((which & 1) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    memo_->setVerticalScrollBarPolicy((which & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

QString TextBox::text() const
{
    if (simbolico())
        return testo_;
    return edit_ ? edit_->text() : memo_->toPlainText();
}

void TextBox::setText(const QString& text)
{
    testo_ = maxLength_ > 0 ? text.left(maxLength_) : text;
    simboli().testo = testo_;
    const QString t = mostrato(testo_);
    if (edit_) {
        edit_->setText(t);
        // A text the program writes is read from its start: a box narrower
        // than a long option shows its beginning, not its end.
        edit_->setCursorPosition(0);
    } else
        memo_->setPlainText(t);
}

QString TextBox::mostrato(const QString& testo) const { return symbolText(fontName(), testo); }

TestoSimboli& TextBox::simboli() const
{
    return edit_ ? static_cast<RigaSimboli*>(edit_)->simboli : static_cast<MemoSimboli*>(memo_)->simboli;
}

bool TextBox::simbolico() const { return (edit_ || memo_) && simboli().attivo; }

// What was typed or pasted goes back to characters, each shown again as its
// picture; the cursor stays after what was typed, and the limit counts the
// characters, not what they show as.
void TextBox::riprendiTesto()
{
    if (settingText_)
        return;
    const QString visto = edit_ ? edit_->text() : memo_->toPlainText();
    int pos = edit_ ? edit_->cursorPosition() : memo_->textCursor().position();
    QString t = symbolChars(fontName(), visto, &pos);
    if (maxLength_ > 0 && t.size() > maxLength_) {
        t.truncate(maxLength_);
        pos = std::min(pos, maxLength_);
    }
    testo_ = t;
    simboli().testo = t;
    const QString rivisto = mostrato(t);
    if (rivisto == visto)
        return;
    settingText_ = true;
    const int cursore = int(symbolOffsets(fontName(), t).at(pos));
    if (edit_) {
        edit_->setText(rivisto);
        edit_->setCursorPosition(cursore);
    } else {
        memo_->setPlainText(rivisto);
        QTextCursor c = memo_->textCursor();
        c.setPosition(cursore);
        memo_->setTextCursor(c);
    }
    settingText_ = false;
}

void TextBox::setShrinkToFit(double smallestPoints)
{
    piuPiccolo_ = std::max(smallestPoints, 0.0);
    applyFont(form().pixelsPerTwip() * kTwipsPerPixel);
}

// Decided afresh for each text, from the box's own size down, so a short
// text after a long one is back at FontSize.
void TextBox::stringi()
{
    if (!edit_ || piuPiccolo_ <= 0 || simbolico())
        return;
    auto* riga = static_cast<RigaSimboli*>(edit_);
    const QFont f = ridotto(riga->font(), fontSize(), piuPiccolo_, scala_,
                            [riga](const QFont& prova) { return riga->entra(riga->text(), prova); });
    if (riga->font() != f)
        riga->setFont(f);
}

void TextBox::applyFont(double scale)
{
    scala_ = scale;
    Control::applyFont(scale);
    // The constructor's first font comes before the editor exists.
    if (!edit_ && !memo_)
        return;
    TestoSimboli& s = simboli();
    const bool prima = s.attivo;
    s.attivo = isSymbolFont(fontName());
    s.famiglia = fontName();
    s.testo = testo_;
    if (s.attivo) {
        s.cella = symbolCellFont(widget()->font(), widget()->logicalDpiY() / 72.0);
        widget()->setFont(s.cella);
    }
    if (edit_)
        edit_->setMaxLength(maxLength_ > 0 && !s.attivo ? maxLength_ : 32767);
    if (prima != s.attivo)
        restyle();
    // Changing to or from a symbol font changes what the box shows.
    if (prima || s.attivo) {
        settingText_ = true;
        const QString t = mostrato(testo_);
        if (edit_)
            edit_->setText(t);
        else
            memo_->setPlainText(t);
        settingText_ = false;
    }
    stringi();
}

void TextBox::setMaxLength(int chars)
{
    maxLength_ = std::max(chars, 0);
    if (edit_)
        edit_->setMaxLength(maxLength_ > 0 && !simbolico() ? maxLength_ : 32767);
}

void TextBox::setLocked(bool on)
{
    locked_ = on;
    if (edit_)
        edit_->setReadOnly(on);
    else
        memo_->setReadOnly(on);
}

void TextBox::setAlignment(int align)
{
    const Qt::Alignment a = align == 1 ? Qt::AlignRight : align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    if (edit_)
        edit_->setAlignment(a | Qt::AlignVCenter);
    else {
        QTextOption opzione = memo_->document()->defaultTextOption();
        opzione.setAlignment(a);
        memo_->document()->setDefaultTextOption(opzione);
    }
}

void TextBox::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}
void TextBox::setForeColor(quint32 bgr)
{
    foreColor_ = bgr;
    restyle();
}

void TextBox::restyle()
{
    // In a symbol font the box paints its characters itself, in the fore colour.
    const bool proprio = simbolico();
    if (proprio)
        simboli().inchiostro = vbColor(foreColor_);
    const QString stile =
        QStringLiteral("%1 { color: %2; background-color: %3; %4}")
            .arg(edit_ ? QStringLiteral("QLineEdit") : QStringLiteral("QPlainTextEdit"),
                 proprio ? QStringLiteral("transparent") : css(foreColor_), css(backColor_),
                 proprio ? QStringLiteral("selection-color: transparent; ") : QString());
    // A picture changing colour on a timer repaints only itself.
    if (stile != widget()->styleSheet())
        widget()->setStyleSheet(stile);
    else if (memo_)
        memo_->viewport()->update();
    else
        widget()->update();
}

int TextBox::selStart() const
{
    if (edit_)
        return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    return memo_->textCursor().selectionStart();
}

void TextBox::setSelStart(int pos)
{
    if (edit_)
        edit_->setCursorPosition(pos);
    else {
        QTextCursor c = memo_->textCursor();
        c.setPosition(pos);
        memo_->setTextCursor(c);
    }
}

int TextBox::selLength() const
{
    if (edit_)
        return int(edit_->selectedText().size());
    const QTextCursor c = memo_->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TextBox::setSelLength(int len)
{
    const int start = selStart();
    if (edit_)
        edit_->setSelection(start, len);
    else {
        QTextCursor c = memo_->textCursor();
        c.setPosition(start);
        c.setPosition(start + len, QTextCursor::KeepAnchor);
        memo_->setTextCursor(c);
    }
}

// ---- Image ------------------------------------------------------------------

Image::Image(Container& parent, const QString& name)
    : Control(parent, name, new PictureView)
{
}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!stretch_ && !picture.isNull())
        move(left(), top(), int(picture.width() * kTwipsPerPixel), int(picture.height() * kTwipsPerPixel));
    refresh();
}

void Image::setStretch(bool on)
{
    stretch_ = on;
    setPicture(picture_);
}

void Image::setBorderStyle(int style)
{
    // The view paints itself, so a style sheet's border would never show.
    auto* view = static_cast<PictureView*>(widget());
    view->border = style != 0;
    view->update();
}

void Image::applyScale(double k)
{
    Control::applyScale(k);
    refresh();
}

void Image::refresh()
{
    auto* view = static_cast<PictureView*>(widget());
    view->pixmap = picture_;
    view->stretch = true;   // the control has the picture's size when not stretched
    view->update();
}

// ---- Frame ------------------------------------------------------------------

Frame::Frame(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name, new QGroupBox), box_(static_cast<QGroupBox*>(widget()))
{
    setCaption(caption);
}

QWidget* Frame::surface() const { return box_; }

void Frame::setCaption(const QString& text)
{
    caption_ = text;
    box_->setTitle(text);
    restyle();
}
void Frame::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}
void Frame::setForeColor(quint32 bgr)
{
    foreColor_ = bgr;
    restyle();
}
void Frame::setBorderStyle(int style)
{
    borderStyle_ = style;
    restyle();
}

void Frame::restyle()
{
    box_->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { background-color: %2; color: %3; border: %4; margin-top: 0px; }"
                       "QGroupBox#%1::title { subcontrol-origin: padding; left: 6px; padding: 0 2px; }")
            .arg(name(), css(backColor_), css(foreColor_),
                 borderStyle_ ? QStringLiteral("1px solid gray") : QStringLiteral("none")));
}

// ---- PictureBox -------------------------------------------------------------

PictureBox::PictureBox(Container& parent, const QString& name)
    : Control(parent, name, new PictureView), box_(widget())
{
    static_cast<PictureView*>(box_)->stretch = false;
    box_->setAutoFillBackground(true);
    restyle();
}

QWidget* PictureBox::surface() const { return box_; }

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture.isNull())
        move(left(), top(), int(picture.width() * kTwipsPerPixel), int(picture.height() * kTwipsPerPixel));
    auto* view = static_cast<PictureView*>(box_);
    view->pixmap = picture;
    view->update();
}

void PictureBox::setAutoSize(bool on)
{
    autoSize_ = on;
    setPicture(picture_);
}

void PictureBox::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}

void PictureBox::setBorderStyle(int style)
{
    borderStyle_ = style;
    restyle();
}

void PictureBox::applyScale(double k)
{
    Control::applyScale(k);
    static_cast<PictureView*>(box_)->scale = k * kTwipsPerPixel;
}

void PictureBox::restyle()
{
    QPalette pal = box_->palette();
    pal.setColor(QPalette::Window, vbColor(backColor_));
    box_->setPalette(pal);
    auto* frame = box_;
    frame->setContentsMargins(0, 0, 0, 0);
    box_->setStyleSheet(borderStyle_ ? QStringLiteral("border: 1px solid #404040;") : QString());
}

// ---- CheckBox ---------------------------------------------------------------

namespace {
QAbstractButton* makeToggle(bool graphical, bool radio)
{
    if (graphical) {
        auto* b = new QPushButton;
        b->setCheckable(true);
        b->setAutoExclusive(radio);
        return b;
    }
    if (radio)
        return new QRadioButton;
    return new QCheckBox;
}
}  // namespace

CheckBox::CheckBox(Container& parent, const QString& name, const QString& caption, bool graphical)
    : Control(parent, name, makeToggle(graphical, false)), button_(static_cast<QAbstractButton*>(widget())),
      graphical_(graphical)
{
    QObject::connect(button_, &QAbstractButton::toggled, this, [this](bool on) {
        value_ = on ? 1 : 0;
        fireClick();
    });
    setCaption(caption);
}

void CheckBox::setCaption(const QString& text)
{
    caption_ = text;
    button_->setText(text);
    shownTextChanged();
}

void CheckBox::setValue(int v)
{
    button_->setChecked(v != 0);   // raises Click through toggled when it changes
}

void CheckBox::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    restyle();
}

void CheckBox::restyle()
{
    const QString kind = graphical_ ? QStringLiteral("QPushButton") : QStringLiteral("QCheckBox");
    button_->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(kind, css(backColor_)));
}

// ---- OptionButton -----------------------------------------------------------

OptionButton::OptionButton(Container& parent, const QString& name, const QString& caption, bool graphical)
    : Control(parent, name, makeToggle(graphical, true)), button_(static_cast<QAbstractButton*>(widget()))
{
    QObject::connect(button_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            fireClick();
    });
    // Clicking the option already chosen raises Click too, though nothing
    // toggles.
    QObject::connect(button_, &QAbstractButton::pressed, this, [this] { sceltoPrima_ = button_->isChecked(); });
    QObject::connect(button_, &QAbstractButton::clicked, this, [this] {
        if (sceltoPrima_)
            fireClick();
        sceltoPrima_ = false;
    });
    setCaption(caption);
}

void OptionButton::setCaption(const QString& text)
{
    caption_ = text;
    button_->setText(text);
    shownTextChanged();
}

bool OptionButton::value() const { return button_->isChecked(); }

void OptionButton::setValue(bool on) { button_->setChecked(on); }

void OptionButton::setBackColor(quint32 bgr)
{
    backColor_ = bgr;
    button_->setStyleSheet(QStringLiteral("background-color: %1;").arg(css(bgr)));
}

// ---- ListBox ----------------------------------------------------------------

ListBox::ListBox(Container& parent, const QString& name)
    : Control(parent, name, new QListWidget), list_(static_cast<QListWidget*>(widget()))
{
    watch(list_->viewport());
    QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            fireClick();
    });
}

void ListBox::addItem(const QString& item, int index)
{
    if (index < 0 || index > list_->count())
        list_->addItem(item);
    else
        list_->insertItem(index, item);
}
void ListBox::removeItem(int index) { delete list_->takeItem(index); }
void ListBox::clear() { list_->clear(); }
int ListBox::listCount() const { return list_->count(); }
QString ListBox::list(int index) const
{
    const QListWidgetItem* it = list_->item(index);
    return it ? it->text() : QString();
}
int ListBox::listIndex() const { return list_->currentRow(); }
void ListBox::setListIndex(int index) { list_->setCurrentRow(index); }
QString ListBox::text() const { return list(listIndex()); }

// ---- ComboBox ---------------------------------------------------------------

ComboBox::ComboBox(Container& parent, const QString& name, int style)
    : Control(parent, name, new QComboBox), combo_(static_cast<QComboBox*>(widget()))
{
    combo_->setEditable(style == 0);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            fireClick();
    });
    if (combo_->lineEdit())
        QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, this,
                         [this] { fire([this] { if (Change) Change(); }); });
}

void ComboBox::addItem(const QString& item, int index)
{
    if (index < 0 || index > combo_->count())
        combo_->addItem(item);
    else
        combo_->insertItem(index, item);
    // A new list starts with nothing chosen, as the screens expect.
    if (combo_->count() == 1 && !combo_->isEditable())
        combo_->setCurrentIndex(-1);
}
void ComboBox::removeItem(int index) { combo_->removeItem(index); }
void ComboBox::clear() { combo_->clear(); }
int ComboBox::listCount() const { return combo_->count(); }
QString ComboBox::list(int index) const { return combo_->itemText(index); }
int ComboBox::listIndex() const { return combo_->currentIndex(); }
void ComboBox::setListIndex(int index) { combo_->setCurrentIndex(index); }
QString ComboBox::text() const { return combo_->currentText(); }
void ComboBox::setText(const QString& text)
{
    if (combo_->isEditable())
        combo_->setEditText(text);
    else
        combo_->setCurrentIndex(combo_->findText(text));
}

// ---- ScrollBar --------------------------------------------------------------

ScrollBar::ScrollBar(Container& parent, const QString& name, Qt::Orientation orientation)
    : Control(parent, name, new QScrollBar(orientation)), bar_(static_cast<QScrollBar*>(widget()))
{
    // Change comes once a drag ends; Scroll while the thumb moves.
    bar_->setTracking(false);
    QObject::connect(bar_, &QScrollBar::valueChanged, this, [this] { fire([this] { if (Change) Change(); }); });
    QObject::connect(bar_, &QScrollBar::sliderMoved, this, [this] { fire([this] { if (Scroll) Scroll(); }); });
}
int ScrollBar::min() const { return bar_->minimum(); }
void ScrollBar::setMin(int v) { bar_->setMinimum(v); }
int ScrollBar::max() const { return bar_->maximum(); }
void ScrollBar::setMax(int v) { bar_->setMaximum(v); }
// Where the thumb stands: during a drag that is ahead of the value the bar
// settles on, and Scroll handlers read it to follow the thumb.
int ScrollBar::value() const { return bar_->sliderPosition(); }
void ScrollBar::setValue(int v) { bar_->setValue(v); }
void ScrollBar::setSmallChange(int v) { bar_->setSingleStep(v); }
void ScrollBar::setLargeChange(int v) { bar_->setPageStep(v); }

// ---- ProgressBar ------------------------------------------------------------

ProgressBar::ProgressBar(Container& parent, const QString& name)
    : Control(parent, name, new QProgressBar), bar_(static_cast<QProgressBar*>(widget()))
{
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
}
int ProgressBar::min() const { return bar_->minimum(); }
void ProgressBar::setMin(int v) { bar_->setMinimum(v); }
int ProgressBar::max() const { return bar_->maximum(); }
void ProgressBar::setMax(int v) { bar_->setMaximum(v); }
int ProgressBar::value() const { return bar_->value(); }
void ProgressBar::setValue(int v) { bar_->setValue(v); }

// ---- Labels beside boxes ----------------------------------------------------

namespace {
bool casella(const Control& c)
{
    const QWidget* w = c.widget();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QListWidget*>(w)
           || qobject_cast<const QScrollBar*>(w);
}

// How far, in twips, a label may stand from the box it names: a column's
// gutter aside, a row's height above.
constexpr int kAccanto = 600, kSopra = 480, kMargine = 60;

// How far the label stands from the box, or -1 when it does not name it.
int distanza(const Control& etichetta, const Control& box)
{
    const QRect e(etichetta.left(), etichetta.top(), etichetta.width(), etichetta.height());
    const QRect b(box.left(), box.top(), box.width(), box.height());
    // Beside: on the box's row, ending where the box begins.
    const int comuneV = std::min(e.bottom(), b.bottom()) - std::max(e.top(), b.top());
    const int scartoH = b.left() - (e.left() + e.width());
    if (comuneV * 2 >= std::min(e.height(), b.height()) && scartoH >= -kMargine && scartoH <= kAccanto)
        return std::max(scartoH, 0);
    // Above: over the box's own columns.
    const int comuneH = std::min(e.right(), b.right()) - std::max(e.left(), b.left());
    const int scartoV = b.top() - (e.top() + e.height());
    if (comuneH * 2 >= std::min(e.width(), b.width()) && scartoV >= -kMargine && scartoV <= kSopra)
        return kAccanto + std::max(scartoV, 0);
    return -1;
}
}  // namespace

void labelBoxes(Form& form)
{
    const std::vector<Control*>& tutti = form.controls();
    for (Control* box : tutti) {
        if (!casella(*box) || box->label() || !box->accessibleName().isEmpty())
            continue;
        Control* migliore = nullptr;
        int minima = 0;
        for (Control* c : tutti) {
            if (c->widget()->parentWidget() != box->widget()->parentWidget() || !qobject_cast<QLabel*>(c->widget())
                || c->shownText().trimmed().isEmpty())
                continue;
            const int d = distanza(*c, *box);
            if (d >= 0 && (!migliore || d < minima)) {
                migliore = c;
                minima = d;
            }
        }
        if (migliore)
            box->setLabel(*migliore);
    }
}

}  // namespace zolmera

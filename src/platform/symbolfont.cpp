#include "platform/symbolfont.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <unordered_map>
#include <cmath>

namespace zolmera {

namespace {
// Only the characters the screens use are here: each stands for the picture
// the symbol font draws for it.
const QHash<QChar, QString>& tabella(const QString& family)
{
    static const QHash<QChar, QString> wingdings3 = {
        {QLatin1Char('Z'), QStringLiteral("\u25C0")},   // black left-pointing triangle
        {QLatin1Char('['), QStringLiteral("\u25B6")},   // black right-pointing triangle
        {QChar(0xCE), QStringLiteral("\u25B2")},        // an arrow up: more
        {QChar(0xCF), QStringLiteral("\u25BC")},        // an arrow down: less
    };
    // No variation selectors: a picture is one cell of the box that shows it.
    static const QHash<QChar, QString> webdings = {
        {QLatin1Char('b'), QString::fromUcs4(U"\U0001F6B2")},   // bicycle
        {QLatin1Char('f'), QString::fromUcs4(U"\U0001F690")},   // van
        {QLatin1Char('j'), QString::fromUcs4(U"\u2708")},       // aeroplane
        {QLatin1Char('o'), QString::fromUcs4(U"\U0001F6A2")},   // ship
        {QLatin1Char('t'), QString::fromUcs4(U"\U0001F686")},   // train
        // Three cups, as the question about them says "la coppa".
        {QLatin1Char('%'), QString::fromUcs4(U"\U0001F3C6")},   // trophy cup
        {QLatin1Char('&'), QString::fromUcs4(U"\U0001F368")},   // ice cream in a cup
        {QChar(0xEC), QString::fromUcs4(U"\U0001F378")},        // cocktail cup
        // Ten everyday objects whose outlines tell them apart even small.
        {QLatin1Char('A'), QString::fromUcs4(U"\U0001F511")},   // key
        {QLatin1Char('B'), QString::fromUcs4(U"\u2702")},       // scissors
        {QLatin1Char('C'), QString::fromUcs4(U"\u2602")},       // umbrella
        {QLatin1Char('D'), QString::fromUcs4(U"\U0001F4A1")},   // light bulb
        {QLatin1Char('E'), QString::fromUcs4(U"\U0001F528")},   // hammer
        {QLatin1Char('F'), QString::fromUcs4(U"\U0001F453")},   // glasses
        {QLatin1Char('G'), QString::fromUcs4(U"\U0001F514")},   // bell
        {QLatin1Char('H'), QString::fromUcs4(U"\u23F0")},       // alarm clock
        {QLatin1Char('I'), QString::fromUcs4(U"\U0001F3A9")},   // top hat
        {QLatin1Char('J'), QString::fromUcs4(U"\U0001FA91")},   // chair
        {QLatin1Char('k'), QString::fromUcs4(U"\u26F5")},       // sailing boat
        {QLatin1Char('U'), QString::fromUcs4(U"\U0001F3E0")},   // house
    };
    static const QHash<QChar, QString> nessuna;
    if (family.compare(QLatin1String("Wingdings 3"), Qt::CaseInsensitive) == 0)
        return wingdings3;
    if (family.compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0)
        return webdings;
    return nessuna;
}

// A picture drawn once, large, in the colour emoji font, cropped to its ink
// and kept as coverage only: the controls fill it with their fore colour,
// as a symbol font's glyph would be. Two maps: the outline's coverage, and
// the weight of the inside, where light areas (windows, highlights) stay
// thinner than the outline, so the shape keeps some of its inside in one
// colour. The weight follows the lightness smoothly: a cut at one lightness
// would leave stepped edges inside the shape, and they grow with it.
struct Sagoma {
    QImage forma;
    QImage peso;
};

Sagoma sagoma(const QString& figura)
{
    static QHash<QString, Sagoma> fatte;
    if (auto it = fatte.constFind(figura); it != fatte.cend())
        return *it;
    constexpr int kLato = 192;
    QImage tela(kLato, kLato, QImage::Format_ARGB32);
    tela.fill(Qt::transparent);
    {
        QPainter p(&tela);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QFont f(QStringLiteral("Noto Color Emoji"));
        f.setPixelSize(128);
        p.setFont(f);
        p.setPen(Qt::black);   // a font without colour glyphs draws the picture in black
        p.drawText(QRect(0, 0, kLato, kLato), Qt::AlignCenter, figura);
    }
    QImage forma(kLato, kLato, QImage::Format_Alpha8);
    QImage peso(kLato, kLato, QImage::Format_Alpha8);
    forma.fill(0);
    peso.fill(255);
    QRect inchiostro;
    for (int y = 0; y < kLato; ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(tela.constScanLine(y));
        uchar* a = forma.scanLine(y);
        uchar* w = peso.scanLine(y);
        for (int x = 0; x < kLato; ++x) {
            const QRgb c = riga[x];
            if (qAlpha(c) == 0)
                continue;
            const double chiaro = (0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c)) / 255.0;
            const double t = std::clamp((chiaro - 0.75) / 0.17, 0.0, 1.0);
            w[x] = uchar(std::lround(255 * (1.0 - 0.6 * t * t * (3 - 2 * t))));
            a[x] = uchar(qAlpha(c));
            inchiostro |= QRect(x, y, 1, 1);
        }
    }
    // The emoji's own highlights have stepped edges: softened a little, they
    // stay smooth when the picture is enlarged.
    QImage morbido = peso;
    for (int y = 1; y + 1 < kLato; ++y)
        for (int x = 1; x + 1 < kLato; ++x) {
            int somma = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    somma += peso.constScanLine(y + dy)[x + dx];
            morbido.scanLine(y)[x] = uchar(somma / 9);
        }
    Sagoma fatta;
    if (!inchiostro.isEmpty())
        fatta = {forma.copy(inchiostro), morbido.copy(inchiostro)};
    fatte.insert(figura, fatta);
    return fatta;
}

// The picture at a size and in a colour, kept for the repaints to come.
// Enlarged, the outline is drawn again as sharp as at its own size: a
// smooth enlargement alone would blur it by the same factor.
const QImage& sagomaColorata(const QString& figura, QSize dentro, QRgb colore)
{
    struct Chiave {
        QString figura;
        QSize dentro;
        QRgb colore;
        bool operator==(const Chiave&) const = default;
    };
    struct Hash {
        size_t operator()(const Chiave& k) const
        {
            return qHashMulti(0, k.figura, k.dentro.width(), k.dentro.height(), k.colore);
        }
    };
    static std::unordered_map<Chiave, QImage, Hash> fatte;
    const Chiave chiave{figura, dentro, colore};
    if (auto it = fatte.find(chiave); it != fatte.end())
        return it->second;
    if (fatte.size() > 512)
        fatte.clear();
    const Sagoma s = sagoma(figura);
    QImage colorata;
    if (!s.forma.isNull() && !dentro.isEmpty()) {
        const QImage forma = s.forma.scaled(dentro, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QImage peso = s.peso.scaled(forma.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double k = std::max(1.0, double(forma.width()) / s.forma.width());
        QImage coperta(forma.size(), QImage::Format_Alpha8);
        for (int y = 0; y < forma.height(); ++y) {
            const uchar* a = forma.constScanLine(y);
            const uchar* w = peso.constScanLine(y);
            uchar* out = coperta.scanLine(y);
            for (int x = 0; x < forma.width(); ++x) {
                const double netto = std::clamp((a[x] - 127.5) * k + 127.5, 0.0, 255.0);
                out[x] = uchar(std::lround(netto * w[x] / 255.0));
            }
        }
        colorata = QImage(forma.size(), QImage::Format_ARGB32_Premultiplied);
        colorata.fill(QColor::fromRgba(colore));
        QPainter p(&colorata);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawImage(0, 0, coperta);
    }
    return fatte.emplace(chiave, colorata).first->second;
}
}  // namespace

bool isSymbolFont(const QString& family) { return !tabella(family).isEmpty(); }

QString symbolText(const QString& family, const QString& text)
{
    const auto& t = tabella(family);
    if (t.isEmpty())
        return text;
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text)
        out += t.value(c, QString(c));
    return out;
}

QString symbolChars(const QString& family, const QString& mostrato, int* posizione)
{
    const auto& t = tabella(family);
    QString out;
    int prima = 0;   // characters that start before the position
    qsizetype i = 0;
    while (i < mostrato.size()) {
        QChar carattere = mostrato[i];
        qsizetype lungo = 1;
        qsizetype trovato = 0;
        for (auto it = t.cbegin(); it != t.cend(); ++it) {
            if (it.value().size() > trovato && QStringView(mostrato).mid(i).startsWith(it.value())) {
                carattere = it.key();
                trovato = lungo = it.value().size();
            }
        }
        if (posizione && i < *posizione)
            ++prima;
        out += carattere;
        i += lungo;
    }
    if (posizione)
        *posizione = prima;
    return out;
}

QList<int> symbolOffsets(const QString& family, const QString& text)
{
    const auto& t = tabella(family);
    QList<int> out;
    out.reserve(text.size() + 1);
    int at = 0;
    for (QChar c : text) {
        out.append(at);
        at += int(t.value(c, QString(c)).size());
    }
    out.append(at);
    return out;
}

QFont symbolCellFont(const QFont& design, double pixelsPerPoint)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(design.pointSizeF());
    f.setBold(design.bold());
    f.setItalic(design.italic());
    f.setUnderline(design.underline());
    // No fallback: a picture's character is laid out as this font's empty
    // box and drawn by the control itself in the fore colour.
    f.setStyleStrategy(QFont::NoFontMerging);
    const double em = design.pointSizeF() * pixelsPerPoint;
    const double avanzo = QFontMetricsF(f).horizontalAdvance(QLatin1Char('M'));
    f.setLetterSpacing(QFont::AbsoluteSpacing, std::max(0.0, em - avanzo));
    return f;
}

void paintSymbolCell(QPainter& painter, const QRectF& cell, const QString& family, QChar c, const QColor& ink,
                     const QFont& cellFont)
{
    const QString figura = tabella(family).value(c);
    if (figura.isEmpty()) {
        if (c.isSpace())
            return;
        painter.save();
        QFont f = cellFont;
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(f);
        painter.setPen(ink);
        painter.drawText(QPointF(cell.left(), cell.top() + QFontMetricsF(f).ascent()), QString(c));
        painter.restore();
        return;
    }
    const double lato = std::floor(std::min(cell.width(), cell.height()) * 0.94);
    if (lato < 1)
        return;
    const QImage& img = sagomaColorata(figura, QSize(int(lato), int(lato)), ink.rgba());
    if (img.isNull())
        return;
    const QPointF dove(cell.center().x() - img.width() / 2.0, cell.center().y() - img.height() / 2.0);
    painter.drawImage(QPointF(std::round(dove.x()), std::round(dove.y())), img);
}

}  // namespace zolmera

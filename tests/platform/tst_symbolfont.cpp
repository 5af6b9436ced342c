// The symbol font's pictures: which character shows what, in which colour,
// and what a player typing into a box in that font leaves in its Text.
#include "platform/controls.h"
#include "platform/symbolfont.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const QString kWebdings = QStringLiteral("Webdings");
constexpr quint32 kNavy = 0x800000;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kRed = 0x0000FF;

class Tavola final : public Screen {
public:
    explicit Tavola(AppContext& c)
        : Screen(c, "frmTavola", 9000, 7000), lblCella(*this, "lblCella"), txtRiga(*this, "txtRiga"),
          txtMemo(*this, "txtMemo", true)
    {
        lblCella.move(120, 960, 2412, 1452);
        txtRiga.move(120, 2600, 6000, 500);
        txtMemo.move(120, 3300, 4000, 3400);
        for (Control* controllo : std::initializer_list<Control*>{&lblCella, &txtRiga, &txtMemo})
            controllo->setFontName(kWebdings);
        txtRiga.setFontSize(18);
    }
    Label lblCella;
    TextBox txtRiga, txtMemo;
};

Tavola& mostrata(TestWorld& w)
{
    auto& t = w.ctx->screens.get<Tavola>();
    w.run([&] { t.show(); });
    return t;
}

// What the control shows inside its border.
QImage grab(Control& c)
{
    const QImage img = c.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qobject_cast<QLabel*>(c.widget()))
        return img;
    return img.copy(img.rect().adjusted(3, 3, -3, -3));
}

// Every pixel is the back colour, the fore colour or a blend of the two, and
// `ink` counts the ones that are not the back colour.
bool soloDueColori(const QImage& img, QColor fondo, QColor davanti, int* ink)
{
    *ink = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c == fondo)
                continue;
            ++*ink;
            // How far along from back to fore, by the channel that moves most.
            const int dr = davanti.red() - fondo.red(), dg = davanti.green() - fondo.green(),
                      db = davanti.blue() - fondo.blue();
            const int lungo = std::max({std::abs(dr), std::abs(dg), std::abs(db)});
            if (lungo == 0)
                return false;
            const double t = (std::abs(dr) == lungo   ? double(c.red() - fondo.red()) / dr
                              : std::abs(dg) == lungo ? double(c.green() - fondo.green()) / dg
                                                      : double(c.blue() - fondo.blue()) / db);
            const auto vicino = [t](int f, int d, int v) { return std::abs(f + t * (d - f) - v) <= 3; };
            if (t < -0.02 || t > 1.02 || !vicino(fondo.red(), davanti.red(), c.red()) ||
                !vicino(fondo.green(), davanti.green(), c.green()) || !vicino(fondo.blue(), davanti.blue(), c.blue()))
                return false;
        }
    return true;
}
}  // namespace

class TestSymbolFont : public QObject {
    Q_OBJECT
private slots:
    void eachCharacterShowsAPictureOfItsOwn_data()
    {
        QTest::addColumn<QString>("caratteri");
        QTest::newRow("vehicles") << QStringLiteral("bfjot");
        QTest::newRow("cups") << QStringLiteral("%&\u00EC");
        QTest::newRow("objects") << QStringLiteral("ABCDEFGHIJ");
        QTest::newRow("spot the difference") << QStringLiteral("fkU");
    }
    void eachCharacterShowsAPictureOfItsOwn()
    {
        QFETCH(QString, caratteri);
        static const QString tutti = QStringLiteral("bfjot%&\u00ECABCDEFGHIJkU");
        QStringList altre;
        for (QChar c : tutti)
            altre << symbolText(kWebdings, QString(c));
        for (QChar c : caratteri) {
            const QString figura = symbolText(kWebdings, QString(c));
            QVERIFY2(figura != QString(c), qPrintable(QString(c)));
            QCOMPARE(altre.count(figura), 1);
            QCOMPARE(symbolChars(kWebdings, figura), QString(c));
        }
        QCOMPARE(symbolText(kWebdings, QStringLiteral("f")), QString::fromUcs4(U"\U0001F690"));   // still the van
    }

    void charactersWithoutAPictureStayThemselves_data()
    {
        QTest::addColumn<QString>("famiglia");
        QTest::addColumn<QString>("testo");
        QTest::newRow("lower-case letters") << kWebdings << QStringLiteral("cazK");
        QTest::newRow("digits and blanks") << kWebdings << QStringLiteral("1 9");
        QTest::newRow("an ordinary font") << QStringLiteral("Arial") << QStringLiteral("%&ABf");
    }
    void charactersWithoutAPictureStayThemselves()
    {
        QFETCH(QString, famiglia);
        QFETCH(QString, testo);
        QCOMPARE(symbolText(famiglia, testo), testo);
        QCOMPARE(symbolChars(famiglia, testo), testo);
    }

    // The pictures are drawn in the control's fore colour and nothing else:
    // navy on navy shows nothing at all.
    void picturesTakeTheForeColourOnly_data()
    {
        QTest::addColumn<bool>("etichetta");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<quint32>("davanti");
        QTest::addColumn<double>("punti");
        QTest::newRow("a cell, white on navy") << true << QStringLiteral("f") << kWhite << 72.0;
        QTest::newRow("a cell, navy on navy") << true << QStringLiteral("k") << kNavy << 72.0;
        QTest::newRow("a cell, red on navy") << true << QStringLiteral("U") << kRed << 67.0;
        QTest::newRow("a cup, navy on navy") << false << QStringLiteral("%") << kNavy << 60.0;
        QTest::newRow("a cup, yellow on navy") << false << QStringLiteral("\u00EC") << quint32(0x00FFFF) << 60.0;
    }
    void picturesTakeTheForeColourOnly()
    {
        QFETCH(bool, etichetta);
        QFETCH(QString, testo);
        QFETCH(quint32, davanti);
        QFETCH(double, punti);
        TestWorld w;
        Tavola& t = mostrata(w);
        Control* c = nullptr;
        if (etichetta) {
            t.lblCella.setFontSize(punti);
            t.lblCella.setBackColor(kNavy);
            t.lblCella.setForeColor(davanti);
            t.lblCella.setCaption(testo);
            c = &t.lblCella;
        } else {
            t.txtMemo.setFontSize(punti);
            t.txtMemo.setFontBold(true);
            t.txtMemo.setBackColor(kNavy);
            t.txtMemo.setForeColor(davanti);
            t.txtMemo.setText(testo);
            c = &t.txtMemo;
        }
        int ink = 0;
        const QImage img = grab(*c);
        QVERIFY(soloDueColori(img, vbColor(kNavy), vbColor(davanti), &ink));
        if (davanti == kNavy) {
            QCOMPARE(ink, 0);
            return;
        }
        // A picture, not the letter: it inks far more than the letter does.
        c->setFontName(QStringLiteral("Arial"));
        int lettera = 0;
        QVERIFY(soloDueColori(grab(*c), vbColor(kNavy), vbColor(davanti), &lettera));
        QVERIFY2(ink > 2 * lettera, qPrintable(QStringLiteral("%1 against %2").arg(ink).arg(lettera)));
    }

    // A player types characters, or pastes pictures: Text holds the
    // characters, the box shows each as its picture, and the limit counts
    // Text.
    void typingKeepsTheCharactersTyped_data()
    {
        QTest::addColumn<bool>("memo");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("testo");
        QTest::newRow("a picture's letter") << false << QStringLiteral("C") << 50 << QStringLiteral("C");
        QTest::newRow("its lower case") << false << QStringLiteral("c") << 50 << QStringLiteral("c");
        QTest::newRow("pictures and others") << false << QStringLiteral("Ac9%f") << 50 << QStringLiteral("Ac9%f");
        QTest::newRow("the limit counts Text") << false << QStringLiteral("ABCDEFG") << 5 << QStringLiteral("ABCDE");
        QTest::newRow("fifty pictures") << false << QString(60, QLatin1Char('J')) << 50 << QString(50, QLatin1Char('J'));
        QTest::newRow("in a memo") << true << QStringLiteral("AbC") << 2 << QStringLiteral("Ab");
    }
    void typingKeepsTheCharactersTyped()
    {
        QFETCH(bool, memo);
        QFETCH(QString, tasti);
        QFETCH(int, limite);
        QFETCH(QString, testo);
        TestWorld w;
        Tavola& t = mostrata(w);
        TextBox& box = memo ? t.txtMemo : t.txtRiga;
        QStringList cambi;
        box.Change = [&] { cambi << box.text(); };
        box.setMaxLength(limite);
        box.setFocus();
        w.settle();
        QTest::keyClicks(box.widget(), tasti);
        QCOMPARE(box.text(), testo);
        QCOMPARE(cambi.last(), testo);
        const QString mostrato = memo ? static_cast<QPlainTextEdit*>(box.widget())->toPlainText()
                                      : static_cast<QLineEdit*>(box.widget())->text();
        QCOMPARE(mostrato, symbolText(kWebdings, testo));
    }

    // Editing among the pictures: the cursor moves and deletes by whole
    // pictures, and what is typed lands where the cursor is.
    void editingAmongPictures_data()
    {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<int>("cursore");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QString>("testo");
        QTest::newRow("typed in the middle") << QStringLiteral("AB") << 1 << 0 << QStringLiteral("c") << QStringLiteral("AcB");
        QTest::newRow("a picture in the middle") << QStringLiteral("Ab") << 1 << 0 << QStringLiteral("D") << QStringLiteral("ADb");
        QTest::newRow("backspace") << QStringLiteral("ABC") << 2 << int(Qt::Key_Backspace) << QString() << QStringLiteral("AC");
        QTest::newRow("delete") << QStringLiteral("ABC") << 0 << int(Qt::Key_Delete) << QStringLiteral("J") << QStringLiteral("JBC");
        QTest::newRow("a picture pasted")
            << QStringLiteral("A") << 1 << 0 << symbolText(kWebdings, QStringLiteral("%f")) << QStringLiteral("A%f");
    }
    void editingAmongPictures()
    {
        QFETCH(QString, prima);
        QFETCH(int, cursore);
        QFETCH(int, tasto);
        QFETCH(QString, scritto);
        QFETCH(QString, testo);
        TestWorld w;
        Tavola& t = mostrata(w);
        auto* edit = static_cast<QLineEdit*>(t.txtRiga.widget());
        t.txtRiga.setText(prima);
        t.txtRiga.setFocus();
        w.settle();
        QTest::keyClick(edit, Qt::Key_Home);
        for (int i = 0; i < cursore; ++i)
            QTest::keyClick(edit, Qt::Key_Right);
        if (tasto)
            QTest::keyClick(edit, Qt::Key(tasto));
        edit->insert(scritto);
        QCOMPARE(t.txtRiga.text(), testo);
        QCOMPARE(edit->text(), symbolText(kWebdings, testo));
    }

    // A picture drawn far larger than the font's own drawing keeps its
    // outline as sharp as at the size it was drawn: from the background to
    // the full colour in as many pixels at 300 pixels as at 120, not a
    // blurred, stepped enlargement.
    void aLargePictureKeepsASharpOutline()
    {
        auto sfumatura = [](int lato) {
            QImage img(lato + 20, lato + 20, QImage::Format_RGB32);
            img.fill(QColor(0, 0, 128));
            QPainter p(&img);
            paintSymbolCell(p, QRectF(10, 10, lato, lato), kWebdings, QLatin1Char('%'), QColor(255, 255, 0), QFont());
            p.end();
            // Along each row, from the first tinted pixel in from the left to
            // the first in full colour.
            int passi = 0, righe = 0;
            for (int y = 0; y < img.height(); ++y) {
                int primo = -1;
                for (int x = 0; x < img.width(); ++x) {
                    const int rosso = qRed(img.pixel(x, y));
                    if (primo < 0 && rosso > 12)
                        primo = x;
                    if (rosso >= 230) {
                        if (primo >= 0) {
                            passi += x - primo;
                            ++righe;
                        }
                        break;
                    }
                }
            }
            return righe ? double(passi) / righe : 0.0;
        };
        const double piccola = sfumatura(120), grande = sfumatura(300);
        QVERIFY2(piccola > 0 && grande <= piccola * 1.4 + 0.5,
                 qPrintable(QStringLiteral("%1 pixels at 120, %2 at 300").arg(piccola).arg(grande)));
    }

    // A smaller size draws a smaller picture: the one different cell shows.
    void aSmallerSizeDrawsASmallerPicture()
    {
        TestWorld w;
        Tavola& t = mostrata(w);
        auto inchiostro = [&](double punti) {
            t.lblCella.setFontSize(punti);
            t.lblCella.setBackColor(kNavy);
            t.lblCella.setForeColor(kWhite);
            t.lblCella.setCaption(QStringLiteral("f"));
            int ink = 0;
            soloDueColori(grab(t.lblCella), vbColor(kNavy), vbColor(kWhite), &ink);
            return ink;
        };
        QVERIFY(inchiostro(67) < inchiostro(72));
    }
};

ZOLMERA_TEST_MAIN(TestSymbolFont)
#include "tst_symbolfont.moc"

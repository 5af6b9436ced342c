// Every picture and sound the code names must be in every edition's folders: the
// screens load them with no fallback. The names come from the sources themselves,
// so a new asset in the code without its manifest line fails here, not in play.

#include "board/discorso.h"
#include "platform/helpfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

const QStringList kEditionDigits = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
const QStringList kDataFolders = {QStringLiteral("images"), QStringLiteral("sounds"), QStringLiteral("intro"),
                                  QStringLiteral("saved"), QStringLiteral("scores")};
const QStringList kAssetFolders = {QStringLiteral("images"), QStringLiteral("sounds"), QStringLiteral("intro")};

struct Literal {
    QString text;
    int line;
};

struct Scan {
    QMap<QString, QString> names;  // asset name -> where it is first named
    QStringList unresolved;        // nomeVariante calls whose count is not a number
};

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The source with its comments blanked out (lines kept) and its string literals.
// Enough C++ lexing for our own code: comments, escapes, raw strings, character
// literals and digit separators.
std::pair<QString, QList<Literal>> lex(const QString& source)
{
    QString code = source;
    QList<Literal> literals;
    int line = 1;
    qsizetype i = 0;
    const auto blank = [&](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k)
            if (code[k] != u'\n')
                code[k] = u' ';
    };
    const auto countLines = [&](qsizetype from, qsizetype to) {
        line += int(QStringView(source).sliced(from, to - from).count(u'\n'));
    };
    while (i < source.size()) {
        const QChar c = source[i];
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        if (c == u'/' && next == u'/') {
            qsizetype end = source.indexOf(u'\n', i);
            end = end < 0 ? source.size() : end;
            blank(i, end);
            i = end;
        } else if (c == u'/' && next == u'*') {
            qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? source.size() : end + 2;
            blank(i, end);
            countLines(i, end);
            i = end;
        } else if (c == u'"' && i > 0 && source[i - 1] == u'R'
                   && (i < 2 || !isIdentifierChar(source[i - 2]) || source[i - 2] == u'u' || source[i - 2] == u'U'
                       || source[i - 2] == u'L' || source[i - 2] == u'8')) {
            const qsizetype open = source.indexOf(u'(', i);
            const QString close = u')' + source.sliced(i + 1, open - i - 1) + u'"';
            const qsizetype end = source.indexOf(close, open);
            literals.append({source.sliced(open + 1, end - open - 1), line});
            countLines(i, end);
            i = end + close.size();
        } else if (c == u'"') {
            QString text;
            qsizetype k = i + 1;
            while (k < source.size() && source[k] != u'"' && source[k] != u'\n') {
                if (source[k] == u'\\' && k + 1 < source.size())
                    text += source[k++];
                text += source[k++];
            }
            literals.append({text, line});
            i = k + 1;
        } else if (c == u'\'') {
            // A character literal, unless it separates digits (1'000).
            const qsizetype close = source.indexOf(u'\'', i + (next == u'\\' ? 3 : 2));
            const qsizetype eol = source.indexOf(u'\n', i);
            const bool separator = i > 0 && source[i - 1].isDigit();
            i = (separator || close < 0 || (eol >= 0 && close > eol)) ? i + 1 : close + 1;
        } else {
            if (c == u'\n')
                ++line;
            ++i;
        }
    }
    return {code, literals};
}

// The arguments of the call whose opening parenthesis is at `open`, split at its
// top-level commas.
QStringList callArguments(const QString& code, qsizetype open)
{
    QStringList args;
    QString current;
    int depth = 0;
    bool quoted = false;
    for (qsizetype k = open + 1; k < code.size(); ++k) {
        const QChar c = code[k];
        if (quoted) {
            current += c;
            if (c == u'\\' && k + 1 < code.size())
                current += code[++k];
            else if (c == u'"')
                quoted = false;
            continue;
        }
        if (c == u'"')
            quoted = true;
        if ((c == u',' || c == u')') && depth == 0) {
            args << current.trimmed();
            current.clear();
            if (c == u')')
                return args;
            continue;
        }
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        current += c;
    }
    return args;
}

// Asset names in one source file: file-name literals, and numbered variants asked
// for as nomeVariante("stem", N), meaning stem1.wav to stemN.wav.
void scanSource(const QString& source, const QString& file, Scan& scan)
{
    static const QRegularExpression assetName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*\\.(jpg|gif|bmp|wav)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto [code, literals] = lex(source);
    for (const Literal& literal : literals) {
        const QString name = literal.text.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
        if (assetName.match(name).hasMatch() && !scan.names.contains(name))
            scan.names.insert(name, QStringLiteral("%1:%2").arg(file).arg(literal.line));
    }

    static const QRegularExpression variantCall(QStringLiteral("\\bnomeVariante\\s*\\("));
    static const QRegularExpression stemLiteral(QStringLiteral("\"([^\"\\\\]+)\""));
    static const QRegularExpression count(QStringLiteral("^[0-9]+$"));
    for (auto it = variantCall.globalMatch(code); it.hasNext();) {
        const auto call = it.next();
        const QStringList args = callArguments(code, call.capturedEnd() - 1);
        const auto stem = args.isEmpty() ? QRegularExpressionMatch() : stemLiteral.match(args.first());
        if (!stem.hasMatch())
            continue;  // the helper's own plumbing, not a use
        const QString where = QStringLiteral("%1:%2").arg(file).arg(code.left(call.capturedStart()).count(u'\n') + 1);
        if (args.size() != 2 || !count.match(args[1]).hasMatch()) {
            scan.unresolved << QStringLiteral("%1: nomeVariante(\"%2\", ...) needs a plain number as its count")
                                   .arg(where, stem.captured(1));
            continue;
        }
        for (int n = 1; n <= args[1].toInt(); ++n) {
            const QString name = stem.captured(1) + QString::number(n) + QStringLiteral(".wav");
            if (!scan.names.contains(name))
                scan.names.insert(name, where);
        }
    }
}

Scan scanSourceTree(const QString& root)
{
    Scan scan;
    QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            scanSource(QString::fromUtf8(file.readAll()), QDir(root).relativeFilePath(path), scan);
    }
    return scan;
}

QString programDir()
{
    return QStringLiteral(ZOLMERA_PROGRAM_DIR);
}

}  // namespace

class TstAssets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void scanner_data();
    void scanner();
    void everyEditionHasItsFolders_data();
    void everyEditionHasItsFolders();
    void everyNamedAssetExists_data();
    void everyNamedAssetExists();
    void everyWordOfTheSpeechExists_data();
    void everyWordOfTheSpeechExists();
    void picturesToTellApart_data();
    void picturesToTellApart();
    void songStripCells();
    void helpFileIsThere();

private:
    Scan m_scan;
};

void TstAssets::initTestCase()
{
    m_scan = scanSourceTree(QStringLiteral(ZOLMERA_SOURCE_DIR "/src"));
    // The start screen alone names pictures: finding none means the scan looked nowhere.
    QVERIFY2(!m_scan.names.isEmpty(), "no asset name found under " ZOLMERA_SOURCE_DIR "/src");
}

void TstAssets::scanner_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("unresolved");

    QTest::newRow("names and paths") << QStringLiteral(
        "load(dir + \"\\\\images\\\\startmenu.jpg\");\nplay(u\"sounds/Applauso.WAV\"_s);\nQStringLiteral(\"posizioni1.bmp\");")
                                     << QStringList{"Applauso.WAV", "posizioni1.bmp", "startmenu.jpg"} << 0;
    QTest::newRow("comments are not code")
        << QStringLiteral("// was \"vecchio.bmp\"\n/* \"altro.gif\"\n \"terzo.wav\" */ show(\"nuovo.gif\");")
        << QStringList{"nuovo.gif"} << 0;
    QTest::newRow("patterns and other files are not assets")
        << QStringLiteral("filter(\"Immagini (*.bmp)|*.bmp\"); arg(\"%1.wav\"); open(\"zolmer.dat\"); t(\"a wav\");")
        << QStringList{} << 0;
    QTest::newRow("numbered variants") << QStringLiteral("play(nomeVariante(\"applauso\", 3));")
                                       << QStringList{"applauso1.wav", "applauso2.wav", "applauso3.wav"} << 0;
    QTest::newRow("variants through QStringLiteral")
        << QStringLiteral("play(nomeVariante( QStringLiteral(\"risata\") , 2 ));")
        << QStringList{"risata1.wav", "risata2.wav"} << 0;
    QTest::newRow("the helper itself is not a use")
        << QStringLiteral("QString nomeVariante(const QString& radice, int quante) { return radice + n; }")
        << QStringList{} << 0;
    QTest::newRow("a count that is not a number is reported")
        << QStringLiteral("play(nomeVariante(\"coro\", kCori));") << QStringList{} << 1;
    QTest::newRow("quotes in characters, raw strings, digit separators")
        << QStringLiteral("char q = '\"'; int n = 1'000; auto s = R\"(sfondo.jpg)\"; f(\"a.wav\"); g('\\'');")
        << QStringList{"a.wav", "sfondo.jpg"} << 0;
    QTest::newRow("escaped quotes inside a literal")
        << QStringLiteral("say(\"il \\\"gong.wav\\\" suona\"); play(\"gong.wav\");") << QStringList{"gong.wav"} << 0;
}

void TstAssets::scanner()
{
    QFETCH(QString, source);
    QFETCH(QStringList, names);
    QFETCH(int, unresolved);

    Scan scan;
    scanSource(source, QStringLiteral("fixture.cpp"), scan);
    QCOMPARE(scan.names.keys(), names);
    QCOMPARE(scan.unresolved.size(), unresolved);
}

void TstAssets::everyEditionHasItsFolders_data()
{
    QTest::addColumn<QString>("digit");
    for (const QString& digit : kEditionDigits)
        QTest::newRow(qPrintable(QStringLiteral("edition ") + digit)) << digit;
}

void TstAssets::everyEditionHasItsFolders()
{
    QFETCH(QString, digit);
    QStringList missing;
    for (const QString& folder : kDataFolders) {
        if (!QFileInfo(QDir(programDir()).filePath(folder + digit)).isDir())
            missing << folder + digit;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing in %1: %2").arg(programDir(), missing.join(u", "))));
}

void TstAssets::everyWordOfTheSpeechExists_data()
{
    everyEditionHasItsFolders_data();
}

// The speech builds its file names from the jackpot, so the scan of literals
// cannot see them: every jackpot a competition reaches (1.000 and 250 more
// each match, up to 99.750) and every fixed part of the speech.
void TstAssets::everyWordOfTheSpeechExists()
{
    QFETCH(QString, digit);
    QStringList nomi{QStringLiteral("buongiorno"), QStringLiteral("natale"), QStringLiteral("valletta"),
                     QStringLiteral("montepremi1"), QStringLiteral("montepremi2"), QStringLiteral("montepremi3"),
                     QStringLiteral("vostrino"), QStringLiteral("presgiocatori"), QStringLiteral("and"),
                     QStringLiteral("prescampione"), QStringLiteral("presscampione"), QStringLiteral("pressfidante")};
    for (qint32 j = 0; j < 100000; j += 250)
        for (const QString& p : zolmera::Discorso::paroleMontepremi(j))
            if (!p.isEmpty() && !nomi.contains(p))
                nomi << p;
    QStringList missing;
    for (const QString& n : nomi)
        if (!QFileInfo(QDir(programDir()).filePath(QStringLiteral("sounds") + digit + u'/' + n + QStringLiteral(".wav"))).isFile())
            missing << n;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

void TstAssets::everyNamedAssetExists_data()
{
    everyEditionHasItsFolders_data();
}

void TstAssets::everyNamedAssetExists()
{
    QFETCH(QString, digit);
    QVERIFY2(m_scan.unresolved.isEmpty(), qPrintable(m_scan.unresolved.join(u'\n')));

    QStringList missing;
    for (auto it = m_scan.names.cbegin(); it != m_scan.names.cend(); ++it) {
        const bool found = std::any_of(kAssetFolders.begin(), kAssetFolders.end(), [&](const QString& folder) {
            return QFileInfo(QDir(programDir()).filePath(folder + digit + u'/' + it.key())).isFile();
        });
        if (!found)
            missing << QStringLiteral("  %1 (named in src/%2)").arg(it.key(), it.value());
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("edition %1: %2 asset(s) missing from images%1, sounds%1 and intro%1 of %3 "
                                       "(add them to content/assets/manifest.txt):\n%4")
                            .arg(digit)
                            .arg(missing.size())
                            .arg(programDir(), missing.join(u'\n'))));
}

void TstAssets::picturesToTellApart_data()
{
    QTest::addColumn<QStringList>("names");  // in the images folder

    // A memory game whose two faces looked alike could not be played, nor a slot
    // machine whose symbols did; a misspelt parameter would draw a painter's default.
    QTest::newRow("memory cards") << QStringList{
        QStringLiteral("memo_coperta.gif"), QStringLiteral("memo1.gif"), QStringLiteral("memo2.gif"),
        QStringLiteral("memo3.gif"),        QStringLiteral("memo4.gif"), QStringLiteral("memo5.gif"),
        QStringLiteral("memo6.gif"),        QStringLiteral("memo7.gif"), QStringLiteral("memo8.gif")};
    QTest::newRow("reel symbols") << QStringList{QStringLiteral("slot_formaggio.gif"), QStringLiteral("slot_torta.gif"),
                                                 QStringLiteral("slot_anguria.gif")};
}

void TstAssets::picturesToTellApart()
{
    QFETCH(QStringList, names);
    for (const QString& digit : kEditionDigits) {
        QList<QImage> pictures;
        for (const QString& name : names) {
            const QString path = QDir(programDir()).filePath(QStringLiteral("images") + digit + u'/' + name);
            const QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path + QStringLiteral(" cannot be read")));
            pictures << picture.convertToFormat(QImage::Format_ARGB32);
        }
        for (qsizetype i = 0; i < pictures.size(); ++i)
            for (qsizetype j = i + 1; j < pictures.size(); ++j)
                QVERIFY2(pictures[i] != pictures[j],
                         qPrintable(QStringLiteral("images%1: %2 and %3 are the same picture")
                                        .arg(digit, names[i], names[j])));
    }
}

// The song strip is cut into 5 x 10 cells of whole pixels: each must hold a
// drawing of its own, in black on white only, or a title would show an empty
// cell or another title's drawing.
void TstAssets::songStripCells()
{
    for (const QString& digit : kEditionDigits) {
        const QString path = QDir(programDir()).filePath(QStringLiteral("images") + digit + QStringLiteral("/ritratti.bmp"));
        const QImage strip = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!strip.isNull(), qPrintable(path + QStringLiteral(" cannot be read")));
        QCOMPARE(strip.size(), QSize(3481, 1127));
        const int w = strip.width() / 10;
        const int h = strip.height() / 5;
        QCOMPARE(QSize(w, h), QSize(348, 225));
        QList<QImage> cells;
        for (int k = 0; k < 50; ++k) {
            const QImage cell = strip.copy((k % 10) * w, (k / 10) * h, w, h);
            bool inked = false;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const QRgb c = cell.pixel(x, y);
                    QVERIFY2(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255),
                             qPrintable(QStringLiteral("%1: cell %2 is not black on white").arg(path).arg(k)));
                    inked = inked || c == qRgb(0, 0, 0);
                }
            QVERIFY2(inked, qPrintable(QStringLiteral("%1: cell %2 is blank").arg(path).arg(k)));
            for (qsizetype j = 0; j < cells.size(); ++j)
                QVERIFY2(cells[j] != cell,
                         qPrintable(QStringLiteral("%1: cells %2 and %3 are the same").arg(path).arg(j).arg(k)));
            cells << cell;
        }
    }
}

void TstAssets::helpFileIsThere()
{
    const QString path = QDir(programDir()).filePath(QStringLiteral("zolmer.hlp"));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(" is missing")));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    QVERIFY2(!utf8.hasError(), "zolmer.hlp is not UTF-8");

    // Read as the game reads it; a topic number written twice would hide a page.
    static const QRegularExpression header(QStringLiteral("^===\\s+(\\d+)"), QRegularExpression::MultilineOption);
    QStringList numbers;
    for (auto it = header.globalMatch(text); it.hasNext();)
        numbers << it.next().captured(1);
    const QMap<int, zolmera::HelpTopic> topics = zolmera::parseHelpFile(text);
    QCOMPARE(topics.size(), numbers.size());
    QVERIFY2(topics.contains(6), "the start screen's topic 6 is missing");
    for (auto it = topics.cbegin(); it != topics.cend(); ++it) {
        QVERIFY2(!it->title.isEmpty(), qPrintable(QStringLiteral("topic %1 has no title").arg(it.key())));
        QVERIFY2(it->html.contains(QStringLiteral("<p>")),
                 qPrintable(QStringLiteral("topic %1 has no paragraph").arg(it.key())));
    }
}

QTEST_GUILESS_MAIN(TstAssets)
#include "tst_assets.moc"

#include "manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <utility>

namespace assetgen {

namespace {

constexpr int kMaxIncludeDepth = 8;

const QStringList kFolders = {QStringLiteral("images"), QStringLiteral("sounds"), QStringLiteral("intro")};
const QStringList kPictureTypes = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                   QStringLiteral("gif")};
const QStringList kVoiceOptions = {QStringLiteral("voice"), QStringLiteral("speed"), QStringLiteral("pitch"),
                                   QStringLiteral("amplitude"), QStringLiteral("gap"), QStringLiteral("fx")};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}

void skipBlanks(const QString& s, qsizetype& pos)
{
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
}

// Reads one argument starting at pos (blanks before it already skipped).
bool takeArgument(const QString& s, qsizetype& pos, QString* out, QString* error)
{
    out->clear();
    bool quoted = false;
    while (pos < s.size() && (quoted || !isBlank(s[pos]))) {
        const QChar c = s[pos++];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\' && quoted && pos < s.size() && (s[pos] == u'"' || s[pos] == u'\\')) {
            out->append(s[pos++]);
        } else {
            out->append(c);
        }
    }
    if (quoted) {
        *error = QStringLiteral("a double quote is not closed");
        return false;
    }
    return true;
}

// Reads a plain word: the keyword and the target never need quotes.
QString takeWord(const QString& s, qsizetype& pos)
{
    skipBlanks(s, pos);
    const qsizetype start = pos;
    while (pos < s.size() && !isBlank(s[pos]))
        ++pos;
    return s.mid(start, pos - start);
}

bool parseEditions(const QString& list, QList<int>* editions, QString* error)
{
    for (const QString& item : list.split(u',', Qt::SkipEmptyParts)) {
        if (const int digit = editionForKey(item); digit != 0) {
            editions->append(digit);
            continue;
        }
        for (const QChar c : item) {
            if (c < u'1' || c > u'4') {
                *error = QStringLiteral("unknown edition \"%1\" (use the digits 1 to 4 or the keys "
                                        "ZOLMER90, SERO92, ZOLMER91, ZOLMER93)")
                             .arg(item);
                return false;
            }
            editions->append(c.digitValue());
        }
    }
    if (editions->isEmpty()) {
        *error = QStringLiteral("no edition after @");
        return false;
    }
    std::sort(editions->begin(), editions->end());
    editions->erase(std::unique(editions->begin(), editions->end()), editions->end());
    return true;
}

bool parseTarget(const QString& target, ManifestLine* line, QString* error)
{
    const qsizetype slash = target.indexOf(u'/');
    line->folder = target.left(slash);
    line->name = target.mid(slash + 1);
    static const QRegularExpression namePattern(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*\\.([A-Za-z0-9]+)$"));
    const auto match = namePattern.match(line->name);
    if (slash < 0 || !kFolders.contains(line->folder) || !match.hasMatch()) {
        *error = QStringLiteral("the asset \"%1\" should be images/NAME, sounds/NAME or intro/NAME").arg(target);
        return false;
    }
    const QString type = match.captured(1).toLower();
    const bool fits = line->kind == AssetKind::Picture ? kPictureTypes.contains(type) : type == u"wav";
    if (!fits) {
        *error = line->kind == AssetKind::Picture
            ? QStringLiteral("a picture is written as .jpg, .bmp or .gif, not \"%1\"").arg(line->name)
            : QStringLiteral("a sound is written as .wav, not \"%1\"").arg(line->name);
        return false;
    }
    return true;
}

bool parsePicture(const QString& rest, ManifestLine* line, QString* error)
{
    const QStringList args = splitArguments(rest, error);
    if (!error->isEmpty())
        return false;
    static const QRegularExpression sizePattern(QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const auto size = args.isEmpty() ? QRegularExpressionMatch() : sizePattern.match(args[0]);
    if (!size.hasMatch() || args.size() < 2) {
        *error = QStringLiteral("a picture needs WIDTHxHEIGHT and a painter, as in: 468x392 startmenu");
        return false;
    }
    line->size = QSize(size.captured(1).toInt(), size.captured(2).toInt());
    line->painter = args[1];
    for (qsizetype i = 2; i < args.size(); ++i) {
        const qsizetype eq = args[i].indexOf(u'=');
        const QString key = eq < 0 ? args[i] : args[i].left(eq);
        if (key.isEmpty() || line->params.contains(key)) {
            *error = QStringLiteral("painter parameter \"%1\" is empty or given twice").arg(args[i]);
            return false;
        }
        line->params.insert(key, eq < 0 ? QString() : args[i].mid(eq + 1));
    }
    return true;
}

bool parseSpeech(const QString& rest, ManifestLine* line, QString* error)
{
    static const QRegularExpression optionPattern(QStringLiteral("^([a-z]+)="));
    qsizetype pos = 0;
    for (;;) {
        skipBlanks(rest, pos);
        const auto option = optionPattern.match(rest.mid(pos, 16));
        if (!option.hasMatch() || !kVoiceOptions.contains(option.captured(1)))
            break;
        QString argument;
        if (!takeArgument(rest, pos, &argument, error))
            return false;
        line->voice.insert(option.captured(1), argument.mid(option.capturedLength(0)));
    }
    QString text = rest.mid(pos).trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2).replace(QStringLiteral("\\\""), QStringLiteral("\""));
    if (text.trimmed().isEmpty()) {
        *error = QStringLiteral("a spoken line needs its text");
        return false;
    }
    line->text = text;
    return true;
}

bool parseEffect(const QString& rest, ManifestLine* line, QString* error)
{
    line->soxArguments = splitArguments(rest, error);
    if (!error->isEmpty())
        return false;
    if (line->soxArguments.isEmpty()) {
        *error = QStringLiteral("an effect needs its sox recipe, as in: synth 0.3 sine 880 fade 0 0.3 0.1");
        return false;
    }
    if (line->soxArguments.count(QStringLiteral("%out")) > 1) {
        *error = QStringLiteral("%out may appear once in a sox recipe");
        return false;
    }
    return true;
}

struct Reader {
    Manifest* manifest;
    QString* error;

    bool read(const QString& path, int depth)
    {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (depth > kMaxIncludeDepth || manifest->files.contains(absolute)) {
            *error = QStringLiteral("%1: included more than once (an include loop?)").arg(absolute);
            return false;
        }
        QFile file(absolute);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: cannot read the manifest: %2").arg(absolute, file.errorString());
            return false;
        }
        manifest->files << absolute;
        const QStringList physical = QString::fromUtf8(file.readAll()).split(u'\n');

        for (qsizetype i = 0; i < physical.size(); ++i) {
            const int lineNumber = int(i) + 1;
            QString text = physical[i];
            if (text.trimmed().startsWith(u'#'))
                continue;
            // A trailing backslash carries the line on, for long sox recipes.
            while (text.trimmed().endsWith(u'\\') && i + 1 < physical.size()) {
                text = text.trimmed();
                text.chop(1);
                text += u' ' + physical[++i];
            }
            if (text.trimmed().isEmpty())
                continue;
            QString message;
            if (!readLine(absolute, lineNumber, text, depth, &message)) {
                if (error->isEmpty())
                    *error = QStringLiteral("%1:%2: %3").arg(absolute).arg(lineNumber).arg(message);
                return false;
            }
        }
        return true;
    }

    bool readLine(const QString& source, int lineNumber, const QString& text, int depth, QString* message)
    {
        qsizetype pos = 0;
        const QString head = takeWord(text, pos);
        const qsizetype at = head.indexOf(u'@');
        const QString keyword = head.left(at);

        if (keyword == u"include" && at < 0) {
            const QString name = takeWord(text, pos);
            if (name.isEmpty()) {
                *message = QStringLiteral("include needs a file name");
                return false;
            }
            return read(QFileInfo(source).dir().filePath(name), depth + 1);
        }

        ManifestLine line;
        line.source = source;
        line.lineNumber = lineNumber;
        if (keyword == u"picture")
            line.kind = AssetKind::Picture;
        else if (keyword == u"speech")
            line.kind = AssetKind::Speech;
        else if (keyword == u"effect")
            line.kind = AssetKind::Effect;
        else {
            *message = QStringLiteral("\"%1\" is not picture, speech, effect or include").arg(head);
            return false;
        }
        if (at >= 0 && !parseEditions(head.mid(at + 1), &line.editions, message))
            return false;
        if (!parseTarget(takeWord(text, pos), &line, message))
            return false;

        const QString rest = text.mid(pos);
        const bool ok = line.kind == AssetKind::Picture ? parsePicture(rest, &line, message)
            : line.kind == AssetKind::Speech            ? parseSpeech(rest, &line, message)
                                                        : parseEffect(rest, &line, message);
        if (ok)
            manifest->lines.append(std::move(line));
        return ok;
    }
};

bool covers(const ManifestLine& line, int edition)
{
    return line.editions.isEmpty() || line.editions.contains(edition);
}

// Two lines of the same rank making one target for one edition would leave the
// outcome to the order of the file: refuse it.
bool checkUnique(const Manifest& manifest, QString* error)
{
    std::map<std::pair<QString, bool>, QList<const ManifestLine*>> byTarget;
    for (const ManifestLine& line : manifest.lines)
        byTarget[{line.target(), line.editions.isEmpty()}].append(&line);
    for (const auto& [key, lines] : byTarget) {
        for (int edition = 1; edition <= kEditionCount; ++edition) {
            const ManifestLine* first = nullptr;
            for (const ManifestLine* line : lines) {
                if (!covers(*line, edition))
                    continue;
                if (first) {
                    *error = QStringLiteral("%1: %2 is already made for edition %3 by %4")
                                 .arg(line->where(), key.first)
                                 .arg(edition)
                                 .arg(first->where());
                    return false;
                }
                first = line;
            }
        }
    }
    return true;
}

}  // namespace

QString ManifestLine::where() const
{
    return QStringLiteral("%1:%2").arg(source).arg(lineNumber);
}

std::optional<Manifest> Manifest::load(const QString& path, QString* error)
{
    Manifest manifest;
    manifest.directory = QFileInfo(path).absolutePath();
    error->clear();
    Reader reader{&manifest, error};
    if (!reader.read(path, 0) || !checkUnique(manifest, error))
        return std::nullopt;
    return manifest;
}

QList<const ManifestLine*> Manifest::linesFor(int edition) const
{
    QList<const ManifestLine*> chosen;
    for (const ManifestLine& line : lines) {
        if (!covers(line, edition))
            continue;
        if (line.editions.isEmpty()) {
            const bool replaced = std::any_of(lines.begin(), lines.end(), [&](const ManifestLine& other) {
                return !other.editions.isEmpty() && other.editions.contains(edition)
                    && other.target() == line.target();
            });
            if (replaced)
                continue;
        }
        chosen.append(&line);
    }
    return chosen;
}

bool Manifest::has(AssetKind kind) const
{
    return std::any_of(lines.begin(), lines.end(), [kind](const ManifestLine& line) { return line.kind == kind; });
}

int editionForKey(const QString& key)
{
    if (key == u"ZOLMER90")
        return 1;
    if (key == u"SERO92")
        return 2;
    if (key == u"ZOLMER91")
        return 3;
    if (key == u"ZOLMER93")
        return 4;
    return 0;
}

QStringList splitArguments(const QString& text, QString* error)
{
    error->clear();
    QStringList args;
    qsizetype pos = 0;
    for (;;) {
        skipBlanks(text, pos);
        if (pos >= text.size())
            return args;
        QString argument;
        if (!takeArgument(text, pos, &argument, error))
            return {};
        args << argument;
    }
}

}  // namespace assetgen

#include "platform/helpfile.h"

#include <QFile>
#include <QRegularExpression>

namespace zolmera {

QMap<int, HelpTopic> parseHelpFile(const QString& text)
{
    static const QRegularExpression header(QStringLiteral("^===\\s+(\\d+)\\s*(.*)$"));
    QMap<int, HelpTopic> topics;
    int current = -1;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const auto m = header.match(line);
        if (m.hasMatch()) {
            current = m.captured(1).toInt();
            topics[current] = HelpTopic{m.captured(2).trimmed(), QString()};
        } else if (current >= 0) {
            topics[current].html += line + QLatin1Char('\n');
        }
    }
    return topics;
}

QMap<int, HelpTopic> readHelpFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return parseHelpFile(QString::fromUtf8(f.read(4 * 1024 * 1024)));
}

}  // namespace zolmera

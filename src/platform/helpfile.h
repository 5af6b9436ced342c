#pragma once
// The game's help file: topics by number, each a title and a page of simple
// HTML. Lines starting with '#' before the first topic are comments; a topic
// starts with a line "=== <number> <title>".
#include <QMap>
#include <QString>

namespace zolmera {

struct HelpTopic {
    QString title;
    QString html;
};

QMap<int, HelpTopic> parseHelpFile(const QString& text);
// Reads and parses the file; an empty map when it is missing or unreadable.
QMap<int, HelpTopic> readHelpFile(const QString& path);

}  // namespace zolmera

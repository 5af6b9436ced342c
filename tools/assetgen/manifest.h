#pragma once

// The asset manifest: one line per asset, read by the generator. The format is told
// at the top of content/assets/manifest.txt; this reader is its only definition.

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace assetgen {

enum class AssetKind { Picture, Speech, Effect };

inline constexpr int kEditionCount = 4;

struct ManifestLine {
    QString source;  // manifest file the line was read from
    int lineNumber = 0;
    AssetKind kind = AssetKind::Picture;
    QString folder;  // "images", "sounds" or "intro"; the edition digit is added per edition
    QString name;    // file name inside the folder
    QList<int> editions;  // edition digits the line is limited to; empty means all four

    // Pictures.
    QString painter;
    QSize size;
    QHash<QString, QString> params;

    // Spoken lines: the text and espeak-ng options (voice, speed, pitch, amplitude, gap)
    // plus "fx", extra sox effects applied before the level is normalised.
    QString text;
    QHash<QString, QString> voice;

    // Effects: sox arguments, with %out where the output goes (default: "-n %out" first).
    QStringList soxArguments;

    QString where() const;  // "file:line", for messages
    QString target() const { return folder + u'/' + name; }
};

struct Manifest {
    QList<ManifestLine> lines;
    QStringList files;  // every manifest file read, includes too
    QString directory;  // folder of the main manifest: recipes run there

    // Reads the manifest and the files it includes. On a fault returns nothing and sets
    // *error to a message naming the file and line.
    static std::optional<Manifest> load(const QString& path, QString* error);

    // The lines that make the assets of one edition, one per target: a line limited
    // to some editions takes the place of an unlimited line for the same target there.
    QList<const ManifestLine*> linesFor(int edition) const;

    bool has(AssetKind kind) const;
};

// Edition digit for an edition key ("ZOLMER90" -> 1), or 0.
int editionForKey(const QString& key);

// Splits a recipe like a shell would, on blanks, keeping double-quoted runs together
// (the quotes themselves go; \" is a literal quote). Single quotes are ordinary
// characters: Italian needs its apostrophes.
QStringList splitArguments(const QString& text, QString* error);

}  // namespace assetgen

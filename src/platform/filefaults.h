#pragma once
// Where writing a file can be refused. The writers of the game's files (the
// record files, the settings, a new competition's files) ask this service at
// each step before doing it; the real one never refuses, so the file system
// alone decides. The fake refuses a step a test has armed, so the refusals a
// full disk or a read-only file would give are tried on every run, as root
// too, where read-only files and folders are writable.
#include <QDir>
#include <QList>
#include <QString>

namespace zolmera {

enum class FileStep {
    Open,     // opening the file to write it (or a new file beside it)
    Write,    // writing and flushing its bytes
    Rename,   // moving a file into place: `path` is where it goes
};

class FileFaults {
public:
    virtual ~FileFaults() = default;
    // Why the step must fail for this file, or an empty text to go ahead.
    virtual QString refusal(FileStep step, const QString& path) = 0;
};

class NoFileFaults final : public FileFaults {
public:
    QString refusal(FileStep, const QString&) override { return {}; }
};

// Each armed refusal happens once, at the first time its step is reached for
// its path, as a transient fault: what a writer does to put things back (a
// file renamed back where it was) goes through.
class FakeFileFaults final : public FileFaults {
public:
    struct Fault {
        FileStep step;
        QString path;
        QString reason;
    };
    void refuseNext(FileStep step, const QString& path, const QString& reason = QStringLiteral("disco pieno"))
    {
        armed.append({step, path, reason});
    }
    QString refusal(FileStep step, const QString& path) override
    {
        reached.append({step, path, {}});
        for (qsizetype i = 0; i < armed.size(); ++i) {
            if (armed.at(i).step == step && QDir::cleanPath(armed.at(i).path) == QDir::cleanPath(path)) {
                const Fault f = armed.takeAt(i);
                refused.append(f);
                return f.reason;
            }
        }
        return {};
    }

    QList<Fault> armed;     // not reached yet
    QList<Fault> refused;   // what was refused, in order
    QList<Fault> reached;   // every step asked about, in order
};

}  // namespace zolmera

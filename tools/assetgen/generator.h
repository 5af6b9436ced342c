#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

namespace assetgen {

// The program folder's data folders, each followed by the edition digit.
inline const QStringList kDataFolders = {QStringLiteral("images"), QStringLiteral("sounds"), QStringLiteral("intro"),
                                         QStringLiteral("saved"), QStringLiteral("scores")};

struct GeneratorOptions {
    QString manifest;
    QString output;   // the program's folder
    QString preview;  // when set, a PNG copy of every picture drawn goes here
    int jobs = 2;
    bool force = false;    // remake everything, fresh or not
    bool verbose = false;  // name every file made
    // Outputs newer than both the manifest and this are taken as up to date.
    QDateTime toolTime;
};

// Makes the data folders of the four editions and every asset of the manifest.
// Prints faults to err and a summary to out; returns the process exit code.
int generate(const GeneratorOptions& options, QTextStream& out, QTextStream& err);

}  // namespace assetgen

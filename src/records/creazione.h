#pragma once
// Writing the files of a new competition all together: either every file is
// in place, or none is.
#include <QByteArray>
#include <QList>
#include <QString>

namespace zolmera {

class FileFaults;

struct FileNuovo {
    QString percorso;
    QList<QByteArray> record;   // slot 1 upwards
};

// False, with a reason, when any file could not be written; then no file of
// the list is left behind, and files that were there before are untouched.
// Each step is first put to the platform's file faults.
bool scriviFileInsieme(const QList<FileNuovo>& files, QString* errore, FileFaults& guasti);

}  // namespace zolmera

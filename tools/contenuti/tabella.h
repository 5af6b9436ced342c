#pragma once
// The one text format of the game's content tables: UTF-8, one row a line,
// fields apart by a tab, lines starting with "#" are notes, empty lines are
// skipped. Every rule a table breaks is reported with its file and line, so
// the build can stop naming them.
#include <QList>
#include <QString>
#include <QStringList>

namespace zolmera::contenuti {

struct Riga {
    int linea = 0;
    QStringList campi;
};

struct Errore {
    QString file;
    int linea = 0;   // 0: the file as a whole
    QString regola;
    QString testo() const;
};

struct Tabella {
    QString file;
    QList<Riga> righe;
};

// Reads a table; a file that cannot be read or is not UTF-8 adds an error.
Tabella leggiTabella(const QString& percorso, QList<Errore>& errori);

}  // namespace zolmera::contenuti

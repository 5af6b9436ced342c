#pragma once
// The one text format of the game's content tables: UTF-8, one row a line,
// fields apart by a tab, lines starting with "#" are notes, empty lines are
// skipped. The build reads the tables to check and compile them, reporting
// every broken rule with its file and line; the game reads the challenges'
// tables from inside the program.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zolmera {

struct RigaTabella {
    int linea = 0;
    QStringList campi;
};

struct ErroreTabella {
    QString file;
    int linea = 0;   // 0: the file as a whole
    QString regola;
    QString testo() const;
};

struct Tabella {
    QString file;
    QList<RigaTabella> righe;
};

// Reads a table; a file that cannot be read, or a line that is not UTF-8,
// adds an error.
Tabella leggiTabella(const QString& percorso, QList<ErroreTabella>& errori);
// The same, from the bytes of the file named file.
Tabella leggiTabella(const QString& file, const QByteArray& dati, QList<ErroreTabella>& errori);

// The rows of content/prove/<nome>.tsv as the program carries it. A table
// that is missing or damaged reads as no rows at all: the build refuses a
// broken table, so only a damaged program meets one, and a window then
// plays with what it lacks left empty rather than stop.
QList<QStringList> tabellaProva(const QString& nome);

}  // namespace zolmera

// Compiles the second phase's quiz from content/archivi/ into the three
// archives of the program's folder, or, given --prove, checks the
// challenges' tables of content/prove/ and writes the game's copies. Any broken
// rule stops the build, naming the table, the line and the rule.
#include "archivi.h"
#include "prove.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

QList<Tabella> leggiCartella(const QString& cartella, QList<ErroreTabella>& errori)
{
    const QDir sorgenti(cartella);
    QList<Tabella> tabelle;
    for (const QString& nome : sorgenti.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        tabelle << leggiTabella(sorgenti.filePath(nome), errori);
    return tabelle;
}

bool riferisci(const QList<ErroreTabella>& errori)
{
    QTextStream err(stderr);
    for (const ErroreTabella& e : errori)
        err << "zolmera-contenuti: " << e.testo() << "\n";
    return errori.isEmpty();
}

int archivi(const QString& sorgenti, const QString& programma)
{
    QList<ErroreTabella> errori;
    const Archivi a = compilaArchivi(leggiCartella(sorgenti, errori), errori);
    if (!riferisci(errori))
        return 1;
    QString errore;
    if (!scriviArchivi(a, programma, &errore)) {
        QTextStream(stderr) << "zolmera-contenuti: " << errore << "\n";
        return 1;
    }
    QTextStream(stdout) << "zolmera-contenuti: " << a.argomenti.size() << " topics, " << a.domande.size()
                        << " questions\n";
    return 0;
}

// The game's copies are written only when every table keeps its rules, so
// a broken table is checked again at the next build.
int prove(const QString& sorgenti, const QString& destinazione)
{
    QList<ErroreTabella> errori;
    const QList<Tabella> tabelle = leggiCartella(sorgenti, errori);
    controllaProve(tabelle, errori);
    if (!riferisci(errori))
        return 1;
    if (!QDir().mkpath(destinazione)) {
        QTextStream(stderr) << "zolmera-contenuti: " << destinazione << ": cannot be made\n";
        return 1;
    }
    for (const Tabella& t : tabelle) {
        QFile f(QDir(destinazione).filePath(t.file));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(tabellaGioco(t)) < 0 || !f.flush()) {
            QTextStream(stderr) << "zolmera-contenuti: " << f.fileName() << ": " << f.errorString() << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << "zolmera-contenuti: challenge tables checked: " << tabelle.size() << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() == 4 && arg[1] == QLatin1String("--prove"))
        return prove(arg[2], arg[3]);
    if (arg.size() == 3 && !arg[1].startsWith(QLatin1Char('-')))
        return archivi(arg[1], arg[2]);
    QTextStream(stderr) << "usage: zolmera-contenuti <content/archivi folder> <program folder>\n"
                           "       zolmera-contenuti --prove <content/prove folder> <folder of the game's copies>\n";
    return 2;
}

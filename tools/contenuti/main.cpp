// Compiles the second phase's quiz from content/archivi/ into the three
// archives of the program's folder; any broken rule stops the build, naming
// the table, the line and the rule.
#include "archivi.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace zolmera;
using namespace zolmera::contenuti;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: zolmera-contenuti <content/archivi folder> <program folder>\n";
        return 2;
    }
    const QDir sorgenti(QString::fromLocal8Bit(argv[1]));
    QList<Errore> errori;
    QList<Tabella> tabelle;
    for (const QString& nome : sorgenti.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        tabelle << leggiTabella(sorgenti.filePath(nome), errori);
    const Archivi a = compilaArchivi(tabelle, errori);
    QTextStream err(stderr);
    for (const Errore& e : errori)
        err << "zolmera-contenuti: " << e.testo() << "\n";
    if (!errori.isEmpty())
        return 1;
    QString errore;
    if (!scriviArchivi(a, QString::fromLocal8Bit(argv[2]), &errore)) {
        err << "zolmera-contenuti: " << errore << "\n";
        return 1;
    }
    QTextStream(stdout) << "zolmera-contenuti: " << a.argomenti.size() << " topics, " << a.domande.size()
                        << " questions\n";
    return 0;
}

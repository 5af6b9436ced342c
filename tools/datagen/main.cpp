// Writes the data files a fresh installation supplies in each edition's
// scores folder: the single matches' jackpot and the three best-score tables.
// A file that is already there belongs to the player and is never touched.
#include "records/archivi.h"
#include "platform/recordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace zolmera;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zolmera-datagen <program folder>\n";
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    int scritti = 0;
    for (int d = 1; d <= 4; ++d) {
        const QString scores = QStringLiteral("%1/scores%2").arg(cartella).arg(d);
        if (!QDir().mkpath(scores)) {
            QTextStream(stderr) << "zolmera-datagen: cannot make " << scores << "\n";
            return 1;
        }
        QList<std::pair<QString, QList<QByteArray>>> files;
        // New competitions start their jackpot at 1000: single matches too.
        files.append({QStringLiteral("mtpremi.dat"), {RecMontepremi{0, 0, 1000}.codifica()}});
        QList<QByteArray> tabella;
        for (int i = 0; i < 19; ++i)
            tabella << RecPunteggio::segnaposto().codifica();
        for (int tipo = 1; tipo <= 3; ++tipo)
            files.append({nomeFilePunteggi(tipo), tabella});
        for (const auto& [nome, record] : files) {
            RecordFile f(scores + QLatin1Char('/') + nome);
            if (f.exists())
                continue;
            if (!f.replaceAll(record)) {
                QTextStream(stderr) << "zolmera-datagen: " << f.errorString() << "\n";
                return 1;
            }
            ++scritti;
        }
    }
    QTextStream(stdout) << "zolmera-datagen: " << scritti << " files written in " << cartella << "\n";
    return 0;
}

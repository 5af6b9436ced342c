#include "tabella.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace zolmera::contenuti {

QString Errore::testo() const
{
    return linea > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(linea).arg(regola)
                     : QStringLiteral("%1: %2").arg(file, regola);
}

Tabella leggiTabella(const QString& percorso, QList<Errore>& errori)
{
    Tabella t;
    t.file = QFileInfo(percorso).fileName();
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        errori << Errore{t.file, 0, QStringLiteral("cannot be read: %1").arg(f.errorString())};
        return t;
    }
    const QList<QByteArray> linee = f.readAll().split('\n');
    for (qsizetype i = 0; i < linee.size(); ++i) {
        QByteArray grezza = linee[i];
        if (grezza.endsWith('\r'))
            grezza.chop(1);
        const int n = int(i + 1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString linea = utf8(grezza);
        if (utf8.hasError()) {
            errori << Errore{t.file, n, QStringLiteral("not UTF-8")};
            continue;
        }
        if (linea.isEmpty() || linea.startsWith(QLatin1Char('#')))
            continue;
        t.righe << Riga{n, linea.split(QLatin1Char('\t'))};
    }
    return t;
}

}  // namespace zolmera::contenuti

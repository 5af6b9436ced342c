#include "records/tabella.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtDebug>

namespace zolmera {

QString ErroreTabella::testo() const
{
    return linea > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(linea).arg(regola)
                     : QStringLiteral("%1: %2").arg(file, regola);
}

Tabella leggiTabella(const QString& percorso, QList<ErroreTabella>& errori)
{
    const QString file = QFileInfo(percorso).fileName();
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        errori << ErroreTabella{file, 0, QStringLiteral("cannot be read: %1").arg(f.errorString())};
        return Tabella{file, {}};
    }
    return leggiTabella(file, f.readAll(), errori);
}

Tabella leggiTabella(const QString& file, const QByteArray& dati, QList<ErroreTabella>& errori)
{
    Tabella t{file, {}};
    const QList<QByteArray> linee = dati.split('\n');
    for (qsizetype i = 0; i < linee.size(); ++i) {
        QByteArray grezza = linee[i];
        if (grezza.endsWith('\r'))
            grezza.chop(1);
        const int n = int(i + 1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString linea = utf8(grezza);
        if (utf8.hasError()) {
            errori << ErroreTabella{t.file, n, QStringLiteral("not UTF-8")};
            continue;
        }
        if (linea.isEmpty() || linea.startsWith(QLatin1Char('#')))
            continue;
        t.righe << RigaTabella{n, linea.split(QLatin1Char('\t'))};
    }
    return t;
}

QList<QStringList> tabellaProva(const QString& nome)
{
    QList<ErroreTabella> errori;
    const Tabella t = leggiTabella(QStringLiteral(":/prove/%1.tsv").arg(nome), errori);
    if (!errori.isEmpty()) {
        qWarning("%s", qPrintable(errori.first().testo()));
        return {};
    }
    QList<QStringList> righe;
    righe.reserve(t.righe.size());
    for (const RigaTabella& r : t.righe)
        righe << r.campi;
    return righe;
}

}  // namespace zolmera

#include "records/creazione.h"

#include "platform/filefaults.h"
#include "platform/recordfile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace zolmera {

namespace {
QByteArray contenuto(const QList<QByteArray>& record)
{
    QByteArray out;
    for (const QByteArray& r : record)
        out += r.leftJustified(kRecordSlot, '\0', true);
    return out;
}

QString temporaneo(const QString& percorso) { return percorso + QStringLiteral(".nuovo"); }
QString vecchio(const QString& percorso) { return percorso + QStringLiteral(".vecchio"); }
}  // namespace

bool scriviFileInsieme(const QList<FileNuovo>& files, QString* errore, FileFaults& guasti)
{
    auto fallisce = [&](const QString& motivo) {
        for (const FileNuovo& f : files)
            QFile::remove(temporaneo(f.percorso));
        if (errore)
            *errore = motivo;
        return false;
    };

    // First every file beside its place, whole and flushed...
    for (const FileNuovo& f : files) {
        for (const QByteArray& r : f.record)
            if (r.size() > kRecordSlot)
                return fallisce(QStringLiteral("un record di %1 non entra nel suo spazio").arg(f.percorso));
        QFile t(temporaneo(f.percorso));
        QString perche = guasti.refusal(FileStep::Open, f.percorso);
        if (!perche.isEmpty() || !t.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fallisce(QStringLiteral("impossibile scrivere %1: %2")
                                .arg(f.percorso, perche.isEmpty() ? t.errorString() : perche));
        const QByteArray dati = contenuto(f.record);
        perche = guasti.refusal(FileStep::Write, f.percorso);
        if (!perche.isEmpty() || t.write(dati) != dati.size() || !t.flush()) {
            if (perche.isEmpty())
                perche = t.errorString();
            t.close();
            return fallisce(QStringLiteral("impossibile scrivere %1: %2").arg(f.percorso, perche));
        }
        t.close();
        if (t.error() != QFileDevice::NoError)
            return fallisce(QStringLiteral("impossibile scrivere %1: %2").arg(f.percorso, t.errorString()));
    }

    // ...then each moved into place; a file it replaces is kept aside until
    // every move has succeeded, so a failure puts everything back.
    auto rinomina = [&guasti](const QString& da, const QString& a) {
        return guasti.refusal(FileStep::Rename, a).isEmpty()
            && std::rename(QFile::encodeName(da).constData(), QFile::encodeName(a).constData()) == 0;
    };
    struct Fatto {
        QString percorso;
        bool conVecchio;
    };
    QList<Fatto> fatti;
    auto annulla = [&](const QString& motivo) {
        for (auto it = fatti.crbegin(); it != fatti.crend(); ++it) {
            QFile::remove(it->percorso);
            if (it->conVecchio)
                rinomina(vecchio(it->percorso), it->percorso);
        }
        return fallisce(motivo);
    };
    for (const FileNuovo& f : files) {
        const bool esisteva = QFileInfo::exists(f.percorso);
        if (esisteva && !rinomina(f.percorso, vecchio(f.percorso)))
            return annulla(QStringLiteral("impossibile sostituire %1").arg(f.percorso));
        if (!rinomina(temporaneo(f.percorso), f.percorso)) {
            if (esisteva)
                rinomina(vecchio(f.percorso), f.percorso);
            return annulla(QStringLiteral("impossibile creare %1").arg(f.percorso));
        }
        fatti << Fatto{f.percorso, esisteva};
    }
    for (const Fatto& f : fatti)
        if (f.conVecchio)
            QFile::remove(vecchio(f.percorso));
    return true;
}

}  // namespace zolmera

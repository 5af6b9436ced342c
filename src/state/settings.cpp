#include "state/settings.h"

#include "platform/recordfile.h"
#include "state/modulo1.h"

#include <QFileInfo>

namespace zolmera {

namespace {
// Fields in file order; the two contestants' texts interleave.
template <class Rec, class F>
void eachText(Rec& rec, F&& f)
{
    for (auto* pair : {&rec.Prenota, &rec.Gira, &rec.Su, &rec.Giu, &rec.Sx, &rec.Dx}) {
        f((*pair)[1]);
        f((*pair)[2]);
    }
    for (auto* single : {&rec.Musica, &rec.Parlato, &rec.Effetti, &rec.ModGioco, &rec.Sigla, &rec.Conduce})
        f(*single);
}

}  // namespace

QString valoreInterruttore(const QString& stored)
{
    return stored == QLatin1String("No") ? QString() : QStringLiteral("Play");
}

QString valoreSiNo(const QString& stored)
{
    return stored == QLatin1String("No") ? QStringLiteral("No") : QStringLiteral("Si");
}

RecImpostazioni impostazioniPredefinite()
{
    RecImpostazioni r;
    r.Prenota[1] = QStringLiteral("Z");
    r.Gira[1] = QStringLiteral("X");
    r.Prenota[2] = QStringLiteral("N");
    r.Gira[2] = QStringLiteral("M");
    r.Su[1] = QStringLiteral("W");
    r.Giu[1] = QStringLiteral("S");
    r.Sx[1] = QStringLiteral("A");
    r.Dx[1] = QStringLiteral("D");
    r.Su[2] = QStringLiteral("I");
    r.Giu[2] = QStringLiteral("K");
    r.Sx[2] = QStringLiteral("J");
    r.Dx[2] = QStringLiteral("L");
    r.Musica = r.Parlato = r.Effetti = QStringLiteral("Si");
    r.ModGioco = QStringLiteral("ZOLMER90");
    r.Sigla = r.Conduce = QStringLiteral("Si");
    return r;
}

QByteArray codificaImpostazioni(const RecImpostazioni& rec)
{
    RecordWriter w;
    eachText(rec, [&](const QString& t) { w.text(t); });
    return w.bytes();
}

std::optional<RecImpostazioni> decodificaImpostazioni(const QByteArray& bytes)
{
    RecordReader r(bytes.left(kRecordSlot));
    RecImpostazioni rec;
    eachText(rec, [&](QString& t) { t = r.text(); });
    if (r.overrun())
        return std::nullopt;
    return rec;
}

QString cifraEdizione(const QString& key)
{
    if (key == QLatin1String("ZOLMER90"))
        return QStringLiteral("1");
    if (key == QLatin1String("ZOLMER91"))
        return QStringLiteral("3");
    if (key == QLatin1String("SERO92"))
        return QStringLiteral("2");
    if (key == QLatin1String("ZOLMER93"))
        return QStringLiteral("4");
    return {};
}

LetturaImpostazioni leggiImpostazioni(const QString& path)
{
    const RecordFile file(path);
    if (!file.exists())
        return {EsitoLettura::Mancante, impostazioniPredefinite()};
    if (file.size() == 0)
        return {EsitoLettura::Vuoto, impostazioniPredefinite()};
    bool ok = false;
    const QByteArray slot = file.readSlot(1, &ok);
    if (!ok)
        return {EsitoLettura::Illeggibile, impostazioniPredefinite()};
    // Only the bytes the file really has count: zeros past its end would
    // read as empty texts and pass for a record.
    const auto rec = decodificaImpostazioni(slot.left(int(qMin<qint64>(file.size(), kRecordSlot))));
    if (!rec)
        return {EsitoLettura::Illeggibile, impostazioniPredefinite()};
    // A slot of zeros holds eighteen empty texts: no settings at all.
    bool blank = true;
    eachText(*rec, [&](const QString& t) { blank = blank && t.isEmpty(); });
    if (blank)
        return {EsitoLettura::Vuoto, impostazioniPredefinite()};
    return {EsitoLettura::Letto, *rec};
}

void applicaTasti(Modulo1& m, const RecImpostazioni& rec)
{
    m.strPrenota1 = rec.Prenota[1];
    m.strPrenota2 = rec.Prenota[2];
    m.strGira1 = rec.Gira[1];
    m.strGira2 = rec.Gira[2];
    m.strSu1 = rec.Su[1];
    m.strSu2 = rec.Su[2];
    m.strGiu1 = rec.Giu[1];
    m.strGiu2 = rec.Giu[2];
    m.strSx1 = rec.Sx[1];
    m.strSx2 = rec.Sx[2];
    m.strDx1 = rec.Dx[1];
    m.strDx2 = rec.Dx[2];
}

void applicaImpostazioni(Modulo1& m, const RecImpostazioni& rec)
{
    applicaTasti(m, rec);
    m.strMusica = valoreInterruttore(rec.Musica);
    m.strParlato = valoreInterruttore(rec.Parlato);
    m.strEffetti = valoreInterruttore(rec.Effetti);
    const QString digit = cifraEdizione(rec.ModGioco);
    if (!digit.isEmpty()) {
        m.strModGioco = rec.ModGioco;
        m.strNumModGioco = digit;
    }
    m.strSigla = valoreSiNo(rec.Sigla);
    m.strConduce = valoreSiNo(rec.Conduce);
}

}  // namespace zolmera

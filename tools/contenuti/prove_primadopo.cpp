#include "prove_primadopo.h"

#include "regole.h"

#include "challenges/mind/frmProva19.h"
#include "platform/text.h"

#include <QDate>
#include <QRegularExpression>

#include <optional>

namespace zolmera::contenuti {

namespace {

// A date as precise as it is known: the year (negative before Christ), then
// the month and the day when they are given.
using Data = QList<int>;

std::optional<Data> leggiData(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral("^(-?)(\\d{1,4})(?:-(\\d{2})(?:-(\\d{2}))?)?$"));
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch())
        return std::nullopt;
    const int anno = m.captured(2).toInt() * (m.captured(1).isEmpty() ? 1 : -1);
    if (anno == 0)
        return std::nullopt;
    Data d{anno};
    if (m.hasCaptured(3)) {
        const int mese = m.captured(3).toInt();
        if (mese < 1 || mese > 12)
            return std::nullopt;
        d << mese;
    }
    if (m.hasCaptured(4)) {
        const int giorno = m.captured(4).toInt();
        if (!QDate(anno, d[1], giorno).isValid())
            return std::nullopt;
        d << giorno;
    }
    return d;
}

// -1 before, 1 after, 0 when the dates, as far as both are known, agree and
// so cannot tell which came first.
int confronta(const Data& a, const Data& b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

}  // namespace

void controllaPrimaDopo(const Tabella& t, QList<ErroreTabella>& errori)
{
    using F = frmProva19;
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    for (const RigaTabella& r : t.righe) {
        const QStringList& c = r.campi;
        if (c.size() != F::kCampi) {
            errore(r.linea, QStringLiteral("a row must be: reference event, date, then event, date, answer three times"));
            continue;
        }
        bool integra = true;
        for (int i = 0; i < c.size(); ++i)
            if (const QString difetto = difettoTesto(c[i]); !difetto.isEmpty()) {
                errore(r.linea, QStringLiteral("field %1 %2").arg(i + 1).arg(difetto));
                integra = false;
            }
        if (!integra)
            continue;
        const QString& riferimento = c[F::kCampoRiferimento];
        if (vbUCase(riferimento) != riferimento)
            errore(r.linea, QStringLiteral("the reference event is not in capitals"));
        if (riferimento.size() > F::kMaxRiferimento)
            errore(r.linea, QStringLiteral("the reference event is longer than %1 characters").arg(F::kMaxRiferimento));
        const std::optional<Data> dataRiferimento = leggiData(c[F::kCampoDataRiferimento]);
        if (!dataRiferimento)
            errore(r.linea, QStringLiteral("the reference date \"%1\" is not a year, year-month or year-month-day")
                                .arg(c[F::kCampoDataRiferimento]));
        for (int i = 0; i < F::kQuesiti; ++i) {
            const QString& evento = c[F::campoEvento(i)];
            const QString& risposta = c[F::campoRisposta(i)];
            const int n = i + 1;
            if (evento.size() > F::kMaxEvento)
                errore(r.linea, QStringLiteral("event %1 is longer than %2 characters").arg(n).arg(F::kMaxEvento));
            if (vbUCase(evento) == riferimento)
                errore(r.linea, QStringLiteral("event %1 is the reference event").arg(n));
            if (risposta != QLatin1String("PRIMA") && risposta != QLatin1String("DOPO")) {
                errore(r.linea, QStringLiteral("the answer to event %1 is neither PRIMA nor DOPO").arg(n));
                continue;
            }
            const std::optional<Data> data = leggiData(c[F::campoData(i)]);
            if (!data) {
                errore(r.linea, QStringLiteral("the date of event %1, \"%2\", is not a year, year-month or year-month-day")
                                    .arg(n)
                                    .arg(c[F::campoData(i)]));
                continue;
            }
            if (!dataRiferimento)
                continue;
            const int ordine = confronta(*data, *dataRiferimento);
            if (ordine == 0)
                errore(r.linea, QStringLiteral("the dates cannot tell whether event %1 came before or after").arg(n));
            else if (const QString giusta = ordine < 0 ? QStringLiteral("PRIMA") : QStringLiteral("DOPO");
                     risposta != giusta)
                errore(r.linea, QStringLiteral("by the dates, the answer to event %1 is %2, not %3").arg(n).arg(giusta, risposta));
        }
    }
    if (t.righe.size() != F::kRighe)
        errore(0, QStringLiteral("the table has %1 rows, not %2").arg(t.righe.size()).arg(F::kRighe));
}

}  // namespace zolmera::contenuti

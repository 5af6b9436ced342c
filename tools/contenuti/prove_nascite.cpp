#include "prove_nascite.h"

#include "regole.h"
#include "scelte.h"

#include "challenges/short/frmProvina10.h"
#include "platform/text.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>

namespace zolmera::contenuti {

namespace {
constexpr int kCampi = 8;
constexpr int kPrimaData = 6;   // the first choice's date of birth, counted from 1

const QStringList kMesi{QStringLiteral("gennaio"), QStringLiteral("febbraio"), QStringLiteral("marzo"),
                        QStringLiteral("aprile"),  QStringLiteral("maggio"),   QStringLiteral("giugno"),
                        QStringLiteral("luglio"),  QStringLiteral("agosto"),   QStringLiteral("settembre"),
                        QStringLiteral("ottobre"), QStringLiteral("novembre"), QStringLiteral("dicembre")};

// The day as the window shows it; an invalid date when the text is not
// one, or names a day no calendar has.
QDate dataMostrata(const QString& testo, bool& forma)
{
    static const QRegularExpression re(QStringLiteral("^([1-9]|[12][0-9]|3[01]) ([a-z]+) ([0-9]{4})$"));
    const QRegularExpressionMatch m = re.match(testo);
    const int mese = m.hasMatch() ? int(kMesi.indexOf(m.captured(2))) + 1 : 0;
    forma = mese > 0;
    return forma ? QDate(m.captured(3).toInt(), mese, m.captured(1).toInt()) : QDate();
}

QDate dataIso(const QString& testo)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    return re.match(testo).hasMatch() ? QDate::fromString(testo, Qt::ISODate) : QDate();
}
}  // namespace

void controllaNascite(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    struct Nascita {
        QDate data;
        int linea = 0;
    };
    QHash<QString, Nascita> nascite;   // a name in upper case -> its birthday, where first given
    for (const RigaTabella& r : t.righe) {
        if (!controllaCampi(t, r, kCampi, QStringLiteral("date, three choices, answer, the choices' three dates of birth"), errori))
            continue;
        const QString& testo = r.campi[0];
        QDate mostrata;
        if (controllaTesto(t, r, 1, QStringLiteral("the date"), 0, 0, errori)) {
            bool forma = false;
            mostrata = dataMostrata(testo, forma);
            if (!forma)
                errore(r.linea, QStringLiteral("the date must read \"d mese yyyy\": the day without a leading zero, "
                                               "the month in small letters, four digits of year"));
            else if (!mostrata.isValid())
                errore(r.linea, QStringLiteral("\"%1\" is no day of the calendar").arg(testo));
        }
        controllaScelte(t, r, 2, 5, false, errori);

        const QString& risposta = r.campi[4];
        // Without its answer among the choices the row is refused already:
        // there is nobody the date should pick out.
        const bool trovata = r.campi.mid(1, 3).contains(risposta);
        for (int k = 0; k < 3; ++k) {
            const QString& nome = r.campi[1 + k];
            const QDate nata = dataIso(r.campi[kPrimaData - 1 + k]);
            if (!nata.isValid()) {
                errore(r.linea, QStringLiteral("the date of birth of choice %1 must be a real day as yyyy-mm-dd").arg(k + 1));
                continue;
            }
            // The shown day, month and year pick out the answer and nobody else.
            if (trovata && mostrata.isValid()) {
                if (nome == risposta && nata != mostrata)
                    errore(r.linea, QStringLiteral("the date shown is not the birthday of the answer, choice %1").arg(k + 1));
                else if (nome != risposta && nata == mostrata)
                    errore(r.linea, QStringLiteral("choice %1 was born on the date shown too").arg(k + 1));
            }
            if (nome.isEmpty())
                continue;
            const QString chiave = vbUCase(nome);
            if (const auto prima = nascite.constFind(chiave); prima == nascite.cend())
                nascite.insert(chiave, {nata, r.linea});
            else if (prima->data != nata)
                errore(r.linea, QStringLiteral("\"%1\" was born on %2 on line %3")
                                    .arg(nome, prima->data.toString(Qt::ISODate))
                                    .arg(prima->linea));
        }
    }
    controllaRighe(t, frmProvina10::kDate, QStringLiteral("dates"), errori);
}

}  // namespace zolmera::contenuti

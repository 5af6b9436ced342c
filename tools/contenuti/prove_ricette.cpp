#include "prove_ricette.h"

#include "regole.h"
#include "scelte.h"

#include "challenges/short/frmProvina14.h"

#include <QRegularExpression>

namespace zolmera::contenuti {

namespace {
constexpr int kMinRicetta = 163;
constexpr int kMaxRicetta = 838;
constexpr int kMinX = 3;
constexpr int kMaxX = 12;
// The choices share the board's option boxes with the recipe's font: a
// longer phrase reads as a sentence, not an ingredient.
constexpr int kMaxScelta = 30;

// What is wrong with the hidden words of a recipe: a capital X is either
// part of a whole word of X alone, 3 to 12 of them, or a slip that gives the
// ingredient's length away or hides nothing. Empty when nothing is.
QString difettoX(const QString& ricetta)
{
    static const QRegularExpression parole(QStringLiteral("[\\w']*X[\\w']*"), QRegularExpression::UseUnicodePropertiesOption);
    int corse = 0;
    for (auto it = parole.globalMatch(ricetta); it.hasNext();) {
        // An elided article or preposition ("dell'") may lead a run; the run is what follows it.
        const QString parola = it.next().captured().section(u'\'', -1);
        static const QRegularExpression corsa(QStringLiteral("^X+$"));
        if (!corsa.match(parola).hasMatch())
            return QStringLiteral("\"%1\" mixes X with other letters").arg(parola);
        if (parola.size() < kMinX || parola.size() > kMaxX)
            return QStringLiteral("a run of %1 X, not %2 to %3").arg(parola.size()).arg(kMinX).arg(kMaxX);
        ++corse;
    }
    if (corse == 0)
        return QStringLiteral("the recipe hides nothing: no run of X");
    return {};
}
}  // namespace

void controllaRicette(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    for (const RigaTabella& r : t.righe) {
        if (!controllaCampi(t, r, 5, QStringLiteral("recipe, three choices, answer"), errori))
            continue;
        const QString& ricetta = r.campi[0];
        if (controllaTesto(t, r, 1, QStringLiteral("the recipe"), kMinRicetta, kMaxRicetta, errori)) {
            // Two blanks stand where a list would have its commas.
            if (ricetta.contains(u','))
                errore(r.linea, QStringLiteral("the recipe has a comma: two blanks part a list's items"));
            if (const QString nascosto = difettoX(ricetta); !nascosto.isEmpty())
                errore(r.linea, nascosto);
            if (const QString& esatta = r.campi[4]; !esatta.isEmpty() && ricetta.contains(esatta, Qt::CaseInsensitive))
                errore(r.linea, QStringLiteral("the recipe gives the answer away: \"%1\"").arg(esatta));
        }
        for (int k = 1; k <= 3; ++k) {
            const QString& scelta = r.campi[k];
            if (scelta.isEmpty())
                continue;   // the shared check names it
            if (scelta.size() > kMaxScelta)
                errore(r.linea, QStringLiteral("choice %1 is longer than %2 characters").arg(k).arg(kMaxScelta));
            if (!scelta.at(0).isUpper() && !scelta.at(0).isDigit())
                errore(r.linea, QStringLiteral("choice %1 starts with neither a capital nor a digit").arg(k));
        }
        controllaScelte(t, r, 2, 5, false, errori);
    }
    controllaRighe(t, frmProvina14::kRicette, QStringLiteral("recipes"), errori);
}

}  // namespace zolmera::contenuti

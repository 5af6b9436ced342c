#include "prove_contrario.h"

#include "regole.h"
#include "scelte.h"

#include "challenges/short/frmProvina12.h"
#include "platform/text.h"

namespace zolmera::contenuti {

namespace {
constexpr int kMinMostrata = 6;
constexpr int kMaxMostrata = 45;
}  // namespace

void controllaContrario(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 5) {
            errore(r.linea, QStringLiteral("a row must be: answer shown, three questions, right question"));
            continue;
        }
        const QString& mostrata = r.campi[0];
        if (const QString difetto = difettoTesto(mostrata); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the answer shown %1").arg(difetto));
        } else {
            if (mostrata.size() < kMinMostrata || mostrata.size() > kMaxMostrata)
                errore(r.linea, QStringLiteral("the answer shown has %1 characters, not %2 to %3")
                                    .arg(mostrata.size())
                                    .arg(kMinMostrata)
                                    .arg(kMaxMostrata));
            if (mostrata != vbUCase(mostrata))
                errore(r.linea, QStringLiteral("the answer shown is not in upper case"));
        }
        controllaScelte(t, r, 2, 5, false, errori);
        // The question mark is part of what the contestant types: a question
        // without it would teach him to leave it out.
        for (int k = 1; k <= 3; ++k)
            if (!r.campi[k].endsWith(QLatin1Char('?')))
                errore(r.linea, QStringLiteral("question %1 does not end with \"?\"").arg(k));
    }
    if (t.righe.size() != frmProvina12::kRighe)
        errore(0, QStringLiteral("the table has %1 answers, not %2").arg(t.righe.size()).arg(frmProvina12::kRighe));
}

}  // namespace zolmera::contenuti

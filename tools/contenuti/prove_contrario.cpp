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
        if (!controllaCampi(t, r, 5, QStringLiteral("answer shown, three questions, right question"), errori))
            continue;
        if (controllaTesto(t, r, 1, QStringLiteral("the answer shown"), kMinMostrata, kMaxMostrata, errori))
            controllaMaiuscole(t, r, 1, QStringLiteral("the answer shown"), errori);
        controllaScelte(t, r, 2, 5, false, errori);
        // The question mark is part of what the contestant types: a question
        // without it would teach him to leave it out.
        for (int k = 1; k <= 3; ++k)
            if (!r.campi[k].endsWith(QLatin1Char('?')))
                errore(r.linea, QStringLiteral("question %1 does not end with \"?\"").arg(k));
    }
    controllaRighe(t, frmProvina12::kRighe, QStringLiteral("answers"), errori);
}

}  // namespace zolmera::contenuti

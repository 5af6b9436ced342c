#include "prove_proverbi.h"

#include "prove_coppie.h"

#include "challenges/short/frmProvina11.h"
#include "platform/text.h"

#include <QHash>

namespace zolmera::contenuti {

void controllaProverbi(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> visti;   // a proverb -> its line
    for (const RigaTabella& r : t.righe) {
        if (!controllaCoppia(t, r, QStringLiteral("proverb, missing words"), QStringLiteral("proverb"), errori))
            continue;
        const QString& proverbio = r.campi[0];
        // One gap, one answer: a second gap would leave words no one is asked for.
        if (proverbio.count(u'\u2026') != 1)
            errore(r.linea, QStringLiteral("the proverb must show exactly one \"\u2026\""));
        controllaMaiuscole(t, r, 2, QStringLiteral("the answer"), errori);
        if (const auto prima = visti.constFind(proverbio); prima != visti.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(proverbio).arg(*prima));
        else
            visti.insert(proverbio, r.linea);
    }
    controllaRighe(t, frmProvina11::kProverbi, QStringLiteral("proverbs"), errori);
}

}  // namespace zolmera::contenuti

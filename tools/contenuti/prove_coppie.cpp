#include "prove_coppie.h"

#include "regole.h"
#include "scelte.h"

namespace zolmera::contenuti {

bool controllaCoppia(const Tabella& t, const RigaTabella& r, const QString& forma, const QString& testo,
                     QList<ErroreTabella>& errori)
{
    if (!controllaCampi(t, r, 2, forma, errori) ||
        !controllaTesto(t, r, 1, QStringLiteral("the %1").arg(testo), 0, 0, errori))
        return false;
    const qsizetype prima = errori.size();
    controllaScelte(t, r, 0, 2, false, errori);
    return errori.size() == prima;
}

}  // namespace zolmera::contenuti

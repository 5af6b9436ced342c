#include "prove_coppie.h"

#include "regole.h"
#include "scelte.h"

namespace zolmera::contenuti {

bool controllaCoppia(const Tabella& t, const RigaTabella& r, const QString& forma, const QString& testo,
                     QList<ErroreTabella>& errori)
{
    if (r.campi.size() != 2) {
        errori << ErroreTabella{t.file, r.linea, QStringLiteral("a row must be: %1").arg(forma)};
        return false;
    }
    if (const QString difetto = difettoTesto(r.campi[0]); !difetto.isEmpty()) {
        errori << ErroreTabella{t.file, r.linea, QStringLiteral("the %1 %2").arg(testo, difetto)};
        return false;
    }
    const qsizetype prima = errori.size();
    controllaScelte(t, r, 0, 2, false, errori);
    return errori.size() == prima;
}

void controllaRighe(const Tabella& t, qsizetype attese, const QString& cosa, QList<ErroreTabella>& errori)
{
    if (t.righe.size() != attese)
        errori << ErroreTabella{t.file, 0, QStringLiteral("the table has %1 %2, not %3").arg(t.righe.size()).arg(cosa).arg(attese)};
}

}  // namespace zolmera::contenuti

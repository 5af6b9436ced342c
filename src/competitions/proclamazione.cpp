#include "competitions/proclamazione.h"

namespace zolmera {

QString testoProclamazione(const std::array<RigaProclamazione, 4>& r)
{
    auto pari = [&](const RigaProclamazione& x) { return x.merito == r[0].merito && x.vincita == r[0].vincita; };
    const QString pariMerito = QStringLiteral(" sono campioni pari merito");
    QString testo;
    if (r[0].merito > r[1].merito || (r[0].merito == r[1].merito && r[0].vincita > r[1].vincita))
        testo = QStringLiteral("Il vincitore è ") + r[0].nome;
    else
        testo = r[0].nome + QStringLiteral(" e ") + r[1].nome + pariMerito;
    if (pari(r[2]))
        testo = r[0].nome + QStringLiteral(", ") + r[1].nome + QStringLiteral(" e ") + r[2].nome + pariMerito;
    if (pari(r[3]))
        testo = r[0].nome + QStringLiteral(", ") + r[1].nome + QStringLiteral(", ") + r[2].nome + QStringLiteral(" e ")
                + r[3].nome + pariMerito;
    return testo;
}

}  // namespace zolmera

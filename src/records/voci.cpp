#include "records/voci.h"

#include "platform/text.h"
#include "state/context.h"

#include <QFile>
#include <QRegularExpression>

namespace zolmera {

void ImpostaVociConcorrenti(AppContext& ctx)
{
    Modulo1& M = ctx.M;
    for (int k = 1; k <= 2; ++k)
        M.strVoceConcorrente[k] = ctx.editionFile(QStringLiteral("sounds"), vbTrim(M.strNomeConcorrente[k]) + QStringLiteral(".wav"));
    // A name that could point outside the sound folder is no voice of ours;
    // any file that cannot be opened gives the generic voice of the seat.
    static const QRegularExpression fuori(QStringLiteral("[\\\\/:*?]"));
    for (int k = 1; k <= 2; ++k) {
        QFile voce(M.strVoceConcorrente[k]);
        const bool sicuro = !vbTrim(M.strNomeConcorrente[k]).contains(fuori);
        if (!sicuro || !voce.open(QIODevice::ReadOnly))
            M.strVoceConcorrente[k] = ctx.editionFile(QStringLiteral("sounds"), QStringLiteral("concorrente%1.wav").arg(k));
    }
}

}  // namespace zolmera

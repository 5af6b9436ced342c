#include "challenges/short/frmProvina15.h"

namespace zolmera {

// The disguise shown first, the city after it, both as kept: the answer is
// the city's name upper-cased, its accent with it.
frmProvina15::frmProvina15(AppContext& context)
    : ProvaRiga(context, 15, QStringLiteral("farfallino"), Campi{1, 0, 2}, Aspetto{28.2, 8640, 1680})
{
}

}  // namespace zolmera

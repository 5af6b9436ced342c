#include "challenges/short/frmProvina11.h"

namespace zolmera {

frmProvina11::frmProvina11(AppContext& context)
    : ProvaRiga(context, 11, QStringLiteral("proverbi"), Campi{1, 0, 2}, Aspetto{18, 8640, 1200})
{
}

}  // namespace zolmera

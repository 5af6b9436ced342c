#include "challenges/short/frmProvina9.h"

namespace zolmera {

// The mask shown first, the name after it: the row is the answer's own
// disguise, so both are kept rather than the mask made here.
frmProvina9::frmProvina9(AppContext& context)
    : ProvaRiga(context, 9, QStringLiteral("mascherati"), Campi{1, 0, 2}, Aspetto{24, 8640, 1440})
{
}

}  // namespace zolmera

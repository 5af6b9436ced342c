#include "challenges/short/frmProvina12.h"

namespace zolmera {

frmProvina12::frmProvina12(AppContext& context)
    : ProvaRiga(context, 12, QStringLiteral("contrario"), kCampi, kAspetto)
{
}

}  // namespace zolmera

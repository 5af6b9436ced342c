#include "challenges/short/frmProvina7.h"

namespace zolmera {

frmProvina7::frmProvina7(AppContext& context)
    : ProvaRiga(context, 7, QStringLiteral("telegrammi"), kCampi, kAspetto)
{
}

}  // namespace zolmera

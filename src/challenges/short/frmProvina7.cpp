#include "challenges/short/frmProvina7.h"

namespace zolmera {

frmProvina7::frmProvina7(AppContext& context)
    : ProvaRiga(context, 7, QStringLiteral("telegrammi"), Campi{1, 2, 5}, Aspetto{18, 9600, 2400})
{
}

}  // namespace zolmera

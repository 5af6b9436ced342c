#include "challenges/short/frmProvina12.h"

namespace zolmera {

frmProvina12::frmProvina12(AppContext& context)
    : ProvaRiga(context, 12, QStringLiteral("contrario"), Campi{1, 2, 5}, Aspetto{24, 9600, 1500})
{
}

}  // namespace zolmera

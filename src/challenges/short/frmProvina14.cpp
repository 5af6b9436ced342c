#include "challenges/short/frmProvina14.h"

namespace zolmera {

frmProvina14::frmProvina14(AppContext& context)
    : ProvaRiga(context, 14, QStringLiteral("ricette"), Campi{}, Aspetto{12, 9600, 2640})
{
}

}  // namespace zolmera

#include "challenges/short/frmProvina8.h"

namespace zolmera {

// The box is sized so the longest passage of the table shows whole at 18
// points, without scrolling.
frmProvina8::frmProvina8(AppContext& context)
    : ProvaRiga(context, 8, QStringLiteral("motivi"), Campi{1, 2, 5}, Aspetto{18, 9600, 2400})
{
}

}  // namespace zolmera

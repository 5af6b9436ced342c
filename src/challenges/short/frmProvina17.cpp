#include "challenges/short/frmProvina17.h"

namespace zolmera {

// Row: the definition, then its word. The longest definitions take two
// lines of the box at this font; the third is room for a wider face.
frmProvina17::frmProvina17(AppContext& context)
    : ProvaRiga(context, 17, QStringLiteral("gabbie"), Campi{1, 0, 2}, Aspetto{28.2, 12000, 2040})
{
}

}  // namespace zolmera

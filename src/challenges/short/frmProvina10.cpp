#include "challenges/short/frmProvina10.h"

namespace zolmera {

// A row: the date, the three names, the name of the one born that day. The
// longest date, a two-digit day of "settembre", holds one line of the box
// at this size with room to spare.
frmProvina10::frmProvina10(AppContext& context)
    : ProvaRiga(context, 10, QStringLiteral("nascite"), Campi{1, 2, 5}, Aspetto{36, 8640, 1440})
{
}

}  // namespace zolmera

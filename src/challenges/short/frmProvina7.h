#pragma once
// "IL TELEGRAMMA": a well-known person told in a telegram, read for ten
// seconds; then the board asks who it was, with the row's three names.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina7 final : public ProvaRiga {
public:
    explicit frmProvina7(AppContext& context);

    static constexpr Campi kCampi{1, 2, 5};
    // The longest telegram takes four lines of the box; a fifth is spare, for a
    // wider face of the font.
    static constexpr Aspetto kAspetto{18, 9600, 2400};
    static constexpr int kRighe = 35;
};

}  // namespace zolmera

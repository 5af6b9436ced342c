#pragma once
// "IL TELEGRAMMA": a well-known person told in a telegram, read for ten
// seconds; then the board asks who it was, with the row's three names.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina7 final : public ProvaRiga {
public:
    explicit frmProvina7(AppContext& context);

    static constexpr int kRighe = 35;
};

}  // namespace zolmera

#pragma once
// "IL GRANDE CHEF": a recipe with one ingredient hidden under runs of capital
// X, read for thirty seconds; then the board asks for the missing
// ingredient, with the row's three choices.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina14 final : public ProvaRiga {
public:
    explicit frmProvina14(AppContext& context);

    static constexpr int kRicette = 60;
};

}  // namespace zolmera

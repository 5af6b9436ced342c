#pragma once
// "COMPLETA IL PROVERBIO": a proverb with words missing, read for ten
// seconds; then the contestants type the missing words on the board.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina11 final : public ProvaRiga {
public:
    explicit frmProvina11(AppContext& context);

    static constexpr int kProverbi = 80;
};

}  // namespace zolmera

#pragma once
// "CODICE FISCALE": a well-known person's name and surname, every other
// letter of each word hidden under an X, read for ten seconds; then the
// contestants type the whole name on the board.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina9 final : public ProvaRiga {
public:
    explicit frmProvina9(AppContext& context);

    static constexpr int kNomi = 215;
};

}  // namespace zolmera

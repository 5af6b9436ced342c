#pragma once
// "DOMANDA AL CONTRARIO": an answer, read for ten seconds; then the board
// asks for its question, with three that differ by a word or two.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina12 final : public ProvaRiga {
public:
    explicit frmProvina12(AppContext& context);

    static constexpr int kRighe = 50;
};

}  // namespace zolmera

#pragma once
// "DOMANDA AL CONTRARIO": an answer, read for ten seconds; then the board
// asks for its question, with three that differ by a word or two.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina12 final : public ProvaRiga {
public:
    explicit frmProvina12(AppContext& context);

    static constexpr Campi kCampi{1, 2, 5};
    // The longest answer takes two lines of the box; a third is spare, for a
    // wider face of the font.
    static constexpr Aspetto kAspetto{24, 9600, 1800};
    static constexpr int kRighe = 50;
};

}  // namespace zolmera

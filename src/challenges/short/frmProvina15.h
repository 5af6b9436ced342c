#pragma once
// "LINGUAGGIO FARFALLINO": a city's name in the farfallino language, read
// for ten seconds; then the contestants type the city's name on the board.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina15 final : public ProvaRiga {
public:
    explicit frmProvina15(AppContext& context);

    static constexpr int kCitta = 50;
};

}  // namespace zolmera

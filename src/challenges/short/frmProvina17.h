#pragma once
// "PAROLE IN GABBIA": a definition that shows the first or the last letters
// of its word, read for ten seconds; the contestants type the whole word.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina17 final : public ProvaRiga {
public:
    explicit frmProvina17(AppContext& context);
};

}  // namespace zolmera

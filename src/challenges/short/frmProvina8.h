#pragma once
// "IL MOTIVO MISTERIOSO": a few lines of a song, an aria or a hymn, read for
// ten seconds; then the board asks for its title, offering three titles to
// choose from or, when the row has none, leaving the contestants to type it.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina8 final : public ProvaRiga {
public:
    explicit frmProvina8(AppContext& context);
};

}  // namespace zolmera

#pragma once
// "DATA DI NASCITA": a date of birth shown for the reading time, then the
// board asks who was born that day among three well-known persons.
#include "challenges/base/riga.h"

namespace zolmera {

class frmProvina10 final : public ProvaRiga {
public:
    explicit frmProvina10(AppContext& context);

    // The dates of the table, one a row.
    static constexpr int kDate = 128;
};

}  // namespace zolmera

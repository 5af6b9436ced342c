#pragma once
// "LA COPPIA MANCANTE": nineteen objects in a row, ten pairs with one object
// taken away; which one was there only once?
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina6 final : public ProvaBreve {
public:
    explicit frmProvina6(AppContext& context);

    // The ten objects' characters in the symbol font, each twice: entry i
    // and entry i + 10 are a pair. An emptied entry has been placed.
    VbArray<QString, 1, 20> strOggetto;
    int s = 0;                    // the entry taken away: the answer
    int p = 0;                    // the box of the right option
    VbArray<int, 1, 3> d;         // each box's distance from s in the table
    QString strRiga;              // the line shown, 100 characters

protected:
    void caricaElemento() override;
};

}  // namespace zolmera

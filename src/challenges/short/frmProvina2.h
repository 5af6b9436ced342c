#pragma once
// "IL CALCOLATORE": two four-digit numbers stay up for ten seconds; the
// question that follows asks for their sum, product or difference, or for
// one of the two.
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina2 final : public ProvaBreve {
public:
    explicit frmProvina2(AppContext& context);

    int intTipo = 0;          // the question asked, 1 to 5
    int a = 0;                // the first number shown
    int b = 0;                // the second
    qint32 varRisposta = 0;   // the result asked
    int intPasso = 0;         // the wrong options lie whole steps away from it
    int p = 0;                // the box of the right option, 1 to 3
    VbArray<qint32, 1, 3> d;  // each box's distance from the result
    QString strDomandaScritta;

protected:
    void caricaElemento() override;
    QString domandaScritta() const override { return strDomandaScritta; }
};

}  // namespace zolmera

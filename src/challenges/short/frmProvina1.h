#pragma once
// "CALCOLO OGGETTI": fifty vehicles of five kinds go by; how many of one kind?
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina1 final : public ProvaBreve {
public:
    explicit frmProvina1(AppContext& context);

    // Each kind's character in the symbol font, and how many there are.
    VbArray<int, 1, 5> intSimbolo;
    VbArray<int, 1, 5> intQuantita;
    int intTotale = 0;
    int intTipo = 0;         // the kind asked
    int varRisposta = 0;     // how many of that kind
    QString strSequenza;
    QString strDomandaScritta;

protected:
    void caricaElemento() override;
    QString domandaScritta() const override { return strDomandaScritta; }
};

}  // namespace zolmera

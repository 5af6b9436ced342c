#pragma once
// "STORIA IMMAGINARIA": a story of a holiday among friends, made of word
// lists, stays up for thirty seconds; the question then asks which of three
// statements really happened in it.
#include "challenges/base/breve.h"
#include "challenges/short/storia.h"

namespace zolmera {

class frmProvina3 final : public ProvaBreve {
public:
    explicit frmProvina3(AppContext& context);

    storia::Elenchi elenchi;
    storia::Elementi elementi{};   // the entry of each element in its list
    int p = 0;                     // the box of the true statement, 1 to 3
    VbArray<int, 0, 2> intTipo;    // the statement type of each box

protected:
    void caricaElemento() override;

private:
    int estrai(storia::Elemento x);
    QString scriviCasella(int k);
};

}  // namespace zolmera

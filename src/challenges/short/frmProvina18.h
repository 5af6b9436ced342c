#pragma once
// "OCCHIO ALLE DIFFERENZE": nine cells show the same picture, one of them a
// little smaller; which number is it?
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina18 final : public ProvaBreve {
public:
    explicit frmProvina18(AppContext& context);

    static constexpr double kGrande = 72, kPiccolo = 67;

    // Cell k is in row k \ 3, column k mod 3; its number k + 1 at its lower right.
    ControlArray<Label> lblDiffe;
    ControlArray<Label> lblNumDiffe;
    int intDiversa = 0;   // 1 to 9: the smaller cell's number
    int intFigura = 0;    // 1 to 3: the picture, drawn at the start

    // The picture is drawn and shown only at the start.
    void cmdEsegui_Click() override;

protected:
    void caricaElemento() override;
};

}  // namespace zolmera

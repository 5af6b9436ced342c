#pragma once
// "L'OGGETTO MULTICOLORE": a big cup changes colour, faster and faster; how
// many times did it change?
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina5 final : public ProvaBreve {
public:
    explicit frmProvina5(AppContext& context);

    // The colours a change can take, by index 1 to 5.
    static constexpr quint32 kColori[5] = {0xFF, 0xFF00, 0xFFFF, 0xFFFF00, 0xFFFFFF};
    // Cup and background alike: nothing shows before the first change.
    static constexpr quint32 kBlu = 0x800000;
    static constexpr int kPrimoTic = 1500, kPasso = 600;

    int intOggetto = 0;            // 1 to 3: which cup
    int varRisposta = 0;           // how many changes
    int varCambi = 0;              // changes made so far
    int intColorePrecedente = 0;   // the last change's colour (0: none yet)

    void tmrSecondi_Timer() override;

protected:
    void caricaElemento() override;
};

}  // namespace zolmera

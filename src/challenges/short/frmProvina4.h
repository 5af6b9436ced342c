#pragma once
// "CULTURA GENERALE": one question of the second phase's quiz, read for ten
// seconds, then asked on the board with its three options.
#include "challenges/base/breve.h"

namespace zolmera {

class frmProvina4 final : public ProvaBreve {
public:
    explicit frmProvina4(AppContext& context);

    // The record drawn, the same in the question and the answer archive.
    int r = 0;

    void cmdEsegui_Click() override;

protected:
    void caricaElemento() override;

private:
    // No record of the archives can be asked: the game is void.
    bool nullo_ = false;
};

}  // namespace zolmera

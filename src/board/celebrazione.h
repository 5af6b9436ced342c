#pragma once
// The celebration of a completed menu.
namespace zolmera {

class frmRuota;

class Celebrazione {
public:
    explicit Celebrazione(frmRuota& board) : R(board) {}

    int varPassoAnimazione = 0;

private:
    frmRuota& R;
};

}  // namespace zolmera

#include "competitions/cappelli.h"

namespace zolmera {

void MostraCappelliTorneo(frmRuota&) {}
void MostraCappelliStagione(frmRuota&) {}

}  // namespace zolmera

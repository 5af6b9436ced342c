#pragma once
// The hats of earlier results, drawn on the board when it loads: one per
// result worth points, a white one for "C" and a golden one for "S".
#include <QString>

namespace zolmera {

class frmRuota;

// In a tournament: each contestant's matchdays so far, from his player record.
void MostraCappelliTorneo(frmRuota& R);
// In a season: the last ten results of each seat's current run.
void MostraCappelliStagione(frmRuota& R);

}  // namespace zolmera

#pragma once
// The hats of earlier results, drawn on the board when it loads: one per
// result worth points, a white one for "C" and a golden one for "S".
#include "records/archivi.h"

#include <QString>

namespace zolmera {

class frmRuota;

// In a tournament: each contestant's matchdays so far, from his player record.
void MostraCappelliTorneo(frmRuota& R);
// In a season: the last ten results of each seat's current run.
void MostraCappelliStagione(frmRuota& R);
// The same from seats already read (the end of a match has them in hand).
void MostraCappelliStagione(frmRuota& R, const VbArray<RecPostazioneStagione, 1, 2>& seggi);

}  // namespace zolmera

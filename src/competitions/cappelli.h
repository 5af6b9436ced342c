#pragma once
// The hats of earlier results, shown on the board in tournaments and seasons.
namespace zolmera {

class frmRuota;

// The competitions' files are not read yet: the hats stay empty.
void MostraCappelliTorneo(frmRuota& R);
void MostraCappelliStagione(frmRuota& R);

}  // namespace zolmera

#pragma once
// The challenges deal cards, names and rows by drawing again, reseeding each
// time, until a free one comes up.
#include <functional>

namespace zolmera {

class Random;

// One such deal of 1 to n. Drawing again would never end if the generator
// kept giving the same number (a clock that stands still between reseeds does
// that), so after a refused draw one more draw, without reseeding, picks among
// the free entries, each as likely as the repeated draws would make it.
// 0 when no entry is free.
int estraiLibera(Random& rnd, int n, const std::function<bool(int)>& libera);

}  // namespace zolmera

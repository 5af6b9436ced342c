#pragma once
// Which window each challenge title opens. The program's composition fills it
// from the challenge windows it has; the board copies it at each match, and
// tests put their own windows in that copy.
#include <QString>

#include <array>
#include <functional>

namespace zolmera {

class AppContext;

struct CatalogoProve {
    using Apri = std::function<void(AppContext&)>;   // shows the window without waiting

    // Indexed by the title's number; 0 is unused.
    std::array<QString, 21> titoliProve;     // full challenges 1 to 20
    std::array<QString, 19> titoliProvine;   // short challenges 1 to 18
    std::array<Apri, 21> prove;
    std::array<Apri, 19> provine;
    Apri extra;                              // the slot-machine bonus
};

}  // namespace zolmera

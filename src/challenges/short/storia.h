#pragma once
// The word lists of "STORIA IMMAGINARIA" and the sentences made of them: the
// window tells its story with them, and the build checks the lists with the
// same sentences, so no statement the game can write is too long for the
// board.
#include "records/tabella.h"

#include <array>

namespace zolmera::storia {

enum Elenco { Mesi, Nomi, Ore, Frasi, kElenchi };

// A group of the table ("mese", "uomo" ...): its entries follow one another
// in their list, group after group in this order.
struct Gruppo {
    QString nome;
    Elenco elenco;
    int voci;
};
extern const std::array<Gruppo, 8> kGruppi;

// The lists as read, entry 1 first; the line of each entry in its table.
struct Elenchi {
    std::array<QStringList, kElenchi> voci;
    std::array<QList<int>, kElenchi> linee;
    // Entry k of a list; "" past its end, as a damaged table leaves it.
    QString voce(Elenco e, int k) const;
};
// Rows of another group, or with fields missing, are left out.
Elenchi leggiElenchi(const QList<RigaTabella>& righe);
Elenchi elenchiDelGioco();

// The story's eleven elements, in the order they are drawn, and the
// entries each may take.
enum Elemento { M, A, B, C, D, E, F, G, H, I, J, kElementi };
struct Intervallo {
    Elenco elenco;
    int da, a;
};
extern const std::array<Intervallo, kElementi> kIntervalli;
using Elementi = std::array<int, kElementi>;

QString racconto(const Elenchi& l, const Elementi& v);

// Statement types 1 to 10: the box they go in and the two elements they
// name; a false one names other entries of the same ranges.
struct Tipo {
    int casella;
    Elemento x, y;
};
extern const std::array<Tipo, 10> kTipi;
QString affermazione(const Elenchi& l, int tipo, int x, int y);

// Longer statements are cut by the board's answer box, and the option
// clicked would no longer match the answer.
constexpr int kMaxAffermazione = 50;

}  // namespace zolmera::storia

#pragma once
// What a spin wins: the course of the segment with its money and its weight,
// a small sum for a course already won, the jolly or nothing; and the tally
// that decides who has completed the lunch menu.
#include "state/vbtypes.h"

#include <QString>

#include <array>

namespace zolmera {

class frmRuota;
class Image;
template <typename T>
class ControlArray;

enum class Portata { Primo, Secondo, Formaggio, Dolce, Frutta };
inline constexpr std::array<Portata, 5> kPortate = {Portata::Primo, Portata::Secondo, Portata::Formaggio,
                                                    Portata::Dolce, Portata::Frutta};

struct DatiPortata {
    qint32 premio;   // added to the money score at its first win
    qint16 peso;     // added to the course tally at its first win
};
const DatiPortata& datiPortata(Portata c);

// A course already won is worth this instead, and weighs nothing.
inline constexpr qint32 kPremioDoppione = 50;

class Esito {
public:
    explicit Esito(frmRuota& board) : R(board) {}

    VbArray<int, 1, 2> varPrimo, varSecondo, bytFormaggio, varDolce, bytFrutta;
    VbArray<int, 1, 2> varPortateVinte;
    VbArray<qint16, 1, 2> intPesoPortate;

    void azzera();

    // The outcome of bytConcorrente's spin on the target the wheel stands on.
    void EsitoRuota();
    // Lights the spin buttons of whoever still holds spins, or brings the
    // step button back when nobody does.
    void ProssimoGiro();
    void MostraPortate1() { mostraPortate(1); }
    void MostraPortate2() { mostraPortate(2); }
    void mostraPortate(int w);

    // A first win of course c: its prize and its weight go to contestant w.
    void accredita(Portata c, int w);
    // How many times contestant w has won course c.
    int& conteggio(Portata c, int w);
    // The announcer's comment on a first win of c: one of its three variants.
    QString commento(Portata c);
    // The tray row that holds course c for contestant w in this edition;
    // none for an edition of unknown looks.
    ControlArray<Image>* riga(Portata c, int w);

    // Where the segment of a target cell is a course, that course.
    static bool portataDellaCella(int cella, Portata& c);

private:
    // Nobody holds spins: the step button and the host come back.
    void riportaPulsanteFine();
    void SuonaDoppione();
    void controllaMenuCompleto();

    frmRuota& R;
};

}  // namespace zolmera

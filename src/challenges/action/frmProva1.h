#pragma once
// "PERCORSO MINATO": ten rows of three cells, one safe in each. Each
// contestant has thirty seconds to cross from "Partenza" to "Arrivo" with
// the mouse; a mine sends him back to the first row of the same field. The
// farther wins, and at equal distance the one who got there sooner.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

#include <array>

namespace zolmera {

class frmProva1 final : public ProvaCompleta {
public:
    explicit frmProva1(AppContext& context);

    Frame Frame1{*this, QStringLiteral("Frame1")};
    // Row n is Labeln; its cells 0, 1, 2 from top to bottom.
    ControlArray<Label> Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10;
    Label Label13{Frame1, QStringLiteral("Label13"), QStringLiteral("Partenza")};
    Label Label14{Frame1, QStringLiteral("Label14"), QStringLiteral("Arrivo")};
    Image Image1{*this, QStringLiteral("Image1")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("30")};
    ControlArray<Label> lblGiocatore, lblPunti, lblSecondi;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Timer tmrPausa{*this, QStringLiteral("tmrPausa"), 100, false};

    int varGiocatore = 1;
    int intTurno = 0;
    VbArray<int, 1, 10> intCasellaSicura;
    VbArray<int, 1, 2> intRighe;
    VbArray<double, 1, 2> dblTempo;

    ControlArray<Label>& riga(int n) { return *righe_[std::size_t(n - 1)]; }
    // A click on cell Index of row n.
    void Label_Click(int n, int Index);
    void tmrPausa_Timer();
    void PreparaTurno();
    void DecretaVincitore();

    static constexpr quint32 kSpenta = 0x404040, kSicura = 0xFF00, kMina = 0xFF;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void nuovoCampo();
    void abilitaRiga(int n, bool on);
    void mostraTempi();

    std::array<ControlArray<Label>*, 10> righe_{&Label1, &Label2, &Label3, &Label4, &Label5,
                                                &Label6, &Label7, &Label8, &Label9, &Label10};
    // True from the turn's first tick to its last: the cells answer only then.
    bool inCorsa_ = false;
};

}  // namespace zolmera

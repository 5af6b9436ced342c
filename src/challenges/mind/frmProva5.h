#pragma once
// "IL GEO-ANAGRAMMA": three place names of six letters, their letters
// scrambled on three rows of tiles. Each contestant has sixty seconds to drag
// the letters into the three answer rows so that each spells a name, and may
// stop the clock early. More names wins, then more time left; no name on
// either side makes the game void.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

#include <array>

namespace zolmera {

class frmProva5 final : public ProvaCompleta {
public:
    explicit frmProva5(AppContext& context);

    ControlArray<Label> lblGiocatore, lblPunti, lblSecondi;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Image Image1{*this, QStringLiteral("Image1")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("60")};
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label Label7{Frame1, QStringLiteral("Label7"), QStringLiteral("Anagrammi")};
    Label Label8{Frame1, QStringLiteral("Label8"), QStringLiteral("Risposte")};
    // Rows 1 to 3 hold the anagrams, rows 4 to 6 the answers; tile 0 leftmost.
    ControlArray<Label> Label1, Label2, Label3, Label4, Label5, Label6;

    static constexpr int kLocalita = 115, kLettere = 6, kNomiTurno = 3, kTurno = 60;
    static constexpr quint32 kBianco = 0xFFFFFF, kVerde = 0xFF00, kRosso = 0xFF;
    // The design colours of anagram rows 1, 2 and 3: light yellow, pink, green.
    static constexpr quint32 kColoriRighe[3] = {0xC0FFFF, 0xC0C0FF, 0xC0FFC0};

    // Blank entries have been drawn already in this challenge.
    VbArray<QString, 1, kLocalita> strLocalita;
    VbArray<QString, 1, 3> varLocalitaTurno;
    VbArray<QString, 1, 3> strAnagrammi;
    VbArray<QString, 4, 6> strRisposte;
    VbArray<qint16, 1, 2> intLocalitaEsatte;
    VbArray<double, 1, 2> dblTempoResiduo;
    int varTurnoDi = 1;
    int intTurno = 0;
    bool intConfermato = false;

    ControlArray<Label>& riga(int n) { return *righe_[std::size_t(n - 1)]; }
    // A tile dropped on tile Index of row n; one rule for all six rows.
    void Label_DragDrop(int n, int Index, Control& Source);

    void CaricaContenuti();
    void SvuotaCaselle();
    void EstraiLocalita();
    void ValutaTurno();
    void DecretaVincitore();

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void giocaTurno();

    std::array<ControlArray<Label>*, 6> righe_{&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
    std::array<quint32, 3> coloriRighe_{};
    // From the first tick of a turn to its last: the only time a drop moves a letter.
    bool inCorsa_ = false;
};

}  // namespace zolmera

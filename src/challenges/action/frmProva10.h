#pragma once
// "IL PERSONAGGIO MISTERIOSO": twelve cards in a ring, each naming a famous
// person or character of its own category; a clue names the category, and
// the first figure to stand on that card scores. Five points win.
#include "challenges/action/corsa.h"
#include "platform/timer.h"
#include "state/vbtypes.h"

#include <array>

namespace zolmera {

class frmProva10 final : public ProvaCorsa {
public:
    explicit frmProva10(AppContext& context);

    // A category of the names: its marker in the names' table, the clue
    // written on the button, and the clue spoken.
    struct Categoria {
        QString marcatore;
        QString indizio;
        QString suono;
    };
    static const std::array<Categoria, 12> kCategorie;
    static constexpr int kNomiPerCategoria = 30;
    static constexpr int kMaxNome = 23;
    static constexpr int kPuntiVittoria = 5;

    ControlArray<Image> Image3;     // the cards
    ControlArray<Label> persona;    // the name on each card
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 3000, false};

    // Where a figure stands on card i: its first Left (0) and its Top (1).
    VbArray<VbArray<qint16, 0, 1>, 0, 12> intCaselle;
    VbArray<VbArray<QString, 0, kNomiPerCategoria - 1>, 0, 11> strPersonaggi;
    // A category's marker is emptied once drawn: none comes twice in a game.
    VbArray<QString, 0, 11> strCategorie;
    int varCategoria = 0;
    // The mystery card's Top and first Left for a figure; 1 between points,
    // where no figure ever stands.
    int varMetaTop = 1;
    qint16 intMetaLeft = 1;
    VbArray<qint16, 0, 1> intPunti;

    void tmrSecondi_Timer();
    void PreparaTurno();
    void DecretaVincitore();

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }
    void tastoGioco(int& keyAscii) override;

private:
    bool arrivato(const Image& figura) const;
    void punto(int k);
};

}  // namespace zolmera

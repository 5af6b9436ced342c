#pragma once
// "COPPIA DI PIETANZE": fifteen covered cards, seven pairs of dishes and one
// single card. A pair is worth a point and the single card two; whoever
// finds a pair or the single card goes on, a miss passes the turn, and the
// first to five points wins.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva7 final : public ProvaCompleta {
public:
    explicit frmProva7(AppContext& context);

    ControlArray<Label> lblGiocatore, lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Frame Frame1{*this, QStringLiteral("Frame1")};
    // Place i lies in row i / 5 and column i % 5; its cover over its face.
    ControlArray<Image> Image1, ImgCop;
    // The seven dishes and the single card, never shown themselves.
    ControlArray<Image> imgMemo;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 1000, false};

    // A card of the deck: the number of its face among imgMemo as a text,
    // empty once dealt, and its pair code (0 for the single card).
    struct Carta {
        QString faccia;
        qint16 coppia = 0;
    };
    VbArray<Carta, 1, 15> Carte;
    VbArray<qint16, 0, 14> intCoppia;
    VbArray<qint16, 1, 2> intScelte;
    qint16 intScoperte = 0;
    VbArray<qint16, 1, 2> intPunti;
    int varGiocatore = 1;

    void ImgCop_Click(int Index);
    void ValutaTurno();
    void tmrSecondi_Timer();
    void DecretaVincitore();

    static constexpr int kPosti = 15, kColonne = 5, kPuntiVincenti = 5;

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }

private:
    void distribuisci();
    void segna(int c, int punti);
};

}  // namespace zolmera

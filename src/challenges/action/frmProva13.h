#pragma once
// "CALCI DI RIGORE": five penalty kicks each, taken in turn on one keyboard.
// After the whistle the kicker aims with a digit from 1 to 5; the other
// contestant keeps goal, moving left and right on two fixed letters.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva13 final : public ProvaCompleta {
public:
    explicit frmProva13(AppContext& context);

    // The pitch: the goal, the kicker's legend, the two figures and the ball,
    // the ball created last so that it flies over everything else.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Image Image4{Frame1, QStringLiteral("Image4")};
    Label Label5{Frame1, QStringLiteral("Label5"), QStringLiteral("tasti rigorista")};
    // The kick keys "1" to "5" and, beside each, where it sends the ball.
    Label Label26{Frame1, QStringLiteral("Label26"), QStringLiteral("1")};
    Label Label25{Frame1, QStringLiteral("Label25"), QStringLiteral("2")};
    Label Label24{Frame1, QStringLiteral("Label24"), QStringLiteral("3")};
    Label Label23{Frame1, QStringLiteral("Label23"), QStringLiteral("4")};
    Label Label22{Frame1, QStringLiteral("Label22"), QStringLiteral("5")};
    Label Label21{Frame1, QStringLiteral("Label21"), QStringLiteral("tiro a sinistra")};
    Label Label20{Frame1, QStringLiteral("Label20"), QStringLiteral("tiro centrale a sinistra")};
    Label Label19{Frame1, QStringLiteral("Label19"), QStringLiteral("tiro centrale")};
    Label Label18{Frame1, QStringLiteral("Label18"), QStringLiteral("tiro centrale a destra")};
    Label Label17{Frame1, QStringLiteral("Label17"), QStringLiteral("tiro a destra")};
    Image cane{Frame1, QStringLiteral("cane")};
    Image coniglio{Frame1, QStringLiteral("coniglio")};
    Image pallone{Frame1, QStringLiteral("pallone")};

    // The scoreboard: figure, name, goals and kicks taken, keeper keys.
    Image Image3{*this, QStringLiteral("Image3")};
    Image Image1{*this, QStringLiteral("Image1")};
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    ControlArray<Label> Label1;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("reti segnate")};
    Label Label4{*this, QStringLiteral("Label4"), QStringLiteral("tasti portiere")};
    Label Label2{*this, QStringLiteral("Label2"), QStringLiteral("A")};
    Label Label3{*this, QStringLiteral("Label3"), QStringLiteral("D")};
    Label Label6{*this, QStringLiteral("Label6"), QStringLiteral("J")};
    Label Label7{*this, QStringLiteral("Label7"), QStringLiteral("L")};

    Timer tmrPausa{*this, QStringLiteral("tmrPausa"), 3000, false};
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 100, false};

    // Who kicks now, 1 or 2; the other keeps goal.
    int varRigorista = 1;
    // Kicks taken by both together.
    int varTiri = 0;
    VbArray<qint16, 0, 1> intReti;
    // The ball's steps per tick, across and up.
    qint16 intDeviazione = 0;
    int varAvanzamento = 0;

    void tmrPausa_Timer();
    void tmrSecondi_Timer();
    void PreparaTurno();
    void DecretaVincitore();

    // Where the keeper stands at each kick, and the kicker beside the ball.
    static constexpr int kPortiereLeft = 3600, kPortiereTop = 840;
    static constexpr int kRigoristaLeft = 4200, kRigoristaTop = 3600;
    static constexpr int kPalloneLeft = 3600, kPalloneTop = 3600;
    // The keeper's reach across the goal mouth.
    static constexpr int kPortiereMin = 240, kPortiereMax = 6960, kPassoPortiere = 480;

protected:
    void caricaGioco() override;
    void avvia() override;
    void tastoGioco(int& keyAscii) override;

private:
    Image& portiere() { return varRigorista == 2 ? cane : coniglio; }
    // Keeper at the goal, kicker beside the ball.
    void schiera();
    void spostaPortiere(int rigorista, int passo);
    void tira(int tasto);
    // A kick saved or scored: the count, the kicker's tally, and either the
    // next kick or the verdict.
    void fineTiro();
};

}  // namespace zolmera

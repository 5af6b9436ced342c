#pragma once
// "TIRO AL PIATTO": a clay plate swings along the top of the range and the
// contestants take turns at "Lancia", five shots each; an arrow flies
// straight up and scores by how near the middle of the plate it strikes.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva11 final : public ProvaCompleta {
public:
    explicit frmProva11(AppContext& context);

    // The range: the plate, the arrow over it, the launcher over the arrow.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Image centro{Frame1, QStringLiteral("centro")};
    Image freccia{Frame1, QStringLiteral("freccia")};
    CommandButton cmdLancio{Frame1, QStringLiteral("cmdLancio"), QStringLiteral("Lancia")};

    // The score sheet: "punti" and "tiro 1" to "tiro 5" over a row each.
    ControlArray<Label> Label12;
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblTiro1, lblTiro2;
    ControlArray<Label> lblPunti;

    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 50, false};
    Timer tmrPausa{*this, QStringLiteral("tmrPausa"), 3000, false};

    qint16 intTiratore = 1;
    QString strDirezione;
    // -1 while an arrow flies.
    qint16 intLanciato = 0;
    VbArray<qint16, 0, 1> intTiri;
    VbArray<qint16, 0, 1> intPunti;
    int varValoreTiro = 0;

    void cmdLancio_Click();
    void tmrSecondi_Timer();
    void tmrPausa_Timer();
    void ValutaTurno();
    void DecretaVincitore();

    // The plate swings between these Lefts; the arrow flies from its string
    // to the plate's height. Both move in whole steps, so each stop is met
    // exactly.
    static constexpr int kPiattoMin = 120, kPiattoMax = 4680, kPiattoVia = 2400, kPassoPiatto = 120;
    static constexpr int kFrecciaVia = 3240, kFrecciaArrivo = 840, kPassoFreccia = 240;
    static constexpr int kTiriATesta = 5;

    // The points of an arrow that arrives with the plate at this Left.
    static int punteggio(int leftPiatto);

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void muoviPiatto();
    // Plate and arrow back where every shot starts from, and the shooter's
    // button ready.
    void preparaTiro();
};

}  // namespace zolmera

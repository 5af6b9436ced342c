#pragma once
// "IL PUZZLE": a picture shows whole in a grid of 4 x 5 pieces for ten
// seconds, then comes back shuffled; the contestant has ninety seconds to put
// it together again by dragging pieces, with five holding cells as spare
// room. Whoever restores his picture with more time left wins; one who does
// not finish scores nothing, and when neither finishes the game is void.
#include "challenges/base/completa.h"
#include "platform/pictures.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva15 final : public ProvaCompleta {
public:
    explicit frmProva15(AppContext& context);

    ControlArray<Label> lblGiocatore, lblSecondi;
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("90")};
    Frame Frame2{*this, QStringLiteral("Frame2")};
    Frame Frame1{*this, QStringLiteral("Frame1"), QStringLiteral("caselle di appoggio")};
    // Grid position i lies in row i / 5 and column i % 5; Image1(20) is the
    // stopwatch behind the clock, which takes drops but never moves.
    ControlArray<Image> Image1, Image2;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 10000, false};
    // The sheet of eight pictures, 2 x 4; the picture of the turn, 4 x 5.
    PictureClip pccFoto, pccPuzzle;

    VbArray<qint16, 0, 19> intTessere;
    VbArray<int, 0, 19> varTessereLibere;
    int varUltimaFoto = -1;
    bool intRisolto = false;
    // Time left when the picture was restored, 0 when it was not; 90 until
    // the contestant has played.
    VbArray<double, 1, 2> dblTempoResiduo;
    int intTurnoDi = 1;
    // Turns played: whether both have played is told by this, since a
    // picture restored at once keeps all 90 seconds.
    int intTurno = 0;

    void tmrSecondi_Timer();
    // One rule for a drop on a grid cell and on a holding cell.
    void Image1_DragDrop(int Index, Control& Source);
    void Image2_DragDrop(int Index, Control& Source);
    void VerificaPuzzle();
    void DecretaVincitore();

    static constexpr int kRighe = 4, kColonne = 5, kTessere = kRighe * kColonne, kAppoggi = 5;
    static constexpr int kFoto = 7;   // the sheet's last picture is never drawn
    static constexpr int kCronometro = kTessere;
    static constexpr int kOsservazione = 10, kDurata = 90;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void osserva();
    void faseCronometrata();
    void mescola();
    void posa(Image& bersaglio, Control& Source);
    void svuotaAppoggi();
    void abilitaGioco(bool on);
    QString nomeDiTurno() const;
    // A draw from 0 to n - 1 that is not escluso; ends even if the generator
    // keeps giving the same value.
    int estrai(int n, const std::function<bool(int)>& escluso);

    // From the start of the clock to the end of the phase.
    bool inFase_ = false;
    VbArray<bool, 1, 2> risolto_;
    double residuoRisolto_ = 0;
};

}  // namespace zolmera

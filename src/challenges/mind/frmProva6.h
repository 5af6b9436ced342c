#pragma once
// "SEQUENZA DI CARTE": each contestant in turn looks at six cards for fifteen
// seconds, then has thirty seconds to lay them again, in the same order, on
// the six slots, dragging them from a table of all 32 cards. A card in its
// own slot is a point; more points win, and at equal points the one who laid
// his last right card sooner.
#include "challenges/base/completa.h"
#include "platform/pictures.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva6 final : public ProvaCompleta {
public:
    explicit frmProva6(AppContext& context);

    ControlArray<Label> lblGiocatore, lblPunti, lblSecondi;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("30")};
    Image Image1{*this, QStringLiteral("Image1")};
    Frame Frame1{*this, QStringLiteral("Frame1")};
    // The slots over the table, each with its mark under it.
    ControlArray<Image> imgSequenza;
    ControlArray<Label> lblErrori;
    // Card i of the deck lies in row i / 8 and column i % 8.
    ControlArray<Image> imgFigura;
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 30000, false};
    PictureClip pccCarte;

    int varGiocatore = 1;
    int varFase = 0;
    VbArray<qint16, 1, 6> intSequenza;
    VbArray<qint16, 1, 2> intPunti;
    VbArray<double, 1, 2> dblTempoResiduo;
    bool intFine = false;

    void PreparaTurno();
    void tmrSecondi_Timer();
    void imgSequenza_DragDrop(int Index, Control& Source);
    void ValutaTurno();
    void DecretaVincitore();

    // The deck's cell that a picture shows, -1 for none (an empty slot, a
    // gap in the table).
    int carta(const Image& img) const;

    static constexpr int kCarte = 32, kRighe = 4, kColonne = 8, kPosti = 6;
    // The ace of diamonds lies on the table but is never in a sequence.
    static constexpr int kCarteEstratte = 31;
    static constexpr int kOsservazioneMs = 15000, kRisposta = 30;
    static const QString kMazzo;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void osserva();
    void rispondi();
    void mostraTavolo(bool on);
    void stendiMazzo();
    int estraiCarta(int giaEstratte);
};

}  // namespace zolmera

#pragma once
// "CANTANTI E CANZONI": six performers and, shuffled, one song of each. In
// thirty seconds the contestant drags them into a table of six rows, each
// performer beside his own song, and may stop the clock early. More right
// rows win, then more time left; no right row on either side is a void game.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva18 final : public ProvaCompleta {
public:
    explicit frmProva18(AppContext& context);

    ControlArray<Label> lblGiocatore, lblPunti, lblSecondi;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("30")};
    Image Image1{*this, QStringLiteral("Image1")};
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label Label7{Frame1, QStringLiteral("Label7"), QStringLiteral("cantanti")};
    Label Label8{Frame1, QStringLiteral("Label8"), QStringLiteral("canzoni")};
    Label Label3{Frame1, QStringLiteral("Label3"), QStringLiteral("cantanti")};
    Label Label6{Frame1, QStringLiteral("Label6"), QStringLiteral("canzoni")};
    // The performers and songs to place, then the answer table's two columns.
    ControlArray<Label> Label1, Label2, Label4, Label5;
    ControlArray<Image> Image2, Image3;

    struct Coppia {
        QString cantante;
        QString canzone;
    };
    // The whole table; a row drawn in this challenge is left blank.
    VbArray<Coppia, 1, 114> strCantantiCanzoni;
    VbArray<Coppia, 0, 5> strCoppieTurno;
    VbArray<qint16, 1, 2> intCoppieEsatte;
    VbArray<double, 1, 2> dblTempoResiduo;
    int varTurnoDi = 1;
    qint16 intTurno = 0;
    qint16 intConfermato = 0;
    quint32 coloreCantanti = 0, coloreCanzoni = 0;

    void Label1_DragDrop(int Index, Control& Source);
    void Label2_DragDrop(int Index, Control& Source);
    void Label4_DragDrop(int Index, Control& Source);
    void Label5_DragDrop(int Index, Control& Source);
    void CaricaContenuti();
    void PreparaTurno();
    void SvuotaCaselle();
    void EstraiCoppie();
    void ValutaTurno();
    void DecretaVincitore();

    static constexpr int kRighe = 114, kCoppie = 6, kTurno = 30;
    // The longest texts the cells are laid out for.
    static constexpr int kMaxCantante = 21, kMaxCanzone = 33;
    static constexpr quint32 kCantanti = 0xFF8080, kCanzoni = 0x80FFFF, kInchiostroCanzoni = 0x000080;
    static constexpr quint32 kBianco = 0xFFFFFF, kGiusta = 0xFF00, kSbagliata = 0xFF;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    // One drop rule for the four arrays of cells.
    void lascia(Label& bersaglio, Control& Source);

    bool turnoInCorso_ = false;
};

}  // namespace zolmera

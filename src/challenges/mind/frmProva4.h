#pragma once
// "LA CASSAFORTE": a secret code from 0 to 999 behind three digit dials.
// The contestants try in turn, five attempts each; every wrong one is told
// how far off it was and where the code lies, and the first to set the code
// opens the safe.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva4 final : public ProvaCompleta {
public:
    explicit frmProva4(AppContext& context);

    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("crediti")};

    // The safe's panel: its picture first, so that everything else lies on it.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Image Image1{Frame1, QStringLiteral("Image1")};
    ControlArray<Label> Label1;
    ControlArray<Label> lblNumero;
    ControlArray<ScrollBar> scbNumero;
    CommandButton cmdConferma{Frame1, QStringLiteral("cmdConferma"), QStringLiteral("Ok")};
    Label lblAperto{Frame1, QStringLiteral("lblAperto"), QStringLiteral("APERTO")};
    Label lblChiuso{Frame1, QStringLiteral("lblChiuso"), QStringLiteral("CHIUSO")};

    int varCodice = 0;
    // Whose attempt comes next, 1 or 2.
    int varGiocatore = 1;
    VbArray<qint16, 1, 2> intCrediti;
    int varTentativo = 0;

    void scbNumero_Change(int index);
    void scbNumero_Scroll(int index);
    void cmdConferma_Click();

    // The lamps, dark while the safe is shut and lit once it opens.
    static constexpr quint32 kApertoSpento = 0x4000, kApertoAcceso = 0xFF00;
    static constexpr quint32 kChiusoAcceso = 0xFF, kChiusoSpento = 0x40;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void apri();
    void suggerisci();
};

}  // namespace zolmera

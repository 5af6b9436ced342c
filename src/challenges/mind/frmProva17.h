#pragma once
// "LA SPESA E' GIUSTA": each contestant in turn has sixty seconds to fill a
// shopping list of five products priced by the kilogram, so that the bill
// comes as close as he can to a sum drawn for him. The smaller difference
// wins, and at equal differences the one who reached the checkout sooner.
#include "challenges/base/completa.h"
#include "platform/valuta.h"
#include "state/vbtypes.h"

#include <QList>

namespace zolmera {

class frmProva17 final : public ProvaCompleta {
public:
    explicit frmProva17(AppContext& context);

    // The shopping list, five rows over its picture.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Image Image3{Frame1, QStringLiteral("Image3")};
    Label Label1{Frame1, QStringLiteral("Label1"), QStringLiteral("PRODOTTO")};
    Label Label2{Frame1, QStringLiteral("Label2"), QStringLiteral("PREZZO")};
    Label Label3{Frame1, QStringLiteral("Label3"), QStringLiteral("QUANTITA'")};
    // Image1(0..4) lead the rows; Image1(5) sits outside the frames.
    ControlArray<Image> Image1;
    ControlArray<Label> lblProdotto, lblPrezzo, lblEuro, lblUnita, lblPeso;
    ControlArray<TextBox> txtQta;
    ControlArray<CommandButton> cmdAggiungi, cmdRiduci;
    Label lblSomma{Frame1, QStringLiteral("lblSomma"), QStringLiteral("Somma da spendere: €. 0,00")};
    CommandButton cmdCassa{Frame1, QStringLiteral("cmdCassa"), QStringLiteral("VAI ALLA CASSA")};

    // The results table, shown with the verdict.
    Frame Frame2{*this, QStringLiteral("Frame2")};
    Image Image2{Frame2, QStringLiteral("Image2")};
    Label lblGioc1{Frame2, QStringLiteral("lblGioc1")};
    Label lblGioc2{Frame2, QStringLiteral("lblGioc2")};
    Label Label4{Frame2, QStringLiteral("Label4"), QStringLiteral("Spesa effettiva")};
    Label Label5{Frame2, QStringLiteral("Label5"), QStringLiteral("- Somma da spendere")};
    Label Label6{Frame2, QStringLiteral("Label6"), QStringLiteral("= Scarto netto")};
    ControlArray<Label> lblValuta;   // the "€." before each amount
    Label lblSpesa1{Frame2, QStringLiteral("lblSpesa1")}, lblSpesa2{Frame2, QStringLiteral("lblSpesa2")};
    Label lblSomma1{Frame2, QStringLiteral("lblSomma1")}, lblSomma2{Frame2, QStringLiteral("lblSomma2")};
    Label lblScarto1{Frame2, QStringLiteral("lblScarto1")}, lblScarto2{Frame2, QStringLiteral("lblScarto2")};

    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("60")};
    ControlArray<Label> lblGiocatore, lblSecondi, lblPunti;
    Label Label7{*this, QStringLiteral("Label7"), QStringLiteral("tempo")};
    Label Label8{*this, QStringLiteral("Label8"), QStringLiteral("scarto")};

    struct Prodotto {
        QString nome;   // empty once drawn
        double minimo = 0, massimo = 0;   // euro per kilogram
    };
    QList<Prodotto> varProdotti;   // row r is element r - 1
    int varGiocatore = 1;
    qint16 intTurno = 0;
    bool intCassa = false;
    VbArray<Valuta, 1, 2> curSomma, curSpesa, curScarto;
    VbArray<Valuta, 0, 4> curPrezzo;
    VbArray<double, 1, 2> dblTempoResiduo;

    void PreparaTurno();
    void cmdCassa_Click();
    void cmdAggiungi_Click(int Index);
    void cmdRiduci_Click(int Index);
    void txtQta_LostFocus(int Index);
    void DecretaVincitore();

    static constexpr int kRighe = 5, kTurno = 60;
    static constexpr int kMinimoGrammi = 250, kMassimoGrammi = 30000, kPassoGrammi = 50;
    // The products' table: names up to the width of a row, and prices low
    // enough that buying at once (a quarter kilogram of each, 17.50 euro at
    // most) stays below every sum to spend; two lists of different products.
    static constexpr int kMaxNome = 24, kProdottiMinimi = 2 * kRighe;
    static constexpr double kPrezzoMassimo = 14.0;

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }

private:
    void riempiProdotti();
    int estraiProdotto();
    void Conto(int k);
    // The quantity of row i as a whole number of grams, once the box holds a
    // corrected quantity.
    double grammiInteri(int i);

    bool inTurno_ = false;
};

}  // namespace zolmera

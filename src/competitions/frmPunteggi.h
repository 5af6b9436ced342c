#pragma once
// The best scores: the fifteen best results of a game type, over the board.
#include "platform/controls.h"
#include "records/archivi.h"
#include "state/screen.h"

namespace zolmera {

class frmPunteggi final : public Screen {
public:
    explicit frmPunteggi(AppContext& context);

    static constexpr int kRighe = 15;

    Image imgRecords{*this, QStringLiteral("imgRecords")};
    Label lblClassifica{*this, QStringLiteral("lblClassifica"), QStringLiteral("Classifica")};
    ComboBox cboSceltaClassifica{*this, QStringLiteral("cboSceltaClassifica")};
    Label lblTitoloNome{*this, QStringLiteral("lblTitoloNome"), QStringLiteral("NOME")};
    Label lblTitoloData{*this, QStringLiteral("lblTitoloData"), QStringLiteral("DATA")};
    Label lblTitoloGare{*this, QStringLiteral("lblTitoloGare"), QStringLiteral("GARE")};
    Image imgCampione{*this, QStringLiteral("imgCampione")};
    Image imgSuper{*this, QStringLiteral("imgSuper")};
    Label lblTitoloVincita{*this, QStringLiteral("lblTitoloVincita"), QStringLiteral("VINCITA")};
    ControlArray<Label> lblPosto;
    ControlArray<Label> lblNome;
    ControlArray<Label> lblData;
    ControlArray<Label> lblGare;
    ControlArray<Label> lblCampione;
    ControlArray<Label> lblSuper;
    ControlArray<Label> lblVincita;
    ControlArray<Label> Label1;
    CommandButton cmdAzzera{*this, QStringLiteral("cmdAzzera"), QStringLiteral("Azzera")};
    CommandButton lblStampa{*this, QStringLiteral("lblStampa"), QStringLiteral("Stampa")};
    CommandButton cmdRitorna{*this, QStringLiteral("cmdRitorna"), QStringLiteral("Ok")};

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cboSceltaClassifica_click();
    void cmdAzzera_Click();
    void lblStampa_Click();
    void cmdRitorna_Click();

    // The best-score file whose table is shown.
    const QString& fileCorrente() const { return fileCorrente_; }

    // One printed row: rank, name, date, matches, the two hats and the winnings.
    static QString rigaStampa(int posto, const RecPunteggio& r);

private:
    QString percorso(int voce) const;
    void riempiTabella();

    QString fileCorrente_;
};

}  // namespace zolmera

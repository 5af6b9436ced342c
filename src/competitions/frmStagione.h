#pragma once
// The season's home between two matches: the next match's number, its two
// seats, and the table of the four best champion runs.
#include "competitions/nomi.h"
#include "platform/controls.h"
#include "records/archivi.h"
#include "state/screen.h"

#include <array>

namespace zolmera {

class frmStagione final : public Screen {
public:
    explicit frmStagione(AppContext& context);

    static constexpr int kRighe = 4;
    static constexpr int kArgomentoGuida = 41;

    Label lblData{*this, QStringLiteral("lblData")};
    Label lblGiornata{*this, QStringLiteral("lblGiornata")};
    Label lblGiocatore1{*this, QStringLiteral("lblGiocatore1"), QStringLiteral("Nome Sfidante")};
    TextBox txtGiocatore1{*this, QStringLiteral("txtGiocatore1")};
    Label lblGiocatore2{*this, QStringLiteral("lblGiocatore2"), QStringLiteral("Nome Sfidante")};
    TextBox txtGiocatore2{*this, QStringLiteral("txtGiocatore2")};
    CommandButton cmdGioca{*this, QStringLiteral("cmdGioca"), QStringLiteral("Gioca")};
    CommandButton cmdStampa{*this, QStringLiteral("cmdStampa"), QStringLiteral("Stampa")};
    Label lblClassifica{*this, QStringLiteral("lblClassifica"), QStringLiteral("Classifica dei 4 migliori campioni")};
    Label Label3{*this, QStringLiteral("Label3"), QStringLiteral("Giocatore")};
    Label Label1{*this, QStringLiteral("Label1"), QStringLiteral("Gare")};
    Image Image1{*this, QStringLiteral("Image1")};
    Image Image2{*this, QStringLiteral("Image2")};
    Label Label4{*this, QStringLiteral("Label4"), QStringLiteral("Vincita")};
    Label Label13{*this, QStringLiteral("Label13"), QStringLiteral("1.")};
    Label Label14{*this, QStringLiteral("Label14"), QStringLiteral("2.")};
    Label Label15{*this, QStringLiteral("Label15"), QStringLiteral("3.")};
    Label Label16{*this, QStringLiteral("Label16"), QStringLiteral("4.")};
    ControlArray<Label> lblNome;
    ControlArray<Label> lblGare;
    ControlArray<Label> lblCampione;
    ControlArray<Label> lblSuper;
    ControlArray<Label> lblVincita;
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida")};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void cmdGioca_Click();
    void ProclamaVincitoreStagione();
    void cmdStampa_Click();
    void Esci_Click();
    void Guida_Click();

private:
    // What keeps the next match from being set up, or an empty text.
    QString fileDanneggiato() const;

    RecMontepremi montepremi_;
    FiltroNome filtri_[2];
    // The table as the last activation showed it.
    std::array<RecPunteggio, kRighe> classifica_;
};

}  // namespace zolmera

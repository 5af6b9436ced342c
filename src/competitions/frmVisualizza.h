#pragma once
// The tournament's home between two matches: a matchday's two fixtures, the
// standings with a result icon per matchday, and the choice of the next
// fixture.
#include "platform/controls.h"
#include "records/archivi.h"
#include "state/screen.h"

#include <array>

namespace zolmera {

class frmVisualizza final : public Screen {
public:
    explicit frmVisualizza(AppContext& context);

    static constexpr int kGiornate = 6;
    static constexpr int kGiocatori = 4;
    static constexpr int kArgomentoGuida = 14;

    Label lblData{*this, QStringLiteral("lblData")};
    Label lblGiornata{*this, QStringLiteral("lblGiornata")};
    Label lblGiocaCasa1{*this, QStringLiteral("lblGiocaCasa1")};
    Label lblGiocaFuori1{*this, QStringLiteral("lblGiocaFuori1")};
    Label lblRisultato1{*this, QStringLiteral("lblRisultato1")};
    Label lblGiocaCasa2{*this, QStringLiteral("lblGiocaCasa2")};
    Label lblGiocaFuori2{*this, QStringLiteral("lblGiocaFuori2")};
    Label lblRisultato2{*this, QStringLiteral("lblRisultato2")};
    CommandButton cmdPrecedente{*this, QStringLiteral("cmdPrecedente"), QStringLiteral("<Precedente")};
    CommandButton cmdSuccessivo{*this, QStringLiteral("cmdSuccessivo"), QStringLiteral("Successivo>")};
    CommandButton cmdGioca{*this, QStringLiteral("cmdGioca"), QStringLiteral("Gioca")};
    CommandButton cmdStampa{*this, QStringLiteral("cmdStampa"), QStringLiteral("Stampa")};
    Label lblClassifica{*this, QStringLiteral("lblClassifica"), QStringLiteral("Classifica")};
    Label Label3{*this, QStringLiteral("Label3"), QStringLiteral("Giocatore")};
    Label Label1{*this, QStringLiteral("Label1"), QStringLiteral("Punti")};
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("G.1")};
    Label Label37{*this, QStringLiteral("Label37"), QStringLiteral("G.2")};
    Label Label38{*this, QStringLiteral("Label38"), QStringLiteral("G.3")};
    Label Label39{*this, QStringLiteral("Label39"), QStringLiteral("G.4")};
    Label Label40{*this, QStringLiteral("Label40"), QStringLiteral("G.5")};
    Label Label45{*this, QStringLiteral("Label45"), QStringLiteral("G.6")};
    Label Label4{*this, QStringLiteral("Label4"), QStringLiteral("Vincita")};
    Label Label13{*this, QStringLiteral("Label13"), QStringLiteral("1.")};
    Label Label14{*this, QStringLiteral("Label14"), QStringLiteral("2.")};
    Label Label15{*this, QStringLiteral("Label15"), QStringLiteral("3.")};
    Label Label16{*this, QStringLiteral("Label16"), QStringLiteral("4.")};
    Label lblNome1{*this, QStringLiteral("lblNome1")};
    Label lblNome2{*this, QStringLiteral("lblNome2")};
    Label lblNome3{*this, QStringLiteral("lblNome3")};
    Label lblNome4{*this, QStringLiteral("lblNome4")};
    Label lblPunti1{*this, QStringLiteral("lblPunti1")};
    Label lblPunti2{*this, QStringLiteral("lblPunti2")};
    Label lblPunti3{*this, QStringLiteral("lblPunti3")};
    Label lblPunti4{*this, QStringLiteral("lblPunti4")};
    Label lblVincita1{*this, QStringLiteral("lblVincita1")};
    Label lblVincita2{*this, QStringLiteral("lblVincita2")};
    Label lblVincita3{*this, QStringLiteral("lblVincita3")};
    Label lblVincita4{*this, QStringLiteral("lblVincita4")};
    ControlArray<Image> Image1;
    ControlArray<Image> Image2;
    ControlArray<Image> Image3;
    ControlArray<Image> Image4;
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida")};

    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void CaricaVinciteTorneo();
    void cmdGioca_Click();
    void ProclamaVincitoreTorneo();
    void cmdPrecedente_Click();
    void cmdSuccessivo_Click();
    void cmdStampa_Click();
    void Esci_Click();
    void Guida_Click();

    bool intTorneoFinito = false;
    int giornataMostrata() const { return giornataMostrata_; }

    // The matchday of a tournament that has played this many matches: two
    // matches a matchday, the sixth once all twelve are played.
    static int giornataDopo(int giocate);

private:
    void mostraGiornata(const RecGiornataCampionato& g);
    // Shows the matchday before (-1) or after (+1) the one on display; at
    // the ends nothing moves.
    void sfoglia(int passo);
    // What keeps the chosen fixture from being played, or an empty text.
    QString fileDanneggiato() const;

    int giornataMostrata_ = 1;
    RecGiocatoreCampionato giocatore_;
    // The standings as the last activation showed them.
    std::array<RecGiocatoreCampionato, kGiocatori> classifica_;
};

}  // namespace zolmera

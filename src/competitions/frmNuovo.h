#pragma once
// The new-game screen: the game type, the names, and the competition's files.
#include "competitions/nomi.h"
#include "platform/controls.h"
#include "state/screen.h"

#include <optional>

namespace zolmera {

class frmNuovo final : public Screen {
public:
    explicit frmNuovo(AppContext& context);

    Frame fraTipo{*this, QStringLiteral("fraTipo"), QStringLiteral("Modalità della partita")};
    ControlArray<OptionButton> optTipo;
    Frame fraNomi{*this, QStringLiteral("fraNomi"), QStringLiteral("Inserimento nomi giocatori")};
    Label lblGiocatore1{fraNomi, QStringLiteral("lblGiocatore1"), QStringLiteral("Nome Giocatore 1")};
    TextBox txtGiocatore1{fraNomi, QStringLiteral("txtGiocatore1")};
    Label lblGiocatore2{fraNomi, QStringLiteral("lblGiocatore2"), QStringLiteral("Nome Giocatore 2")};
    TextBox txtGiocatore2{fraNomi, QStringLiteral("txtGiocatore2")};
    Label lblGiocatore3{fraNomi, QStringLiteral("lblGiocatore3"), QStringLiteral("Nome Giocatore 3")};
    TextBox txtGiocatore3{fraNomi, QStringLiteral("txtGiocatore3")};
    Label lblGiocatore4{fraNomi, QStringLiteral("lblGiocatore4"), QStringLiteral("Nome Giocatore 4")};
    TextBox txtGiocatore4{fraNomi, QStringLiteral("txtGiocatore4")};
    ComboBox cboSPartite{fraNomi, QStringLiteral("cboSPartite")};
    Label lblData{*this, QStringLiteral("lblData")};
    CommandButton cmdCrea{*this, QStringLiteral("cmdCrea"), QStringLiteral("Ok")};
    CommandButton cmdCancella{*this, QStringLiteral("cmdCancella"), QStringLiteral("Cancella")};
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida")};

    static constexpr int kLunghezzeStagione[7] = {30, 60, 90, 120, 150, 180, 300};

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void optTipo_Click(int index);
    void cmdCrea_Click();
    void cmdCancella_Click();
    void txtGiocatore_Change(int index);
    void Esci_Click();
    void Guida_Click();
    void PulisciNomi();

    // The tournament's four names, in the order of the boxes.
    VbArray<FixedText<11>, 1, 4> P;

private:
    enum class Seguito { Nessuno, Tabellone, Campionato, Stagione, Menu };
    int tipo() const;
    // The two messages of a wrong name list; true when the names will do.
    bool nomiValidi(const QList<QString>& nomi);
    std::optional<QString> chiediFile(const QString& titolo, const QString& filtro, const QString& estensione);
    bool creaStagione();
    bool creaCampionato();
    void segnalaErrore(const QString& errore);

    Seguito seguito_ = Seguito::Nessuno;
    FiltroNome filtri_[4];
};

}  // namespace zolmera

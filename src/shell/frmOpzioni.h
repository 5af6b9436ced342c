#pragma once
// The options: each contestant's controls and keys, the three sound
// switches, the edition, the presentation and the host. It shows the shared
// settings and changes them, and the settings file, only when saved.
#include "platform/controls.h"
#include "state/screen.h"
#include "state/settings.h"
#include "state/vbtypes.h"

#include <array>

namespace zolmera {

class frmOpzioni final : public Screen {
public:
    explicit frmOpzioni(AppContext& context);

    static constexpr int kArgomentoGuida = 8;

    // Declared in the order Tab runs through them.
    Frame grpGioc1{*this, QStringLiteral("grpGioc1")};
    Label lblGioc1{grpGioc1, QStringLiteral("lblGioc1"), QStringLiteral("Controlli Giocatore 1")};
    Label lblControllo1{grpGioc1, QStringLiteral("lblControllo1"), QStringLiteral("Controllo")};
    CommandButton cmdControllo1{grpGioc1, QStringLiteral("cmdControllo1"), QStringLiteral("TASTIERA")};
    Label lblPrenota1{grpGioc1, QStringLiteral("lblPrenota1"), QStringLiteral("Prenotazione")};
    TextBox txtPrenota1{grpGioc1, QStringLiteral("txtPrenota1")};
    TextBox Text1{grpGioc1, QStringLiteral("Text1")};
    Label lblGira1{grpGioc1, QStringLiteral("lblGira1"), QStringLiteral("Giro di ruota")};
    TextBox txtGira1{grpGioc1, QStringLiteral("txtGira1")};
    TextBox Text2{grpGioc1, QStringLiteral("Text2")};
    Label lblDirezionali1{grpGioc1, QStringLiteral("lblDirezionali1"), QStringLiteral("Tasti direzionali")};
    Label lblSu1{grpGioc1, QStringLiteral("lblSu1"), QStringLiteral("Su")};
    TextBox txtSu1{grpGioc1, QStringLiteral("txtSu1")};
    Label lblGiu1{grpGioc1, QStringLiteral("lblGiu1"), QStringLiteral("Giù")};
    TextBox txtGiu1{grpGioc1, QStringLiteral("txtGiu1")};
    Label lblSx1{grpGioc1, QStringLiteral("lblSx1"), QStringLiteral("Sinistra")};
    TextBox txtSx1{grpGioc1, QStringLiteral("txtSx1")};
    Label lblDx1{grpGioc1, QStringLiteral("lblDx1"), QStringLiteral("Destra")};
    TextBox txtDx1{grpGioc1, QStringLiteral("txtDx1")};

    Frame grpGioc2{*this, QStringLiteral("grpGioc2")};
    Label lblGioc2{grpGioc2, QStringLiteral("lblGioc2"), QStringLiteral("Controlli Giocatore 2")};
    Label lblControllo2{grpGioc2, QStringLiteral("lblControllo2"), QStringLiteral("Controllo")};
    CommandButton cmdControllo2{grpGioc2, QStringLiteral("cmdControllo2"), QStringLiteral("TASTIERA")};
    Label lblPrenota2{grpGioc2, QStringLiteral("lblPrenota2"), QStringLiteral("Prenotazione")};
    TextBox txtPrenota2{grpGioc2, QStringLiteral("txtPrenota2")};
    TextBox Text3{grpGioc2, QStringLiteral("Text3")};
    Label lblGira2{grpGioc2, QStringLiteral("lblGira2"), QStringLiteral("Giro di ruota")};
    TextBox txtGira2{grpGioc2, QStringLiteral("txtGira2")};
    TextBox Text4{grpGioc2, QStringLiteral("Text4")};
    Label lblDirezionali2{grpGioc2, QStringLiteral("lblDirezionali2"), QStringLiteral("Tasti direzionali")};
    Label lblSu2{grpGioc2, QStringLiteral("lblSu2"), QStringLiteral("Su")};
    TextBox txtSu2{grpGioc2, QStringLiteral("txtSu2")};
    Label lblGiu2{grpGioc2, QStringLiteral("lblGiu2"), QStringLiteral("Giù")};
    TextBox txtGiu2{grpGioc2, QStringLiteral("txtGiu2")};
    Label lblSx2{grpGioc2, QStringLiteral("lblSx2"), QStringLiteral("Sinistra")};
    TextBox txtSx2{grpGioc2, QStringLiteral("txtSx2")};
    Label lblDx2{grpGioc2, QStringLiteral("lblDx2"), QStringLiteral("Destra")};
    TextBox txtDx2{grpGioc2, QStringLiteral("txtDx2")};

    Frame grpAudio{*this, QStringLiteral("grpAudio")};
    Label lblAudio{grpAudio, QStringLiteral("lblAudio"), QStringLiteral("Audio e Video")};
    Label lblMusica{grpAudio, QStringLiteral("lblMusica"), QStringLiteral("Musica")};
    CheckBox chkMusica{grpAudio, QStringLiteral("chkMusica"), QStringLiteral("NO"), true};
    Label lblParlato{grpAudio, QStringLiteral("lblParlato"), QStringLiteral("Commenti parlati")};
    CheckBox chkParlato{grpAudio, QStringLiteral("chkParlato"), QStringLiteral("NO"), true};
    Label lblEffetti{grpAudio, QStringLiteral("lblEffetti"), QStringLiteral("Effetti sonori")};
    CheckBox chkEffetti{grpAudio, QStringLiteral("chkEffetti"), QStringLiteral("NO"), true};

    Frame grpGioco{*this, QStringLiteral("grpGioco")};
    Label lblGioco{grpGioco, QStringLiteral("lblGioco"), QStringLiteral("Gioco")};
    Label lblModGioco{grpGioco, QStringLiteral("lblModGioco"), QStringLiteral("Modalità")};
    CommandButton cmdModGioco{grpGioco, QStringLiteral("cmdModGioco")};
    Label lblSigla{grpGioco, QStringLiteral("lblSigla"), QStringLiteral("Introduzione")};
    CommandButton cmdSigla{grpGioco, QStringLiteral("cmdSigla")};
    Label lblConduce{grpGioco, QStringLiteral("lblConduce"), QStringLiteral("Conduttore")};
    CommandButton cmdConduce{grpGioco, QStringLiteral("cmdConduce")};

    CommandButton cmdSalva{*this, QStringLiteral("cmdSalva"), QStringLiteral("Salva")};
    CommandButton cmdRipristina{*this, QStringLiteral("cmdRipristina"), QStringLiteral("Ripristina")};

    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida"), QKeySequence(Qt::Key_F1)};

    // Something was changed since the screen was loaded or last saved.
    bool intModificato = false;
    // Which optional editions may be chosen: 2 ZOLMER91, 3 SERO92, 4 ZOLMER93.
    VbArray<bool, 2, 4> intEdizione;

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void cmdModGioco_Click();
    void cmdSigla_Click();
    void cmdConduce_Click();
    void chkInterruttore_Click(CheckBox& chk);
    void cmdControllo_Click(int k);
    void txtTasto_Click(TextBox& box);
    void txtTasto_Change();
    void txtTasto_LostFocus(TextBox& box);
    void cmdRipristina_Click();
    void cmdSalva_Click();
    void Esci_Click();
    void Guida_Click();
    // Writes the settings of the screen and makes them the game's; false,
    // after its own message, when they could not be written.
    bool SalvaImpostazioni();

private:
    enum class Ruolo { Prenota, Gira, Direzione };
    struct Casella {
        TextBox* box;
        int k;   // the contestant, 1 or 2
        Ruolo ruolo;
    };
    // The checks of a box, in the order they run, on its text as it stands.
    static constexpr int kControlli = 3;
    // soloInUso: compares with the keys in use only (shown boxes), leaving
    // out the hidden ones of a contestant on the mouse.
    bool fallisce(const Casella& c, int controllo, bool soloInUso = false) const;
    const Casella& casella(const TextBox& box) const;
    void mostraControllo(int k, bool mouse);
    bool entrambiMouse() const;
    // A refused key: the box is emptied and takes the focus back.
    void rifiuta(TextBox& box);
    // The checks of every key box still shown, as when each is left; false,
    // with the message and the focus on the box, at the first that fails.
    bool tastiValidi();
    // The checks, then the save and its confirmation; false when refused.
    bool salva();

    std::array<Casella, 12> caselle_{};
    // The focus going back to a refused box is no leaving of the box it
    // passes through, and the click that was taking it elsewhere empties
    // nothing.
    bool riportando_ = false;
    TextBox* riportato_ = nullptr;
};

}  // namespace zolmera

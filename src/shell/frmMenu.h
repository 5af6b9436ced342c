#pragma once
// The start screen: the program's first window and its main menu.
#include "platform/controls.h"
#include "state/screen.h"
#include "state/settings.h"

namespace zolmera {

class frmMenu final : public Screen {
public:
    explicit frmMenu(AppContext& context);

    Image Image1;
    CommandButton cmdGioca;
    CommandButton cmdCaricaStagione;
    CommandButton cmdCaricaTorneo;
    CommandButton cmdOpzioni;
    CommandButton cmdInfo;
    CommandButton cmdSitoWeb;
    CommandButton cmdPosta;
    CommandButton cmdEsci;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;

    void cmdGioca_Click();
    void cmdCaricaStagione_Click();
    void cmdCaricaTorneo_Click();
    void cmdOpzioni_Click();
    void cmdInfo_Click();
    void cmdSitoWeb_Click();
    void cmdPosta_Click();
    void cmdEsci_Click();

    static constexpr int kHelpTopic = 6;

private:
    // What resuming a season or a tournament sets, by its kind.
    struct Riprendi {
        QString titolo;
        QString filtro;
        QString* principale;
        QString* compagno;
        QString estensioneCompagno;
        QString estensioneMontepremi;
        QString punteggi;
        quint8 tipoGioco;
        Schermo schermo;
    };
    void caricaImmagine();
    void riprendiCompetizione(const Riprendi& r);

    RecImpostazioni rec_;
};

}  // namespace zolmera

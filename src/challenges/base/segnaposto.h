#pragma once
// The window a challenge title opens while its game is not part of the game
// yet: it shows the title, says so, and hands back a void game.
#include "platform/controls.h"
#include "state/screen.h"

namespace zolmera {

class ProvaNonDisponibile : public Screen {
public:
    // A challenge's window sets nobody current when it loads; the second
    // phase's leaves the contestant of the turn alone.
    ProvaNonDisponibile(AppContext& context, const QString& name, const QString& titolo, bool sfida);

    Label lblTitolo{*this, QStringLiteral("lblTitolo")};
    Label lblAvviso{*this, QStringLiteral("lblAvviso"), QStringLiteral("Prova non ancora disponibile")};
    CommandButton cmdEsegui{*this, QStringLiteral("cmdEsegui"), QStringLiteral("Gioco nullo!")};
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void cmdEsegui_Click();
    void Esci_Click();

private:
    bool sfida_;
    bool abbandono_ = false;
};

enum class TipoSegnaposto { Prova, Provina, Extra, SecondaFase };

// The title such a window shows.
QString titoloSegnaposto(TipoSegnaposto tipo, int k);

// One window type per title, so that each has its own instance.
template <TipoSegnaposto Tipo, int K>
class frmSegnaposto final : public ProvaNonDisponibile {
public:
    explicit frmSegnaposto(AppContext& context)
        : ProvaNonDisponibile(context, QStringLiteral("frmSegnaposto%1_%2").arg(int(Tipo)).arg(K),
                              titoloSegnaposto(Tipo, K), Tipo != TipoSegnaposto::SecondaFase)
    {
    }
};

}  // namespace zolmera

#pragma once
// A stand-in for a challenge window, for tests that need a title played
// quickly: it shows the title, says it is not available, and hands back a
// void game.
#include "challenges/base/finestra.h"

namespace zolmera {

class ProvaNonDisponibile : public FinestraProva {
public:
    // Like a challenge's window, it sets nobody current when it loads.
    ProvaNonDisponibile(AppContext& context, const QString& name, const QString& titolo);

    Label lblAvviso{*this, QStringLiteral("lblAvviso"), QStringLiteral("Prova non ancora disponibile")};

    void Form_Load() override;
    void cmdEsegui_Click() override;
};

enum class TipoSegnaposto { Prova, Provina, Extra };

// The title such a window shows.
QString titoloSegnaposto(TipoSegnaposto tipo, int k);

// One window type per title, so that each has its own instance.
template <TipoSegnaposto Tipo, int K>
class frmSegnaposto final : public ProvaNonDisponibile {
public:
    explicit frmSegnaposto(AppContext& context)
        : ProvaNonDisponibile(context, QStringLiteral("frmSegnaposto%1_%2").arg(int(Tipo)).arg(K),
                              titoloSegnaposto(Tipo, K))
    {
    }
};

}  // namespace zolmera

#include "testkit/segnaposto.h"

#include "board/operazioni.h"
#include "challenges/base/schede.h"

namespace zolmera {

QString titoloSegnaposto(TipoSegnaposto tipo, int k)
{
    switch (tipo) {
    case TipoSegnaposto::Prova: return schedaProva(k).titolo;
    case TipoSegnaposto::Provina: return schedaProvina(k).titolo;
    case TipoSegnaposto::Extra: return schedaExtra().titolo;
    }
    return {};
}

ProvaNonDisponibile::ProvaNonDisponibile(AppContext& context, const QString& name, const QString& titolo)
    : FinestraProva(context, name, titolo, 33, 6000, 3000)
{
    lblAvviso.move(240, 1080, 5520, 420);
    lblAvviso.setAlignment(Label::Center);
    lblAvviso.setBackStyle(0);
    lblAvviso.setFontName(QStringLiteral("Comic Sans MS"));
    lblAvviso.setFontSize(12);
    cmdEsegui.setCaption(QStringLiteral("Gioco nullo!"));
    cmdEsegui.move(1800, 1920, 2400, 600);
    setDefaultButton(&cmdEsegui);
}

void ProvaNonDisponibile::Form_Load()
{
    M.bytConcorrente = 0;
}

void ProvaNonDisponibile::cmdEsegui_Click()
{
    // Nothing was played: the game is void, and the step button comes back.
    if (unload())
        SegnalaProvaNulla(ctx);
}

}  // namespace zolmera

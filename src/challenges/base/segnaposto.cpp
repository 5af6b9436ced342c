#include "challenges/base/segnaposto.h"

#include "board/operazioni.h"
#include "engine/lancio.h"

namespace zolmera {

QString titoloSegnaposto(TipoSegnaposto tipo, int k)
{
    switch (tipo) {
    case TipoSegnaposto::Prova: return LancioProve::kTitoliProve.at(std::size_t(k - 1));
    case TipoSegnaposto::Provina: return LancioProve::kTitoliProvine.at(std::size_t(k - 1));
    case TipoSegnaposto::Extra: return QStringLiteral("SLOT MACHINE");
    case TipoSegnaposto::SecondaFase: return QStringLiteral("SECONDA FASE");
    }
    return {};
}

ProvaNonDisponibile::ProvaNonDisponibile(AppContext& context, const QString& name, const QString& titolo, bool sfida)
    : Screen(context, name, 6000, 3000), sfida_(sfida)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(0xC0FFFF);
    lblTitolo.setCaption(titolo);
    lblTitolo.move(240, 240, 5520, 600);
    lblTitolo.setAlignment(Label::Center);
    lblTitolo.setBackStyle(0);
    lblTitolo.setFontName(QStringLiteral("Comic Sans MS"));
    lblTitolo.setFontSize(18);
    lblTitolo.setFontBold(true);
    lblTitolo.setForeColor(0x800000);
    lblAvviso.move(240, 1080, 5520, 420);
    lblAvviso.setAlignment(Label::Center);
    lblAvviso.setBackStyle(0);
    lblAvviso.setFontName(QStringLiteral("Comic Sans MS"));
    lblAvviso.setFontSize(12);
    cmdEsegui.move(1800, 1920, 2400, 600);
    cmdEsegui.setBackColor(0xFFFF00);
    cmdEsegui.setFontName(QStringLiteral("Comic Sans MS"));
    cmdEsegui.setFontSize(12);
    cmdEsegui.Click = [this] { cmdEsegui_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    setDefaultButton(&cmdEsegui);
}

void ProvaNonDisponibile::Form_Load()
{
    if (sfida_)
        M.bytConcorrente = 0;
}

void ProvaNonDisponibile::cmdEsegui_Click()
{
    // Nothing was played: the game is void, and the step button comes back.
    unload();
    SegnalaProvaNulla(ctx);
}

void ProvaNonDisponibile::Esci_Click()
{
    M.intEsci = true;
    unload(UnloadMode::FormCode);
}

void ProvaNonDisponibile::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    if (mode == UnloadMode::ControlMenu || M.intEsci) {
        abbandono_ = AbbandonaPartita(ctx);
        cancel = !abbandono_;
    }
}

void ProvaNonDisponibile::Form_Unload(bool&)
{
    if (abbandono_)
        ChiudiTabellone(ctx);
    else
        SbloccaTabellone(ctx);
}

}  // namespace zolmera

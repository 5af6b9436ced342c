// The windows that the launch opens for each title.
#include "challenges/action/frmProva3.h"
#include "challenges/base/segnaposto.h"
#include "challenges/short/frmProvina1.h"
#include "engine/lancio.h"
#include "state/context.h"

#include <utility>

namespace zolmera {

namespace {
template <class T>
CatalogoProve::Apri apri()
{
    return [](AppContext& ctx) { ctx.screens.get<T>().show(); };
}

template <TipoSegnaposto Tipo, std::size_t... K>
void segnaposti(auto& tabella, std::index_sequence<K...>)
{
    ((tabella[K + 1] = apri<frmSegnaposto<Tipo, int(K + 1)>>()), ...);
}
}  // namespace

CatalogoProve catalogoPredefinito()
{
    CatalogoProve c;
    segnaposti<TipoSegnaposto::Prova>(c.prove, std::make_index_sequence<20>{});
    segnaposti<TipoSegnaposto::Provina>(c.provine, std::make_index_sequence<18>{});
    c.extra = apri<frmSegnaposto<TipoSegnaposto::Extra, 1>>();
    // The games built so far take their titles' places.
    c.prove[3] = apri<frmProva3>();
    c.provine[1] = apri<frmProvina1>();
    return c;
}

}  // namespace zolmera

#include "state/rotte.h"

#include "platform/form.h"

namespace zolmera {

Form* Rotte::carica(Schermo schermo)
{
    auto it = rotte_.find(schermo);
    return it == rotte_.end() ? nullptr : &it->second(ctx_);
}

void Rotte::chiudi(Schermo schermo)
{
    auto it = trovate_.find(schermo);
    if (it == trovate_.end() || !it->second)
        return;
    if (Form* f = it->second(ctx_))
        f->unload();
}

bool Rotte::mostra(Schermo schermo)
{
    Form* f = carica(schermo);
    if (f)
        f->show();
    return f != nullptr;
}

}  // namespace zolmera

#include "state/rotte.h"

#include "platform/form.h"

namespace zolmera {

Form* Rotte::carica(Schermo schermo)
{
    auto it = rotte_.find(schermo);
    return it == rotte_.end() ? nullptr : &it->second(ctx_);
}

bool Rotte::mostra(Schermo schermo)
{
    Form* f = carica(schermo);
    if (f)
        f->show();
    return f != nullptr;
}

}  // namespace zolmera

#include "app/composizione.h"

#include "board/frmRuota.h"
#include "challenges/action/frmProva1.h"
#include "challenges/action/frmProva10.h"
#include "challenges/action/frmProva11.h"
#include "challenges/action/frmProva12.h"
#include "challenges/action/frmProva13.h"
#include "challenges/action/frmProva16.h"
#include "challenges/action/frmProva3.h"
#include "challenges/action/frmProva8.h"
#include "challenges/action/frmProva9.h"
#include "challenges/base/schede.h"
#include "challenges/mind/frmProva14.h"
#include "challenges/mind/frmProva15.h"
#include "challenges/mind/frmProva17.h"
#include "challenges/mind/frmProva18.h"
#include "challenges/mind/frmProva19.h"
#include "challenges/mind/frmProva2.h"
#include "challenges/mind/frmProva20.h"
#include "challenges/mind/frmProva4.h"
#include "challenges/mind/frmProva5.h"
#include "challenges/mind/frmProva6.h"
#include "challenges/mind/frmProva7.h"
#include "challenges/mind/frmProvaExtra.h"
#include "challenges/short/frmProvina1.h"
#include "challenges/short/frmProvina10.h"
#include "challenges/short/frmProvina11.h"
#include "challenges/short/frmProvina12.h"
#include "challenges/short/frmProvina13.h"
#include "challenges/short/frmProvina14.h"
#include "challenges/short/frmProvina15.h"
#include "challenges/short/frmProvina16.h"
#include "challenges/short/frmProvina17.h"
#include "challenges/short/frmProvina18.h"
#include "challenges/short/frmProvina2.h"
#include "challenges/short/frmProvina3.h"
#include "challenges/short/frmProvina4.h"
#include "challenges/short/frmProvina5.h"
#include "challenges/short/frmProvina6.h"
#include "challenges/short/frmProvina7.h"
#include "challenges/short/frmProvina8.h"
#include "challenges/short/frmProvina9.h"
#include "competitions/frmNuovo.h"
#include "competitions/frmPunteggi.h"
#include "competitions/frmStagione.h"
#include "competitions/frmVisualizza.h"
#include "shell/frmAbout.h"
#include "shell/frmAvvio.h"
#include "shell/frmComandiGioco.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuZolmer.h"
#include "shell/frmOpzioni.h"
#include "state/context.h"


namespace zolmera {

namespace {
template <class T>
Rotte::Carica schermo()
{
    return [](AppContext& ctx) -> Form& { return ctx.screens.get<T>(); };
}

template <class T>
Rotte::Trova trovato()
{
    return [](AppContext& ctx) -> Form* { return ctx.screens.find<T>(); };
}

template <class T>
CatalogoProve::Apri apri()
{
    return [](AppContext& ctx) { ctx.screens.get<T>().show(); };
}

void impostaRotte(Rotte& r)
{
    r.imposta(Schermo::Avvio, schermo<frmMenu>());
    r.imposta(Schermo::Presentazione, schermo<frmAvvio>());
    r.imposta(Schermo::NuovaPartita, schermo<frmNuovo>());
    r.imposta(Schermo::Tabellone, schermo<frmRuota>());
    r.imposta(Schermo::Stagione, schermo<frmStagione>());
    r.imposta(Schermo::Campionato, schermo<frmVisualizza>());
    r.imposta(Schermo::MenuDelGiorno, schermo<frmMenuZolmer>(), trovato<frmMenuZolmer>());
    r.imposta(Schermo::Comandi, schermo<frmComandiGioco>());
    r.imposta(Schermo::Punteggi, schermo<frmPunteggi>());
    r.imposta(Schermo::Informazioni, schermo<frmAbout>());
    r.imposta(Schermo::Opzioni, schermo<frmOpzioni>());
}

CatalogoProve catalogo()
{
    CatalogoProve c;
    for (int k = 1; k <= 20; ++k)
        c.titoliProve[std::size_t(k)] = schedaProva(k).titolo;
    for (int k = 1; k <= 18; ++k)
        c.titoliProvine[std::size_t(k)] = schedaProvina(k).titolo;
    c.extra = apri<frmProvaExtra>();
    c.prove[1] = apri<frmProva1>();
    c.prove[2] = apri<frmProva2>();
    c.prove[3] = apri<frmProva3>();
    c.prove[4] = apri<frmProva4>();
    c.prove[5] = apri<frmProva5>();
    c.prove[6] = apri<frmProva6>();
    c.prove[7] = apri<frmProva7>();
    c.prove[8] = apri<frmProva8>();
    c.prove[9] = apri<frmProva9>();
    c.prove[10] = apri<frmProva10>();
    c.prove[11] = apri<frmProva11>();
    c.prove[12] = apri<frmProva12>();
    c.prove[13] = apri<frmProva13>();
    c.prove[14] = apri<frmProva14>();
    c.prove[15] = apri<frmProva15>();
    c.prove[16] = apri<frmProva16>();
    c.prove[17] = apri<frmProva17>();
    c.prove[18] = apri<frmProva18>();
    c.prove[19] = apri<frmProva19>();
    c.prove[20] = apri<frmProva20>();
    c.provine[1] = apri<frmProvina1>();
    c.provine[2] = apri<frmProvina2>();
    c.provine[3] = apri<frmProvina3>();
    c.provine[4] = apri<frmProvina4>();
    c.provine[5] = apri<frmProvina5>();
    c.provine[6] = apri<frmProvina6>();
    c.provine[7] = apri<frmProvina7>();
    c.provine[8] = apri<frmProvina8>();
    c.provine[9] = apri<frmProvina9>();
    c.provine[10] = apri<frmProvina10>();
    c.provine[11] = apri<frmProvina11>();
    c.provine[12] = apri<frmProvina12>();
    c.provine[13] = apri<frmProvina13>();
    c.provine[14] = apri<frmProvina14>();
    c.provine[15] = apri<frmProvina15>();
    c.provine[16] = apri<frmProvina16>();
    c.provine[17] = apri<frmProvina17>();
    c.provine[18] = apri<frmProvina18>();
    return c;
}
}  // namespace

void componi(AppContext& ctx)
{
    impostaRotte(ctx.rotte);
    ctx.catalogo = catalogo();
}

}  // namespace zolmera

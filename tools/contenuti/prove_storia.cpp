#include "prove_storia.h"

#include "regole.h"

#include "challenges/short/storia.h"
#include "platform/text.h"

#include <QHash>

#include <algorithm>

namespace zolmera::contenuti {

using namespace storia;

namespace {
bool unaParola(const QString& nome)
{
    return std::all_of(nome.cbegin(), nome.cend(), [](QChar c) { return c.isLetter(); });
}
}  // namespace

void controllaStoria(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> perGruppo;
    QHash<QString, int> nomi;   // a name in capitals -> its line
    bool letti = true;
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 2) {
            errore(r.linea, QStringLiteral("a row must be: group, entry"));
            continue;
        }
        const auto g = std::find_if(kGruppi.cbegin(), kGruppi.cend(), [&](const Gruppo& x) { return x.nome == r.campi[0]; });
        if (g == kGruppi.cend()) {
            errore(r.linea, QStringLiteral("no group is called \"%1\"").arg(r.campi[0]));
            continue;
        }
        ++perGruppo[g->nome];
        const QString& voce = r.campi[1];
        if (const QString difetto = difettoTesto(voce); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the entry %1").arg(difetto));
            letti = false;
            continue;
        }
        if (g->elenco != Nomi)
            continue;
        if (!unaParola(voce))
            errore(r.linea, QStringLiteral("the name \"%1\" is not one word of letters").arg(voce));
        if (const auto prima = nomi.constFind(vbUCase(voce)); prima != nomi.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(voce).arg(*prima));
        else
            nomi.insert(vbUCase(voce), r.linea);
    }
    for (const Gruppo& g : kGruppi)
        if (const int n = perGruppo.value(g.nome); n != g.voci) {
            errore(0, QStringLiteral("group \"%1\" has %2 entries, not %3").arg(g.nome).arg(n).arg(g.voci));
            letti = false;
        }
    // Only whole lists say which entries a statement can name.
    if (!letti)
        return;

    const Elenchi l = leggiElenchi(t.righe);
    for (int tipo = 1; tipo <= int(kTipi.size()); ++tipo) {
        const Tipo& k = kTipi[std::size_t(tipo - 1)];
        const Intervallo& rx = kIntervalli[k.x];
        const Intervallo& ry = kIntervalli[k.y];
        QString lunga;
        int x0 = 0, y0 = 0;
        for (int x = rx.da; x <= rx.a; ++x)
            for (int y = ry.da; y <= ry.a; ++y)
                if (const QString a = affermazione(l, tipo, x, y); a.size() > lunga.size()) {
                    lunga = a;
                    x0 = x;
                    y0 = y;
                }
        if (lunga.size() <= kMaxAffermazione)
            continue;
        // The longer of its two entries is the one to shorten.
        const bool primo = l.voce(rx.elenco, x0).size() >= l.voce(ry.elenco, y0).size();
        const int linea = primo ? l.linee[rx.elenco][x0 - 1] : l.linee[ry.elenco][y0 - 1];
        errore(linea, QStringLiteral("statement %1 can be %2 characters long, over %3: \"%4\"")
                          .arg(tipo)
                          .arg(lunga.size())
                          .arg(kMaxAffermazione)
                          .arg(lunga));
    }
}

}  // namespace zolmera::contenuti

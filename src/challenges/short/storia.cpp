#include "challenges/short/storia.h"

namespace zolmera::storia {

const std::array<Gruppo, 8> kGruppi = {{
    {QStringLiteral("mese"), Mesi, 12},
    {QStringLiteral("uomo"), Nomi, 10},
    {QStringLiteral("donna"), Nomi, 10},
    {QStringLiteral("soprannome"), Nomi, 20},
    {QStringLiteral("ora"), Ore, 10},
    {QStringLiteral("commissione"), Frasi, 5},
    {QStringLiteral("saluto"), Frasi, 5},
    {QStringLiteral("dopocena"), Frasi, 5},
}};

const std::array<Intervallo, kElementi> kIntervalli = {{
    {Mesi, 1, 12},    // m: the month of the holiday
    {Nomi, 1, 5},     // a, b: the two on holiday
    {Nomi, 11, 15},
    {Nomi, 6, 10},    // c, d: the two they meet
    {Nomi, 16, 20},
    {Frasi, 1, 5},    // e: what c and d are about
    {Nomi, 21, 30},   // f: whom it is for
    {Ore, 1, 10},     // g: dinner time
    {Nomi, 31, 40},   // h: the host
    {Frasi, 6, 10},   // i: the host's greeting
    {Frasi, 11, 15},  // j: the evening after dinner
}};

const std::array<Tipo, 10> kTipi = {{
    {0, B, C}, {0, C, H}, {0, A, F},
    {1, H, I}, {1, D, J}, {1, C, M},
    {2, G, H}, {2, A, B}, {2, A, G}, {2, D, E},
}};

QString Elenchi::voce(Elenco e, int k) const { return voci[std::size_t(e)].value(k - 1); }

Elenchi leggiElenchi(const QList<RigaTabella>& righe)
{
    Elenchi l;
    for (const Gruppo& g : kGruppi)
        for (const RigaTabella& r : righe)
            if (r.campi.size() == 2 && r.campi[0] == g.nome) {
                l.voci[std::size_t(g.elenco)] << r.campi[1];
                l.linee[std::size_t(g.elenco)] << r.linea;
            }
    return l;
}

Elenchi elenchiDelGioco()
{
    QList<RigaTabella> righe;
    for (const QStringList& campi : tabellaProva(QStringLiteral("storia")))
        righe << RigaTabella{0, campi};
    return leggiElenchi(righe);
}

QString racconto(const Elenchi& l, const Elementi& v)
{
    auto nome = [&](Elemento x) { return l.voce(Nomi, v[x]); };
    auto frase = [&](Elemento x) { return l.voce(Frasi, v[x]); };
    return QStringLiteral("Nel mese di ") + l.voce(Mesi, v[M]) + QStringLiteral(", ") + nome(A) + QStringLiteral(" e ")
           + nome(B) + QStringLiteral(" sono andati in vacanza insieme.")
           + QStringLiteral(" Durante il soggiorno hanno incontrato ") + nome(C) + QStringLiteral(" e ") + nome(D)
           + QStringLiteral(" intenti a ") + frase(E) + QStringLiteral(" per un loro amico chiamato ") + nome(F)
           + QStringLiteral(".") + QStringLiteral(" Dopo una passeggiata, alle ore ") + l.voce(Ore, v[G])
           + QStringLiteral(" i ragazzi vanno tutti insieme a cena da ") + nome(H)
           + QStringLiteral(" che li accoglie dicendo: ") + frase(I) + QStringLiteral(".")
           + QStringLiteral(" Appena terminata la cena, i ragazzi ") + frase(J) + QStringLiteral(".");
}

QString affermazione(const Elenchi& l, int tipo, int x, int y)
{
    auto nome = [&](int k) { return l.voce(Nomi, k); };
    switch (tipo) {
    case 1: return QStringLiteral("Fra i ragazzi ci sono ") + nome(x) + QStringLiteral(" e ") + nome(y);
    case 2: return nome(x) + QStringLiteral(" va a mangiare da ") + nome(y);
    case 3: return nome(x) + QStringLiteral(" incontra un'amica di ") + nome(y);
    case 4: return nome(x) + QStringLiteral(" dice: ") + l.voce(Frasi, y);
    case 5: return nome(x) + QStringLiteral(" e gli altri ") + l.voce(Frasi, y);
    case 6: return nome(x) + QStringLiteral(" fa compere in ") + l.voce(Mesi, y);
    case 7: return QStringLiteral("Alle ") + l.voce(Ore, x) + QStringLiteral(" i ragazzi sono da ") + nome(y);
    case 8: return nome(x) + QStringLiteral(" si trova in vacanza con ") + nome(y);
    case 9: return nome(x) + QStringLiteral(" si trova nel ristorante alle ") + l.voce(Ore, y);
    case 10: return nome(x) + QStringLiteral(" deve ") + l.voce(Frasi, y);
    default: return {};
    }
}

}  // namespace zolmera::storia

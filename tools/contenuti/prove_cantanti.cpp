#include "prove_cantanti.h"

#include "regole.h"

#include "challenges/mind/frmProva18.h"
#include "platform/text.h"

#include <QHash>

namespace zolmera::contenuti {

void controllaCantanti(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    // A performer or a title in upper case -> its line: two that differ only
    // in case would read as the same on the cells.
    QHash<QString, int> cantanti, canzoni;
    const auto unico = [&](QHash<QString, int>& visti, const QString& testo, int linea) {
        const QString chiave = vbUCase(testo);
        if (const auto prima = visti.constFind(chiave); prima != visti.cend())
            errore(linea, QStringLiteral("\"%1\" is already on line %2").arg(testo).arg(*prima));
        else
            visti.insert(chiave, linea);
    };
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 3) {
            errore(r.linea, QStringLiteral("a row must be: performer, title, year"));
            continue;
        }
        const struct {
            QString nome;
            const QString& testo;
            int massimo;
            QHash<QString, int>& visti;
        } campi[2] = {{QStringLiteral("performer"), r.campi[0], frmProva18::kMaxCantante, cantanti},
                      {QStringLiteral("title"), r.campi[1], frmProva18::kMaxCanzone, canzoni}};
        for (const auto& c : campi) {
            if (const QString difetto = difettoTesto(c.testo); !difetto.isEmpty()) {
                errore(r.linea, QStringLiteral("the %1 %2").arg(c.nome, difetto));
                continue;
            }
            if (c.testo.size() > c.massimo)
                errore(r.linea, QStringLiteral("the %1 is longer than %2 characters").arg(c.nome).arg(c.massimo));
            unico(c.visti, c.testo, r.linea);
        }
        bool numero = false;
        const int anno = r.campi[2].toInt(&numero);
        if (!numero || r.campi[2].size() != 4 || anno < 1900 || anno > 2099)
            errore(r.linea, QStringLiteral("the year must be four digits from 1900 to 2099"));
    }
    if (t.righe.size() != frmProva18::kRighe)
        errore(0, QStringLiteral("the table has %1 rows, not %2").arg(t.righe.size()).arg(frmProva18::kRighe));
}

}  // namespace zolmera::contenuti

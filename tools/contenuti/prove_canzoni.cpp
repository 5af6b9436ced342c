#include "prove_canzoni.h"

#include "regole.h"

#include "challenges/short/frmProvina16.h"
#include "platform/text.h"

#include <QHash>

namespace zolmera::contenuti {

namespace {
// The board's answer box takes no more: a longer title could never be typed right.
constexpr int kMaxTitolo = 50;
}  // namespace

void controllaCanzoni(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> visti;   // a title in upper case -> its line
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 1) {
            errore(r.linea, QStringLiteral("a row must be one title alone"));
            continue;
        }
        const QString& titolo = r.campi[0];
        if (const QString difetto = difettoTesto(titolo); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the title %1").arg(difetto));
            continue;
        }
        if (titolo.size() > kMaxTitolo)
            errore(r.linea, QStringLiteral("the title is longer than %1 characters").arg(kMaxTitolo));
        // The answer is judged in upper case: two such titles would be one answer.
        const QString chiave = vbUCase(titolo);
        if (const auto prima = visti.constFind(chiave); prima != visti.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(titolo).arg(*prima));
        else
            visti.insert(chiave, r.linea);
    }
    constexpr int kDisegni = frmProvina16::kRighe * frmProvina16::kColonne;
    if (t.righe.size() != kDisegni)
        errore(0, QStringLiteral("the table has %1 titles, not %2").arg(t.righe.size()).arg(kDisegni));
}

}  // namespace zolmera::contenuti

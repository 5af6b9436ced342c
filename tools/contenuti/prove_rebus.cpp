#include "prove_rebus.h"

#include "regole.h"

#include "challenges/mind/rebus.h"

#include <QHash>

namespace zolmera::contenuti {

namespace {
constexpr int kFrasi = 100;
// Where a phrase may come from: nothing of anybody's own.
const QStringList kFonti{QStringLiteral("proverbio"), QStringLiteral("modo di dire"), QStringLiteral("scioglilingua"),
                         QStringLiteral("favola di Esopo"), QStringLiteral("scritta per il gioco")};
}  // namespace

void controllaRebus(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> viste;   // a phrase -> its line
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 2) {
            errore(r.linea, QStringLiteral("a row must be: phrase, source"));
            continue;
        }
        const QString& frase = r.campi[0];
        if (!kFonti.contains(r.campi[1]))
            errore(r.linea, QStringLiteral("the source must be one of: %1").arg(kFonti.join(QStringLiteral(", "))));
        if (const QString difetto = difettoTesto(frase); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the phrase %1").arg(difetto));
            continue;
        }
        QString difetto;
        if (!rebus::componi(frase, &difetto)) {
            errore(r.linea, difetto);
            continue;
        }
        if (const auto prima = viste.constFind(frase); prima != viste.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(frase).arg(*prima));
        else
            viste.insert(frase, r.linea);
    }
    if (t.righe.size() != kFrasi)
        errore(0, QStringLiteral("the table has %1 phrases, not %2").arg(t.righe.size()).arg(kFrasi));
}

}  // namespace zolmera::contenuti

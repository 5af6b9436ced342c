#include "prove.h"

#include "challenges/mind/frmProva5.h"

#include <QHash>

namespace zolmera::contenuti {

// The geo-anagram's place names: as many as the window draws from, each of
// exactly six letters A to Z (the tiles show no accents), none twice, so the
// second turn can never show a name of the first.
void controllaLocalita(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> visti;
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 1) {
            errore(r.linea, QStringLiteral("a row must be one place name alone"));
            continue;
        }
        const QString& nome = r.campi[0];
        bool lettere = nome.size() == frmProva5::kLettere;
        for (const QChar c : nome)
            lettere = lettere && c >= QLatin1Char('A') && c <= QLatin1Char('Z');
        if (!lettere) {
            errore(r.linea, QStringLiteral("\"%1\" is not six letters A to Z").arg(nome));
            continue;
        }
        if (const auto prima = visti.constFind(nome); prima != visti.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(nome).arg(*prima));
        else
            visti.insert(nome, r.linea);
    }
    if (t.righe.size() != frmProva5::kLocalita)
        errore(0, QStringLiteral("the table has %1 names, not %2").arg(t.righe.size()).arg(frmProva5::kLocalita));
}

}  // namespace zolmera::contenuti

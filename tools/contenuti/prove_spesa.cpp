#include "prove.h"
#include "regole.h"

#include "challenges/mind/frmProva17.h"
#include "platform/text.h"

#include <QHash>
#include <QRegularExpression>

namespace zolmera::contenuti {

void controllaSpesa(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    static const QRegularExpression prezzo(QStringLiteral("^[0-9]+\\.[0-9]{2}$"));
    QHash<QString, int> visti;   // a name in upper case -> its line
    int prodotti = 0;
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 3) {
            errore(r.linea, QStringLiteral("a row must be: name, lowest price, highest price"));
            continue;
        }
        ++prodotti;
        const QString& nome = r.campi[0];
        if (const QString difetto = difettoTesto(nome); !difetto.isEmpty())
            errore(r.linea, QStringLiteral("the name %1").arg(difetto));
        else if (nome.size() > frmProva17::kMaxNome)
            errore(r.linea, QStringLiteral("the name is longer than %1 characters").arg(frmProva17::kMaxNome));
        if (const auto prima = visti.constFind(vbUCase(nome)); prima != visti.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(nome).arg(*prima));
        else
            visti.insert(vbUCase(nome), r.linea);
        bool numeri = true;
        for (int c : {1, 2})
            if (!prezzo.match(r.campi[c]).hasMatch()) {
                errore(r.linea, QStringLiteral("\"%1\" is not a price like 2.50").arg(r.campi[c]));
                numeri = false;
            }
        if (!numeri)
            continue;
        const double minimo = r.campi[1].toDouble(), massimo = r.campi[2].toDouble();
        if (minimo <= 0)
            errore(r.linea, QStringLiteral("the lowest price must be above 0"));
        if (minimo > massimo)
            errore(r.linea, QStringLiteral("the lowest price is above the highest"));
        if (massimo > frmProva17::kPrezzoMassimo)
            errore(r.linea, QStringLiteral("the highest price is above %1").arg(frmProva17::kPrezzoMassimo, 0, 'f', 2));
    }
    if (prodotti < frmProva17::kProdottiMinimi)
        errore(0, QStringLiteral("%1 products, fewer than the %2 of two shopping lists")
                      .arg(prodotti)
                      .arg(frmProva17::kProdottiMinimi));
}

}  // namespace zolmera::contenuti

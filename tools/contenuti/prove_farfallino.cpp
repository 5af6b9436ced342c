#include "prove_farfallino.h"

#include "prove_coppie.h"

#include "challenges/short/frmProvina15.h"
#include "platform/text.h"

#include <QHash>

namespace zolmera::contenuti {

namespace {
// The vowel a letter echoes, or none.
QChar eco(QChar c)
{
    switch (c.toLower().unicode()) {
    case u'a':
    case u'\u00E0':
        return u'a';
    case u'e':
        return u'e';
    case u'i':
    case u'j':
        return u'i';
    case u'o':
        return u'o';
    case u'u':
        return u'u';
    default:
        return {};
    }
}
}  // namespace

QString farfallino(const QString& citta)
{
    QString camuffato;
    for (QChar c : citta) {
        camuffato += c;
        if (const QChar v = eco(c); !v.isNull())
            camuffato += QStringLiteral("f") + v;
    }
    return camuffato;
}

void controllaFarfallino(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> viste;   // a city in upper case -> its line
    for (const RigaTabella& r : t.righe) {
        if (!controllaCoppia(t, r, QStringLiteral("disguised name, city"), QStringLiteral("disguised name"), errori))
            continue;
        const QString& citta = r.campi[1];
        if (!citta.front().isUpper())
            errore(r.linea, QStringLiteral("the city's name must begin with a capital letter"));
        if (const QString atteso = farfallino(citta); r.campi[0] != atteso)
            errore(r.linea, QStringLiteral("the disguised name must be \"%1\"").arg(atteso));
        // Judged in upper case: the same city twice would be one answer.
        const QString chiave = vbUCase(citta);
        if (const auto prima = viste.constFind(chiave); prima != viste.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(citta).arg(*prima));
        else
            viste.insert(chiave, r.linea);
    }
    controllaRighe(t, frmProvina15::kCitta, QStringLiteral("cities"), errori);
}

}  // namespace zolmera::contenuti

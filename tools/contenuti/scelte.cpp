#include "scelte.h"

#include "regole.h"

#include "platform/text.h"

namespace zolmera::contenuti {

QString difettoRisposta(const QString& testo)
{
    if (QString difetto = difettoTesto(testo); !difetto.isEmpty())
        return difetto;
    if (testo.size() > kMaxRisposta)
        return QStringLiteral("is longer than %1 characters").arg(kMaxRisposta);
    if (testo.contains(QStringLiteral("  ")))
        return QStringLiteral("has two blanks in a row");
    for (QChar c : testo)
        if (c == u'\u2019' || c == u'\u2018' || c == u'`' || c == u'\u00B4')
            return QStringLiteral("has \"%1\", not the plain apostrophe \"'\"").arg(c);
    return {};
}

void controllaScelte(const Tabella& t, const RigaTabella& r, int scelte, int risposta, bool facoltative,
                     QList<ErroreTabella>& errori)
{
    auto errore = [&](const QString& regola) { errori << ErroreTabella{t.file, r.linea, regola}; };
    const QString esatta = r.campi.value(risposta - 1);
    if (const QString difetto = difettoRisposta(esatta); !difetto.isEmpty()) {
        errore(QStringLiteral("the answer %1").arg(difetto));
        return;
    }
    if (scelte == 0)
        return;
    const QStringList tre = r.campi.mid(scelte - 1, 3);
    if (facoltative && tre == QStringList{QString(), QString(), QString()})
        return;
    bool sane = true;
    for (int k = 0; k < 3; ++k)
        if (const QString difetto = difettoRisposta(tre.value(k)); !difetto.isEmpty()) {
            errore(QStringLiteral("choice %1 %2").arg(k + 1).arg(difetto));
            sane = false;
        }
    if (!sane)
        return;
    // Judged in upper case: two choices that differ only in case would be
    // one answer, and a choice that is the answer but for case would be
    // judged right while the row means another.
    int uguali = 0;
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < k; ++j)
            if (vbUCase(tre[k]) == vbUCase(tre[j]))
                errore(QStringLiteral("choices %1 and %2 are the same answer").arg(j + 1).arg(k + 1));
        if (vbUCase(tre[k]) == vbUCase(esatta) && tre[k] != esatta)
            errore(QStringLiteral("choice %1 is the answer but for case").arg(k + 1));
        uguali += tre[k] == esatta ? 1 : 0;
    }
    if (uguali == 0)
        errore(QStringLiteral("the answer is none of the three choices"));
}

}  // namespace zolmera::contenuti

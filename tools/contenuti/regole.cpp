#include "regole.h"

#include "platform/text.h"

namespace zolmera::contenuti {

QString difettoTesto(const QString& campo)
{
    if (campo.isEmpty())
        return QStringLiteral("is empty");
    if (campo != campo.trimmed())
        return QStringLiteral("has blanks around it");
    for (QChar c : campo)
        if (!isCp1252(c))
            return QStringLiteral("has \"%1\", not in Windows-1252").arg(c);
    return {};
}

bool controllaCampi(const Tabella& t, const RigaTabella& r, qsizetype campi, const QString& forma,
                    QList<ErroreTabella>& errori)
{
    if (r.campi.size() == campi)
        return true;
    errori << ErroreTabella{t.file, r.linea, QStringLiteral("a row must be: %1").arg(forma)};
    return false;
}

bool controllaTesto(const Tabella& t, const RigaTabella& r, int campo, const QString& nome, int minimo, int massimo,
                    QList<ErroreTabella>& errori)
{
    const QString& testo = r.campi[campo - 1];
    if (const QString difetto = difettoTesto(testo); !difetto.isEmpty()) {
        errori << ErroreTabella{t.file, r.linea, QStringLiteral("%1 %2").arg(nome, difetto)};
        return false;
    }
    if (massimo > 0 && (testo.size() < minimo || testo.size() > massimo))
        errori << ErroreTabella{t.file, r.linea,
                                QStringLiteral("%1 has %2 characters, not %3 to %4").arg(nome).arg(testo.size()).arg(minimo).arg(massimo)};
    return true;
}

void controllaMaiuscole(const Tabella& t, const RigaTabella& r, int campo, const QString& nome,
                        QList<ErroreTabella>& errori)
{
    if (const QString& testo = r.campi[campo - 1]; testo != vbUCase(testo))
        errori << ErroreTabella{t.file, r.linea, QStringLiteral("%1 is not in upper case").arg(nome)};
}

void controllaRighe(const Tabella& t, qsizetype attese, const QString& cosa, QList<ErroreTabella>& errori)
{
    if (t.righe.size() != attese)
        errori << ErroreTabella{t.file, 0, QStringLiteral("the table has %1 %2, not %3").arg(t.righe.size()).arg(cosa).arg(attese)};
}

}  // namespace zolmera::contenuti

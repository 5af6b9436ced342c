#include "prove_mascherati.h"

#include "prove_coppie.h"

#include "challenges/short/frmProvina9.h"

#include <QHash>
#include <QRegularExpression>

namespace zolmera::contenuti {

QString maschera(const QString& nome)
{
    QString mascherato;
    int lettera = 0;   // within the word
    for (QChar c : nome) {
        if (c == u' ') {
            lettera = 0;
            mascherato += c;
        } else if (c == u'\'') {
            mascherato += c;
        } else {
            mascherato += lettera % 2 == 1 ? QChar(u'X') : c;
            ++lettera;
        }
    }
    return mascherato;
}

void controllaMascherati(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    // Words of capital letters, an apostrophe after a word's first letter
    // ("D'ANNUNZIO") or in place of its last vowel's accent ("CARRA'").
    static const QRegularExpression parola(QStringLiteral("^[A-Z](?:'?[A-Z]+'?)?$"));
    QHash<QString, QList<int>> persone;   // a name -> its lines
    for (const RigaTabella& r : t.righe) {
        if (!controllaCoppia(t, r, QStringLiteral("masked name, name"), QStringLiteral("masked name"), errori))
            continue;
        const QString& nome = r.campi[1];
        const QStringList parole = nome.split(u' ');
        bool sano = true;
        for (const QString& p : parole)
            if (!parola.match(p).hasMatch()) {
                errore(r.linea, QStringLiteral("\"%1\" must be capital letters without accents, with an apostrophe only "
                                               "after its first letter or at its end")
                                    .arg(p));
                sano = false;
            }
        if (!sano)
            continue;
        // Every X shown must be a mask, or the name would read wrong.
        if (nome.contains(u'X'))
            errore(r.linea, QStringLiteral("the name has an X, which would read as a hidden letter"));
        if (parole.size() < 2)
            errore(r.linea, QStringLiteral("the name must be a first name and a surname"));
        if (const QString atteso = maschera(nome); r.campi[0] != atteso)
            errore(r.linea, QStringLiteral("the masked name must be \"%1\"").arg(atteso));
        QList<int>& linee = persone[nome];
        if (linee.size() >= 2)
            errore(r.linea, QStringLiteral("\"%1\" is already on lines %2 and %3").arg(nome).arg(linee[0]).arg(linee[1]));
        linee << r.linea;
    }
    controllaRighe(t, frmProvina9::kNomi, QStringLiteral("names"), errori);
}

}  // namespace zolmera::contenuti

#include "challenges/mind/rebus.h"

#include <QStringList>

namespace zolmera::rebus {

namespace {
bool falla(QString* difetto, const QString& perche)
{
    if (difetto)
        *difetto = perche;
    return false;
}

// Only what the grid can show, in words apart by single blanks; an apostrophe
// closes an elision or marks an accent, so it always follows a letter.
bool scrivibile(const QString& frase, QString* difetto)
{
    if (frase.isEmpty())
        return falla(difetto, QStringLiteral("the phrase is empty"));
    if (frase.front() == QLatin1Char(' ') || frase.back() == QLatin1Char(' '))
        return falla(difetto, QStringLiteral("the phrase has blanks around it"));
    if (frase.contains(QStringLiteral("  ")))
        return falla(difetto, QStringLiteral("the phrase has two blanks in a row"));
    for (qsizetype i = 0; i < frase.size(); ++i) {
        const QChar c = frase.at(i);
        if (c == kApostrofo) {
            if (i == 0 || indiceLettera(frase.at(i - 1)) < 0)
                return falla(difetto, QStringLiteral("an apostrophe does not follow a letter"));
        } else if (c != QLatin1Char(' ') && indiceLettera(c) < 0) {
            return falla(difetto, QStringLiteral("\"%1\" has no drawing (only %2, the blank and the apostrophe)")
                                      .arg(c)
                                      .arg(kLettere));
        }
    }
    return true;
}
}  // namespace

int indiceLettera(QChar c) { return int(kLettere.indexOf(c)); }

QString suggerimento(const QString& frase)
{
    QStringList conti;
    int lettere = 0;
    const auto chiudi = [&] {
        if (lettere > 0)
            conti << QString::number(lettere);
        lettere = 0;
    };
    for (qsizetype i = 0; i < frase.size(); ++i) {
        const QChar c = frase.at(i);
        if (c == QLatin1Char(' '))
            chiudi();
        else if (c == kApostrofo) {
            if (i + 1 < frase.size() && frase.at(i + 1).isLetter())
                chiudi();
        } else
            ++lettere;
    }
    chiudi();
    return QStringLiteral("frase: ") + conti.join(QLatin1Char('-'));
}

std::optional<Rebus> componi(const QString& frase, QString* difetto)
{
    if (!scrivibile(frase, difetto))
        return std::nullopt;
    QStringList righe{QString()};
    for (const QString& parola : frase.split(QLatin1Char(' '))) {
        if (parola.size() > kColonne) {
            falla(difetto, QStringLiteral("\"%1\" is longer than a line of %2 cells").arg(parola).arg(kColonne));
            return std::nullopt;
        }
        QString& riga = righe.back();
        if (riga.isEmpty())
            riga = parola;
        else if (riga.size() + 1 + parola.size() <= kColonne)
            riga += QLatin1Char(' ') + parola;
        else
            righe << parola;
    }
    if (righe.size() > kRighe) {
        falla(difetto, QStringLiteral("the phrase needs %1 lines of %2 cells, not %3")
                           .arg(righe.size())
                           .arg(kColonne)
                           .arg(kRighe));
        return std::nullopt;
    }
    const qsizetype sopra = (kRighe - righe.size()) / 2;
    QString griglia = QString(kColonne * sopra, QLatin1Char(' '));
    for (const QString& riga : righe) {
        const qsizetype prima = (kColonne - riga.size()) / 2;
        griglia += QString(prima, QLatin1Char(' ')) + riga + QString(kColonne - prima - riga.size(), QLatin1Char(' '));
    }
    griglia += QString(kCelle - griglia.size(), QLatin1Char(' '));
    return Rebus{griglia, frase, suggerimento(frase)};
}

}  // namespace zolmera::rebus

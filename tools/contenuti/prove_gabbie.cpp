#include "prove_gabbie.h"

#include "regole.h"
#include "scelte.h"

#include <QHash>
#include <QRegularExpression>

namespace zolmera::contenuti {

namespace {
constexpr int kRighe = 469;
// What the reading box shows whole at its font.
constexpr int kMaxDefinizione = 67;
constexpr int kRiga = 12;          // the rows of a run
constexpr int kRigaLunga = 13;     // ... of the one longer run
constexpr int kInizi = 22;         // cages of a beginning
constexpr int kFini = 17;          // cages of an ending
constexpr int kMaxUsi = 3;         // definitions of one answer
constexpr QChar kPuntini = u'\u2026';

// A run of consecutive rows sharing one cage.
struct Serie {
    QString gabbia;
    int linea = 0;   // its first row's
    int righe = 0;
};
}  // namespace

void controllaGabbie(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    static const QRegularExpression forma(
        QStringLiteral("^(Questo|Questa|Questi|Queste) '(([A-Z]{2,6})\u2026|\u2026([A-Z]{2,6}))' \\S.*$"));
    static const QRegularExpression parola(QStringLiteral("^[A-Z' ]{3,15}$"));
    QList<Serie> serie;
    QHash<QString, QList<int>> usi;     // an answer -> the lines that ask for it
    QHash<QString, int> definizioni;    // a definition -> its line
    for (const RigaTabella& r : t.righe) {
        const QRegularExpressionMatch m = forma.match(r.campi.value(0));
        // A row whose cage cannot be read stays in the run it stands in, so
        // that only its own fault is told.
        const QString gabbia = m.hasMatch() ? m.captured(2) : QString();
        if (serie.isEmpty() || (!gabbia.isEmpty() && serie.last().gabbia != gabbia))
            serie << Serie{gabbia, r.linea, 0};
        ++serie.last().righe;

        if (!controllaCampi(t, r, 2, QStringLiteral("definition, answer"), errori))
            continue;
        const QString& definizione = r.campi[0];
        const QString& risposta = r.campi[1];
        if (!controllaTesto(t, r, 1, QStringLiteral("the definition"), 0, 0, errori))
            continue;
        const int prima = int(errori.size());
        controllaScelte(t, r, 0, 2, false, errori);
        if (errori.size() > prima)
            continue;
        if (definizione.size() > kMaxDefinizione)
            errore(r.linea, QStringLiteral("the definition is longer than %1 characters").arg(kMaxDefinizione));
        if (!m.hasMatch()) {
            errore(r.linea, QStringLiteral("the definition must be: Questo, Questa, Questi or Queste, the cage "
                                           "(2 to 6 capital letters and \"%1\" on its open side, no blank) between "
                                           "apostrophes, the definition")
                                .arg(kPuntini));
            continue;
        }
        if (!parola.match(risposta).hasMatch()) {
            errore(r.linea, QStringLiteral("the answer must be 3 to 15 capital letters, blanks or apostrophes"));
            continue;
        }
        const bool inizio = !m.captured(3).isEmpty();
        const QString lettere = inizio ? m.captured(3) : m.captured(4);
        if (inizio ? !risposta.startsWith(lettere) : !risposta.endsWith(lettere))
            errore(r.linea, QStringLiteral("\"%1\" does not %2 with the cage's letters")
                                .arg(risposta, inizio ? QStringLiteral("begin") : QStringLiteral("end")));
        else if (risposta.size() == lettere.size())
            // The cage would give the whole word away.
            errore(r.linea, QStringLiteral("\"%1\" is the cage itself").arg(risposta));
        // The same definition twice would ask the same word twice.
        if (const auto vista = definizioni.constFind(definizione); vista != definizioni.cend())
            errore(r.linea, QStringLiteral("this definition is already on line %1").arg(*vista));
        else
            definizioni.insert(definizione, r.linea);
        QList<int>& linee = usi[risposta];
        linee << r.linea;
        if (linee.size() == kMaxUsi + 1)
            errore(r.linea, QStringLiteral("\"%1\" is already the answer on lines %2, %3 and %4")
                                .arg(risposta)
                                .arg(linee[0])
                                .arg(linee[1])
                                .arg(linee[2]));
    }

    QHash<QString, int> gabbie;   // a cage -> the first line of its run
    int lunghe = 0;
    int inizi = 0;
    for (const Serie& s : serie) {
        if (const auto vista = gabbie.constFind(s.gabbia); vista != gabbie.cend())
            errore(s.linea, QStringLiteral("the cage '%1' already ran from line %2").arg(s.gabbia).arg(*vista));
        else
            gabbie.insert(s.gabbia, s.linea);
        if (s.gabbia.endsWith(kPuntini))
            ++inizi;
        // One run, wherever it falls, has a row more.
        if (s.righe == kRigaLunga && lunghe++ == 0)
            continue;
        if (s.righe != kRiga)
            errore(s.linea, QStringLiteral("the run of '%1' has %2 rows, not %3").arg(s.gabbia).arg(s.righe).arg(kRiga));
    }
    controllaRighe(t, kRighe, QStringLiteral("rows"), errori);
    if (inizi != kInizi || serie.size() - inizi != kFini)
        errore(0, QStringLiteral("the table has %1 cages of a beginning and %2 of an ending, not %3 and %4")
                      .arg(inizi)
                      .arg(serie.size() - inizi)
                      .arg(kInizi)
                      .arg(kFini));
}

}  // namespace zolmera::contenuti

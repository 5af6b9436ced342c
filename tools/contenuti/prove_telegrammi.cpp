#include "prove_telegrammi.h"

#include "regole.h"
#include "scelte.h"

#include "challenges/short/frmProvina7.h"
#include "platform/text.h"

namespace zolmera::contenuti {

namespace {
constexpr int kMinTelegramma = 98;
constexpr int kMaxTelegramma = 239;
constexpr int kMinFrasi = 2;
constexpr int kMaxFrasi = 6;
const QString kStop = QStringLiteral(" STOP ");

// The surname a contestant would recognise: the last word of the name, or
// the stage name when it is one word.
QString cognome(const QString& nome)
{
    const QStringList parole = nome.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return parole.isEmpty() ? QString() : parole.last();
}

// Whether `parola` stands in `testo` as a word of its own, whatever the case:
// a surname inside a longer word ("ROSSI" in "ROSSINI") gives nothing away.
bool contieneParola(const QString& testo, const QString& parola)
{
    const QString t = vbUCase(testo);
    const QString p = vbUCase(parola);
    for (qsizetype i = t.indexOf(p); i >= 0 && !p.isEmpty(); i = t.indexOf(p, i + 1)) {
        const qsizetype fine = i + p.size();
        if ((i == 0 || !t[i - 1].isLetter()) && (fine == t.size() || !t[fine].isLetter()))
            return true;
    }
    return false;
}

// Every "<" closed by a ">" before the next one opens, around a title.
bool titoliChiusi(const QString& testo)
{
    qsizetype aperto = -1;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] == QLatin1Char('<')) {
            if (aperto >= 0)
                return false;
            aperto = i;
        } else if (testo[i] == QLatin1Char('>')) {
            if (aperto < 0 || i == aperto + 1)
                return false;
            aperto = -1;
        }
    }
    return aperto < 0;
}
}  // namespace

void controllaTelegrammi(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 5) {
            errore(r.linea, QStringLiteral("a row must be: telegram, three choices, person"));
            continue;
        }
        const QString& telegramma = r.campi[0];
        if (const QString difetto = difettoTesto(telegramma); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the telegram %1").arg(difetto));
        } else {
            if (telegramma.size() < kMinTelegramma || telegramma.size() > kMaxTelegramma)
                errore(r.linea, QStringLiteral("the telegram has %1 characters, not %2 to %3")
                                    .arg(telegramma.size())
                                    .arg(kMinTelegramma)
                                    .arg(kMaxTelegramma));
            if (telegramma != vbUCase(telegramma))
                errore(r.linea, QStringLiteral("the telegram is not in upper case"));
            const QStringList frasi = telegramma.split(kStop);
            if (frasi.size() < kMinFrasi || frasi.size() > kMaxFrasi)
                errore(r.linea, QStringLiteral("the telegram has %1 statements, not %2 to %3")
                                    .arg(frasi.size())
                                    .arg(kMinFrasi)
                                    .arg(kMaxFrasi));
            // A "STOP" at an end, or with two blanks beside it, is not a
            // separator: the reader would meet a stray word.
            for (const QString& frase : frasi)
                if (frase.isEmpty() || frase != frase.trimmed() || contieneParola(frase, QStringLiteral("STOP"))) {
                    errore(r.linea, QStringLiteral("a \"STOP\" does not stand between two statements with one blank on each side"));
                    break;
                }
            if (!titoliChiusi(telegramma))
                errore(r.linea, QStringLiteral("the titles' \"<\" and \">\" do not pair up around a title"));
        }
        controllaScelte(t, r, 2, 5, false, errori);
        for (int k = 1; k <= 3; ++k) {
            const QString& scelta = r.campi[k];
            if (scelta != vbUCase(scelta))
                errore(r.linea, QStringLiteral("choice %1 is not in upper case").arg(k));
            if (const QString nome = cognome(scelta); !nome.isEmpty() && contieneParola(telegramma, nome))
                errore(r.linea, QStringLiteral("the telegram names choice %1 (\"%2\")").arg(k).arg(nome));
        }
    }
    if (t.righe.size() != frmProvina7::kRighe)
        errore(0, QStringLiteral("the table has %1 telegrams, not %2").arg(t.righe.size()).arg(frmProvina7::kRighe));
}

}  // namespace zolmera::contenuti

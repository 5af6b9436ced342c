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
        if (!controllaCampi(t, r, 5, QStringLiteral("telegram, three choices, person"), errori))
            continue;
        const QString& telegramma = r.campi[0];
        if (controllaTesto(t, r, 1, QStringLiteral("the telegram"), kMinTelegramma, kMaxTelegramma, errori)) {
            controllaMaiuscole(t, r, 1, QStringLiteral("the telegram"), errori);
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
            controllaMaiuscole(t, r, k + 1, QStringLiteral("choice %1").arg(k), errori);
            if (const QString nome = cognome(scelta); !nome.isEmpty() && contieneParola(telegramma, nome))
                errore(r.linea, QStringLiteral("the telegram names choice %1 (\"%2\")").arg(k).arg(nome));
        }
    }
    controllaRighe(t, frmProvina7::kRighe, QStringLiteral("telegrams"), errori);
}

}  // namespace zolmera::contenuti

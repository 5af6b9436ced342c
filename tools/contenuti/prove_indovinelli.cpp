#include "prove_indovinelli.h"

#include "regole.h"
#include "scelte.h"

#include "challenges/short/frmProvina13.h"
#include "platform/text.h"

namespace zolmera::contenuti {

namespace {
constexpr int kIndovinelli = 60;
constexpr int kParole = frmProvina13::kParole;
constexpr int kCampi = frmProvina13::kRisposta + 1;
const QStringList kFonti{QStringLiteral("tradizionale"), QStringLiteral("scritto per il gioco")};
}  // namespace

void controllaIndovinelli(const Tabella& t, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    for (const RigaTabella& r : t.righe) {
        if (!controllaCampi(t, r, kCampi, QStringLiteral("eight words, riddle, answer, source"), errori))
            continue;
        bool sana = true;
        // The box shows one word at a time, whole on its line, at the large size.
        QStringList maiuscole;
        for (int k = 1; k <= kParole; ++k) {
            const QString& parola = r.campi[k - 1];
            if (const QString difetto = difettoTesto(parola); !difetto.isEmpty()) {
                errore(r.linea, QStringLiteral("word %1 %2").arg(k).arg(difetto));
                sana = false;
            } else if (parola.size() > frmProvina13::kMaxParola) {
                errore(r.linea, QStringLiteral("word %1 is longer than %2 characters").arg(k).arg(frmProvina13::kMaxParola));
            }
            // Judged in upper case: two words that differ only in case are one answer.
            const QString chiave = vbUCase(parola);
            if (const qsizetype prima = maiuscole.indexOf(chiave); prima >= 0 && !chiave.isEmpty())
                errore(r.linea, QStringLiteral("words %1 and %2 are the same word").arg(prima + 1).arg(k));
            maiuscole << chiave;
        }
        const QString& indovinello = r.campi[frmProvina13::kIndovinello - 1];
        if (const QString difetto = difettoTesto(indovinello); !difetto.isEmpty())
            errore(r.linea, QStringLiteral("the riddle %1").arg(difetto));
        else if (indovinello.size() > frmProvina13::kMaxIndovinello)
            errore(r.linea,
                   QStringLiteral("the riddle is longer than %1 characters").arg(frmProvina13::kMaxIndovinello));
        if (!kFonti.contains(r.campi[kCampi - 1]))
            errore(r.linea, QStringLiteral("the source must be one of: %1").arg(kFonti.join(QStringLiteral(", "))));
        const QString& risposta = r.campi[frmProvina13::kRisposta - 1];
        if (const QString difetto = difettoRisposta(risposta); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the answer %1").arg(difetto));
            continue;
        }
        // Stored exactly as the board compares it, so whoever read the
        // words can answer from memory.
        if (sana && !maiuscole.contains(risposta))
            errore(r.linea, QStringLiteral("the answer is none of the eight words in upper case"));
    }
    controllaRighe(t, kIndovinelli, QStringLiteral("riddles"), errori);
}

}  // namespace zolmera::contenuti

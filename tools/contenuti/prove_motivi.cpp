#include "prove_motivi.h"

#include "regole.h"
#include "scelte.h"

#include "platform/text.h"

#include <QDate>
#include <QRegularExpression>

namespace zolmera::contenuti {

namespace {
constexpr int kRighe = 80;
constexpr int kConScelte = 35;
constexpr int kMinPassaggio = 89;
constexpr int kMaxPassaggio = 338;
// A work is free the first of January after seventy full years from the
// death of the last of its authors.
constexpr int kAnniDiTutela = 70;

const QString kTradizionale = QStringLiteral("tradizionale");
const QString kNostra = QStringLiteral("scritta per il gioco");

// What is wrong with the authors field of a work quoted in the year anno;
// empty when nothing is.
QString difettoAutori(const QString& autori, int anno)
{
    if (autori == kTradizionale || autori == kNostra)
        return {};
    // A name is words of letters (with an apostrophe, a hyphen or a dot):
    // two authors run together must not pass as one with the last one's year.
    static const QRegularExpression autore(QStringLiteral("^(\\p{Lu}[\\p{L}'.-]*(?: [\\p{L}'.-]+)+) (\\d{4})$"));
    for (const QString& voce : autori.split(QStringLiteral("; "))) {
        const QRegularExpressionMatch m = autore.match(voce);
        if (!m.hasMatch())
            return QStringLiteral("\"%1\" is not an author as \"Nome Cognome yyyy\" (or write \"%2\" or \"%3\")")
                .arg(voce, kTradizionale, kNostra);
        if (const int morte = m.captured(2).toInt(); morte > anno - kAnniDiTutela - 1)
            return QStringLiteral("%1 died in %2, not more than %3 years before %4: the work is not free")
                .arg(m.captured(1))
                .arg(morte)
                .arg(kAnniDiTutela)
                .arg(anno);
    }
    return {};
}
}  // namespace

void controllaMotivi(const Tabella& t, int anno, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    int conScelte = 0;
    for (const RigaTabella& r : t.righe) {
        if (!controllaCampi(t, r, 6, QStringLiteral("passage, three titles or three empty fields, title, authors"), errori))
            continue;
        const QString& passaggio = r.campi[0];
        const QString& titolo = r.campi[4];
        const bool scelte = !(r.campi[1].isEmpty() && r.campi[2].isEmpty() && r.campi[3].isEmpty());
        conScelte += scelte ? 1 : 0;
        if (controllaTesto(t, r, 1, QStringLiteral("the passage"), kMinPassaggio, kMaxPassaggio, errori)) {
            // The box shows one paragraph: verse marks would show as they are.
            if (passaggio.contains(u'/') || passaggio.contains(u'\\'))
                errore(r.linea, QStringLiteral("the passage must be one paragraph, without \"/\" or \"\\\" between lines"));
            if (!titolo.isEmpty() && vbUCase(passaggio).contains(vbUCase(titolo)))
                errore(r.linea, QStringLiteral("the passage contains its title"));
        }
        controllaScelte(t, r, 2, 5, true, errori);
        for (int k = 1; k <= 4; ++k)
            controllaMaiuscole(t, r, k + 1, k == 4 ? QStringLiteral("the title") : QStringLiteral("choice %1").arg(k), errori);
        if (const QString difetto = difettoAutori(r.campi[5], anno); !difetto.isEmpty())
            errore(r.linea, difetto);
    }
    if (t.righe.size() != kRighe || conScelte != kConScelte)
        errore(0, QStringLiteral("the table has %1 rows, %2 of them with choices, not %3 and %4")
                      .arg(t.righe.size())
                      .arg(conScelte)
                      .arg(kRighe)
                      .arg(kConScelte));
}

void controllaMotivi(const Tabella& t, QList<ErroreTabella>& errori)
{
    controllaMotivi(t, QDate::currentDate().year(), errori);
}

}  // namespace zolmera::contenuti

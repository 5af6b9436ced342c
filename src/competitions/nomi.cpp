#include "competitions/nomi.h"

#include "platform/controls.h"
#include "platform/text.h"
#include "state/vbtypes.h"

namespace zolmera {

QString formaNome(const QString& testo) { return fixedText(vbTrim(fixedText(vbUCase(testo), 11)), 11); }

QString primoNonSalvabile(const QString& testo)
{
    for (qsizetype i = 0; i < testo.size(); ++i)
        if (!isCp1252(testo.at(i)))
            return testo.mid(i, testo.at(i).isHighSurrogate() ? 2 : 1);
    return {};
}

QString messaggioNonSalvabile(const QString& nome, const QString& carattere)
{
    return QStringLiteral("Il nome %1 contiene il carattere %2, che il gioco non può salvare: cambialo!")
        .arg(vbTrim(nome), carattere);
}

void FiltroNome::cambiato(TextBox& box)
{
    const QString testo = box.text();
    QString& prima = accettato_;
    // What the change put in: the part between what it kept at the start and at the end.
    qsizetype inizio = 0;
    while (inizio < testo.size() && inizio < prima.size() && testo.at(inizio) == prima.at(inizio))
        ++inizio;
    qsizetype fine = 0;
    while (fine < testo.size() - inizio && fine < prima.size() - inizio
           && testo.at(testo.size() - 1 - fine) == prima.at(prima.size() - 1 - fine))
        ++fine;
    const QString messo = testo.mid(inizio, testo.size() - inizio - fine);
    // A key puts in one character (two halves beyond the basic plane).
    const QString rifiutato = primoNonSalvabile(messo);
    if (!rifiutato.isEmpty() && rifiutato == messo) {
        box.setText(prima);
        box.setSelStart(int(inizio));
        return;
    }
    prima = testo;
}

QString risultatoDetto(QChar esito)
{
    switch (esito.unicode()) {
    case u'C': return QStringLiteral("un punto");
    case u'S': return QStringLiteral("due punti");
    case u'-': return QStringLiteral("nessun punto");
    default: return {};
    }
}

}  // namespace zolmera

#include "archivi.h"

#include "regole.h"

#include "platform/recordfile.h"
#include "platform/text.h"

#include <QSet>

namespace zolmera::contenuti {

namespace {
QString forma(const QString& s) { return vbTrim(vbUCase(s)); }

// Characters the code page holds but no keyboard gives at a keystroke: an
// answer with one could never be typed right.
QString nonDigitabile(const QString& s)
{
    static const QString kTipografici = QStringLiteral("\u2018\u2019\u201C\u201D\u2013\u2014\u2026\u00AB\u00BB");
    for (QChar c : s)
        if (kTipografici.contains(c))
            return QString(c);
    return {};
}
}  // namespace

Archivi compilaArchivi(const QList<Tabella>& tabelle, QList<ErroreTabella>& errori)
{
    Archivi a;
    QSet<QString> nomi;
    QSet<qint16> codici;
    QSet<QString> domandeViste;
    for (const Tabella& t : tabelle) {
        auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
        // Every text of a row: none empty, none padded, all in the code page.
        auto testi = [&](const RigaTabella& r, qsizetype da, qsizetype a_) {
            bool ok = true;
            for (qsizetype i = da; i < a_ && i < r.campi.size(); ++i) {
                // An option that is only the mark of the right one is empty too.
                const QString& c = r.campi[i];
                const QString difetto = difettoTesto(c == QLatin1String("*") ? QString() : c);
                if (!difetto.isEmpty()) {
                    errore(r.linea, QStringLiteral("field %1 %2").arg(i + 1).arg(difetto));
                    ok = false;
                }
            }
            return ok;
        };

        if (t.righe.isEmpty()) {
            errore(0, QStringLiteral("no topic row"));
            continue;
        }
        const RigaTabella& testa = t.righe.first();
        if (testa.campi.value(0) != QLatin1String("A") || testa.campi.size() != 3) {
            errore(testa.linea, QStringLiteral("the first row must be: A, code, name"));
            continue;
        }
        testi(testa, 1, 3);
        bool numero = false;
        const int codice = testa.campi[1].toInt(&numero);
        const QString nome = testa.campi[2];
        if (!numero || codice < 1 || codice > 32767)
            errore(testa.linea, QStringLiteral("the code must be a number from 1 to 32767"));
        else if (codici.contains(qint16(codice)))
            errore(testa.linea, QStringLiteral("code %1 is another topic's").arg(codice));
        if (nome.size() > kMaxNome)
            errore(testa.linea, QStringLiteral("the name is longer than %1 characters").arg(kMaxNome));
        if (nomi.contains(nome))
            errore(testa.linea, QStringLiteral("another topic has the name \"%1\"").arg(nome));
        codici.insert(qint16(codice));
        nomi.insert(nome);
        a.argomenti << RecArgomento{qint16(codice), nome};

        int m = 0;
        for (qsizetype i = 1; i < t.righe.size(); ++i) {
            const RigaTabella& r = t.righe[i];
            if (r.campi.value(0) != QLatin1String("D") || r.campi.size() < 5 || r.campi.size() > 6) {
                errore(r.linea, QStringLiteral("a question row must be: D, question, three options and a note"));
                continue;
            }
            if (!testi(r, 1, r.campi.size()))
                continue;
            RecDomandaArchivio d{qint16(m + 1), qint16(codice), r.campi[1]};
            RecRisposteArchivio ris{d.Numero, d.Codice, {}, {}, {}, {}};
            QString* opzioni[] = {&ris.Opzione1, &ris.Opzione2, &ris.Opzione3};
            int segnate = 0;
            QSet<QString> diverse;
            for (int k = 0; k < 3; ++k) {
                QString o = r.campi[2 + k];
                if (o.startsWith(QLatin1Char('*'))) {
                    o.remove(0, 1);
                    ++segnate;
                    ris.Risposta = forma(o);
                }
                *opzioni[k] = o;
                if (const QString x = nonDigitabile(o); !x.isEmpty())
                    errore(r.linea, QStringLiteral("option %1 has \"%2\", which a player cannot type").arg(k + 1).arg(x));
                if (o.size() > kMaxOpzione)
                    errore(r.linea, QStringLiteral("option %1 is longer than %2 characters").arg(k + 1).arg(kMaxOpzione));
                diverse.insert(forma(o));
            }
            if (segnate != 1)
                errore(r.linea, QStringLiteral("%1 options are marked right, not one").arg(segnate));
            if (diverse.size() != 3)
                errore(r.linea, QStringLiteral("two options are the same"));
            if (toCp1252(d.Domanda).size() > kMaxDomanda)
                errore(r.linea, QStringLiteral("the question is longer than %1 bytes").arg(kMaxDomanda));
            const qsizetype byte = toCp1252(ris.Opzione1).size() + toCp1252(ris.Opzione2).size()
                                   + toCp1252(ris.Opzione3).size() + toCp1252(ris.Risposta).size();
            if (byte > kMaxRisposte)
                errore(r.linea, QStringLiteral("the options and the answer take %1 bytes, more than %2").arg(byte).arg(kMaxRisposte));
            const QString chiave = forma(d.Domanda);
            if (domandeViste.contains(chiave))
                errore(r.linea, QStringLiteral("the question is asked twice"));
            domandeViste.insert(chiave);
            ++m;
            a.domande << d;
            a.risposte << ris;
        }
        if (m < kMinDomande)
            errore(0, QStringLiteral("%1 questions, fewer than %2").arg(m).arg(kMinDomande));
    }
    if (a.argomenti.size() < kMinArgomenti || a.argomenti.size() > kMaxArgomenti)
        errori << ErroreTabella{QStringLiteral("content/archivi"), 0,
                         QStringLiteral("%1 topics, not %2 to %3").arg(a.argomenti.size()).arg(kMinArgomenti).arg(kMaxArgomenti)};
    return a;
}

bool scriviArchivi(const Archivi& a, const QString& cartella, QString* errore)
{
    auto codifica = [](const auto& lista) {
        QList<QByteArray> out;
        for (const auto& r : lista)
            out << r.codifica();
        return out;
    };
    const std::pair<QString, QList<QByteArray>> file[] = {{kFileArgomenti, codifica(a.argomenti)},
                                                          {kFileDomande, codifica(a.domande)},
                                                          {kFileRisposte, codifica(a.risposte)}};
    for (const auto& [nome, record] : file) {
        RecordFile f(cartella + QLatin1Char('/') + nome);
        if (!f.replaceAll(record)) {
            *errore = f.errorString();
            return false;
        }
    }
    return true;
}

}  // namespace zolmera::contenuti

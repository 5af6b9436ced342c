#include "prove.h"

#include "prove_cantanti.h"
#include "prove_canzoni.h"
#include "prove_contrario.h"
#include "prove_farfallino.h"
#include "prove_gabbie.h"
#include "prove_indovinelli.h"
#include "prove_mascherati.h"
#include "prove_motivi.h"
#include "prove_nascite.h"
#include "prove_primadopo.h"
#include "prove_proverbi.h"
#include "prove_rebus.h"
#include "prove_ricette.h"
#include "prove_storia.h"
#include "prove_telegrammi.h"
#include "regole.h"

#include "challenges/action/frmProva10.h"
#include "challenges/short/frmProvina13.h"
#include "platform/text.h"

#include <QHash>

#include <algorithm>

namespace zolmera::contenuti {

void controllaGruppi(const Tabella& t, const RegoleGruppi& regole, QList<ErroreTabella>& errori)
{
    auto errore = [&](int linea, const QString& regola) { errori << ErroreTabella{t.file, linea, regola}; };
    QHash<QString, int> perGruppo;
    QHash<QString, int> visti;   // a name in upper case -> its line
    for (const RigaTabella& r : t.righe) {
        if (r.campi.size() != 2) {
            errore(r.linea, QStringLiteral("a row must be: category, name"));
            continue;
        }
        const QString& gruppo = r.campi[0];
        const QString& nome = r.campi[1];
        if (!regole.gruppi.contains(gruppo)) {
            errore(r.linea, QStringLiteral("no category is called \"%1\"").arg(gruppo));
            continue;
        }
        ++perGruppo[gruppo];
        if (const QString difetto = difettoTesto(nome); !difetto.isEmpty()) {
            errore(r.linea, QStringLiteral("the name %1").arg(difetto));
            continue;
        }
        if (nome.size() > regole.maxNome)
            errore(r.linea, QStringLiteral("the name is longer than %1 characters").arg(regole.maxNome));
        // Two cards that differ only in case would read as the same name.
        const QString chiave = vbUCase(nome);
        if (const auto prima = visti.constFind(chiave); prima != visti.cend())
            errore(r.linea, QStringLiteral("\"%1\" is already on line %2").arg(nome).arg(*prima));
        else
            visti.insert(chiave, r.linea);
    }
    for (const QString& gruppo : regole.gruppi)
        if (const int n = perGruppo.value(gruppo); n != regole.nomiPerGruppo)
            errore(0, QStringLiteral("category \"%1\" has %2 names, not %3").arg(gruppo).arg(n).arg(regole.nomiPerGruppo));
}

const QList<RegoleProva>& regoleProve()
{
    static const QList<RegoleProva> regole = [] {
        QList<RegoleProva> r;
        RegoleGruppi personaggi;
        for (const frmProva10::Categoria& c : frmProva10::kCategorie)
            personaggi.gruppi << c.marcatore;
        personaggi.nomiPerGruppo = frmProva10::kNomiPerCategoria;
        personaggi.maxNome = frmProva10::kMaxNome;
        r << RegoleProva{QStringLiteral("personaggi.tsv"),
                         [personaggi](const Tabella& t, QList<ErroreTabella>& e) { controllaGruppi(t, personaggi, e); }};
        r << RegoleProva{QStringLiteral("rebus.tsv"), controllaRebus, 1};
        r << RegoleProva{QStringLiteral("primadopo.tsv"), controllaPrimaDopo};
        r << RegoleProva{QStringLiteral("localita.tsv"), controllaLocalita};
        r << RegoleProva{QStringLiteral("cantanti.tsv"), controllaCantanti, 2};
        r << RegoleProva{QStringLiteral("spesa.tsv"), controllaSpesa};
        r << RegoleProva{QStringLiteral("storia.tsv"), controllaStoria};
        r << RegoleProva{QStringLiteral("canzoni.tsv"), controllaCanzoni};
        r << RegoleProva{QStringLiteral("motivi.tsv"),
                         [](const Tabella& t, QList<ErroreTabella>& e) { controllaMotivi(t, e); }, 5};
        r << RegoleProva{QStringLiteral("mascherati.tsv"), controllaMascherati, 2};
        r << RegoleProva{QStringLiteral("proverbi.tsv"), controllaProverbi, 2};
        r << RegoleProva{QStringLiteral("farfallino.tsv"), controllaFarfallino, 2};
        r << RegoleProva{QStringLiteral("indovinelli.tsv"), controllaIndovinelli, frmProvina13::kRisposta};
        r << RegoleProva{QStringLiteral("nascite.tsv"), controllaNascite, 5};
        r << RegoleProva{QStringLiteral("gabbie.tsv"), controllaGabbie, 2};
        r << RegoleProva{QStringLiteral("telegrammi.tsv"), controllaTelegrammi, 5};
        r << RegoleProva{QStringLiteral("contrario.tsv"), controllaContrario, 5};
        r << RegoleProva{QStringLiteral("ricette.tsv"), controllaRicette, 5};
        return r;
    }();
    return regole;
}

const RegoleProva* regoleDi(const QString& file)
{
    const auto& regole = regoleProve();
    const auto it = std::find_if(regole.cbegin(), regole.cend(), [&](const RegoleProva& r) { return r.file == file; });
    return it == regole.cend() ? nullptr : &*it;
}

void controllaProve(const QList<Tabella>& tabelle, QList<ErroreTabella>& errori)
{
    for (const Tabella& t : tabelle) {
        if (const RegoleProva* regole = regoleDi(t.file))
            regole->controlla(t, errori);
        else
            errori << ErroreTabella{t.file, 0, QStringLiteral("no rules are set for this table (tools/contenuti/prove.cpp)")};
    }
}

QByteArray tabellaGioco(const Tabella& t)
{
    const RegoleProva* regole = regoleDi(t.file);
    const int campi = regole ? regole->campiGioco : 0;
    QByteArray dati;
    for (const RigaTabella& r : t.righe)
        dati += (campi > 0 ? r.campi.mid(0, campi) : r.campi).join(QLatin1Char('\t')).toUtf8() + '\n';
    return dati;
}

}  // namespace zolmera::contenuti

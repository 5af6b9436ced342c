#include "challenges/base/schede.h"

#include <QtGlobal>

namespace zolmera {

namespace {

SchedaProva completa(int k, const QString& titolo, int argomento)
{
    return {TipoProva::Completa, k, QStringLiteral("frmProva%1").arg(k), titolo, argomento, 0, QString(), QString()};
}

// Every short challenge shares help topic 33.
SchedaProva breve(int k, const QString& titolo, int letturaMs, const QString& domandaScritta,
                  const QString& fileDomanda)
{
    return {TipoProva::Breve, k, QStringLiteral("frmProvina%1").arg(k), titolo, 33, letturaMs, domandaScritta,
            fileDomanda};
}

// Built on first use, so a window made during start-up can already read them.
// Entry k-1 is window k, as the board's title tables number them.
const std::array<SchedaProva, 20>& prove()
{
    static const std::array<SchedaProva, 20> tabella = {
        completa(1, QStringLiteral("PERCORSO MINATO"), 18),
        completa(2, QStringLiteral("SCASSA QUINDICI"), 19),
        completa(3, QStringLiteral("MORRA CINESE"), 20),
        completa(4, QStringLiteral("LA CASSAFORTE"), 21),
        completa(5, QStringLiteral("IL GEO-ANAGRAMMA"), 22),
        completa(6, QStringLiteral("SEQUENZA DI CARTE"), 23),
        completa(7, QStringLiteral("COPPIA DI PIETANZE"), 24),
        completa(8, QStringLiteral("LABIRINTO DEI GOLOSI"), 25),
        completa(9, QStringLiteral("TIRO AL PUPAZZO"), 26),
        completa(10, QStringLiteral("IL PERSONAGGIO MISTERIOSO"), 27),
        completa(11, QStringLiteral("TIRO AL PIATTO"), 28),
        completa(12, QStringLiteral("I PREDATORI DELLA CHIAVE PERDUTA"), 29),
        completa(13, QStringLiteral("CALCI DI RIGORE"), 30),
        completa(14, QStringLiteral("IL DOMANDIERE"), 31),
        completa(15, QStringLiteral("IL PUZZLE"), 42),
        completa(16, QStringLiteral("CASCATA DI PALLONCINI"), 43),
        completa(17, QStringLiteral("LA SPESA E' GIUSTA"), 44),
        completa(18, QStringLiteral("CANTANTI E CANZONI"), 45),
        completa(19, QStringLiteral("PRIMA O DOPO"), 46),
        completa(20, QStringLiteral("IL REBUS"), 47),
    };
    return tabella;
}

const std::array<SchedaProva, 18>& provine()
{
    static const std::array<SchedaProva, 18> tabella = {
        // The vehicle asked about picks the question and its sound.
        breve(1, QStringLiteral("CALCOLO OGGETTI"), 10000, QString(), QString()),
        // So does the kind of sum asked for.
        breve(2, QStringLiteral("IL CALCOLATORE"), 10000, QString(), QString()),
        breve(3, QStringLiteral("STORIA IMMAGINARIA"), 30000,
              QStringLiteral("Qual'è l'unico evento realmente accaduto nel brano che avete appena letto?"),
              QStringLiteral("domanda3.wav")),
        breve(4, QStringLiteral("CULTURA GENERALE"), 10000,
              QStringLiteral("Qual'è la risposta esatta alla domanda che avete appena letto?"),
              QStringLiteral("domanda4.wav")),
        // Only the first tick: after it the same timer runs the colour changes.
        breve(5, QStringLiteral("L'OGGETTO MULTICOLORE"), 1500,
              QStringLiteral("Quante volte ha cambiato colore la coppa che avete visto?"),
              QStringLiteral("domanda5.wav")),
        breve(6, QStringLiteral("LA COPPIA MANCANTE"), 20000,
              QStringLiteral("Quale di questi oggetti è comparso una volta sola sul monitor?"),
              QStringLiteral("domanda6.wav")),
        breve(7, QStringLiteral("IL TELEGRAMMA"), 10000,
              QStringLiteral("Di quale noto personaggio si stava parlando nel telegramma che avete letto?"),
              QStringLiteral("domanda7.wav")),
        breve(8, QStringLiteral("IL MOTIVO MISTERIOSO"), 10000,
              QStringLiteral("Qual'è il titolo della canzone di cui avete visto parte del testo?"),
              QStringLiteral("domanda8.wav")),
        breve(9, QStringLiteral("CODICE FISCALE"), 10000,
              QStringLiteral("Quali sono nome e cognome del personaggio di cui avete intravisto parte del nominativo?"),
              QStringLiteral("domanda9.wav")),
        breve(10, QStringLiteral("DATA DI NASCITA"), 10000,
              QStringLiteral("Quale noto personaggio è nato nel giorno che avete visualizzato a monitor?"),
              QStringLiteral("domanda10.wav")),
        breve(11, QStringLiteral("COMPLETA IL PROVERBIO"), 10000,
              QStringLiteral("Quale parola o parole completano il proverbio che avete visto?"),
              QStringLiteral("domanda11.wav")),
        breve(12, QStringLiteral("DOMANDA AL CONTRARIO"), 10000,
              QStringLiteral("Qual'è la domanda corretta per la risposta che avete letto a monitor?"),
              QStringLiteral("domanda12.wav")),
        // Counted from the end of the flashing words.
        breve(13, QStringLiteral("INDOVINELLO AL FULMICOTONE"), 10000,
              QStringLiteral("Qual'è la risposta esatta all'indovinello che avete letto?"),
              QStringLiteral("domanda13.wav")),
        breve(14, QStringLiteral("IL GRANDE CHEF"), 30000,
              QStringLiteral("Qual'è l'ingrediente esatto per completare la ricetta?"),
              QStringLiteral("domanda14.wav")),
        breve(15, QStringLiteral("LINGUAGGIO FARFALLINO"), 10000,
              QStringLiteral("Qual'è il nome della città camuffata dalle sillabe?"),
              QStringLiteral("domanda15.wav")),
        breve(16, QStringLiteral("RITRATTO DI CANZONI"), 10000,
              QStringLiteral("Qual'è il titolo della canzone rappresentata con il disegno che avete visto?"),
              QStringLiteral("domanda16.wav")),
        breve(17, QStringLiteral("PAROLE IN GABBIA"), 10000,
              QStringLiteral("Quale parola corrisponde alla definizione data?"),
              QStringLiteral("domanda17.wav")),
        breve(18, QStringLiteral("OCCHIO ALLE DIFFERENZE"), 10000,
              QStringLiteral("Qual'è il numero dell'oggetto che è differente dagli altri?"),
              QStringLiteral("domanda18.wav")),
    };
    return tabella;
}

}  // namespace

const SchedaProva& schedaProva(int k)
{
    const auto& tabella = prove();
    if (k < 1 || k > int(tabella.size()))
        qFatal("schedaProva: full challenge %d is not in the table (1 to 20)", k);
    return tabella[std::size_t(k - 1)];
}

const SchedaProva& schedaProvina(int k)
{
    const auto& tabella = provine();
    if (k < 1 || k > int(tabella.size()))
        qFatal("schedaProvina: short challenge %d is not in the table (1 to 18)", k);
    return tabella[std::size_t(k - 1)];
}

const SchedaProva& schedaExtra()
{
    static const SchedaProva scheda{TipoProva::Extra, 1, QStringLiteral("frmProvaExtra"),
                                    QStringLiteral("SLOT MACHINE"), 32, 0, QString(), QString()};
    return scheda;
}

}  // namespace zolmera

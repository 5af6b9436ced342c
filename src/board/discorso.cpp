#include "board/discorso.h"

#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "platform/recordfile.h"
#include "records/archivi.h"

namespace zolmera {

void Discorso::svuotaCoda()
{
    for (int i = 1; i <= 15; ++i)
        strCodaAudio[i].clear();
}

namespace {
// The word of a number from 2 to 99 as its sound file is named (accents
// left out of the name).
QString parolaNumero(int n)
{
    static const char* const kFinoAVenti[] = {"",        "",          "due",      "tre",        "quattro",
                                               "cinque",  "sei",       "sette",    "otto",       "nove",
                                               "dieci",   "undici",    "dodici",   "tredici",    "quattordici",
                                               "quindici", "sedici",   "diciassette", "diciotto", "diciannove",
                                               "venti"};
    static const char* const kDecine[] = {"", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta",
                                          "ottanta", "novanta"};
    static const char* const kUnita[] = {"", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove"};
    if (n <= 20)
        return QString::fromLatin1(kFinoAVenti[n]);
    QString decina = QString::fromLatin1(kDecine[n / 10]);
    const int u = n % 10;
    // "ventuno", "trentotto": the tens lose their vowel before uno and otto.
    if (u == 1 || u == 8)
        decina.chop(1);
    return decina + QString::fromLatin1(kUnita[u]);
}

bool seggioVuoto(const RecPostazioneStagione& s) { return s.Nome == QString(11, QLatin1Char(' ')); }
}  // namespace

std::array<QString, 5> Discorso::paroleMontepremi(qint32 montepremi)
{
    std::array<QString, 5> p;
    const qint32 x = montepremi / 1000;
    const qint32 h = (montepremi - 1000 * x) / 100;
    const qint32 t = (montepremi - 1000 * x - 100 * h) / 10;
    // Every thousand up to 99 has its word; beyond, which no competition
    // reaches, the thousands are left unsaid rather than a bare "mila".
    if (x == 1)
        p[0] = QStringLiteral("mille");
    else if (x >= 2 && x <= 99)
        p[0] = parolaNumero(x);
    if (x >= 2 && x <= 99)
        p[1] = QStringLiteral("mila");
    if (h == 2 || h == 5 || h == 7)
        p[2] = parolaNumero(h);
    if (h != 0)
        p[3] = QStringLiteral("cento");
    if (t == 5)
        p[4] = QStringLiteral("cinquanta");
    return p;
}

void Discorso::PreparaDiscorso()
{
    Modulo1& M = R.M;
    const auto file = [&](const QString& nome) { return R.suono(nome + QStringLiteral(".wav")); };
    strCodaAudio[1] = file(M.intNatale ? QStringLiteral("natale") : QStringLiteral("buongiorno"));
    strCodaAudio[2] = file(QStringLiteral("valletta"));
    strCodaAudio[3] = R.suono(R.nomeVariante(QStringLiteral("montepremi"), 3));
    const std::array<QString, 5> parole = paroleMontepremi(M.lngMontepremi);
    for (int i = 0; i < 5; ++i)
        strCodaAudio[4 + i] = parole[std::size_t(i)].isEmpty() ? QString() : file(parole[std::size_t(i)]);
    strCodaAudio[9] = file(QStringLiteral("vostrino"));
    strCodaAudio[10] = file(QStringLiteral("presgiocatori"));
    strCodaAudio[11].clear();
    strCodaAudio[12] = M.strVoceConcorrente[1];
    strCodaAudio[13] = file(QStringLiteral("and"));
    strCodaAudio[14].clear();
    strCodaAudio[15] = M.strVoceConcorrente[2];
    if (M.bytTipoGioco != 3)
        return;

    // In a season each contestant is presented in the role of his seat.
    strCodaAudio[13].clear();
    const RecordFile stagione(M.strFileStagione);
    const QString sfidante = file(QStringLiteral("pressfidante"));
    for (int k = 1; k <= 2; ++k) {
        const RecPostazioneStagione s = RecPostazioneStagione::decodifica(stagione.readSlot(k));
        QString ruolo = !seggioVuoto(s) && s.Partite > 0 ? file(QStringLiteral("prescampione")) : sfidante;
        for (int i = 1; i <= 30; ++i)
            if (s.Esiti[i] == QLatin1Char('S')) {
                ruolo = file(QStringLiteral("presscampione"));
                break;
            }
        strCodaAudio[k == 1 ? 11 : 14] = ruolo;
    }
    // Two challengers need no roles.
    if (strCodaAudio[11] == sfidante && strCodaAudio[14] == sfidante) {
        strCodaAudio[11].clear();
        strCodaAudio[14].clear();
    }
}

void Discorso::avvia()
{
    varPosCoda = 1;
    R.mmcMusica.play(strCodaAudio[1], R.M.strParlato);
}

void Discorso::mmcMusica_Done()
{
    // The wheel's own tune plays on the same player; its end while the wheel
    // turns moves nothing.
    if (R.tmrTempo.enabled())
        return;
    for (;;) {
        ++varPosCoda;
        if (R.turni.intTurno == 0 && varPosCoda == 3) {
            BloccaTabellone(R.ctx);
            R.ctx.rotte.mostra(Schermo::MenuDelGiorno);
        }
        if (R.turni.intTurno == 0 && varPosCoda == 9) {
            R.ctx.rotte.chiudi(Schermo::MenuDelGiorno);
            SbloccaTabellone(R.ctx);
        }
        if (varPosCoda > 15) {
            svuotaCoda();
            return;
        }
        if (!strCodaAudio[varPosCoda].isEmpty())
            break;
    }
    R.mmcMusica.play(strCodaAudio[varPosCoda], R.M.strParlato);
}

}  // namespace zolmera

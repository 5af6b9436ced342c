#include "challenges/base/completa.h"

#include "board/operazioni.h"
#include "platform/format.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace zolmera {

ProvaCompleta::ProvaCompleta(AppContext& context, const QString& name, const QString& titolo, int argomentoGuida,
                             int larghezza, int altezza)
    : FinestraProva(context, name, titolo, argomentoGuida, larghezza, altezza)
{
    // Every duel's start button says so; some windows write it in capitals.
    cmdEsegui.setToolTipText(QStringLiteral("Premi QUI per continuare"));
    Timer1.Tick = [this] { Timer1_Timer(); };
    setKeyPreview(true);
}

ProvaCompleta::ProvaCompleta(AppContext& context, const SchedaProva& scheda, int larghezza, int altezza)
    : ProvaCompleta(context, scheda.finestra, scheda.titolo, scheda.argomentoGuida, larghezza, altezza)
{
}

void ProvaCompleta::Form_Load()
{
    M.bytConcorrente = 0;
    caricaGioco();
}

void ProvaCompleta::cmdEsegui_Click()
{
    // The board is handed back only once this window has really closed.
    if (M.bytConcorrente == 1 || M.bytConcorrente == 2) {
        if (unload())
            ConcediGiro(ctx, M.bytConcorrente);
        return;
    }
    if (puoEssereNulla() && cmdEsegui.caption() == QLatin1String("Gioco nullo!")) {
        if (unload())
            SegnalaProvaNulla(ctx);
        return;
    }
    if (!decisa_) {
        avviata_ = true;
        avvia();
    }
}

void ProvaCompleta::Timer1_Timer()
{
    Timer1.setEnabled(false);
    mmcSonoro.command(QStringLiteral("Close"));
    mmcSonoro.setFileName(M.strVoceConcorrente[M.bytConcorrente == 2 ? 2 : 1]);
    mmcSonoro.command(QStringLiteral("Open"));
    mmcSonoro.command(M.strParlato);
}

void ProvaCompleta::Form_KeyPress(int& keyAscii)
{
    // Before the start no key may move anything, and after the verdict no
    // key can change it.
    if (inGioco())
        tastoGioco(keyAscii);
}

void ProvaCompleta::suona(const QString& file, const QString& comando)
{
    mmcSonoro.command(QStringLiteral("close"));
    mmcSonoro.setFileName(suono(file));
    mmcSonoro.command(QStringLiteral("Open"));
    mmcSonoro.command(comando);
}

void ProvaCompleta::decretaVincita(int w)
{
    decisa_ = true;
    mmcSonoro.command(QStringLiteral("close"));
    M.bytConcorrente = quint8(w);
    M.bytGiri[w] = 1;
    mmcSonoro.setFileName(suono(QStringLiteral("vince.wav")));
    cmdEsegui.setCaption(QStringLiteral("Vince ") + M.strNomeConcorrente[w].str());
    Timer1.setEnabled(true);
    mmcSonoro.command(QStringLiteral("Open"));
    mmcSonoro.command(M.strParlato);
    cmdEsegui.setEnabled(true);
}

void ProvaCompleta::decretaParita()
{
    decisa_ = true;
    M.bytConcorrente = 1;
    M.bytGiri[1] = 1;
    M.bytGiri[2] = 1;
    cmdEsegui.setCaption(QStringLiteral("Gara in parità!"));
    suona(QStringLiteral("pari.wav"), M.strParlato);
    cmdEsegui.setEnabled(true);
}

void ProvaCompleta::decretaNulla()
{
    decisa_ = true;
    M.bytConcorrente = 0;
    cmdEsegui.setCaption(QStringLiteral("Gioco nullo!"));
    suona(nomeVariante("nullo", 3), M.strParlato);
    cmdEsegui.setEnabled(true);
}

void ProvaCompleta::decretaPunteggi(bool nulla, double punti1, double punti2, double spareggio1, double spareggio2)
{
    if (nulla)
        decretaNulla();
    else if (punti1 != punti2)
        decretaVincita(punti1 > punti2 ? 1 : 2);
    else if (spareggio1 != spareggio2)
        decretaVincita(spareggio1 > spareggio2 ? 1 : 2);
    else
        decretaParita();
}

double ProvaCompleta::varResiduo() const
{
    return std::max(0.0, scadenza_ - (inTurno_ ? ctx.sys.loop.now() : fineTurno_));
}

ProvaCompleta::FineTurno ProvaCompleta::CronometraTurno(int secondi, const std::function<bool()>& ferma, Label& orologio)
{
    EventLoop& loop = ctx.sys.loop;
    // The program's clock never goes back, so a turn across midnight ends on
    // time like any other.
    scadenza_ = loop.now() + secondi;
    inTurno_ = true;
    const auto fine = [this, &loop](FineTurno come) {
        inTurno_ = false;
        fineTurno_ = loop.now();
        return come;
    };
    for (;;) {
        if (unloaded())
            return fine(FineTurno::Chiusa);
        if (scadenza_ - loop.now() < 0)
            return fine(FineTurno::Scaduto);
        const qint64 mostrato = std::llround(scadenza_ - loop.now());
        orologio.setCaption(formatDueCifre(mostrato));
        if (ferma && ferma())
            return fine(FineTurno::Fermato);
        // Sleep until the shown number changes (the time left crosses the next
        // half second down), the deadline passes or an event comes.
        const double cambio = mostrato > 0 ? scadenza_ - (double(mostrato) - 0.5) : scadenza_;
        wait(std::max(cambio, loop.now()) + 1e-6, ferma);
    }
}

void ProvaCompleta::suonaSirena() { suona(nomeVariante("sirena", 3), M.strParlato); }

bool tastoCorrisponde(int keyAscii, const QString& tasto)
{
    if (tasto.isEmpty() || keyAscii <= 0)
        return false;
    const QByteArray codice = toCp1252(tasto.left(1));
    const QByteArray minuscolo = toCp1252(vbLCase(tasto.left(1)));
    return keyAscii == quint8(codice.at(0)) || keyAscii == quint8(minuscolo.at(0));
}

}  // namespace zolmera

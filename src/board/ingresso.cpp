// The contestants' controls on the board: each one's spin key, or the right
// mouse button for the one who plays with the mouse, held to charge the spin
// and released to throw it; and the clicks on the station buttons.
#include "board/frmRuota.h"

namespace zolmera {

int frmRuota::concorrenteMouse() const
{
    if (M.strGira1 == QLatin1String("Mouse"))
        return 1;
    if (M.strGira2 == QLatin1String("Mouse"))
        return 2;
    return 0;
}

void frmRuota::Form_KeyPress(int& keyAscii)
{
    const int c = keyAscii;
    // Any key stops what the board's player is playing: the opening speech
    // or the wheel's music.
    mmcMusica.command(QStringLiteral("Close"));

    // A booking runs its answer window inside this handler. The key that
    // booked never reaches the answer box it opened.
    bool prenotato = false;
    for (int w = 1; w <= 2; ++w) {
        const bool tasto = w == 1 ? (c == varCodPrenota1 || c == varCodPrenota1Min)
                                  : (c == varCodPrenota2 || c == varCodPrenota2Min);
        if (!tasto || !(w == 1 ? cmdPrenota1 : cmdPrenota2).enabled())
            continue;
        varUltimoTasto = c;
        prenotato = true;
        const FineConto fine = prenotazione.Prenotazione(w);
        if (fine != FineConto::Scaduta) {
            keyAscii = 0;
            return;
        }
    }

    auto carica = [this, c](int w) {
        // The other contestant's key must not stop a turning wheel or take
        // over a throw being charged.
        if (!ruota.puoCaricare(w))
            return;
        varUltimoTasto = c;
        tmrSecondi.setEnabled(false);
        tmrTempo.setEnabled(false);
        ruota.iniziaCarica(w);
        M.bytConcorrente = quint8(w);
    };
    if (cmdGira1.enabled() && (c == varCodGira1 || c == varCodGira1Min))
        carica(1);
    if ((c == intCodGira2 || c == intCodGira2Min) && cmdGira2.enabled())
        carica(2);
    if (prenotato)
        keyAscii = 0;
}

// The same screens as the menu commands, refused as they are while the
// wheel turns.
void frmRuota::Form_KeyDown(int& keyCode, int /*shift*/)
{
    switch (keyCode) {
    case 113: Menu_Click(); break;
    case 114: Comandi_Click(); break;
    case 115: Punteggi_Click(); break;
    default: break;
    }
}

void frmRuota::Form_KeyUp(int& /*keyCode*/, int /*shift*/)
{
    // The release goes by the key last accepted, not by the key let go: while
    // a spin key is held, letting go of any key throws.
    int w = 0;
    if (cmdGira1.enabled() && (varUltimoTasto == varCodGira1 || varUltimoTasto == varCodGira1Min))
        w = 1;
    else if (cmdGira2.enabled() && (varUltimoTasto == intCodGira2 || varUltimoTasto == intCodGira2Min))
        w = 2;
    // Only a contestant charging throws: a button lit again after his last
    // spin must wait for his key, or any key let go on the board (the other
    // contestant's too) would spend his spin.
    if (w == 0 || !ruota.staCaricando(w))
        return;
    CommandButton& gira = w == 1 ? cmdGira1 : cmdGira2;
    Frame6.setVisible(false);
    gira.setEnabled(false);
    gira.setBackColor(kBlu);
    tmrPressione.setEnabled(false);
    ruota.RilasciaRotazioneTastiera();
}

void frmRuota::Form_MouseDown(int button, int /*shift*/, double /*x*/, double /*y*/) { mouseGiu(button); }

void frmRuota::Form_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) { mouseSu(button); }

void frmRuota::mouseGiu(int button)
{
    if (button == 1
        && ((M.strPrenota1 == QLatin1String("Mouse") && cmdPrenota1.enabled())
            || (M.strPrenota2 == QLatin1String("Mouse") && cmdPrenota2.enabled()))) {
        if (prenotazione.PrenotaConMouse() == FineConto::Chiusa)
            return;
    }
    const int w = concorrenteMouse();
    if (button != 2 || w == 0)
        return;
    if ((w == 1 ? cmdGira1 : cmdGira2).enabled() && ruota.puoCaricare(w))
        ruota.iniziaCarica(w);
}

void frmRuota::mouseSu(int button)
{
    const int w = concorrenteMouse();
    if (button != 2 || w == 0)
        return;
    // Only a press that counted throws: one refused while another spin
    // turned must not throw when the button comes up later.
    if (!(w == 1 ? cmdGira1 : cmdGira2).enabled() || !ruota.staCaricando(w))
        return;
    tmrPressione.setEnabled(false);
    ruota.RilasciaRotazione();
    cmdGira1.setEnabled(false);
    cmdGira2.setEnabled(false);
}

void frmRuota::collegaMouse(Control& bersaglio)
{
    bersaglio.MouseDown = [this](int button, int, double, double) { mouseGiu(button); };
    bersaglio.MouseUp = [this](int button, int, double, double) { mouseSu(button); };
}

// A contestant who clicks his lit button instead of using his controls is
// shown what his controls are.
void frmRuota::cmdPrenota1_Click() { ctx.rotte.mostra(Schermo::Comandi); }
void frmRuota::cmdPrenota2_Click() { ctx.rotte.mostra(Schermo::Comandi); }
void frmRuota::cmdGira1_Click() { ctx.rotte.mostra(Schermo::Comandi); }
void frmRuota::cmdGira2_Click() { ctx.rotte.mostra(Schermo::Comandi); }

frmRuota::Attivita frmRuota::attivita() const
{
    Attivita a;
    a.giro = tmrPressione.enabled() || tmrTempo.enabled() || tmrDondolio.enabled();
    a.celebrazione = tmrAnimazione.enabled();
    a.sceltaJolly = Frame1.visible();
    a.prova = lancio.provaAperta;
    a.domanda = prenotazione.domanda != TipoDomanda::Nessuna;
    a.secondaFase = Frame3.visible() || Frame4.visible() || tmrPausa.enabled() || tmrDomanda.enabled();
    a.schermoLaterale = !enabled() && !a.prova;
    return a;
}

}  // namespace zolmera

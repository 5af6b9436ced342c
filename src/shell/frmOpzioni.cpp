#include "shell/frmOpzioni.h"

#include "platform/text.h"

#include <QFileInfo>

namespace zolmera {

namespace {
constexpr quint32 kSfondo = 0xFFFF80, kCasella = 0xFFFFC0, kPulsante = 0xFFFF00, kTitoloGruppo = 0xC0C000,
                  kBianco = 0xFFFFFF;
const QString kCarattere = QStringLiteral("Comic Sans MS");
constexpr double kDimensione = 10.2, kDimensioneTitolo = 12;
const QString kAttenzione = QStringLiteral("ATTENZIONE!");
const QString kSi = QStringLiteral("SI"), kNo = QStringLiteral("NO");
const QString kTastiera = QStringLiteral("TASTIERA"), kMouse = QStringLiteral("MOUSE");
const QString kSelezione = QStringLiteral("Selezione non corretta!");
const QString kDueMouse = QStringLiteral("Impostazioni non valide! Solo un giocatore può utilizzare il mouse");
// The editions in the order the edition button runs through them.
const QString kEdizioni[] = {QStringLiteral("ZOLMER90"), QStringLiteral("ZOLMER91"), QStringLiteral("SERO92"),
                             QStringLiteral("ZOLMER93")};

// Layout in twips: two groups side by side, each row a label and its control.
constexpr int kLarghezza = 9840, kAltezza = 6960;
constexpr int kGruppo = 4560, kSinistra = 240, kDestra = 5040;
constexpr int kTitolo = 375, kRiga = 360, kPasso = 420, kPrimaRiga = 540;
constexpr int kXEtichetta = 240, kLEtichetta = 2040, kXControllo = 2400, kLControllo = 1920;

int riga(int n) { return kPrimaRiga + n * kPasso; }

void titolo(Label& l)
{
    l.move(0, 0, kGruppo, kTitolo);
    l.setBackColor(kTitoloGruppo);
    l.setForeColor(kBianco);
    l.setAlignment(Label::Center);
    l.setFontSize(kDimensioneTitolo);
}

// A label's caption stands at its top: a little lower, it faces the text of
// the control beside it.
void etichetta(Label& l, int y)
{
    l.move(kXEtichetta, y + 60, kLEtichetta, kRiga - 60);
    l.setBackColor(kSfondo);
}

void gruppo(Frame& f, int x, int y, int righe)
{
    f.move(x, y, kGruppo, riga(righe) + kRiga - kPasso + 120);
    f.setBorderStyle(0);
    f.setBackColor(kSfondo);
}

void casellaTasto(TextBox& t, int y, int lunghezza = 0)
{
    t.move(kXControllo, y, kLControllo, kRiga);
    t.setBackColor(kCasella);
    t.setAlignment(Label::Center);
    t.setMaxLength(lunghezza);
}

template <class Pulsante>
void pulsante(Pulsante& b, int y)
{
    b.move(kXControllo, y, kLControllo, kRiga);
    b.setBackColor(kPulsante);
}

void interruttore(CheckBox& chk, bool acceso)
{
    chk.setValue(acceso ? 1 : 0);
    chk.setCaption(acceso ? kSi : kNo);
}

QString siNo(bool acceso) { return acceso ? QStringLiteral("Si") : QStringLiteral("No"); }

// A box's text only changes when there is something to turn upper case, so
// that leaving an untouched box is no change.
void inMaiuscolo(TextBox& box)
{
    const QString maiuscole = vbUCase(box.text());
    if (maiuscole != box.text())
        box.setText(maiuscole);
}

bool salvabile(const QString& s)
{
    for (QChar c : s)
        if (!isCp1252(c))
            return false;
    return true;
}
}  // namespace

frmOpzioni::frmOpzioni(AppContext& context) : Screen(context, QStringLiteral("frmOpzioni"), kLarghezza, kAltezza)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    setHelpContextId(kArgomentoGuida);
    for (Control* c : controls()) {
        c->setFontName(kCarattere);
        c->setFontSize(kDimensione);
    }

    struct Giocatore {
        Frame& grp;
        Label& titolo;
        Label& lblControllo;
        CommandButton& cmdControllo;
        Label& lblPrenota;
        TextBox& txtPrenota;
        TextBox& fissoPrenota;
        Label& lblGira;
        TextBox& txtGira;
        TextBox& fissoGira;
        Label& lblDirezionali;
        Label* lblDirezione[4];
        TextBox* txtDirezione[4];
    };
    Giocatore giocatori[] = {
        {grpGioc1, lblGioc1, lblControllo1, cmdControllo1, lblPrenota1, txtPrenota1, Text1, lblGira1, txtGira1, Text2,
         lblDirezionali1, {&lblSu1, &lblGiu1, &lblSx1, &lblDx1}, {&txtSu1, &txtGiu1, &txtSx1, &txtDx1}},
        {grpGioc2, lblGioc2, lblControllo2, cmdControllo2, lblPrenota2, txtPrenota2, Text3, lblGira2, txtGira2, Text4,
         lblDirezionali2, {&lblSu2, &lblGiu2, &lblSx2, &lblDx2}, {&txtSu2, &txtGiu2, &txtSx2, &txtDx2}},
    };
    std::size_t n = 0;
    for (int k = 1; k <= 2; ++k) {
        Giocatore& g = giocatori[k - 1];
        gruppo(g.grp, k == 1 ? kSinistra : kDestra, 120, 8);
        titolo(g.titolo);
        etichetta(g.lblControllo, riga(0));
        pulsante(g.cmdControllo, riga(0));
        // Its caption is the choice made; the label says what it chooses.
        g.cmdControllo.setLabel(g.lblControllo);
        etichetta(g.lblPrenota, riga(1));
        casellaTasto(g.txtPrenota, riga(1), 1);
        casellaTasto(g.fissoPrenota, riga(1));
        g.fissoPrenota.setText(QStringLiteral("Tasto SX"));
        etichetta(g.lblGira, riga(2));
        casellaTasto(g.txtGira, riga(2), 1);
        casellaTasto(g.fissoGira, riga(2));
        g.fissoGira.setText(QStringLiteral("Tasto DX"));
        for (TextBox* fisso : {&g.fissoPrenota, &g.fissoGira}) {
            fisso->setLocked(true);
            fisso->setVisible(false);
        }
        g.lblDirezionali.move(0, riga(3), kGruppo, kRiga);
        g.lblDirezionali.setBackColor(kSfondo);
        g.lblDirezionali.setAlignment(Label::Center);
        caselle_[n++] = {&g.txtPrenota, k, Ruolo::Prenota};
        caselle_[n++] = {&g.txtGira, k, Ruolo::Gira};
        for (int d = 0; d < 4; ++d) {
            etichetta(*g.lblDirezione[d], riga(4 + d));
            casellaTasto(*g.txtDirezione[d], riga(4 + d));
            caselle_[n++] = {g.txtDirezione[d], k, Ruolo::Direzione};
        }
        g.cmdControllo.Click = [this, k] { cmdControllo_Click(k); };
    }
    for (const Casella& c : caselle_) {
        TextBox& box = *c.box;
        box.Click = [this, &box] { txtTasto_Click(box); };
        box.Change = [this] { txtTasto_Change(); };
        box.LostFocus = [this, &box] { txtTasto_LostFocus(box); };
    }

    const int yBasso = grpGioc1.top() + grpGioc1.height() + 240;
    gruppo(grpAudio, kSinistra, yBasso, 3);
    titolo(lblAudio);
    gruppo(grpGioco, kDestra, yBasso, 3);
    titolo(lblGioco);
    Label* sinistra[] = {&lblMusica, &lblParlato, &lblEffetti};
    CheckBox* interruttori[] = {&chkMusica, &chkParlato, &chkEffetti};
    Label* destra[] = {&lblModGioco, &lblSigla, &lblConduce};
    CommandButton* gioco[] = {&cmdModGioco, &cmdSigla, &cmdConduce};
    for (int r = 0; r < 3; ++r) {
        etichetta(*sinistra[r], riga(r));
        pulsante(*interruttori[r], riga(r));
        CheckBox& chk = *interruttori[r];
        chk.Click = [this, &chk] { chkInterruttore_Click(chk); };
        etichetta(*destra[r], riga(r));
        pulsante(*gioco[r], riga(r));
        interruttori[r]->setLabel(*sinistra[r]);
        gioco[r]->setLabel(*destra[r]);
    }

    const int yPulsanti = grpAudio.top() + grpAudio.height() + 240;
    cmdSalva.move(2040, yPulsanti, 1920, 480);
    cmdRipristina.move(5880, yPulsanti, 1920, 480);
    for (CommandButton* b : {&cmdSalva, &cmdRipristina})
        b->setBackColor(kPulsante);

    cmdModGioco.Click = [this] { cmdModGioco_Click(); };
    cmdSigla.Click = [this] { cmdSigla_Click(); };
    cmdConduce.Click = [this] { cmdConduce_Click(); };
    cmdRipristina.Click = [this] { cmdRipristina_Click(); };
    cmdSalva.Click = [this] { cmdSalva_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    Guida.Click = [this] { Guida_Click(); };
}

void frmOpzioni::Form_Load()
{
    cmdModGioco.setEnabled(true);

    // An edition may be chosen when its scores folder is there; looking
    // leaves nothing behind in it.
    for (int e = 2; e <= 4; ++e)
        intEdizione[e] = QFileInfo(ctx.programFile(QStringLiteral("scores") + cifraEdizione(kEdizioni[e - 1]))).isDir();

    // Keys for a contestant on the mouse, kept in the hidden boxes in case
    // he goes back to the keyboard.
    txtPrenota1.setText(QStringLiteral("Z"));
    txtGira1.setText(QStringLiteral("X"));
    txtPrenota2.setText(QStringLiteral("N"));
    txtGira2.setText(QStringLiteral("M"));

    txtSu1.setText(M.strSu1);
    txtGiu1.setText(M.strGiu1);
    txtSx1.setText(M.strSx1);
    txtDx1.setText(M.strDx1);
    txtSu2.setText(M.strSu2);
    txtGiu2.setText(M.strGiu2);
    txtSx2.setText(M.strSx2);
    txtDx2.setText(M.strDx2);

    const QString mouse = QStringLiteral("Mouse");
    mostraControllo(1, M.strPrenota1 == mouse);
    if (M.strPrenota1 != mouse) {
        txtPrenota1.setText(M.strPrenota1);
        txtGira1.setText(M.strGira1);
    }
    mostraControllo(2, M.strPrenota2 == mouse);
    if (M.strPrenota2 != mouse) {
        txtPrenota2.setText(M.strPrenota2);
        txtGira2.setText(M.strGira2);
    }

    interruttore(chkMusica, !M.strMusica.isEmpty());
    interruttore(chkParlato, !M.strParlato.isEmpty());
    interruttore(chkEffetti, !M.strEffetti.isEmpty());

    const QString cifra = cifraEdizione(M.strModGioco);
    if (!cifra.isEmpty()) {
        cmdModGioco.setCaption(M.strModGioco);
        M.strNumModGioco = cifra;
    } else {
        cmdModGioco.setCaption(QString());
    }

    cmdSigla.setCaption(M.strSigla == QLatin1String("Si") ? kSi : kNo);
    cmdConduce.setCaption(M.strConduce == QLatin1String("Si") ? kSi : kNo);

    // Filling the screen is no change of the player's.
    intModificato = false;
}

void frmOpzioni::cmdModGioco_Click()
{
    const QString ora = cmdModGioco.caption();
    for (int i = 0; i < 4; ++i) {
        if (kEdizioni[i] != ora)
            continue;
        QString dopo = kEdizioni[0];
        for (int j = i + 1; j < 4; ++j) {
            if (intEdizione[j + 1]) {
                dopo = kEdizioni[j];
                break;
            }
        }
        cmdModGioco.setCaption(dopo);
        break;
    }
    intModificato = true;
}

void frmOpzioni::cmdSigla_Click()
{
    cmdSigla.setCaption(cmdSigla.caption() == kSi ? kNo : kSi);
    intModificato = true;
}

void frmOpzioni::cmdConduce_Click()
{
    cmdConduce.setCaption(cmdConduce.caption() == kSi ? kNo : kSi);
    intModificato = true;
}

void frmOpzioni::chkInterruttore_Click(CheckBox& chk)
{
    chk.setCaption(chk.value() ? kSi : kNo);
    intModificato = true;
}

void frmOpzioni::mostraControllo(int k, bool mouse)
{
    (k == 1 ? cmdControllo1 : cmdControllo2).setCaption(mouse ? kMouse : kTastiera);
    for (TextBox* t : {k == 1 ? &txtPrenota1 : &txtPrenota2, k == 1 ? &txtGira1 : &txtGira2})
        t->setVisible(!mouse);
    for (TextBox* t : {k == 1 ? &Text1 : &Text3, k == 1 ? &Text2 : &Text4})
        t->setVisible(mouse);
}

void frmOpzioni::cmdControllo_Click(int k)
{
    mostraControllo(k, (k == 1 ? cmdControllo1 : cmdControllo2).caption() == kTastiera);
    intModificato = true;
}

void frmOpzioni::txtTasto_Click(TextBox& box)
{
    // The press that brought the focus here was turned back to a refused box.
    if (riportato_ && riportato_ != &box) {
        riportato_ = nullptr;
        return;
    }
    box.setText(QString());
    intModificato = true;
}

void frmOpzioni::txtTasto_Change()
{
    // However the box was reached, with a click or with Tab, what is typed
    // in it is a change to save or to give up.
    intModificato = true;
}

const frmOpzioni::Casella& frmOpzioni::casella(const TextBox& box) const
{
    for (const Casella& c : caselle_)
        if (c.box == &box)
            return c;
    Q_UNREACHABLE();
}

bool frmOpzioni::fallisce(const Casella& c, int controllo, bool soloInUso) const
{
    const QString t = c.box->text();
    const QString blank = QStringLiteral(" ");
    const int altro = 3 - c.k;
    auto uguale = [&](auto&& scelta) {
        for (const Casella& o : caselle_)
            if (o.box != c.box && (!soloInUso || o.box->visible()) && scelta(o) && o.box->text() == t)
                return true;
        return false;
    };
    // A character the settings file cannot hold would come back as another key.
    const bool nonValido = t.isEmpty() || t == blank || !salvabile(t);
    if (c.ruolo == Ruolo::Direzione) {
        switch (controllo) {
        case 1: return nonValido;
        case 2: return uguale([&](const Casella& o) { return o.k == c.k && o.ruolo == Ruolo::Direzione; });
        default: return uguale([&](const Casella& o) { return o.k == altro && o.ruolo == Ruolo::Direzione; });
        }
    }
    switch (controllo) {
    case 1: return nonValido || uguale([&](const Casella& o) { return o.k == c.k && o.ruolo != Ruolo::Direzione; });
    case 2: return t == blank || uguale([&](const Casella& o) { return o.k == altro && o.ruolo != Ruolo::Direzione; });
    default: return false;
    }
}

void frmOpzioni::rifiuta(TextBox& box)
{
    msgBox(kSelezione, mb::OKOnly | mb::Exclamation, kAttenzione);
    box.setText(QString());
    riportando_ = true;
    box.setFocus();
    riportando_ = false;
    riportato_ = &box;
}

void frmOpzioni::txtTasto_LostFocus(TextBox& box)
{
    if (riportando_)
        return;
    riportato_ = nullptr;
    inMaiuscolo(box);
    const Casella& c = casella(box);
    for (int controllo = 1; controllo <= kControlli; ++controllo)
        if (fallisce(c, controllo))
            rifiuta(box);
}

bool frmOpzioni::tastiValidi()
{
    // Only the keys that will be saved: the hidden boxes of a contestant on
    // the mouse hold "Z"/"X" or "N"/"M" from the load, which the other
    // contestant may well use.
    for (const Casella& c : caselle_) {
        if (!c.box->visible())
            continue;
        inMaiuscolo(*c.box);
        for (int controllo = 1; controllo <= kControlli; ++controllo) {
            if (fallisce(c, controllo, true)) {
                rifiuta(*c.box);
                return false;
            }
        }
    }
    return true;
}

bool frmOpzioni::entrambiMouse() const
{
    return cmdControllo1.caption() == kMouse && cmdControllo2.caption() == kMouse;
}

void frmOpzioni::cmdRipristina_Click()
{
    const RecImpostazioni d = impostazioniPredefinite();
    txtPrenota1.setText(d.Prenota[1]);
    txtGira1.setText(d.Gira[1]);
    txtPrenota2.setText(d.Prenota[2]);
    txtGira2.setText(d.Gira[2]);
    txtSu1.setText(d.Su[1]);
    txtGiu1.setText(d.Giu[1]);
    txtSx1.setText(d.Sx[1]);
    txtDx1.setText(d.Dx[1]);
    txtSu2.setText(d.Su[2]);
    txtGiu2.setText(d.Giu[2]);
    txtSx2.setText(d.Sx[2]);
    txtDx2.setText(d.Dx[2]);
    for (CheckBox* chk : {&chkMusica, &chkParlato, &chkEffetti})
        interruttore(*chk, true);
    cmdModGioco.setCaption(d.ModGioco);
    cmdSigla.setCaption(kSi);
    cmdConduce.setCaption(kSi);
    mostraControllo(1, false);
    mostraControllo(2, false);
    intModificato = true;
}

bool frmOpzioni::SalvaImpostazioni()
{
    RecImpostazioni rec;
    const QString mouse = QStringLiteral("Mouse");
    const bool tastiera[] = {cmdControllo1.caption() == kTastiera, cmdControllo2.caption() == kTastiera};
    rec.Prenota[1] = tastiera[0] ? txtPrenota1.text() : mouse;
    rec.Gira[1] = tastiera[0] ? txtGira1.text() : mouse;
    rec.Prenota[2] = tastiera[1] ? txtPrenota2.text() : mouse;
    rec.Gira[2] = tastiera[1] ? txtGira2.text() : mouse;
    rec.Su[1] = txtSu1.text();
    rec.Giu[1] = txtGiu1.text();
    rec.Sx[1] = txtSx1.text();
    rec.Dx[1] = txtDx1.text();
    rec.Su[2] = txtSu2.text();
    rec.Giu[2] = txtGiu2.text();
    rec.Sx[2] = txtSx2.text();
    rec.Dx[2] = txtDx2.text();
    rec.Musica = siNo(chkMusica.value() != 0);
    rec.Parlato = siNo(chkParlato.value() != 0);
    rec.Effetti = siNo(chkEffetti.value() != 0);
    // Blank when no edition was ever loaded: the game's edition then stays.
    rec.ModGioco = cmdModGioco.caption();
    rec.Sigla = siNo(cmdSigla.caption() == kSi);
    rec.Conduce = siNo(cmdConduce.caption() == kSi);
    return salvaImpostazioni(ctx, rec);
}

bool frmOpzioni::salva()
{
    // A key left empty or repeated in a box the player never left would
    // otherwise reach the board.
    if (!tastiValidi() || !SalvaImpostazioni())
        return false;
    intModificato = false;
    msgBox(QStringLiteral("Impostazioni salvate!"), mb::OKOnly | mb::Information, QStringLiteral("CONFERMA SALVATAGGIO"));
    return true;
}

void frmOpzioni::cmdSalva_Click()
{
    if (entrambiMouse()) {
        msgBox(kDueMouse, mb::OKOnly | mb::Exclamation, kAttenzione);
        return;
    }
    if (salva())
        unload(UnloadMode::FormCode);
}

void frmOpzioni::Esci_Click() { unload(UnloadMode::FormCode); }

void frmOpzioni::Guida_Click() { showHelp(kArgomentoGuida); }

void frmOpzioni::Form_QueryUnload(bool& cancel, UnloadMode)
{
    if (entrambiMouse()) {
        msgBox(kDueMouse, mb::OKOnly | mb::Exclamation, kAttenzione);
        cancel = true;
        return;
    }
    if (!intModificato)
        return;
    if (msgBox(QStringLiteral("Vuoi uscire senza salvare?"), mb::YesNo | mb::Exclamation | mb::DefaultButton2,
               kAttenzione) == mb::Yes)
        return;
    if (!salva())
        cancel = true;
}

void frmOpzioni::Form_Unload(bool&) { ctx.rotte.mostra(Schermo::Avvio); }

}  // namespace zolmera

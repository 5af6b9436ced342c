#include "competitions/frmNuovo.h"

#include "competitions/nomi.h"
#include "records/archivi.h"
#include "records/creazione.h"
#include "records/voci.h"
#include "platform/format.h"
#include "platform/text.h"

namespace zolmera {

namespace {
constexpr quint32 kSfondo = 0xFFFF80, kRiquadro = 0xFFFFE0, kCiano = 0xFFFF00;
const QString kTitolo = QStringLiteral("ATTENZIONE!");

}  // namespace

frmNuovo::frmNuovo(AppContext& context) : Screen(context, QStringLiteral("frmNuovo"), 7440, 4320)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    setKeyPreview(true);
    setHelpContextId(13);

    for (Frame* f : {&fraTipo, &fraNomi}) {
        f->setBackColor(kRiquadro);
        f->setFontName(QStringLiteral("Comic Sans MS"));
        f->setFontSize(10);
        f->setFontBold(true);
    }
    fraTipo.move(240, 240, 3000, 1800);
    fraNomi.move(3480, 240, 3720, 2880);
    const QString tipi[] = {QStringLiteral("Gara a 2 giocatori"), QStringLiteral("Campionato a 4 giocatori"),
                            QStringLiteral("Stagione")};
    for (int i = 0; i < 3; ++i) {
        OptionButton& o = optTipo.add(fraTipo, QStringLiteral("optTipo"), tipi[i]);
        o.move(240, 420 + i * 420, 2640, 360);
        o.setFontName(QStringLiteral("Comic Sans MS"));
        o.setFontSize(10);
        o.setBackColor(kRiquadro);
        o.Click = [this, i] { optTipo_Click(i); };
    }
    Label* etichette[] = {&lblGiocatore1, &lblGiocatore2, &lblGiocatore3, &lblGiocatore4};
    TextBox* caselle[] = {&txtGiocatore1, &txtGiocatore2, &txtGiocatore3, &txtGiocatore4};
    for (int k = 0; k < 4; ++k) {
        etichette[k]->move(240, 420 + k * 600, 1560, 300);
        etichette[k]->setBackStyle(0);
        etichette[k]->setFontName(QStringLiteral("Comic Sans MS"));
        etichette[k]->setFontSize(9.75);
        caselle[k]->move(1800, 390, 1680, 360);
        caselle[k]->setTop(390 + k * 600);
        caselle[k]->setMaxLength(11);
        caselle[k]->setFontName(QStringLiteral("Comic Sans MS"));
        caselle[k]->setFontSize(10);
        caselle[k]->Change = [this, k] { txtGiocatore_Change(k); };
    }
    // The season length stands where the fourth name would.
    cboSPartite.move(1800, 390 + 3 * 600, 1680, 360);
    cboSPartite.setFontName(QStringLiteral("Comic Sans MS"));
    for (const char* voce : {"30 (1 mese)", "60 (2 mesi)", "90 (3 mesi)", "120 (4 mesi)", "150 (5 mesi)",
                             "180 (6 mesi)", "300 (10 mesi)"})
        cboSPartite.addItem(QString::fromLatin1(voce));

    lblData.move(240, 2400, 3000, 600);
    lblData.setBackStyle(0);
    lblData.setFontName(QStringLiteral("Comic Sans MS"));
    lblData.setFontSize(10);
    lblData.setFontItalic(true);
    cmdCrea.move(3840, 3480, 1560, 480);
    cmdCancella.move(5640, 3480, 1560, 480);
    for (CommandButton* b : {&cmdCrea, &cmdCancella}) {
        b->setBackColor(kCiano);
        b->setFontName(QStringLiteral("Comic Sans MS"));
        b->setFontSize(10);
    }
    setDefaultButton(&cmdCrea);

    cmdCrea.Click = [this] { cmdCrea_Click(); };
    cmdCancella.Click = [this] { cmdCancella_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    Guida.Click = [this] { Guida_Click(); };
}

void frmNuovo::Form_Load()
{
    optTipo[0].setValue(true);
    for (Control* c : std::initializer_list<Control*>{&txtGiocatore3, &txtGiocatore4, &lblGiocatore3, &lblGiocatore4})
        c->setVisible(false);
    lblData.setCaption(QStringLiteral("Oggi è ") + formatDataLunga(ctx.sys.loop.today()));
    lblData.setVisible(true);
    cmdCrea.setVisible(true);
    cboSPartite.setVisible(false);
    cboSPartite.setListIndex(0);
}

int frmNuovo::tipo() const
{
    for (int i = 0; i < 3; ++i)
        if (optTipo[i].value())
            return i;
    return 0;
}

void frmNuovo::optTipo_Click(int index)
{
    optTipo[index].setValue(true);
    for (TextBox* t : {&txtGiocatore1, &txtGiocatore2, &txtGiocatore3, &txtGiocatore4})
        t->setText(QString());
    lblGiocatore4.setCaption(index == 2 ? QStringLiteral("Numero partite") : QStringLiteral("Nome Giocatore 4"));
    lblGiocatore3.setVisible(index == 1);
    lblGiocatore4.setVisible(index != 0);
    txtGiocatore3.setVisible(index == 1);
    txtGiocatore4.setVisible(index == 1);
    cboSPartite.setVisible(index == 2);
    lblData.setVisible(index == 0);
    if (index == 0)
        lblData.setCaption(QStringLiteral("Oggi è ") + formatDataLunga(ctx.sys.loop.today()));
}

void frmNuovo::PulisciNomi()
{
    for (TextBox* t : {&txtGiocatore1, &txtGiocatore2, &txtGiocatore3, &txtGiocatore4})
        t->setText(QString());
    txtGiocatore1.setFocus();
}

void frmNuovo::cmdCancella_Click() { PulisciNomi(); }

void frmNuovo::txtGiocatore_Change(int k)
{
    TextBox* caselle[] = {&txtGiocatore1, &txtGiocatore2, &txtGiocatore3, &txtGiocatore4};
    filtri_[k].cambiato(*caselle[k]);
}

bool frmNuovo::nomiValidi(const QList<QString>& nomi)
{
    const QString vuoto(11, QLatin1Char(' '));
    QString messaggio;
    for (const QString& n : nomi)
        if (n == vuoto)
            messaggio = QStringLiteral("Devi inserire tutti i nomi dei giocatori!");
    // Before the names are compared: two names that differ only there would
    // be one on disk.
    for (const QString& n : nomi) {
        const QString carattere = primoNonSalvabile(n);
        if (messaggio.isEmpty() && !carattere.isEmpty())
            messaggio = messaggioNonSalvabile(n, carattere);
    }
    for (int a = 0; a < nomi.size() && messaggio.isEmpty(); ++a)
        for (int b = a + 1; b < nomi.size() && messaggio.isEmpty(); ++b)
            if (nomi[a] == nomi[b])
                messaggio = QStringLiteral("I nomi dei giocatori devono essere diversi!");
    if (messaggio.isEmpty())
        return true;
    msgBox(messaggio, mb::OKOnly | mb::Exclamation, kTitolo);
    txtGiocatore1.setFocus();
    return false;
}

std::optional<QString> frmNuovo::chiediFile(const QString& titolo, const QString& filtro, const QString& estensione)
{
    FileDialogRequest r;
    r.title = titolo;
    r.initialDir = ctx.editionFolder(QStringLiteral("saved")) + QLatin1Char('/');
    r.filter = filtro;
    r.flags = kDlgOverwritePrompt;
    r.defaultSuffix = estensione.mid(1);
    auto scelto = ctx.sys.fileDialogs.showSave(r);
    // A name typed without its extension would lose real characters to the
    // companions' four-character cut, and could share them with another
    // competition ("Inverno" and "Inv.003" both giving "Inv.d03").
    if (scelto && !scelto->endsWith(estensione, Qt::CaseInsensitive))
        *scelto += estensione;
    return scelto;
}

void frmNuovo::segnalaErrore(const QString& errore)
{
    msgBox(QStringLiteral("La competizione non è stata creata: %1.\nNessun file è stato lasciato a metà.").arg(errore),
           mb::OKOnly | mb::Exclamation, kTitolo);
}

bool frmNuovo::creaStagione()
{
    const auto scelto = chiediFile(QStringLiteral("Nuova stagione"), QStringLiteral("File di stagione (*.003)|*.003"),
                                   QStringLiteral(".003"));
    if (!scelto)
        return false;
    RecPostazioneStagione seggio = RecPostazioneStagione::vuota();
    QList<QByteArray> seggi;
    for (int k = 1; k <= 2; ++k) {
        seggio.Nome = M.strNomeConcorrente[k];
        seggi << seggio.codifica();
    }
    QList<QByteArray> classifica;
    for (int i = 0; i < 6; ++i)
        classifica << RecPunteggio::stagioneNuova().codifica();
    const int voce = qBound(0, cboSPartite.listIndex(), 6);
    const RecMontepremi montepremi{0, qint16(kLunghezzeStagione[voce]), 1000};
    const QString classificaPath = percorsoCompagno(*scelto, QStringLiteral(".d03"));
    const QString montepremiPath = percorsoCompagno(*scelto, QStringLiteral(".m03"));
    QString errore;
    if (!scriviFileInsieme({{*scelto, seggi}, {classificaPath, classifica}, {montepremiPath, {montepremi.codifica()}}},
                           &errore, ctx.sys.fileFaults)) {
        segnalaErrore(errore);
        return false;
    }
    M.strFileStagione = *scelto;
    M.strFileClassifica = classificaPath;
    M.strFileMontepremi = montepremiPath;
    M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), nomeFilePunteggi(3));
    return true;
}

bool frmNuovo::creaCampionato()
{
    const auto scelto = chiediFile(QStringLiteral("Nuovo campionato"), QStringLiteral("File di campionato (*.002)|*.002"),
                                   QStringLiteral(".002"));
    if (!scelto)
        return false;
    QList<QByteArray> giocatori;
    for (int k = 1; k <= 4; ++k)
        giocatori << RecGiocatoreCampionato::nuovo(P[k]).codifica();
    QList<QByteArray> giornate;
    for (const RecGiornataCampionato& g : calendarioCampionato(P))
        giornate << g.codifica();
    const RecMontepremi montepremi{0, 12, 1000};
    const QString giornatePath = percorsoCompagno(*scelto, QStringLiteral(".d02"));
    const QString montepremiPath = percorsoCompagno(*scelto, QStringLiteral(".m02"));
    QString errore;
    if (!scriviFileInsieme({{*scelto, giocatori}, {giornatePath, giornate}, {montepremiPath, {montepremi.codifica()}}},
                           &errore, ctx.sys.fileFaults)) {
        segnalaErrore(errore);
        return false;
    }
    M.strFileCampionato = *scelto;
    M.strFileGiornate = giornatePath;
    M.strFileMontepremi = montepremiPath;
    M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), nomeFilePunteggi(2));
    return true;
}

void frmNuovo::cmdCrea_Click()
{
    const int t = tipo();
    if (t == 1) {
        const TextBox* caselle[] = {&txtGiocatore1, &txtGiocatore2, &txtGiocatore3, &txtGiocatore4};
        for (int k = 1; k <= 4; ++k)
            P[k] = formaNome(caselle[k - 1]->text());
        if (!nomiValidi({P[1], P[2], P[3], P[4]}) || !creaCampionato())
            return;
    } else {
        M.strNomeConcorrente[1] = formaNome(txtGiocatore1.text());
        M.strNomeConcorrente[2] = formaNome(txtGiocatore2.text());
        if (!nomiValidi({M.strNomeConcorrente[1], M.strNomeConcorrente[2]}))
            return;
        ImpostaVociConcorrenti(ctx);
        if (t == 0) {
            M.strFileMontepremi = ctx.editionFile(QStringLiteral("scores"), QStringLiteral("mtpremi.dat"));
            M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), nomeFilePunteggi(1));
        } else if (!creaStagione()) {
            return;
        }
    }
    unload(UnloadMode::FormCode);
}

void frmNuovo::Esci_Click()
{
    M.intEsci = true;
    unload(UnloadMode::FormCode);
}

void frmNuovo::Guida_Click()
{
    static constexpr int kArgomenti[3] = {12, 13, 40};
    showHelp(kArgomenti[tipo()]);
}

void frmNuovo::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    if (mode == UnloadMode::FormCode && !M.intEsci) {
        const int t = tipo();
        M.bytTipoGioco = quint8(t == 2 ? 3 : t == 1 ? 2 : 1);
        seguito_ = t == 2 ? Seguito::Stagione : t == 1 ? Seguito::Campionato : Seguito::Tabellone;
        return;
    }
    M.intEsci = false;
    if (msgBox(QStringLiteral("Vuoi abbandonare la creazione partita?"), mb::YesNo | mb::Exclamation | mb::DefaultButton2,
               kTitolo) != mb::Yes) {
        cancel = true;
        return;
    }
    M.clearCompetitionPaths();
    seguito_ = Seguito::Menu;
}

void frmNuovo::Form_Unload(bool&)
{
    switch (seguito_) {
    case Seguito::Tabellone:
        ctx.rotte.mostra(Schermo::Tabellone);
        break;
    case Seguito::Campionato:
        ctx.rotte.mostra(Schermo::Campionato);
        break;
    case Seguito::Stagione:
        ctx.rotte.mostra(Schermo::Stagione);
        break;
    case Seguito::Menu:
        ctx.rotte.mostra(Schermo::Avvio);
        break;
    case Seguito::Nessuno:
        break;
    }
}

}  // namespace zolmera

#include "competitions/frmStagione.h"

#include "competitions/frmPunteggi.h"
#include "competitions/nomi.h"
#include "competitions/proclamazione.h"
#include "platform/format.h"
#include "platform/recordfile.h"
#include "platform/stampa.h"
#include "records/voci.h"

namespace zolmera {

namespace {
constexpr quint32 kSfondo = 0xFFFF80, kCiano = 0xFFFF00, kBlu = 0x800000;
const QString kCarattere = QStringLiteral("Comic Sans MS");
const QString kTitolo = QStringLiteral("ATTENZIONE!");
const QString kSfidante = QStringLiteral("Nome Sfidante");
const QString kCampione = QStringLiteral("Nome Campione");
constexpr int kPrimaRiga = 3600, kPasso = 360;
constexpr int kXNome = 600, kXGare = 2400, kXCampione = 3240, kXSuper = 4080, kXVincita = 4920;

void stile(Control& c, double dimensione = 10, bool grassetto = false)
{
    c.setFontName(kCarattere);
    c.setFontSize(dimensione);
    c.setFontBold(grassetto);
}

void trasparente(Label& l, double dimensione = 10, bool grassetto = false)
{
    l.setBackStyle(0);
    stile(l, dimensione, grassetto);
}

// The seats the file holds whole; the last may end short of its slot.
int seggiInteri(const RecordFile& f)
{
    static const qint64 kSeggio = RecPostazioneStagione::vuota().codifica().size();
    return int((f.size() + kRecordSlot - kSeggio) / kRecordSlot);
}
}  // namespace

frmStagione::frmStagione(AppContext& context) : Screen(context, QStringLiteral("frmStagione"), 7200, 5400)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    // F1 opens the season's own page, as its "Guida" does.
    setHelpContextId(kArgomentoGuida);

    lblData.move(240, 120, 6720, 300);
    trasparente(lblData, 10);
    lblData.setFontItalic(true);
    lblGiornata.move(240, 480, 6720, 420);
    trasparente(lblGiornata, 14, true);
    lblGiornata.setAlignment(Label::Center);
    lblGiornata.setForeColor(kBlu);

    Label* teste[] = {&lblGiocatore1, &lblGiocatore2};
    TextBox* caselle[] = {&txtGiocatore1, &txtGiocatore2};
    for (int k = 0; k < 2; ++k) {
        teste[k]->move(480 + k * 3240, 1080, 3000, 300);
        trasparente(*teste[k], 10, true);
        teste[k]->setAlignment(Label::Center);
        caselle[k]->move(840 + k * 3240, 1440, 2280, 390);
        caselle[k]->setMaxLength(11);
        stile(*caselle[k], 11);
        caselle[k]->setAlignment(Label::Center);
        caselle[k]->Change = [this, k] { filtri_[k].cambiato(k == 0 ? txtGiocatore1 : txtGiocatore2); };
    }
    cmdGioca.move(1560, 2100, 1800, 480);
    cmdStampa.move(3840, 2100, 1800, 480);
    for (CommandButton* b : {&cmdGioca, &cmdStampa}) {
        b->setBackColor(kCiano);
        stile(*b, 10, true);
    }
    setDefaultButton(&cmdGioca);

    lblClassifica.move(240, 2760, 6720, 330);
    trasparente(lblClassifica, 12, true);
    lblClassifica.setAlignment(Label::Center);
    lblClassifica.setForeColor(kBlu);
    Label3.move(kXNome, 3180, 1680, 300);
    Label1.move(kXGare, 3180, 720, 300);
    Label4.move(kXVincita, 3180, 1800, 300);
    for (Label* l : {&Label3, &Label1, &Label4})
        trasparente(*l, 10, true);
    Label1.setAlignment(Label::Center);
    Label4.setAlignment(Label::RightJustify);
    Image1.move(kXCampione + 180, 3090, 360, 360);
    Image2.move(kXSuper + 180, 3090, 360, 360);
    for (Image* i : {&Image1, &Image2})
        i->setStretch(true);
    // The column headings are pictures of the results they count.
    Image1.setAccessibleName(QStringLiteral("Risultati da ") + risultatoDetto(QLatin1Char('C')));
    Image2.setAccessibleName(QStringLiteral("Risultati da ") + risultatoDetto(QLatin1Char('S')));

    Label* numeri[] = {&Label13, &Label14, &Label15, &Label16};
    const QString nomi[] = {QStringLiteral("lblNome"), QStringLiteral("lblGare"), QStringLiteral("lblCampione"),
                            QStringLiteral("lblSuper"), QStringLiteral("lblVincita")};
    ControlArray<Label>* colonne[] = {&lblNome, &lblGare, &lblCampione, &lblSuper, &lblVincita};
    const int x[] = {kXNome, kXGare, kXCampione, kXSuper, kXVincita};
    const int larghezza[] = {1680, 720, 720, 720, 1800};
    for (int r = 0; r < kRighe; ++r) {
        const int y = kPrimaRiga + r * kPasso;
        numeri[r]->move(120, y, 420, 300);
        trasparente(*numeri[r], 10, true);
        numeri[r]->setAlignment(Label::RightJustify);
        for (int c = 0; c < 5; ++c) {
            Label& l = colonne[c]->add(*this, nomi[c]);
            l.move(x[c], y, larghezza[c], 300);
            trasparente(l, 10, c == 0);
            l.setAlignment(c == 0 ? Label::LeftJustify : c == 4 ? Label::RightJustify : Label::Center);
        }
        lblVincita[r].setForeColor(kBlu);
    }

    cmdGioca.Click = [this] { cmdGioca_Click(); };
    cmdStampa.Click = [this] { cmdStampa_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    Guida.Click = [this] { Guida_Click(); };
}

void frmStagione::Form_Load()
{
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("risultato1.gif"))));
    Image2.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("risultato2.gif"))));
}

void frmStagione::Form_Activate()
{
    lblData.setCaption(QStringLiteral("Oggi è ") + formatDataLunga(ctx.sys.loop.today()));
    M.lngVincita[1] = 0;
    M.lngVincita[2] = 0;
    Label* teste[] = {&lblGiocatore1, &lblGiocatore2};
    TextBox* caselle[] = {&txtGiocatore1, &txtGiocatore2};
    for (int k = 0; k < 2; ++k) {
        teste[k]->setCaption(kSfidante);
        caselle[k]->setEnabled(true);
        caselle[k]->setText(QString());
    }
    txtGiocatore1.setFocus();

    montepremi_ = RecMontepremi::decodifica(RecordFile(M.strFileMontepremi).readSlot(1));
    M.intGiornata = qint16(montepremi_.Giocate + 1);
    if (M.intGiornata > montepremi_.Totale) {
        lblGiornata.setCaption(QStringLiteral("Partita N° %1 / %1").arg(montepremi_.Totale));
        txtGiocatore1.setEnabled(false);
        txtGiocatore2.setEnabled(false);
    } else {
        lblGiornata.setCaption(QStringLiteral("Partita N° %1 / %2").arg(M.intGiornata).arg(montepremi_.Totale));
    }

    const RecordFile stagione(M.strFileStagione);
    const int seggiNelFile = seggiInteri(stagione);
    for (int k = 1; k <= 2; ++k) {
        // A seat the file does not hold whole is no one's; "Gioca" will say so.
        if (k > seggiNelFile)
            continue;
        const RecPostazioneStagione seggio = RecPostazioneStagione::decodifica(stagione.readSlot(k));
        if (seggio.Nome == QString(11, QLatin1Char(' ')))
            continue;
        M.strNomeConcorrente[k] = seggio.Nome;
        M.lngVincita[k] = seggio.Vincita;
        if (seggio.Partite > 0)
            teste[k - 1]->setCaption(kCampione);
        caselle[k - 1]->setText(seggio.Nome);
        caselle[k - 1]->setEnabled(false);
    }

    const RecordFile classifica(M.strFileClassifica);
    for (int r = 0; r < kRighe; ++r) {
        classifica_[std::size_t(r)] = RecPunteggio::decodifica(classifica.readSlot(r + 1));
        const RecPunteggio& p = classifica_[std::size_t(r)];
        lblNome[r].setCaption(p.Nome);
        lblGare[r].setCaption(QString::number(p.Gare));
        lblCampione[r].setCaption(QString::number(p.Campione));
        lblSuper[r].setCaption(QString::number(p.Super));
        lblVincita[r].setCaption(QStringLiteral("€. ") + formatImporto(p.Vincita));
    }
}

QString frmStagione::fileDanneggiato() const
{
    // Both seats must be in the file: a seat past its end reads as zeros,
    // which would pass for a stored name and be written back over.
    if (seggiInteri(RecordFile(M.strFileStagione)) < 2)
        return QStringLiteral("Il file %1 non contiene i due posti della stagione: la partita non può cominciare.")
            .arg(M.strFileStagione);
    return {};
}

void frmStagione::cmdGioca_Click()
{
    montepremi_ = RecMontepremi::decodifica(RecordFile(M.strFileMontepremi).readSlot(1));
    if (M.intGiornata > montepremi_.Totale) {
        ProclamaVincitoreStagione();
        return;
    }
    if (const QString guasto = fileDanneggiato(); !guasto.isEmpty()) {
        msgBox(guasto, mb::OKOnly | mb::Exclamation, kTitolo);
        return;
    }
    const QString nomi[] = {formaNome(txtGiocatore1.text()), formaNome(txtGiocatore2.text())};
    const QString vuoto(11, QLatin1Char(' '));
    for (int k = 0; k < 2; ++k) {
        if (nomi[k] != vuoto)
            continue;
        msgBox(QStringLiteral("Devi inserire i nomi dei giocatori!"), mb::OKOnly | mb::Exclamation, kTitolo);
        (txtGiocatore1.enabled() ? txtGiocatore1 : txtGiocatore2).setFocus();
        return;
    }
    for (int k = 0; k < 2; ++k) {
        const QString carattere = primoNonSalvabile(nomi[k]);
        if (carattere.isEmpty())
            continue;
        msgBox(messaggioNonSalvabile(nomi[k], carattere), mb::OKOnly | mb::Exclamation, kTitolo);
        (k == 0 ? txtGiocatore1 : txtGiocatore2).setFocus();
        return;
    }
    if (nomi[0] == nomi[1]) {
        msgBox(QStringLiteral("I nomi dei giocatori devono essere diversi!"), mb::OKOnly | mb::Exclamation, kTitolo);
        (txtGiocatore2.enabled() ? txtGiocatore2 : txtGiocatore1).setFocus();
        return;
    }
    M.strNomeConcorrente[1] = nomi[0];
    M.strNomeConcorrente[2] = nomi[1];
    ImpostaVociConcorrenti(ctx);
    hide();
    ctx.rotte.mostra(Schermo::Tabellone);
}

void frmStagione::ProclamaVincitoreStagione()
{
    std::array<RigaProclamazione, 4> righe;
    for (std::size_t r = 0; r < righe.size(); ++r)
        righe[r] = {classifica_[r].Nome, classifica_[r].Gare, classifica_[r].Vincita};
    msgBox(testoProclamazione(righe), mb::OKOnly | mb::Information, kTitoloProclamazione);
}

void frmStagione::cmdStampa_Click()
{
    QStringList righe{QString(), QStringLiteral("STAGIONE: ") + M.strFileStagione, QString(), QString(),
                      QStringLiteral("Classifica"), QString(),
                      QStringLiteral("N. Nome        Data        G  C  S  Vincita"), QString()};
    const RecordFile classifica(M.strFileClassifica);
    for (int r = 1; r <= kRighe; ++r)
        righe << frmPunteggi::rigaStampa(r, RecPunteggio::decodifica(classifica.readSlot(r)));
    stampaRighe(ctx.sys.printer, ctx.sys.messages, QStringLiteral("Stagione"), righe, 18);
}

void frmStagione::Esci_Click() { unload(UnloadMode::FormCode); }

void frmStagione::Guida_Click() { showHelp(kArgomentoGuida); }

void frmStagione::Form_QueryUnload(bool& cancel, UnloadMode)
{
    if (msgBox(QStringLiteral("Vuoi veramente uscire dalla stagione %1?").arg(M.strFileStagione),
               mb::YesNo | mb::Exclamation | mb::DefaultButton2, kTitolo) != mb::Yes)
        cancel = true;
}

void frmStagione::Form_Unload(bool&)
{
    M.clearCompetitionPaths();
    ctx.rotte.mostra(Schermo::Avvio);
}

}  // namespace zolmera

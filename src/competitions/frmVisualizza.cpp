#include "competitions/frmVisualizza.h"

#include "competitions/nomi.h"
#include "competitions/proclamazione.h"
#include "platform/format.h"
#include "platform/recordfile.h"
#include "platform/stampa.h"
#include "records/voci.h"

#include <algorithm>

namespace zolmera {

namespace {
constexpr quint32 kSfondo = 0xFFFF80, kRiquadro = 0xFFFFE0, kCiano = 0xFFFF00, kBlu = 0x800000;
const QString kCarattere = QStringLiteral("Comic Sans MS");
const QString kTitolo = QStringLiteral("ATTENZIONE!");
constexpr int kPrimaRiga = 3480, kPasso = 390;
constexpr int kXNome = 600, kXPunti = 2280, kXIcone = 3000, kPassoIcona = 480, kXVincita = 5940;

void stile(Label& l, double dimensione = 10, bool grassetto = false)
{
    l.setBackStyle(0);
    l.setFontName(kCarattere);
    l.setFontSize(dimensione);
    l.setFontBold(grassetto);
}

}  // namespace

frmVisualizza::frmVisualizza(AppContext& context) : Screen(context, QStringLiteral("frmVisualizza"), 7920, 5520)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    setHelpContextId(kArgomentoGuida);

    lblData.move(240, 120, 7440, 300);
    stile(lblData);
    lblData.setFontItalic(true);
    lblGiornata.move(240, 480, 7440, 420);
    stile(lblGiornata, 14, true);
    lblGiornata.setAlignment(Label::Center);
    lblGiornata.setForeColor(kBlu);

    Label* incontri[2][3] = {{&lblGiocaCasa1, &lblGiocaFuori1, &lblRisultato1},
                             {&lblGiocaCasa2, &lblGiocaFuori2, &lblRisultato2}};
    const int xIncontro[] = {960, 2760, 4680};
    const int larghezzaIncontro[] = {1680, 1680, 2280};
    for (int i = 0; i < 2; ++i)
        for (int c = 0; c < 3; ++c) {
            Label& l = *incontri[i][c];
            l.move(xIncontro[c], 1020 + i * 390, larghezzaIncontro[c], 330);
            l.setBackColor(kRiquadro);
            l.setFontName(QStringLiteral("Courier New"));
            l.setFontSize(10);
            l.setFontBold(c < 2);
            l.setAlignment(Label::Center);
        }
    cmdPrecedente.move(600, 1980, 1560, 420);
    cmdSuccessivo.move(2280, 1980, 1560, 420);
    cmdGioca.move(4080, 1980, 1560, 420);
    cmdStampa.move(5760, 1980, 1560, 420);
    for (CommandButton* b : {&cmdPrecedente, &cmdSuccessivo, &cmdGioca, &cmdStampa}) {
        b->setBackColor(kCiano);
        b->setFontName(kCarattere);
        b->setFontSize(10);
        b->setFontBold(b == &cmdGioca);
    }
    setDefaultButton(&cmdGioca);

    lblClassifica.move(240, 2640, 7440, 330);
    stile(lblClassifica, 12, true);
    lblClassifica.setAlignment(Label::Center);
    lblClassifica.setForeColor(kBlu);
    Label3.move(kXNome, 3060, 1560, 300);
    Label1.move(kXPunti, 3060, 600, 300);
    Label4.move(kXVincita, 3060, 1740, 300);
    Label* titoliGiornate[] = {&Label12, &Label37, &Label38, &Label39, &Label40, &Label45};
    for (int d = 0; d < kGiornate; ++d)
        titoliGiornate[d]->move(kXIcone + d * kPassoIcona, 3060, kPassoIcona, 300);
    for (Label* l : {&Label3, &Label1, &Label4, &Label12, &Label37, &Label38, &Label39, &Label40, &Label45}) {
        stile(*l, 10, true);
        if (l != &Label3)
            l->setAlignment(l == &Label4 ? Label::RightJustify : Label::Center);
    }

    Label* numeri[] = {&Label13, &Label14, &Label15, &Label16};
    Label* nomi[] = {&lblNome1, &lblNome2, &lblNome3, &lblNome4};
    Label* punti[] = {&lblPunti1, &lblPunti2, &lblPunti3, &lblPunti4};
    Label* vincite[] = {&lblVincita1, &lblVincita2, &lblVincita3, &lblVincita4};
    ControlArray<Image>* icone[] = {&Image1, &Image2, &Image3, &Image4};
    const QString nomiIcone[] = {QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image3"),
                                 QStringLiteral("Image4")};
    for (int r = 0; r < kGiocatori; ++r) {
        const int y = kPrimaRiga + r * kPasso;
        numeri[r]->move(120, y, 420, 300);
        stile(*numeri[r], 10, true);
        numeri[r]->setAlignment(Label::RightJustify);
        nomi[r]->move(kXNome, y, 1560, 300);
        stile(*nomi[r], 10, true);
        punti[r]->move(kXPunti, y, 600, 300);
        stile(*punti[r]);
        punti[r]->setAlignment(Label::Center);
        vincite[r]->move(kXVincita, y, 1740, 300);
        stile(*vincite[r]);
        vincite[r]->setAlignment(Label::RightJustify);
        vincite[r]->setForeColor(kBlu);
        for (int d = 0; d < kGiornate; ++d) {
            Image& i = icone[r]->add(*this, nomiIcone[r]);
            i.move(kXIcone + d * kPassoIcona + 60, y - 30, 360, 360);
            i.setStretch(true);
        }
    }

    cmdGioca.Click = [this] { cmdGioca_Click(); };
    cmdStampa.Click = [this] { cmdStampa_Click(); };
    cmdPrecedente.Click = [this] { cmdPrecedente_Click(); };
    cmdSuccessivo.Click = [this] { cmdSuccessivo_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    Guida.Click = [this] { Guida_Click(); };
}

int frmVisualizza::giornataDopo(int giocate)
{
    // A damaged count below zero still names a matchday the file has.
    return qBound(1, (giocate + 2) / 2, kGiornate + 1);
}

void frmVisualizza::mostraGiornata(const RecGiornataCampionato& g)
{
    lblGiocaCasa1.setCaption(g.Casa1);
    lblGiocaFuori1.setCaption(g.Fuori1);
    lblRisultato1.setCaption(g.Risultato1);
    lblGiocaCasa2.setCaption(g.Casa2);
    lblGiocaFuori2.setCaption(g.Fuori2);
    lblRisultato2.setCaption(g.Risultato2);
}

void frmVisualizza::Form_Activate()
{
    lblData.setCaption(QStringLiteral("Oggi è ") + formatDataLunga(ctx.sys.loop.today()));
    intTorneoFinito = false;

    const RecMontepremi montepremi = RecMontepremi::decodifica(RecordFile(M.strFileMontepremi).readSlot(1));
    M.intGiornata = qint16(giornataDopo(montepremi.Giocate));
    if (M.intGiornata > kGiornate) {
        M.intGiornata = kGiornate;
        intTorneoFinito = true;
    }
    giornataMostrata_ = M.intGiornata;

    const RecGiornataCampionato g = RecGiornataCampionato::decodifica(RecordFile(M.strFileGiornate).readSlot(M.intGiornata));
    if (g.Risultato1 == kDaDisputare) {
        M.strNomeConcorrente[1] = g.Casa1;
        M.strNomeConcorrente[2] = g.Fuori1;
    }
    // Fixture 2 goes first while it is open.
    if (g.Risultato2 == kDaDisputare) {
        M.strNomeConcorrente[1] = g.Casa2;
        M.strNomeConcorrente[2] = g.Fuori2;
    }
    mostraGiornata(g);
    lblGiornata.setCaption(QStringLiteral("Giornata N° %1").arg(M.intGiornata));

    Label* nomi[] = {&lblNome1, &lblNome2, &lblNome3, &lblNome4};
    Label* punti[] = {&lblPunti1, &lblPunti2, &lblPunti3, &lblPunti4};
    Label* vincite[] = {&lblVincita1, &lblVincita2, &lblVincita3, &lblVincita4};
    ControlArray<Image>* icone[] = {&Image1, &Image2, &Image3, &Image4};
    const RecordFile campionato(M.strFileCampionato);
    for (int r = 0; r < kGiocatori; ++r) {
        giocatore_ = RecGiocatoreCampionato::decodifica(campionato.readSlot(r + 1));
        classifica_[std::size_t(r)] = giocatore_;
        nomi[r]->setCaption(giocatore_.Nome);
        CaricaVinciteTorneo();
        punti[r]->setCaption(QString::number(giocatore_.Punti));
        for (int d = 1; d <= kGiornate; ++d) {
            const QChar e = giocatore_.Esiti[d];
            const char* figura = e == QLatin1Char('C')   ? "risultato1.gif"
                                 : e == QLatin1Char('S') ? "risultato2.gif"
                                 : e == QLatin1Char('-') ? "risultato3.gif"
                                                         : nullptr;
            if (figura) {
                Image& icona = (*icone[r])[d - 1];
                icona.setPicture(ctx.sys.pictures.load(immagine(QLatin1String(figura))));
                icona.setAccessibleName(QStringLiteral("Giornata %1: %2").arg(d).arg(risultatoDetto(e)));
            }
        }
        vincite[r]->setCaption(QStringLiteral("€. ") + formatImporto(giocatore_.Vincita));
    }
}

void frmVisualizza::CaricaVinciteTorneo()
{
    for (int k = 1; k <= 2; ++k)
        if (M.strNomeConcorrente[k] == giocatore_.Nome)
            M.lngVincita[k] = giocatore_.Vincita;
}

QString frmVisualizza::fileDanneggiato() const
{
    // The fixture chosen at activation must still be open in its matchday,
    // or its result would be written over one already played.
    const RecGiornataCampionato g = RecGiornataCampionato::decodifica(RecordFile(M.strFileGiornate).readSlot(M.intGiornata));
    const bool aperta = (g.Risultato1 == kDaDisputare && g.Casa1 == M.strNomeConcorrente[1]
                         && g.Fuori1 == M.strNomeConcorrente[2])
                        || (g.Risultato2 == kDaDisputare && g.Casa2 == M.strNomeConcorrente[1]
                            && g.Fuori2 == M.strNomeConcorrente[2]);
    if (!aperta)
        return QStringLiteral("Il file %1 non ha un incontro da disputare nella giornata %2: la partita non può "
                              "cominciare.")
            .arg(M.strFileGiornate)
            .arg(M.intGiornata);
    // Each player must be in the standings, or he would carry another's winnings.
    const QList<QByteArray> giocatori = RecordFile(M.strFileCampionato).readSlots();
    for (int k = 1; k <= 2; ++k) {
        const bool trovato = std::any_of(giocatori.begin(), giocatori.begin() + std::min<qsizetype>(giocatori.size(), kGiocatori),
                                         [&](const QByteArray& riga) {
                                             return RecGiocatoreCampionato::decodifica(riga).Nome == M.strNomeConcorrente[k];
                                         });
        if (!trovato)
            return QStringLiteral("Il giocatore %1 non è nel file %2: la partita non può cominciare.")
                .arg(QString(M.strNomeConcorrente[k]).trimmed(), M.strFileCampionato);
    }
    return {};
}

void frmVisualizza::cmdGioca_Click()
{
    if (intTorneoFinito) {
        ProclamaVincitoreTorneo();
        return;
    }
    if (const QString guasto = fileDanneggiato(); !guasto.isEmpty()) {
        msgBox(guasto, mb::OKOnly | mb::Exclamation, kTitolo);
        return;
    }
    ImpostaVociConcorrenti(ctx);
    hide();
    ctx.rotte.mostra(Schermo::Tabellone);
}

void frmVisualizza::ProclamaVincitoreTorneo()
{
    std::array<RigaProclamazione, 4> righe;
    for (std::size_t r = 0; r < righe.size(); ++r)
        righe[r] = {classifica_[r].Nome, classifica_[r].Punti, classifica_[r].Vincita};
    msgBox(testoProclamazione(righe), mb::OKOnly | mb::Information, kTitoloProclamazione);
}

void frmVisualizza::sfoglia(int passo)
{
    const int giornata = giornataMostrata_ + passo;
    if (giornata < 1 || giornata > kGiornate)
        return;
    giornataMostrata_ = giornata;
    mostraGiornata(RecGiornataCampionato::decodifica(RecordFile(M.strFileGiornate).readSlot(giornataMostrata_)));
    // Browsing writes the number with a blank before it.
    lblGiornata.setCaption(QStringLiteral("Giornata N°  %1").arg(giornataMostrata_));
}

void frmVisualizza::cmdPrecedente_Click() { sfoglia(-1); }

void frmVisualizza::cmdSuccessivo_Click() { sfoglia(+1); }

void frmVisualizza::cmdStampa_Click()
{
    QStringList righe{QString(), QStringLiteral("CAMPIONATO: ") + M.strFileCampionato, QString()};
    const RecordFile giornate(M.strFileGiornate);
    for (int d = 1; d <= kGiornate; ++d) {
        const RecGiornataCampionato g = RecGiornataCampionato::decodifica(giornate.readSlot(d));
        righe << QStringLiteral("Giornata %1").arg(d)
              << QString(g.Casa1) + QStringLiteral(" - ") + QString(g.Fuori1) + QStringLiteral("   ") + QString(g.Risultato1)
              << QString(g.Casa2) + QStringLiteral(" - ") + QString(g.Fuori2) + QStringLiteral("   ") + QString(g.Risultato2)
              << QString();
    }
    righe << QStringLiteral("Classifica") << QString() << QStringLiteral("N. Nome        Pt Vincita") << QString();
    const RecordFile campionato(M.strFileCampionato);
    for (int r = 1; r <= kGiocatori; ++r) {
        const RecGiocatoreCampionato p = RecGiocatoreCampionato::decodifica(campionato.readSlot(r));
        righe << QStringList{formatDueCifre(r), p.Nome, formatDueCifre(p.Punti),
                             QStringLiteral("€. ") + formatImportoDecimali(p.Vincita)}
                     .join(QLatin1Char(' '));
    }
    // The report keeps the printer's usual size; its columns need equal widths.
    stampaRighe(ctx.sys.printer, ctx.sys.messages, QStringLiteral("Campionato"), righe, 12);
}

void frmVisualizza::Esci_Click() { unload(UnloadMode::FormCode); }

void frmVisualizza::Guida_Click() { showHelp(kArgomentoGuida); }

void frmVisualizza::Form_QueryUnload(bool& cancel, UnloadMode)
{
    if (msgBox(QStringLiteral("Vuoi veramente uscire dal torneo %1?").arg(M.strFileCampionato),
               mb::YesNo | mb::Exclamation | mb::DefaultButton2, kTitolo) != mb::Yes)
        cancel = true;
}

void frmVisualizza::Form_Unload(bool&)
{
    M.clearCompetitionPaths();
    ctx.rotte.mostra(Schermo::Avvio);
}

}  // namespace zolmera

#include "competitions/frmPunteggi.h"

#include "competitions/nomi.h"
#include "board/operazioni.h"
#include "platform/format.h"
#include "platform/recordfile.h"
#include "platform/stampa.h"

#include <optional>

namespace zolmera {

namespace {
constexpr quint32 kSfondo = 0xFFFF80, kCiano = 0xFFFF00, kBlu = 0x800000;
constexpr int kPrimaRiga = 900, kPasso = 330, kAltezza = 300;
const QString kCarattere = QStringLiteral("Comic Sans MS");

struct Colonna {
    int x;
    int larghezza;
    int allineamento;
};
constexpr Colonna kPosto{120, 450, Label::RightJustify}, kNome{660, 1680, Label::LeftJustify},
    kData{2400, 1260, Label::Center}, kGare{3720, 600, Label::Center}, kCampione{4380, 600, Label::Center},
    kSuper{5040, 600, Label::Center}, kVincita{5700, 1560, Label::RightJustify}, kCentesimi{7260, 420, Label::LeftJustify};

// Entry k of a best-score file, or nothing for a place the file does not
// hold (a missing or short file): such a place is left empty rather than
// shown as a made-up entry.
std::optional<RecPunteggio> voce(const RecordFile& file, int k)
{
    if (k > file.slotCount())
        return std::nullopt;
    bool letto = true;
    const QByteArray slot = file.readSlot(k, &letto);
    if (!letto)
        return std::nullopt;
    return RecPunteggio::decodifica(slot);
}

void stile(Label& l, int dimensione = 10, bool grassetto = false)
{
    l.setBackStyle(0);
    l.setFontName(kCarattere);
    l.setFontSize(dimensione);
    l.setFontBold(grassetto);
}
}  // namespace

frmPunteggi::frmPunteggi(AppContext& context) : Screen(context, QStringLiteral("frmPunteggi"), 11400, 6120)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    setHelpContextId(11);

    lblClassifica.move(120, 120, 7560, 360);
    stile(lblClassifica, 14, true);
    lblClassifica.setAlignment(Label::Center);
    lblClassifica.setForeColor(kBlu);
    const std::pair<Label*, Colonna> titoli[] = {
        {&lblTitoloNome, kNome}, {&lblTitoloData, kData}, {&lblTitoloGare, kGare}, {&lblTitoloVincita, kVincita}};
    for (const auto& [l, c] : titoli) {
        l->move(c.x, 540, c.larghezza, kAltezza);
        l->setAlignment(c.allineamento);
        stile(*l, 10, true);
    }
    imgCampione.move(kCampione.x + 60, 420, 480, 480);
    imgSuper.move(kSuper.x + 60, 420, 480, 480);
    for (Image* i : {&imgCampione, &imgSuper})
        i->setStretch(true);
    // The column headings are pictures of the results they count.
    imgCampione.setAccessibleName(QStringLiteral("Risultati da ") + risultatoDetto(QLatin1Char('C')));
    imgSuper.setAccessibleName(QStringLiteral("Risultati da ") + risultatoDetto(QLatin1Char('S')));

    const std::pair<ControlArray<Label>*, Colonna> colonne[] = {
        {&lblPosto, kPosto},         {&lblNome, kNome},   {&lblData, kData},       {&lblGare, kGare},
        {&lblCampione, kCampione}, {&lblSuper, kSuper}, {&lblVincita, kVincita}, {&Label1, kCentesimi}};
    const QString nomi[] = {QStringLiteral("lblPosto"),    QStringLiteral("lblNome"),  QStringLiteral("lblData"),
                            QStringLiteral("lblGare"),     QStringLiteral("lblCampione"), QStringLiteral("lblSuper"),
                            QStringLiteral("lblVincita"),  QStringLiteral("Label1")};
    for (int r = 0; r < kRighe; ++r) {
        for (int c = 0; c < 8; ++c) {
            Label& l = colonne[c].first->add(*this, nomi[c]);
            l.move(colonne[c].second.x, kPrimaRiga + r * kPasso, colonne[c].second.larghezza, kAltezza);
            l.setAlignment(colonne[c].second.allineamento);
            stile(l, 10, c == 0 || c == 1);
        }
        lblPosto[r].setCaption(QString::number(r + 1) + QLatin1Char('.'));
        lblVincita[r].setForeColor(kBlu);
        Label1[r].setForeColor(kBlu);
        Label1[r].setCaption(QStringLiteral(",00"));
    }

    imgRecords.move(7920, 240, 3300, 2200);
    imgRecords.setStretch(true);
    cboSceltaClassifica.move(7920, 2700, 3300, 360);
    cboSceltaClassifica.setFontName(kCarattere);
    cboSceltaClassifica.setFontSize(10);
    // It chooses the table the title names; the figures beside it are a row's.
    cboSceltaClassifica.setLabel(lblClassifica);
    for (const char* voce : {"Gara a 2 giocatori", "Campionato a 4 giocatori", "Stagione"})
        cboSceltaClassifica.addItem(QString::fromLatin1(voce));
    const int yPulsanti[] = {3600, 4260, 5340};
    CommandButton* pulsanti[] = {&cmdAzzera, &lblStampa, &cmdRitorna};
    for (int k = 0; k < 3; ++k) {
        pulsanti[k]->move(8520, yPulsanti[k], 2100, 480);
        pulsanti[k]->setBackColor(kCiano);
        pulsanti[k]->setFontName(kCarattere);
        pulsanti[k]->setFontSize(10);
    }
    setDefaultButton(&cmdRitorna);
    setCancelButton(&cmdRitorna);

    cboSceltaClassifica.Click = [this] { cboSceltaClassifica_click(); };
    cmdAzzera.Click = [this] { cmdAzzera_Click(); };
    lblStampa.Click = [this] { lblStampa_Click(); };
    cmdRitorna.Click = [this] { cmdRitorna_Click(); };
}

QString frmPunteggi::percorso(int voce) const
{
    return ctx.editionFile(QStringLiteral("scores"), nomeFilePunteggi(voce + 1));
}

void frmPunteggi::Form_Load()
{
    imgRecords.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("records.jpg"))));
    imgCampione.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("risultato1.gif"))));
    imgSuper.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("risultato2.gif"))));
    BloccaTabellone(ctx);
    // A game type the table does not know shows the single match's.
    const int voce = M.bytTipoGioco >= 1 && M.bytTipoGioco <= 3 ? M.bytTipoGioco - 1 : 0;
    cboSceltaClassifica.setListIndex(voce);
    fileCorrente_ = percorso(voce);
    riempiTabella();
}

void frmPunteggi::Form_Unload(bool&) { SbloccaTabellone(ctx, this); }

void frmPunteggi::cboSceltaClassifica_click()
{
    const int voce = cboSceltaClassifica.listIndex();
    if (voce >= 0 && voce <= 2)
        fileCorrente_ = percorso(voce);
    riempiTabella();
}

void frmPunteggi::riempiTabella()
{
    if (fileCorrente_.isEmpty())
        return;
    const RecordFile file(fileCorrente_);
    for (int r = 0; r < kRighe; ++r) {
        const std::optional<RecPunteggio> v = voce(file, r + 1);
        if (!v) {
            for (auto* a : {&lblNome, &lblData, &lblGare, &lblCampione, &lblSuper, &lblVincita})
                (*a)[r].setCaption(QString());
            Label1[r].setVisible(false);
            continue;
        }
        const RecPunteggio& p = *v;
        lblNome[r].setCaption(p.Nome);
        lblData[r].setCaption(formatDataBreve(p.Data));
        lblGare[r].setCaption(QString::number(p.Gare));
        lblCampione[r].setCaption(QString::number(p.Campione));
        lblSuper[r].setCaption(QString::number(p.Super));
        lblVincita[r].setCaption(QStringLiteral("€. ") + formatImporto(p.Vincita));
        Label1[r].setVisible(true);
    }
}

void frmPunteggi::cmdAzzera_Click()
{
    if (msgBox(QStringLiteral("Vuoi veramente cancellare tutti i punteggi?"),
               mb::YesNo | mb::Exclamation | mb::DefaultButton2, QStringLiteral("ATTENZIONE!")) != mb::Yes)
        return;
    RecPunteggio vuoto;
    vuoto.Nome = kSconosciuto;
    vuoto.Data = ctx.sys.loop.today();
    QList<QByteArray> record;
    for (int k = 1; k <= kRighe; ++k)
        record << vuoto.codifica();
    RecordFile file(fileCorrente_, &ctx.sys.fileFaults);
    if (!file.writeSlots(1, record))
        msgBox(QStringLiteral("Impossibile cancellare i punteggi.\n%1").arg(file.errorString()), mb::Exclamation,
               QStringLiteral("ATTENZIONE!"));
    riempiTabella();
}

QString frmPunteggi::rigaStampa(int posto, const RecPunteggio& r)
{
    return QStringList{formatDueCifre(posto),
                       r.Nome,
                       formatDataBreve(r.Data),
                       formatDueCifre(r.Gare),
                       formatDueCifre(r.Campione),
                       formatDueCifre(r.Super),
                       QStringLiteral("€. ") + formatImportoDecimali(r.Vincita)}
        .join(QLatin1Char(' '));
}

void frmPunteggi::lblStampa_Click()
{
    QStringList righe{QString(), QStringLiteral("CLASSIFICA DEI MIGLIORI PUNTEGGI"), QString(),
                      QStringLiteral("N. Nome        Data        G  C  S  Vincita"), QString()};
    const RecordFile file(fileCorrente_);
    for (int k = 1; k <= kRighe; ++k) {
        const std::optional<RecPunteggio> v = voce(file, k);
        righe << (v ? rigaStampa(k, *v) : formatDueCifre(k));
    }
    stampaRighe(ctx.sys.printer, ctx.sys.messages, QStringLiteral("Migliori punteggi"), righe, 18);
}

void frmPunteggi::cmdRitorna_Click() { unload(); }

}  // namespace zolmera

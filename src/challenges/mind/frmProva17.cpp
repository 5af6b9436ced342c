#include "challenges/mind/frmProva17.h"

#include "challenges/base/estrazione.h"
#include "platform/format.h"
#include "platform/text.h"
#include "records/tabella.h"

#include <cmath>

namespace zolmera {

namespace {
constexpr int kLarghezza = 10200, kAltezza = 7800;
// Both frames take the same place under the score table.
constexpr int kLeftFrame = 120, kTopFrame = 2100, kLarghezzaFrame = 9960, kAltezzaFrame = 4680;
constexpr int kPrimaRiga = 720, kPassoRiga = 600;
// The score table: names, then seconds left, then the difference.
constexpr int kColonnaTempo = 3000, kColonnaScarto = 4320, kRigaTabella = 1200, kPassoTabella = 420;
// The results table: a caption column, then each contestant's "€." and amount.
constexpr int kColonnaRisultati[2] = {4500, 7200};
constexpr int kRigaRisultati = 1500, kPassoRisultati = 700;
constexpr quint32 kInchiostroLista = 0x202020, kVerde = 0x2E7D32;

QString soloTesto(double grammi) { return QString::number(qint64(grammi)); }
}  // namespace

frmProva17::frmProva17(AppContext& context)
    : ProvaCompleta(context, schedaProva(17), kLarghezza, kAltezza)
{
    setDefaultButton(&cmdEsegui);
    cmdEsegui.setToolTipText(QStringLiteral("PREMI QUI per continuare"));

    for (int k = 0; k < 2; ++k) {
        const int top = kRigaTabella + k * kPassoTabella;
        Label& nome = lblGiocatore.add(*this, QStringLiteral("lblGiocatore"));
        nome.move(120, top, 2760, 360);
        Label& secondi = lblSecondi.add(*this, QStringLiteral("lblSecondi"), QStringLiteral("60,00"));
        secondi.move(kColonnaTempo, top, 1200, 360);
        Label& scarto = lblPunti.add(*this, QStringLiteral("lblPunti"), QStringLiteral("€. 0,00"));
        scarto.move(kColonnaScarto, top, 1560, 360);
        for (Label* l : {&secondi, &scarto})
            l->setAlignment(Label::Center);
        for (Label* l : {&nome, &secondi, &scarto}) {
            scritta(*l, 12, true);
            l->setForeColor(kInchiostro[k]);
        }
    }
    Label7.move(kColonnaTempo, 840, 1200, 300);
    Label8.move(kColonnaScarto, 840, 1560, 300);
    for (Label* l : {&Label7, &Label8}) {
        l->setAlignment(Label::Center);
        scritta(*l, 10, false);
    }
    // The countdown on a shop's red display.
    lblOrologio.move(8520, 960, 1440, 900);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setBackColor(0x101010);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(28);
    lblOrologio.setFontBold(true);
    lblOrologio.setForeColor(0x0000FF);

    Frame1.move(kLeftFrame, kTopFrame, kLarghezzaFrame, kAltezzaFrame);
    Frame1.setBackColor(0xF4FBFF);
    Image3.move(0, 0, kLarghezzaFrame, kAltezzaFrame);
    Image3.setStretch(true);
    Label1.move(960, 240, 3300, 360);
    Label2.move(4320, 240, 1800, 360);
    Label3.move(6240, 240, 3000, 360);
    for (Label* l : {&Label1, &Label2, &Label3}) {
        scritta(*l, 11, true);
        l->setForeColor(kVerde);
    }
    for (int i = 0; i < kRighe; ++i) {
        const int top = kPrimaRiga + i * kPassoRiga;
        Image& figura = Image1.add(Frame1, QStringLiteral("Image1"));
        figura.move(300, top - 30, 480, 480);
        figura.setStretch(true);
        Label& prodotto = lblProdotto.add(Frame1, QStringLiteral("lblProdotto"));
        prodotto.move(960, top, 3300, 420);
        Label& prezzo = lblPrezzo.add(Frame1, QStringLiteral("lblPrezzo"), QStringLiteral("0,00"));
        prezzo.move(4320, top, 780, 420);
        prezzo.setAlignment(Label::RightJustify);
        Label& euro = lblEuro.add(Frame1, QStringLiteral("lblEuro"), QStringLiteral("€/"));
        euro.move(5130, top, 330, 420);
        Label& unita = lblUnita.add(Frame1, QStringLiteral("lblUnita"), QStringLiteral("Kg."));
        unita.move(5460, top, 540, 420);
        for (Label* l : {&prodotto, &prezzo, &euro, &unita}) {
            scritta(*l, 11, l == &prodotto || l == &prezzo);
            l->setForeColor(kInchiostroLista);
        }
        TextBox& qta = txtQta.add(Frame1, QStringLiteral("txtQta"));
        qta.move(6240, top, 1020, 420);
        qta.setAlignment(Label::RightJustify);
        qta.setText(QStringLiteral("250"));
        qta.setFontSize(11);
        qta.LostFocus = [this, i] { txtQta_LostFocus(i); };
        // The quantity is the product's, whose unit of price stands beside it.
        qta.setLabel(prodotto);
        Label& peso = lblPeso.add(Frame1, QStringLiteral("lblPeso"), QStringLiteral("grammi"));
        peso.move(7320, top, 900, 420);
        scritta(peso, 11, false);
        peso.setForeColor(kInchiostroLista);
        CommandButton& piu = cmdAggiungi.add(Frame1, QStringLiteral("cmdAggiungi"), QStringLiteral("Î"));
        piu.move(8280, top, 480, 420);
        piu.Click = [this, i] { cmdAggiungi_Click(i); };
        CommandButton& meno = cmdRiduci.add(Frame1, QStringLiteral("cmdRiduci"), QStringLiteral("Ï"));
        meno.move(8820, top, 480, 420);
        meno.Click = [this, i] { cmdRiduci_Click(i); };
        for (CommandButton* b : {&piu, &meno}) {
            b->setFontName(QStringLiteral("Wingdings 3"));
            b->setFontSize(12);
        }
    }
    lblSomma.move(300, 3900, 5700, 420);
    scritta(lblSomma, 13, true);
    lblSomma.setForeColor(0x0000C0);
    cmdCassa.move(6240, 3780, 3060, 600);
    cmdCassa.setBackColor(0x80FF80);
    cmdCassa.setFontName(QStringLiteral("Comic Sans MS"));
    cmdCassa.setFontSize(12);
    cmdCassa.setFontBold(true);
    cmdCassa.Click = [this] { cmdCassa_Click(); };
    Image& decorazione = Image1.add(*this, QStringLiteral("Image1"));
    decorazione.move(6240, 780, 2040, 1260);
    decorazione.setStretch(true);

    Frame2.move(kLeftFrame, kTopFrame, kLarghezzaFrame, kAltezzaFrame);
    Frame2.setBackColor(0xFFFFFF);
    Frame2.setVisible(false);
    Image2.move(0, 0, kLarghezzaFrame, kAltezzaFrame);
    Image2.setStretch(true);
    lblGioc1.move(kColonnaRisultati[0], 720, 2520, 420);
    lblGioc2.move(kColonnaRisultati[1], 720, 2520, 420);
    Label* const righe[3] = {&Label4, &Label5, &Label6};
    Label* const importi[3][2] = {{&lblSpesa1, &lblSpesa2}, {&lblSomma1, &lblSomma2}, {&lblScarto1, &lblScarto2}};
    for (int r = 0; r < 3; ++r) {
        const int top = kRigaRisultati + r * kPassoRisultati;
        righe[r]->move(360, top, 3900, 420);
        scritta(*righe[r], 12, r == 2);
        for (int k = 0; k < 2; ++k) {
            Label& euro = lblValuta.add(Frame2, QStringLiteral("lblValuta"), QStringLiteral("€."));
            euro.move(kColonnaRisultati[k], top, 480, 420);
            scritta(euro, 12, r == 2);
            Label& importo = *importi[r][k];
            importo.move(kColonnaRisultati[k] + 480, top, 1800, 420);
            importo.setAlignment(Label::RightJustify);
            scritta(importo, 12, r == 2);
            importo.setForeColor(kInchiostro[k]);
        }
    }
    lblGioc1.setForeColor(kInchiostro[0]);
    lblGioc2.setForeColor(kInchiostro[1]);
    for (Label* l : {&lblGioc1, &lblGioc2}) {
        scritta(*l, 12, true);
        l->setAlignment(Label::Center);
    }
}

void frmProva17::caricaGioco()
{
    lblGiocatore[0].setCaption(M.strNomeConcorrente[1]);
    lblGiocatore[1].setCaption(M.strNomeConcorrente[2]);
    Frame1.setVisible(true);
    Frame2.setVisible(false);
    curScarto.fill(Valuta());
    dblTempoResiduo.fill(60);
    intTurno = 0;
    riempiProdotti();

    const QPixmap borsa = ctx.sys.pictures.load(immagine(QStringLiteral("spesa_borsa.gif")));
    for (int i = 0; i < kRighe; ++i)
        Image1[i].setPicture(borsa);
    Image1[kRighe].setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("spesa_carrello.gif"))));
    Image3.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("spesa_lista.jpg"))));
    Image2.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("spesa_scontrino.jpg"))));

    Random& rnd = ctx.sys.random;
    rnd.randomize();
    varGiocatore = rnd.draw(2);
    cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[varGiocatore].str());
    cmdEsegui.setEnabled(true);
    Frame1.setEnabled(false);
}

void frmProva17::riempiProdotti()
{
    varProdotti.clear();
    for (const QStringList& riga : tabellaProva(QStringLiteral("spesa")))
        if (riga.size() >= 3)
            varProdotti << Prodotto{riga[0], riga[1].toDouble(), riga[2].toDouble()};
}

int frmProva17::estraiProdotto()
{
    return estraiLibera(ctx.sys.random, int(varProdotti.size()),
                        [this](int r) { return !varProdotti[r - 1].nome.isEmpty(); });
}

void frmProva17::PreparaTurno()
{
    const int k = varGiocatore;
    Random& rnd = ctx.sys.random;
    rnd.randomize();
    curSomma[k] = Valuta::da(30 + 20 * rnd.rnd()).alCentesimo();
    lblSomma.setCaption(QStringLiteral("Somma da spendere: €. ") + formatValuta(curSomma[k]));
    for (int j = 0; j < kRighe; ++j) {
        const int r = estraiProdotto();
        // Only a program whose table was damaged runs out of products: the
        // row then stays empty and costs nothing.
        const Prodotto p = r > 0 ? varProdotti[r - 1] : Prodotto{};
        rnd.randomize();
        const Valuta prezzo = Valuta::da(p.minimo + (p.massimo - p.minimo) * rnd.rnd()).alCentesimo();
        lblProdotto[j].setCaption(p.nome);
        curPrezzo[j] = prezzo;
        lblPrezzo[j].setCaption(formatValuta(prezzo));
        txtQta[j].setText(QStringLiteral("250"));
        if (r > 0)
            varProdotti[r - 1].nome.clear();
    }
}

void frmProva17::avvia()
{
    PreparaTurno();
    cmdEsegui.setEnabled(false);
    Frame1.setEnabled(true);

    const int k = varGiocatore;
    intCassa = false;
    ++intTurno;
    inTurno_ = true;
    const FineTurno fine = CronometraTurno(kTurno, [this] { return intCassa; }, lblOrologio);
    if (fine == FineTurno::Chiusa)
        return;   // abandoned: the window and the board are gone
    inTurno_ = false;
    dblTempoResiduo[k] = varResiduo();
    if (!intCassa) {
        dblTempoResiduo[k] = 0;
        suonaSirena();
        Conto(k);
    }
    lblSecondi[k - 1].setCaption(formatSecondi(dblTempoResiduo[k]));
    if (intTurno == 1) {
        varGiocatore = 3 - k;
        Frame1.setEnabled(false);
        cmdEsegui.setCaption(QStringLiteral("Ora tocca a ") + M.strNomeConcorrente[varGiocatore].str());
        cmdEsegui.setEnabled(true);
    } else {
        DecretaVincitore();
    }
}

void frmProva17::cmdCassa_Click()
{
    // Only the running turn can end at the checkout, and only once.
    if (!inTurno_ || intCassa)
        return;
    intCassa = true;
    suona(QStringLiteral("regcassa.wav"), M.strEffetti);
    Conto(varGiocatore);
}

void frmProva17::Conto(int k)
{
    // Every quantity is corrected before it is billed, as leaving its box
    // would: a box still being typed in at the bell holds anything at all,
    // and a negative or enormous weight would make a bill of nonsense.
    Valuta spesa;
    for (int i = 0; i < kRighe; ++i) {
        txtQta_LostFocus(i);
        const float chili = float(vbVal(txtQta[i].text()) / 1000);
        spesa += curPrezzo[i].per(chili);
    }
    curSpesa[k] = spesa.alCentesimo();
    curScarto[k] = (curSpesa[k] - curSomma[k]).assoluto().alCentesimo();
}

double frmProva17::grammiInteri(int i)
{
    // Leaving the box corrects it before any click takes effect; correcting
    // it here too keeps the sum within 250..30000 grams whatever moved the focus.
    txtQta_LostFocus(i);
    return std::nearbyint(vbVal(txtQta[i].text()));
}

void frmProva17::cmdAggiungi_Click(int Index)
{
    if (!inTurno_ || intCassa)
        return;
    const double q = grammiInteri(Index);
    if (q <= kMassimoGrammi - kPassoGrammi)
        txtQta[Index].setText(soloTesto(q + kPassoGrammi));
}

void frmProva17::cmdRiduci_Click(int Index)
{
    if (!inTurno_ || intCassa)
        return;
    const double q = grammiInteri(Index);
    if (q >= kMinimoGrammi + kPassoGrammi)
        txtQta[Index].setText(soloTesto(q - kPassoGrammi));
}

void frmProva17::txtQta_LostFocus(int Index)
{
    TextBox& box = txtQta[Index];
    const double v = vbVal(box.text());
    // Anything between the limits stays as typed, whole or not.
    if (v <= kMinimoGrammi)
        box.setText(QString::number(kMinimoGrammi));
    else if (v > kMassimoGrammi)
        box.setText(QString::number(kMassimoGrammi));
}

void frmProva17::DecretaVincitore()
{
    Frame1.setEnabled(false);
    Frame1.setVisible(false);
    Frame2.setVisible(true);
    lblGioc1.setCaption(M.strNomeConcorrente[1]);
    lblGioc2.setCaption(M.strNomeConcorrente[2]);
    lblSpesa1.setCaption(formatValuta(curSpesa[1]));
    lblSpesa2.setCaption(formatValuta(curSpesa[2]));
    lblSomma1.setCaption(formatValuta(curSomma[1]));
    lblSomma2.setCaption(formatValuta(curSomma[2]));
    lblScarto1.setCaption(formatValuta(curScarto[1]));
    lblScarto2.setCaption(formatValuta(curScarto[2]));
    lblPunti[0].setCaption(formatValuta(curScarto[1]));
    lblPunti[1].setCaption(formatValuta(curScarto[2]));

    if (curScarto[1] != curScarto[2]) {
        decretaVincita(curScarto[1] < curScarto[2] ? 1 : 2);
    } else if (dblTempoResiduo[1] != dblTempoResiduo[2]) {
        decretaVincita(dblTempoResiduo[1] > dblTempoResiduo[2] ? 1 : 2);
    } else {
        // Unlike the other duels, a tie here also calls contestant 1's voice.
        decretaParita();
        Timer1.setEnabled(true);
    }
}

}  // namespace zolmera

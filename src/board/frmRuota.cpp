#include "board/frmRuota.h"

namespace zolmera {

namespace {
// Places of the board's design, in twips. The stations, the trays and the
// scoreboard match the studio backdrop drawn for them.
constexpr int kTrayLeft1 = 360, kTrayLeft2 = 9840, kTrayTop = 4620;
constexpr int kTrayStepX = 468, kTrayStepY = 396, kTrayW = 420, kTrayH = 300;
constexpr int kZonaX = 240, kZonaY = 240, kZonaW = 5400, kZonaH = 4080;   // the frames over the wheel
constexpr double kOpzioneMinima = 7.5;   // points: the smallest an option or answer is shown at
constexpr int kCentroX = 5160, kCentroY = 4080, kCentroW = 2400, kCentroH = 1860;   // between the stations
constexpr quint32 kCrema = 0xE6F8FF, kBlu = frmRuota::kBlu, kFondo = 0x301018;

void bottoneStazione(CommandButton& b, int left)
{
    b.move(left, 5400, 780, 420);
    b.setFontName(QStringLiteral("Arial"));
    b.setFontBold(true);
    b.setFontSize(10);
    b.setBackColor(kBlu);
    b.setEnabled(false);
}

void etichetta(Label& l, int left, int top, int width, int height, quint32 colore, double size)
{
    l.move(left, top, width, height);
    l.setBackStyle(0);
    l.setForeColor(colore);
    l.setFontName(QStringLiteral("Arial"));
    l.setFontBold(true);
    l.setFontSize(size);
    l.setWordWrap(false);
}

// The names a screen reader says for the boxes and pictures a player must
// tell apart, which have no caption of their own to be read by.
void nomiAccessibili(frmRuota& r)
{
    r.txtDomanda.setAccessibleName(QStringLiteral("Domanda"));
    for (int i = 0; i <= r.txtOpzione.uBound(); ++i)
        r.txtOpzione[i].setAccessibleName(QStringLiteral("Opzione %1").arg(i + 1));
    r.txtRisposta.setAccessibleName(QStringLiteral("Risposta"));
    const std::pair<Image*, const char*> jolly[] = {{&r.imgJprimo, "primo"}, {&r.imgJsecondo, "secondo"},
                                                    {&r.imgJformaggio, "formaggio"}, {&r.imgJdolce, "dolce"},
                                                    {&r.imgJfrutta, "frutta"}};
    for (const auto& [immagine, portata] : jolly)
        immagine->setAccessibleName(QStringLiteral("Jolly: %1").arg(QLatin1String(portata)));
    r.imgRuota2.setAccessibleName(QStringLiteral("Ruota"));
}
}  // namespace

frmRuota::frmRuota(AppContext& context) : Screen(context, QStringLiteral("frmRuota"), kLarghezza, kAltezza)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kFondo);
    setKeyPreview(true);
    setDefaultFont(QStringLiteral("Comic Sans MS"), 9.75);
    disponi();
    collega();
    nomiAccessibili(*this);
}

frmRuota::~frmRuota() = default;

std::array<ControlArray<Image>*, 5> frmRuota::righePortate(int concorrente)
{
    if (concorrente == 1)
        return {&primo1, &pollo1, &forma1, &dolce1, &frutta1};
    return {&primo2, &pollo2, &forma2, &dolce2, &frutta2};
}

void frmRuota::disponi()
{
    Image1.setStretch(true);
    Image1.move(-840, 0, 14016, 7308);
    imgRuota2.move(480, 360, 3840, 3840);
    imgRuota2.setBorderStyle(0);
    imgRuota2.setBackColor(kFondo);

    for (Image* host : {&Tobrano, &imgPPrenota}) {
        host->setStretch(true);
        host->move(5760, 360, 2040, 3720);
    }
    imgPPrenota.setVisible(false);
    for (Image* postazione : {&imgPostaz1, &imgPostaz2}) {
        postazione->setStretch(true);
        postazione->setVisible(false);
    }
    // Wide enough for both editions' places of names and buttons.
    imgPostaz1.move(2820, 4440, 2400, 1560);
    imgPostaz2.move(7440, 4440, 2400, 1560);

    // Five rows of five course pictures per contestant, on the two trays.
    for (int w = 1; w <= 2; ++w) {
        const auto righe = righePortate(w);
        const char* nomi[] = {w == 1 ? "primo1" : "primo2", w == 1 ? "pollo1" : "pollo2", w == 1 ? "forma1" : "forma2",
                              w == 1 ? "dolce1" : "dolce2", w == 1 ? "frutta1" : "frutta2"};
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                Image& p = righe[std::size_t(r)]->add(*this, QString::fromLatin1(nomi[r]));
                p.setStretch(true);
                p.move((w == 1 ? kTrayLeft1 : kTrayLeft2) + c * kTrayStepX, kTrayTop + r * kTrayStepY, kTrayW, kTrayH);
                p.setVisible(false);
            }
        }
    }
    for (int k = 0; k < 10; ++k) {
        for (auto* hats : {&cappello1, &cappello2}) {
            Image& h = hats->add(*this, hats == &cappello1 ? QStringLiteral("cappello1") : QStringLiteral("cappello2"));
            h.setStretch(true);
            // On the desks' hat strip, above the name plates.
            h.move((hats == &cappello1 ? 3240 : 8040) + 120 * k, 4560, 180, 180);
        }
    }

    // Names under the stations, and the scoreboard with its shadow names.
    etichetta(lblConc1, 3000, 5020, 1800, 300, 0x202020, 9);
    etichetta(lblConc2, 7820, 5020, 1800, 300, 0x202020, 9);
    lblConc1.setAlignment(Label::Center);
    lblConc2.setAlignment(Label::Center);
    etichetta(lblOmbra1, 8540, 580, 1932, 560, 0x000000, 7.8);
    etichetta(lblOmbra2, 8540, 1300, 1932, 560, 0x000000, 7.8);
    etichetta(lblScoreConc1, 8520, 560, 1932, 560, 0xFFFFFF, 7.8);
    etichetta(lblScoreConc2, 8520, 1280, 1932, 560, 0xFFFFFF, 7.8);
    etichetta(lblScore1, 11040, 600, 960, 480, 0x0050FF, 10);
    etichetta(lblScore2, 11040, 1320, 960, 480, 0x0050FF, 10);
    lblScore1.setAlignment(Label::RightJustify);
    lblScore2.setAlignment(Label::RightJustify);

    bottoneStazione(cmdPrenota1, 3120);
    bottoneStazione(cmdGira1, 3960);
    bottoneStazione(cmdPrenota2, 7920);
    bottoneStazione(cmdGira2, 8760);

    cmdFine.move(5160, 6180, 1920, 540);
    cmdFine.setBackColor(kGiallo);
    cmdFine.setFontName(QStringLiteral("Comic Sans MS"));
    cmdFine.setFontBold(true);
    cmdFine.setFontSize(11);
    cmdFine.setToolTipText(QStringLiteral("PREMI QUI per continuare"));
    for (CommandButton* freccia : {&Command1, &Command2}) {
        freccia->setFontName(QStringLiteral("Wingdings 3"));
        freccia->setFontSize(14);
    }
    Command1.move(0, 6840, 732, 420);
    Command2.move(11520, 6840, 732, 408);

    // Frame1: the jolly's course choice; its pictures stand at their design
    // places until the edition's layout moves them.
    Frame1.move(kCentroX, kCentroY, kCentroW, kCentroH);
    Frame1.setBackColor(kCrema);
    Frame1.setFontBold(true);
    const int left[] = {60, 1680, 870, 60, 1680};
    const int top[] = {360, 360, 600, 1080, 1080};
    Image* jolly[] = {&imgJprimo, &imgJsecondo, &imgJformaggio, &imgJdolce, &imgJfrutta};
    for (int i = 0; i < 5; ++i) {
        jolly[i]->setStretch(true);
        jolly[i]->move(left[i], top[i], 720, 480);
        jolly[i]->setToolTipText(QStringLiteral("Premi F2 per vedere il menù"));
    }
    cmdJMenu.move(840, 1320, 732, 372);
    cmdJMenu.setBackColor(kGiallo);

    // Frame2: the questions, over the wheel.
    Frame2.move(kZonaX, kZonaY, kZonaW, kZonaH);
    Frame2.setBackColor(kCrema);
    Image4.move(120, 3480, 2040, 420);
    Image4.setStretch(true);
    // The heading stands under the frame's caption, which names the
    // contestant who answers.
    lblArgomento.move(120, 240, 5160, 300);
    lblArgomento.setAlignment(Label::Center);
    lblArgomento.setBackStyle(0);
    lblArgomento.setFontBold(true);
    lblArgomento.setFontSize(11);
    lblArgomento.setForeColor(0x800000);
    txtDomanda.move(120, 540, 5160, 960);
    txtDomanda.setLocked(true);
    txtDomanda.setFontSize(11);
    // The options and the answer run the frame's width, so that a choice of
    // fifty characters reads whole at the size it was set in; a text wider
    // still (a typed one in capitals) is shown a little smaller.
    for (int i = 0; i < 3; ++i) {
        TextBox& t = txtOpzione.add(Frame2, QStringLiteral("txtOpzione"));
        t.move(120, 1620 + i * 420, 5160, 360);
        t.setShrinkToFit(kOpzioneMinima);
        t.setMaxLength(50);
        t.setLocked(true);
        t.setFontName(QStringLiteral("Comic Sans MS"));
        t.setFontSize(10);
        t.setEnabled(false);
    }
    txtRisposta.move(120, 2940, 5160, 360);
    txtRisposta.setShrinkToFit(kOpzioneMinima);
    txtRisposta.setMaxLength(50);
    txtRisposta.setFontName(QStringLiteral("Comic Sans MS"));
    txtRisposta.setFontSize(10);
    // Under the answer, one row: the replay button of a booking, or the
    // count of the second phase in its place; the buttons; the clock.
    lblOrologio.move(4080, 3330, 1200, 690);
    lblOrologio.setAlignment(Label::Center);
    lblOrologio.setFontName(QStringLiteral("Texas LED"));
    lblOrologio.setFontSize(28);
    lblOrologio.setFontBold(true);
    lblOrologio.setBackColor(0x000000);
    lblOrologio.setForeColor(0x00FFFF);
    Label1.move(120, 3540, 1440, 300);
    Label1.setAlignment(Label::RightJustify);
    Label1.setBackStyle(0);
    lblMostraRisposte.move(1620, 3540, 480, 300);
    lblMostraRisposte.setBackStyle(0);
    lblMostraRisposte.setFontBold(true);
    cmdRipetere.move(120, 3480, 2040, 420);
    cmdOK.move(2280, 3480, 720, 420);
    cmdConferma.move(2280, 3480, 720, 420);
    cmdCancella.move(3060, 3480, 900, 420);
    for (CommandButton* b : {&cmdOK, &cmdConferma, &cmdCancella, &cmdRipetere})
        b->setBackColor(0xFFFF00);
    for (Control* c : std::initializer_list<Control*>{&Label1, &lblMostraRisposte, &cmdCancella, &cmdOK, &cmdConferma})
        c->setVisible(false);

    // Frame3: the spin-or-change choice.
    Frame3.move(kCentroX, kCentroY, kCentroW, kCentroH);
    Frame3.setBackColor(kCrema);
    Frame3.setFontBold(true);
    const QString scelte[] = {QStringLiteral("Cambia 1 domanda"), QStringLiteral("Cambia 2 domanda"),
                              QStringLiteral("Gira la ruota x volte")};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = cmdOpzione.add(Frame3, QStringLiteral("cmdOpzione"), scelte[i]);
        b.move(120, 360 + i * 480, 2160, 420);
        b.setBackColor(0xFFFF00);
    }

    // Frame4: the topic boxes on their trolley. The trolley fills the frame
    // but for the caption's strip at the top, which is the board's own
    // colour, so the caption reads as a heading over the trolley.
    Frame4.move(kZonaX, 0, kZonaW, kZonaH + 240);
    Frame4.setBackColor(kFondo);
    Frame4.setForeColor(kCrema);
    Frame4.setFontBold(true);
    Image2.setStretch(true);
    Image2.move(0, 240, kZonaW, kZonaH);
    for (int k = 0; k < 12; ++k) {
        PictureBox& box = argomento.add(Frame4, QStringLiteral("argomento"));
        box.move(300 + (k % 4) * 1200, 600 + (k / 4) * 1200, 1080, 1080);
        box.setBorderStyle(0);
    }

    // Frame5: the celebration, over the wheel's box and clear of the jolly's
    // frame, which the other contestant may need while it runs.
    constexpr int kPlateaW = 4800, kPlateaH = kPlateaW * 544 / 720;
    Frame5.move(kZonaX, kZonaY, kPlateaW, kPlateaH);
    Frame5.setBorderStyle(0);
    Image3.setStretch(true);
    Image3.move(0, 0, kPlateaW, kPlateaH);
    lblMontepremi.move(300, kPlateaH - 1020, kPlateaW - 600, 720);
    lblMontepremi.setAlignment(Label::Center);
    lblMontepremi.setBackStyle(0);

    // Frame6: the spin force.
    Frame6.move(kCentroX, 4500, kCentroW, 900);
    Frame6.setBackColor(kCrema);
    Frame6.setFontBold(true);
    pgbForza.move(120, 360, 2160, 360);
    pgbForza.setMin(0);
    pgbForza.setMax(5);

    for (Frame* f : {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6})
        f->setVisible(false);

    pccPosizioni.setRows(6);
    pccPosizioni.setCols(8);
    pccPortate.setRows(1);
    pccPortate.setCols(5);
    pccCarrello.setRows(3);
    pccCarrello.setCols(4);
}

void frmRuota::collega()
{
    cmdFine.Click = [this] { turni.cmdFine_Click(); };
    for (int i = 0; i <= 2; ++i)
        txtOpzione[i].Click = [this, i] { prenotazione.txtOpzione_Click(i); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    cmdJMenu.Click = [this] { cmdJMenu_Click(); };
    Salva.Click = [this] { Salva_Click(); };
    mmcMusica.Done = [this] { discorso.mmcMusica_Done(); };
    Esci.Click = [this] { Esci_Click(); };
    Menu_.Click = [this] { Menu_Click(); };
    Comandi.Click = [this] { Comandi_Click(); };
    Punteggi.Click = [this] { Punteggi_Click(); };
    Guida.Click = [this] { Guida_Click(); };
    Sito.Click = [this] { Sito_Click(); };
    Posta.Click = [this] { Posta_Click(); };
    Versione.Click = [this] { Versione_Click(); };

    cmdPrenota1.Click = [this] { cmdPrenota1_Click(); };
    cmdPrenota2.Click = [this] { cmdPrenota2_Click(); };
    cmdGira1.Click = [this] { cmdGira1_Click(); };
    cmdGira2.Click = [this] { cmdGira2_Click(); };

    tmrPressione.Tick = [this] { ruota.tmrPressione_Timer(); };
    tmrTempo.Tick = [this] { ruota.tmrTempo_Timer(); };
    tmrDondolio.Tick = [this] { ruota.tmrDondolio_Timer(); };
    tmrAnimazione.Tick = [this] { celebrazione.tmrAnimazione_Timer(); };
    tmrSecondi.Tick = [this] { prenotazione.tmrSecondi_Timer(); };
    cmdOK.Click = [this] { prenotazione.cmdOK_Click(); };
    cmdRipetere.Click = [this] { prenotazione.cmdRipetere_Click(); };
    cmdCancella.Click = [this] { prenotazione.cmdCancella_Click(); };
    cmdConferma.Click = [this] { secondaFase.cmdConferma_Click(); };
    tmrPausa.Tick = [this] { secondaFase.tmrPausa_Timer(); };
    tmrDomanda.Tick = [this] { secondaFase.tmrDomanda_Timer(); };
    for (int k = 0; k <= 11; ++k)
        argomento[k].Click = [this, k] { secondaFase.argomento_Click(k); };
    for (int i = 0; i <= 2; ++i)
        cmdOpzione[i].Click = [this, i] { secondaFase.cmdOpzione_Click(i); };

    imgJprimo.Click = [this] { jolly.imgJprimo_Click(); };
    imgJsecondo.Click = [this] { jolly.imgJsecondo_Click(); };
    imgJformaggio.Click = [this] { jolly.imgJformaggio_Click(); };
    imgJdolce.Click = [this] { jolly.imgJdolce_Click(); };
    imgJfrutta.Click = [this] { jolly.imgJfrutta_Click(); };

    // Every place a player may press to charge a spin with the mouse; the
    // controls inside the frames and the step button are not among them.
    for (Control* bersaglio : std::initializer_list<Control*>{
             &Tobrano, &imgPPrenota, &imgPostaz1, &imgPostaz2, &imgRuota2, &Image1, &Frame1, &Frame2, &Frame3,
             &Frame4, &Frame5, &cmdPrenota1, &cmdPrenota2, &cmdGira1, &cmdGira2, &lblConc1, &lblConc2, &lblOmbra1,
             &lblOmbra2, &lblScore1, &lblScore2, &lblScoreConc1, &lblScoreConc2})
        collegaMouse(*bersaglio);
    for (int w = 1; w <= 2; ++w)
        for (ControlArray<Image>* riga : righePortate(w))
            for (int i = 0; i <= riga->uBound(); ++i)
                collegaMouse((*riga)[i]);
    for (ControlArray<Image>* cappelli : {&cappello1, &cappello2})
        for (int i = 0; i <= cappelli->uBound(); ++i)
            collegaMouse((*cappelli)[i]);
}

}  // namespace zolmera

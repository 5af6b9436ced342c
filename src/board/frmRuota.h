#pragma once
// The match board: the wheel, the two stations with their buttons, the
// scoreboard, the trays of won courses, the step button and the six frames
// that come and go during a match. The controls and their layout live here;
// each concern of the match lives in its own component (engine/ and board/),
// which holds the board's variables of that concern.
#include "board/celebrazione.h"
#include "board/discorso.h"
#include "engine/esito.h"
#include "engine/finepartita.h"
#include "engine/jolly.h"
#include "engine/lancio.h"
#include "engine/prenotazione.h"
#include "engine/ruota.h"
#include "engine/secondafase.h"
#include "engine/turni.h"
#include "platform/controls.h"
#include "platform/multimedia.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "state/screen.h"

namespace zolmera {

class frmRuota final : public Screen {
public:
    explicit frmRuota(AppContext& context);
    ~frmRuota() override;

    // The design's places, for the layouts and the tests.
    static constexpr int kLarghezza = 12216, kAltezza = 7296;
    static constexpr quint32 kGiallo = 0xFFFF, kBlu = 0xFF0000;

    // Background and wheel.
    Image Image1{*this, QStringLiteral("Image1")};
    PictureBox imgRuota2{*this, QStringLiteral("imgRuota2")};

    // Host, booking picture, stations, hats, trays.
    Image Tobrano{*this, QStringLiteral("Tobrano")};
    Image imgPPrenota{*this, QStringLiteral("imgPPrenota")};
    Image imgPostaz1{*this, QStringLiteral("imgPostaz1")};
    Image imgPostaz2{*this, QStringLiteral("imgPostaz2")};
    ControlArray<Image> cappello1, cappello2;
    ControlArray<Image> primo1, pollo1, forma1, dolce1, frutta1;
    ControlArray<Image> primo2, pollo2, forma2, dolce2, frutta2;

    // Names and scoreboard.
    Label lblOmbra1{*this, QStringLiteral("lblOmbra1")};
    Label lblOmbra2{*this, QStringLiteral("lblOmbra2")};
    Label lblScoreConc1{*this, QStringLiteral("lblScoreConc1")};
    Label lblScoreConc2{*this, QStringLiteral("lblScoreConc2")};
    Label lblScore1{*this, QStringLiteral("lblScore1")};
    Label lblScore2{*this, QStringLiteral("lblScore2")};
    Label lblConc1{*this, QStringLiteral("lblConc1")};
    Label lblConc2{*this, QStringLiteral("lblConc2")};

    // Buttons of the stations and the step button.
    CommandButton cmdPrenota1{*this, QStringLiteral("cmdPrenota1")};
    CommandButton cmdGira1{*this, QStringLiteral("cmdGira1")};
    CommandButton cmdPrenota2{*this, QStringLiteral("cmdPrenota2")};
    CommandButton cmdGira2{*this, QStringLiteral("cmdGira2")};
    CommandButton cmdFine{*this, QStringLiteral("cmdFine")};
    CommandButton Command1{*this, QStringLiteral("Command1"), QStringLiteral("Z")};
    CommandButton Command2{*this, QStringLiteral("Command2"), QStringLiteral("[")};

    // Frame1: the jolly's course choice.
    Frame Frame1{*this, QStringLiteral("Frame1"), QStringLiteral("Scegli una portata:")};
    Image imgJprimo{Frame1, QStringLiteral("imgJprimo")};
    Image imgJsecondo{Frame1, QStringLiteral("imgJsecondo")};
    Image imgJformaggio{Frame1, QStringLiteral("imgJformaggio")};
    Image imgJdolce{Frame1, QStringLiteral("imgJdolce")};
    Image imgJfrutta{Frame1, QStringLiteral("imgJfrutta")};
    CommandButton cmdJMenu{Frame1, QStringLiteral("cmdJMenu"), QStringLiteral("MENU'")};

    // Frame2: booking and topic questions.
    Frame Frame2{*this, QStringLiteral("Frame2")};
    Image Image4{Frame2, QStringLiteral("Image4")};
    Label lblArgomento{Frame2, QStringLiteral("lblArgomento")};
    TextBox txtDomanda{Frame2, QStringLiteral("txtDomanda"), true};
    ControlArray<TextBox> txtOpzione;
    TextBox txtRisposta{Frame2, QStringLiteral("txtRisposta")};
    Label lblOrologio{Frame2, QStringLiteral("lblOrologio"), QStringLiteral("00")};
    Label Label1{Frame2, QStringLiteral("Label1"), QStringLiteral("Risp. esatte:")};
    Label lblMostraRisposte{Frame2, QStringLiteral("lblMostraRisposte")};
    CommandButton cmdOK{Frame2, QStringLiteral("cmdOK"), QStringLiteral("Ok")};
    CommandButton cmdConferma{Frame2, QStringLiteral("cmdConferma"), QStringLiteral("Ok")};
    CommandButton cmdCancella{Frame2, QStringLiteral("cmdCancella"), QStringLiteral("Cancella")};
    CommandButton cmdRipetere{Frame2, QStringLiteral("cmdRipetere"), QStringLiteral("Ripetere domanda")};

    // Frame3: the spin-or-change choice.
    Frame Frame3{*this, QStringLiteral("Frame3"), QStringLiteral("Scegli cosa fare:")};
    ControlArray<CommandButton> cmdOpzione;

    // Frame4: the topic boxes.
    Frame Frame4{*this, QStringLiteral("Frame4")};
    Image Image2{Frame4, QStringLiteral("Image2")};
    ControlArray<PictureBox> argomento;

    // Frame5: the celebration.
    Frame Frame5{*this, QStringLiteral("Frame5")};
    Image Image3{Frame5, QStringLiteral("Image3")};
    Label lblMontepremi{Frame5, QStringLiteral("lblMontepremi")};

    // Frame6: the spin force.
    Frame Frame6{*this, QStringLiteral("Frame6"), QStringLiteral("Scegli l'intensità del giro:")};
    ProgressBar pgbForza{Frame6, QStringLiteral("pgbForza")};

    // Timers and players.
    Timer tmrTempo{*this, QStringLiteral("tmrTempo"), 100, false};
    Timer tmrDondolio{*this, QStringLiteral("tmrDondolio"), 250, false};
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 100, false};
    Timer tmrPressione{*this, QStringLiteral("tmrPressione"), 250, false};
    Timer tmrPausa{*this, QStringLiteral("tmrPausa"), 3000, false};
    Timer tmrDomanda{*this, QStringLiteral("tmrDomanda"), 100, false};
    Timer tmrAnimazione{*this, QStringLiteral("tmrAnimazione"), 250, false};
    MultimediaControl mmcMelodia{*this, QStringLiteral("mmcMelodia")};
    MultimediaControl mmcMusica{*this, QStringLiteral("mmcMusica")};

    // Picture strips.
    PictureClip pccPosizioni;
    PictureClip pccPortate;
    PictureClip pccCarrello;

    // Menus.
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Salva{File, QStringLiteral("Salva"), QStringLiteral("&Salva")};
    Menu Linea1{File, QStringLiteral("Linea1"), QStringLiteral("-")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Visualizza{*this, QStringLiteral("Visualizza"), QStringLiteral("&Visualizza")};
    Menu Menu_{Visualizza, QStringLiteral("Menù"), QStringLiteral("&Menù del giorno"), QKeySequence(Qt::Key_F2)};
    Menu Comandi{Visualizza, QStringLiteral("Comandi"), QStringLiteral("&Comandi di gioco"), QKeySequence(Qt::Key_F3)};
    Menu Punteggi{Visualizza, QStringLiteral("Punteggi"), QStringLiteral("Migliori &punteggi"), QKeySequence(Qt::Key_F4)};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida"), QKeySequence(Qt::Key_F1)};
    Menu Sito{Info, QStringLiteral("Sito"), QStringLiteral("Visi&ta il sito")};
    Menu Posta{Info, QStringLiteral("Posta"), QStringLiteral("C&ontatta l'autore")};
    Menu Linea2{Info, QStringLiteral("Linea2"), QStringLiteral("-")};
    Menu Versione{Info, QStringLiteral("Versione"), QStringLiteral("&Informazioni su...")};

    // The match's concerns, each with its own variables.
    SequenzaTurni turni{*this};
    LancioProve lancio{*this};
    DomandaPrenotazione prenotazione{*this};
    Ruota ruota{*this};
    Esito esito{*this};
    Jolly jolly{*this};
    SecondaFase secondaFase{*this};
    FinePartita finePartita{*this};
    Discorso discorso{*this};
    Celebrazione celebrazione{*this};

    // The course rows of a contestant, in the order of the strip's cells.
    std::array<ControlArray<Image>*, 5> righePortate(int concorrente);
    QPixmap caricaImmagine(const QString& nome) { return ctx.sys.pictures.load(immagine(nome)); }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_MouseDown(int button, int shift, double x, double y) override;
    void Form_MouseUp(int button, int shift, double x, double y) override;

    // The mouse handlers shared by the board's surface and its targets.
    void mouseGiu(int button);
    void mouseSu(int button);
    void cmdPrenota1_Click();
    void cmdPrenota2_Click();
    void cmdGira1_Click();
    void cmdGira2_Click();

    // What the match is doing now. Each of the first five, when it ends,
    // brings the step button back itself or lights what comes next, so
    // nothing else may bring the step button back meanwhile; a side screen
    // only holds the board, and the button may come back under it.
    struct Attivita {
        bool giro = false;              // a spin charging, turning or rocking
        bool celebrazione = false;
        bool sceltaJolly = false;
        bool prova = false;             // a challenge window holds the board
        bool domanda = false;           // a booking or second-phase question is up
        bool secondaFase = false;       // covers, questions or the choice of the final
        bool schermoLaterale = false;   // the lunch menu, the controls...
        bool inCorso() const { return giro || celebrazione || sceltaJolly || prova || domanda || secondaFase; }
    };
    Attivita attivita() const;

    void Command1_Click();
    void Command2_Click();
    void Esci_Click();
    void Salva_Click();
    void Menu_Click();
    void Comandi_Click();
    void Punteggi_Click();
    void Guida_Click();
    void Sito_Click();
    void Posta_Click();
    void Versione_Click();
    void cmdJMenu_Click();

private:
    void disponi();
    void collega();
    void applicaGruppoEdizione();
    void applicaAspettoNomi();
    void tasti(int concorrente);
    void collegaMouse(Control& bersaglio);
    // The contestant on the mouse, 0 when both play on the keyboard.
    int concorrenteMouse() const;
    // Moves the play area sideways by dx twips (the arrows).
    void spostaArea(int dx);
    // The menus, side screens and arrows wait only while the wheel turns;
    // its rocking (see Ruota::inMoto) does not hold them.
    bool ruotaGira() const { return tmrTempo.enabled(); }

    // Texts of the four tool tips, held from the key set-up to step 15.
    QString testoPrenota_[3];
    QString testoGira_[3];

public:
    // Hats drawn for each contestant, which is also the index of his next.
    VbArray<quint8, 1, 2> bytCappelli;
    // Key codes of each contestant's booking and spin keys, upper and lower
    // case; -1 and -2 for the contestant on the mouse.
    int varCodPrenota1 = 0, varCodPrenota1Min = 0, varCodGira1 = 0, varCodGira1Min = 0;
    int varCodPrenota2 = 0, varCodPrenota2Min = 0, intCodGira2 = 0, intCodGira2Min = 0;
    // The code of the last key accepted as a booking or spin key; its
    // release releases the spin.
    int varUltimoTasto = 0;
};

}  // namespace zolmera

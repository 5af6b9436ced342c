#pragma once
// "PRIMA O DOPO": three questions, each an event to place before or after a
// reference event. Both contestants answer at once on their own left key
// (PRIMA) or right key (DOPO), within ten seconds; the first key is final.
// A right answer is a point: more points win, equal points tie, and no point
// on either side makes the game void.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

#include <vector>

namespace zolmera {

class frmProva19 final : public ProvaCompleta {
public:
    explicit frmProva19(AppContext& context);

    // 0..1 the names over the points; 2..5 the results panel's headings.
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    Label lblNDom{*this, QStringLiteral("lblNDom"), QStringLiteral("Domanda")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("10")};
    Image Image1{*this, QStringLiteral("Image1")};

    // The question and, under it, each contestant's keys.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label Label2{Frame1, QStringLiteral("Label2")};
    ControlArray<Label> lblEvento;
    ControlArray<Label> Label1;
    Label Label3{Frame1, QStringLiteral("Label3"), QStringLiteral("Tasti di")};
    Label lblTasti1{Frame1, QStringLiteral("lblTasti1")};
    Label Label4{Frame1, QStringLiteral("Label4"), QStringLiteral("Tasti di")};
    Label lblTasti2{Frame1, QStringLiteral("lblTasti2")};
    ControlArray<Label> opzione;
    Label lblVero1{Frame1, QStringLiteral("lblVero1")};
    Label lblFalso1{Frame1, QStringLiteral("lblFalso1")};
    Label lblVero2{Frame1, QStringLiteral("lblVero2")};
    Label lblFalso2{Frame1, QStringLiteral("lblFalso2")};

    // The results, in Frame1's place once the three questions are over.
    Frame Frame2{*this, QStringLiteral("Frame2")};
    ControlArray<Label> lblNumRisp, lblRispGiusta, lblEsito1, lblEsito2;
    Label lblNRisp1{Frame2, QStringLiteral("lblNRisp1")};
    Label lblNRisp2{Frame2, QStringLiteral("lblNRisp2")};

    // Row r of the table: the reference event (1), three events to place
    // (2 to 4) and their right answers (5 to 7).
    VbArray<VbArray<QString, 1, 7>, 1, 50> strEventi;
    // Question q: the event to place (1), the reference event (2), the right
    // answer (3).
    VbArray<VbArray<QString, 1, 3>, 1, 3> strDomande;
    // Contestant k's answer to question q: empty, "PRIMA" or "DOPO".
    VbArray<VbArray<QString, 1, 3>, 1, 2> strScelte;
    VbArray<qint16, 1, 2> intRisposteEsatte;
    // The running question; 4 once the three are over.
    int intDomanda = 0;
    // Both contestants answered the running question.
    bool intRisposto = false;

    void CaricaContenuti();
    void ValutaTurno();
    void DecretaVincitore();

    // The table as the game carries it: one row a line, its fields in this
    // order, each event followed by its date (checked at build, never read
    // by the game) and its answer.
    static constexpr int kRighe = 50, kQuesiti = 3;
    static constexpr int kCampoRiferimento = 0, kCampoDataRiferimento = 1, kCampi = 11;
    static constexpr int campoEvento(int i) { return 2 + 3 * i; }   // i = 0..2
    static constexpr int campoData(int i) { return 3 + 3 * i; }
    static constexpr int campoRisposta(int i) { return 4 + 3 * i; }
    static constexpr int kMaxRiferimento = 68, kMaxEvento = 72;
    static constexpr int kAttesa = 3, kSecondi = 10;

    static constexpr quint32 kTasti1 = 0x80FF80, kTasti2 = 0x80C0FF, kRisposto = 0;
    static constexpr quint32 kSi = 0xC000, kNo = 0xFF, kPannello = 0x40A040;

protected:
    void caricaGioco() override;
    void avvia() override;
    void tastoGioco(int& keyAscii) override;

private:
    enum class Fase { Ferma, Attesa, Domanda };
    // One question, from its spoken number to its end; false when the
    // window was closed meanwhile and nothing more may run.
    bool poniDomanda();
    void registra(int keyAscii);
    bool entrambi() const { return !strScelte[1][intDomanda].isEmpty() && !strScelte[2][intDomanda].isEmpty(); }
    void coloraTasti(int k, quint32 colore);

    Fase fase_ = Fase::Ferma;
    // Keys typed during a question's lead-in, in order, for that question.
    std::vector<int> tastiInAttesa_;
};

}  // namespace zolmera

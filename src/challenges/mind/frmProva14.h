#pragma once
// "IL DOMANDIERE": nine photos in a three-by-three grid for fifteen seconds,
// then five true-or-false questions on them, both contestants answering at
// once on their own left ("VERO") and right ("FALSO") keys. Every right
// answer is a point; more points win, equal points above zero tie, and no
// point for either makes the game void.
#include "challenges/base/completa.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva14 final : public ProvaCompleta {
public:
    explicit frmProva14(AppContext& context);

    // The nineteen photos of the pool, never shown themselves: photo n is
    // element n - 1.
    ControlArray<Image> imgFotomini;

    // The grid: Image1(k) shows cell k + 1, in row k / 3 and column k % 3;
    // the headers "1" to "3" over the columns and "A" to "C" left of the rows.
    Frame Frame2{*this, QStringLiteral("Frame2")};
    ControlArray<Image> Image1;
    ControlArray<Label> Label3;

    // The question panel, in the grid's place.
    Frame Frame1{*this, QStringLiteral("Frame1")};
    // Behind the question's number: the question written out, for when
    // nobody speaks it.
    Label lblDomandiere{Frame1, QStringLiteral("lblDomandiere")};
    Label lblDomanda{Frame1, QStringLiteral("lblDomanda")};
    Image figura{Frame1, QStringLiteral("figura")};
    TextBox txtCasella{Frame1, QStringLiteral("txtCasella")};
    Label lblOrologio{Frame1, QStringLiteral("lblOrologio"), QStringLiteral("10")};
    Label Label2{Frame1, QStringLiteral("Label2"), QStringLiteral("Tasti di")};
    Label Label4{Frame1, QStringLiteral("Label4"), QStringLiteral("Tasti di")};
    Label lblTasti1{Frame1, QStringLiteral("lblTasti1")};
    Label lblTasti2{Frame1, QStringLiteral("lblTasti2")};
    Label lblVero1{Frame1, QStringLiteral("lblVero1")};
    Label lblFalso1{Frame1, QStringLiteral("lblFalso1")};
    Label lblVero2{Frame1, QStringLiteral("lblVero2")};
    Label lblFalso2{Frame1, QStringLiteral("lblFalso2")};
    ControlArray<Label> opzione;

    // The results, a row a question, and the points.
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> Label1;
    ControlArray<Label> risultato1, risultato2;
    ControlArray<Label> lblPunti;
    Label Label6{*this, QStringLiteral("Label6"), QStringLiteral("punti")};
    ControlArray<Image> Image2;

    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 15000, false};

    // The photo of each cell, 1 to 19.
    VbArray<qint16, 1, 9> intGriglia;
    // Each question: its photo, the cell it names (0 for none) and its answer.
    VbArray<qint16, 1, 5> intFotoDomanda, intCasellaDomanda;
    VbArray<QString, 1, 5> strSoluzione;
    // Each contestant's answer to each question, "VERO", "FALSO" or empty:
    // contestant c's answer to question q is strRisposte(c, q), at
    // (c - 1) * 5 + q.
    VbArray<QString, 1, 10> strRisposte;
    VbArray<qint16, 1, 2> intPunti;
    int varDomanda = 0;
    int intRisposteDate = 0;
    bool intRispostoEntrambi = false;

    QString& risposta(int c, int q) { return strRisposte[(c - 1) * 5 + q]; }

    void tmrSecondi_Timer();
    void CaricaContenuti();
    void DecretaVincitore();

    static constexpr int kFoto = 19, kCaselle = 9, kDomande = 5;
    static constexpr int kMostraGriglia = 15, kRisposta = 10, kPausa = 3;
    static constexpr quint32 kTasti1 = 0xFFFF, kTasti2 = 0xFF00, kNero = 0;
    static constexpr quint32 kGiusta = 0xFF0000, kSbagliata = 0xFF;
    // The questions as the recordings ask them.
    static const QString kTesti[5];
    static QString casella(int cella);

protected:
    void caricaGioco() override;
    void avvia() override;
    void tastoGioco(int& keyAscii) override;

private:
    // Runs the five questions and the verdict inside the start press; false
    // when the window was closed on the way.
    bool domande();
    // A cell next to d in number, or d itself, each as likely.
    int vicina(int d);
    void rispondi(int c, const QString& risposta);
};

}  // namespace zolmera

#pragma once
// "IL REBUS": a phrase spelt out as a grid of little drawings, one for each
// letter, each thing's name beginning with its letter. Each contestant in
// turn has sixty seconds to type the phrase and confirm it; a right answer
// beats a wrong one, and of two right answers the quicker wins.
#include "challenges/base/completa.h"
#include "challenges/mind/rebus.h"
#include "platform/pictures.h"
#include "state/vbtypes.h"

#include <QList>

namespace zolmera {

class frmProva20 final : public ProvaCompleta {
public:
    explicit frmProva20(AppContext& context);

    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblSecondi;
    Label Label11{*this, QStringLiteral("Label11"), QStringLiteral("tempo")};
    Label lblOrologio{*this, QStringLiteral("lblOrologio"), QStringLiteral("60")};
    Image Image1{*this, QStringLiteral("Image1")};
    ControlArray<Image> imgFrase;
    // Stored pictures, never shown themselves.
    PictureClip PccRebus;
    Image imgAccento{*this, QStringLiteral("imgAccento")};

    Frame Frame1{*this, QStringLiteral("Frame1")};
    Label Label1{Frame1, QStringLiteral("Label1"), QStringLiteral("Risposta:")};
    TextBox txtRispRebus{Frame1, QStringLiteral("txtRispRebus")};
    CommandButton cmdConferma{Frame1, QStringLiteral("cmdConferma"), QStringLiteral("Conferma")};
    CommandButton cmdCancella{Frame1, QStringLiteral("cmdCancella"), QStringLiteral("Cancella")};

    // Row intFrase is strFrasiRebus[intFrase - 1].
    QList<rebus::Rebus> strFrasiRebus;
    int varTurno = 0;
    int varTurnoDi = 1;
    int intFrase = 1;
    bool intConfermato = false;
    QString strRisposta;
    VbArray<int, 1, 2> intEsatte;
    VbArray<double, 1, 2> dblTempoResiduo;
    double dblResiduo = 0;

    void cmdConferma_Click();
    void cmdCancella_Click();
    void PreparaTurno();
    void DecretaVincitore();

    static constexpr int kTurno = 60;

protected:
    void caricaGioco() override;
    void avvia() override;

private:
    void svuotaGriglia();
    bool inTurno_ = false;
};

// The phrases of the table content/prove/rebus.tsv, laid out; a row that
// cannot be is left out (the build refuses such a table).
QList<rebus::Rebus> frasiRebus();

}  // namespace zolmera

#pragma once
// The second phase: twelve topics hidden under the trolley's covers, three
// chosen by each contestant in turn, one question of each in 45 seconds, and
// the choice between the spins earned and one or two changed questions.
#include "state/vbtypes.h"

#include <QString>

namespace zolmera {

class frmRuota;

class SecondaFase {
public:
    explicit SecondaFase(frmRuota& board) : R(board) {}

    // The topic names read from the archive and the twelve under the covers.
    VbArray<QString, 0, 29> strArgomenti;
    int varNumArgomenti = 0;
    VbArray<QString, 0, 11> strArgomentiEstratti;
    VbArray<QString, 1, 3> strArgomentiScelti;
    // How many covers the contestant chooses (3, or 1 or 2 after a change),
    // the next place to fill and, during the questions, the question's number.
    int intDomandeDaScegliere = 0;
    int varSceltaArgomento = 1;
    // Set once the choice has been shown in the turn: questions now stake the spins.
    bool intCambioDomande = false;
    int varUltimaOpzione = 0;
    QString strRispostaArgomento;
    // The twelve covers hide twelve topics; false when the archive has too few.
    bool argomentiPronti = false;

    // Turn 7: the final's look, who begins, the jingle, the topics drawn.
    void IniziaSecondaFase();
    // The covers are up for the contestant of the turn: an archive with too
    // few topics says so and ends the turn as with no right answer.
    void ScelteAperte();
    void argomento_Click(int index);

    void tmrPausa_Timer();
    void cmdConferma_Click();
    void tmrDomanda_Timer();

    void ScegliCosaFare();
    void cmdOpzione_Click(int index);

    // A question is on screen and not judged yet.
    bool domandaAperta() const { return domandaAperta_; }

private:
    void sceltaContestante();
    void lancioMoneta();
    void estraiArgomenti();
    void giusta();
    void prossimaDomanda();
    // A change batch lost: the spins go and the choice comes back.
    void cambioPerso();
    void suona(const QString& nome);

    bool domandaAperta_ = false;
    frmRuota& R;
};

}  // namespace zolmera

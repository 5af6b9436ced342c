#pragma once
// The game's one program-wide store: the loaded settings, the edition, the two
// contestants of the match, the competition in play and the state of the turn.
// Every screen reads and writes these directly; it lives for the whole run.
#include "state/vbtypes.h"

#include <QString>

namespace zolmera {

struct Modulo1 {
    // Each contestant's booking and spin control: "Mouse" or one upper-case key.
    QString strPrenota1;
    QString strGira1;
    QString strPrenota2;
    QString strGira2;
    // Direction keys, also the answer keys of some challenges.
    QString strSu1, strGiu1, strSx1, strDx1;
    QString strSu2, strGiu2, strSx2, strDx2;
    // Sound switches: "Play" or empty; each is the play command of its sounds.
    QString strMusica;
    QString strParlato;
    QString strEffetti;
    // Edition key and its digit ("1", "3", "2", "4" for ZOLMER90, 91, SERO92,
    // ZOLMER93); the digit holds character 0 until an edition is loaded.
    QString strModGioco;
    FixedText<1> strNumModGioco{QChar(0)};
    QString strSigla;     // presentation switch, "Si" or "No"
    QString strConduce;   // host switch, "Si" or "No"
    bool intNatale = false;

    VbArray<QString, 1, 2> strVoceConcorrente;
    VbArray<FixedText<11>, 1, 2> strNomeConcorrente;
    VbArray<qint32, 1, 2> lngVincita;

    QString strFileCampionato;
    QString strFileGiornate;
    QString strFileStagione;
    QString strFileMontepremi;
    QString strFilePunteggi;
    QString strFileClassifica;

    qint16 intGiornata = 0;
    qint32 lngMontepremi = 0;
    quint8 bytConcorrente = 0;
    VbArray<quint8, 1, 2> bytGiri;
    quint8 bytMenuCompleto = 0;
    QString strRispostaEsatta;
    QString strFileDomanda;
    qint16 varPosRuota = 0;
    qint16 intPassiRuota = 0;
    bool intEsci = false;
    quint8 bytTipoGioco = 0;

    // Several screens clear the six paths of the competition together.
    void clearCompetitionPaths()
    {
        strFileCampionato.clear();
        strFileGiornate.clear();
        strFileStagione.clear();
        strFileMontepremi.clear();
        strFilePunteggi.clear();
        strFileClassifica.clear();
    }
};

}  // namespace zolmera

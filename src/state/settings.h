#pragma once
// The settings file zolmer.dat: one record of eighteen length-prefixed texts
// in slot 1, written by the options screen and read once at start-up.
#include "state/vbtypes.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zolmera {

class AppContext;
struct Modulo1;

struct RecImpostazioni {
    VbArray<QString, 1, 2> Prenota;
    VbArray<QString, 1, 2> Gira;
    VbArray<QString, 1, 2> Su;
    VbArray<QString, 1, 2> Giu;
    VbArray<QString, 1, 2> Sx;
    VbArray<QString, 1, 2> Dx;
    QString Musica;
    QString Parlato;
    QString Effetti;
    QString ModGioco;
    QString Sigla;
    QString Conduce;
};

inline constexpr char kFileImpostazioni[] = "zolmer.dat";

// The values of the options screen's "Ripristina": Z X and N M, W S A D and
// I K J L, every switch on, edition ZOLMER90.
RecImpostazioni impostazioniPredefinite();

// The record as it lies on disk: field by field, contestant 1 before 2.
QByteArray codificaImpostazioni(const RecImpostazioni& rec);
// Nothing when the bytes end inside the record or it overruns its slot.
std::optional<RecImpostazioni> decodificaImpostazioni(const QByteArray& bytes);

// The edition digit of an edition key, or an empty text for any other text.
QString cifraEdizione(const QString& key);

enum class EsitoLettura { Letto, Mancante, Vuoto, Illeggibile };
struct LetturaImpostazioni {
    EsitoLettura esito;
    RecImpostazioni rec;   // the defaults unless esito is Letto
};
// Reads record 1. A missing, empty or unreadable file gives the defaults and
// creates nothing.
LetturaImpostazioni leggiImpostazioni(const QString& path);

// A stored sound switch as the game holds it: "" only for exactly "No", else "Play".
QString valoreInterruttore(const QString& stored);
// A stored presentation or host switch: "No" only for exactly "No", else "Si".
QString valoreSiNo(const QString& stored);

// Copies the twelve keys of a record into the shared state, as stored.
void applicaTasti(Modulo1& m, const RecImpostazioni& rec);

// Copies a record into the shared state: switches read as off only when
// exactly "No"; an unknown edition key leaves the edition as it was.
void applicaImpostazioni(Modulo1& m, const RecImpostazioni& rec);

// Saves the record and, only once it is safely on disk, makes it the game's
// settings. A record too long for its slot, or a failed write, is reported in
// an "ATTENZIONE!" box and changes nothing.
bool salvaImpostazioni(AppContext& ctx, const RecImpostazioni& rec);

}  // namespace zolmera

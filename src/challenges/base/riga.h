#pragma once
// A short challenge whose item is one row of its table: a text to read for
// the reading time, and the answer, with three choices in the row's own
// order or none to type it freely.
#include "challenges/base/breve.h"

namespace zolmera {

class ProvaRiga : public ProvaBreve {
public:
    // Where a row keeps what the window uses, counting fields from 1.
    struct Campi {
        int testo = 1;      // shown in the reading box, exactly as stored
        int scelte = 2;     // the first of the three choices; 0: none, a free answer
        int risposta = 5;
    };
    // The reading box in "Comic Sans MS" of this size, as wide as the window
    // allows; the window grows to hold it and the start button under it.
    struct Aspetto {
        double dimensione = 0;
        int larghezza = 0;       // the window, in twips
        int altezzaTesto = 0;    // the reading box
    };

    ProvaRiga(AppContext& context, int k, const QString& tabella, Campi campi, const Aspetto& aspetto);

    // The table, as the program carries it, and the row drawn (from 1; 0
    // while the table is empty).
    QList<QStringList> righe;
    int r = 0;

protected:
    void caricaElemento() override;

private:
    Campi campi_;
};

}  // namespace zolmera

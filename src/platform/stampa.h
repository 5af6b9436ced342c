#pragma once
// Tables printed as lines of text: one line per call from the top of the page
// down, in a font of equal-width characters, so columns laid out with blanks
// stay columns on paper.
#include "platform/services.h"

#include <QStringList>

namespace zolmera {

class StampaRighe {
public:
    StampaRighe(Printer& printer, const QString& documento, double punti);
    // A line that would cross the foot of the page begins the next one.
    void riga(const QString& testo = {});
    // Sends the document; false when it could not be (see errore()).
    bool fine();
    QString errore() const { return job_->errorString(); }
    QString destinazione() const { return job_->destination(); }
    bool suFile() const { return job_->toFile(); }

private:
    std::unique_ptr<PrintJob> job_;
    int y_ = 0;
};

// Prints the lines, then tells the player what became of them when he could
// not guess: where the document went with no printer installed, or why it
// could not be printed. True when it was sent.
bool stampaRighe(Printer& printer, MessageBoxes& messaggi, const QString& documento, const QStringList& righe,
                 double punti);

}  // namespace zolmera

#include "platform/stampa.h"

namespace zolmera {

StampaRighe::StampaRighe(Printer& printer, const QString& documento, double punti) : job_(printer.begin(documento))
{
    job_->setFont(QStringLiteral("Courier New"), punti, false, true);
}

void StampaRighe::riga(const QString& testo)
{
    const int altezza = job_->lineHeightTwips();
    if (y_ > 0 && y_ + altezza > job_->pageHeightTwips()) {
        job_->newPage();
        y_ = 0;
    }
    if (!testo.isEmpty())
        job_->printAt(0, y_, testo);
    y_ += altezza;
}

bool StampaRighe::fine() { return job_->end(); }

bool stampaRighe(Printer& printer, MessageBoxes& messaggi, const QString& documento, const QStringList& righe,
                 double punti)
{
    StampaRighe stampa(printer, documento, punti);
    for (const QString& r : righe)
        stampa.riga(r);
    if (!stampa.fine()) {
        const QString errore = stampa.errore();
        messaggi.msgBox(errore.isEmpty() ? QStringLiteral("La stampa non è riuscita.") : errore, mb::Exclamation,
                        QStringLiteral("ATTENZIONE!"));
        return false;
    }
    if (stampa.suFile())
        messaggi.msgBox(QStringLiteral("Non c'è una stampante: la stampa è stata salvata nel file\n%1")
                            .arg(stampa.destinazione()),
                        mb::Information);
    return true;
}

}  // namespace zolmera

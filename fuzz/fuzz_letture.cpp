// Every reader of a file the user can touch or choose in a dialog, fed any
// bytes: as records, and as a whole file read slot by slot.
#include "records/archivi.h"
#include "records/domande.h"
#include "platform/recordfile.h"
#include "state/settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace zolmera;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    decodificaImpostazioni(bytes);
    RecMontepremi::decodifica(bytes);
    RecPostazioneStagione::decodifica(bytes);
    RecPunteggio::decodifica(bytes);
    RecGiocatoreCampionato::decodifica(bytes);
    RecGiornataCampionato::decodifica(bytes);
    RecArgomento::decodifica(bytes);
    RecDomandaArchivio::decodifica(bytes);
    RecRisposteArchivio::decodifica(bytes);
    RecordReader r(bytes);
    for (int i = 0; i < 8; ++i) {
        r.text();
        r.date();
        r.fixedText(i);
        r.int16();
    }

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("competizione.dat"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
        f.close();
    }
    leggiImpostazioni(path);
    // The same bytes as each of the quiz's three archives.
    for (const QString& nome : {kFileArgomenti, kFileDomande, kFileRisposte}) {
        QFile::remove(dir.filePath(nome));
        QFile::copy(path, dir.filePath(nome));
    }
    const ArchiviDomande archivi(dir.path());
    for (const QString& nome : archivi.LeggiArgomenti()) {
        const qint16 codice = archivi.CodiceArgomento(nome);
        for (int n : archivi.numeriDomande(codice)) {
            archivi.LeggiDomanda(codice, n);
            archivi.LeggiRisposte(codice, n);
        }
        archivi.NumeroMassimo(codice);
    }
    archivi.ContaDomande();

    const RecordFile file(path);
    const int quanti = qMin(file.slotCount() + 1, 64);
    for (int n = 1; n <= quanti; ++n) {
        const QByteArray slot = file.readSlot(n);
        RecPunteggio::decodifica(slot);
        RecPostazioneStagione::decodifica(slot);
    }
    return 0;
}

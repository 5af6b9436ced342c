#include "records/domande.h"

#include "platform/recordfile.h"

#include <algorithm>

namespace zolmera {

QByteArray RecArgomento::codifica() const
{
    RecordWriter w;
    w.int16(Codice);
    w.text(Argomento);
    return w.bytes();
}

RecArgomento RecArgomento::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecArgomento a;
    a.Codice = r.int16();
    a.Argomento = r.text();
    return a;
}

QByteArray RecDomandaArchivio::codifica() const
{
    RecordWriter w;
    w.int16(Numero);
    w.int16(Codice);
    w.text(Domanda);
    return w.bytes();
}

RecDomandaArchivio RecDomandaArchivio::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecDomandaArchivio d;
    d.Numero = r.int16();
    d.Codice = r.int16();
    d.Domanda = r.text();
    return d;
}

QByteArray RecRisposteArchivio::codifica() const
{
    RecordWriter w;
    w.int16(Numero);
    w.int16(Codice);
    w.text(Opzione1);
    w.text(Opzione2);
    w.text(Opzione3);
    w.text(Risposta);
    return w.bytes();
}

RecRisposteArchivio RecRisposteArchivio::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecRisposteArchivio a;
    a.Numero = r.int16();
    a.Codice = r.int16();
    a.Opzione1 = r.text();
    a.Opzione2 = r.text();
    a.Opzione3 = r.text();
    a.Risposta = r.text();
    return a;
}

namespace {
template <class Rec>
QList<Rec> leggiTutto(const QString& percorso, int limite = -1)
{
    QList<Rec> out;
    // Reading never creates a missing archive: it holds no records.
    for (const QByteArray& slot : RecordFile(percorso).readSlots()) {
        if (limite >= 0 && out.size() >= limite)
            break;
        out << Rec::decodifica(slot);
    }
    return out;
}
}  // namespace

ArchiviDomande::ArchiviDomande(const QString& cartella)
    : argomenti_(cartella + QLatin1Char('/') + kFileArgomenti), domande_(cartella + QLatin1Char('/') + kFileDomande),
      risposte_(cartella + QLatin1Char('/') + kFileRisposte)
{
}

QStringList ArchiviDomande::LeggiArgomenti() const
{
    QStringList nomi;
    for (const RecArgomento& a : leggiTutto<RecArgomento>(argomenti_, kMaxArgomenti))
        nomi << a.Argomento;
    return nomi;
}

qint16 ArchiviDomande::CodiceArgomento(const QString& nome) const
{
    for (const RecArgomento& a : leggiTutto<RecArgomento>(argomenti_))
        if (a.Argomento == nome)
            return a.Codice;
    return 0;
}

int ArchiviDomande::NumeroMassimo(qint16 codice) const
{
    int m = 1;
    for (const RecDomandaArchivio& d : domande())
        if (d.Codice == codice && d.Numero > m)
            m = d.Numero;
    return m;
}

QList<int> ArchiviDomande::numeriDomande(qint16 codice) const
{
    QList<int> numeri;
    for (const RecDomandaArchivio& d : domande())
        if (d.Codice == codice && !numeri.contains(d.Numero))
            numeri << d.Numero;
    return numeri;
}

std::optional<QString> ArchiviDomande::LeggiDomanda(qint16 codice, int numero) const
{
    for (const RecDomandaArchivio& d : domande())
        if (d.Codice == codice && d.Numero == numero)
            return d.Domanda;
    return std::nullopt;
}

std::optional<RecRisposteArchivio> ArchiviDomande::LeggiRisposte(qint16 codice, int numero) const
{
    for (const RecRisposteArchivio& r : risposte())
        if (r.Codice == codice && r.Numero == numero)
            return r;
    return std::nullopt;
}

int ArchiviDomande::ContaDomande() const { return RecordFile(domande_).slotCount(); }

QList<RecDomandaArchivio> ArchiviDomande::domande() const { return leggiTutto<RecDomandaArchivio>(domande_); }

QList<RecRisposteArchivio> ArchiviDomande::risposte() const { return leggiTutto<RecRisposteArchivio>(risposte_); }

}  // namespace zolmera

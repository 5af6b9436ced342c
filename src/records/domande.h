#pragma once
// The second phase's question archives, read-only files of the program's
// folder: the topics (archivio1.dat), the questions (archivio2.dat) and,
// record for record beside them, each question's options and answer
// (archivio3.dat). Every operation reads its file from the first record and
// keeps nothing: the archives are small and read a few times a match.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zolmera {

struct RecArgomento {
    qint16 Codice = 0;
    QString Argomento;

    QByteArray codifica() const;
    static RecArgomento decodifica(const QByteArray& bytes);
};

struct RecDomandaArchivio {
    qint16 Numero = 0;
    qint16 Codice = 0;
    QString Domanda;

    QByteArray codifica() const;
    static RecDomandaArchivio decodifica(const QByteArray& bytes);
};

struct RecRisposteArchivio {
    qint16 Numero = 0;
    qint16 Codice = 0;
    QString Opzione1, Opzione2, Opzione3;
    QString Risposta;   // upper case, as a typed answer is judged

    QByteArray codifica() const;
    static RecRisposteArchivio decodifica(const QByteArray& bytes);
};

inline const QString kFileArgomenti = QStringLiteral("archivio1.dat");
inline const QString kFileDomande = QStringLiteral("archivio2.dat");
inline const QString kFileRisposte = QStringLiteral("archivio3.dat");
// The topic table holds this many; later topic records are not read.
inline constexpr int kMaxArgomenti = 30;

class ArchiviDomande {
public:
    explicit ArchiviDomande(const QString& cartella);

    QString percorsoArgomenti() const { return argomenti_; }
    QString percorsoDomande() const { return domande_; }
    QString percorsoRisposte() const { return risposte_; }

    // The topic names of the first thirty records, in record order.
    QStringList LeggiArgomenti() const;
    // The code of the first topic of that name, byte for byte; 0 for none.
    qint16 CodiceArgomento(const QString& nome) const;
    // The largest question number of the topic, at least 1.
    int NumeroMassimo(qint16 codice) const;
    // The question numbers the topic has, each once, in record order.
    QList<int> numeriDomande(qint16 codice) const;
    std::optional<QString> LeggiDomanda(qint16 codice, int numero) const;
    std::optional<RecRisposteArchivio> LeggiRisposte(qint16 codice, int numero) const;
    // Records of the question archive: one per slot the file begins.
    int ContaDomande() const;
    // Whole archives, record r at index r - 1.
    QList<RecDomandaArchivio> domande() const;
    QList<RecRisposteArchivio> risposte() const;

private:
    QString argomenti_, domande_, risposte_;
};

}  // namespace zolmera

// The riddles' table: every row the build lets through flashes words that
// fit the box and asks a riddle whose answer is one of them.
#include "challenges/short/frmProvina13.h"
#include "prove.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// A table that keeps every rule: a note, then on line k + 1 the words
// "Parola k.1" to "Parola k.8", the riddle "Indovinello k", the answer
// "PAROLA k.4" and a source.
QStringList indovinelliValidi()
{
    QStringList righe{QStringLiteral("# indovinelli di prova")};
    for (int k = 1; k <= 60; ++k) {
        QStringList campi;
        for (int p = 1; p <= 8; ++p)
            campi << QStringLiteral("Parola %1.%2").arg(k).arg(p);
        campi << QStringLiteral("Indovinello %1").arg(k) << QStringLiteral("PAROLA %1.4").arg(k)
              << QStringLiteral("tradizionale");
        righe << campi.join(u'\t');
    }
    return righe;
}

QStringList controlla(const QByteArray& dati)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(QStringLiteral("indovinelli.tsv"), dati, errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestIndovinelli : public QObject {
    Q_OBJECT
private slots:
    void aBrokenRiddleStopsTheBuild_data()
    {
        // Line 8, row 7, becomes its eight words, then these fields; "-" removes it.
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QString>("resto");
        QTest::addColumn<QStringList>("errori");
        QStringList otto;
        for (int p = 1; p <= 8; ++p)
            otto << QStringLiteral("Parola 7.%1").arg(p);
        auto con = [&otto](int p, const QString& parola) {
            QStringList l = otto;
            l[p - 1] = parola;
            return l;
        };
        const QString resto = QStringLiteral("Indovinello 7\tPAROLA 7.4\ttradizionale");
        const QString qui = QStringLiteral("indovinelli.tsv:8: ");
        QTest::newRow("kept: an accented answer")
            << con(4, QStringLiteral("Martedì")) << QStringLiteral("Indovinello 7\tMARTEDÌ\tscritto per il gioco")
            << QStringList();
        QTest::newRow("kept: digits") << QStringList{"3", "4", "5", "6", "2", "1", "0", "7"}
                                      << "Indovinello 7\t6\ttradizionale" << QStringList();
        QTest::newRow("an answer not among the words") << otto << "Indovinello 7\tPAROLA 7.9\ttradizionale"
                                                       << QStringList{qui + "the answer is none of the eight words in upper case"};
        QTest::newRow("an answer not upper-cased") << otto << "Indovinello 7\tParola 7.4\ttradizionale"
                                                   << QStringList{qui + "the answer is none of the eight words in upper case"};
        QTest::newRow("an answer with a blank after it") << otto << "Indovinello 7\tPAROLA 7.4 \ttradizionale"
                                                         << QStringList{qui + "the answer has blanks around it"};
        QTest::newRow("the same word twice, in another case")
            << con(6, QStringLiteral("PAROLA 7.2")) << resto << QStringList{qui + "words 2 and 6 are the same word"};
        QTest::newRow("an empty word") << con(3, QString()) << resto << QStringList{qui + "word 3 is empty"};
        QTest::newRow("a word of 12 characters") << con(8, QString(12, u'm')) << resto << QStringList();
        QTest::newRow("a word of 13 characters") << con(8, QString(13, u'm')) << resto
                                                 << QStringList{qui + "word 8 is longer than 12 characters"};
        QTest::newRow("a riddle of 100 characters")
            << otto << QString(100, u'm') + "\tPAROLA 7.4\ttradizionale" << QStringList();
        QTest::newRow("a riddle of 101 characters") << otto << QString(101, u'm') + "\tPAROLA 7.4\ttradizionale"
                                                    << QStringList{qui + "the riddle is longer than 100 characters"};
        QTest::newRow("no riddle") << otto << "\tPAROLA 7.4\ttradizionale" << QStringList{qui + "the riddle is empty"};
        QTest::newRow("a riddle from elsewhere")
            << otto << "Indovinello 7\tPAROLA 7.4\tsettimana enigmistica"
            << QStringList{qui + "the source must be one of: tradizionale, scritto per il gioco"};
        QTest::newRow("seven words") << otto.mid(0, 7) << resto
                                     << QStringList{qui + "a row must be: eight words, riddle, answer, source"};
        QTest::newRow("no source") << otto << "Indovinello 7\tPAROLA 7.4"
                                   << QStringList{qui + "a row must be: eight words, riddle, answer, source"};
        QTest::newRow("59 riddles") << QStringList{"-"} << QString()
                                    << QStringList{"indovinelli.tsv: the table has 59 riddles, not 60"};
    }
    void aBrokenRiddleStopsTheBuild()
    {
        QFETCH(QStringList, parole);
        QFETCH(QString, resto);
        QFETCH(QStringList, errori);
        QStringList righe = indovinelliValidi();
        QVERIFY(righe[8 - 1].startsWith(QStringLiteral("Parola 7.1\t")));
        if (parole == QStringList{"-"})
            righe.removeAt(8 - 1);
        else
            righe[8 - 1] = parole.join(u'\t') + u'\t' + resto;
        QCOMPARE(controlla(righe.join(u'\n').toUtf8()), errori);
    }

    // The game gets the eight words, the riddle and the answer, not the source.
    void theGameGetsNoSource()
    {
        QList<ErroreTabella> errori;
        const Tabella t = leggiTabella(QStringLiteral("indovinelli.tsv"), indovinelliValidi().join(u'\n').toUtf8(), errori);
        QVERIFY(errori.isEmpty());
        const QList<QByteArray> righe = tabellaGioco(t).split('\n');
        QCOMPARE(righe.value(0), QByteArray("Parola 1.1\tParola 1.2\tParola 1.3\tParola 1.4\tParola 1.5\tParola 1.6\t"
                                            "Parola 1.7\tParola 1.8\tIndovinello 1\tPAROLA 1.4"));
    }
};

QTEST_GUILESS_MAIN(TestIndovinelli)
#include "tst_prove_indovinelli.moc"

// The second phase's quiz: the archives the build compiled keep every rule the
// board and CULTURA GENERALE rely on, read through the game's own readers; and
// the compiler stops on each broken rule, naming the table, the line and the rule.
#include "archivi.h"
#include "platform/text.h"
#include "records/domande.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// A table of one topic that keeps every rule: code k, name "Tema k",
// fifteen questions, the right option moving round the three places.
QStringList tabellaValida(int k)
{
    QStringList righe{QStringLiteral("# tema di prova"), QStringLiteral("A\t%1\tTema %1").arg(k)};
    for (int j = 1; j <= 15; ++j) {
        QStringList o{QStringLiteral("Uno %1"), QStringLiteral("Due %1"), QStringLiteral("Tre %1")};
        for (QString& x : o)
            x = x.arg(k * 100 + j);
        o[j % 3].prepend(u'*');
        righe << QStringLiteral("D\tDomanda %1 del tema %2?\t").arg(j).arg(k) + o.join(u'\t') + QStringLiteral("\tnota");
    }
    return righe;
}

QList<Tabella> leggiTutte(const QTemporaryDir& dir, int quante, QList<ErroreTabella>& errori)
{
    QList<Tabella> out;
    for (int k = 1; k <= quante; ++k)
        out << leggiTabella(dir.filePath(QStringLiteral("%1.tsv").arg(k, 2, 10, QLatin1Char('0'))), errori);
    return out;
}

void scrivi(const QTemporaryDir& dir, int k, const QByteArray& contenuto)
{
    QFile f(dir.filePath(QStringLiteral("%1.tsv").arg(k, 2, 10, QLatin1Char('0'))));
    if (!f.open(QIODevice::WriteOnly) || f.write(contenuto) != contenuto.size())
        qFatal("cannot write a test table");
}

}  // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void theBuiltQuizKeepsItsRules()
    {
        const ArchiviDomande a(QStringLiteral(ZOLMERA_PROGRAM_DIR));
        const QList<RecDomandaArchivio> domande = a.domande();
        const QList<RecRisposteArchivio> risposte = a.risposte();
        const QStringList nomi = a.LeggiArgomenti();
        QVERIFY2(nomi.size() >= 12 && nomi.size() <= 30, qPrintable(QString::number(nomi.size())));
        QCOMPARE(QSet<QString>(nomi.cbegin(), nomi.cend()).size(), nomi.size());
        QCOMPARE(domande.size(), risposte.size());
        QCOMPARE(a.ContaDomande(), int(domande.size()));

        QSet<qint16> codici;
        QSet<QString> testi;
        int posti[3] = {};
        for (const QString& nome : nomi) {
            QVERIFY2(!nome.isEmpty() && nome.size() <= 30, qPrintable(nome));
            const qint16 codice = a.CodiceArgomento(nome);
            QVERIFY2(codice != 0 && !codici.contains(codice), qPrintable(nome));
            codici.insert(codice);
            // Numbered 1..M, each number once, at least fifteen.
            const QList<int> numeri = a.numeriDomande(codice);
            QVERIFY2(numeri.size() >= 15, qPrintable(nome));
            QCOMPARE(a.NumeroMassimo(codice), int(numeri.size()));
            for (int n = 1; n <= numeri.size(); ++n) {
                const auto d = a.LeggiDomanda(codice, n);
                const auto r = a.LeggiRisposte(codice, n);
                QVERIFY2(d && r, qPrintable(QStringLiteral("%1 %2").arg(nome).arg(n)));
                const QString dove = QStringLiteral("%1 %2: %3").arg(nome).arg(n).arg(*d);
                QVERIFY2(!d->isEmpty() && toCp1252(*d).size() <= 122, qPrintable(dove));
                QVERIFY2(!testi.contains(vbUCase(*d)), qPrintable(dove));
                testi.insert(vbUCase(*d));
                const QStringList o{r->Opzione1, r->Opzione2, r->Opzione3};
                int giuste = 0;
                QSet<QString> diverse;
                for (int i = 0; i < 3; ++i) {
                    QVERIFY2(!o[i].isEmpty() && o[i].size() <= 50 && o[i] == o[i].trimmed(), qPrintable(dove));
                    diverse.insert(vbTrim(vbUCase(o[i])));
                    if (vbTrim(vbUCase(o[i])) == r->Risposta) {
                        ++giuste;
                        ++posti[i];
                    }
                }
                QVERIFY2(giuste == 1 && diverse.size() == 3, qPrintable(dove));
                QCOMPARE(r->Risposta, vbTrim(vbUCase(r->Risposta)));
                QVERIFY2(toCp1252(o.join(QString()) + r->Risposta).size() <= 116, qPrintable(dove));
            }
        }
        // Archives 2 and 3 run record for record, as CULTURA GENERALE reads them.
        for (qsizetype i = 0; i < domande.size(); ++i) {
            QCOMPARE(risposte[i].Numero, domande[i].Numero);
            QCOMPARE(risposte[i].Codice, domande[i].Codice);
            QVERIFY(codici.contains(domande[i].Codice));
        }
        // The right answer is found in every place, none favoured.
        const int tutte = posti[0] + posti[1] + posti[2];
        for (int p : posti)
            QVERIFY2(p * 4 >= tutte, qPrintable(QStringLiteral("%1 %2 %3").arg(posti[0]).arg(posti[1]).arg(posti[2])));
    }

    // The compiler keeps every rule, each broken one named with its place.
    void aBrokenRuleStopsTheBuild_data()
    {
        QTest::addColumn<int>("tabella");   // which of the twelve is changed
        QTest::addColumn<int>("riga");      // which line (1 = the note, 2 = the topic)
        QTest::addColumn<QString>("nuova");  // "-" removes the line
        QTest::addColumn<QString>("errore");
        const QString d = QStringLiteral("D\tDomanda nuova?\t");
        QTest::newRow("two marked") << 3 << 5 << d + "*Uno\t*Due\tTre" << "03.tsv:5: 2 options are marked right";
        QTest::newRow("none marked") << 3 << 5 << d + "Uno\tDue\tTre" << "03.tsv:5: 0 options are marked right";
        QTest::newRow("the same option twice") << 3 << 5 << d + "*Roma\t roma\tMilano" << "03.tsv:5: field 4 has blanks";
        QTest::newRow("the same option in another case") << 3 << 5 << d + "*Roma\tROMA\tMilano" << "03.tsv:5: two options are the same";
        QTest::newRow("a question of 123 bytes") << 4 << 3 << "D\t" + QString(122, u'x') + "?\t*a\tb\tc"
                                                 << "04.tsv:3: the question is longer than 122 bytes";
        QTest::newRow("options and answer over 116 bytes")
            << 4 << 3 << d + "*" + QString(31, u'a') + "\t" + QString(28, u'b') + "\t" + QString(28, u'c')
            << "04.tsv:3: the options and the answer take 118 bytes";
        QTest::newRow("an option of 51 characters") << 4 << 3 << d + "*a\t" + QString(51, u'b') + "\tc"
                                                    << "04.tsv:3: option 2 is longer than 50";
        QTest::newRow("not Windows-1252") << 5 << 4 << d + QStringLiteral("*Łódź\tb\tc") << "05.tsv:4: field 3 has \"Ł\"";
        QTest::newRow("a quote no one types") << 5 << 4 << d + QStringLiteral("*l’oca\tb\tc")
                                              << "05.tsv:4: option 1 has \"’\", which a player cannot type";
        QTest::newRow("an empty option") << 5 << 4 << d + "*a\t\tc" << "05.tsv:4: field 4 is empty";
        QTest::newRow("only the mark") << 5 << 4 << d + "*\tb\tc" << "05.tsv:4: field 3 is empty";
        QTest::newRow("a question asked twice") << 6 << 4 << "D\tDomanda 1 del tema 6?\t*a\tb\tc" << "06.tsv:4: the question is asked twice";
        QTest::newRow("the same topic name") << 7 << 2 << "A\t7\tTema 1" << "07.tsv:2: another topic has the name \"Tema 1\"";
        QTest::newRow("code 0") << 7 << 2 << "A\t0\tTema 7" << "07.tsv:2: the code must be a number";
        QTest::newRow("another topic's code") << 7 << 2 << "A\t1\tTema 7" << "07.tsv:2: code 1 is another topic's";
        QTest::newRow("a name of 31 characters") << 7 << 2 << "A\t7\t" + QString(31, u'n') << "07.tsv:2: the name is longer than 30";
        QTest::newRow("fourteen questions") << 8 << 17 << "-" << "08.tsv: 14 questions, fewer than 15";
        QTest::newRow("a row of another kind") << 9 << 6 << "X\tboh" << "09.tsv:6: a question row must be";
        QTest::newRow("no topic row") << 9 << 2 << "-" << "09.tsv:2: the first row must be";
    }
    void aBrokenRuleStopsTheBuild()
    {
        QFETCH(int, tabella);
        QFETCH(int, riga);
        QFETCH(QString, nuova);
        QFETCH(QString, errore);
        QTemporaryDir dir;
        for (int k = 1; k <= 12; ++k) {
            QStringList righe = tabellaValida(k);
            if (k == tabella) {
                if (nuova == QLatin1String("-"))
                    righe.removeAt(riga - 1);
                else
                    righe[riga - 1] = nuova;
            }
            scrivi(dir, k, righe.join(u'\n').toUtf8() + '\n');
        }
        QList<ErroreTabella> errori;
        compilaArchivi(leggiTutte(dir, 12, errori), errori);
        QStringList testi;
        for (const ErroreTabella& e : errori)
            testi << e.testo();
        QVERIFY2(!testi.filter(errore).isEmpty(), qPrintable(testi.join(u'\n')));
    }

    // Tables that keep the rules compile to archives the game reads back:
    // numbers 1..M by topic, the answer the marked option in upper case;
    // too few topics and text that is not UTF-8 are refused.
    void tablesCompileToWhatTheGameReads()
    {
        QTemporaryDir dir;
        for (int k = 1; k <= 12; ++k) {
            QStringList righe = tabellaValida(k);
            if (k == 2)
                righe << QStringLiteral("D\tChe cosa getta una nave per fermarsi?\tVela\t*àncora\tRemo");
            scrivi(dir, k, righe.join(u'\n').toUtf8());
        }
        QList<ErroreTabella> errori;
        const Archivi a = compilaArchivi(leggiTutte(dir, 12, errori), errori);
        QVERIFY2(errori.isEmpty(), qPrintable(errori.value(0).testo()));
        QString errore;
        QVERIFY2(scriviArchivi(a, dir.path(), &errore), qPrintable(errore));
        const ArchiviDomande letti(dir.path());
        QCOMPARE(letti.LeggiArgomenti().size(), 12);
        QCOMPARE(letti.CodiceArgomento(QStringLiteral("Tema 2")), qint16(2));
        QCOMPARE(letti.NumeroMassimo(2), 16);
        QCOMPARE(letti.LeggiRisposte(2, 16)->Risposta, QStringLiteral("ÀNCORA"));
        QCOMPARE(letti.LeggiRisposte(2, 16)->Opzione2, QStringLiteral("àncora"));
        QCOMPARE(letti.LeggiDomanda(1, 1), std::optional<QString>(QStringLiteral("Domanda 1 del tema 1?")));
        QCOMPARE(letti.ContaDomande(), 12 * 15 + 1);

        errori.clear();
        compilaArchivi(leggiTutte(dir, 11, errori), errori);
        QCOMPARE(errori.size(), 1);
        QVERIFY(errori[0].testo().contains(QStringLiteral("11 topics, not 12 to 30")));

        errori.clear();
        scrivi(dir, 1, QByteArray("A\t1\tTema \xe0\n"));
        leggiTutte(dir, 1, errori);
        QCOMPARE(errori.size(), 1);
        QCOMPARE(errori[0].testo(), QStringLiteral("01.tsv:1: not UTF-8"));
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"

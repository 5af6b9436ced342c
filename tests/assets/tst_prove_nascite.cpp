// The dates of "DATA DI NASCITA": the build stops on a row whose date is
// not a real day written as the window shows it, or does not pick out its
// answer, and on a person given two birthdays.
#include "challenges/short/frmProvina10.h"
#include "prove.h"
#include "records/tabella.h"

#include <QDate>
#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

QString mostrata(QDate d)
{
    static const QStringList mesi{"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                  "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
    return QStringLiteral("%1 %2 %3").arg(d.day()).arg(mesi[d.month() - 1]).arg(d.year());
}

// A table that keeps every rule: a note, then on line k + 1 the date of
// "B k", born k days after 1 January 1901, between "A k" and "C k", born
// on the same day and month a century before and after.
QStringList nasciteValide()
{
    QStringList righe{QStringLiteral("# date di prova")};
    for (int k = 1; k <= frmProvina10::kDate; ++k) {
        const QDate b = QDate(1901, 1, 1).addDays(k);
        righe << QStringList{mostrata(b),
                             QStringLiteral("A %1").arg(k),
                             QStringLiteral("B %1").arg(k),
                             QStringLiteral("C %1").arg(k),
                             QStringLiteral("B %1").arg(k),
                             b.addYears(-100).toString(Qt::ISODate),
                             b.toString(Qt::ISODate),
                             b.addYears(100).toString(Qt::ISODate)}
                     .join(u'\t');
    }
    return righe;
}

QStringList controlla(const QByteArray& dati)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(QStringLiteral("nascite.tsv"), dati, errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestProveNascite : public QObject {
    Q_OBJECT
private slots:
    void aBrokenDateRowStopsTheBuild_data()
    {
        // Line 6 holds "6 gennaio 1901" with A 5 born 1801-01-06, B 5 (the
        // answer) 1901-01-06 and C 5 2001-01-06; "-" removes it.
        QTest::addColumn<QStringList>("campi");
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("nascite.tsv:6: ");
        const QString forma = qui + "the date must read \"d mese yyyy\": the day without a leading zero, "
                                    "the month in small letters, four digits of year";
        const QString giorno = qui + "the date of birth of choice %1 must be a real day as yyyy-mm-dd";
        const QStringList valida{"6 gennaio 1901", "A 5", "B 5", "C 5", "B 5", "1801-01-06", "1901-01-06", "2001-01-06"};
        auto con = [&](int campo, const QString& testo) {
            QStringList c = valida;
            c[campo - 1] = testo;
            return c;
        };
        QTest::newRow("kept") << valida << QStringList();
        QTest::newRow("a leap day") << QStringList{"29 febbraio 1904", "A 5", "B 5", "C 5", "B 5", "1804-02-29",
                                                   "1904-02-29", "2004-02-29"}
                                    << QStringList();
        QTest::newRow("no dates of birth") << valida.mid(0, 5)
                                           << QStringList{qui + "a row must be: date, three choices, answer, the choices' three dates of birth"};
        QTest::newRow("a leading zero") << con(1, "06 gennaio 1901") << QStringList{forma};
        QTest::newRow("a capital month") << con(1, "6 Gennaio 1901") << QStringList{forma};
        QTest::newRow("a month in figures") << con(1, "6 1 1901") << QStringList{forma};
        QTest::newRow("a year of two digits") << con(1, "6 gennaio 01") << QStringList{forma};
        QTest::newRow("two blanks") << con(1, "6  gennaio 1901") << QStringList{forma};
        QTest::newRow("a blank in front") << con(1, " 6 gennaio 1901") << QStringList{qui + "the date has blanks around it"};
        QTest::newRow("31 April") << con(1, "31 aprile 1901") << QStringList{qui + "\"31 aprile 1901\" is no day of the calendar"};
        QTest::newRow("29 February of no leap year")
            << con(1, "29 febbraio 1900") << QStringList{qui + "\"29 febbraio 1900\" is no day of the calendar"};
        QTest::newRow("the choices are checked") << con(5, "D 5") << QStringList{qui + "the answer is none of the three choices"};
        QTest::newRow("a date of birth in words") << con(6, "6 gennaio 1801") << QStringList{giorno.arg(1)};
        QTest::newRow("a date of birth without zeros") << con(7, "1901-1-6") << QStringList{giorno.arg(2)};
        QTest::newRow("30 February") << con(8, "2001-02-30") << QStringList{giorno.arg(3)};
        QTest::newRow("the answer born another year")
            << con(1, "6 gennaio 1902") << QStringList{qui + "the date shown is not the birthday of the answer, choice 2"};
        QTest::newRow("the answer born another month")
            << con(7, "1901-02-06") << QStringList{qui + "the date shown is not the birthday of the answer, choice 2"};
        QTest::newRow("another choice born that day too")
            << con(8, "1901-01-06") << QStringList{qui + "choice 3 was born on the date shown too"};
        QTest::newRow("a person given another birthday")
            << QStringList{"6 gennaio 1901", "A 3", "B 5", "C 5", "B 5", "1801-01-05", "1901-01-06", "2001-01-06"}
            << QStringList{qui + "\"A 3\" was born on 1801-01-04 on line 4"};
        QTest::newRow("the same person, the same birthday")
            << QStringList{"6 gennaio 1901", "A 3", "B 5", "C 5", "B 5", "1801-01-04", "1901-01-06", "2001-01-06"}
            << QStringList();
        QTest::newRow("127 dates") << QStringList{"-"} << QStringList{"nascite.tsv: the table has 127 dates, not 128"};
    }
    void aBrokenDateRowStopsTheBuild()
    {
        QFETCH(QStringList, campi);
        QFETCH(QStringList, errori);
        QStringList righe = nasciteValide();
        QCOMPARE(righe[6 - 1].section(u'\t', 0, 0), QStringLiteral("6 gennaio 1901"));
        if (campi == QStringList{"-"})
            righe.removeAt(6 - 1);
        else
            righe[6 - 1] = campi.join(u'\t');
        QCOMPARE(controlla(righe.join(u'\n').toUtf8()), errori);
    }
};

QTEST_GUILESS_MAIN(TestProveNascite)
#include "tst_prove_nascite.moc"

// Tables printed as lines of text: pages that fill and break, the boxes that
// tell where a document went, and the real printer writing a PDF file on a
// machine with no printer.
#include "platform/fake_services.h"
#include "platform/qt_services.h"
#include "platform/stampa.h"
#include "testkit/world.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zolmera;

class TestStampa : public QObject {
    Q_OBJECT
private slots:
    // A line that would cross the foot of the page starts the next page at
    // its top; blank lines take their room without printing anything.
    void linesFillThePageThenBreak()
    {
        FakePrinter printer;
        StampaRighe s(printer, QStringLiteral("prova"), 18);
        const int altezza = int(18 * 20 * 1.2);
        const int perPagina = FakePrinter::kPageHeight / altezza;
        s.riga();
        for (int k = 1; k < perPagina + 2; ++k)
            s.riga(QStringLiteral("riga %1").arg(k));
        QVERIFY(s.fine());
        const auto& doc = printer.documents.first();
        QCOMPARE(doc.pages, 2);
        QCOMPARE(doc.lines.size(), perPagina + 1);
        QCOMPARE(doc.lines.first().y, altezza);
        QCOMPARE(doc.lines[perPagina - 2].page, 1);
        QCOMPARE(doc.lines[perPagina - 2].y, (perPagina - 1) * altezza);
        QCOMPARE(doc.lines[perPagina - 1].page, 2);
        QCOMPARE(doc.lines[perPagina - 1].y, 0);
        QCOMPARE(doc.lines.last().text, QStringLiteral("riga %1").arg(perPagina + 1));
    }

    // With no printer installed, the document is a PDF file in the folder
    // given, with the text in it.
    void theRealPrinterWritesAPdfWithNoPrinter()
    {
        QTemporaryDir dir;
        QtPrinter printer(dir.path());
        StampaRighe s(printer, QStringLiteral("Migliori punteggi"), 18);
        s.riga(QStringLiteral("CLASSIFICA DEI MIGLIORI PUNTEGGI"));
        for (int k = 1; k <= 60; ++k)
            s.riga(QStringLiteral("%1 CARLA       05/01/2027 12 03 01 €. 1.234,00").arg(k, 2, 10, QLatin1Char('0')));
        QVERIFY2(s.fine(), qPrintable(s.errore()));
        QVERIFY(s.suFile());
        QCOMPARE(QFileInfo(s.destinazione()).absolutePath(), QDir(dir.path()).absolutePath());
        QVERIFY(s.destinazione().endsWith(QStringLiteral(".pdf")));
        QFile pdf(s.destinazione());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray b = pdf.readAll();
        QVERIFY(b.startsWith("%PDF"));
        // Sixty lines of 18 points do not fit one page.
        QVERIFY(b.count("/Type /Page") - b.count("/Type /Pages") >= 2);
    }
};

ZOLMERA_TEST_MAIN(TestStampa)
#include "tst_stampa.moc"

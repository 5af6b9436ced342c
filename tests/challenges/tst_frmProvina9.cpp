// "CODICE FISCALE": a well-known name read with every other letter hidden,
// then typed whole on the board.
#include "challenges/short/frmProvina9.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

class TestCodiceFiscale : public QObject {
    Q_OBJECT
private slots:
    // Every row can be drawn and shows its own mask; each letter the mask
    // lets through is the name's own letter in the same place, so the
    // reader is shown the person asked for.
    void everyRowShowsItsPersonsName()
    {
        verificaRighe<frmProvina9>(QStringLiteral("mascherati"), [](const QString& mostrato, const QString& risposta) {
            QCOMPARE(mostrato.size(), risposta.size());
            for (qsizetype i = 0; i < mostrato.size(); ++i)
                if (mostrato[i] != u'X')
                    QCOMPARE(mostrato[i], risposta[i]);
        });
    }

    // Only the whole name, first name first, apostrophe and all, earns the
    // spin; the board forgives case and blanks around it, nothing else.
    void onlyTheWholeNameIsRight_data()
    {
        QTest::addColumn<QString>("digitata");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("in small letters") << "gabriele d'annunzio" << true;
        QTest::newRow("blanks around, capitals") << "  Gabriele D'Annunzio " << true;
        QTest::newRow("the surname alone") << "d'annunzio" << false;
        QTest::newRow("the words swapped") << "d'annunzio gabriele" << false;
        QTest::newRow("without the apostrophe") << "gabriele dannunzio" << false;
        QTest::newRow("a blank for the apostrophe") << "gabriele d annunzio" << false;
        QTest::newRow("the mask itself") << "gxbxixlx d'xnxuxzxo" << false;
    }
    void onlyTheWholeNameIsRight()
    {
        QFETCH(QString, digitata);
        QFETCH(bool, giusta);
        const QList<QStringList> righe = tabellaProva(QStringLiteral("mascherati"));
        QCOMPARE(righe.value(183 - 1).value(1), QStringLiteral("GABRIELE D'ANNUNZIO"));
        MondoBreve<frmProvina9> w;
        QCOMPARE(w.dalPassoAlGiro({.k = 9, .r = 183, .n = frmProvina9::kNomi, .risposta = w.tasti(digitata)}), giusta);
        QCOMPARE(w.R->txtRisposta.text(), digitata);
    }
};

ZOLMERA_TEST_MAIN(TestCodiceFiscale)
#include "tst_frmProvina9.moc"

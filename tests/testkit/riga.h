#pragma once
// A short challenge whose item is a row of its table, played through the
// booking question as the contestants would play it.
#include "records/tabella.h"
#include "testkit/breve.h"

namespace zolmera::testing {

// Row r of table `tabella` (n rows) drawn for T and read for `lettura`
// seconds; then, for each wrong choice in turn, a new match: contestant 1
// books, clicks that choice on the board and confirms, and is judged wrong;
// contestant 2 books, clicks the row's right choice (its answer field, found
// among its choices) and confirms, and wins the spin.
template <class T>
void verificaSceltaGiusta(const QString& tabella, int r, int n, double lettura)
{
    const QStringList riga = tabellaProva(tabella).value(r - 1);
    const QStringList scelte = riga.mid(1, 3);
    const int giusta = int(scelte.indexOf(riga.value(4)));
    QVERIFY2(giusta >= 0, qPrintable(riga.join(u'|')));
    for (int sbagliata = 0; sbagliata <= 2; ++sbagliata) {
        if (sbagliata == giusta)
            continue;
        MondoBreve<T> w;
        w.M().strParlato = QString();
        w.fakes.random.pushDraw(r, n);
        T& p = w.carica();
        frmRuota& R = *w.R;
        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        QString copiata;
        int errori = -1, giri = -1;
        w.loop().at(t0 + lettura + 1, [&] { w.keyClick(R, Qt::Key_Z, QStringLiteral("z")); });
        w.loop().at(t0 + lettura + 2, [&] {
            w.click(R.txtOpzione[sbagliata]);
            copiata = R.txtRisposta.text();
            w.click(R.cmdOK);
            errori = R.prenotazione.varErrori;
            giri = w.M().bytGiri[1];
        });
        w.loop().at(t0 + lettura + 3, [&] { w.keyClick(R, Qt::Key_N, QStringLiteral("n")); });
        w.loop().at(t0 + lettura + 4, [&] {
            w.click(R.txtOpzione[giusta]);
            w.click(R.cmdOK);
        });
        w.advance(lettura + 6);
        QCOMPARE(copiata, scelte[sbagliata]);
        QCOMPARE(errori, 1);
        QCOMPARE(giri, 0);
        QCOMPARE(R.txtRisposta.text(), scelte[giusta]);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
        QVERIFY(R.cmdGira2.enabled());
    }
}

}  // namespace zolmera::testing

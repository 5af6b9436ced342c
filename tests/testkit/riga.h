#pragma once
// A short challenge whose item is a row of its table: its rows as the
// window shows them, and its choices played through the booking question
// as the contestants would play them.
#include "platform/text.h"
#include "records/tabella.h"
#include "testkit/breve.h"

namespace zolmera::testing {

// Row r of table `tabella` (n rows) drawn for T and read for `lettura`
// seconds. The board offers the row's three choices (fields 2 to 4) in the
// row's order, its answer (field 5) among them once, and judges each click
// by what it copies into the answer box. Two matches judge every choice:
// contestant 1 clicks the right choice and wins the spin; then contestant 1
// clicks one wrong choice, contestant 2 the other, and the question ends
// with no spin.
template <class T>
void verificaSceltaGiusta(const QString& tabella, int r, int n, double lettura)
{
    const QStringList riga = tabellaProva(tabella).value(r - 1);
    const QStringList scelte = riga.mid(1, 3);
    const QString esatta = riga.value(4);
    QVERIFY2(scelte.count(esatta) == 1, qPrintable(riga.join(u'|')));
    const int giusta = int(scelte.indexOf(esatta));
    QList<int> sbagliate{0, 1, 2};
    sbagliate.removeOne(giusta);

    // One match: the clicks given, one contestant each, and what the board
    // judged; `fine` checks the board it leaves.
    auto partita = [&](const QList<int>& clic, const QStringList& giudizi,
                       const std::function<void(MondoBreve<T>&)>& fine) {
        MondoBreve<T> w;
        w.M().strParlato = QString();
        w.fakes.random.pushDraw(r, n);
        T& p = w.carica();
        QCOMPARE(p.r, r);
        QCOMPARE(w.opzioni(), scelte);
        QCOMPARE(w.M().strRispostaEsatta, vbUCase(esatta));
        QList<std::function<void()>> risposte;
        QStringList prese;
        for (int i : clic) {
            risposte << w.clic(i);
            prese << scelte[i];
        }
        w.leggiERispondi(p, lettura, risposte);
        QCOMPARE(w.prese, prese);
        QCOMPARE(w.giudizi, giudizi);
        QCOMPARE(w.R->txtRisposta.text(), prese.last());
        fine(w);
    };
    partita({giusta}, {"1 0 0"}, [](MondoBreve<T>& w) {
        QCOMPARE(int(w.M().bytGiri[1]), 1);
        QVERIFY(w.R->cmdGira1.enabled());
    });
    if (QTest::currentTestFailed())
        return;
    partita(sbagliate, {"0 0 1", "0 0 2"}, [](MondoBreve<T>& w) {
        QCOMPARE(int(w.M().bytGiri[1]), 0);
        QCOMPARE(int(w.M().bytGiri[2]), 0);
        QVERIFY(!w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
        QVERIFY(w.R->cmdFine.visible() && !w.R->imgPPrenota.visible());
    });
}

// Every row of the table that T draws from, loaded in turn: what it shows
// must be the row's first field exactly, the answer its second
// upper-cased, and that answer typed in small letters must be judged right
// by the board, which upper-cases and trims what it is given.
template <class T>
void verificaRighe(const QString& tabella, const std::function<void(const QString& mostrato, const QString& risposta)>& verifica = {})
{
    const QList<QStringList> righe = tabellaProva(tabella);
    QVERIFY(!righe.isEmpty());
    MondoBreve<T> w;
    for (qsizetype r = 1; r <= righe.size(); ++r) {
        const QStringList& riga = righe[r - 1];
        w.fakes.random.pushDraw(int(r), int(righe.size()));
        T& p = w.carica();
        QCOMPARE(p.r, int(r));
        QCOMPARE(p.txtDomanda.text(), riga.value(0));
        QCOMPARE(w.M().strRispostaEsatta, vbUCase(riga.value(1)));
        QVERIFY2(vbTrim(vbUCase(vbLCase(riga.value(1)))) == w.M().strRispostaEsatta, qPrintable(riga.value(1)));
        if (verifica)
            verifica(riga.value(0), w.M().strRispostaEsatta);
        w.chiudi(p);
    }
}

}  // namespace zolmera::testing

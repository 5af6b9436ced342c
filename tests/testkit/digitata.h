#pragma once
// A short challenge whose item is a row of its table and whose answer is
// typed: its rows as the window shows them, and a whole turn played from
// the board's step button to the verdict on a typed answer.
#include "platform/text.h"
#include "records/tabella.h"
#include "testkit/breve.h"

namespace zolmera::testing {

// Short challenge k (window T), row r of n drawn, played from the board's
// step button at turn 2: read to the end, then contestant 1 books and
// types `digitata` and confirms. True when his spin is lit.
template <class T>
bool rispostaDigitata(int k, int r, int n, const QString& digitata)
{
    MondoBreve<T> w;
    w.touch(QStringLiteral("sounds1/domanda%1.wav").arg(k), onda(1));
    w.run([&] {
        w.R->turni.intTurno = 1;
        w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
        w.R->cmdFine.setVisible(true);
        w.R->cmdFine.setEnabled(true);
    });
    w.fakes.random.pushDraw(k, 18);
    w.fakes.random.pushDraw(r, n);
    w.passo();
    T* p = w.ctx->screens.template find<T>();
    if (!p || !p->visible()) {
        QTest::qFail("the challenge drawn did not open", __FILE__, __LINE__);
        return false;
    }
    w.click(p->cmdEsegui);
    const double t0 = w.loop().now();
    w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, QStringLiteral("z")); });
    w.loop().at(t0 + 12, [&] {
        w.typeKeys(*w.R, digitata);
        w.click(w.R->cmdOK);
    });
    w.advance(14);
    if (w.ctx->screens.template find<T>() || w.R->txtRisposta.text() != digitata) {
        QTest::qFail("the answer was not typed on the board", __FILE__, __LINE__);
        return false;
    }
    return w.M().bytGiri[1] == 1 && w.R->cmdGira1.enabled() && w.R->cmdGira1.backColor() == frmRuota::kGiallo;
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

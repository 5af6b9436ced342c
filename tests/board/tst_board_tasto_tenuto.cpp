// A spin key held down on an X server that repeats it as release-press
// pairs it does not mark as repeats: the board charges on as long as the
// key is down and throws only when it is let go.
#include "testkit/board.h"

#include <QKeyEvent>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// A key event as the server hands it over: to the focused control, with
// nothing settled after it.
void invia(frmRuota& R, QEvent::Type tipo)
{
    QWidget* a = R.window()->focusWidget() ? R.window()->focusWidget() : R.window();
    QKeyEvent e(tipo, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::instance()->notify(a, &e);
}
}  // namespace

class TestBoardTastoTenuto : public QObject {
    Q_OBJECT
private slots:
    void aRepeatingSpinKeyThrowsOnlyWhenLetGo()
    {
        BoardWorld t;
        frmRuota& R = t.apri();
        t.concedi(1);
        invia(R, QEvent::KeyPress);
        t.advance(0.5);   // the server's delay before it repeats
        while (t.loop().now() < 1.3) {
            invia(R, QEvent::KeyRelease);
            invia(R, QEvent::KeyPress);
            t.advance(0.033);   // and its rate
        }
        QVERIFY(R.ruota.staCaricando(1));
        QVERIFY(R.cmdGira1.enabled());
        QVERIFY(!R.tmrTempo.enabled());
        QCOMPARE(int(R.ruota.intForza), 5);

        t.preparaLancio(16, 40);
        invia(R, QEvent::KeyRelease);
        t.advance(Form::kRepeatFoldSeconds);
        QVERIFY(!R.ruota.staCaricando(1));
        QVERIFY(!R.cmdGira1.enabled());
        QVERIFY(R.tmrTempo.enabled());
        QCOMPARE(R.ruota.varTraguardo, 16);
    }
};

ZOLMERA_TEST_MAIN(TestBoardTastoTenuto)
#include "tst_board_tasto_tenuto.moc"

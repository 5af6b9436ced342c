// What a screen reader says on the board: the boxes and pictures a player
// must tell apart have names of their own, in Italian, each on its control.
#include "testkit/board.h"

#include <QAccessible>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Every object of the window's accessibility tree that has a name, by name.
void raccogli(QAccessibleInterface* nodo, QMultiHash<QString, QObject*>& nomi)
{
    if (!nodo)
        return;
    if (const QString nome = nodo->text(QAccessible::Name); !nome.isEmpty())
        nomi.insert(nome, nodo->object());
    for (int i = 0; i < nodo->childCount(); ++i)
        raccogli(nodo->child(i), nomi);
}
}  // namespace

class TestBoardAccessibile : public QObject {
    Q_OBJECT
private slots:
    void theQuestionTheJollyAndTheWheelHaveNamesOfTheirOwn()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        QMultiHash<QString, QObject*> nomi;
        raccogli(QAccessible::queryAccessibleInterface(R.window()), nomi);

        const std::pair<const char*, Control*> attesi[] = {
            {"Domanda", &R.txtDomanda},           {"Opzione 1", &R.txtOpzione[0]},  {"Opzione 2", &R.txtOpzione[1]},
            {"Opzione 3", &R.txtOpzione[2]},      {"Risposta", &R.txtRisposta},     {"Jolly: primo", &R.imgJprimo},
            {"Jolly: secondo", &R.imgJsecondo},   {"Jolly: formaggio", &R.imgJformaggio},
            {"Jolly: dolce", &R.imgJdolce},       {"Jolly: frutta", &R.imgJfrutta}, {"Ruota", &R.imgRuota2},
        };
        for (const auto& [nome, controllo] : attesi) {
            const QList<QObject*> trovati = nomi.values(QString::fromUtf8(nome));
            QVERIFY2(trovati.size() == 1, nome);
            QVERIFY2(trovati.front() == controllo->widget(), nome);
            QCOMPARE(controllo->accessibleName(), QString::fromUtf8(nome));
        }
    }
};

ZOLMERA_TEST_MAIN(TestBoardAccessibile)
#include "tst_board_accessibile.moc"

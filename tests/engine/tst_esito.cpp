// What a spin wins: the courses with their money and weight, repeats,
// "dieta", the jolly and its choice, the completed menu, and the step button
// at the end of the match.
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

QStringList suoniDelTabellone()
{
    QStringList nomi = {"ruota.wav",        "bloccoportata.wav", "girocorto.wav",  "jollyprimo.wav",
                        "jollysecondo.wav", "jollyformaggio.wav", "jollydolce.wav", "jollyfrutta.wav",
                        "jollyerrore.wav"};
    const std::pair<const char*, int> varianti[] = {{"primo", 3}, {"secondo", 3}, {"formaggio", 3}, {"dolce", 3},
                                                   {"frutta", 3}, {"doppione", 6}, {"dieta", 3},    {"jolly", 3},
                                                   {"brellan", 2}, {"brellani", 2}};
    for (const auto& [radice, quante] : varianti)
        for (int n = 1; n <= quante; ++n)
            nomi << QStringLiteral("%1%2.wav").arg(QLatin1String(radice)).arg(n);
    return nomi;
}

struct Tavolo : BoardWorld {
    explicit Tavolo(const QString& edizione = "ZOLMER90")
    {
        for (const QString& s : suoniDelTabellone())
            touch("sounds1/" + s, onda(0.5));
        M().strParlato = "Play";
        M().strModGioco = edizione;
        R = &apri();
        R->cmdFine.setVisible(false);
        R->Tobrano.setVisible(false);
    }
    void esiti(int w, const QList<int>& celle)
    {
        for (int c : celle)
            esito(w, c);
    }
    QString ultimaVoce() const
    {
        const QStringList voci = fakes.audio.played("frmRuota.mmcMelodia");
        return voci.isEmpty() ? QString() : voci.last();
    }
    // Which elements of each of contestant w's rows are shown, row by row.
    QString vassoio(int w) const
    {
        QStringList righe;
        for (ControlArray<Image>* riga : R->righePortate(w)) {
            QString r;
            for (int i = 0; i < 5; ++i)
                r += (*riga)[i].visible() ? u'x' : u'.';
            righe << r;
        }
        return righe.join(u' ');
    }
    frmRuota* R = nullptr;
};

bool eVariante(const QString& voce, const QString& radice, int quante)
{
    return QRegularExpression(QStringLiteral("^%1[1-%2]\\.wav$").arg(radice).arg(quante)).match(voce).hasMatch();
}

}  // namespace

class TestEsito : public QObject {
    Q_OBJECT
private slots:
    // Contestant 1's trays read primo, secondo, formaggio, dolce, frutta in
    // the first look.
    void theCellsOfTheWheel_data()
    {
        QTest::addColumn<QList<int>>("prima");
        QTest::addColumn<int>("cella");
        QTest::addColumn<int>("premio");
        QTest::addColumn<int>("peso");
        QTest::addColumn<int>("portate");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("vassoio");
        const QList<int> niente;
        QTest::newRow("4 primo") << niente << 4 << 200 << 500 << 1 << "primo" << "x.... ..... ..... ..... .....";
        QTest::newRow("24 primo") << niente << 24 << 200 << 500 << 1 << "primo" << "x.... ..... ..... ..... .....";
        QTest::newRow("12 secondo") << niente << 12 << 300 << 400 << 1 << "secondo" << "..... x.... ..... ..... .....";
        QTest::newRow("44 secondo") << niente << 44 << 300 << 400 << 1 << "secondo" << "..... x.... ..... ..... .....";
        QTest::newRow("8 formaggio") << niente << 8 << 150 << 200 << 1 << "formaggio" << "..... ..... x.... ..... .....";
        QTest::newRow("28 formaggio") << niente << 28 << 150 << 200 << 1 << "formaggio" << "..... ..... x.... ..... .....";
        QTest::newRow("16 dolce") << niente << 16 << 250 << 600 << 1 << "dolce" << "..... ..... ..... x.... .....";
        QTest::newRow("36 dolce") << niente << 36 << 250 << 600 << 1 << "dolce" << "..... ..... ..... x.... .....";
        QTest::newRow("20 frutta") << niente << 20 << 100 << 100 << 1 << "frutta" << "..... ..... ..... ..... x....";
        QTest::newRow("32 frutta") << niente << 32 << 100 << 100 << 1 << "frutta" << "..... ..... ..... ..... x....";
        QTest::newRow("primo again") << QList<int>{4} << 24 << 50 << 0 << 1 << "doppione" << "xx... ..... ..... ..... .....";
        QTest::newRow("a sixth dolce") << QList<int>{16, 36, 16, 36, 16} << 36 << 50 << 0 << 1 << "doppione"
                                       << "..... ..... ..... xxxxx .....";
        QTest::newRow("dieta with nothing won") << niente << 40 << 0 << 0 << 0 << "dieta"
                                                << "..... ..... ..... ..... .....";
        QTest::newRow("dieta") << QList<int>{8} << 40 << 0 << 0 << 1 << "dieta" << "..... ..... x.... ..... .....";
    }
    void theCellsOfTheWheel()
    {
        QFETCH(QList<int>, prima);
        QFETCH(int, cella);
        QFETCH(int, premio);
        QFETCH(int, peso);
        QFETCH(int, portate);
        QFETCH(QString, voce);
        QFETCH(QString, vassoio);
        Tavolo t;
        frmRuota& R = *t.R;
        t.esiti(1, prima);
        const qint32 vincita = t.M().lngVincita[1];
        const qint16 pesoPrima = R.esito.intPesoPortate[1];
        R.lblScore1.setCaption("?");

        t.esito(1, cella);
        QCOMPARE(t.M().lngVincita[1] - vincita, premio);
        QCOMPARE(R.esito.intPesoPortate[1] - pesoPrima, peso);
        QCOMPARE(R.esito.varPortateVinte[1], portate);
        QVERIFY2(eVariante(t.ultimaVoce(), voce, voce == "doppione" ? 6 : 3), qPrintable(t.ultimaVoce()));
        QCOMPARE(t.vassoio(1), vassoio);
        QCOMPARE(t.vassoio(2), QStringLiteral("..... ..... ..... ..... ....."));
        QCOMPARE(R.lblScore1.caption(), t.M().lngVincita[1] ? QString::number(t.M().lngVincita[1]) : "?");
        QCOMPARE(t.M().lngVincita[2], 0);
        QVERIFY2(R.cmdFine.visible() && R.cmdFine.enabled() && R.Tobrano.visible(), "nobody holds spins");
        QVERIFY(!R.Salva.enabled());
    }

    void theTrayRowsOfEachLook_data()
    {
        QTest::addColumn<QString>("edizione");
        QTest::addColumn<QStringList>("vassoi");
        // After primo, secondo, formaggio, dolce, frutta in this order.
        QTest::newRow("ZOLMER91") << "ZOLMER91"
                                  << QStringList{"x.... ..... ..... ..... .....", "x.... x.... ..... ..... .....",
                                                 "x.... x.... x.... ..... .....", "x.... x.... x.... x.... .....",
                                                 "x.... x.... x.... x.... x...."};
        QTest::newRow("SERO92") << "SERO92"
                                << QStringList{"..... ..... ..... ..... x....", "..... ..... x.... ..... x....",
                                               "..... ..... x.... x.... x....", "..... x.... x.... x.... x....",
                                               "x.... x.... x.... x.... x...."};
        QTest::newRow("unknown key") << "PROVA"
                                     << QStringList(5, "..... ..... ..... ..... .....");
    }
    void theTrayRowsOfEachLook()
    {
        QFETCH(QString, edizione);
        QFETCH(QStringList, vassoi);
        Tavolo t(edizione);
        const int celle[] = {4, 12, 8, 16, 20};
        for (int i = 0; i < 5; ++i) {
            t.esito(2, celle[i]);
            QCOMPARE(t.vassoio(2), vassoi[i]);
        }
        QCOMPARE(t.R->lblScore2.caption(), QStringLiteral("1.000"));
    }

    void theFifthCourseCompletesTheMenu()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.esiti(1, {4, 8, 12, 16});
        t.concedi(2, 1);
        t.giroInCorso(1, 1);
        t.esito(1, 20);
        QVERIFY2(eVariante(t.ultimaVoce(), "brellan", 2), qPrintable(t.ultimaVoce()));
        QCOMPARE(R.esito.varPortateVinte[1], 5);
        QCOMPARE(R.esito.intPesoPortate[1], qint16(1800));
        QCOMPARE(t.M().lngVincita[1], 1000);
        QCOMPARE(int(t.M().bytMenuCompleto), 1);
        QCOMPARE(int(t.M().bytGiri[1]), 0);
        QVERIFY2(!R.cmdGira1.enabled() && R.cmdGira2.enabled(), "the other contestant's spin is lit");
        QVERIFY(R.tmrAnimazione.enabled());
        QVERIFY2(!R.cmdFine.visible(), "the celebration hides the step button from its start");

        // Every later outcome of the completed contestant starts it again.
        t.advance(2);
        t.esito(1, 4);
        QCOMPARE(R.celebrazione.varPassoAnimazione, 0);
        QVERIFY(eVariante(t.ultimaVoce(), "doppione", 6));

        // The other one completes too: the match goes to its end.
        t.esiti(2, {4, 8, 12, 16});
        t.esito(2, 20);
        QVERIFY2(eVariante(t.ultimaVoce(), "brellani", 2), qPrintable(t.ultimaVoce()));
        QCOMPARE(int(t.M().bytMenuCompleto), 3);
        QCOMPARE(int(t.M().bytGiri[1]), 0);
        QCOMPARE(int(t.M().bytGiri[2]), 0);
        QCOMPARE(R.turni.intTurno, 8);
    }

    // At the last turn the spinner's last spin turns the step button into
    // "Salva risultati"; at any other turn its caption stays, the one the
    // step left for the next turn (turn 7 too, a turn before the end). When
    // nobody holds a spin the step button comes back with the focus.
    void theLastSpinOfTheMatch_data()
    {
        QTest::addColumn<int>("turno");
        QTest::addColumn<int>("giriRimasti");
        QTest::addColumn<bool>("salva");
        QTest::newRow("turn 8, last spin") << 8 << 0 << true;
        QTest::newRow("turn 8, a spin left") << 8 << 1 << false;
        QTest::newRow("turn 7, last spin") << 7 << 0 << false;
        QTest::newRow("turn 5, last spin") << 5 << 0 << false;
    }
    void theLastSpinOfTheMatch()
    {
        QFETCH(int, turno);
        QFETCH(int, giriRimasti);
        QFETCH(bool, salva);
        Tavolo t;
        frmRuota& R = *t.R;
        R.turni.intTurno = turno;
        R.cmdFine.setCaption("Continua");
        t.giroInCorso(2, giriRimasti);
        R.Command1.setFocus();
        t.esito(2, 12);
        QCOMPARE(R.cmdFine.caption(), salva ? "Salva risultati" : "Continua");
        QCOMPARE(R.Salva.enabled(), salva);
        QCOMPARE(R.cmdFine.visible(), giriRimasti == 0);
        QCOMPARE(R.cmdGira2.enabled(), giriRimasti > 0);
        QCOMPARE(R.window()->focusWidget(), giriRimasti == 0 ? R.cmdFine.widget() : R.Command1.widget());
    }

    void theJollyOffersAChoice_data()
    {
        QTest::addColumn<QList<int>>("prima");
        QTest::addColumn<QString>("scelta");
        QTest::addColumn<int>("premio");
        QTest::addColumn<int>("peso");
        QTest::addColumn<int>("portate");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("vassoio");
        QTest::newRow("a course already won") << QList<int>{16, 4} << "dolce" << 50 << 0 << 2 << "jollyerrore.wav"
                                              << "x.... ..... ..... xx... .....";
        QTest::newRow("a new course as the fourth") << QList<int>{4, 8, 16} << "secondo" << 300 << 400 << 4
                                                    << "jollysecondo.wav" << "x.... x.... x.... x.... .....";
        QTest::newRow("primo as the third") << QList<int>{8, 12} << "primo" << 200 << 500 << 3 << "jollyprimo.wav"
                                            << "x.... x.... x.... ..... .....";
        QTest::newRow("primo as the fourth") << QList<int>{8, 12, 16} << "primo" << 200 << 500 << 4 << "primo"
                                             << "x.... x.... x.... x.... .....";
        QTest::newRow("frutta with the menu complete") << QList<int>{4, 8, 12, 16, 20} << "frutta" << 50 << 0 << 5
                                                       << "jollyerrore.wav" << "x.... x.... x.... x.... xx...";
    }
    void theJollyOffersAChoice()
    {
        QFETCH(QList<int>, prima);
        QFETCH(QString, scelta);
        QFETCH(int, premio);
        QFETCH(int, peso);
        QFETCH(int, portate);
        QFETCH(QString, voce);
        QFETCH(QString, vassoio);
        Tavolo t;
        frmRuota& R = *t.R;
        t.esiti(1, prima);
        // Contestant 2 holds a spin, unlit since contestant 1 threw with the mouse.
        t.giroInCorso(2, 1);
        t.esito(1, 0);
        QVERIFY(eVariante(t.ultimaVoce(), "jolly", 3));
        QVERIFY(R.Frame1.visible());
        QVERIFY(R.Tobrano.visible() || R.tmrAnimazione.enabled());
        QVERIFY2(!R.cmdGira2.enabled(), "the next spin waits for the choice");
        QVERIFY(!R.cmdFine.visible());

        const qint32 vincita = t.M().lngVincita[1];
        const qint16 pesoPrima = R.esito.intPesoPortate[1];
        Image* immagine = scelta == "dolce"     ? &R.imgJdolce
                          : scelta == "secondo" ? &R.imgJsecondo
                          : scelta == "primo"   ? &R.imgJprimo
                                                : &R.imgJfrutta;
        t.click(*immagine);
        QCOMPARE(t.M().lngVincita[1] - vincita, premio);
        QCOMPARE(R.esito.intPesoPortate[1] - pesoPrima, peso);
        QCOMPARE(R.esito.varPortateVinte[1], portate);
        if (voce.endsWith(".wav"))
            QCOMPARE(t.ultimaVoce(), voce);
        else
            QVERIFY2(eVariante(t.ultimaVoce(), voce, 3), qPrintable(t.ultimaVoce()));
        if (portate < 5)
            QCOMPARE(t.vassoio(1), vassoio);
        QVERIFY(!R.Frame1.visible() && !R.imgPPrenota.visible());
        QVERIFY2(R.cmdGira2.enabled(), "the next-spin step lights the other contestant's spin");
        QCOMPARE(int(t.M().bytConcorrente), 1);
    }

    // A jolly at the last turn: the caption is set by the outcome, the step
    // button comes back with the choice, and the menu command stays as it was.
    void aJollyAsTheLastSpinOfTheMatch()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        R.turni.intTurno = 8;
        t.esito(2, 0);
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
        QVERIFY(!R.cmdFine.visible());
        t.click(R.imgJformaggio);
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled());
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
        QVERIFY(!R.Salva.enabled());
    }

    // The jolly to a contestant with four courses completes his menu at
    // once; the other contestant's held spin waits for the celebration's end,
    // and the step button for that spin.
    void aJollyCompletesAMenuOfFour()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.esiti(2, {4, 8, 16, 20});
        t.esiti(1, {12});
        t.giroInCorso(1, 1);
        t.giroInCorso(2, 0);
        t.esito(2, 0);
        QVERIFY(!R.Frame1.visible());
        QCOMPARE(R.esito.varSecondo[2], 1);
        QCOMPARE(R.esito.varPortateVinte[2], 5);
        QCOMPARE(R.esito.intPesoPortate[2], qint16(1800));
        QCOMPARE(t.M().lngVincita[2], 1000);
        QCOMPARE(t.vassoio(2), QStringLiteral("x.... x.... x.... x.... x...."));
        QCOMPARE(t.R->lblScore1.caption(), QStringLiteral("300"));
        QCOMPARE(t.R->lblScore2.caption(), QStringLiteral("1.000"));
        QVERIFY2(eVariante(t.ultimaVoce(), "brellan", 2), qPrintable(t.ultimaVoce()));
        QCOMPARE(int(t.M().bytMenuCompleto), 2);
        QVERIFY(R.tmrAnimazione.enabled());
        QVERIFY2(!R.cmdGira1.enabled(), "no next-spin step yet");

        t.advance(51 * 0.25);
        QVERIFY(!R.tmrAnimazione.enabled());
        QVERIFY2(R.cmdGira1.enabled(), "the celebration's end lights the held spin");
        QVERIFY2(!R.cmdFine.visible(), "a spin is held: no step button");

        t.giroInCorso(1, 0);
        t.esito(1, 40);
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled() && R.Tobrano.visible());
    }
};

ZOLMERA_TEST_MAIN(TestEsito)
#include "tst_esito.moc"

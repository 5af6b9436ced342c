// "LA CASSAFORTE": three dials, five attempts each, a hint after every miss.
#include "challenges/mind/frmProva4.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QScrollBar>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"altissimo.wav", "alto.wav",   "altino.wav", "bassino.wav", "basso.wav",
                              "bassissimo.wav", "vince.wav", "nullo1.wav", "nullo2.wav",  "nullo3.wav",
                              "ANNA.wav",       "BRUNO.wav"};

struct Cassaforte : BoardWorld {
    // codice: the secret code the load draws; primo: who tries first.
    explicit Cassaforte(int codice, int primo = 1, bool voce = false)
    {
        M().strParlato = voce ? QStringLiteral("Play") : QString();
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : kSuoni)
            touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(1.0));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        fakes.random.pushDraw(codice + 1, 1000);
        p = &apriProva<frmProva4>();
    }
    void componi(int n)
    {
        const int cifre[3] = {n / 100, n / 10 % 10, n % 10};
        for (int i = 0; i < 3; ++i)
            p->scbNumero[i].setValue(cifre[i]);
    }
    void prova(int n)
    {
        componi(n);
        click(p->cmdConferma);
    }
    QString cifre() const
    {
        return p->lblNumero[0].caption() + p->lblNumero[1].caption() + p->lblNumero[2].caption();
    }
    QStringList crediti() const { return {p->lblPunti[0].caption(), p->lblPunti[1].caption()}; }
    QStringList suoni() { return fakes.audio.played(QStringLiteral("frmProva4.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva4* p = nullptr;
};

// The share of a message line's place on the window that shows its blue
// bar, and whether white text is written on it.
struct Riga {
    double blu = 0;
    bool testo = false;
};
Riga comeAppare(frmProva4& p, int i)
{
    QWidget* finestra = p.surface()->window();
    QWidget* riga = p.Label1[i].widget();
    const QImage img = finestra->grab().toImage();
    const QRect r(riga->mapTo(finestra, QPoint(0, 0)), riga->size());
    int blu = 0, bianco = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            blu += qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) > 215;
            bianco += qRed(c) > 215 && qGreen(c) > 215 && qBlue(c) > 215;
        }
    return {double(blu) / (r.width() * r.height()), bianco > 20};
}

const QString kAnna = QStringLiteral("ANNA       ");
const QString kBruno = QStringLiteral("BRUNO      ");
}  // namespace

class TestCassaforte : public QObject {
    Q_OBJECT
private slots:
    void theLoadDrawsTheFirstContestantAndTheStartOpensThePanel_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("ANNA first") << 1 << kAnna;
        QTest::newRow("BRUNO first") << 2 << kBruno;
    }
    void theLoadDrawsTheFirstContestantAndTheStartOpensThePanel()
    {
        QFETCH(int, primo);
        QFETCH(QString, nome);
        Cassaforte w(321, primo);
        frmProva4& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        QCOMPARE(p.varCodice, 321);
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(w.cifre(), QStringLiteral("000"));
        QCOMPARE(w.crediti(), (QStringList{"5", "5"}));
        QCOMPARE(p.lblGiocatore[1].caption(), kBruno);
        QCOMPARE(p.lblAperto.backColor(), frmProva4::kApertoSpento);
        QCOMPARE(p.lblChiuso.backColor(), frmProva4::kChiusoAcceso);
        // The panel is shut until the start.
        w.click(p.cmdConferma);
        QCOMPARE(w.crediti(), (QStringList{"5", "5"}));
        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled());
        QVERIFY(p.Frame1.enabled());
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        w.prova(100);
        QCOMPARE(w.crediti(), primo == 1 ? (QStringList{"4", "5"}) : (QStringList{"5", "4"}));
        QCOMPARE(p.cmdEsegui.caption(), "Ora tocca a " + (primo == 1 ? kBruno : kAnna));
    }

    // Each dial writes its digit as it moves: by its arrows and while its
    // thumb is dragged.
    void theDialsWriteTheirDigits()
    {
        Cassaforte w(0);
        frmProva4& p = *w.p;
        w.click(p.cmdEsegui);
        auto* decine = static_cast<QScrollBar*>(p.scbNumero[1].widget());
        for (int i = 0; i < 9; ++i)
            decine->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(w.cifre(), QStringLiteral("090"));
        decine->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(w.cifre(), QStringLiteral("080"));
        auto* unita = static_cast<QScrollBar*>(p.scbNumero[2].widget());
        unita->setSliderDown(true);
        unita->setSliderPosition(6);
        QCOMPARE(w.cifre(), QStringLiteral("086"));
        unita->setSliderDown(false);
        QCOMPARE(w.cifre(), QStringLiteral("086"));
        w.click(p.cmdConferma);
        QCOMPARE(p.varTentativo, 86);
    }

    void eachMissIsToldHowFarOffItWas_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("tentativo");
        QTest::addColumn<QString>("esclamazione");
        QTest::addColumn<QString>("intervallo");
        QTest::addColumn<QString>("suono");
        const QString tra = QStringLiteral("Il numero esatto è compreso tra %1 e %2");
        QTest::newRow("d = 101") << 500 << 601 << "E' VERAMENTE TROPPO ALTO!" << "Il numero esatto è inferiore a 501"
                                 << "altissimo.wav";
        QTest::newRow("d = 100") << 500 << 600 << "E' TROPPO ALTO!" << tra.arg(500).arg(589) << "alto.wav";
        QTest::newRow("d = 11") << 500 << 511 << "E' TROPPO ALTO!" << tra.arg(411).arg(500) << "alto.wav";
        QTest::newRow("d = 10") << 500 << 510 << "E' UN POCHINO ALTO!" << tra.arg(500).arg(509) << "altino.wav";
        QTest::newRow("d = 1") << 500 << 501 << "E' UN POCHINO ALTO!" << tra.arg(491).arg(500) << "altino.wav";
        QTest::newRow("d = -1") << 500 << 499 << "E' UN POCHINO BASSO!" << tra.arg(500).arg(509) << "bassino.wav";
        QTest::newRow("d = -10") << 500 << 490 << "E' UN POCHINO BASSO!" << tra.arg(491).arg(500) << "bassino.wav";
        QTest::newRow("d = -11") << 500 << 489 << "E' TROPPO BASSO!" << tra.arg(500).arg(589) << "basso.wav";
        QTest::newRow("d = -100") << 500 << 400 << "E' TROPPO BASSO!" << tra.arg(411).arg(500) << "basso.wav";
        QTest::newRow("d = -101") << 500 << 399 << "E' VERAMENTE TROPPO BASSO!"
                                  << "Il numero esatto è superiore a 499" << "bassissimo.wav";
        QTest::newRow("code 0, 50: from 0") << 0 << 50 << "E' TROPPO ALTO!" << tra.arg(0).arg(39) << "alto.wav";
        QTest::newRow("code 0, 5: from 0") << 0 << 5 << "E' UN POCHINO ALTO!" << tra.arg(0).arg(4) << "altino.wav";
        QTest::newRow("code 999, 995: past 999") << 999 << 995 << "E' UN POCHINO BASSO!" << tra.arg(996).arg(1005)
                                                 << "bassino.wav";
        QTest::newRow("code 999, 0") << 999 << 0 << "E' VERAMENTE TROPPO BASSO!"
                                     << "Il numero esatto è superiore a 100" << "bassissimo.wav";
    }
    void eachMissIsToldHowFarOffItWas()
    {
        QFETCH(int, codice);
        QFETCH(int, tentativo);
        QFETCH(QString, esclamazione);
        QFETCH(QString, intervallo);
        QFETCH(QString, suono);
        Cassaforte w(codice);
        frmProva4& p = *w.p;
        w.click(p.cmdEsegui);
        w.prova(tentativo);
        QCOMPARE(p.Label1[0].caption(), esclamazione);
        QCOMPARE(p.Label1[1].caption(), intervallo);
        QCOMPARE(p.mmcSonoro.fileName(), w.path("sounds1/" + suono));
        QVERIFY2(w.suoni().isEmpty(), "spoken comments are off");
        // The next contestant goes on from the same dials.
        QCOMPARE(p.cmdEsegui.caption(), "Ora tocca a " + kBruno);
        QVERIFY(!p.cmdEsegui.enabled() && p.Frame1.enabled());
        QCOMPARE(w.cifre(), QStringLiteral("%1").arg(tentativo, 3, 10, QLatin1Char('0')));
        QCOMPARE(p.lblChiuso.backColor(), frmProva4::kChiusoAcceso);
    }

    void withTheVoiceOnTheExclamationIsSpokenNotWritten()
    {
        Cassaforte w(500);
        frmProva4& p = *w.p;
        w.click(p.cmdEsegui);
        w.prova(600);
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("E' TROPPO ALTO!"));
        w.M().strParlato = QStringLiteral("Play");
        w.prova(450);
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("E' TROPPO ALTO!"));
        QCOMPARE(p.Label1[1].caption(), QStringLiteral("Il numero esatto è compreso tra 461 e 550"));
        QCOMPARE(w.suoni(), QStringList{"basso.wav"});
        // The next attempt cuts the hint still being spoken.
        w.advance(0.5);
        w.prova(499);
        QCOMPARE(w.suoni(), (QStringList{"basso.wav", "bassino.wav"}));
        const auto& ev = w.fakes.audio.events;
        QVERIFY(ev.size() >= 2);
        QVERIFY2(ev[ev.size() - 2].file.isEmpty() && ev[ev.size() - 2].at < 1.0 + ev.front().at,
                 "basso.wav is stopped before it has played to its end");
    }

    // A message line is a blue bar with white text while it says something,
    // and nothing over the safe's door while it is empty: before the first
    // attempt, the exclamation's line while the voice says it, the range's
    // line after the verdict.
    void aMessageLineIsABarOnlyWhileItSaysSomething()
    {
        Cassaforte w(500, 1, true);
        frmProva4& p = *w.p;
        w.click(p.cmdEsegui);
        for (int i = 0; i < 2; ++i)
            QVERIFY2(comeAppare(p, i).blu < 0.02, qPrintable(QString::number(i)));
        w.prova(450);
        QVERIFY(comeAppare(p, 0).blu < 0.02);
        QVERIFY(comeAppare(p, 1).blu > 0.6);
        QVERIFY(comeAppare(p, 1).testo);
        w.prova(500);
        QVERIFY(comeAppare(p, 0).blu > 0.6);
        QVERIFY(comeAppare(p, 0).testo);
        QVERIFY(comeAppare(p, 1).blu < 0.02);
    }

    // Turns alternate strictly over the ten attempts, each taking one credit
    // from its contestant; the tenth decides.
    void theTenthAttemptWinsOrMakesTheGameVoid_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<bool>("giusto");
        QTest::newRow("right: the second contestant wins") << 1 << true;
        QTest::newRow("wrong: void") << 2 << false;
    }
    void theTenthAttemptWinsOrMakesTheGameVoid()
    {
        QFETCH(int, primo);
        QFETCH(bool, giusto);
        Cassaforte w(7, primo, true);
        frmProva4& p = *w.p;
        const QString nomi[3] = {{}, kAnna, kBruno};
        const int secondo = 3 - primo;
        w.click(p.cmdEsegui);
        for (int n = 1; n <= 9; ++n) {
            w.prova(500 + n);
            const int chi = n % 2 ? primo : secondo;
            const int altro = 3 - chi;
            QCOMPARE(p.lblPunti[chi - 1].caption(), QString::number(5 - (n + 1) / 2));
            QCOMPARE(p.lblPunti[altro - 1].caption(), QString::number(5 - n / 2));
            QCOMPARE(p.cmdEsegui.caption(), "Ora tocca a " + nomi[altro]);
        }
        w.fakes.random.pushDraw(2, 3);   // which "nullo"
        w.fakes.audio.clear();
        w.prova(giusto ? 7 : 8);
        QCOMPARE(w.crediti(), (QStringList{"0", "0"}));
        QVERIFY(!p.Frame1.enabled());
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(p.lblAperto.backColor(), frmProva4::kApertoAcceso);
        QCOMPARE(p.lblChiuso.backColor(), frmProva4::kChiusoSpento);
        QCOMPARE(p.Label1[1].caption(), QString());
        if (giusto) {
            QCOMPARE(p.Label1[0].caption(), QStringLiteral("Numero ESATTO!"));
            QCOMPARE(p.cmdEsegui.caption(), "Vince " + nomi[secondo]);
            QCOMPARE(int(w.M().bytConcorrente), secondo);
            QCOMPARE(int(w.M().bytGiri[secondo]), 1);
            QCOMPARE(w.cifre(), QStringLiteral("007"));
            QVERIFY(p.Timer1.enabled());
        } else {
            QCOMPARE(p.Label1[0].caption(), QStringLiteral("Il numero era: 7"));
            QCOMPARE(w.cifre(), QStringLiteral("007"));
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));
            QCOMPARE(int(w.M().bytConcorrente), 0);
            QVERIFY(!p.Timer1.enabled());
        }
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{0, giusto ? 1 : 0}));
        const QStringList verdetto{giusto ? "vince.wav" : "nullo2.wav"};
        QCOMPARE(w.suoni(), verdetto);

        // The panel is shut: no press on "Ok", not even one reaching its
        // handler, changes the verdict.
        const QString didascalia = p.cmdEsegui.caption();
        w.click(p.cmdConferma);
        w.run([&] { p.cmdConferma_Click(); });
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(p.Label1[0].caption(), giusto ? QStringLiteral("Numero ESATTO!") : QStringLiteral("Il numero era: 7"));
        QCOMPARE(w.crediti(), (QStringList{"0", "0"}));
        QCOMPARE(int(w.M().bytConcorrente), giusto ? secondo : 0);
        QCOMPARE(w.suoni(), verdetto);

        // Handed back before the winner's voice: it never sounds.
        w.advance(2.0);
        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva4>());
        QVERIFY(w.R->enabled());
        w.advance(5);
        QCOMPARE(w.suoni(), verdetto);
        if (giusto) {
            QVERIFY((secondo == 1 ? w.R->cmdGira1 : w.R->cmdGira2).enabled());
        } else {
            QVERIFY(w.R->cmdFine.visible() && w.R->cmdFine.enabled());
            QVERIFY(!w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
        }
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("aperta");
        QTest::addColumn<int>("risposta");
        QTest::newRow("during the attempts, No") << false << mb::No;
        QTest::newRow("during the attempts, Yes") << false << mb::Yes;
        QTest::newRow("before the winner's voice, No") << true << mb::No;
        QTest::newRow("before the winner's voice, Yes") << true << mb::Yes;
    }
    void abandoning()
    {
        QFETCH(bool, aperta);
        QFETCH(int, risposta);
        Cassaforte w(42, 1, true);
        frmProva4& p = *w.p;
        w.click(p.cmdEsegui);
        w.prova(aperta ? 42 : 40);
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(risposta);
        p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        w.advance(5);
        if (risposta == mb::Yes) {
            QVERIFY(!w.ctx->screens.find<frmProva4>());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
            QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
            QVERIFY(w.suoni().isEmpty());
            return;
        }
        QVERIFY(p.visible());
        QVERIFY(!w.R->enabled());
        if (aperta) {
            // The voice still comes, and the button still hands back.
            QCOMPARE(w.suoni(), QStringList{"ANNA.wav"});
            QCOMPARE(p.cmdEsegui.caption(), "Vince " + kAnna);
            w.click(p.cmdEsegui);
            QVERIFY(w.R->enabled() && w.R->cmdGira1.enabled());
        } else {
            // BRUNO's turn goes on.
            w.prova(42);
            QCOMPARE(p.cmdEsegui.caption(), "Vince " + kBruno);
        }
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        for (const char* f : kSuoni)
            w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(1.0));
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(4, 20);      // LA CASSAFORTE
        w.fakes.random.pushDraw(2, 2);       // BRUNO first
        w.fakes.random.pushDraw(44, 1000);   // the code 43
        w.passo();
        auto* p = w.ctx->screens.find<frmProva4>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("LA CASSAFORTE"));
        QCOMPARE(p->cmdEsegui.caption(), "Inizia " + kBruno);
        w.click(p->cmdEsegui);
        p->scbNumero[1].setValue(5);
        w.click(p->cmdConferma);
        QCOMPARE(p->Label1[1].caption(), QStringLiteral("Il numero esatto è compreso tra 40 e 49"));
        p->scbNumero[1].setValue(4);
        p->scbNumero[2].setValue(3);
        w.click(p->cmdConferma);
        QCOMPARE(p->cmdEsegui.caption(), "Vince " + kAnna);
        QCOMPARE(w.fakes.audio.played(QStringLiteral("frmProva4.mmcSonoro")), (QStringList{"altino.wav", "vince.wav"}));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva4>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestCassaforte)
#include "tst_frmProva4.moc"

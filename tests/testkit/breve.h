#pragma once
// A short challenge in a test world: loaded over the board as the launcher
// leaves it, or drawn by the board's step button; its reading played to the
// booking question, and the contestants' answers to the verdict.
#include "challenges/base/breve.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QtTest>

namespace zolmera::testing {

template <class T>
struct MondoBreve : BoardWorld {
    MondoBreve() { R = &apri(); }
    T& carica()
    {
        T* p = nullptr;
        run([&] {
            BloccaTabellone(*ctx);
            p = &ctx->screens.get<T>();
            p->show();
        });
        return *p;
    }
    void chiudi(T& p)
    {
        run([&] { p.unload(); });
    }
    QStringList opzioni() const
    {
        return {R->txtOpzione[0].text(), R->txtOpzione[1].text(), R->txtOpzione[2].text()};
    }

    // How a contestant answers on the board once booked: a click on option
    // i (0 to 2), or keys typed into the answer box.
    std::function<void()> clic(int i)
    {
        return [this, i] { click(R->txtOpzione[i]); };
    }
    std::function<void()> tasti(const QString& testo)
    {
        return [this, testo] { typeKeys(*R, testo); };
    }

    // p's start pressed (`inLettura` sees the window right after) and its
    // reading of `lettura` seconds played; then, two seconds apart,
    // contestant 1 and after him contestant 2 book, answer as given and
    // confirm. Noted for each: what the answer box held when he confirmed,
    // in `prese`, and half a second later the board's verdict, in
    // `giudizi`, as "spins of 1, spins of 2, failed attempts" ("1 0 0").
    // The window is gone by the end.
    void leggiERispondi(T& p, double lettura, const QList<std::function<void()>>& risposte,
                        const std::function<void()>& inLettura = {})
    {
        prese.clear();
        giudizi.clear();
        click(p.cmdEsegui);
        const double t0 = loop().now();
        if (inLettura) {
            inLettura();
            if (QTest::currentTestFailed())
                return;
        }
        for (qsizetype i = 0; i < risposte.size(); ++i) {
            const double t = t0 + lettura + 1 + 2 * double(i);
            loop().at(t, [this, i] {
                keyClick(*R, i == 0 ? Qt::Key_Z : Qt::Key_N, i == 0 ? QStringLiteral("z") : QStringLiteral("n"));
            });
            loop().at(t + 1, [this, &risposte, i] {
                risposte[i]();
                prese << R->txtRisposta.text();
                click(R->cmdOK);
            });
            // Not right after the click: a wrong answer's countdown for the
            // other contestant runs inside it.
            loop().at(t + 1.5, [this] {
                giudizi << QStringLiteral("%1 %2 %3").arg(M().bytGiri[1]).arg(M().bytGiri[2]).arg(R->prenotazione.varErrori);
            });
        }
        advance(lettura + 2 + 2 * double(risposte.size()));
        QVERIFY(!ctx->screens.template find<T>());
    }
    QStringList prese, giudizi;

    // A turn of a match, from the board's step button to the verdict.
    struct Giro {
        int k = 0;                 // the short challenge drawn, this window
        int r = 1;                 // its row, or item, of n
        int n = 1;
        double lettura = 10;       // seconds of reading before the board asks
        std::function<void()> risposta = {};   // contestant 1's, once booked
        int turno = 2;
        std::function<void(T&)> alVia = {};       // sees the window as drawn, before its start
        std::function<void(T&)> inLettura = {};   // ... right after its start
    };
    // The board at turn g.turno's step button, the step pressed: short
    // challenge g.k and its row g.r are drawn, the window read to the end,
    // and contestant 1 books, answers and confirms. True when his spin is
    // lit, yellow.
    bool dalPassoAlGiro(const Giro& g)
    {
        touch(QStringLiteral("sounds1/domanda%1.wav").arg(g.k), onda(1));
        run([&] {
            R->turni.intTurno = g.turno - 1;
            R->cmdFine.setCaption(QStringLiteral("Inizia prova  %1").arg(g.turno));
            R->cmdFine.setVisible(true);
            R->cmdFine.setEnabled(true);
        });
        fakes.random.pushDraw(g.k, 18);
        fakes.random.pushDraw(g.r, g.n);
        passo();
        T* p = ctx->screens.template find<T>();
        if (!p || !p->visible()) {
            QTest::qFail("the challenge drawn did not open", __FILE__, __LINE__);
            return false;
        }
        if (g.alVia) {
            g.alVia(*p);
            if (QTest::currentTestFailed())
                return false;
        }
        leggiERispondi(*p, g.lettura, {g.risposta}, [&] {
            if (g.inLettura)
                g.inLettura(*p);
        });
        return !QTest::currentTestFailed() && M().bytGiri[1] == 1 && R->cmdGira1.enabled() &&
               R->cmdGira1.backColor() == frmRuota::kGiallo;
    }

    frmRuota* R = nullptr;
};

// How the reading of a short challenge ends.
enum class FineLettura {
    Parlata,       // spoken comments on: the question is heard
    Scritta,       // off: it is written on the board
    AbbandonoNo,   // the player closes near the end and answers No: the hand-over waits, then follows
    AbbandonoSi,   // ... answers Yes: the match is over, the board never gets the question
};

// Loads T (its item drawn as prepara scripts it), starts it,
// and checks the end of its reading: none of it a moment before `lettura`
// seconds, the board armed right after with the written question `scritta`
// or the spoken question `file` of the edition's sounds.
template <class T>
void verificaFineLettura(FineLettura fine, double lettura, const QString& scritta, const QString& file,
                         const std::function<void(ScriptedRandom&)>& prepara = {})
{
    MondoBreve<T> w;
    if (prepara)
        prepara(w.fakes.random);
    w.M().strParlato = fine == FineLettura::Scritta ? QString() : QStringLiteral("Play");
    w.touch(QStringLiteral("sounds1/") + file, onda(1));
    T& p = w.carica();
    const QString finestra = p.name();
    frmRuota& R = *w.R;
    w.click(p.cmdEsegui);
    QVERIFY(!p.cmdEsegui.enabled());
    const double t0 = w.loop().now();
    // A second press, by mouse or by Enter, starts nothing again.
    w.loop().at(t0 + 1, [&] {
        w.click(p.cmdEsegui);
        w.keyClick(p, Qt::Key_Return, QStringLiteral("\r"));
    });
    const bool abbandono = fine == FineLettura::AbbandonoNo || fine == FineLettura::AbbandonoSi;
    if (abbandono) {
        w.fakes.messages.setNextAnswer(fine == FineLettura::AbbandonoNo ? mb::No : mb::Yes, 4.0);
        w.loop().at(t0 + lettura - 2, [&] { p.window()->close(); });
    }
    // Seen a moment before the reading's end, a moment after, and a second
    // after (the abandon question still up): is the window open, the board armed?
    QList<bool> aperta, armata;
    for (double t : {lettura - 0.01, lettura + 0.01, lettura + 1})
        w.loop().at(t0 + t, [&] {
            aperta << (w.ctx->screens.template find<T>() != nullptr);
            armata << (w.ctx->screens.template find<frmRuota>() && R.imgPPrenota.visible());
        });
    w.fakes.audio.clear();
    w.advance(lettura + 5);
    QCOMPARE(aperta, (QList<bool>{true, abbandono, abbandono}));
    QCOMPARE(armata, (QList<bool>{false, !abbandono, !abbandono}));
    if (fine == FineLettura::AbbandonoSi) {
        w.nullaDopoAbbandono(finestra, 30);
        QVERIFY(!w.ctx->screens.template find<frmRuota>());
        QVERIFY(w.fakes.audio.played(QStringLiteral("frmRuota.mmcMelodia")).isEmpty());
        return;
    }
    QVERIFY(!w.ctx->screens.template find<T>());
    QVERIFY(R.enabled());
    QVERIFY(R.Frame2.visible() && !R.Frame2.enabled());
    QCOMPARE(R.lblArgomento.caption(), QStringLiteral("Domanda a prenotazione"));
    QCOMPARE(R.txtDomanda.text(), fine == FineLettura::Scritta ? scritta : QStringLiteral("Forza! Potete prenotarvi!"));
    QVERIFY(R.cmdPrenota1.enabled() && R.cmdPrenota2.enabled());
    QVERIFY(R.imgPPrenota.visible() && !R.Tobrano.visible());
    QCOMPARE(w.M().strFileDomanda, w.path(QStringLiteral("sounds1/") + file));
    QCOMPARE(w.fakes.audio.played(QStringLiteral("frmRuota.mmcMelodia")),
             fine == FineLettura::Scritta ? QStringList{} : QStringList{file});
}

}  // namespace zolmera::testing

#pragma once
// A short challenge in a test world: loaded over the board as the launcher
// leaves it, and its reading played to the booking question.
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

// "IL DOMANDIERE": nine photos for fifteen seconds, five true-or-false
// questions answered by both contestants at once, a point for each right
// answer.
#include "challenges/mind/frmProva14.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <memory>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"fotoclick1", "fotoclick2", "domandiere1", "domandiere2", "domandiere3",
                              "domandiere4", "domandiere5", "sirena1",     "sirena2",     "sirena3",
                              "vince",      "pari",       "nullo1",      "nullo2",      "nullo3",
                              "ANNA",       "BRUNO"};

// The value that makes draw(n) give k.
double tiro(int k, int n) { return (k - 0.5) / n; }

// Photos 1 to 9 in cells 1 to 9.
const QList<int> kGriglia = {1, 2, 3, 4, 5, 6, 7, 8, 9};
// The questions' draws: photo 12 (not shown), cell 2 naming itself, photo 15
// (not shown), cell 5 naming cell 6, cell 7: "FALSO", "VERO", "VERO",
// "VERO", "FALSO".
const QList<double> kEstrazioni = {tiro(12, 19), tiro(2, 9), tiro(2, 3), tiro(15, 19),
                                   tiro(5, 9),   tiro(3, 3), tiro(7, 9)};
const QString kSoluzioni = QStringLiteral("FVVVF");

struct Domandiere : BoardWorld {
    explicit Domandiere(bool parlato = true, const QList<int>& griglia = kGriglia,
                        const QList<double>& estrazioni = kEstrazioni)
    {
        M().strEffetti = "Play";
        M().strParlato = parlato ? "Play" : "";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : kSuoni)
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        for (int n = 1; n <= frmProva14::kFoto; ++n)
            touch(QStringLiteral("images1/foto%1.jpg").arg(n), "GIF89a");
        R = &apri();
        for (int g : griglia)
            fakes.random.pushDraw(g, 19);
        for (double v : estrazioni)
            fakes.random.push(v);
        p = &apriProva<frmProva14>();
    }
    frmProva14* aperta() { return ctx->screens.find<frmProva14>(); }
    // The photos, shown to their end.
    void mostra()
    {
        click(p->cmdEsegui);
        advance(frmProva14::kMostraGriglia + 0.01);
    }
    // The questions, to the verdict: at `dopo` seconds into question q the
    // keys tasti[q - 1] are typed; `nellaPausa` after each answer window
    // the keys pausa are.
    void domande(const QStringList& tasti, double dopo = 1.0, const QString& pausa = {}, double nellaPausa = 1.5)
    {
        this->tasti = tasti;
        this->dopo = dopo;
        this->pausa = pausa;
        this->nellaPausa = nellaPausa;
        loop().at(loop().now() + 0.001, [this] { sorveglia(); });
        click(p->cmdEsegui);
    }
    // Each contestant's answers as "V", "F" or "-", question by question, as
    // the keys that give them.
    static QStringList tastiPer(const QString& uno, const QString& due)
    {
        QStringList out;
        for (int q = 0; q < 5; ++q) {
            QString k;
            k += uno[q] == u'V' ? QStringLiteral("a") : uno[q] == u'F' ? QStringLiteral("d") : QString();
            k += due[q] == u'V' ? QStringLiteral("j") : due[q] == u'F' ? QStringLiteral("l") : QString();
            out << k;
        }
        return out;
    }
    QStringList suoni() { return fakes.audio.played(QStringLiteral("frmProva14.mmcSonoro")); }
    // When the file last started, or -1.
    double quando(const QString& file)
    {
        double t = -1;
        for (const auto& e : fakes.audio.events)
            if (e.file.endsWith(QLatin1Char('/') + file) || e.file == file)
                t = e.at;
        return t;
    }
    QString risposte(int c)
    {
        QString out;
        for (int q = 1; q <= 5; ++q) {
            const QString r = p->risposta(c, q);
            out += r.isEmpty() ? QLatin1Char('-') : r.at(0);
        }
        return out;
    }

    frmRuota* R = nullptr;
    frmProva14* p = nullptr;
    QStringList tasti;
    QString pausa;
    double dopo = 1.0, nellaPausa = 1.5;
    int vista = 0;
    bool inPausa = false;
    QList<double> battute;   // when each question's keys had been typed

private:
    // Watches the window in small steps: a new question gets its keys, the
    // end of an answer window the pause's keys.
    void sorveglia()
    {
        frmProva14* f = aperta();
        if (!f)
            return;
        if (f->varDomanda > vista && f->Frame1.enabled()) {
            vista = f->varDomanda;
            inPausa = false;
            const QString k = tasti.value(vista - 1);
            if (!k.isEmpty())
                loop().at(loop().now() + dopo, [this, k] {
                    if (frmProva14* g = aperta()) {
                        typeKeys(*g, k);
                        battute << loop().now();
                    }
                });
        }
        if (!inPausa && vista > 0 && !f->Frame1.enabled()) {
            inPausa = true;
            if (!pausa.isEmpty())
                loop().at(loop().now() + nellaPausa, [this] {
                    if (frmProva14* g = aperta())
                        typeKeys(*g, pausa);
                });
        }
        if (!f->decisa())
            loop().at(loop().now() + 0.01, [this] { sorveglia(); });
    }
};

Figura fotoN(const frmProva14& p, int n) { return p.imgFotomini[n - 1].figura(); }
}  // namespace

class TestDomandiere : public QObject {
    Q_OBJECT
private slots:
    void theLoadLaysTheGridAndTheKeys_data()
    {
        QTest::addColumn<bool>("parlato");
        QTest::newRow("spoken") << true;
        QTest::newRow("silent: the questions are written") << false;
    }
    void theLoadLaysTheGridAndTheKeys()
    {
        QFETCH(bool, parlato);
        const QList<int> griglia = {19, 4, 4, 11, 1, 7, 4, 18, 2};
        Domandiere w(parlato, griglia);
        frmProva14& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QVERIFY(!p.Frame1.visible() && !p.Frame2.visible());
        for (int k = 0; k < 9; ++k)
            QCOMPARE(p.Image1[k].figura(), fotoN(p, griglia[k]));
        QVERIFY(fotoN(p, 19).file.endsWith(QStringLiteral("images1/foto19.jpg")));
        QCOMPARE((QStringList{p.lblVero1.caption(), p.lblFalso1.caption(), p.lblVero2.caption(), p.lblFalso2.caption()}),
                 (QStringList{"A", "D", "J", "L"}));
        QCOMPARE(p.lblTasti1.caption(), QStringLiteral("ANNA       "));
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("0"));
        QCOMPARE(p.lblDomandiere.visible(), !parlato);
    }

    // Cell 2 holds photo 2; "-" a question without a cell.
    void theGeneratorDrawsFiveQuestionsFromTheGrid_data()
    {
        QTest::addColumn<QList<int>>("griglia");
        QTest::addColumn<QList<double>>("estrazioni");
        QTest::addColumn<QList<int>>("foto");
        QTest::addColumn<QStringList>("caselle");
        QTest::addColumn<QString>("soluzioni");
        const QList<int> doppia = {1, 2, 3, 5, 5, 6, 7, 8, 9};   // photo 5 in B1 and B2
        const auto caselle = [](const QString& q2, const QString& q4) {
            return QStringList{"-", q2, "-", q4, "-"};
        };
        QTest::newRow("defaults") << kGriglia << kEstrazioni << QList<int>{12, 2, 15, 5, 7}
                                  << caselle("Casella A2", "Casella B3") << "FVVVF";
        QTest::newRow("cell 1 back: A1 or A2 on one more draw")
            << kGriglia
            << QList<double>{tiro(3, 19), tiro(1, 9), tiro(1, 3), 0.7, tiro(3, 19), tiro(1, 9), tiro(1, 3), 0.2,
                             tiro(3, 9)}
            << QList<int>{3, 1, 3, 1, 3} << caselle("Casella A2", "Casella A1") << "VFFFF";
        QTest::newRow("cell 1 forward; cell 9 forward falls out: C2 on one more draw")
            << kGriglia
            << QList<double>{tiro(3, 19), tiro(1, 9), tiro(3, 3), tiro(3, 19), tiro(9, 9), tiro(3, 3), 0.2,
                             tiro(9, 9)}
            << QList<int>{3, 1, 3, 9, 9} << caselle("Casella A2", "Casella C2") << "VFFVF";
        QTest::newRow("cell 3 names A2, A3 or B1")
            << kGriglia
            << QList<double>{tiro(3, 19), tiro(3, 9), tiro(3, 3), tiro(3, 19), tiro(3, 9), tiro(1, 3), tiro(3, 9)}
            << QList<int>{3, 3, 3, 3, 3} << caselle("Casella B1", "Casella A2") << "VFFVF";
        QTest::newRow("the generator stuck: the draw still ends")
            << kGriglia << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0}
            << QList<int>{1, 1, 1, 1, 1} << caselle("Casella A1", "Casella A1") << "VVFFF";
        QTest::newRow("a photo twice: q1 and q5 true, q3 false")
            << doppia << QList<double>{tiro(5, 19), tiro(1, 9), tiro(2, 3), tiro(5, 19), tiro(9, 9), tiro(2, 3), tiro(4, 9)}
            << QList<int>{5, 1, 5, 9, 5} << caselle("Casella A1", "Casella C3") << "VVFFV";
        QTest::newRow("the named neighbour holds the photo too: q2 true, q4 false")
            << doppia << QList<double>{tiro(4, 19), tiro(4, 9), tiro(3, 3), tiro(4, 19), tiro(5, 9), tiro(1, 3), tiro(5, 9)}
            << QList<int>{4, 5, 4, 5, 5} << caselle("Casella B2", "Casella B1") << "FVVFV";
        QTest::newRow("the named neighbour holds another photo: q2 false, q4 true")
            << doppia << QList<double>{tiro(4, 19), tiro(6, 9), tiro(1, 3), tiro(4, 19), tiro(5, 9), tiro(3, 3), tiro(6, 9)}
            << QList<int>{4, 6, 4, 5, 6} << caselle("Casella B2", "Casella B3") << "FFVVF";
    }
    void theGeneratorDrawsFiveQuestionsFromTheGrid()
    {
        QFETCH(QList<int>, griglia);
        QFETCH(QList<double>, estrazioni);
        QFETCH(QList<int>, foto);
        QFETCH(QStringList, caselle);
        QFETCH(QString, soluzioni);
        Domandiere w(true, griglia, estrazioni);
        frmProva14& p = *w.p;
        QString s;
        for (int q = 1; q <= 5; ++q) {
            QCOMPARE(int(p.intFotoDomanda[q]), foto[q - 1]);
            QCOMPARE(p.intCasellaDomanda[q] == 0 ? QStringLiteral("-") : frmProva14::casella(p.intCasellaDomanda[q]),
                     caselle[q - 1]);
            s += p.strSoluzione[q].at(0);
        }
        QCOMPARE(s, soluzioni);
    }

    void theQuestionShowsItsPhotoItsCellAndTheSecondsLeft_data()
    {
        QTest::addColumn<bool>("parlato");
        QTest::newRow("spoken") << true;
        QTest::newRow("written") << false;
    }
    void theQuestionShowsItsPhotoItsCellAndTheSecondsLeft()
    {
        QFETCH(bool, parlato);
        Domandiere w(parlato);
        frmProva14& p = *w.p;
        w.click(p.cmdEsegui);
        QVERIFY(p.Frame2.visible() && !p.Frame1.visible());
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(w.suoni().size(), 1);
        QVERIFY(w.suoni().first().startsWith(QStringLiteral("fotoclick")));
        w.advance(14.99);
        QVERIFY(p.Frame2.visible());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        w.advance(0.02);
        QVERIFY(!p.Frame2.visible());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Avvia le domande"));
        QVERIFY(p.cmdEsegui.enabled());
        QVERIFY(!p.tmrSecondi.enabled());

        // Question 2 names cell A2, 15 s into the questions (10 s, the pause,
        // 2 s more).
        struct Visto {
            QString domanda, casella, orologio, scritta;
            Figura figura;
            bool cornice = false;
        };
        auto visto = std::make_shared<Visto>();
        const double t0 = w.loop().now();
        w.loop().at(t0 + 15.0, [&w, visto] {
            frmProva14& f = *w.aperta();
            *visto = {f.lblDomanda.caption(), f.txtCasella.text(), f.lblOrologio.caption(), f.lblDomandiere.caption(),
                      f.figura.figura(), f.Frame1.visible() && !f.Frame2.visible()};
        });
        w.domande({});
        QCOMPARE(visto->domanda, QStringLiteral("Domanda 2"));
        QCOMPARE(visto->casella, QStringLiteral("Casella A2"));
        QCOMPARE(visto->orologio, QStringLiteral("08"));
        QCOMPARE(visto->figura, fotoN(p, 2));
        QVERIFY(visto->cornice);
        // With nobody speaking them, the questions are written as spoken.
        QCOMPARE(visto->scritta.trimmed(), QStringLiteral("Questa foto era nella casella indicata. Vero o falso?"));
        QCOMPARE(p.txtCasella.text(), QString());   // question 5 names no cell
        const QStringList domande = {"domandiere1.wav", "domandiere2.wav", "domandiere3.wav", "domandiere4.wav",
                                     "domandiere5.wav"};
        QStringList sentite;
        for (const QString& s : w.suoni())
            if (s.startsWith(QStringLiteral("domandiere")))
                sentite << s;
        QCOMPARE(sentite, parlato ? domande : QStringList{});
    }

    // Unanswered, each question lasts its ten seconds and ends on a siren;
    // answered by both, it ends at once and the next comes 3 s later.
    void bothAnsweringEndsTheQuestionAtOnce()
    {
        Domandiere w;
        w.mostra();
        const double t0 = w.loop().now();
        w.domande({"aj", "", "Dl", "l", "adj"}, 0.8);
        const double q2 = w.quando("domandiere2.wav"), q3 = w.quando("domandiere3.wav");
        QCOMPARE(w.quando("domandiere1.wav"), t0);
        QVERIFY(qAbs(q2 - (w.battute[0] + 3)) < 1e-3);
        QVERIFY(q3 - q2 > 13.0 && q3 - q2 < 13.01);
        QVERIFY(qAbs(w.quando("domandiere4.wav") - (w.battute[1] + 3)) < 1e-3);
        // Questions 2 and 4 ran out: a siren each.
        QStringList sirene;
        for (const QString& s : w.suoni())
            if (s.startsWith(QStringLiteral("sirena")))
                sirene << s;
        QCOMPARE(sirene.size(), 2);
        QCOMPARE(w.risposte(1), QStringLiteral("V-F-V"));
        QCOMPARE(w.risposte(2), QStringLiteral("V-FFV"));
        QVERIFY(w.p->decisa());
        QVERIFY(!w.p->Frame1.visible());
        QVERIFY(w.p->Frame2.visible());
    }

    void theFirstAnswerStandsInEitherCase_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("uno");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QList<bool>>("scuri");   // each contestant's keys gone black
        QTest::newRow("VERO then FALSO") << "ad" << "VERO" << "" << QList<bool>{true, false};
        QTest::newRow("upper case FALSO then VERO") << "DA" << "FALSO" << "" << QList<bool>{true, false};
        QTest::newRow("contestant 2, upper case") << "J" << "" << "VERO" << QList<bool>{false, true};
        QTest::newRow("contestant 2, FALSO then VERO") << "lj" << "" << "FALSO" << QList<bool>{false, true};
        QTest::newRow("both, mixed case") << "Al" << "VERO" << "FALSO" << QList<bool>{true, true};
        QTest::newRow("other keys do nothing") << "wsikz1" << "" << "" << QList<bool>{false, false};
    }
    void theFirstAnswerStandsInEitherCase()
    {
        QFETCH(QString, tasti);
        QFETCH(QString, uno);
        QFETCH(QString, due);
        QFETCH(QList<bool>, scuri);
        Domandiere w;
        frmProva14& p = *w.p;
        w.mostra();
        auto colori = std::make_shared<QList<quint32>>();
        const double t0 = w.loop().now();
        w.loop().at(t0 + 0.5, [&w, colori] {
            frmProva14& f = *w.aperta();
            *colori = {f.lblVero1.backColor(), f.lblFalso1.backColor(), f.lblVero2.backColor(), f.lblFalso2.backColor()};
        });
        w.loop().at(t0 + 2, [&w, tasti, colori] {
            frmProva14& f = *w.aperta();
            w.typeKeys(f, tasti);
            *colori << f.lblVero1.backColor() << f.lblFalso1.backColor() << f.lblVero2.backColor()
                    << f.lblFalso2.backColor();
        });
        w.domande({});
        QCOMPARE(p.risposta(1, 1), uno);
        QCOMPARE(p.risposta(2, 1), due);
        const quint32 g = frmProva14::kTasti1, v = frmProva14::kTasti2, n = frmProva14::kNero;
        QCOMPARE(colori->mid(0, 4), (QList<quint32>{g, g, v, v}));
        QCOMPARE(colori->mid(4, 4), (QList<quint32>{scuri[0] ? n : g, scuri[0] ? n : g, scuri[1] ? n : v,
                                                     scuri[1] ? n : v}));
    }

    // Keys during the photos, the pauses and after the verdict count for no
    // question.
    void keysOutsideTheQuestionsDoNothing()
    {
        Domandiere w;
        frmProva14& p = *w.p;
        w.click(p.cmdEsegui);
        w.advance(5);
        w.typeKeys(p, "ajdl");
        w.advance(10.01);
        w.domande({"a", "j", "d", "l", "aj"}, 1.0, "djal", 1.5);
        QCOMPARE(w.risposte(1), QStringLiteral("V-F-V"));
        QCOMPARE(w.risposte(2), QStringLiteral("-V-FV"));
        const QString uno = p.risultato1[0].caption() + p.risultato1[4].caption();
        w.fakes.audio.clear();
        w.typeKeys(p, "aAdDjJlL");
        w.advance(5);
        QCOMPARE(w.risposte(1), QStringLiteral("V-F-V"));
        QCOMPARE(p.risultato1[0].caption() + p.risultato1[4].caption(), uno);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        QCOMPARE(w.suoni(), QStringList{"BRUNO.wav"});
    }

    // The answers: "V" VERO, "F" FALSO, "-" none; the right ones are FVVVF.
    void theVerdict_data()
    {
        QTest::addColumn<QString>("uno");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QString>("esiti");   // contestant 1's five, then contestant 2's
        QTest::newRow("nobody answers: void") << "-----" << "-----" << "Gioco nullo!" << 0 << QList<int>{0, 0}
                                              << "nullo2.wav" << "NO NO NO NO NO/NO NO NO NO NO";
        QTest::newRow("all wrong: void") << "VFFFV" << "VFFFV" << "Gioco nullo!" << 0 << QList<int>{0, 0}
                                         << "nullo2.wav" << "NO NO NO NO NO/NO NO NO NO NO";
        QTest::newRow("3 to 3: a tie") << "FVV--" << "--VVF" << "Gara in parità!" << 1 << QList<int>{1, 1}
                                       << "pari.wav" << "OK OK OK NO NO/NO NO OK OK OK";
        QTest::newRow("4 to 2") << "FVVVV" << "FV---" << "Vince ANNA       " << 1 << QList<int>{1, 0}
                                << "vince.wav" << "OK OK OK OK NO/OK OK NO NO NO";
        QTest::newRow("0 to 3") << "-----" << "VVFVF" << "Vince BRUNO      " << 2 << QList<int>{0, 1}
                                << "vince.wav" << "NO NO NO NO NO/NO OK NO OK OK";
    }
    void theVerdict()
    {
        QFETCH(QString, uno);
        QFETCH(QString, due);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(QString, esiti);
        Domandiere w;
        frmProva14& p = *w.p;
        w.mostra();
        for (int q = 0; q < 5; ++q)
            if (uno[q] == u'-' || due[q] == u'-')
                w.fakes.random.pushDraw(1, 3);   // the question's siren
        w.fakes.random.pushDraw(2, 3);           // a void game's sound
        w.domande(Domandiere::tastiPer(uno, due));
        const double verdetto = w.loop().now();
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE(w.suoni().last(), suono);
        QStringList righe[2];
        for (int q = 0; q < 5; ++q) {
            for (int c = 0; c < 2; ++c) {
                const Label& l = (c == 0 ? p.risultato1 : p.risultato2)[q];
                righe[c] << l.caption();
                QCOMPARE(l.foreColor(), l.caption() == u"OK" ? frmProva14::kGiusta : frmProva14::kSbagliata);
            }
        }
        QCOMPARE(righe[0].join(' ') + '/' + righe[1].join(' '), esiti);
        QCOMPARE(p.lblPunti[0].caption(), QString::number(esiti.left(14).count(QStringLiteral("OK"))));
        QCOMPARE(p.lblPunti[1].caption(), QString::number(esiti.mid(15).count(QStringLiteral("OK"))));
        QVERIFY(p.Frame2.visible());
        // Only a winner hears his voice, 2.5 s after the verdict.
        w.advance(2.6);
        const double voce = w.quando(concorrente == 2 ? "BRUNO.wav" : "ANNA.wav");
        if (didascalia.startsWith(QStringLiteral("Vince")))
            QVERIFY(qAbs(voce - (verdetto + 2.5)) < 1e-3);
        else
            QCOMPARE(voce, -1.0);

        w.click(p.cmdEsegui);
        QVERIFY(!w.aperta());
        QVERIFY(w.R->enabled());
        QCOMPARE(w.R->cmdFine.visible(), concorrente == 0);
        QCOMPARE(w.R->cmdGira1.enabled(), concorrente == 1);
        QCOMPARE(w.R->cmdGira2.enabled(), concorrente == 2);
    }

    // Closing the window in the middle of the game: with No it goes on where
    // it was; with Yes nothing of it is heard, written or shown again.
    void abandoning_data()
    {
        QTest::addColumn<double>("alle");   // seconds after the first press
        QTest::addColumn<int>("risposta");
        QTest::newRow("during the photos, Yes") << 5.0 << mb::Yes;
        QTest::newRow("during a question, Yes") << 20.0 << mb::Yes;
        QTest::newRow("during a pause, Yes") << 26.5 << mb::Yes;
        QTest::newRow("during a pause, No") << 26.5 << mb::No;
        QTest::newRow("during the last question, Yes") << 72.0 << mb::Yes;
    }
    void abandoning()
    {
        QFETCH(double, alle);
        QFETCH(int, risposta);
        Domandiere w;
        w.fakes.messages.setNextAnswer(risposta);
        const double t0 = w.loop().now();
        auto chiusa = std::make_shared<double>(-1);
        w.loop().at(t0 + alle, [&w, chiusa] {
            w.aperta()->window()->close();
            *chiusa = w.loop().now();
        });
        w.click(w.p->cmdEsegui);
        w.advance(15.01);
        if (w.aperta() && w.p->cmdEsegui.caption() == u"Avvia le domande")
            w.domande({"a", "a", "a", "a", "a"});
        w.advance(60);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(w.p->decisa());
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
            QCOMPARE(w.risposte(1), QStringLiteral("VVVVV"));
            return;
        }
        QVERIFY(*chiusa >= 0);
        QVERIFY(!w.aperta());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        for (const auto& e : w.fakes.audio.events)
            QVERIFY2(e.at <= *chiusa || e.file.isEmpty(), qPrintable(e.file));
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{0, 0}));
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strEffetti = "Play";
        w.M().strParlato = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(14, 20);   // IL DOMANDIERE
        for (int g : kGriglia)
            w.fakes.random.pushDraw(g, 19);
        for (double v : kEstrazioni)
            w.fakes.random.push(v);
        w.passo();
        auto* d = w.ctx->screens.find<frmProva14>();
        QVERIFY(d && d->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(d->lblTitolo.caption(), QStringLiteral("IL DOMANDIERE"));
        // F1 and "Guida" open the window's own page.
        w.keyClick(*d, Qt::Key_F1);
        w.run([&] { d->Guida.click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{31, 31}));
        w.click(d->cmdEsegui);
        w.advance(15.01);
        QCOMPARE(d->cmdEsegui.caption(), QStringLiteral("Avvia le domande"));
        // ANNA answers all five right, BRUNO says VERO to all: 5 to 3.
        const QStringList tasti = Domandiere::tastiPer(kSoluzioni, QStringLiteral("VVVVV"));
        double t = w.loop().now();
        for (const QString& k : tasti) {
            w.loop().at(t + 1, [&w, d, k] {
                for (QChar c : k)
                    w.keyClick(*d, Qt::Key(c.toUpper().unicode()), QString(c));
            });
            t += 1 + frmProva14::kPausa;
        }
        w.keyClick(*d, Qt::Key_Return, "\r");   // Enter presses the focused start button
        QCOMPARE(d->lblPunti[0].caption(), QStringLiteral("5"));
        QCOMPARE(d->lblPunti[1].caption(), QStringLiteral("3"));
        QCOMPARE(d->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*d, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva14>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestDomandiere)
#include "tst_frmProva14.moc"

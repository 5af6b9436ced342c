// The board's load: the starting state the engine relies on, the edition's
// layout and looks, keys, names, scores and the jackpot.
#include "platform/recordfile.h"
#include "shell/frmMenuZolmer.h"
#include "testkit/board.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>

using namespace zolmera;
using namespace zolmera::testing;

class TestBoardLoad : public QObject {
    Q_OBJECT
private slots:
    void startingState()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled());
        QCOMPARE(R.cmdFine.backColor(), frmRuota::kGiallo);
        QCOMPARE(R.cmdFine.toolTipText(), QStringLiteral("PREMI QUI per continuare"));
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Inizia prova 1"));
        for (CommandButton* b : {&R.cmdPrenota1, &R.cmdPrenota2, &R.cmdGira1, &R.cmdGira2}) {
            QVERIFY(b->visible() && !b->enabled());
            QCOMPARE(b->backColor(), frmRuota::kBlu);
            QCOMPARE(b->fontName(), QStringLiteral("Arial"));
            QVERIFY(b->fontBold());
        }
        for (Frame* f : {&R.Frame1, &R.Frame2, &R.Frame3, &R.Frame4, &R.Frame5, &R.Frame6})
            QVERIFY(!f->visible());
        QVERIFY(!R.Salva.enabled());
        for (int i = 0; i <= 2; ++i)
            QVERIFY(!R.txtOpzione[i].enabled());
        for (Control* c : std::initializer_list<Control*>{&R.Label1, &R.lblMostraRisposte, &R.cmdCancella, &R.cmdOK,
                                                         &R.cmdConferma, &R.imgPPrenota, &R.imgPostaz1, &R.imgPostaz2})
            QVERIFY2(!c->visible(), qPrintable(c->name()));
        QVERIFY(R.Tobrano.visible());
        for (int w2 = 1; w2 <= 2; ++w2)
            for (auto* riga : R.righePortate(w2))
                for (int k = 0; k <= 4; ++k)
                    QVERIFY(!(*riga)[k].visible());
        for (int k = 0; k <= 9; ++k)
            QVERIFY(R.cappello1[k].visible() && R.cappello1[k].picture().isNull());
        QCOMPARE(R.lblOrologio.caption(), QStringLiteral("00"));
        for (Timer* t : {&R.tmrTempo, &R.tmrDondolio, &R.tmrSecondi, &R.tmrPressione, &R.tmrPausa, &R.tmrDomanda,
                         &R.tmrAnimazione})
            QVERIFY2(!t->running(), qPrintable(t->name()));
        QCOMPARE(R.tmrTempo.interval(), 100);
        QCOMPARE(R.tmrDondolio.interval(), 250);
        QCOMPARE(R.tmrPausa.interval(), 3000);
        QCOMPARE(int(w.M().varPosRuota), 0);
        QVERIFY(!R.imgRuota2.picture().isNull());
        QCOMPARE(R.turni.intTurno, 0);
        QCOMPARE(R.ruota.Dondolio[1].Cella, qint16(47));
        QCOMPARE(R.ruota.Dondolio[10].Scarto, qint16(-1));
        QCOMPARE(R.lancio.strTitoloProva[20], QStringLiteral("IL REBUS"));
        QCOMPARE(R.lancio.strTitoloProvina[1], QStringLiteral("CALCOLO OGGETTI"));
        // The activation that follows the first display focuses the step button.
        QCOMPARE(R.window()->focusWidget(), R.cmdFine.widget());
    }

    void matchStateIsResetForEveryMatch()
    {
        BoardWorld w;
        w.M().bytMenuCompleto = 3;
        w.M().bytGiri[1] = 2;
        w.M().bytGiri[2] = 1;
        w.M().varPosRuota = 17;
        w.M().intEsci = true;
        w.M().lngVincita[1] = 900;
        w.M().bytConcorrente = 2;
        frmRuota& R = w.apri();
        QCOMPARE(int(w.M().bytMenuCompleto), 0);
        QCOMPARE(int(w.M().bytGiri[1]) + int(w.M().bytGiri[2]), 0);
        QCOMPARE(int(w.M().varPosRuota), 0);
        QVERIFY(!w.M().intEsci);
        QCOMPARE(w.M().lngVincita[1], 0);   // a single match starts at 0
        QCOMPARE(int(w.M().bytConcorrente), 2);   // left to the first challenge
        QCOMPARE(R.lblScore1.caption(), QStringLiteral("0"));
    }

    void keysCaptionsAndToolTips()
    {
        BoardWorld w;
        w.M().strPrenota1 = "Mouse";
        w.M().strGira1 = "Mouse";
        w.M().strPrenota2 = "Z";
        w.M().strGira2 = "7";
        w.M().strNomeConcorrente[1] = QStringLiteral("MARIAGRAZIA");   // all eleven characters
        w.M().strNomeConcorrente[2] = QStringLiteral("LEO");
        frmRuota& R = w.apri();
        QCOMPARE(R.cmdPrenota1.caption(), QStringLiteral(" "));
        QCOMPARE(R.cmdGira1.caption(), QStringLiteral(" "));
        QCOMPARE(R.cmdPrenota1.toolTipText(), QStringLiteral("MARIAGRAZIA si prenota con: TASTO SINISTRO DEL MOUSE"));
        QCOMPARE(R.cmdGira1.toolTipText(), QStringLiteral("MARIAGRAZIA gira la ruota con: TASTO DESTRO DEL MOUSE"));
        QCOMPARE(R.cmdPrenota2.caption(), QStringLiteral("Z"));
        QCOMPARE(R.cmdPrenota2.toolTipText(), QStringLiteral("LEO        si prenota con: TASTO Z"));
        QCOMPARE(R.cmdGira2.toolTipText(), QStringLiteral("LEO        gira la ruota con: TASTO 7"));
        QCOMPARE((QList<int>{R.varCodPrenota1, R.varCodPrenota1Min, R.varCodGira1, R.varCodGira1Min}),
                 (QList<int>{-1, -1, -1, -1}));
        QCOMPARE((QList<int>{R.varCodPrenota2, R.varCodPrenota2Min, R.intCodGira2, R.intCodGira2Min}),
                 (QList<int>{90, 122, 55, 55}));

        BoardWorld m;
        m.M().strPrenota2 = "Mouse";
        m.M().strGira2 = "Mouse";
        frmRuota& S = m.apri();
        QCOMPARE((QList<int>{S.varCodPrenota2, S.varCodPrenota2Min, S.intCodGira2, S.intCodGira2Min}),
                 (QList<int>{-2, -2, -2, -2}));
        QCOMPARE(S.varCodPrenota1, 90);
    }

    void anEmptyKeyNeverMatchesAndDoesNotBreakTheLoad()
    {
        BoardWorld w;
        w.M().strPrenota1.clear();
        w.M().strGira2.clear();
        frmRuota& R = w.apri();
        QCOMPARE(R.cmdPrenota1.caption(), QString());
        QCOMPARE(R.varCodPrenota1, 0);
        QCOMPARE(R.intCodGira2Min, 0);
        QVERIFY(R.cmdFine.visible());
    }

    void theJackpotComesFromRecordOneOfItsFile_data()
    {
        QTest::addColumn<QString>("file");      // relative to the program's folder
        QTest::addColumn<QByteArray>("content");   // "<missing>": no file
        QTest::addColumn<int>("jackpot");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("existsAfter");
        QTest::newRow("present") << "scores1/mtpremi.dat" << recordMontepremi(4, 9, 1250) << 1250 << "1.250" << true;
        QTest::newRow("empty file") << "scores1/mtpremi.dat" << QByteArray() << 0 << "0" << true;
        QTest::newRow("missing file") << "scores1/mtpremi.dat" << QByteArray("<missing>") << 0 << "0" << true;
        QTest::newRow("folder missing") << "scores9/mtpremi.dat" << QByteArray("<missing>") << 0 << "0" << false;
        QTest::newRow("short record") << "scores1/mtpremi.dat" << QByteArray("\x01\0\x02\0\xe8", 5) << 0xe8 << "232" << true;
        QTest::newRow("cut inside its first field") << "scores1/mtpremi.dat" << QByteArray("\x07", 1) << 0 << "0" << true;
        QTest::newRow("a whole slot, filler and a second record")
            << "scores1/mtpremi.dat"
            << recordMontepremi(4, 9, 1250) + QByteArray(kRecordSlot - 8, '\xff') + recordMontepremi(1, 1, 99) << 1250
            << "1.250" << true;
        QTest::newRow("unreadable: a folder in its place")
            << "scores1/mtpremi.dat" << QByteArray("<folder>") << 0 << "0" << true;
    }
    void theJackpotComesFromRecordOneOfItsFile()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, jackpot);
        QFETCH(QString, shown);
        QFETCH(bool, existsAfter);
        BoardWorld w;
        w.M().strFileMontepremi = w.path(file);
        w.M().lngMontepremi = 777;
        if (content == "<folder>")
            QDir().mkpath(w.path(file));
        else if (content != "<missing>")
            w.touch(file, content);
        frmRuota& R = w.apri();
        QCOMPARE(w.M().lngMontepremi, jackpot);
        auto* menu = w.ctx->screens.find<frmMenuZolmer>();
        QVERIFY2(menu && !menu->visible(), "the jackpot screen is loaded, not shown");
        QCOMPARE(menu->lblMontepremi.caption(), shown);
        QCOMPARE(QFileInfo::exists(w.path(file)), existsAfter);
        QVERIFY(R.cmdFine.enabled());
    }

    void scoresShowWhatTheCompetitionCarries()
    {
        BoardWorld w;
        w.M().bytTipoGioco = 0;
        w.M().lngVincita[1] = 1234567;
        w.M().lngVincita[2] = 0;
        frmRuota& R = w.apri();
        QCOMPARE(R.lblScore1.caption(), QStringLiteral("1.234.567"));
        QCOMPARE(R.lblScore2.caption(), QStringLiteral("0"));
    }

    void editionLayoutAndNameLooks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("conc");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("ombra");
        QTest::addColumn<QString>("font");
        QTest::addColumn<double>("scoreSize");
        QTest::addColumn<quint32>("scoreColour");
        QTest::addColumn<int>("scoreWidth");
        QTest::addColumn<QList<int>>("places");   // lblConc1, cmdPrenota1, cmdGira1, cmdPrenota2, cmdGira2, hat1, hat2
        QTest::newRow("ZOLMER90") << "ZOLMER90" << "1" << "D'ANGELO FR" << "D'ANGELO FR" << "D'ANGELO FR" << "Arial" << 8.0
                                  << 0xFFFFFFu << 1932 << QList<int>{3000, 3120, 3960, 7920, 8760, 3240, 8040};
        QTest::newRow("ZOLMER93") << "ZOLMER93" << "4" << "D'angelo fr" << "D'angelo fr" << "" << "Majestic" << 26.0
                                  << 0u << 2400 << QList<int>{3300, 3420, 4260, 7680, 8520, 3260, 7540};
        QTest::newRow("unknown key") << "ZOLMER99" << "1" << "d'angelo fr" << "d'angelo fr" << "d'angelo fr" << "Arial"
                                     << 7.8 << 0xFFFFFFu << 1932 << QList<int>{3000, 3120, 3960, 7920, 8760, 3240, 8040};
    }
    void editionLayoutAndNameLooks()
    {
        QFETCH(QString, key);
        QFETCH(QString, digit);
        QFETCH(QString, conc);
        QFETCH(QString, score);
        QFETCH(QString, ombra);
        QFETCH(QString, font);
        QFETCH(double, scoreSize);
        QFETCH(quint32, scoreColour);
        QFETCH(int, scoreWidth);
        QFETCH(QList<int>, places);
        BoardWorld w;
        w.M().strModGioco = key;
        w.M().strNumModGioco = digit;
        // A name as a damaged file could hold it: lower case, cut to eleven.
        w.M().strNomeConcorrente[1] = QStringLiteral("d'angelo fra");
        frmRuota& R = w.apri();
        QCOMPARE(R.lblConc1.caption(), conc);
        QCOMPARE(R.lblScoreConc1.caption(), score);
        QCOMPARE(R.lblOmbra1.caption(), ombra);
        QCOMPARE(R.lblScoreConc1.fontName(), font);
        QCOMPARE(R.lblScoreConc1.fontSize(), scoreSize);
        QCOMPARE(R.lblScoreConc2.foreColor(), scoreColour);
        QCOMPARE(R.lblScoreConc2.width(), scoreWidth);
        QCOMPARE((QList<int>{R.lblConc1.left(), R.cmdPrenota1.left(), R.cmdGira1.left(), R.cmdPrenota2.left(),
                             R.cmdGira2.left(), R.cappello1[0].left(), R.cappello2[0].left()}),
                 places);
        QCOMPARE(R.cappello1[9].left(), places[5] + 9 * 120);
    }

    // The longest name reads whole on the scoreboard in every edition's
    // look, a little smaller where it must; a short one keeps the full size.
    void aLongNameReadsWholeOnTheScoreboard_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("digit");
        QTest::newRow("ZOLMER90") << "ZOLMER90" << "1";
        QTest::newRow("SERO92") << "SERO92" << "2";
        QTest::newRow("ZOLMER93") << "ZOLMER93" << "4";
    }
    void aLongNameReadsWholeOnTheScoreboard()
    {
        QFETCH(QString, key);
        QFETCH(QString, digit);
        BoardWorld w;
        w.M().strModGioco = key;
        w.M().strNumModGioco = digit;
        w.M().strNomeConcorrente[1] = QStringLiteral("GIANMICHELE");
        w.M().strNomeConcorrente[2] = QStringLiteral("UGO");
        frmRuota& R = w.apri();
        for (Label* l : {&R.lblScoreConc1, &R.lblScoreConc2}) {
            auto* v = static_cast<QLabel*>(l->widget());
            const double largo = QFontMetricsF(v->font()).horizontalAdvance(l->caption());
            QVERIFY2(largo <= v->contentsRect().width(),
                     qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3").arg(l->caption()).arg(largo).arg(v->contentsRect().width())));
        }
        const double lungo = R.lblScoreConc1.widget()->font().pointSizeF();
        const double corto = R.lblScoreConc2.widget()->font().pointSizeF();
        QVERIFY(lungo <= corto);
        QCOMPARE(R.lblScoreConc1.fontSize(), R.lblScoreConc2.fontSize());
        if (!R.lblOmbra1.caption().isEmpty())
            QCOMPARE(R.lblOmbra1.widget()->font().pointSizeF(), lungo);
    }

    // The backdrop's scoreboard is drawn round what the board writes on it:
    // each name and each sum stands on its own plate, with a margin of the
    // plate's colour all round it, about as much room above as below.
    void theScoreboardIsDrawnRoundItsTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("picture");
        const QString chiavi[4] = {"ZOLMER90", "SERO92", "ZOLMER91", "ZOLMER93"};
        for (int d = 1; d <= 4; ++d)
            for (const char* picture : {"schermata1.bmp", "schermata2.bmp"})
                QTest::addRow("%s %s", qPrintable(chiavi[d - 1]), picture)
                    << chiavi[d - 1] << QString::number(d) << QStringLiteral("images%1/%2").arg(d).arg(picture);
    }
    void theScoreboardIsDrawnRoundItsTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, digit);
        QFETCH(QString, picture);
        const QImage fondo = QImage(QStringLiteral(ZOLMERA_PROGRAM_DIR "/") + picture).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!fondo.isNull(), qPrintable(picture));
        BoardWorld w;
        w.M().strModGioco = key;
        w.M().strNumModGioco = digit;
        w.M().strNomeConcorrente[1] = QStringLiteral("BARTOLOMEO");
        w.M().strNomeConcorrente[2] = QStringLiteral("WILMA");
        w.M().lngVincita[1] = 1250000;
        w.M().lngVincita[2] = 0;
        frmRuota& R = w.apri();
        QWidget* superficie = R.surface();
        const QRectF sfondo = R.Image1.widget()->geometry();
        const double kx = fondo.width() / sfondo.width(), ky = fondo.height() / sfondo.height();
        auto simile = [](QRgb a, QRgb b) {
            return std::abs(qRed(a) - qRed(b)) <= 40 && std::abs(qGreen(a) - qGreen(b)) <= 40
                && std::abs(qBlue(a) - qBlue(b)) <= 40;
        };
        for (Label* l : {&R.lblScoreConc1, &R.lblScoreConc2, &R.lblScore1, &R.lblScore2}) {
            // Where the label inks its text, on the backdrop's pixels.
            QWidget* v = l->widget();
            QImage testo(v->size(), QImage::Format_ARGB32_Premultiplied);
            testo.fill(Qt::transparent);
            v->render(&testo, QPoint(), QRegion(), QWidget::DrawChildren);
            QRect inchiostro;
            for (int y = 0; y < testo.height(); ++y)
                for (int x = 0; x < testo.width(); ++x)
                    if (qAlpha(testo.pixel(x, y)) > 64)
                        inchiostro |= QRect(x, y, 1, 1);
            QVERIFY2(!inchiostro.isEmpty(), qPrintable(l->name()));
            const QPointF in = v->mapTo(superficie, inchiostro.topLeft()) - sfondo.topLeft();
            const QRect sul(qFloor(in.x() * kx), qFloor(in.y() * ky), qCeil(inchiostro.width() * kx),
                            qCeil(inchiostro.height() * ky));
            const QString dove = QStringLiteral("%1 \"%2\" inked at %3,%4 %5x%6")
                                     .arg(l->name(), l->caption())
                                     .arg(sul.x())
                                     .arg(sul.y())
                                     .arg(sul.width())
                                     .arg(sul.height());
            // The plate's colour all round the text, three pixels out.
            const QRgb piastra = fondo.pixel(sul.center());
            const QRect margine = sul.adjusted(-3, -3, 3, 3);
            for (int y = margine.top(); y <= margine.bottom(); ++y)
                for (int x = margine.left(); x <= margine.right(); ++x)
                    QVERIFY2(simile(fondo.pixel(x, y), piastra),
                             qPrintable(dove + QStringLiteral(": the plate ends at %1,%2").arg(x).arg(y)));
            // The plate's edges above and below the text's middle.
            const int x = sul.center().x();
            int sopra = sul.top(), sotto = sul.bottom();
            while (sopra > 0 && simile(fondo.pixel(x, sopra - 1), piastra))
                --sopra;
            while (sotto + 1 < fondo.height() && simile(fondo.pixel(x, sotto + 1), piastra))
                ++sotto;
            const int suA = sul.top() - sopra, giuA = sotto - sul.bottom();
            QVERIFY2(std::abs(suA - giuA) <= std::max(4, (suA + giuA) / 3),
                     qPrintable(dove + QStringLiteral(": %1 pixels above, %2 below").arg(suA).arg(giuA)));
        }
    }

    void jollyPicturesFollowTheEditionsStrip()
    {
        BoardWorld w;
        w.M().strModGioco = "SERO92";
        w.M().strNumModGioco = QStringLiteral("2");
        frmRuota& R = w.apri();
        // The top-left place holds cell 0 of the strip: frutta in this edition.
        QCOMPARE(QPoint(R.imgJfrutta.left(), R.imgJfrutta.top()), QPoint(120, 360));
        QCOMPARE(QPoint(R.imgJprimo.left(), R.imgJprimo.top()), QPoint(1560, 1080));
        QVERIFY(!R.imgJfrutta.picture().isNull());

        BoardWorld n;
        n.M().strModGioco = "";
        frmRuota& S = n.apri();
        QCOMPARE(QPoint(S.imgJprimo.left(), S.imgJprimo.top()), QPoint(60, 360));
        QCOMPARE(S.imgJsecondo.left(), 1680);
        QCOMPARE(S.imgJformaggio.left(), 870);
        QVERIFY(S.imgJprimo.picture().isNull());
    }

    void picturesByEditionChristmasAndHost_data()
    {
        QTest::addColumn<bool>("natale");
        QTest::addColumn<QString>("conduce");
        QTest::newRow("plain, host") << false << "Si";
        QTest::newRow("Christmas, no host") << true << "No";
    }
    void picturesByEditionChristmasAndHost()
    {
        QFETCH(bool, natale);
        QFETCH(QString, conduce);
        BoardWorld w;
        w.M().strModGioco = "ZOLMER91";
        w.M().strNumModGioco = QStringLiteral("3");
        w.M().intNatale = natale;
        w.M().strConduce = conduce;
        frmRuota& R = w.apri();
        QStringList expected = {natale ? "Nschermata1.bmp" : "schermata1.bmp", "carrello1.bmp"};
        if (conduce == "Si")
            expected << "presenta1.gif" << "presenta2.gif";
        expected << "posizioni1.bmp" << "carrello2.bmp" << "postazione1.gif" << "postazione2.gif" << "portate.bmp";
        QStringList asked;
        for (const QString& p : w.fakes.pictures.requested)
            if (p.startsWith(w.path("images3/")))
                asked << QFileInfo(p).fileName();
        QCOMPARE(asked.mid(0, expected.size()), expected);
        QCOMPARE(R.Tobrano.picture().isNull(), conduce != "Si");
        QCOMPARE(R.imgPPrenota.picture().isNull(), conduce != "Si");
    }
};

ZOLMERA_TEST_MAIN(TestBoardLoad)
#include "tst_board_load.moc"

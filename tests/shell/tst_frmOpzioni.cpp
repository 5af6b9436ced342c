// The options screen: what it shows of the shared settings, the edition
// button, the checks of the key boxes, saving and the ways out.
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "shell/frmOpzioni.h"
#include "state/settings.h"
#include "testkit/bytes.h"
#include "testkit/world.h"

#include <QDir>
#include <QFile>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

const QString kSelezione = QStringLiteral("Selezione non corretta!");
const QString kDueMouse = QStringLiteral("Impostazioni non valide! Solo un giocatore può utilizzare il mouse");
const QString kUscire = QStringLiteral("Vuoi uscire senza salvare?");
const QString kSalvate = QStringLiteral("Impostazioni salvate!");

// The stored settings the tests start from: the defaults, with the
// presentation off so that the start screen stays to open the options.
RecImpostazioni base()
{
    RecImpostazioni rec = impostazioniPredefinite();
    rec.Sigla = QStringLiteral("No");
    return rec;
}

QByteArray testo(const char* s) { return le16(qint16(qstrlen(s))) + QByteArray(s); }

struct OpzioniWorld : TestWorld {
    explicit OpzioniWorld(const RecImpostazioni& rec = base()) { touch("zolmer.dat", slot(codificaImpostazioni(rec))); }

    // The player's way in: the start screen's "Opzioni".
    frmOpzioni& apri()
    {
        run([&] { ctx->screens.get<frmMenu>().show(); });
        click(menu().cmdOpzioni);
        return *ctx->screens.find<frmOpzioni>();
    }
    frmMenu& menu() { return *ctx->screens.find<frmMenu>(); }
    frmOpzioni* opzioni() { return ctx->screens.find<frmOpzioni>(); }
    QByteArray file() const
    {
        QFile f(path("zolmer.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }
    RecImpostazioni salvate() const { return decodificaImpostazioni(file()).value(); }
    QStringList messaggi() const
    {
        QStringList r;
        for (const auto& a : fakes.messages.asked)
            r << a.prompt;
        return r;
    }
    void chiudiDallaCasella(frmOpzioni& o) { run([&] { o.window()->close(); }); }
};

TextBox& casella(frmOpzioni& o, const QString& nome)
{
    for (Control* c : o.controls())
        if (c->name() == nome)
            if (auto* t = dynamic_cast<TextBox*>(c))
                return *t;
    qFatal("no box %s", qPrintable(nome));
}

// The field of a record a key box is saved into.
QString campo(const RecImpostazioni& r, const QString& nome)
{
    const int k = nome.right(1).toInt();
    const QString radice = nome.chopped(1);
    const VbArray<QString, 1, 2>* campi[] = {&r.Prenota, &r.Gira, &r.Su, &r.Giu, &r.Sx, &r.Dx};
    const char* radici[] = {"txtPrenota", "txtGira", "txtSu", "txtGiu", "txtSx", "txtDx"};
    for (int i = 0; i < 6; ++i)
        if (radice == QLatin1String(radici[i]))
            return (*campi[i])[k];
    qFatal("no field for %s", qPrintable(nome));
}

// Typed key by key into the box with the focus.
void scrivi(TestWorld& w, Form& f, const QString& s)
{
    for (QChar c : s) {
        const QChar u = c.toUpper();
        const Qt::Key key = u >= QLatin1Char('A') && u <= QLatin1Char('Z') ? Qt::Key(u.unicode())
                            : c == QLatin1Char(' ')                        ? Qt::Key_Space
                                                                           : Qt::Key_unknown;
        w.keyClick(f, key, QString(c));
    }
}

}  // namespace

class TestOpzioni : public QObject {
    Q_OBJECT
private slots:
    // "Opzioni" gives way to this screen, which shows the shared settings;
    // leaving with nothing changed asks nothing and brings the start back.
    void openingShowsTheSettingsAndClosingGoesBackToTheStart()
    {
        RecImpostazioni rec = base();
        rec.Prenota[2] = rec.Gira[2] = QStringLiteral("Mouse");
        rec.Su[1] = QStringLiteral("T");
        rec.Parlato = QStringLiteral("No");
        rec.Conduce = QStringLiteral("No");
        rec.ModGioco = QStringLiteral("ZOLMER93");
        OpzioniWorld w(rec);
        w.makeEditionFolders();
        frmOpzioni& o = w.apri();
        QVERIFY(!w.menu().visible());
        QVERIFY(o.visible());
        QCOMPARE(o.caption(), QStringLiteral("Zolmera"));

        QCOMPARE(o.cmdControllo1.caption(), QStringLiteral("TASTIERA"));
        QVERIFY(o.txtPrenota1.visible() && o.txtGira1.visible() && !o.Text1.visible() && !o.Text2.visible());
        QCOMPARE(o.cmdControllo2.caption(), QStringLiteral("MOUSE"));
        QVERIFY(!o.txtPrenota2.visible() && !o.txtGira2.visible() && o.Text3.visible() && o.Text4.visible());
        QCOMPARE((QStringList{o.Text3.text(), o.Text4.text()}), (QStringList{"Tasto SX", "Tasto DX"}));
        // The hidden boxes of the contestant on the mouse keep keys of their own.
        QCOMPARE((QStringList{o.txtPrenota2.text(), o.txtGira2.text()}), (QStringList{"N", "M"}));
        QCOMPARE((QStringList{o.txtSu1.text(), o.txtGiu1.text(), o.txtSx1.text(), o.txtDx1.text(), o.txtSu2.text(),
                              o.txtGiu2.text(), o.txtSx2.text(), o.txtDx2.text()}),
                 (QStringList{"T", "S", "A", "D", "I", "K", "J", "L"}));
        QCOMPARE((QList<int>{o.chkMusica.value(), o.chkParlato.value(), o.chkEffetti.value()}), (QList<int>{1, 0, 1}));
        QCOMPARE((QStringList{o.chkMusica.caption(), o.chkParlato.caption(), o.chkEffetti.caption()}),
                 (QStringList{"SI", "NO", "SI"}));
        QCOMPARE(o.cmdModGioco.caption(), QStringLiteral("ZOLMER93"));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("4"));
        QCOMPARE((QStringList{o.cmdSigla.caption(), o.cmdConduce.caption()}), (QStringList{"NO", "NO"}));
        QVERIFY(!o.intModificato);

        const QByteArray prima = w.file();
        w.run([&] { o.Esci.click(); });
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QVERIFY(!w.opzioni());
        QVERIFY(w.menu().visible());
        QCOMPARE(w.file(), prima);
    }

    void theEditionButtonRunsThroughTheInstalledEditions_data()
    {
        QTest::addColumn<QStringList>("cartelle");
        QTest::addColumn<QString>("salvata");
        QTest::addColumn<QStringList>("giro");
        QTest::newRow("only ZOLMER90's folder") << QStringList{} << "ZOLMER90" << QStringList{"ZOLMER90", "ZOLMER90"};
        QTest::newRow("every folder") << QStringList{"scores2", "scores3", "scores4"} << "ZOLMER90"
                                      << QStringList{"ZOLMER91", "SERO92", "ZOLMER93", "ZOLMER90"};
        QTest::newRow("without scores2") << QStringList{"scores3", "scores4"} << "ZOLMER90"
                                         << QStringList{"ZOLMER91", "ZOLMER93", "ZOLMER90"};
        QTest::newRow("only scores4") << QStringList{"scores4"} << "ZOLMER91" << QStringList{"ZOLMER93", "ZOLMER90", "ZOLMER93"};
        QTest::newRow("a stored edition whose folder has gone")
            << QStringList{"scores3"} << "SERO92" << QStringList{"ZOLMER90", "ZOLMER91", "ZOLMER90"};
        QTest::newRow("no edition stored") << QStringList{"scores2", "scores3", "scores4"} << ""
                                           << QStringList{"", ""};
    }
    void theEditionButtonRunsThroughTheInstalledEditions()
    {
        QFETCH(QStringList, cartelle);
        QFETCH(QString, salvata);
        QFETCH(QStringList, giro);
        RecImpostazioni rec = base();
        rec.ModGioco = salvata;
        OpzioniWorld w(rec);
        QDir().mkpath(w.path("scores1"));
        for (const QString& c : cartelle)
            QDir().mkpath(w.path(c));
        // Something that is not a folder does not make an edition.
        if (!cartelle.contains("scores2"))
            w.touch("scores2", "x");
        frmOpzioni& o = w.apri();
        QCOMPARE(o.cmdModGioco.caption(), salvata);
        QVERIFY(o.cmdModGioco.enabled());
        QVERIFY(!o.intModificato);
        QStringList visti;
        for (int i = 0; i < giro.size(); ++i) {
            w.click(o.cmdModGioco);
            visti << o.cmdModGioco.caption();
        }
        QCOMPARE(visti, giro);
        QVERIFY(o.intModificato);
        // Looking for the editions leaves every folder as it was.
        for (const QString& c : cartelle + QStringList{"scores1"})
            QVERIFY2(QDir(w.path(c)).isEmpty(), qPrintable(c));
    }

    // Each row: a box clicked (which empties it), keys typed, then Tab.
    void leavingAKeyBoxChecksIt_data()
    {
        QTest::addColumn<bool>("mouse1");
        QTest::addColumn<QString>("vuotaPrima");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<int>("rifiuti");
        QTest::addColumn<QString>("resta");
        QTest::newRow("a lower-case key turns upper case") << false << "" << "txtPrenota1" << "q" << 0 << "Q";
        QTest::newRow("a direction key of two characters") << false << "" << "txtSu1" << "ab" << 0 << "AB";
        QTest::newRow("a booking key equal to a direction key") << false << "" << "txtPrenota1" << "w" << 0 << "W";
        QTest::newRow("an accented key") << false << "" << "txtDx2" << "è" << 0 << "È";
        QTest::newRow("booking equal to the own spin key") << false << "" << "txtPrenota1" << "x" << 1 << "";
        QTest::newRow("booking equal to the other's booking key") << false << "" << "txtPrenota1" << "N" << 1 << "";
        QTest::newRow("spin equal to the other's spin key") << false << "" << "txtGira2" << "x" << 1 << "";
        QTest::newRow("the hidden box of a contestant on the mouse still counts")
            << true << "" << "txtPrenota2" << "z" << 1 << "";
        QTest::newRow("a booking box left empty") << false << "" << "txtPrenota2" << "" << 1 << "";
        QTest::newRow("a single blank") << false << "" << "txtGira1" << " " << 1 << "";
        QTest::newRow("a direction repeated by the same contestant") << false << "" << "txtGiu1" << "w" << 1 << "";
        QTest::newRow("a direction of the other contestant") << false << "" << "txtSu1" << "i" << 1 << "";
        QTest::newRow("a character the settings file cannot hold") << false << "" << "txtSx1" << "Ł" << 1 << "";
        // The emptied box then equals the empty one next to it, which is
        // only passed through, not checked, as the focus comes back.
        QTest::newRow("empty next to an empty box: the later checks run on the emptied text")
            << false << "txtGiu1" << "txtSu1" << "" << 2 << "";
    }
    void leavingAKeyBoxChecksIt()
    {
        QFETCH(bool, mouse1);
        QFETCH(QString, vuotaPrima);
        QFETCH(QString, nome);
        QFETCH(QString, scritto);
        QFETCH(int, rifiuti);
        QFETCH(QString, resta);
        OpzioniWorld w;
        frmOpzioni& o = w.apri();
        if (mouse1)
            w.click(o.cmdControllo1);
        if (!vuotaPrima.isEmpty())
            casella(o, vuotaPrima).setText(QString());
        TextBox& box = casella(o, nome);
        w.click(box);
        QCOMPARE(box.text(), QString());
        QVERIFY(box.widget()->hasFocus());
        scrivi(w, o, scritto);
        w.keyClick(o, Qt::Key_Tab);

        QCOMPARE(w.messaggi(), QStringList(rifiuti, kSelezione));
        for (const auto& a : w.fakes.messages.asked) {
            QCOMPARE(a.flags, mb::OKOnly | mb::Exclamation);
            QCOMPARE(a.title, QStringLiteral("ATTENZIONE!"));
        }
        QCOMPARE(box.text(), resta);
        QCOMPARE(box.widget()->hasFocus(), rifiuti > 0);
        if (rifiuti > 0)
            return;
        // What the box shows is what is saved.
        w.click(o.cmdSalva);
        QCOMPARE(w.messaggi(), QStringList{kSalvate});
        QCOMPARE(campo(w.salvate(), nome), resta);
    }

    // The click that takes the focus on from a refused box empties nothing.
    void aClickOnAnotherBoxPastARefusedOneEmptiesNothing()
    {
        OpzioniWorld w;
        frmOpzioni& o = w.apri();
        w.click(o.txtSu1);
        w.click(o.txtGiu1);
        QCOMPARE(w.messaggi(), QStringList{kSelezione});
        QVERIFY(o.txtSu1.widget()->hasFocus());
        QCOMPARE(o.txtGiu1.text(), QStringLiteral("S"));
    }

    // "Salva" with one contestant on the mouse writes "Mouse" for him and
    // still the keys of his direction boxes; the game takes the new settings.
    void savingWritesTheScreenAndGoesBackToTheStart()
    {
        OpzioniWorld w;
        w.makeEditionFolders();
        frmOpzioni& o = w.apri();
        w.click(o.cmdControllo1);
        QCOMPARE(o.cmdControllo1.caption(), QStringLiteral("MOUSE"));
        w.click(o.chkEffetti);
        QCOMPARE(o.chkEffetti.caption(), QStringLiteral("NO"));
        w.click(o.cmdConduce);
        w.click(o.cmdSigla);
        w.click(o.cmdModGioco);
        w.fakes.pictures.requested.clear();
        w.click(o.cmdSalva);

        RecImpostazioni atteso = impostazioniPredefinite();
        atteso.Prenota[1] = atteso.Gira[1] = QStringLiteral("Mouse");
        atteso.Effetti = QStringLiteral("No");
        atteso.Conduce = QStringLiteral("No");
        atteso.Sigla = QStringLiteral("Si");
        atteso.ModGioco = QStringLiteral("ZOLMER91");
        QCOMPARE(w.file(), slot(codificaImpostazioni(atteso)));
        QCOMPARE(codificaImpostazioni(atteso).size(), 74);
        QCOMPARE(w.M().strPrenota1, QStringLiteral("Mouse"));
        QCOMPARE(w.M().strGira1, QStringLiteral("Mouse"));
        QCOMPARE(w.M().strSu1, QStringLiteral("W"));
        QCOMPARE(w.M().strEffetti, QString());
        QCOMPARE(w.M().strMusica, QStringLiteral("Play"));
        QCOMPARE(w.M().strConduce, QStringLiteral("No"));
        QCOMPARE(w.M().strSigla, QStringLiteral("Si"));
        QCOMPARE(w.M().strModGioco, QStringLiteral("ZOLMER91"));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("3"));

        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, kSalvate);
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly | mb::Information);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("CONFERMA SALVATAGGIO"));
        QVERIFY(!w.opzioni());
        QVERIFY(w.menu().visible());
        // The start screen comes back in the new edition's picture.
        QCOMPARE(w.fakes.pictures.requested, QStringList{w.path("images3/startmenu.jpg")});
    }

    // "Ripristina" changes only the screen; leaving then asks, and No saves
    // the defaults while Yes keeps what the game had.
    void restoringThenClosing_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("dallaCasella");
        QTest::newRow("No, from Esci") << int(mb::No) << false;
        QTest::newRow("No, from the close box") << int(mb::No) << true;
        QTest::newRow("Yes, from Esci") << int(mb::Yes) << false;
    }
    void restoringThenClosing()
    {
        QFETCH(int, risposta);
        QFETCH(bool, dallaCasella);
        RecImpostazioni rec = base();
        rec.Prenota[2] = rec.Gira[2] = QStringLiteral("Mouse");
        rec.Su[1] = QStringLiteral("T");
        rec.Musica = QStringLiteral("No");
        rec.ModGioco = QStringLiteral("SERO92");
        OpzioniWorld w(rec);
        w.makeEditionFolders();
        frmOpzioni& o = w.apri();
        const QByteArray prima = w.file();
        w.click(o.cmdRipristina);

        QVERIFY(o.intModificato);
        QCOMPARE(o.cmdControllo2.caption(), QStringLiteral("TASTIERA"));
        QVERIFY(o.txtPrenota2.visible() && !o.Text3.visible() && !o.Text4.visible());
        QCOMPARE((QStringList{o.txtPrenota1.text(), o.txtGira1.text(), o.txtPrenota2.text(), o.txtGira2.text(),
                              o.txtSu1.text(), o.txtDx2.text()}),
                 (QStringList{"Z", "X", "N", "M", "W", "L"}));
        QCOMPARE(o.chkMusica.value(), 1);
        QCOMPARE(o.chkMusica.caption(), QStringLiteral("SI"));
        QCOMPARE((QStringList{o.cmdModGioco.caption(), o.cmdSigla.caption(), o.cmdConduce.caption()}),
                 (QStringList{"ZOLMER90", "SI", "SI"}));
        // Nothing is saved yet.
        QCOMPARE(w.file(), prima);
        QCOMPARE(w.M().strMusica, QString());

        w.fakes.messages.setNextAnswer(risposta);
        if (dallaCasella)
            w.chiudiDallaCasella(o);
        else
            w.run([&] { o.Esci.click(); });
        QCOMPARE(w.fakes.messages.asked[0].prompt, kUscire);
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(!w.opzioni());
        QVERIFY(w.menu().visible());
        if (risposta == mb::Yes) {
            QCOMPARE(w.messaggi(), QStringList{kUscire});
            QCOMPARE(w.file(), prima);
            QCOMPARE(w.M().strPrenota2, QStringLiteral("Mouse"));
            QCOMPARE(w.M().strMusica, QString());
            QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("2"));
            return;
        }
        QCOMPARE(w.messaggi(), (QStringList{kUscire, kSalvate}));
        const QByteArray predefinite = testo("Z") + testo("N") + testo("X") + testo("M") + testo("W") + testo("I")
                                       + testo("S") + testo("K") + testo("A") + testo("J") + testo("D") + testo("L")
                                       + testo("Si") + testo("Si") + testo("Si") + testo("ZOLMER90") + testo("Si")
                                       + testo("Si");
        QCOMPARE(predefinite.size(), 66);
        QCOMPARE(w.file(), slot(predefinite));
        QCOMPARE(w.M().strPrenota2, QStringLiteral("N"));
        QCOMPARE(w.M().strSu1, QStringLiteral("W"));
        QCOMPARE(w.M().strMusica, QStringLiteral("Play"));
        QCOMPARE(w.M().strModGioco, QStringLiteral("ZOLMER90"));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("1"));
        QCOMPARE(w.M().strSigla, QStringLiteral("Si"));
    }

    // With no edition stored the button is blank until "Ripristina".
    void restoringGivesAnEditionWhenNoneWasStored()
    {
        RecImpostazioni rec = base();
        rec.ModGioco = QString();
        OpzioniWorld w(rec);
        frmOpzioni& o = w.apri();
        QCOMPARE(o.cmdModGioco.caption(), QString());
        w.click(o.cmdRipristina);
        QCOMPARE(o.cmdModGioco.caption(), QStringLiteral("ZOLMER90"));
    }

    void bothContestantsOnTheMouseAreRefused_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("Salva") << 0;
        QTest::newRow("Esci") << 1;
        QTest::newRow("the close box") << 2;
    }
    void bothContestantsOnTheMouseAreRefused()
    {
        QFETCH(int, via);
        RecImpostazioni rec = base();
        rec.Prenota[1] = rec.Gira[1] = QStringLiteral("Mouse");
        OpzioniWorld w(rec);
        frmOpzioni& o = w.apri();
        const QByteArray prima = w.file();
        w.click(o.cmdControllo2);
        QCOMPARE(o.cmdControllo2.caption(), QStringLiteral("MOUSE"));
        if (via == 0)
            w.click(o.cmdSalva);
        else if (via == 1)
            w.run([&] { o.Esci.click(); });
        else
            w.chiudiDallaCasella(o);
        // Refused before anything is asked or saved.
        QCOMPARE(w.messaggi(), QStringList{kDueMouse});
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly | mb::Exclamation);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.opzioni(), &o);
        QVERIFY(o.visible());
        QVERIFY(!w.menu().visible());
        QCOMPARE(w.file(), prima);
        QCOMPARE(w.M().strPrenota2, QStringLiteral("N"));

        // One of them back on the keyboard, and the way out is open.
        w.click(o.cmdControllo1);
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.run([&] { o.Esci.click(); });
        QVERIFY(!w.opzioni());
        QVERIFY(w.menu().visible());
    }

    // A contestant on the mouse keeps hidden key boxes, filled at load with
    // the usual keys; the other contestant may use those very keys, and the
    // setup it saved is saved again as it is.
    void theHiddenKeysOfAMouseContestantDoNotRefuseTheOthers_data()
    {
        QTest::addColumn<int>("mouse");
        QTest::addColumn<QString>("tasto");
        QTest::newRow("1 on the mouse, 2 books with Z") << 1 << "Z";
        QTest::newRow("1 on the mouse, 2 spins with X") << 1 << "X";
        QTest::newRow("2 on the mouse, 1 books with N") << 2 << "N";
    }
    void theHiddenKeysOfAMouseContestantDoNotRefuseTheOthers()
    {
        QFETCH(int, mouse);
        QFETCH(QString, tasto);
        const int altro = 3 - mouse;
        RecImpostazioni rec = base();
        rec.Prenota[mouse] = rec.Gira[mouse] = QStringLiteral("Mouse");
        const bool gira = tasto == QLatin1String("X");
        (gira ? rec.Gira : rec.Prenota)[altro] = tasto;
        OpzioniWorld w(rec);
        frmOpzioni& o = w.apri();
        w.click(o.cmdSalva);
        QCOMPARE(w.messaggi(), QStringList{kSalvate});
        QVERIFY(!w.opzioni());
        QCOMPARE(w.salvate().Prenota[mouse], QStringLiteral("Mouse"));
        QCOMPARE((gira ? w.salvate().Gira : w.salvate().Prenota)[altro], tasto);
    }

    // Every save checks the shown key boxes first, as if each were left: a
    // key stored wrong, or a box emptied and never left, stops it at the
    // first bad box, which takes the focus.
    void savingChecksEveryShownKeyBoxFirst_data()
    {
        QTest::addColumn<QString>("campoVuoto");
        QTest::addColumn<QString>("doppione");
        QTest::addColumn<QString>("cliccata");
        QTest::addColumn<int>("via");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<QString>("fuoco");
        QTest::addColumn<bool>("chiusa");
        const QStringList rifiuto{kSelezione};
        const QStringList domandaERifiuto{kUscire, kSelezione};
        QTest::newRow("Salva, a key stored empty") << "Su1" << "" << "" << 0 << 0 << rifiuto << "txtSu1" << false;
        QTest::newRow("Salva, a key stored twice") << "" << "Giu2" << "" << 0 << 0 << rifiuto << "txtSu2" << false;
        QTest::newRow("Esci after emptying a box, No") << "" << "" << "txtDx1" << 1 << int(mb::No) << domandaERifiuto
                                                       << "txtDx1" << false;
        QTest::newRow("the close box after emptying a box, No")
            << "" << "" << "txtGira2" << 2 << int(mb::No) << domandaERifiuto << "txtGira2" << false;
        // Giving the changes up checks nothing, and leaving is no leaving of the box.
        QTest::newRow("the close box after emptying a box, Yes")
            << "" << "" << "txtGira2" << 2 << int(mb::Yes) << QStringList{kUscire} << "" << true;
    }
    void savingChecksEveryShownKeyBoxFirst()
    {
        QFETCH(QString, campoVuoto);
        QFETCH(QString, doppione);
        QFETCH(QString, cliccata);
        QFETCH(int, via);
        QFETCH(int, risposta);
        QFETCH(QStringList, messaggi);
        QFETCH(QString, fuoco);
        QFETCH(bool, chiusa);
        RecImpostazioni rec = base();
        if (campoVuoto == "Su1")
            rec.Su[1] = QString();
        if (doppione == "Giu2")
            rec.Giu[2] = rec.Su[2];
        OpzioniWorld w(rec);
        frmOpzioni& o = w.apri();
        const QByteArray prima = w.file();
        const QString su1 = w.M().strSu1;
        if (!cliccata.isEmpty())
            w.click(casella(o, cliccata));
        if (risposta)
            w.fakes.messages.setNextAnswer(risposta);
        if (via == 0)
            w.click(o.cmdSalva);
        else if (via == 1)
            w.run([&] { o.Esci.click(); });
        else
            w.chiudiDallaCasella(o);

        QCOMPARE(w.messaggi(), messaggi);
        QCOMPARE(w.file(), prima);
        QCOMPARE(w.M().strSu1, su1);
        QCOMPARE(!w.opzioni(), chiusa);
        QCOMPARE(w.menu().visible(), chiusa);
        if (!chiusa) {
            QVERIFY(casella(o, fuoco).widget()->hasFocus());
            QCOMPARE(casella(o, fuoco).text(), QString());
        }
    }

    // A key box reached with Tab: typing in it is a change that closing
    // asks about; reaching it alone is none.
    void anEditInABoxReachedWithTabIsAChange_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::newRow("typed") << "q";
        QTest::newRow("only passed through") << "";
    }
    void anEditInABoxReachedWithTabIsAChange()
    {
        QFETCH(QString, scritto);
        OpzioniWorld w;
        frmOpzioni& o = w.apri();
        o.cmdControllo1.setFocus();
        w.keyClick(o, Qt::Key_Tab);
        QVERIFY(o.txtPrenota1.widget()->hasFocus());
        scrivi(w, o, scritto);
        w.keyClick(o, Qt::Key_Tab);
        QVERIFY(o.txtGira1.widget()->hasFocus());
        QCOMPARE(o.intModificato, !scritto.isEmpty());

        w.fakes.messages.setNextAnswer(mb::No);
        w.chiudiDallaCasella(o);
        QVERIFY(!w.opzioni());
        if (scritto.isEmpty()) {
            QVERIFY(w.fakes.messages.asked.isEmpty());
            QCOMPARE(w.M().strPrenota1, QStringLiteral("Z"));
        } else {
            QCOMPARE(w.messaggi(), (QStringList{kUscire, kSalvate}));
            QCOMPARE(w.salvate().Prenota[1], QStringLiteral("Q"));
            QCOMPARE(w.M().strPrenota1, QStringLiteral("Q"));
        }
    }

    // A save the file refuses says so, not "Impostazioni salvate!", and the
    // screen stays with its changes.
    void aFailedSaveKeepsTheScreen_data()
    {
        QTest::addColumn<bool>("troppoLungo");
        QTest::newRow("the file refuses the write") << false;
        QTest::newRow("keys too long for the record") << true;
    }
    void aFailedSaveKeepsTheScreen()
    {
        QFETCH(bool, troppoLungo);
        OpzioniWorld w;
        frmOpzioni& o = w.apri();
        const QByteArray prima = w.file();
        if (troppoLungo) {
            w.click(o.txtSu1);
            scrivi(w, o, QString(70, QLatin1Char('y')));
            w.keyClick(o, Qt::Key_Tab);
        } else {
            w.click(o.chkMusica);
            w.fakes.fileFaults.refuseNext(FileStep::Write, w.path("zolmer.dat"));
        }
        w.click(o.cmdSalva);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(w.fakes.messages.asked[0].prompt != kSalvate);
        QCOMPARE(w.file(), prima);
        QCOMPARE(w.M().strMusica, QStringLiteral("Play"));
        QCOMPARE(w.opzioni(), &o);
        QVERIFY(o.intModificato);
    }

    void helpFromTheMenuAndF1()
    {
        OpzioniWorld w;
        frmOpzioni& o = w.apri();
        w.run([&] { o.Guida.click(); });
        w.keyClick(o, Qt::Key_F1);
        QCOMPARE(w.fakes.help.topics, (QList<int>{8, 8}));
        QCOMPARE(w.fakes.help.files.first(), w.path("zolmer.hlp"));
    }
};

ZOLMERA_TEST_MAIN(TestOpzioni)
#include "tst_frmOpzioni.moc"

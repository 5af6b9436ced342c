// Every window the game opens, walked as a player and a screen reader meet
// it: each control a person operates has a name, each text is whole in its
// control and none lies over another. The windows are reached as the game
// reaches them: the routes from the start screen, the board's turns, and the
// challenge catalogue over the board.
#include "board/operazioni.h"
#include "challenges/base/finestra.h"
#include "challenges/base/schede.h"
#include "competitions/frmNuovo.h"
#include "competitions/frmPunteggi.h"
#include "competitions/frmStagione.h"
#include "competitions/frmVisualizza.h"
#include "platform/qt_services.h"
#include "platform/recordfile.h"
#include "records/voci.h"
#include "shell/frmAbout.h"
#include "shell/frmAvvio.h"
#include "shell/frmMenu.h"
#include "shell/frmOpzioni.h"
#include "testkit/board.h"
#include "testkit/ispezione.h"

#include <QAccessible>
#include <QApplication>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// Texts that lie over one another by design, by the key the check gives them.
const QHash<QString, const char*> kImpaginazioneNota = {
    // The scoreboard's names are drawn over their own shadow.
    {"frmRuota.lblOmbra1+lblScoreConc1", "a name over its shadow"},
    {"frmRuota.lblOmbra2+lblScoreConc2", "a name over its shadow"},
};

struct Mondo : BoardWorld {
    Mondo() { loop().setToday(QDate(2026, 12, 10)); }

    Form* mostra(Schermo s)
    {
        Form* f = nullptr;
        run([&] {
            f = ctx->rotte.carica(s);
            if (f)
                f->show();
        });
        settle();
        return f;
    }
    // The one window shown besides the board, as a launch leaves it.
    QWidget* sopraIlTabellone() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() != QLatin1String("frmRuota") && Form::of(w))
                return w;
        return nullptr;
    }
    // Opens a window of the challenge catalogue over the board, as the step
    // button's launch does.
    QWidget* dalCatalogo(const std::function<void(AppContext&)>& apri)
    {
        BoardWorld::apri();
        run([&] {
            board().cmdFine.setVisible(false);
            BloccaTabellone(*ctx);
            apri(*ctx);
        });
        settle();
        return sopraIlTabellone();
    }
    // The same window a second after its start button was pressed.
    QWidget* avviata(const std::function<void(AppContext&)>& apri)
    {
        QWidget* f = dalCatalogo(apri);
        auto* p = f ? dynamic_cast<FinestraProva*>(Form::of(f)) : nullptr;
        if (!p || !p->cmdEsegui.visible() || !p->cmdEsegui.enabled())
            return nullptr;
        click(p->cmdEsegui);
        advance(1);
        settle();
        return f->isVisible() ? f : nullptr;
    }

    // The new-game screen, its type chosen and its names typed.
    frmNuovo& nuovo(int tipo, const QStringList& nomi = {})
    {
        frmNuovo& n = static_cast<frmNuovo&>(*mostra(Schermo::NuovaPartita));
        click(n.optTipo[tipo]);
        TextBox* caselle[] = {&n.txtGiocatore1, &n.txtGiocatore2, &n.txtGiocatore3, &n.txtGiocatore4};
        for (int k = 0; k < nomi.size(); ++k)
            run([&] { caselle[k]->setText(nomi.at(k)); });
        return n;
    }
};

using Apri = std::function<QWidget*(Mondo&)>;

QWidget* finestra(Form* f) { return f ? f->window() : nullptr; }

// The board played with its step button until it stands as asked: every
// challenge void, the second phase without a right answer.
QWidget* tabelloneDopo(Mondo& w, const std::function<bool(frmRuota&)>& fino)
{
    frmRuota& R = w.apri();
    w.sostituisciProve(R);
    for (int passo = 0; passo < 12 && !fino(R); ++passo) {
        if (R.Frame4.visible()) {
            w.secondaFaseSenzaRisposte();
            continue;
        }
        w.passo();
        if (ProvaDiProva* p = w.prova())
            w.run([&] { p->nulla(); });
    }
    return fino(R) ? R.window() : nullptr;
}

struct Scena {
    QString nome;
    Apri apri;
};

QList<Scena> scene()
{
    QList<Scena> s;
    s << Scena{"start screen", [](Mondo& w) { return finestra(w.mostra(Schermo::Avvio)); }};
    s << Scena{"presentation", [](Mondo& w) { return finestra(w.mostra(Schermo::Presentazione)); }};
    for (int t = 0; t < 3; ++t)
        s << Scena{QStringLiteral("new game, type %1").arg(t), [t](Mondo& w) { return w.nuovo(t).window(); }};
    s << Scena{"tournament", [](Mondo& w) -> QWidget* {
                   frmNuovo& n = w.nuovo(1, {"ANNA", "BRUNO", "CARLO", "DORA"});
                   w.fakes.fileDialogs.setNextFileName(w.path("saved1/Coppa.002"));
                   w.click(n.cmdCrea);
                   auto* v = w.ctx->screens.find<frmVisualizza>();
                   if (!v)
                       return nullptr;
                   // Three matchdays played: every result the icons show.
                   RecordFile f(w.M().strFileCampionato);
                   QList<QByteArray> giocatori = f.readSlots();
                   const char* esiti[] = {"CS-nnn", "-CSnnn", "S-Cnnn", "--Snnn"};
                   for (int k = 0; k < 4 && k < giocatori.size(); ++k) {
                       RecGiocatoreCampionato g = RecGiocatoreCampionato::decodifica(giocatori[k]);
                       for (int d = 1; d <= 6; ++d)
                           g.Esiti[d] = QLatin1Char(esiti[k][d - 1]);
                       giocatori[k] = g.codifica();
                   }
                   f.replaceAll(giocatori);
                   w.run([&] { v->Form_Activate(); });
                   return v->window();
               }};
    s << Scena{"season", [](Mondo& w) -> QWidget* {
                   frmNuovo& n = w.nuovo(2, {"ANNA", "BRUNO"});
                   w.fakes.fileDialogs.setNextFileName(w.path("saved1/Inverno.003"));
                   w.click(n.cmdCrea);
                   auto* st = w.ctx->screens.find<frmStagione>();
                   return st ? st->window() : nullptr;
               }};
    s << Scena{"best scores", [](Mondo& w) { return finestra(w.mostra(Schermo::Punteggi)); }};
    s << Scena{"options", [](Mondo& w) { return finestra(w.mostra(Schermo::Opzioni)); }};
    s << Scena{"options, contestant 1 on the mouse", [](Mondo& w) -> QWidget* {
                   auto* o = static_cast<frmOpzioni*>(w.mostra(Schermo::Opzioni));
                   w.click(o->cmdControllo1);
                   return o->window();
               }};
    s << Scena{"about", [](Mondo& w) { return finestra(w.mostra(Schermo::Informazioni)); }};
    s << Scena{"controls", [](Mondo& w) {
                   w.apri();
                   return finestra(w.mostra(Schermo::Comandi));
               }};
    s << Scena{"lunch menu", [](Mondo& w) {
                   w.apri();
                   return finestra(w.mostra(Schermo::MenuDelGiorno));
               }};
    s << Scena{"board, loaded", [](Mondo& w) { return w.apri().window(); }};
    s << Scena{"board, after the first challenge", [](Mondo& w) {
                   frmRuota& R = w.apri();
                   w.sostituisciProve(R);
                   w.passo();
                   if (ProvaDiProva* p = w.prova())
                       w.run([&] { p->nulla(); });
                   return R.window();
               }};
    s << Scena{"board, second phase's topics", [](Mondo& w) {
                   return tabelloneDopo(w, [](frmRuota& R) { return R.Frame4.visible(); });
               }};
    s << Scena{"board, second phase's question", [](Mondo& w) -> QWidget* {
                   QWidget* f = tabelloneDopo(w, [](frmRuota& R) { return R.Frame4.visible(); });
                   if (!f)
                       return nullptr;
                   frmRuota& R = w.board();
                   for (int k = 0; k <= 11 && R.Frame4.visible(); ++k)
                       if (R.argomento[k].visible())
                           w.click(R.argomento[k]);
                   const bool domanda = w.finoA([&] { return !R.txtOpzione[2].text().isEmpty(); }, 30);
                   return domanda && R.Frame2.visible() ? f : nullptr;
               }};
    s << Scena{"board, the match's end", [](Mondo& w) {
                   return tabelloneDopo(w, [](frmRuota& R) { return R.cmdFine.caption() == QLatin1String("Salva risultati"); });
               }};
    // Every window of the challenge catalogue, as it opens and once started.
    auto prova = [&s](const SchedaProva& scheda, auto apri) {
        s << Scena{scheda.finestra, [apri](Mondo& w) { return w.dalCatalogo(apri(*w.ctx)); }};
        s << Scena{scheda.finestra + QStringLiteral(", started"), [apri](Mondo& w) { return w.avviata(apri(*w.ctx)); }};
    };
    for (int k = 1; k <= 20; ++k)
        prova(schedaProva(k), [k](AppContext& c) { return c.catalogo.prove[std::size_t(k)]; });
    for (int k = 1; k <= 18; ++k)
        prova(schedaProvina(k), [k](AppContext& c) { return c.catalogo.provine[std::size_t(k)]; });
    prova(schedaExtra(), [](AppContext& c) { return c.catalogo.extra; });
    return s;
}

// The k-th control of that name in the window (an array's elements share it).
Control* controllo(QWidget* finestra, const QString& nome, int k = 0)
{
    if (Form* f = Form::of(finestra))
        for (Control* c : f->controls())
            if (c->name() == nome && k-- == 0)
                return c;
    return nullptr;
}

QString elenco(const QList<Rilievo>& rilievi)
{
    QStringList righe;
    for (const Rilievo& r : rilievi)
        righe << r.testo;
    return righe.join(QLatin1Char('\n'));
}

void tabella()
{
    QTest::addColumn<int>("scena");
    const QList<Scena> s = scene();
    for (int i = 0; i < s.size(); ++i)
        QTest::newRow(qPrintable(s.at(i).nome)) << i;
}

}  // namespace

class TestFinestre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    // Each window opened once: every control a person operates has a name,
    // and every text is whole and alone.
    void everyWindowIsNamedWholeAndAlone_data() { tabella(); }
    void everyWindowIsNamedWholeAndAlone()
    {
        QFETCH(int, scena);
        Mondo w;
        QWidget* f = scene().at(scena).apri(w);
        QVERIFY2(f && f->isVisible(), "the window did not open");
        const QList<Rilievo> anonimi = senzaNome(f);
        QVERIFY2(anonimi.isEmpty(), qPrintable(elenco(anonimi)));
        QList<Rilievo> r = impaginazione(f);
        r.removeIf([](const Rilievo& x) { return kImpaginazioneNota.contains(x.chiave); });
        QVERIFY2(r.isEmpty(), qPrintable(elenco(r)));
    }

    // A box takes the label beside it, and follows it when its caption
    // changes; a button showing a value takes its row's label, the value
    // describing it; a picture that says something says it in words.
    void theNamesAreTheWordsAPlayerReads_data()
    {
        QTest::addColumn<QString>("scena");
        QTest::addColumn<QString>("nomeControllo");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("descrizione");
        const auto riga = [](const char* scena, const char* controllo, int indice, const char* nome,
                             const char* descrizione = "") {
            QTest::addRow("%s: %s %d", scena, controllo, indice)
                << QString::fromUtf8(scena) << QString::fromUtf8(controllo) << indice << QString::fromUtf8(nome)
                << QString::fromUtf8(descrizione);
        };
        riga("new game, type 0", "txtGiocatore1", 0, "Nome Giocatore 1");
        riga("new game, type 1", "txtGiocatore4", 0, "Nome Giocatore 4");
        riga("new game, type 2", "cboSPartite", 0, "Numero partite");
        riga("season", "txtGiocatore2", 0, "Nome Sfidante");
        riga("options", "txtPrenota1", 0, "Prenotazione");
        riga("options", "txtGiu2", 0, "Giù");
        riga("options, contestant 1 on the mouse", "Text1", 0, "Prenotazione");
        riga("options, contestant 1 on the mouse", "cmdControllo1", 0, "Controllo", "MOUSE");
        riga("options", "chkParlato", 0, "Commenti parlati", "NO");
        riga("tournament", "Image1", 0, "Giornata 1: un punto");
        riga("tournament", "Image1", 1, "Giornata 2: due punti");
        riga("tournament", "Image1", 2, "Giornata 3: nessun punto");
        riga("best scores", "imgSuper", 0, "Risultati da due punti");
        riga("season", "Image1", 0, "Risultati da un punto");
        riga("presentation", "Sigla", 0, "Presentazione, diapositiva 1 di 20");
        riga("about", "Text1", 0, "Riconoscimenti");
        riga("best scores", "cboSceltaClassifica", 0, "Classifica");
        riga("frmProva4", "scbNumero", 2, "Cifra 3");
    }
    void theNamesAreTheWordsAPlayerReads()
    {
        QFETCH(QString, scena);
        QFETCH(QString, nomeControllo);
        QFETCH(int, indice);
        QFETCH(QString, nome);
        QFETCH(QString, descrizione);
        const QList<Scena> tutte = scene();
        const auto s = std::find_if(tutte.begin(), tutte.end(), [&](const Scena& x) { return x.nome == scena; });
        QVERIFY(s != tutte.end());
        Mondo w;
        QWidget* f = s->apri(w);
        QVERIFY(f);
        Control* c = controllo(f, nomeControllo, indice);
        QVERIFY(c);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->widget());
        QVERIFY(a);
        // A drop-down list is named by the item chosen, and by its label
        // through the relation between them.
        QStringList nomi{a->text(QAccessible::Name)};
        for (const auto& [etichetta, relazione] : a->relations(QAccessible::Label))
            nomi << etichetta->text(QAccessible::Name);
        QVERIFY2(nomi.contains(nome), qPrintable(nomi.join(QStringLiteral(", "))));
        QCOMPARE(a->text(QAccessible::Description), descrizione);
    }

    // The help is a window of the platform's own, its page one control.
    void theHelpPageHasANameAndItsCloseButtonFits()
    {
        QtHelp help;
        help.showTopic(QStringLiteral(ZOLMERA_SOURCE_DIR "/content/help/zolmer.hlp"), frmMenu::kHelpTopic);
        QWidget* guida = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("guida"))
                guida = w;
        QVERIFY(guida && guida->isVisible());
        QCoreApplication::processEvents();
        const QList<Rilievo> nomi = senzaNome(guida);
        QVERIFY2(nomi.isEmpty(), qPrintable(elenco(nomi)));
        const QList<Rilievo> testi = impaginazione(guida);
        QVERIFY2(testi.isEmpty(), qPrintable(elenco(testi)));
    }
};

ZOLMERA_TEST_MAIN(TestFinestre)
#include "tst_finestre.moc"

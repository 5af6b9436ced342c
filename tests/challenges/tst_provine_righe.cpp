// The short challenges whose item is one row of their table, as one table:
// what a load copies from the drawn row, when the reading ends, and that
// every text of a table shows whole in its window's box; and that every
// choice any short challenge or the quiz can offer shows whole on the board.
#include "challenges/short/frmProvina10.h"
#include "challenges/short/frmProvina11.h"
#include "challenges/short/frmProvina12.h"
#include "challenges/short/frmProvina13.h"
#include "challenges/short/frmProvina14.h"
#include "challenges/short/frmProvina15.h"
#include "challenges/short/frmProvina17.h"
#include "challenges/short/frmProvina2.h"
#include "challenges/short/frmProvina3.h"
#include "challenges/short/frmProvina4.h"
#include "challenges/short/frmProvina7.h"
#include "challenges/short/frmProvina8.h"
#include "challenges/short/frmProvina9.h"
#include "challenges/short/storia.h"
#include "platform/text.h"
#include "records/domande.h"
#include "records/tabella.h"
#include "testkit/breve.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <map>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// A window of the table: where its rows keep what it shows, offers and
// expects (fields from 1; 0 for none), and how it is loaded and read.
struct Finestra {
    QString tabella;
    int testo = 0;
    int scelte = 0;
    int risposta = 0;
    double dimensione = 0;   // the box's font size once loaded
    std::function<ProvaRiga&(MondoBreve<ProvaRiga>&)> carica;
    std::function<void(FineLettura, double, const QString&, const QString&)> leggi;
};

template <class T>
Finestra finestra(const QString& tabella, int testo, int scelte, int risposta, double dimensione)
{
    Finestra f{tabella, testo, scelte, risposta, dimensione, {}, {}};
    f.carica = [](MondoBreve<ProvaRiga>& w) -> ProvaRiga& {
        T* p = nullptr;
        w.run([&] {
            BloccaTabellone(*w.ctx);
            p = &w.ctx->screens.template get<T>();
            p->show();
        });
        return *p;
    };
    f.leggi = [](FineLettura fine, double lettura, const QString& scritta, const QString& file) {
        verificaFineLettura<T>(fine, lettura, scritta, file);
    };
    return f;
}

// By window number.
const std::map<int, Finestra>& finestre()
{
    static const std::map<int, Finestra> f{
        {7, finestra<frmProvina7>(QStringLiteral("telegrammi"), 1, 2, 5, 18)},
        {8, finestra<frmProvina8>(QStringLiteral("motivi"), 1, 2, 5, 18)},
        {9, finestra<frmProvina9>(QStringLiteral("mascherati"), 1, 0, 2, 24)},
        {10, finestra<frmProvina10>(QStringLiteral("nascite"), 1, 2, 5, 36)},
        {11, finestra<frmProvina11>(QStringLiteral("proverbi"), 1, 0, 2, 18)},
        {12, finestra<frmProvina12>(QStringLiteral("contrario"), 1, 2, 5, 24)},
        {13, finestra<frmProvina13>(QStringLiteral("indovinelli"), 0, 0, 10, 36)},
        {14, finestra<frmProvina14>(QStringLiteral("ricette"), 1, 2, 5, 12)},
        {15, finestra<frmProvina15>(QStringLiteral("farfallino"), 1, 0, 2, 28.2)},
        {17, finestra<frmProvina17>(QStringLiteral("gabbie"), 1, 0, 2, 28.2)},
    };
    return f;
}

// A window whose table the program lacks, as only a damaged program would.
class SenzaTabella final : public ProvaRiga {
public:
    explicit SenzaTabella(AppContext& context)
        : ProvaRiga(context, 7, QStringLiteral("nessuna"), Campi{1, 2, 5}, Aspetto{18, 9600, 2400})
    {
    }
};

QString campo(const QStringList& riga, int n) { return n > 0 ? riga.value(n - 1) : QString(); }

// Whether a reading box shows its text whole: nothing scrolls out of sight.
bool riquadroIntero(TextBox& t)
{
    auto* box = static_cast<QPlainTextEdit*>(t.widget());
    QTextCursor fine(box->document());
    fine.movePosition(QTextCursor::End);
    return box->verticalScrollBar()->maximum() == 0 && box->cursorRect(fine).bottom() <= box->viewport()->rect().bottom();
}

// The quiz the build compiled, copied into a world's program folder.
void copiaArchivi(TestWorld& w)
{
    for (const QString& f : {kFileArgomenti, kFileDomande, kFileRisposte}) {
        QFile::remove(w.path(f));
        QVERIFY2(QFile::copy(QStringLiteral(ZOLMERA_PROGRAM_DIR "/") + f, w.path(f)), qPrintable(f));
    }
}

// Every statement STORIA IMMAGINARIA can offer, true or false: each type
// with every entry its two elements may take.
QStringList affermazioni()
{
    using namespace storia;
    const Elenchi l = elenchiDelGioco();
    QStringList out;
    for (int tipo = 1; tipo <= 10; ++tipo) {
        const Tipo& t = kTipi[std::size_t(tipo - 1)];
        for (int x = kIntervalli[t.x].da; x <= kIntervalli[t.x].a; ++x)
            for (int y = kIntervalli[t.y].da; y <= kIntervalli[t.y].a; ++y)
                out << affermazione(l, tipo, x, y);
    }
    return out;
}

// The longest story: each element the longest entry of its range.
QString raccontoPiuLungo()
{
    using namespace storia;
    const Elenchi l = elenchiDelGioco();
    Elementi v{};
    for (int x = 0; x < kElementi; ++x) {
        const Intervallo& r = kIntervalli[std::size_t(x)];
        v[std::size_t(x)] = r.da;
        for (int k = r.da; k <= r.a; ++k)
            if (l.voce(r.elenco, k).size() > l.voce(r.elenco, v[std::size_t(x)]).size())
                v[std::size_t(x)] = k;
    }
    return racconto(l, v);
}

}  // namespace

class TestProvineRighe : public QObject {
    Q_OBJECT
private slots:
    // The first and the last row can be drawn, right after a reseed; the box
    // gets the shown field exactly as stored, the board the row's choices in
    // their order (or nothing, over what the last challenge left), and the
    // answer is the answer field in capitals. Nothing shows before the start.
    void aLoadCopiesTheDrawnRow_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("u");
        QTest::addColumn<bool>("ultima");
        for (const auto& [k, f] : finestre()) {
            QTest::addRow("%d, the first row", k) << k << 0.0 << false;
            QTest::addRow("%d, the last row", k) << k << 1.0 - 1e-12 << true;
        }
    }
    void aLoadCopiesTheDrawnRow()
    {
        QFETCH(int, k);
        QFETCH(double, u);
        QFETCH(bool, ultima);
        const Finestra& f = finestre().at(k);
        const QList<QStringList> righe = tabellaProva(f.tabella);
        QVERIFY(!righe.isEmpty());
        const QStringList riga = ultima ? righe.last() : righe.first();

        MondoBreve<ProvaRiga> w;
        w.run([&] {
            for (int i = 0; i <= 2; ++i)
                w.R->txtOpzione[i].setText(QStringLiteral("resto"));
        });
        const int semi = w.fakes.random.randomizes();
        w.fakes.random.push(u);
        ProvaRiga& p = f.carica(w);
        QVERIFY(w.fakes.random.randomizes() > semi);
        QCOMPARE(p.r, ultima ? int(righe.size()) : 1);
        QCOMPARE(p.txtDomanda.text(), campo(riga, f.testo));
        QCOMPARE(p.txtDomanda.fontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(p.txtDomanda.fontSize(), f.dimensione);
        const QStringList scelte = f.scelte > 0 ? riga.mid(f.scelte - 1, 3) : QStringList{"", "", ""};
        QCOMPARE(w.opzioni(), scelte);
        QCOMPARE(w.M().strRispostaEsatta, vbUCase(campo(riga, f.risposta)));
        QVERIFY(!w.M().strRispostaEsatta.isEmpty());
        QVERIFY(!p.txtDomanda.visible());
        QVERIFY(p.cmdEsegui.enabled());
    }

    // Without its table a window plays an empty item rather than stop: no
    // row, nothing to read, no choices over the last challenge's, no answer;
    // the reading still ends in the booking question.
    void aLostTablePlaysAnEmptyItem()
    {
        MondoBreve<SenzaTabella> w;
        w.run([&] {
            for (int i = 0; i <= 2; ++i)
                w.R->txtOpzione[i].setText(QStringLiteral("resto"));
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("nessuna\\.tsv: cannot be read")));
        SenzaTabella& p = w.carica();
        QCOMPARE(p.r, 0);
        QCOMPARE(p.txtDomanda.text(), QString());
        QCOMPARE(w.opzioni(), (QStringList{"", "", ""}));
        QCOMPARE(w.M().strRispostaEsatta, QString());
        QVERIFY(p.cmdEsegui.enabled());
        w.click(p.cmdEsegui);
        w.advance(10.01);
        QVERIFY(!w.ctx->screens.find<SenzaTabella>());
        QVERIFY(w.R->imgPPrenota.visible());
    }

    // The reading ends at its time and not a moment before, in the booking
    // question written or spoken; the start works once, and an abandon
    // answered Yes leaves the board without a question.
    void theReadingEndsInTheBookingQuestion_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("fine");
        QTest::addColumn<double>("lettura");
        QTest::addColumn<QString>("scritta");
        const std::pair<int, QString> domande[] = {
            {7, "Di quale noto personaggio si stava parlando nel telegramma che avete letto?"},
            {8, "Qual'è il titolo della canzone di cui avete visto parte del testo?"},
            {9, "Quali sono nome e cognome del personaggio di cui avete intravisto parte del nominativo?"},
            {10, "Quale noto personaggio è nato nel giorno che avete visualizzato a monitor?"},
            {11, "Quale parola o parole completano il proverbio che avete visto?"},
            {12, "Qual'è la domanda corretta per la risposta che avete letto a monitor?"},
            {14, "Qual'è l'ingrediente esatto per completare la ricetta?"},
            {15, "Qual'è il nome della città camuffata dalle sillabe?"},
            {17, "Quale parola corrisponde alla definizione data?"},
        };
        const std::pair<FineLettura, const char*> fini[] = {
            {FineLettura::Parlata, "spoken"},
            {FineLettura::Scritta, "written"},
            {FineLettura::AbbandonoNo, "abandon refused"},
            {FineLettura::AbbandonoSi, "abandoned"},
        };
        for (const auto& [k, scritta] : domande)
            for (const auto& [fine, nome] : fini)
                QTest::addRow("%d, %s", k, nome) << k << int(fine) << (k == 14 ? 30.0 : 10.0) << scritta;
    }
    void theReadingEndsInTheBookingQuestion()
    {
        QFETCH(int, k);
        QFETCH(int, fine);
        QFETCH(double, lettura);
        QFETCH(QString, scritta);
        finestre().at(k).leggi(FineLettura(fine), lettura, scritta, QStringLiteral("domanda%1.wav").arg(k));
    }

    // Every text a table can show fits its box whole, in the box's font:
    // nothing scrolls out of sight.
    void everyTextShowsWhole_data()
    {
        QTest::addColumn<int>("k");
        for (const auto& [k, f] : finestre())
            if (f.testo > 0)
                QTest::addRow("%d", k) << k;
    }
    void everyTextShowsWhole()
    {
        QFETCH(int, k);
        const Finestra& f = finestre().at(k);
        MondoBreve<ProvaRiga> w;
        ProvaRiga& p = f.carica(w);
        w.click(p.cmdEsegui);
        QVERIFY(p.txtDomanda.widget()->isVisible());
        for (const QStringList& riga : tabellaProva(f.tabella)) {
            const QString testo = campo(riga, f.testo);
            w.run([&] { p.txtDomanda.setText(testo); });
            QVERIFY2(riquadroIntero(p.txtDomanda), qPrintable(testo));
        }
    }

    // The reading boxes of the windows that make their item: the two
    // largest numbers, the longest story, every question of the quiz.
    void everyMaterialShowsWhole()
    {
        {
            MondoBreve<frmProvina2> w;
            for (int i = 0; i < 8; ++i)
                w.fakes.random.push(1.0 - 1e-12);
            frmProvina2& p = w.carica();
            w.click(p.cmdEsegui);
            QCOMPARE(p.a, 2000);
            QCOMPARE(p.b, 2000);
            QVERIFY2(riquadroIntero(p.txtDomanda), qPrintable(p.txtDomanda.text()));
            for (int i = 0; i <= 2; ++i)
                QVERIFY2(showsWhole(w.R->txtOpzione[i]), qPrintable(w.R->txtOpzione[i].text()));
        }
        {
            MondoBreve<frmProvina3> w;
            frmProvina3& p = w.carica();
            w.click(p.cmdEsegui);
            const QString storia = raccontoPiuLungo();
            w.run([&] { p.txtDomanda.setText(storia); });
            QVERIFY2(riquadroIntero(p.txtDomanda), qPrintable(storia));
        }
        {
            MondoBreve<frmProvina4> w;
            copiaArchivi(w);
            frmProvina4& p = w.carica();
            w.click(p.cmdEsegui);
            const QList<RecDomandaArchivio> domande = ArchiviDomande(w.path(QString())).domande();
            QVERIFY(domande.size() > 100);
            for (const RecDomandaArchivio& d : domande) {
                w.run([&] { p.txtDomanda.setText(d.Domanda); });
                QVERIFY2(riquadroIntero(p.txtDomanda), qPrintable(d.Domanda));
            }
        }
    }

    // Every choice a short challenge or the quiz can put in an option box
    // shows whole in it at the board's size for letters, with no need to
    // shrink, and so in the answer box when a click copies it there.
    void everyChoiceShowsWholeOnTheBoard_data()
    {
        QTest::addColumn<QStringList>("scelte");
        for (const auto& [k, f] : finestre()) {
            if (f.scelte == 0)
                continue;
            QStringList scelte;
            for (const QStringList& riga : tabellaProva(f.tabella))
                scelte << riga.mid(f.scelte - 1, 3);
            QTest::addRow("%d, %s", k, qPrintable(f.tabella)) << scelte;
        }
        QTest::addRow("3, every statement") << affermazioni();
        QTest::addRow("4 and the second phase, the quiz") << QStringList();
    }
    void everyChoiceShowsWholeOnTheBoard()
    {
        QFETCH(QStringList, scelte);
        MondoBreve<ProvaRiga> w;
        if (scelte.isEmpty()) {
            copiaArchivi(w);
            for (const RecRisposteArchivio& r : ArchiviDomande(w.path(QString())).risposte())
                scelte << r.Opzione1 << r.Opzione2 << r.Opzione3;
        }
        QVERIFY(scelte.size() > 100);
        w.run([&] {
            ImpostaCaratteriOpzioni(*w.ctx, QStringLiteral("Comic Sans MS"), 10);
            ScriviOpzioni(*w.ctx, QString(), QString(), QString());
        });
        const QFont pieno = w.R->txtOpzione[0].widget()->font();
        for (const QString& s : scelte) {
            w.run([&] {
                ScriviOpzioni(*w.ctx, s, s, s);
                w.R->txtRisposta.setText(s);
            });
            for (TextBox* t : {&w.R->txtOpzione[0], &w.R->txtOpzione[1], &w.R->txtOpzione[2], &w.R->txtRisposta})
                QVERIFY2(showsWhole(*t) && t->widget()->font() == pieno, qPrintable(t->name() + ": " + s));
        }
    }
};

ZOLMERA_TEST_MAIN(TestProvineRighe)
#include "tst_provine_righe.moc"

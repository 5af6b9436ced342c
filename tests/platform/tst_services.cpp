// Message boxes, the help file and its viewer.
#include "platform/helpfile.h"
#include "platform/qt_services.h"
#include "platform/timer.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QApplication>
#include <QTextBrowser>

using namespace zolmera;
using namespace zolmera::testing;

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void aBoxWithoutAnAnswerGivesItsDefaultButton_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << (mb::OKOnly | mb::Exclamation) << mb::OK;
        QTest::newRow("yes/no, No default") << (mb::YesNo | mb::Exclamation | mb::DefaultButton2) << mb::No;
        QTest::newRow("yes/no, Yes default") << (mb::YesNo | mb::Question) << mb::Yes;
        QTest::newRow("yes/no/cancel, third") << (mb::YesNoCancel | mb::DefaultButton3) << mb::Cancel;
    }
    void aBoxWithoutAnAnswerGivesItsDefaultButton()
    {
        QFETCH(int, flags);
        QFETCH(int, answer);
        TestWorld w;
        QCOMPARE(w.fakes.messages.msgBox("?", flags, "ATTENZIONE!"), answer);
        QCOMPARE(w.fakes.messages.asked.last().flags, flags);
    }

    void timersTickWhileABoxIsUp()
    {
        struct Ticking final : Screen {
            explicit Ticking(AppContext& c) : Screen(c, "frmT", 1000, 1000), t(*this, "t", 500) { t.Tick = [this] { ++ticks; }; }
            Timer t;
            int ticks = 0;
        };
        TestWorld w;
        auto& f = w.ctx->screens.get<Ticking>();
        w.fakes.messages.setNextAnswer(mb::Yes, 2.0);
        int answer = 0;
        w.run([&] { answer = w.fakes.messages.msgBox("Sei sicuro?", mb::YesNo, "ATTENZIONE!"); });
        QCOMPARE(answer, mb::Yes);
        QCOMPARE(f.ticks, 4);
        QCOMPARE(w.loop().now(), 2.0);
    }

    void helpFileTopics()
    {
        const auto topics = parseHelpFile(QStringLiteral("# the game's help\n# === 99 not a topic\n=== 6 Il menu principale\n"
                                                         "<p>Benvenuti!</p>\r\n=== 15 Il tabellone\n<p>La ruota.</p>\n"));
        QCOMPARE(topics.keys(), (QList<int>{6, 15}));
        QCOMPARE(topics[6].title, QStringLiteral("Il menu principale"));
        QCOMPARE(topics[6].html.trimmed(), QStringLiteral("<p>Benvenuti!</p>"));
        QCOMPARE(topics[15].html.trimmed(), QStringLiteral("<p>La ruota.</p>"));
        QVERIFY(readHelpFile(QStringLiteral("/no/such/zolmer.hlp")).isEmpty());
    }

    void theViewerShowsTheTopicOrSaysItIsMissing()
    {
        TestWorld w;
        w.touch("zolmer.hlp", "=== 6 Il menu principale\n<p>Scegli <b>Nuova partita</b>.</p>\n");
        QtHelp help;
        help.showTopic(w.path("zolmer.hlp"), 6);
        QWidget* viewer = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "guida")
                viewer = top;
        QVERIFY(viewer && viewer->isVisible());
        auto* page = viewer->findChild<QTextBrowser*>("pagina");
        QVERIFY(page->toPlainText().contains("Scegli Nuova partita."));
        QVERIFY(viewer->windowTitle().contains("Il menu principale"));
        help.showTopic(w.path("zolmer.hlp"), 41);
        QVERIFY(page->toPlainText().contains("non è disponibile"));
    }
};

ZOLMERA_TEST_MAIN(TestServices)
#include "tst_services.moc"

// The monkey on a fixed set of seeds: whole runs from the start screen, with
// every check after every step. A failing seed is replayed alone with
// ZOLMERA_MONKEY_REPLAY=<seed>, which prints each input as it is sent, or
// with ./build/monkey --replay <seed>.
#include "testkit/monkey.h"
#include "testkit/world.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
#ifdef ZOLMERA_SANITIZE
constexpr quint64 kSeeds = 24;   // the sanitizer build is many times slower
#else
constexpr quint64 kSeeds = 80;
#endif
constexpr int kMatches = 2;
}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void playsWithoutBreakingTheGame_data()
    {
        QTest::addColumn<quint64>("seed");
        const QByteArray replay = qgetenv("ZOLMERA_MONKEY_REPLAY");
        if (!replay.isEmpty()) {
            QTest::newRow(replay.constData()) << replay.toULongLong();
            return;
        }
        for (quint64 seed = 1; seed <= kSeeds; ++seed)
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
    }
    void playsWithoutBreakingTheGame()
    {
        QFETCH(quint64, seed);
        std::function<void(const QString&)> log;
        if (!qEnvironmentVariableIsEmpty("ZOLMERA_MONKEY_REPLAY"))
            log = [](const QString& l) { fprintf(stderr, "%s\n", qPrintable(l)); };
        Monkey monkey(seed, log);
        const MonkeyReport r = monkey.run(kMatches);
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
        QCOMPARE(r.matches, kMatches);
    }
};

ZOLMERA_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

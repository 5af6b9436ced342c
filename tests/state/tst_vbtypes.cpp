// The arrays' index checks: an index out of range stops the program with a
// message naming the array and the access, in the shipped build as in a
// debugging one. Each faulty access runs in a child copy of this program.
#include "competitions/frmNuovo.h"
#include "state/modulo1.h"
#include "state/vbtypes.h"
#include "testkit/world.h"

#include <QProcess>

#include <cstdio>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// The accesses a child makes, by name; each returns only when it survived.
int accedi(const QByteArray& caso)
{
    if (caso == "contestant 0 reads") {
        Modulo1 M;
        M.bytGiri[1] = 3;
        M.bytConcorrente = 0;
        std::printf("%d\n", int(M.bytGiri[M.bytConcorrente]));
    } else if (caso == "contestant 0 writes") {
        Modulo1 M;
        M.bytConcorrente = 0;
        M.lngVincita[M.bytConcorrente] = 1000;
        std::printf("%d %d\n", int(M.lngVincita[1]), int(M.lngVincita[2]));
    } else if (caso == "past the end, const") {
        const VbArray<QString, 1, 15> coda;
        std::printf("%s\n", qPrintable(coda[16]));
    } else if (caso == "control array") {
        TestWorld w;
        frmNuovo& n = w.ctx->screens.get<frmNuovo>();
        n.optTipo[3].setValue(true);
    } else if (caso == "every index in range") {
        Modulo1 M;
        for (int w = 1; w <= 2; ++w)
            M.lngVincita[w] = w;
        TestWorld world;
        frmNuovo& n = world.ctx->screens.get<frmNuovo>();
        n.optTipo[2].setValue(true);
        std::printf("%d %d\n", int(M.lngVincita[2]), int(n.optTipo[2].value()));
    } else {
        return 2;
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

class TestIndici : public QObject {
    Q_OBJECT
private slots:
    void anIndexOutOfRangeStopsTheProgramNamingTheAccess_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("muore");
        QTest::addColumn<QStringList>("messaggio");   // parts the message must hold
        const QString qui = QStringLiteral("tst_vbtypes.cpp:");
        QTest::newRow("contestant 0 reads")
            << "contestant 0 reads" << true << QStringList{"index 0 out of range 1..2", qui, "accedi"};
        QTest::newRow("contestant 0 writes")
            << "contestant 0 writes" << true << QStringList{"index 0 out of range 1..2", qui, "accedi"};
        QTest::newRow("past the end, const")
            << "past the end, const" << true << QStringList{"index 16 out of range 1..15", qui};
        QTest::newRow("control array")
            << "control array" << true << QStringList{"index 3 out of range 0..2 of optTipo", qui};
        QTest::newRow("every index in range") << "every index in range" << false << QStringList{};
    }
    void anIndexOutOfRangeStopsTheProgramNamingTheAccess()
    {
        QFETCH(QString, caso);
        QFETCH(bool, muore);
        QFETCH(QStringList, messaggio);
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--accesso"), caso});
        QVERIFY2(figlio.waitForFinished(60000), "the child did not end");
        const QString errori = QString::fromUtf8(figlio.readAllStandardError());
        const QString uscita = QString::fromUtf8(figlio.readAllStandardOutput());
        if (!muore) {
            QCOMPARE(figlio.exitStatus(), QProcess::NormalExit);
            QCOMPARE(figlio.exitCode(), 0);
            QCOMPARE(uscita.trimmed(), QStringLiteral("2 1"));
            return;
        }
        // Never a value read or written beside the array: the program stops first.
        QVERIFY2(figlio.exitStatus() == QProcess::CrashExit, qPrintable(uscita + errori));
        QVERIFY2(uscita.isEmpty(), qPrintable(uscita));
        for (const QString& parte : messaggio)
            QVERIFY2(errori.contains(parte), qPrintable(QStringLiteral("«%1» not in: %2").arg(parte, errori)));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    zolmera::Application app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--accesso") == 0)
        return accedi(argv[2]);
    TestIndici tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_vbtypes.moc"

// The multimedia player control: commands, silence, and the Done event timed
// by the wave file's own length.
#include "platform/multimedia.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QFile>
#include <QtEndian>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// A PCM wave file of the given length; extra chunks before the data, and a
// data size that may claim more than the file holds.
QByteArray wave(double seconds, int rate = 22050, bool listChunk = false, quint32 claimExtra = 0)
{
    const quint32 byteRate = quint32(rate) * 2;
    const quint32 dataBytes = quint32(seconds * byteRate);
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(1, fmt.data());          // PCM
    qToLittleEndian<quint16>(1, fmt.data() + 2);      // mono
    qToLittleEndian<quint32>(quint32(rate), fmt.data() + 4);
    qToLittleEndian<quint32>(byteRate, fmt.data() + 8);
    qToLittleEndian<quint16>(2, fmt.data() + 12);
    qToLittleEndian<quint16>(16, fmt.data() + 14);
    auto chunk = [](const char* id, const QByteArray& body, quint32 claimed) {
        QByteArray c(id, 4);
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(claimed, size.data());
        return c + size + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
    };
    QByteArray body = "WAVE" + chunk("fmt ", fmt, 16);
    if (listChunk)
        body += chunk("LIST", QByteArray("INFOISFT\x05\0\0\0abcd\0", 17), 17);
    body += chunk("data", QByteArray(int(dataBytes), '\0'), dataBytes + claimExtra);
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), size.data());
    return "RIFF" + size + body;
}

class SoundForm final : public Screen {
public:
    explicit SoundForm(AppContext& c) : Screen(c, QStringLiteral("frmSuono"), 3000, 2000), mmc(*this, QStringLiteral("mmc"))
    {
        mmc.Done = [this] { done << form().platform().loop.now(); };
    }
    MultimediaControl mmc;
    QList<double> done;
};
}  // namespace

class TestMultimedia : public QObject {
    Q_OBJECT
private slots:
    void waveLengthFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("length");   // -1: not a wave we can read
        QTest::newRow("plain") << wave(1.5) << 1.5;
        QTest::newRow("other chunk before the data") << wave(0.5, 11025, true) << 0.5;
        QTest::newRow("data size beyond the file end") << wave(0.5, 22050, false, 100000) << 0.5;
        QTest::newRow("empty") << QByteArray() << -1.0;
        QTest::newRow("not a wave") << QByteArray("GIF89a garbage garbage garbage") << -1.0;
        QTest::newRow("header only") << wave(1.0).left(20) << -1.0;
    }
    void waveLengthFromTheHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(double, length);
        TestWorld w;
        w.touch("s.wav", bytes);
        const auto got = waveDuration(w.path("s.wav"));
        if (length < 0)
            QVERIFY(!got);
        else
            QCOMPARE(*got, length);
    }

    void doneComesOnceAfterTheSoundsLength()
    {
        TestWorld w;
        w.touch("sounds1/ruota.wav", wave(2.0));
        auto& f = w.ctx->screens.get<SoundForm>();
        w.run([&] { f.mmc.play(w.path("sounds1/ruota.wav"), "Play"); });
        QVERIFY(f.mmc.isPlaying());
        QCOMPARE(w.fakes.audio.played(), QStringList{"ruota.wav"});
        w.advance(1.999);
        QVERIFY(f.done.isEmpty());
        w.advance(10);
        QCOMPARE(f.done, QList<double>{2.0});
    }

    void playingAgainOrClosingCutsTheSound()
    {
        TestWorld w;
        w.touch("a.wav", wave(2.0));
        auto& f = w.ctx->screens.get<SoundForm>();
        w.run([&] { f.mmc.play(w.path("a.wav"), "Play"); });
        w.advance(1.0);
        // The same player started again: only the second sound's end counts.
        w.run([&] { f.mmc.play(w.path("a.wav"), "Play"); });
        w.advance(5);
        QCOMPARE(f.done, QList<double>{3.0});

        w.run([&] { f.mmc.play(w.path("a.wav"), "Play"); });
        w.advance(0.5);
        w.run([&] { f.mmc.command("close"); });
        w.advance(5);
        QCOMPARE(f.done.size(), 1);
    }

    void silentCases_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("playCommand");
        QTest::newRow("switch off") << "a.wav" << "";
        QTest::newRow("missing file") << "nothere.wav" << "Play";
        QTest::newRow("not a wave") << "bad.wav" << "Play";
    }
    void silentCases()
    {
        QFETCH(QString, file);
        QFETCH(QString, playCommand);
        TestWorld w;
        w.touch("a.wav", wave(1.0));
        w.touch("bad.wav", "this is no sound");
        auto& f = w.ctx->screens.get<SoundForm>();
        w.run([&] { f.mmc.play(w.path(file), playCommand); });
        w.advance(5);
        QVERIFY(w.fakes.audio.played().isEmpty());
        QVERIFY(f.done.isEmpty());
    }

    void unloadingTheWindowClosesItsPlayers()
    {
        TestWorld w;
        w.touch("a.wav", wave(3.0));
        auto& f = w.ctx->screens.get<SoundForm>();
        w.run([&] { f.mmc.play(w.path("a.wav"), "Play"); });
        w.run([&] { f.unload(); });
        w.advance(5);
        QVERIFY(w.loop().idle());
        QCOMPARE(w.fakes.audio.events.last().file, QString());   // stopped
    }
};

ZOLMERA_TEST_MAIN(TestMultimedia)
#include "tst_multimedia.moc"

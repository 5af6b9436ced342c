#include "platform/audio.h"

#include "platform/eventloop.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace zolmera {

AudioChannel::~AudioChannel() = default;
AudioOutput::~AudioOutput() = default;

std::optional<double> waveDuration(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;

    quint32 byteRate = 0;
    std::optional<quint64> dataSize;
    const qint64 fileSize = f.size();
    // Walk the chunks; a damaged size must not send us past the file or loop.
    while (!f.atEnd() && !dataSize) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            const QByteArray fmt = f.read(qMin<quint32>(size, 64));
            if (fmt.size() < 16)
                return std::nullopt;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (!f.seek(f.pos() - fmt.size() + size + (size & 1)))
                break;
        } else if (id == "data") {
            const quint64 available = quint64(qMax<qint64>(fileSize - f.pos(), 0));
            dataSize = qMin<quint64>(size, available);
        } else if (!f.seek(f.pos() + size + (size & 1))) {
            break;
        }
    }
    if (byteRate == 0 || !dataSize)
        return std::nullopt;
    return double(*dataSize) / double(byteRate);
}

namespace {

class QtChannel final : public AudioChannel {
public:
    ~QtChannel() override { stop(); }

    void play(const QString& path) override
    {
        stop();
        const QString key = QFileInfo(path).absoluteFilePath();
        QSoundEffect*& effect = effects_[key];
        if (!effect) {
            effect = new QSoundEffect();
            effect->setSource(QUrl::fromLocalFile(key));
        }
        current_ = effect;
        // A sound that is still loading starts as soon as it has loaded.
        effect->play();
    }

    void stop() override
    {
        if (current_)
            current_->stop();
        current_ = nullptr;
    }

private:
    struct Effects : QHash<QString, QSoundEffect*> {
        ~Effects() { qDeleteAll(*this); }
    } effects_;
    QSoundEffect* current_ = nullptr;
};

class FakeChannel final : public AudioChannel {
public:
    FakeChannel(FakeAudioOutput& out, const EventLoop& clock, QString name)
        : out_(out), clock_(clock), name_(std::move(name)) {}
    void play(const QString& path) override { out_.events.append({clock_.now(), name_, path}); }
    void stop() override { out_.events.append({clock_.now(), name_, QString()}); }

private:
    FakeAudioOutput& out_;
    const EventLoop& clock_;
    QString name_;
};

}  // namespace

std::unique_ptr<AudioChannel> QtAudioOutput::openChannel(const QString&)
{
    return std::make_unique<QtChannel>();
}

std::unique_ptr<AudioChannel> FakeAudioOutput::openChannel(const QString& name)
{
    return std::make_unique<FakeChannel>(*this, clock_, name);
}

QStringList FakeAudioOutput::played(const QString& channel) const
{
    QStringList names;
    for (const Event& e : events)
        if (!e.file.isEmpty() && (channel.isEmpty() || e.channel == channel))
            names << QFileInfo(e.file).fileName();
    return names;
}

}  // namespace zolmera

#pragma once
// The sound device under the multimedia control: one channel per control,
// playing one wave file at a time.
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QSoundEffect;

namespace zolmera {

class EventLoop;

// The playing time of a wave file from its own header, or nothing when the
// file is missing or is no wave file we can read.
std::optional<double> waveDuration(const QString& path);

class AudioChannel {
public:
    virtual ~AudioChannel();
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

class AudioOutput {
public:
    virtual ~AudioOutput();
    virtual std::unique_ptr<AudioChannel> openChannel(const QString& name) = 0;
};

// Real output through Qt Multimedia. One sound object per file: in Qt 6.4,
// changing the source of a QSoundEffect right after a load is unreliable.
// Without an audio device the sounds are silent; timing does not depend on it.
class QtAudioOutput final : public AudioOutput {
public:
    std::unique_ptr<AudioChannel> openChannel(const QString& name) override;
};

// Test fake: records every sound started and stopped, with its virtual time.
class FakeAudioOutput final : public AudioOutput {
public:
    explicit FakeAudioOutput(const EventLoop& clock) : clock_(clock) {}
    std::unique_ptr<AudioChannel> openChannel(const QString& name) override;

    struct Event {
        double at;
        QString channel;   // "frmRuota.mmcMelodia"
        QString file;      // empty for a stop
    };
    QList<Event> events;
    // File names (without folder) started on a channel, or on any when empty.
    QStringList played(const QString& channel = {}) const;
    void clear() { events.clear(); }

private:
    const EventLoop& clock_;
};

}  // namespace zolmera

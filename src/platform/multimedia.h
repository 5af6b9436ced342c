#pragma once
// The multimedia player control: a file name, the commands "Close", "Open" and
// a play command, and a Done event after a sound that played to its end.
//
// The play command is a sound switch string: "Play" plays without waiting,
// the empty text stays silent. Done is timed by the wave file's own length on
// the program's clock, so it comes exactly once even with no audio device.
// A missing or unreadable file stays silent and reports nothing.
#include "platform/eventloop.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace zolmera {

class AudioChannel;
class Form;

class MultimediaControl final : public QObject {
public:
    MultimediaControl(Form& form, const QString& name);
    ~MultimediaControl() override;

    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }
    // "Close"/"close", "Open", "Play", "Stop"; any case; "" does nothing.
    void command(const QString& cmd);
    // Close, set the file, Open, then the play command: the usual way to play.
    void play(const QString& path, const QString& playCommand);

    bool isOpen() const { return open_; }
    bool isPlaying() const { return doneTask_ != 0; }
    const QString& name() const { return name_; }

    std::function<void()> Done;

private:
    void close();
    void cancelDone();

    Form& form_;
    QString name_;
    QString fileName_;
    QString openFile_;
    double length_ = 0;
    bool open_ = false;
    TaskId doneTask_ = 0;
    std::unique_ptr<AudioChannel> channel_;
};

}  // namespace zolmera

#include "platform/multimedia.h"

#include "platform/audio.h"
#include "platform/form.h"

namespace zolmera {

MultimediaControl::MultimediaControl(Form& form, const QString& name)
    : form_(form), name_(name), channel_(form.platform().audio.openChannel(form.name() + '.' + name))
{
    form_.addPlayer(this);
}

MultimediaControl::~MultimediaControl()
{
    close();
    form_.removePlayer(this);
}

void MultimediaControl::command(const QString& cmd)
{
    const QString c = cmd.trimmed().toLower();
    if (c == QLatin1String("close")) {
        close();
    } else if (c == QLatin1String("open")) {
        close();
        const auto length = waveDuration(fileName_);
        if (!length)
            return;   // stays closed: a later play command is silent
        open_ = true;
        openFile_ = fileName_;
        length_ = *length;
    } else if (c == QLatin1String("play")) {
        if (!open_)
            return;
        cancelDone();
        channel_->play(openFile_);
        doneTask_ = form_.platform().loop.startSingleShot(length_, [this] {
            doneTask_ = 0;
            if (Done)
                Done();
        });
    } else if (c == QLatin1String("stop")) {
        cancelDone();
        channel_->stop();
    }
}

void MultimediaControl::play(const QString& path, const QString& playCommand)
{
    command(QStringLiteral("Close"));
    setFileName(path);
    command(QStringLiteral("Open"));
    command(playCommand);
}

void MultimediaControl::close()
{
    const bool wasPlaying = doneTask_ != 0;
    cancelDone();
    if (wasPlaying)
        channel_->stop();
    open_ = false;
}

void MultimediaControl::cancelDone()
{
    if (doneTask_) {
        form_.platform().loop.cancel(doneTask_);
        doneTask_ = 0;
    }
}

}  // namespace zolmera

#pragma once
// The services a screen may use, gathered in one place and handed to every
// window; the real set and the fake set differ only here.
#include "platform/audio.h"
#include "platform/eventloop.h"
#include "platform/filefaults.h"
#include "platform/pictures.h"
#include "platform/random.h"
#include "platform/services.h"

namespace zolmera {

struct Platform {
    EventLoop& loop;
    Random& random;
    AudioOutput& audio;
    PictureLoader& pictures;
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    HelpService& help;
    Desktop& desktop;
    SingleInstance& instance;
    SystemInfo& systemInfo;
    Printer& printer;
    ProgramControl& program;
    FileFaults& fileFaults;
};

}  // namespace zolmera

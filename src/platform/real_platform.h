#pragma once
// The services of a real run, owned together.
#include "platform/platform.h"
#include "platform/qt_eventloop.h"
#include "platform/qt_services.h"

namespace zolmera {

class RealPlatform {
public:
    RealPlatform();
    Platform platform();

private:
    QtEventLoop loop_;
    SeededRandom random_;
    QtAudioOutput audio_;
    FilePictureLoader pictures_;
    QtMessageBoxes messages_;
    QtFileDialogs fileDialogs_;
    QtHelp help_;
    QtDesktop desktop_;
    LockFileInstance instance_;
    NoSystemInfo systemInfo_;
    QtPrinter printer_;
    QtProgramControl program_;
    NoFileFaults fileFaults_;
};

}  // namespace zolmera

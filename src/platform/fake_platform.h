#pragma once
// A whole platform of fakes on virtual time, for tests and replays.
#include "platform/audio.h"
#include "platform/fake_services.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "platform/virtual_eventloop.h"

namespace zolmera {

class FakePlatform {
public:
    FakePlatform() : audio(loop), messages(loop), program(loop) {}
    Platform platform()
    {
        return Platform{loop,    random,   audio,      pictures, messages, fileDialogs, help,
                        desktop, instance, systemInfo, printer,  program,  fileFaults};
    }

    VirtualEventLoop loop;
    ScriptedRandom random;
    FakeAudioOutput audio;
    FakePictureLoader pictures;
    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeHelp help;
    FakeDesktop desktop;
    FakeSingleInstance instance;
    FakeSystemInfo systemInfo;
    FakePrinter printer;
    FakeProgramControl program;
    FakeFileFaults fileFaults;
};

}  // namespace zolmera

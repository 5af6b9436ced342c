#include "platform/real_platform.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace zolmera {

RealPlatform::RealPlatform()
    : random_(loop_, QRandomGenerator::system()->generate64()), program_(loop_)
{
}

Platform RealPlatform::platform()
{
    return Platform{loop_,     random_,  audio_,    pictures_,   messages_, fileDialogs_,
                    help_,     desktop_, instance_, systemInfo_, printer_,  program_,
                    fileFaults_};
}

}  // namespace zolmera

#include "platform/services.h"

namespace zolmera {

int mb::defaultAnswer(int flags)
{
    const int which = (flags >> 8) & 0x3;
    switch (flags & 0x7) {
    case OKCancel: return which == 1 ? Cancel : OK;
    case AbortRetryIgnore: return which == 2 ? Ignore : which == 1 ? Retry : Abort;
    case YesNoCancel: return which == 2 ? Cancel : which == 1 ? No : Yes;
    case YesNo: return which == 1 ? No : Yes;
    case RetryCancel: return which == 1 ? Cancel : Retry;
    default: return OK;
    }
}

MessageBoxes::~MessageBoxes() = default;
FileDialogs::~FileDialogs() = default;
HelpService::~HelpService() = default;
Desktop::~Desktop() = default;
SingleInstance::~SingleInstance() = default;
SystemInfo::~SystemInfo() = default;
PrintJob::~PrintJob() = default;
Printer::~Printer() = default;
ProgramControl::~ProgramControl() = default;

}  // namespace zolmera

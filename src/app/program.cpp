#include "app/program.h"

#include "app/composizione.h"

#include "platform/application.h"
#include "platform/real_platform.h"
#include "shell/frmMenu.h"
#include "state/context.h"

#include <QScreen>

#include <algorithm>
#include <cmath>

namespace zolmera {

namespace {
// The board, the largest screen, should fill a good part of the desktop,
// from an 800x600 one upwards; the screens are designed for a small one.
double initialZoom()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const QRect avail = screen->availableGeometry();
    const double boardW = 12216 / kTwipsPerPixel, boardH = 7296 / kTwipsPerPixel + 40;
    const double fit = std::min(avail.width() / boardW, avail.height() / boardH) * 0.9;
    return std::max(0.5, std::floor(fit * 4) / 4);
}
}  // namespace

int runProgram(int argc, char** argv, const RunHooks& hooks)
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zolmera"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zolmera"));
    Form::setInitialZoom(initialZoom());

    RealPlatform real;
    AppContext ctx(real.platform(), QCoreApplication::applicationDirPath());
    componi(ctx);

    frmMenu* start = nullptr;
    ctx.sys.loop.dispatch([&] {
        start = &ctx.screens.get<frmMenu>();
        if (!ctx.sys.program.ended())
            start->show();
    });
    if (ctx.sys.program.ended())
        return 0;
    if (hooks.startScreenShown)
        ctx.sys.loop.post([&] { hooks.startScreenShown(*start); });
    return QApplication::exec();
}

}  // namespace zolmera

// Starts either the game or a bare Qt window, the same way, and quits as soon
// as the first window is on screen: the startup benchmark times both.
#include "platform/form.h"
#include "app/program.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(231, 385);
        window.show();
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return QApplication::exec();
    }
    zolmera::RunHooks hooks;
    hooks.startScreenShown = [](zolmera::Form&) { QCoreApplication::quit(); };
    return zolmera::runProgram(argc, argv, hooks);
}

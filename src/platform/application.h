#pragma once
// The program's QApplication: it gives each window's key preview the first
// look at every key, once per key, before the focused control.
#include <QApplication>

namespace zolmera {

class Application final : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Font names the screens ask for, mapped to families a Linux desktop has.
    static void installFontSubstitutes();
};

}  // namespace zolmera

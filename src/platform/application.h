#pragma once
// The program's QApplication: it gives each window's key preview the first
// look at every key, once per key, before the focused control.
#include <QApplication>
#include <QPalette>

namespace zolmera {

class Application final : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Font names the screens ask for, mapped to families a Linux desktop has.
    static void installFontSubstitutes();
    // Qt's own texts (file dialogs, context menus, message-box buttons) in
    // Italian, like the game's; false when the system lacks the translation.
    bool installItalian();
    // The colours of the program's controls, whatever the desktop's theme:
    // a light menu bar and disabled captions a player can still read.
    static QPalette tavolozza();
    // How much two colours differ in lightness, from 1 (none) to 21.
    static double contrast(const QColor& a, const QColor& b);
};

// The least contrast a text keeps against what is behind it.
inline constexpr double kContrastoLeggibile = 4.5;

}  // namespace zolmera

#include "platform/application.h"

#include "platform/form.h"

#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zolmera {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    installFontSubstitutes();
    installItalian();
    setPalette(tavolozza());
}

bool Application::installItalian()
{
    // Dates and names in the file dialogs too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* qt = new QTranslator(this);
    if (!qt->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return installTranslator(qt);
}

QPalette Application::tavolozza()
{
    QPalette pal = style()->standardPalette();
    // A disabled caption still tells the players what to do ("Osserva le
    // figure..."): grey enough to read as disabled, dark enough to read.
    const QColor spento(0x60, 0x60, 0x60);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(QPalette::Disabled, role, spento);
    return pal;
}

double Application::contrast(const QColor& a, const QColor& b)
{
    auto luce = [](const QColor& c) {
        auto lineare = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double la = luce(a), lb = luce(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // notify() sees each key event once, before it travels to parents, so the
    // window's preview runs exactly once per key.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (auto* widget = qobject_cast<QWidget*>(receiver)) {
            if (Form* form = Form::of(widget)) {
                // The whole delivery is one handler of the program's loop: a
                // window its own key closes is destroyed only once the key
                // has gone through, not under the routing or the control.
                bool result = false;
                form->platform().loop.dispatch([&] {
                    result = form->routeKey(widget, static_cast<QKeyEvent*>(event))
                          || QApplication::notify(receiver, event);
                });
                return result;
            }
        }
    }
    return QApplication::notify(receiver, event);
}

void Application::installFontSubstitutes()
{
    // Liberation's fonts have Arial's and Times' metrics, so texts keep the
    // width the screens were laid out for.
    const QStringList sans{"Liberation Sans", "DejaVu Sans", "Noto Sans"};
    const QStringList casual{"Comic Neue", "Comic Relief", "DejaVu Sans"};
    const QStringList serif{"Liberation Serif", "DejaVu Serif"};
    const QStringList symbols{"DejaVu Sans"};
    QFont::insertSubstitutions("Arial", sans);
    QFont::insertSubstitutions("MS Sans Serif", sans);
    QFont::insertSubstitutions("Comic Sans MS", casual);
    QFont::insertSubstitutions("DomCasual BT", casual);
    QFont::insertSubstitutions("Balloon Extra", casual);
    QFont::insertSubstitutions("Viner Hand ITC", casual);
    QFont::insertSubstitutions("Bradley Hand ITC", casual);
    QFont::insertSubstitutions("Brush Script MT", casual);
    QFont::insertSubstitutions("Cheers ttnorm", casual);
    QFont::insertSubstitutions("Majestic", serif);
    QFont::insertSubstitutions("Book Antiqua", serif);
    QFont::insertSubstitutions("Staccato555 BT", casual);
    QFont::insertSubstitutions("Texas LED", {"DejaVu Sans Mono"});
    // Webdings' letters are shown as the pictures they stand for, which the
    // colour emoji font draws best.
    QFont::insertSubstitutions("Webdings", {"Noto Color Emoji", "DejaVu Sans"});
    QFont::insertSubstitutions("Wingdings 3", symbols);
}

}  // namespace zolmera

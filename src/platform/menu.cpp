#include "platform/controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zolmera {

Menu::Menu(Form& form, const QString& name, const QString& caption) : form_(form), name_(name)
{
    menu_ = form.menuBar()->addMenu(caption);
    menu_->setObjectName(name);
    action_ = menu_->menuAction();
    form_.addMenu(this);
    applyEnabled();
}

Menu::Menu(Menu& parent, const QString& name, const QString& caption, const QKeySequence& shortcut)
    : form_(parent.form_), name_(name)
{
    if (!parent.menu_) {
        // An item that gets items of its own becomes a submenu.
        parent.menu_ = new QMenu(parent.action_->text(), form_.window());
        parent.action_->setMenu(parent.menu_);
    }
    action_ = parent.menu_->addAction(caption);
    action_->setObjectName(name);
    // A caption of a single dash is a separator line, as menus are written.
    if (caption == QLatin1String("-"))
        action_->setSeparator(true);
    if (!shortcut.isEmpty()) {
        action_->setShortcut(shortcut);
        // Shortcuts work wherever the focus is in the window.
        action_->setShortcutContext(Qt::WindowShortcut);
        form_.window()->addAction(action_);
    }
    QObject::connect(action_, &QAction::triggered, this, [this] { click(); });
    form_.addMenu(this);
    applyEnabled();
}

Menu::~Menu() { form_.removeMenu(this); }

QString Menu::caption() const { return action_->text(); }
void Menu::setCaption(const QString& text) { action_->setText(text); }

void Menu::setEnabled(bool on)
{
    enabled_ = on;
    applyEnabled();
}

void Menu::applyEnabled() { action_->setEnabled(enabled_ && form_.enabled()); }

void Menu::setVisible(bool on)
{
    visible_ = on;
    action_->setVisible(on);
}

bool Menu::checked() const { return action_->isChecked(); }

void Menu::setChecked(bool on)
{
    action_->setCheckable(true);
    action_->setChecked(on);
}

void Menu::click()
{
    if (!enabled_ || !form_.enabled() || form_.unloaded())
        return;
    form_.dispatch([this] { if (Click) Click(); });
}

}  // namespace zolmera

#include "platform/screens.h"

#include "platform/eventloop.h"

#include <algorithm>

namespace zolmera {

ScreenRegistry::ScreenRegistry(EventLoop& loop, AppContext& context) : loop_(loop), context_(context) {}

ScreenRegistry::~ScreenRegistry()
{
    // Ending the run closes nothing in the screens' own terms: no Unload runs.
    zOrder_.clear();
    screens_.clear();
}

void ScreenRegistry::adopt(std::type_index key, std::unique_ptr<Form> form)
{
    form->attach(this);
    screens_[key] = std::move(form);
}

std::vector<Form*> ScreenRegistry::loaded() const
{
    std::vector<Form*> out;
    for (const auto& [key, form] : screens_)
        out.push_back(form.get());
    return out;
}

void ScreenRegistry::formShown(Form& form)
{
    std::erase(zOrder_, &form);
    zOrder_.push_back(&form);
    scheduleActivation();
}

void ScreenRegistry::formHidden(Form&) { scheduleActivation(); }

void ScreenRegistry::formUnloaded(Form& form)
{
    std::erase(zOrder_, &form);
    if (active_ == &form)
        active_ = nullptr;
    for (auto it = screens_.begin(); it != screens_.end(); ++it) {
        if (it->second.get() == &form) {
            // The handler that closed it may still be running inside it.
            std::unique_ptr<Form> owned = std::move(it->second);
            screens_.erase(it);
            loop_.disposeLater(std::move(owned));
            break;
        }
    }
    scheduleActivation();
}

void ScreenRegistry::scheduleActivation()
{
    if (activationPending_)
        return;
    activationPending_ = true;
    QPointer<ScreenRegistry> self(this);
    loop_.post([self] {
        if (self) {
            self->activationPending_ = false;
            self->activateTop();
        }
    });
}

void ScreenRegistry::activateTop()
{
    Form* top = nullptr;
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        if ((*it)->visible()) {
            top = *it;
            break;
        }
    }
    // A disabled window cannot become the active one.
    if (top && !top->enabled())
        top = nullptr;
    if (top == active_)
        return;
    QPointer<Form> previous = active_;
    active_ = top;
    if (previous && previous->loaded())
        previous->Form_Deactivate();
    if (top)
        top->Form_Activate();
}

}  // namespace zolmera

#pragma once
// The screen registry: one instance per screen, loaded on first use and
// unloaded when closed (so the next use loads it afresh), and the program's
// active screen, whose Activate event fires once the handler that changed it
// has returned.
#include "platform/form.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace zolmera {

class AppContext;
class EventLoop;

class ScreenRegistry final : public QObject {
public:
    ScreenRegistry(EventLoop& loop, AppContext& context);
    ~ScreenRegistry() override;

    // The screen, loaded (its Form_Load run) if it was not.
    template <class T>
    T& get()
    {
        const std::type_index key(typeid(T));
        if (auto it = screens_.find(key); it != screens_.end())
            return static_cast<T&>(*it->second);
        auto owned = std::make_unique<T>(context_);
        T& screen = *owned;
        adopt(key, std::move(owned));
        screen.load();
        return screen;
    }

    // The screen if it is loaded, else nothing: writes to a closed screen
    // must not bring it back.
    template <class T>
    T* find() const
    {
        auto it = screens_.find(std::type_index(typeid(T)));
        return it == screens_.end() ? nullptr : static_cast<T*>(it->second.get());
    }

    Form* active() const { return active_; }
    std::vector<Form*> loaded() const;

    // From the forms.
    void formShown(Form& form);
    void formHidden(Form& form);
    void formUnloaded(Form& form);

private:
    void adopt(std::type_index key, std::unique_ptr<Form> form);
    void scheduleActivation();
    void activateTop();

    EventLoop& loop_;
    AppContext& context_;
    std::map<std::type_index, std::unique_ptr<Form>> screens_;
    std::vector<Form*> zOrder_;   // last shown on top
    QPointer<Form> active_;
    bool activationPending_ = false;
};

}  // namespace zolmera

#pragma once
// Non-visual components: parts of a window that own no window of their own (a hint
// component, for example). Each has an owner control, and an owner's components can be
// listed in the order they were made.
#include <vector>

namespace ui {

class Control;

class Component {
public:
    explicit Component(Control* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Control* Owner() const { return owner_; }
    // Runs once the component's properties have been read from a stored window layout.
    virtual void Loaded() {}

    // The components an owner holds, oldest first.
    static std::vector<Component*> ComponentsOf(const Control* owner);
    // The first of an owner's components that is a T, or null.
    template <class T>
    static T* FindFirst(const Control* owner) {
        if (!owner) return nullptr;
        for (Component* c : ComponentsOf(owner))
            if (auto* found = dynamic_cast<T*>(c)) return found;
        return nullptr;
    }

private:
    Control* owner_;
};

}  // namespace ui

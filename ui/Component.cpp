#include "ui/Component.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {
// Every living component, in the order they were made.
std::vector<Component*>& Registry() {
    static std::vector<Component*> all;
    return all;
}
}  // namespace

Component::Component(Control* owner) : owner_(owner) { Registry().push_back(this); }

Component::~Component() { std::erase(Registry(), this); }

std::vector<Component*> Component::ComponentsOf(const Control* owner) {
    std::vector<Component*> owned;
    std::copy_if(Registry().begin(), Registry().end(), std::back_inserter(owned),
                 [owner](const Component* c) { return c->Owner() == owner; });
    return owned;
}

}  // namespace ui

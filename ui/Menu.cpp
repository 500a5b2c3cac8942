#include "ui/Menu.h"

namespace ui {

namespace {
constexpr int kFirstCommand = 40000;
}

MainMenu::MainMenu(Form& owner) : owner_(owner) { owner_.SetMenu(this); }

MainMenu::~MainMenu() {
    owner_.SetMenu(nullptr);
    if (menu_) {
        ::SetMenu(owner_.Handle(), nullptr);
        DestroyMenu(menu_);
    }
}

MenuItem& MainMenu::Add(std::wstring caption, bool visible) {
    items_.push_back(std::make_unique<MenuItem>(MenuItem{std::move(caption), visible, {}}));
    Rebuild();
    return *items_.back();
}

void MainMenu::Rebuild() {
    HMENU old = menu_;
    menu_ = nullptr;
    bool any = false;
    HMENU bar = CreateMenu();
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i]->Visible) continue;
        AppendMenuW(bar, MF_STRING, kFirstCommand + i, items_[i]->Caption.c_str());
        any = true;
    }
    if (any) {
        menu_ = bar;
    } else {
        DestroyMenu(bar);
    }
    ::SetMenu(owner_.Handle(), menu_);
    if (old) DestroyMenu(old);
}

bool MainMenu::Command(int id) {
    const int index = id - kFirstCommand;
    if (index < 0 || index >= static_cast<int>(items_.size())) return false;
    if (items_[index]->OnClick) items_[index]->OnClick();
    return true;
}

}  // namespace ui

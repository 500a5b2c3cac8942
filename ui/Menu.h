#pragma once
// A form's main menu: a bar of items, each with a caption, visibility and a click handler.
// The bar is shown only while some item is visible.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"

namespace ui {

struct MenuItem {
    std::wstring Caption;
    bool Visible = true;
    std::function<void()> OnClick;
};

class MainMenu {
public:
    explicit MainMenu(Form& owner);
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;
    MenuItem& Add(std::wstring caption, bool visible = true);
    // Builds the bar again after items changed.
    void Rebuild();
    // Runs the click handler of the item with this command number.
    bool Command(int id);

private:
    Form& owner_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    HMENU menu_ = nullptr;
};

}  // namespace ui

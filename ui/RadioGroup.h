#pragma once
// A framed group of radio buttons with a caption, one entry selectable, laid out in columns.
// The buttons are the system's own; the arrow keys move the selection between them.
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class RadioGroup : public Fluent<RadioGroup, WinControl> {
public:
    explicit RadioGroup(WinControl* parent);
    ~RadioGroup() override;

    RadioGroup& Caption(std::wstring text);
    const std::wstring& Caption() const { return caption_; }
    // Replaces the entries; afterwards none is selected.
    RadioGroup& Items(const std::vector<std::wstring>& items);
    const std::vector<std::wstring>& Items() const { return items_; }
    RadioGroup& Columns(int columns);
    // The selected entry, or -1 for none.
    int ItemIndex() const { return index_; }
    // Selects an entry; -1, or any number that is no entry, selects none. A change runs
    // OnClick, as the user's choice does; the selection it already has runs nothing.
    RadioGroup& ItemIndex(int index);

    // The button of an entry (for the keyboard and for tests).
    HWND ItemHandle(int index) const;

protected:
    void PaintBackground(HDC dc) override;
    void BoundsChanged() override;
    void FontChanged() override;

private:
    class Button;
    void Arrange();
    // Moves the selection by one entry from the focused one, round the ends, and focuses it.
    void Step(int from, int delta);
    // The brush and text colours of the buttons: the group's own.
    HBRUSH ButtonColors(HDC dc);

    std::wstring caption_;
    std::vector<std::wstring> items_;
    std::vector<std::unique_ptr<Button>> buttons_;
    int columns_ = 1;
    int index_ = -1;
    win::UniqueBrush brush_;
    COLORREF brushColor_ = 0;
};

}  // namespace ui

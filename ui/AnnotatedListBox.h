#pragma once
// A list box whose items may each carry a note, drawn after the item's text in grey. A narrow
// row may show both cut short, so over an item the control's hint is that item's text and
// note in full; elsewhere it is the hint the control was given.
#include <string>
#include <vector>

#include "ui/ListBox.h"

namespace ui {

// How a row shares its width between an item's text and its note, both measured whole.
// When they do not fit side by side the note keeps up to half the row, or whatever the text
// leaves over if that is more, and the text takes the rest.
struct RowSplit {
    int TextWidth = 0;  // the text is shortened to this width when it is wider
    int NoteLeft = 0;   // from the row's start
    int NoteWidth = 0;  // the note is cut at its end to this width when it is wider
    bool operator==(const RowSplit&) const = default;
};
RowSplit SplitRow(int textWidth, int noteWidth, int rowWidth, int gap);

class AnnotatedListBox : public ListBox {
public:
    explicit AnnotatedListBox(WinControl* parent);
    ~AnnotatedListBox() override;

    // Replaces every item and its note (an empty note, or none given, is no note);
    // afterwards nothing is selected.
    AnnotatedListBox& Items(const std::vector<std::wstring>& items, const std::vector<std::wstring>& notes);
    AnnotatedListBox& Items(const std::vector<std::wstring>& items) { return Items(items, {}); }
    using ListBox::Items;
    const std::vector<std::wstring>& Notes() const { return notes_; }
    std::wstring Note(int index) const;

    // The item at a point of the client area, or -1.
    int ItemAt(POINT p) const;
    // The hint over an item: its text, and its note on a line of its own.
    std::wstring ItemHint(int index) const;

    bool DrawItem(const DRAWITEMSTRUCT& item) override;

    static constexpr COLORREF NoteColor = colors::Gray;

protected:
    void FontChanged() override;

private:
    static LRESULT CALLBACK Watch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    // The cursor moved to p: the hint becomes that of what lies there.
    void Pointed(POINT p, const MSG& msg);
    void FitItemHeight();

    std::vector<std::wstring> notes_;
    std::wstring ownHint_;  // the control's hint, kept while an item's stands in for it
    bool onItem_ = false;
};

}  // namespace ui

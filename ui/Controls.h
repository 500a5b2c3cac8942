#pragma once
// The concrete components the windows are built from.
#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

enum class TextAlign { Left, Center, Right };

// A text painted by its parent; by default it sizes itself to its text and is transparent.
class Label : public Fluent<Label, GraphicControl> {
public:
    explicit Label(WinControl* parent);
    Label& Caption(std::wstring text);
    const std::wstring& Caption() const { return caption_; }
    Label& AutoSize(bool on);
    Label& Transparent(bool on);
    Label& WordWrap(bool on);
    // Where the text lies within the label's width. A right-aligned label that sizes itself
    // keeps its right edge where it is.
    Label& Alignment(TextAlign align);
    TextAlign Alignment() const { return align_; }
    void Paint(HDC dc) override;

protected:
    void FontChanged() override { AdjustSize(); }

private:
    void AdjustSize();
    std::wstring caption_;
    bool autoSize_ = true, transparent_ = true, wordWrap_ = false;
    TextAlign align_ = TextAlign::Left;
};

// A picture from the module's resources.
class Image : public Fluent<Image, GraphicControl> {
public:
    using Fluent::Fluent;
    Image& Picture(const wchar_t* resourceName);
    // Shows a copy of another picture.
    Image& Picture(const Bitmap& source);
    const Bitmap& Picture() const { return picture_; }
    Image& Stretch(bool on);
    void Paint(HDC dc) override;

private:
    Bitmap picture_;
    bool stretch_ = false;
};

// A surface painted by its OnPaint handler.
class PaintBox : public Fluent<PaintBox, GraphicControl> {
public:
    using Fluent::Fluent;
    std::function<void(Canvas&)> OnPaint;
    void Paint(HDC dc) override;
};

enum class BevelKind { None, Lowered, Raised };

// A container window with optional outer and inner bevels and a border between them.
class Panel : public Fluent<Panel, WinControl> {
public:
    explicit Panel(WinControl* parent);
    Panel& BevelOuter(BevelKind kind);
    Panel& BevelInner(BevelKind kind);
    Panel& BorderWidth(int width);
    // How many pixels wide each bevel is (1 unless set).
    Panel& BevelWidth(int width);
    // A sunken 3-D edge around the panel, outside its client area.
    Panel& SingleBorder(bool on);
    RECT ChildArea() const override;

protected:
    void PaintBackground(HDC dc) override;

private:
    BevelKind outer_ = BevelKind::Raised, inner_ = BevelKind::None;
    int borderWidth_ = 0;
    int bevelWidth_ = 1;
};

// A push button with a glyph beside its caption. A default button is pressed by Enter,
// a cancel button by Escape; a modal result closes its modal form.
class BitBtn : public Fluent<BitBtn, WinControl> {
public:
    explicit BitBtn(WinControl* parent);
    BitBtn& Caption(std::wstring text);
    const std::wstring& Caption() const { return caption_; }
    BitBtn& Glyph(const wchar_t* resourceName);
    BitBtn& Default(bool on);
    BitBtn& Cancel(bool on);
    BitBtn& ModalResult(int result);
    bool IsDefault() const { return default_; }
    bool IsCancel() const { return cancel_; }
    // The mnemonic letter marked with "&" in the caption, upper-cased, or 0.
    wchar_t Accelerator() const;
    void Click() override;
    void Command(WORD code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    std::wstring caption_;
    Bitmap glyph_;
    bool default_ = false, cancel_ = false;
    int modalResult_ = 0;
};

// The common-controls progress bar with 32-bit ranges.
class ProgressBar : public Fluent<ProgressBar, WinControl> {
public:
    explicit ProgressBar(WinControl* parent);
    ProgressBar& Min(int value);
    ProgressBar& Max(int value);
    ProgressBar& Position(int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void FrameUpdate() override;

    // Runs each time the position is set, at once, whenever the bar is painted.
    std::function<void(int position)> OnChange;

private:
    void Range(int min, int max);

    int min_ = 0, max_ = 100, position_ = 0;
    int shown_ = 0;  // the position the system's bar has
};

}  // namespace ui

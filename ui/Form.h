#pragma once
// A top-level window with a caption, a border style, a modal loop and default/cancel buttons.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Control.h"
#include "ui/Timer.h"

namespace ui {

class BitBtn;
class MainMenu;

enum class FormPosition { Designed, ScreenCenter };
enum class BorderStyle { None, Single, Dialog };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum ModalResultCode : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };
enum class CloseAction { None, Hide, Free, Minimize };

class Form : public Fluent<Form, WinControl> {
public:
    Form();

    Form& Caption(std::wstring text);
    const std::wstring& Caption() const { return caption_; }
    Form& ClientSize(int width, int height);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    Form& Position(FormPosition position);
    Form& Border(BorderStyle style, unsigned icons = biSystemMenu | biMinimize | biMaximize);
    Form& StayOnTop(bool on);
    // Paints the form's own windows (the form and its panels, with the labels and pictures
    // on them) at most `perSecond` times a second (0, the default: whenever asked). The
    // controls take every change at once; only its painting waits for the next frame, where
    // everything changed since the last one is painted together. While the form is shown,
    // progress bars are told their new position at the next frame too (the system's bar
    // paints itself whenever it is told one). Wrapped buttons still paint themselves.
    Form& FrameRate(unsigned perSecond);
    // Asked by the form's windows as they are about to paint: true to paint now. Otherwise
    // the window's invalid area is taken over (and validated) and painted at the next frame.
    bool PaintNow(HWND window);
    // Asked by a control whose system window has news for it: true when the form shows frames
    // and is visible, and the control's FrameUpdate will run at the next frame; false to tell
    // the window now.
    bool UpdateAtNextFrame(WinControl& control);
    // Asked by a graphic control whose area of `window` must be painted again: true when the
    // form shows frames and is visible, and the area is painted at the next frame (the window
    // is not told before); false to invalidate it now.
    bool InvalidateAtNextFrame(HWND window, const RECT& area);

    void Show();
    void Hide();
    // Shows the form, disables the other windows and runs messages until ModalResult is set.
    int ShowModal();
    bool Modal() const { return modal_; }
    // Asks the form to close, as its close box would.
    void Close();
    // Runs the creation handler; the application calls it once the form is registered.
    void DoCreate();

    void SetDefaultButton(BitBtn* button) { defaultButton_ = button; }
    void SetCancelButton(BitBtn* button) { cancelButton_ = button; }
    BitBtn* DefaultButton() const { return defaultButton_; }
    BitBtn* CancelButton() const { return cancelButton_; }
    void SetMenu(MainMenu* menu) { menu_ = menu; }

    int ModalResult = mrNone;
    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void(CloseAction&)> OnClose;
    // Sees every character typed in the form before the control with the focus does; setting
    // the key to 0 keeps it from that control.
    std::function<void(wchar_t& key)> OnKeyPress;

protected:
    LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void VisibilityChanged() override;

private:
    void ApplyStyle();
    CloseAction DoClose();
    void PaintFrame();
    void PaintAtNextFrame(HWND window, win::UniqueRegion area);

    std::wstring caption_;
    int clientWidth_ = 320, clientHeight_ = 240;
    FormPosition position_ = FormPosition::Designed;
    BorderStyle border_ = BorderStyle::Single;
    unsigned icons_ = biSystemMenu | biMinimize | biMaximize;
    bool stayOnTop_ = false;
    bool modal_ = false;
    bool placed_ = false;  // centred once already
    BitBtn* defaultButton_ = nullptr;
    BitBtn* cancelButton_ = nullptr;
    MainMenu* menu_ = nullptr;
    std::unique_ptr<Timer> frameTimer_;  // runs while some paint waits
    std::vector<std::pair<HWND, win::UniqueRegion>> waitingPaint_;
    std::vector<HWND> waitingUpdate_;
    bool inFrame_ = false;
};

}  // namespace ui

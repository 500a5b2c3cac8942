#pragma once
// The application object: the message loop with processing on demand, the hidden window
// that carries the taskbar entry, the forms it owns, the program's title and icon as the
// program gives them at start, and the standard error box.
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/Window.h"

namespace ui {

class Application : public WindowObject {
public:
    // Registers the common controls and creates the hidden application window, captioned
    // with the program's title and carrying its icon (the forms carry the icon too). The
    // command line gives Arguments(); pass an empty one where the program's own must not
    // be used.
    void Initialize(const wchar_t* commandLine, std::wstring title, HICON icon);
    HINSTANCE Instance() const { return instance_; }
    HWND Handle() const { return hwnd_.get(); }
    const std::wstring& Title() const { return title_; }
    HICON Icon() const { return icon_; }
    // Arguments 1 to N of the command line.
    const std::vector<std::wstring>& Arguments() const { return arguments_; }
    // Replaces them, for paths gathered from other copies of the program.
    void SetArguments(std::vector<std::wstring> arguments) { arguments_ = std::move(arguments); }

    // Creates a form, stores it in reference before its creation handler runs, and keeps it
    // until the application ends. The first form created is the main form.
    template <class T>
    T& CreateForm(T*& reference) {
        auto form = std::make_unique<T>();
        T& created = *form;
        reference = form.get();
        forms_.push_back(std::move(form));
        if (!mainForm_) mainForm_ = &created;
        created.DoCreate();
        return created;
    }
    Form* MainForm() const { return mainForm_; }
    // Frees the forms, last created first.
    void DestroyForms();

    bool ShowMainForm = true;
    // Shows the main form (when ShowMainForm is on) and handles messages until terminated.
    void Run();
    // Dispatches every pending message and returns.
    void ProcessMessages();
    // Handles messages as they come until the event is signalled: the windows stay alive
    // while work goes on in another thread.
    void ProcessMessagesUntil(HANDLE event);
    // Waits for one message and handles it; false once the quit request has arrived.
    bool HandleMessage();
    // Posts the quit request.
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ShowTaskbarEntry(bool show);
    // The standard error box: a message under the application's title, with the error icon
    // and an OK button, modal to the active window.
    void ShowError(const std::wstring& message);
    // The standard error box for an error: the message loop, the window procedure and a
    // form's creation show here whatever error stops the step they were running.
    void ShowException(const std::exception& error);

    ui::Screen& Screen() { return screen_; }

protected:
    LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Dispatch(MSG& msg);

    HINSTANCE instance_ = nullptr;
    std::wstring title_;
    HICON icon_ = nullptr;
    std::vector<std::wstring> arguments_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    ui::Screen screen_;
};

Application& App();

}  // namespace ui

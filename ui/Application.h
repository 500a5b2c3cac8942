#pragma once
// The application object: the message loop with processing on demand, the hidden window
// that carries the taskbar entry, the forms it owns, the command line, and the screen's
// registry of cursors by number.
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Handle.h"
#include "ui/Form.h"

namespace ui {

// Built-in cursor numbers; positive numbers are registered by the program.
enum CursorId : int {
    crDefault = 0,
    crArrow = -2,
    crDrag = -12,
    crNoDrop = -13,
    crHourGlass = -11,
    crHandPoint = -21,
};

class Screen {
public:
    // The cursor registered under a number; the arrow for an unknown number.
    HCURSOR Cursor(int id) const;
    void SetCursor(int id, HCURSOR cursor) { cursors_[id] = cursor; }
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
    std::map<int, HCURSOR> cursors_;
};

// Splits a command line into arguments: blanks and control characters separate them, and a
// double quote switches quoting on and off; the quotes themselves are dropped. The first
// element is the program's own path.
std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine);

class Application {
public:
    // Registers the common controls and creates the hidden application window. The command
    // line gives Arguments(); pass an empty one where the program's own must not be used.
    void Initialize(const wchar_t* commandLine);
    HINSTANCE Instance() const { return instance_; }
    HWND Handle() const { return window_.get(); }
    const std::wstring& Title() const { return title_; }
    void SetTitle(std::wstring title);
    // Arguments 1 to N of the command line.
    const std::vector<std::wstring>& Arguments() const { return arguments_; }

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

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Dispatch(MSG& msg);
    bool HandleDialogKeys(const MSG& msg);

    HINSTANCE instance_ = nullptr;
    win::UniqueWindow window_;
    std::wstring title_ = L"Trituradora";
    std::vector<std::wstring> arguments_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    ui::Screen screen_;
};

Application& App();

}  // namespace ui

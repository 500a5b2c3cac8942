#include "ui/Application.h"

#include <commctrl.h>

#include "base/Exception.h"
#include "ui/CommandLine.h"
#include "ui/DialogKeys.h"
#include "ui/Hint.h"

namespace ui {

Application& App() {
    static Application app;
    return app;
}

namespace {
// Every window is laid out in the pixels of a 96-dpi screen, pictures included, and the system
// scales it as a whole (the manifest declares the program unaware of the screen's scaling).
// Wine takes no notice of that declaration and would size the standard controls' check marks
// and radio dots, but not the layout, to the screen's setting; asking for the same thing at
// run time keeps the GUI thread unaware there too. (A Windows 10 call: looked up, not linked.)
void KeepThreadDpiUnaware() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (const auto setContext = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"))))
        setContext(DPI_AWARENESS_CONTEXT_UNAWARE);
}
}  // namespace

void Application::Initialize(const wchar_t* commandLine, std::wstring title, HICON icon) {
    KeepThreadDpiUnaware();
    instance_ = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    auto args = SplitCommandLine(commandLine);
    arguments_.assign(args.size() > 1 ? args.begin() + 1 : args.end(), args.end());
    terminated_ = false;
    title_ = std::move(title);
    icon_ = icon;
    if (!hwnd_) {
        const wchar_t* name = RegisterWindowClass({.Name = L"ui.Application", .Icon = icon_});
        CreateWindowHandle(true, name, title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                           0, nullptr);
    }
}

// The hidden window that carries the taskbar entry stands for the program as a whole:
// closing it closes the main form, and the keyboard goes on to the form that is up.
LRESULT Application::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        if (mainForm_) mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
            if ((*it)->Visible() && IsWindowEnabled((*it)->Handle())) {
                SetForegroundWindow((*it)->Handle());
                return 0;
            }
        }
        return 0;
    default:
        return DefaultMessage(msg, wp, lp);
    }
}

void Application::ShowTaskbarEntry(bool show) { ShowWindow(Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE); }

void Application::ShowError(const std::wstring& message) {
    HWND owner = GetActiveWindow();
    MessageBoxW(owner ? owner : Handle(), message.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void Application::ShowException(const std::exception& error) {
    if (const auto* own = dynamic_cast<const win::Exception*>(&error)) {
        ShowError(own->Message());
        return;
    }
    std::wstring text;
    const int n = MultiByteToWideChar(CP_UTF8, 0, error.what(), -1, nullptr, 0);
    if (n > 1) {
        text.resize(static_cast<size_t>(n));
        MultiByteToWideChar(CP_UTF8, 0, error.what(), -1, text.data(), n);
        text.resize(static_cast<size_t>(n - 1));
    }
    ShowError(text);
}

void Application::DestroyForms() {
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::Dispatch(MSG& msg) {
    Hints().MessageSeen(msg);  // the hint rules see every message before it is handled
    try {
        if (HandleDialogKey(msg) || PreviewKeyPress(msg)) return;
    } catch (const std::exception& error) {  // a click or a handler run by a key
        ShowException(error);
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(msg);
    }
}

void Application::ProcessMessagesUntil(HANDLE event) {
    for (;;) {
        switch (MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE)) {
        case WAIT_OBJECT_0: return;
        case WAIT_OBJECT_0 + 1: ProcessMessages(); break;
        default: WaitForSingleObject(event, INFINITE); return;  // the wait itself failed
        }
    }
}

bool Application::HandleMessage() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    Dispatch(msg);
    return true;
}

void Application::Run() {
    if (ShowMainForm && mainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

}  // namespace ui

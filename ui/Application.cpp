#include "ui/Application.h"

#include <commctrl.h>

#include <cwctype>

#include "base/Exception.h"
#include "ui/Controls.h"
#include "ui/Hint.h"

namespace ui {

Application& App() {
    static Application app;
    return app;
}

HCURSOR Screen::Cursor(int id) const {
    if (auto it = cursors_.find(id); it != cursors_.end()) return it->second;
    const wchar_t* system = IDC_ARROW;
    switch (id) {
    case crHourGlass: system = IDC_WAIT; break;
    case crNoDrop: system = IDC_NO; break;
    case crHandPoint: system = IDC_HAND; break;
    default: break;
    }
    return LoadCursorW(nullptr, system);
}

std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine) {
    std::vector<std::wstring> args;
    const wchar_t* p = commandLine ? commandLine : L"";
    for (;;) {
        for (;;) {  // separators, and empty quoted pairs before an argument
            while (*p != 0 && *p <= L' ') ++p;
            if (p[0] == L'"' && p[1] == L'"') p += 2;
            else break;
        }
        if (*p == 0) break;
        std::wstring arg;
        bool quoted = false;
        while (*p != 0 && (quoted || *p > L' ')) {
            if (*p == L'"') quoted = !quoted;
            else arg += *p;
            ++p;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

void Application::Initialize(const wchar_t* commandLine) {
    instance_ = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    auto args = SplitCommandLine(commandLine);
    arguments_.assign(args.size() > 1 ? args.begin() + 1 : args.end(), args.end());
    terminated_ = false;
    if (!window_) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Application::WindowProc;
        wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
        wc.hInstance = instance_;
        wc.lpszClassName = L"ui.Application";
        RegisterClassExW(&wc);
        window_.reset(CreateWindowExW(0, wc.lpszClassName, title_.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                                      nullptr, instance_, nullptr));
    }
}

// The hidden window that carries the taskbar entry stands for the program as a whole:
// closing it closes the main form, and the keyboard goes on to the form that is up.
LRESULT CALLBACK Application::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Application& app = App();
    switch (msg) {
    case WM_CLOSE:
        if (app.mainForm_) app.mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        for (auto it = app.forms_.rbegin(); it != app.forms_.rend(); ++it) {
            if ((*it)->Visible() && IsWindowEnabled((*it)->Handle())) {
                SetForegroundWindow((*it)->Handle());
                return 0;
            }
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

void Application::SetTitle(std::wstring title) {
    title_ = std::move(title);
    SetWindowTextW(Handle(), title_.c_str());
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

bool Application::HandleDialogKeys(const MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    // Alt+F4 closes the form whatever control has the keyboard (some Win32 controls keep
    // the keystroke to themselves).
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        if (root && (GetWindowLongPtrW(root, GWL_STYLE) & WS_SYSMENU)) PostMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        return root != nullptr;
    }
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    auto* form = dynamic_cast<Form*>(WinControl::FromHandle(root));
    if (!form || !IsWindowEnabled(root)) return false;
    auto usable = [](BitBtn* b) { return b && b->Showing() && b->Enabled(); };
    if (msg.message == WM_SYSCHAR) {
        const wchar_t key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
        std::vector<WinControl*> pending{form};
        while (!pending.empty()) {
            WinControl* c = pending.back();
            pending.pop_back();
            for (Control* child : c->Children()) {
                if (auto* b = dynamic_cast<BitBtn*>(child); usable(b) && b->Accelerator() == key) {
                    b->Click();
                    return true;
                }
                if (auto* w = dynamic_cast<WinControl*>(child)) pending.push_back(w);
            }
        }
        return false;
    }
    switch (msg.wParam) {
    case VK_ESCAPE:
        if (usable(form->CancelButton())) {
            form->CancelButton()->Click();
            return true;
        }
        return false;
    case VK_RETURN: {
        if (auto* focused = dynamic_cast<BitBtn*>(WinControl::FromHandle(GetFocus())); usable(focused)) {
            focused->Click();
            return true;
        }
        if (usable(form->DefaultButton())) {
            form->DefaultButton()->Click();
            return true;
        }
        return false;
    }
    case VK_TAB: {
        HWND next = GetNextDlgTabItem(root, GetFocus(), GetKeyState(VK_SHIFT) < 0);
        if (next) SetFocus(next);
        return true;
    }
    default:
        return false;
    }
}

namespace {
// Hands a typed character to its form's key-press handler first; true when the handler
// swallowed it.
bool PreviewKeyPress(MSG& msg) {
    if (msg.message != WM_CHAR) return false;
    auto* form = dynamic_cast<Form*>(WinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form || !form->OnKeyPress) return false;
    auto key = static_cast<wchar_t>(msg.wParam);
    form->OnKeyPress(key);
    msg.wParam = key;
    return key == 0;
}
}  // namespace

void Application::Dispatch(MSG& msg) {
    Hints().MessageSeen(msg);  // the hint rules see every message before it is handled
    try {
        if (HandleDialogKeys(msg) || PreviewKeyPress(msg)) return;
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

#pragma once
// Owners for the window system's handles that only the toolkit keeps: a message hook and
// a thread timer (one without a window, reported to its callback).
#include <windows.h>

#include "base/Handle.h"

namespace ui {

struct HookTraits {
    using pointer = HHOOK;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { UnhookWindowsHookEx(h); }
};
struct ThreadTimerTraits {
    using pointer = UINT_PTR;
    static pointer invalid() noexcept { return 0; }
    static void close(pointer id) noexcept { KillTimer(nullptr, id); }
};

using UniqueHook = win::UniqueHandle<HookTraits>;
using UniqueThreadTimer = win::UniqueHandle<ThreadTimerTraits>;

}  // namespace ui

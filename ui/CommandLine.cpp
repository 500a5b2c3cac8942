#include "ui/CommandLine.h"

namespace ui {

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

}  // namespace ui

#pragma once
// The program's command line, as arguments.
#include <string>
#include <vector>

namespace ui {

// Splits a command line into arguments: blanks and control characters separate them, and a
// double quote switches quoting on and off; the quotes themselves are dropped. The first
// element is the program's own path.
std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine);

}  // namespace ui

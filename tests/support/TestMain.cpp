// Entry of every test program: the application object is set up as the program sets it
// up, with the program's icon and its short name as the title, but with no command line,
// so no window starts the command-line route.
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::App().Initialize(L"", L"Trituradora", LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    return RUN_ALL_TESTS();
}

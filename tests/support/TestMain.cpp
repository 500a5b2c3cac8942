// Entry of every test program: the application object is set up as the program sets it
// up, but with no command line, so no window starts the command-line route.
#include <gtest/gtest.h>

#include "ui/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::App().Initialize(L"");
    return RUN_ALL_TESTS();
}

// The toolkit's timer: ticks through the message loop, and none once stopped or destroyed.
#include "acerca/Ventanas.h"
#include "ui/Timer.h"

using namespace prueba;

TEST(Timer, TicksWhileEnabledAndDropsATickAlreadyQueuedWhenStopped) {
    int tics = 0;
    HWND ventana = nullptr;
    {
        ui::Timer timer;
        timer.Interval(10);
        timer.OnTimer = [&] { ++tics; };
        ventana = timer.Handle();
        EXPECT_TRUE(Esperar([&] { return tics >= 3; }));

        timer.Enabled(false);
        const int alParar = tics;
        PostMessageW(ventana, WM_TIMER, 1, 0);
        Esperar([] { return false; }, 100);
        EXPECT_EQ(tics, alParar);

        timer.Enabled(true);
        EXPECT_TRUE(Esperar([&] { return tics > alParar; }));
    }
    EXPECT_FALSE(IsWindow(ventana));
}

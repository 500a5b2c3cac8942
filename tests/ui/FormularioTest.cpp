// A form's place on the screen across showings, the mouse it lets go when hidden, and its frames.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace {
RECT Rect(const ui::Form& f) {
    RECT r{};
    GetWindowRect(f.Handle(), &r);
    return r;
}
}  // namespace

TEST(Formulario, CentredWhenFirstShownThenBackWhereItWas) {
    ui::Form form;
    form.ClientSize(300, 200).Position(ui::FormPosition::ScreenCenter);
    form.Show();
    const RECT r = Rect(form);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);

    // Moved (as a person drags it), hidden for a run, shown again: where it was left.
    form.SetBounds(17, 23, form.Width(), form.Height());
    for (int vez = 0; vez < 2; ++vez) {
        form.Hide();
        form.Show();
        EXPECT_EQ(Rect(form).left, 17) << vez;
        EXPECT_EQ(Rect(form).top, 23) << vez;
    }
}

TEST(Formulario, AFormTallerThanTheScreenKeepsItsCaptionOnItButABorderlessOneIsCentred) {
    const int alto = GetSystemMetrics(SM_CYSCREEN) + 100;
    ui::Form conTitulo;
    conTitulo.Caption(L"alta").ClientSize(200, alto).Position(ui::FormPosition::ScreenCenter);
    conTitulo.Show();
    EXPECT_EQ(Rect(conTitulo).top, 0);
    ui::Form sinBorde;
    sinBorde.Border(ui::BorderStyle::None).ClientSize(200, alto).Position(ui::FormPosition::ScreenCenter);
    sinBorde.Show();
    EXPECT_EQ(Rect(sinBorde).top, (GetSystemMetrics(SM_CYSCREEN) - alto) / 2);
}

TEST(Formulario, HidingTheFormReleasesTheMouseItsControlsHold) {
    ui::Form form;
    ui::Panel panel(&form);
    panel.Bounds(0, 0, 50, 50);
    form.Show();
    for (HWND captor : {form.Handle(), panel.Handle()}) {
        SetCapture(captor);
        ASSERT_EQ(GetCapture(), captor);
        form.Hide();
        EXPECT_EQ(GetCapture(), nullptr);
        form.Show();
    }
    // A capture elsewhere is not this form's to release.
    ui::Form otra;
    otra.Show();
    SetCapture(otra.Handle());
    form.Hide();
    EXPECT_EQ(GetCapture(), otra.Handle());
    ReleaseCapture();
}

// On a shown form that paints by frames, a change is taken at once by the control (its value,
// its OnChange) but reaches the system's windows only at the next frame: no paint is asked
// for in between, since asking already cost more than the change. Hidden, or without frames,
// a change reaches them at once.
TEST(Formulario, ChangesReachTheSystemWindowsAtTheNextFrameOnlyWhileTheFormShowsFrames) {
    struct Caso {
        bool frames, visible, alSiguienteCuadro;
    };
    for (const Caso caso : {Caso{true, true, true}, Caso{true, false, false}, Caso{false, true, false}}) {
        SCOPED_TRACE(testing::Message() << "frames " << caso.frames << ", visible " << caso.visible);
        ui::Form form;
        ui::Panel panel(&form);
        ui::Label etiqueta(&panel);
        ui::ProgressBar barra(&panel);
        panel.Bounds(0, 0, 200, 100);
        etiqueta.Bounds(5, 5);
        barra.Bounds(5, 40, 150, 10).Max(10);
        if (caso.frames) form.FrameRate(30);
        if (caso.visible) form.Show();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

        int avisada = -1;
        barra.OnChange = [&](int p) { avisada = p; };
        barra.Position(7);
        etiqueta.Caption(L"7 de 10");
        EXPECT_EQ(barra.Position(), 7);
        EXPECT_EQ(avisada, 7);
        EXPECT_EQ(etiqueta.Caption(), L"7 de 10");
        const auto enLaBarra = [&] { return static_cast<int>(SendMessageW(barra.Handle(), PBM_GETPOS, 0, 0)); };
        EXPECT_EQ(enLaBarra(), caso.alSiguienteCuadro ? 0 : 7);
        if (caso.alSiguienteCuadro) {
            EXPECT_FALSE(GetUpdateRect(panel.Handle(), nullptr, FALSE)) << "a paint was asked for before the frame";
            for (int i = 0; i < 50 && enLaBarra() != 7; ++i) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            }
            EXPECT_EQ(enLaBarra(), 7);
        }
    }
}

// A form's place on the screen across showings, and the mouse it lets go when hidden.
#include <gtest/gtest.h>

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

#pragma once
// The visit window shown while the program ends: six banners, one a second, and on closing
// the author's web site opened in the browser.
#include "ui/Bevel.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

class TFVisitanos : public ui::Form {
public:
    TFVisitanos();

    ui::Panel Panel1{this};
    ui::Bevel Bevel1{&Panel1};
    ui::Image Image{&Panel1};
    ui::Image Image1{&Panel1};
    ui::Image Image2{&Panel1};
    ui::Image Image3{&Panel1};
    ui::Image Image4{&Panel1};
    ui::Image Image5{&Panel1};
    ui::Image Image6{&Panel1};
    ui::BitBtn BitBtn1{&Panel1};
    ui::Timer Timer1;

    // The banner frame last shown, 1 to 6.
    int ImagenActual = 1;

    void FormCreate();
    void FormShow();
    void Timer1Timer();
    void FormClose(ui::CloseAction& action);

private:
    ui::Image* const marcos_[6] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
};

extern TFVisitanos* FVisitanos;

#pragma once
// Balloon hints: every control hint of the application shown as a cartoon speech balloon,
// a yellow box with rounded corners and a black outline, a tail whose tip points at the
// cursor, and a dotted shadow to the right and below, drawn over a copy of the screen so
// that what lies behind shows around the corners and between the dots.
//
// TVelHint holds the settings and, when made, installs TNewHint as the application's
// hint window. It must be owned by the application's main window: the balloon looks for
// it there every time it shows.
#include <functional>
#include <string>

#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Hint.h"

// Where a balloon lies from the cursor, and so which corner its tail's tip is at.
enum THintDirection : unsigned char {
    hdUpRight,    // above, extending to the right: tip at the lower left corner
    hdUpLeft,     // above, extending to the left: tip at the lower right corner
    hdDownRight,  // below, extending to the right: tip at the upper left corner
    hdDownLeft,   // below, extending to the left: tip at the upper right corner
};

// Lets the owner choose the direction for each hint: HintControl is the control under the
// cursor, HintDirection comes in as the preferred direction and may be changed.
using TOnSelectHintDirection = std::function<void(ui::Control* HintControl, THintDirection& HintDirection)>;

// The colours and font a balloon is drawn with.
struct AspectoGlobo {
    COLORREF HintColor;
    COLORREF HintShadowColor;
    ui::Font HintFont;
};
// The look of a balloon when no TVelHint says otherwise.
AspectoGlobo AspectoPorDefecto();

class TVelHint : public ui::Component {
public:
    explicit TVelHint(ui::Control* owner);
    ~TVelHint() override;
    void Loaded() override;

    THintDirection HintDirection() const { return hintDirection_; }
    TVelHint& HintDirection(THintDirection direction);
    COLORREF HintColor() const { return aspecto_.HintColor; }
    TVelHint& HintColor(COLORREF color);
    COLORREF HintShadowColor() const { return aspecto_.HintShadowColor; }
    TVelHint& HintShadowColor(COLORREF color);
    const ui::Font& HintFont() const { return aspecto_.HintFont; }
    TVelHint& HintFont(const ui::Font& font);
    int HintPauseTime() const { return hintPauseTime_; }
    TVelHint& HintPauseTime(int ms);
    const AspectoGlobo& Aspecto() const { return aspecto_; }

    TOnSelectHintDirection OnSelectHintDirection;

    // The font-changed notification: the balloon window is made anew with HintFont.
    void FontChanged();

private:
    friend class TNewHint;
    void InstalarGlobo();
    void RecrearVentana();

    THintDirection hintDirection_ = hdUpRight;
    AspectoGlobo aspecto_;
    int hintPauseTime_ = 600;
};

// Where a balloon goes: the direction it is drawn in and its top-left corner on the screen.
struct ColocacionGlobo {
    THintDirection Direccion;
    int X, Y;
    bool operator==(const ColocacionGlobo&) const = default;
};

// The balloon's size for a hint box of caja (the text's size plus the margins): 26 wider,
// and 20 taller above the cursor or 29 taller below it.
SIZE TamanoGlobo(SIZE caja, THintDirection direccion);
// Chooses the direction and the position for a hint box at the cursor, starting from the
// preferred direction and turning away from the screen edges it would cross.
ColocacionGlobo ColocarGlobo(THintDirection preferida, POINT cursor, SIZE caja, SIZE pantalla);
// Draws a balloon of the given size over what dc already holds.
void DibujarGlobo(HDC dc, SIZE tamano, THintDirection direccion, const AspectoGlobo& aspecto,
                  const std::wstring& texto);

// The balloon window.
class TNewHint : public ui::HintWindow {
public:
    TNewHint();
    ~TNewHint() override;
    void ActivateHint(const RECT& r, const std::wstring& text) override;

    // The direction of the balloon on display.
    THintDirection Direccion() const { return direccion_; }

protected:
    void CreateParams(ui::HintWindowParams& params) override;
    void Paint(HDC dc) override;

private:
    void CapturarPantalla(SIZE tamano);

    // The screen area the balloon covers, captured when it is shown; the balloon is drawn
    // on it once and painted from it for as long as it is shown.
    win::UniqueBitmap imagen_;
    SIZE tamano_{0, 0};
    bool dibujado_ = false;
    THintDirection direccion_ = hdUpRight;
    AspectoGlobo aspecto_;
};

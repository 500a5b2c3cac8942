// Check boxes and radio groups: real system buttons, whose OnClick runs for the user's
// changes and for the program's alike, but never for a state they already have.
#include <gtest/gtest.h>

#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/RadioGroup.h"

namespace {

class Casillas : public testing::Test {
protected:
    void SetUp() override {
        form.ClientSize(300, 200);
        casilla.Bounds(10, 10, 200, 17).Caption(L"Casilla");
        casilla.OnClick = [this] { ++clicsCasilla; };
        grupo.Bounds(10, 40, 255, 49).Caption(L"Grupo").Columns(5).Items({L"1", L"10", L"25", L"50", L"100"});
        grupo.OnClick = [this] { ++clicsGrupo; };
        form.Show();
    }
    void TearDown() override { form.Hide(); }
    bool TabStop(int i) const { return GetWindowLongPtrW(grupo.ItemHandle(i), GWL_STYLE) & WS_TABSTOP; }
    bool Marcado(int i) const { return SendMessageW(grupo.ItemHandle(i), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    ui::Form form;
    ui::CheckBox casilla{&form};
    ui::RadioGroup grupo{&form};
    int clicsCasilla = 0, clicsGrupo = 0;
};

TEST_F(Casillas, UnaCasillaAvisaDeCadaCambioYSoloDeLosCambios) {
    casilla.Checked(true);
    EXPECT_TRUE(casilla.Checked());
    EXPECT_EQ(clicsCasilla, 1);
    casilla.Checked(true);  // the state it has: nothing runs
    EXPECT_EQ(clicsCasilla, 1);
    SendMessageW(casilla.Handle(), BM_CLICK, 0, 0);  // the user's click clears it
    EXPECT_FALSE(casilla.Checked());
    EXPECT_EQ(clicsCasilla, 2);
    casilla.Checked(false);
    EXPECT_EQ(clicsCasilla, 2);
}

TEST_F(Casillas, UnGrupoTieneUnaEntradaElegidaOLaQueNoEsEntradaNoEligeNinguna) {
    EXPECT_EQ(grupo.ItemIndex(), -1);
    EXPECT_TRUE(TabStop(0));
    SendMessageW(grupo.ItemHandle(3), BM_CLICK, 0, 0);
    EXPECT_EQ(grupo.ItemIndex(), 3);
    EXPECT_TRUE(Marcado(3));
    EXPECT_EQ(clicsGrupo, 1);
    // Only the chosen entry is a tab stop, so Tab enters the group at its choice.
    EXPECT_TRUE(TabStop(3));
    EXPECT_FALSE(TabStop(0));
    SendMessageW(grupo.ItemHandle(3), BM_CLICK, 0, 0);  // chosen already
    EXPECT_EQ(clicsGrupo, 1);
    grupo.ItemIndex(1);
    EXPECT_TRUE(Marcado(1));
    EXPECT_FALSE(Marcado(3));
    EXPECT_EQ(clicsGrupo, 2);
    grupo.ItemIndex(7);
    EXPECT_EQ(grupo.ItemIndex(), -1);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(Marcado(i));
    EXPECT_EQ(clicsGrupo, 3);
}

TEST_F(Casillas, LasFlechasMuevenLaEleccionPorElGrupoYDanLaVuelta) {
    grupo.ItemIndex(3);
    SendMessageW(grupo.ItemHandle(3), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(grupo.ItemIndex(), 4);
    EXPECT_EQ(GetFocus(), grupo.ItemHandle(4));
    SendMessageW(grupo.ItemHandle(4), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(grupo.ItemIndex(), 0);
    SendMessageW(grupo.ItemHandle(0), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(grupo.ItemIndex(), 4);
}

}  // namespace

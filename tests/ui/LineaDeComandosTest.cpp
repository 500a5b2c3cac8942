// Splitting the command line and shortening paths to a label's width.
#include <gtest/gtest.h>

#include "base/Rutas.h"
#include "engine/AcortarRuta.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/Graphics.h"

using Args = std::vector<std::wstring>;

TEST(SplitCommandLine, BlanksAndControlCharactersSeparateAndQuotesToggleAndAreDropped) {
    EXPECT_EQ(ui::SplitCommandLine(L"prog.exe"), Args{L"prog.exe"});
    EXPECT_EQ(ui::SplitCommandLine(L"\"C:\\Program Files\\T.exe\" \"C:\\mis datos\\a b.txt\""),
              (Args{L"C:\\Program Files\\T.exe", L"C:\\mis datos\\a b.txt"}));
    EXPECT_EQ(ui::SplitCommandLine(L"p  a\tb\r\nc"), (Args{L"p", L"a", L"b", L"c"}));
    // A quote in the middle of an argument toggles quoting there; "" before an argument is skipped.
    EXPECT_EQ(ui::SplitCommandLine(L"p C:\\\"dos palabras\"\\x \"\" z"), (Args{L"p", L"C:\\dos palabras\\x", L"z"}));
    EXPECT_EQ(ui::SplitCommandLine(L"p \"sin cierre"), (Args{L"p", L"sin cierre"}));
    EXPECT_TRUE(ui::SplitCommandLine(L"   ").empty());
}

TEST(SplitCommandLine, AnArgumentLongerThan256CharactersIsKeptWhole) {
    const std::wstring larga = L"C:\\" + std::wstring(400, L'a') + L"\\archivo.txt";
    EXPECT_EQ(ui::SplitCommandLine((L"p \"" + larga + L"\"").c_str()), (Args{L"p", larga}));
}

TEST(AcortarRuta, LeadingFoldersGoFirstThenTheDriveAndTheNameIsNeverCut) {
    ui::Font fuente;
    win::UniqueFont f = fuente.Create();
    const std::wstring ruta = L"C:\\uno\\dos\\tres\\archivo.txt";
    auto ancho = [&](const std::wstring& s) { return static_cast<int>(ui::MeasureText(s, fuente).cx); };
    const std::vector<std::wstring> pasos{ruta, L"C:\\...\\dos\\tres\\archivo.txt", L"C:\\...\\tres\\archivo.txt",
                                          L"C:\\...\\archivo.txt", L"...\\archivo.txt", L"archivo.txt"};
    for (const auto& esperado : pasos) EXPECT_EQ(AcortarRuta(ruta, f.get(), ancho(esperado)), esperado);
    EXPECT_EQ(AcortarRuta(ruta, f.get(), 1), L"archivo.txt");
    // A folder path (trailing backslash) shortens the same way.
    EXPECT_EQ(AcortarRuta(L"C:\\uno\\dos\\", f.get(), ancho(L"C:\\...\\dos\\")), L"C:\\...\\dos\\");
}

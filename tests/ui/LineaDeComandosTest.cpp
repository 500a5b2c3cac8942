// Splitting the command line and shortening paths to a label's width.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST(TextoDelSistema, ShortAndLongAnswersComeWholeFromAsFewCallsAsTheyNeed) {
    for (size_t largo : {0u, 1u, 1022u, 1023u, 1024u, 5000u}) {
        SCOPED_TRACE(largo);
        const std::wstring texto(largo, L'x');
        int llamadas = 0;
        const auto leido = TextoDelSistema([&](wchar_t* b, DWORD t) -> DWORD {
            ++llamadas;
            if (largo >= t) return static_cast<DWORD>(largo + 1);
            std::copy(texto.begin(), texto.end(), b);
            b[largo] = 0;
            return static_cast<DWORD>(largo);
        });
        EXPECT_EQ(leido, texto);
        EXPECT_EQ(llamadas, largo < 1024 ? 1 : 2);
    }
    const std::wstring larga = L"C:\\" + std::wstring(3000, L'a');
    EXPECT_EQ(RutaCompleta(larga), larga);
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

// Every path shortens in a bounded number of steps that end in its name (what follows its last
// backslash): roots of drives and shares, no folder part, names wider than any label.
TEST(AcortarRuta, EndsForEveryPathAndWidth) {
    const std::vector<std::wstring> comienzos{L"C:\\", L"C:", L"\\\\servidor\\recurso\\", L"\\\\servidor\\", L"\\",
                                              L"", L"carpeta\\", L"\\\\?\\C:\\"};
    const std::vector<std::wstring> nombres{L"archivo.txt", L"", std::wstring(300, L'n'), L"~", L"..."};
    auto ancho = [](const std::wstring& s) { return static_cast<int>(s.size()) * 7; };
    uint32_t semilla = 12345;
    auto azar = [&](uint32_t n) { return (semilla = semilla * 1103515245u + 12345u) / 65536u % n; };
    for (int caso = 0; caso < 2000; ++caso) {
        std::wstring ruta = comienzos[azar(static_cast<uint32_t>(comienzos.size()))];
        for (uint32_t i = azar(6); i > 0; --i) ruta += std::wstring(1 + azar(40), static_cast<wchar_t>(L'a' + azar(26))) + L"\\";
        const std::wstring nombre = nombres[azar(static_cast<uint32_t>(nombres.size()))];
        ruta += nombre;
        SCOPED_TRACE(std::string(ruta.begin(), ruta.end()));
        const auto pasos = Acortamientos(ruta);
        ASSERT_FALSE(pasos.empty());
        EXPECT_EQ(pasos.front(), ruta);
        EXPECT_EQ(pasos.back(), ruta.substr(ruta.rfind(L'\\') == std::wstring::npos ? 0 : ruta.rfind(L'\\') + 1));
        EXPECT_LE(pasos.size(), static_cast<size_t>(std::count(ruta.begin(), ruta.end(), L'\\')) + 3);
        const int maximo = static_cast<int>(azar(400));
        const std::wstring corta = AcortarRuta(ruta, ancho, maximo);
        EXPECT_TRUE(ancho(corta) <= maximo || corta == pasos.back());
    }
}

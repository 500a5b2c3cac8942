// What Windows shows of the program: the version resource and the manifest, read back from
// the resources built into this test program (the same script the program is built with).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<BYTE> InformacionDeVersion() {
    wchar_t ruta[MAX_PATH];
    GetModuleFileNameW(nullptr, ruta, MAX_PATH);
    DWORD nada = 0;
    std::vector<BYTE> datos(GetFileVersionInfoSizeW(ruta, &nada));
    if (datos.empty() || !GetFileVersionInfoW(ruta, 0, static_cast<DWORD>(datos.size()), datos.data())) datos.clear();
    return datos;
}

std::wstring Texto(std::vector<BYTE>& datos, const std::wstring& nombre) {
    wchar_t* valor = nullptr;
    UINT largo = 0;
    const std::wstring camino = L"\\StringFileInfo\\0c0a04b0\\" + nombre;
    if (!VerQueryValueW(datos.data(), camino.c_str(), reinterpret_cast<void**>(&valor), &largo) || !valor) return L"";
    return valor;
}

}  // namespace

TEST(Version, ElRecursoDeVersionNombraElProgramaSuFabricanteYUnaSolaVersion) {
    auto datos = InformacionDeVersion();
    ASSERT_FALSE(datos.empty()) << "no version resource";
    EXPECT_EQ(Texto(datos, L"ProductName"), L"Trituradora de documentos");
    EXPECT_EQ(Texto(datos, L"FileDescription"), L"Trituradora de documentos");
    EXPECT_EQ(Texto(datos, L"OriginalFilename"), L"Trituradora.exe");
    EXPECT_FALSE(Texto(datos, L"CompanyName").empty());
    EXPECT_NE(Texto(datos, L"LegalCopyright").find(Texto(datos, L"CompanyName")), std::wstring::npos);

    // The numbers Windows compares and the texts it shows are the same version.
    VS_FIXEDFILEINFO* fijo = nullptr;
    UINT largo = 0;
    ASSERT_TRUE(VerQueryValueW(datos.data(), L"\\", reinterpret_cast<void**>(&fijo), &largo));
    const std::wstring numeros = std::to_wstring(HIWORD(fijo->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fijo->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fijo->dwFileVersionLS));
    EXPECT_EQ(Texto(datos, L"FileVersion"), numeros);
    EXPECT_EQ(Texto(datos, L"ProductVersion"), numeros);
    EXPECT_EQ(fijo->dwProductVersionMS, fijo->dwFileVersionMS);
    EXPECT_EQ(fijo->dwProductVersionLS, fijo->dwFileVersionLS);
}

TEST(Version, ElManifiestoDeclaraSistemasRutasLargasYEscalado) {
    HRSRC recurso = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_TRUE(recurso);
    const auto* datos = static_cast<const char*>(LockResource(LoadResource(nullptr, recurso)));
    const std::string manifiesto(datos, SizeofResource(nullptr, recurso));
    for (const char* debe : {"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             ">true</longPathAware>", ">unaware</dpiAwareness>", ">false</dpiAware>",
                             ">true</gdiScaling>", "level=\"asInvoker\""})
        EXPECT_NE(manifiesto.find(debe), std::string::npos) << debe;
    EXPECT_EQ(manifiesto.find("@"), std::string::npos) << "a placeholder left unfilled";
}

#include <gtest/gtest.h>

#include <cwctype>

#include "RegistroPrueba.h"
#include "settings/MenuContextual.h"

using namespace prueba;

namespace {
// The current user's classes, where the entries belong.
const HKEY kClases = HKEY_CURRENT_USER;
const std::wstring kArchivo = L"Software\\Classes\\*\\shell\\Trituradora de archivo";
const std::wstring kCarpeta = L"Software\\Classes\\Directory\\shell\\Trituradora de carpeta";
// The same keys in the machine-wide classes, where earlier versions wrote them.
const std::wstring kArchivoEquipo = L"*\\shell\\Trituradora de archivo";
const std::wstring kCarpetaEquipo = L"Directory\\shell\\Trituradora de carpeta";

// Runs on the prefix's real classes, the user's and the machine's: no entry before a test,
// and afterwards nothing left of what it wrote, the parent keys it made included.
class MenuContextual : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* padre : {L"Software\\Classes\\Directory", L"Software\\Classes\\Directory\\shell",
                                     L"Software\\Classes\\*", L"Software\\Classes\\*\\shell"})
            if (!ExisteClave(kClases, padre)) creadas_.emplace_back(kClases, padre);
        for (const wchar_t* padre : {L"Directory", L"Directory\\shell", L"*\\shell"})
            if (!ExisteClave(HKEY_CLASSES_ROOT, padre)) creadas_.emplace_back(HKEY_CLASSES_ROOT, padre);
        Limpiar();
    }
    void TearDown() override {
        Limpiar();
        for (auto it = creadas_.rbegin(); it != creadas_.rend(); ++it) RegDeleteKeyW(it->first, it->second);
    }
    static void Limpiar() {
        for (const auto& verbo : {kArchivo, kCarpeta}) RegDeleteTreeW(kClases, verbo.c_str());
        for (const auto& verbo : {kArchivoEquipo, kCarpetaEquipo}) RegDeleteTreeW(HKEY_CLASSES_ROOT, verbo.c_str());
    }

    std::vector<std::pair<HKEY, const wchar_t*>> creadas_;
};
}  // namespace

TEST_F(MenuContextual, InstalarDosVecesDejaUnaEntradaDeCadaClaseConLaOrdenDelPrograma) {
    EXPECT_EQ(TextoComando(L"C:\\Mis programas\\Trituradora.exe"), L"\"C:\\Mis programas\\Trituradora.exe\" \"%1\"");
    EXPECT_TRUE(RutaPrograma().ends_with(L"\\test_settings.exe")) << RutaPrograma();
    EXPECT_FALSE(MenuContextualInstalado());

    InstalarMenuContextual();
    InstalarMenuContextual();
    EXPECT_TRUE(MenuContextualInstalado());
    for (const auto& verbo : {kArchivo, kCarpeta}) {
        EXPECT_EQ(Nombres(kClases, verbo, false), std::vector<std::wstring>{L"command"});
        EXPECT_TRUE(Nombres(kClases, verbo, true).empty());  // so Explorer shows the key's name
        EXPECT_EQ(Nombres(kClases, verbo + L"\\command", true), std::vector<std::wstring>{L""});
        const auto orden = LeerValor(kClases, verbo + L"\\command", L"");
        ASSERT_TRUE(orden);
        EXPECT_EQ(orden->tipo, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(ComoTexto(*orden), L"\"" + RutaPrograma() + L"\" \"%1\"");
    }
    // Nothing in the machine-wide classes, which a standard user could not have written.
    EXPECT_FALSE(ExisteClave(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + kArchivoEquipo));
    EXPECT_FALSE(ExisteClave(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + kCarpetaEquipo));
}

TEST_F(MenuContextual, LasEntradasDelEquipoNoCuentanYSeBorranAlDesinstalar) {
    // Left by an earlier version, with this very program's command, below HKEY_CLASSES_ROOT.
    for (const auto& verbo : {kArchivoEquipo, kCarpetaEquipo}) {
        PonerTexto(HKEY_CLASSES_ROOT, verbo + L"\\command", L"", TextoComando(RutaPrograma()));
        PonerTexto(HKEY_CLASSES_ROOT, verbo + L"\\otra", L"", L"x");
    }
    EXPECT_FALSE(MenuContextualInstalado());

    InstalarMenuContextual();
    EXPECT_TRUE(MenuContextualInstalado());
    DesinstalarMenuContextual();
    EXPECT_FALSE(MenuContextualInstalado());
    for (const auto& verbo : {kArchivoEquipo, kCarpetaEquipo}) {
        EXPECT_FALSE(ExisteClave(HKEY_CLASSES_ROOT, verbo));
        EXPECT_FALSE(ExisteClave(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + verbo));
    }
    EXPECT_FALSE(ExisteClave(kClases, kArchivo));
    EXPECT_FALSE(ExisteClave(kClases, kCarpeta));
}

TEST_F(MenuContextual, OtroProgramaOSoloLaCarpetaNoCuentanComoInstalado) {
    const std::wstring movido = TextoComando(L"C:\\Otra carpeta\\Trituradora.exe");
    InstalarMenuContextual(movido);
    EXPECT_FALSE(MenuContextualInstalado());
    EXPECT_TRUE(MenuContextualInstalado(movido));

    InstalarMenuContextual();  // rewrites both entries for this program
    EXPECT_TRUE(MenuContextualInstalado());
    std::wstring mayusculas = TextoComando(RutaPrograma());
    for (auto& c : mayusculas) c = static_cast<wchar_t>(std::towupper(c));
    EXPECT_FALSE(MenuContextualInstalado(mayusculas));

    PonerTexto(kClases, kCarpeta + L"\\command", L"", movido);  // the folder entry points elsewhere
    EXPECT_FALSE(MenuContextualInstalado());
    InstalarMenuContextual();
    RegDeleteTreeW(kClases, kArchivo.c_str());  // only the folder entry left
    EXPECT_FALSE(MenuContextualInstalado());
}

TEST_F(MenuContextual, UnaOrdenQueNoEsTextoEsUnErrorSoloSiSeLlegaALeerla) {
    InstalarMenuContextual();
    PonerDword(kClases, kCarpeta + L"\\command", L"", 1);
    EXPECT_EQ(ErrorDe([] { MenuContextualInstalado(); }), L"Invalid data type for ''");
    // The file entry differs, so the folder entry is not read.
    bool instalado = true;
    EXPECT_EQ(ErrorDe([&] { instalado = MenuContextualInstalado(TextoComando(L"C:\\otra.exe")); }), L"");
    EXPECT_FALSE(instalado);

    PonerDword(kClases, kArchivo + L"\\command", L"", 1);
    EXPECT_EQ(ErrorDe([] { MenuContextualInstalado(); }), L"Invalid data type for ''");
}

TEST_F(MenuContextual, DesinstalarBorraLosVerbosConTodoLoQueTienenDebajo) {
    InstalarMenuContextual();
    PonerTexto(kClases, kArchivo + L"\\añadida\\más abajo", L"v", L"x");
    PonerTexto(kClases, kCarpeta + L"\\otra", L"", L"x");
    const std::wstring otro = L"Software\\Classes\\*\\shell\\Otro verbo";
    PonerTexto(kClases, otro + L"\\command", L"", L"otro.exe");
    DesinstalarMenuContextual();
    EXPECT_FALSE(ExisteClave(kClases, kArchivo));
    EXPECT_FALSE(ExisteClave(kClases, kCarpeta));
    EXPECT_TRUE(ExisteClave(kClases, otro + L"\\command"));
    RegDeleteTreeW(kClases, otro.c_str());

    // Missing keys are passed over, and the folder entry goes without the file entry.
    PonerTexto(kClases, kCarpeta + L"\\command", L"", L"x");
    EXPECT_NO_THROW(DesinstalarMenuContextual());
    EXPECT_FALSE(ExisteClave(kClases, kCarpeta));
    EXPECT_NO_THROW(DesinstalarMenuContextual());
}

TEST_F(MenuContextual, UnaInstalacionFallidaNoIntentaLaCarpeta) {
    // A volatile verb key cannot hold the lasting "command" key.
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(kClases, kArchivo.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_EQ(ErrorDe([] { InstalarMenuContextual(); }), L"Failed to set data for ''");
    EXPECT_FALSE(ExisteClave(kClases, kArchivo + L"\\command"));
    EXPECT_FALSE(ExisteClave(kClases, kCarpeta));
}

// Steps of the end-to-end check tests/settings/explorador.sh, which runs them on purpose:
// install the entries for the program built next to this test program, and remove them.
TEST(DISABLED_Explorador, InstalarParaTrituradora) {
    std::wstring programa = RutaPrograma();
    programa.replace(programa.rfind(L'\\') + 1, std::wstring::npos, L"Trituradora.exe");
    InstalarMenuContextual(TextoComando(programa));
    EXPECT_TRUE(MenuContextualInstalado(TextoComando(programa)));
}
TEST(DISABLED_Explorador, Desinstalar) { DesinstalarMenuContextual(); }

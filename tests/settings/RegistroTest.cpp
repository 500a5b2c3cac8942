#include <gtest/gtest.h>

#include <functional>

#include "RegistroPrueba.h"
#include "base/Registro.h"
#include "ui/Application.h"
#include "ui/Controls.h"

using namespace prueba;

TEST(Registro, TextosHastaElPrimerCeroYEnterosDeCuatroBytes) {
    const ClavePrueba p;
    const ClaveRegistro clave = ClaveRegistro::Abrir(HKEY_CURRENT_USER, L"\\" + p.Ruta());  // from the root
    ASSERT_TRUE(clave);
    PonerValor(HKEY_CURRENT_USER, p.Ruta(), L"cero", REG_SZ, L"ab\0cd", 10);
    PonerValor(HKEY_CURRENT_USER, p.Ruta(), L"sin cero", REG_SZ, L"xyz", 6);
    PonerTexto(HKEY_CURRENT_USER, p.Ruta(), L"expandible", L"%TEMP%\\a", REG_EXPAND_SZ);
    PonerValor(HKEY_CURRENT_USER, p.Ruta(), L"binario vacío", REG_BINARY, nullptr, 0);
    EXPECT_EQ(clave.LeerTexto(L"cero"), L"ab");
    EXPECT_EQ(clave.LeerTexto(L"sin cero"), L"xyz");
    EXPECT_EQ(clave.LeerTexto(L"expandible"), L"%TEMP%\\a");
    EXPECT_EQ(clave.LeerTexto(L"binario vacío"), L"");
    EXPECT_EQ(clave.LeerTexto(L"falta"), std::nullopt);

    clave.EscribirTexto(L"Usar Método nº1", L"1");
    clave.EscribirEntero(L"número", 0x12345678);
    const BYTE dos[2] = {1, 0};
    PonerValor(HKEY_CURRENT_USER, p.Ruta(), L"corto", REG_DWORD, dos, sizeof dos);
    EXPECT_EQ(clave.LeerTexto(L"Usar Método nº1"), L"1");
    EXPECT_EQ(clave.LeerEntero(L"número"), 0x12345678u);
    EXPECT_EQ(clave.LeerEntero(L"corto"), 1u);  // the missing high bytes read as zero
    const auto texto = LeerValor(HKEY_CURRENT_USER, p.Ruta(), L"Usar Método nº1");
    ASSERT_TRUE(texto);
    EXPECT_EQ(texto->tipo, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(texto->datos.size(), 4u);  // "1" and its zero
}

TEST(Registro, LosNombresSonLosQueGuardaUnProgramaEnElCodigo1252) {
    if (GetACP() != 1252) GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
    const ClavePrueba p;
    ClaveRegistro::Abrir(HKEY_CURRENT_USER, p.Ruta()).EscribirTexto(L"Nº de pasadas", L"1");
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, std::string(p.Ruta().begin(), p.Ruta().end()).c_str(), 0, KEY_READ, &h),
              ERROR_SUCCESS);
    const win::UniqueKey clave(h);
    char datos[8] = {};
    DWORD bytes = sizeof datos;
    EXPECT_EQ(RegQueryValueExA(h, "N\xBA de pasadas", nullptr, nullptr, reinterpret_cast<BYTE*>(datos), &bytes),
              ERROR_SUCCESS);
    EXPECT_STREQ(datos, "1");
}

TEST(Registro, LosErroresNombranElValorOLaClave) {
    const ClavePrueba p;
    const ClaveRegistro clave = ClaveRegistro::Abrir(HKEY_CURRENT_USER, p.Ruta());
    PonerDword(HKEY_CURRENT_USER, p.Ruta(), L"Borrar", 1);
    PonerTexto(HKEY_CURRENT_USER, p.Ruta(), L"texto", L"1");
    const BYTE ocho[8] = {1};
    PonerValor(HKEY_CURRENT_USER, p.Ruta(), L"largo", REG_DWORD, ocho, sizeof ocho);
    EXPECT_EQ(ErrorDe([&] { clave.LeerTexto(L"Borrar"); }), L"Invalid data type for 'Borrar'");
    EXPECT_EQ(ErrorDe([&] { clave.LeerEntero(L"texto"); }), L"Invalid data type for 'texto'");
    EXPECT_EQ(ErrorDe([&] { clave.LeerEntero(L"Cambiar la fecha"); }), L"Failed to get data for 'Cambiar la fecha'");
    EXPECT_EQ(ErrorDe([&] { clave.LeerEntero(L"largo"); }), L"Failed to get data for 'largo'");

    // A key deleted while it is open takes no more values.
    RegDeleteTreeW(HKEY_CURRENT_USER, p.Ruta().c_str());
    EXPECT_EQ(ErrorDe([&] { clave.EscribirTexto(L"Usar Método nº2", L"0"); }), L"Failed to set data for 'Usar Método nº2'");
    EXPECT_EQ(ErrorDe([&] { clave.EscribirEntero(L"", 0); }), L"Failed to set data for ''");
}

TEST(Registro, AbrirNoCreaYCrearCreaElCaminoEntero) {
    const ClavePrueba p;
    const std::wstring camino = p.Ruta() + L"\\Trituradora\\Opciones";
    EXPECT_FALSE(ClaveRegistro::Abrir(HKEY_CURRENT_USER, camino));
    EXPECT_FALSE(ExisteClave(HKEY_CURRENT_USER, p.Ruta() + L"\\Trituradora"));
    EXPECT_TRUE(ClaveRegistro::Abrir(HKEY_CURRENT_USER, camino, Apertura::AbrirOCrear));
    EXPECT_TRUE(ExisteClave(HKEY_CURRENT_USER, camino));

    // A lasting key cannot be created below a volatile one.
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (p.Ruta() + L"\\volátil").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    const win::UniqueKey volatil(h);
    EXPECT_EQ(ErrorDe([&] { ClaveRegistro::Crear(volatil.get(), L"Opciones"); }), L"Failed to create key Opciones");
    EXPECT_FALSE(ClaveRegistro::Abrir(volatil.get(), L"Opciones", Apertura::AbrirOCrear));
}

namespace {
// What the standard error box showed, read and answered by a timer while it is up.
std::wstring g_titulo, g_mensaje;
void CALLBACK ResponderCajaDeError(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND caja = FindWindowW(L"#32770", ui::App().Title().c_str());
    if (!caja) return;
    KillTimer(nullptr, timer);
    wchar_t texto[256] = {};
    GetWindowTextW(caja, texto, 256);
    g_titulo = texto;
    GetDlgItemTextW(caja, 0xFFFF, texto, 256);
    g_mensaje = texto;
    EndDialog(caja, IDOK);
}
std::wstring CajaDeErrorDe(const std::function<void()>& paso) {
    g_titulo = g_mensaje = L"";
    SetTimer(nullptr, 0, 50, ResponderCajaDeError);
    paso();
    return g_titulo + L": " + g_mensaje;
}
}  // namespace

TEST(ErrorRegistro, LlegaALaCajaDeErroresYSoloDetieneSuPaso) {
    ui::Form form;
    ui::BitBtn boton{&form};
    int pasos = 0;
    boton.OnClick = [&] {
        ++pasos;
        throw ErrorRegistro::TipoDeDatos(L"Usar Método nº3");
    };
    EXPECT_EQ(CajaDeErrorDe([&] {
                  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(boton.Handle()), BN_CLICKED),
                               reinterpret_cast<LPARAM>(boton.Handle()));
              }),
              ui::App().Title() + L": Invalid data type for 'Usar Método nº3'");
    EXPECT_EQ(pasos, 1);

    form.OnCreate = [] { throw ErrorRegistro::CrearClave(L"Opciones"); };
    EXPECT_EQ(CajaDeErrorDe([&] { form.DoCreate(); }), ui::App().Title() + L": Failed to create key Opciones");
}

#include <gtest/gtest.h>

#include "RegistroPrueba.h"
#include "settings/ArchivoPaginacion.h"

using namespace prueba;

namespace {
const std::wstring kClave = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::wstring kValor = L"ClearPageFileAtShutdown";

// Runs on the prefix's real system key, with the value removed, and puts back what was there.
class ArchivoPaginacion : public testing::Test {
protected:
    void SetUp() override {
        original_ = LeerValor(HKEY_LOCAL_MACHINE, kClave, kValor);
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kClave.c_str(), kValor.c_str());
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kClave.c_str(), kValor.c_str());
        if (original_)
            PonerValor(HKEY_LOCAL_MACHINE, kClave, kValor, original_->tipo, original_->datos.data(),
                       static_cast<DWORD>(original_->datos.size()));
    }
    static std::optional<DWORD> Guardado() {
        const auto valor = LeerValor(HKEY_LOCAL_MACHINE, kClave, kValor);
        if (!valor || valor->tipo != REG_DWORD || valor->datos.size() != 4) return std::nullopt;
        return *reinterpret_cast<const DWORD*>(valor->datos.data());
    }

    std::optional<ValorCrudo> original_;
};
}  // namespace

TEST_F(ArchivoPaginacion, UnValorPresenteSeLeeYSeReescribeComoCeroOUno) {
    for (const DWORD guardado : {0u, 1u, 2u}) {
        PonerDword(HKEY_LOCAL_MACHINE, kClave, kValor, guardado);
        bool activado = guardado == 0;
        ASSERT_TRUE(LeerClearPageFile(activado)) << guardado;
        EXPECT_EQ(activado, guardado != 0);
        ASSERT_TRUE(EscribirClearPageFile(activado));
        EXPECT_EQ(Guardado(), activado ? 1u : 0u);
    }
}

TEST_F(ArchivoPaginacion, SinElValorLaLecturaFallaYLaEscrituraLoCrea) {
    bool activado = true;
    EXPECT_FALSE(LeerClearPageFile(activado));
    ASSERT_TRUE(EscribirClearPageFile(false));
    EXPECT_EQ(Guardado(), 0u);
    EXPECT_TRUE(LeerClearPageFile(activado));
    EXPECT_FALSE(activado);
}

TEST_F(ArchivoPaginacion, UnValorDeOtroTipoOMasLargoNoSeLee) {
    bool activado = false;
    PonerTexto(HKEY_LOCAL_MACHINE, kClave, kValor, L"1");
    EXPECT_FALSE(LeerClearPageFile(activado));
    const BYTE ocho[8] = {1};
    PonerValor(HKEY_LOCAL_MACHINE, kClave, kValor, REG_DWORD, ocho, sizeof ocho);
    EXPECT_FALSE(LeerClearPageFile(activado));
    PonerValor(HKEY_LOCAL_MACHINE, kClave, kValor, REG_BINARY, ocho, 4);
    EXPECT_FALSE(LeerClearPageFile(activado));
}

TEST(ArchivoPaginacionSinClave, UnaClaveQueNoSePuedeAbrirHaceFallarAmbas) {
    const ClavePrueba p;
    const std::wstring falta = p.Ruta() + L"\\Memory Management";
    bool activado = false;
    EXPECT_FALSE(LeerClearPageFile(HKEY_CURRENT_USER, falta, activado));
    EXPECT_FALSE(EscribirClearPageFile(HKEY_CURRENT_USER, falta, true));
    EXPECT_FALSE(ExisteClave(HKEY_CURRENT_USER, falta));  // only ever opened, never created
}

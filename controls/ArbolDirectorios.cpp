#include "controls/ArbolDirectorios.h"

#include <algorithm>
#include <vector>

#include "base/Existencia.h"
#include "base/Rutas.h"
#include "ui/Application.h"

using ui::TreeNode;

namespace {

// Blanks and control characters cut from both ends.
std::wstring Recortar(const std::wstring& texto) {
    size_t inicio = 0, fin = texto.size();
    while (inicio < fin && texto[inicio] <= L' ') ++inicio;
    while (fin > inicio && texto[fin - 1] <= L' ') --fin;
    return texto.substr(inicio, fin - inicio);
}

// The user's locale order, ignoring letter case.
int Comparar(const std::wstring& a, const std::wstring& b) {
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                           static_cast<int>(b.size()), nullptr, nullptr, 0);
}

// Sorted, and names that compare equal kept once.
void OrdenarSinRepetir(std::vector<std::wstring>& nombres) {
    std::stable_sort(nombres.begin(), nombres.end(),
                     [](const std::wstring& a, const std::wstring& b) { return Comparar(a, b) == CSTR_LESS_THAN; });
    nombres.erase(std::unique(nombres.begin(), nombres.end(),
                              [](const std::wstring& a, const std::wstring& b) { return Comparar(a, b) == CSTR_EQUAL; }),
                  nombres.end());
}

int ImagenDeUnidad(wchar_t letra, UINT tipo) {
    if (letra == L'A' || letra == L'B') return imgDisquete;
    if (letra == L'C') return imgDisco;
    switch (tipo) {
    case DRIVE_REMOVABLE: return imgExtraible;
    case DRIVE_FIXED: return imgDisco;
    default: return imgDiscoRAM;
    }
}

}  // namespace

TCustomArbolDirectorios::TCustomArbolDirectorios(ui::WinControl* parent) : ui::TreeView(parent) {}

void TCustomArbolDirectorios::SetMostrarPadre(bool valor) {
    if (valor == mostrarPadre_) return;
    mostrarPadre_ = valor;
    Refrescar();
}

bool TCustomArbolDirectorios::SetCarpetaRaiz(const std::wstring& valor) {
    std::wstring texto = Recortar(valor);
    if (texto == carpetaRaiz_) return true;
    if (texto != kMiPC && !texto.empty()) {
        texto = IncluirBarra(texto);
        if (!ExisteCarpeta(texto)) {
            ui::App().ShowError(kCarpetaNoExiste);
            return false;
        }
    }
    carpetaRaiz_ = texto;
    Refrescar();
    return true;
}

void TCustomArbolDirectorios::Refrescar() {
    if (carpetaRaiz_.empty()) return;
    UpdateGuard actualizando(*this);
    DeleteAll();
    raizDeLosNodos_ = carpetaRaiz_;
    padreDeLosNodos_ = mostrarPadre_;

    TreeNode arriba = nullptr;
    if (mostrarPadre_) {
        std::wstring etiqueta = carpetaRaiz_;
        if (etiqueta.size() > 3 && etiqueta.back() == L'\\') etiqueta.pop_back();
        arriba = AddNode(nullptr, etiqueta);
    }
    int imagen, imagenSeleccion;
    if (carpetaRaiz_ == kMiPC) {
        CargarUnidades(arriba);
        imagen = imagenSeleccion = imgEquipo;
    } else {
        CargarCarpeta(carpetaRaiz_, arriba);
        imagen = imgCarpeta;
        imagenSeleccion = imgCarpetaAbierta;
    }
    if (arriba) {
        SetNodeImages(arriba, imagen, imagenSeleccion);
        Expand(arriba);
    }
}

void TCustomArbolDirectorios::CargarCarpeta(const std::wstring& ruta, TreeNode padre) {
    std::vector<std::wstring> nombres;
    WIN32_FIND_DATAW datos;
    win::UniqueFind busqueda(FindFirstFileW(RutaApi(ruta + L"*.*").c_str(), &datos));
    if (!busqueda) return;
    do {
        if (datos.cFileName[0] != L'.') nombres.emplace_back(datos.cFileName);
    } while (FindNextFileW(busqueda.get(), &datos));
    OrdenarSinRepetir(nombres);

    for (const std::wstring& nombre : nombres) {
        TreeNode nodo = AddNode(padre, nombre);
        const bool esCarpeta = ExisteCarpeta(ruta + nombre);
        SetHasChildren(nodo, esCarpeta);
        if (esCarpeta)
            SetNodeImages(nodo, imgCarpeta, imgCarpetaAbierta);
        else
            SetNodeImages(nodo, imgDocumento, imgDocumentoMarcado);
    }
}

void TCustomArbolDirectorios::CargarUnidades(TreeNode padre) {
    const DWORD presentes = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(presentes & (1u << i))) continue;
        const wchar_t letra = static_cast<wchar_t>(L'A' + i);
        const std::wstring unidad{letra, L':'};
        const UINT tipo = GetDriveTypeW((unidad + L'\\').c_str());
        if (tipo == DRIVE_UNKNOWN || tipo == DRIVE_NO_ROOT_DIR || tipo == DRIVE_REMOTE || tipo == DRIVE_CDROM) continue;
        TreeNode nodo = AddNode(padre, unidad);
        SetHasChildren(nodo, true);
        PonerImagen(nodo, ImagenDeUnidad(letra, tipo));
    }
}

bool TCustomArbolDirectorios::EsNodoEquipo(TreeNode nodo) const {
    return nodo && padreDeLosNodos_ && raizDeLosNodos_ == kMiPC && !ParentOf(nodo);
}

std::wstring TCustomArbolDirectorios::RutaDeNodo(TreeNode nodo, wchar_t separador) const {
    std::wstring ruta;
    for (TreeNode n = nodo; n; n = ParentOf(n)) {
        if (EsNodoEquipo(n)) continue;
        std::wstring etiqueta = Text(n);
        if (!etiqueta.empty() && etiqueta.back() == separador) etiqueta.pop_back();
        ruta = etiqueta + separador + ruta;
    }
    if (!padreDeLosNodos_ && raizDeLosNodos_ != kMiPC) ruta = raizDeLosNodos_ + ruta;
    return ruta;
}

void TCustomArbolDirectorios::PonerImagen(TreeNode nodo, int indice) { SetNodeImages(nodo, indice, indice); }

std::wstring TCustomArbolDirectorios::CarpetaActual() const {
    if (Count() == 0) return {};
    const TreeNode seleccionado = Selected();
    if (EsNodoEquipo(seleccionado)) return {};
    std::wstring ruta = RutaDeNodo(seleccionado, L'\\');
    if (!ruta.empty()) ruta.pop_back();
    if (ExisteCarpeta(ruta)) ruta += L'\\';
    return ruta;
}

bool TCustomArbolDirectorios::CanExpand(TreeNode nodo) {
    const bool permitir = TreeView::CanExpand(nodo);
    if (permitir && HasChildren(nodo) && !FirstChild(nodo)) {
        const std::wstring ruta = RutaDeNodo(nodo, L'\\');
        UpdateGuard actualizando(*this);
        CargarCarpeta(ruta, nodo);
        SetHasChildren(nodo, FirstChild(nodo) != nullptr);
    }
    return permitir;
}

// The folder tree on a real folder tree made for each test, in a real window on the display.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/ArbolDirectorios.h"
#include "ui/Application.h"
#include "ui/Controls.h"

namespace fs = std::filesystem;
using ui::TreeNode;

namespace {

// A fresh folder in the temporary folder, removed with everything in it afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        ruta_ = fs::path(temp) / (L"arbol-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++contador_));
        fs::remove_all(ruta_);
        fs::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        for (auto& entrada : fs::recursive_directory_iterator(ruta_))
            SetFileAttributesW(entrada.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignorado;
        fs::remove_all(ruta_, ignorado);
    }
    // The folder's path with its trailing backslash.
    std::wstring Ruta() const { return ruta_.wstring() + L"\\"; }
    void Archivo(const std::wstring& nombre, DWORD atributos = 0) const {
        std::ofstream(ruta_ / nombre) << "contenido";
        if (atributos) SetFileAttributesW((ruta_ / nombre).c_str(), atributos);
    }
    void Carpeta(const std::wstring& nombre, DWORD atributos = 0) const {
        fs::create_directories(ruta_ / nombre);
        if (atributos) SetFileAttributesW((ruta_ / nombre).c_str(), atributos);
    }

private:
    fs::path ruta_;
    static inline int contador_ = 0;
};

// Catches the next message box of this thread: a timer running inside the box's own loop
// reads its title, text and icon and presses OK.
class CajaDeMensaje {
public:
    CajaDeMensaje() {
        activa_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &CajaDeMensaje::Mirar);
    }
    ~CajaDeMensaje() {
        KillTimer(nullptr, timer_);
        activa_ = nullptr;
    }
    int vistas = 0;
    std::wstring titulo, texto;
    bool iconoDeError = false;

private:
    static void CALLBACK Mirar(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &CajaDeMensaje::Probar, 0);
    }
    static BOOL CALLBACK Probar(HWND ventana, LPARAM) {
        wchar_t clase[32];
        GetClassNameW(ventana, clase, 32);
        if (std::wstring(clase) != L"#32770" || !IsWindowVisible(ventana) || !activa_) return TRUE;
        CajaDeMensaje& caja = *activa_;
        wchar_t buffer[1024];
        GetWindowTextW(ventana, buffer, 1024);
        caja.titulo = buffer;
        GetDlgItemTextW(ventana, 0xFFFF, buffer, 1024);
        caja.texto = buffer;
        const HICON error = LoadIconW(nullptr, IDI_ERROR);
        for (HWND hijo = GetWindow(ventana, GW_CHILD); hijo; hijo = GetWindow(hijo, GW_HWNDNEXT))
            if (reinterpret_cast<HICON>(SendMessageW(hijo, STM_GETICON, 0, 0)) == error) caja.iconoDeError = true;
        ++caja.vistas;
        PostMessageW(ventana, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static inline CajaDeMensaje* activa_ = nullptr;
    UINT_PTR timer_;
};

std::wstring SinBarra(std::wstring ruta) {
    ruta.pop_back();
    return ruta;
}

class ArbolDirectorios : public testing::Test {
protected:
    ArbolDirectorios() {
        form.Border(ui::BorderStyle::None).Bounds(40, 40);  // a bare popup: no frame to wait for on hiding
        form.ClientSize(600, 400);
        panel.Bounds(8, 8, 257, 353);
        destino.Bounds(300, 40, 289, 201);
        imagenes.Add(ui::Bitmap(L"ICOSWXP"));
        // Set up as the main window does.
        arbol.Named(L"ArbolDirectorios1").AlignClient();
        arbol.SetImages(&imagenes);
        arbol.OnChange = [](TreeNode) {};
        arbol.OnDeletion = [this](TreeNode) { ++borrados; };

        carpeta.Archivo(L"b.txt");
        carpeta.Carpeta(L"A");
        carpeta.Carpeta(L"c");
        carpeta.Carpeta(L".config");
        carpeta.Archivo(L".perfil");
        carpeta.Archivo(L"A\\nota.txt");
        carpeta.Archivo(L"A\\Zeta.txt");
        carpeta.Archivo(L"A\\oculto.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        carpeta.Carpeta(L"A\\Escondida", FILE_ATTRIBUTE_HIDDEN);
        carpeta.Carpeta(L"A\\Mi PC");
        carpeta.Archivo(L"A\\Mi PC\\carta.txt");
    }

    std::vector<std::wstring> Etiquetas(TreeNode padre) const {
        std::vector<std::wstring> etiquetas;
        for (TreeNode n = arbol.FirstChild(padre); n; n = arbol.NextSibling(n)) etiquetas.push_back(arbol.Text(n));
        return etiquetas;
    }
    TreeNode Hijo(TreeNode padre, const std::wstring& etiqueta) const {
        for (TreeNode n = arbol.FirstChild(padre); n; n = arbol.NextSibling(n))
            if (arbol.Text(n) == etiqueta) return n;
        return nullptr;
    }
    // Opens a node as the user does from the keyboard.
    void AbrirConTeclado(TreeNode nodo) {
        arbol.Select(nodo);
        SendMessageW(arbol.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    }

    CarpetaTemporal carpeta;
    ui::Form form;
    ui::Panel panel{&form};
    ui::Panel destino{&form};
    ui::ImageList imagenes{16, 16};
    TArbolDirectorios arbol{&panel};
    int borrados = 0;
};

const std::vector<std::wstring> kRaiz{L"A", L"b.txt", L"c"};

}  // namespace

TEST_F(ArbolDirectorios, AFolderRootListsItsEntriesSortedUnderOneTopNode) {
    EXPECT_EQ(imagenes.Count(), 11);
    EXPECT_EQ(arbol.Count(), 0) << "no nodes before a root is set";
    EXPECT_TRUE(arbol.MostrarPadre());
    EXPECT_EQ(arbol.CarpetaActual(), L"");
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode arriba = arbol.TopNode();
    ASSERT_NE(arriba, nullptr);
    EXPECT_EQ(arbol.NextSibling(arriba), nullptr);
    EXPECT_EQ(arbol.Text(arriba), SinBarra(carpeta.Ruta()));
    EXPECT_EQ(arbol.ImageIndex(arriba), imgCarpeta);
    EXPECT_EQ(arbol.SelectedIndex(arriba), imgCarpetaAbierta);
    EXPECT_TRUE(arbol.Expanded(arriba));

    // Mixed folders and files in the locale's order, names starting with "." left out.
    EXPECT_EQ(Etiquetas(arriba), kRaiz);
    for (const wchar_t* nombre : {L"A", L"c"}) {
        TreeNode n = Hijo(arriba, nombre);
        EXPECT_EQ(arbol.ImageIndex(n), imgCarpeta) << nombre;
        EXPECT_EQ(arbol.SelectedIndex(n), imgCarpetaAbierta) << nombre;
        EXPECT_TRUE(arbol.HasChildren(n)) << nombre;
        EXPECT_EQ(arbol.FirstChild(n), nullptr) << nombre << " is read only when opened";
    }
    TreeNode archivo = Hijo(arriba, L"b.txt");
    EXPECT_EQ(arbol.ImageIndex(archivo), imgDocumento);
    EXPECT_EQ(arbol.SelectedIndex(archivo), imgDocumentoMarcado);
    EXPECT_FALSE(arbol.HasChildren(archivo));
}

TEST_F(ArbolDirectorios, WithoutTheParentTheEntriesAreTheTopLevel) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    arbol.SetMostrarPadre(false);
    EXPECT_FALSE(arbol.MostrarPadre());
    EXPECT_EQ(Etiquetas(nullptr), kRaiz);
    EXPECT_EQ(arbol.Count(), 3);
}

TEST_F(ArbolDirectorios, OpeningAFolderReadsItOnceAndAnEmptyOneLosesItsButton) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode a = Hijo(arbol.TopNode(), L"A");
    AbrirConTeclado(a);
    EXPECT_TRUE(arbol.Expanded(a));
    // Hidden and system entries are listed; a folder called Mi PC is an ordinary folder.
    const std::vector<std::wstring> contenido{L"Escondida", L"Mi PC", L"nota.txt", L"oculto.sys", L"Zeta.txt"};
    EXPECT_EQ(Etiquetas(a), contenido);
    EXPECT_EQ(arbol.ImageIndex(Hijo(a, L"Escondida")), imgCarpeta);
    EXPECT_EQ(arbol.ImageIndex(Hijo(a, L"oculto.sys")), imgDocumento);

    // Once read, a folder is not read again until the tree is rebuilt.
    carpeta.Archivo(L"A\\nueva.txt");
    arbol.Collapse(a);
    arbol.Expand(a);
    EXPECT_EQ(Etiquetas(a), contenido);
    arbol.Refrescar();
    a = Hijo(arbol.TopNode(), L"A");
    EXPECT_FALSE(arbol.Expanded(a));
    arbol.Expand(a);
    EXPECT_EQ(arbol.ChildCount(a), 6);

    TreeNode c = Hijo(arbol.TopNode(), L"c");
    AbrirConTeclado(c);
    EXPECT_EQ(arbol.FirstChild(c), nullptr);
    EXPECT_FALSE(arbol.HasChildren(c));
}

TEST_F(ArbolDirectorios, AnExpandingHandlerThatRefusesKeepsTheFolderUnread) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode a = Hijo(arbol.TopNode(), L"A");
    int preguntas = 0;
    arbol.OnExpanding = [&](TreeNode, bool& permitir) { ++preguntas; permitir = false; };
    AbrirConTeclado(a);
    EXPECT_EQ(preguntas, 1);
    EXPECT_FALSE(arbol.Expanded(a));
    EXPECT_EQ(arbol.FirstChild(a), nullptr);
    EXPECT_TRUE(arbol.HasChildren(a));
}

TEST_F(ArbolDirectorios, CarpetaActualIsTheSelectedNodesPath) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    const std::wstring raiz = carpeta.Ruta();
    TreeNode arriba = arbol.TopNode();
    TreeNode a = Hijo(arriba, L"A");

    EXPECT_EQ(arbol.CarpetaActual(), L"") << "nothing selected";
    arbol.Select(arriba);
    EXPECT_EQ(arbol.CarpetaActual(), raiz);
    arbol.Select(a);
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"A\\");
    EXPECT_EQ(arbol.RutaDeNodo(a, L'/'), SinBarra(raiz) + L"/A/");
    arbol.Select(Hijo(arriba, L"b.txt"));
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"b.txt");
    arbol.Expand(a);
    TreeNode miPC = Hijo(a, L"Mi PC");
    arbol.Expand(miPC);
    arbol.Select(Hijo(miPC, L"carta.txt"));
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"A\\Mi PC\\carta.txt");

    // A folder that has gone from the disk reads without the backslash.
    arbol.Select(Hijo(arriba, L"c"));
    RemoveDirectoryW((raiz + L"c").c_str());
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"c");

    arbol.SetMostrarPadre(false);
    EXPECT_EQ(arbol.CarpetaActual(), raiz) << "nothing selected: the root itself";
    arbol.Select(Hijo(nullptr, L"A"));
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"A\\");
    arbol.Select(Hijo(nullptr, L"b.txt"));
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"b.txt");
}

TEST_F(ArbolDirectorios, SettingTheRootTrimsItAndEndsItWithOneBackslash) {
    const std::wstring raiz = carpeta.Ruta();
    ASSERT_TRUE(arbol.SetCarpetaRaiz(L"  \t" + SinBarra(raiz) + L"  \r\n"));
    EXPECT_EQ(arbol.CarpetaRaiz(), raiz);
    EXPECT_EQ(arbol.Text(arbol.TopNode()), SinBarra(raiz));

    ASSERT_TRUE(arbol.SetCarpetaRaiz(raiz + L"A\\"));
    EXPECT_EQ(arbol.CarpetaRaiz(), raiz + L"A\\");
    EXPECT_EQ(arbol.Text(arbol.TopNode()), raiz + L"A");

    // A drive root keeps its backslash in the top node's label.
    ASSERT_TRUE(arbol.SetCarpetaRaiz(L"C:\\"));
    EXPECT_EQ(arbol.CarpetaRaiz(), L"C:\\");
    EXPECT_EQ(arbol.Text(arbol.TopNode()), L"C:\\");
    TreeNode windows = Hijo(arbol.TopNode(), L"windows");
    ASSERT_NE(windows, nullptr);
    arbol.Select(windows);
    EXPECT_EQ(arbol.CarpetaActual(), L"C:\\windows\\");
}

TEST_F(ArbolDirectorios, AMissingFolderIsRefusedWithTheErrorBoxAndChangesNothing) {
    const std::wstring raiz = carpeta.Ruta();
    ASSERT_TRUE(arbol.SetCarpetaRaiz(raiz));
    TreeNode arriba = arbol.TopNode();
    const int nodos = arbol.Count();
    wchar_t anterior[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, anterior);
    SetCurrentDirectoryW(raiz.c_str());  // no "mi pc" folder here either

    for (const std::wstring& valor : {raiz + L"no existe", raiz + L"b.txt", std::wstring(L"mi pc")}) {
        CajaDeMensaje caja;
        EXPECT_FALSE(arbol.SetCarpetaRaiz(valor)) << valor;
        EXPECT_EQ(caja.vistas, 1) << valor;
        EXPECT_EQ(caja.texto, kCarpetaNoExiste);
        EXPECT_EQ(caja.titulo, ui::App().Title());
        EXPECT_TRUE(caja.iconoDeError);
        EXPECT_EQ(arbol.CarpetaRaiz(), raiz);
        EXPECT_EQ(arbol.TopNode(), arriba);
        EXPECT_EQ(arbol.Count(), nodos);
        EXPECT_EQ(borrados, 0);
    }
    SetCurrentDirectoryW(anterior);
}

TEST_F(ArbolDirectorios, WritingTheSameRootOrParentSwitchDoesNotRebuild) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode a = Hijo(arbol.TopNode(), L"A");
    arbol.Expand(a);
    borrados = 0;
    EXPECT_TRUE(arbol.SetCarpetaRaiz(L" " + carpeta.Ruta() + L" "));
    arbol.SetMostrarPadre(true);
    EXPECT_EQ(borrados, 0);
    EXPECT_TRUE(arbol.Expanded(a));
    EXPECT_EQ(arbol.ChildCount(a), 5);

    arbol.SetMostrarPadre(false);
    EXPECT_GT(borrados, 0);
    EXPECT_EQ(Etiquetas(nullptr), kRaiz);
}

TEST_F(ArbolDirectorios, AnEmptyRootLeavesTheNodesAndTheirPaths) {
    const std::wstring raiz = carpeta.Ruta();
    ASSERT_TRUE(arbol.SetCarpetaRaiz(raiz));
    arbol.SetMostrarPadre(false);
    borrados = 0;
    EXPECT_TRUE(arbol.SetCarpetaRaiz(L""));
    EXPECT_EQ(arbol.CarpetaRaiz(), L"");
    EXPECT_EQ(borrados, 0);
    EXPECT_EQ(Etiquetas(nullptr), kRaiz);
    // The nodes still stand for the folder they were read from, never for a relative path.
    arbol.Select(Hijo(nullptr, L"A"));
    EXPECT_EQ(arbol.CarpetaActual(), raiz + L"A\\");
    arbol.Refrescar();
    EXPECT_EQ(borrados, 0);
}

TEST_F(ArbolDirectorios, MiPCShowsTheLocalDrivesUnderTheComputerNode) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(L" Mi PC "));
    EXPECT_EQ(arbol.CarpetaRaiz(), kMiPC);
    TreeNode equipo = arbol.TopNode();
    EXPECT_EQ(arbol.NextSibling(equipo), nullptr);
    EXPECT_EQ(arbol.Text(equipo), L"Mi PC");
    EXPECT_EQ(arbol.ImageIndex(equipo), imgEquipo);
    EXPECT_EQ(arbol.SelectedIndex(equipo), imgEquipo);
    EXPECT_TRUE(arbol.Expanded(equipo));

    // The drives Wine offers: C: and Z:, both fixed disks.
    const std::vector<std::wstring> unidades{L"C:", L"Z:"};
    EXPECT_EQ(Etiquetas(equipo), unidades);
    for (TreeNode unidad = arbol.FirstChild(equipo); unidad; unidad = arbol.NextSibling(unidad)) {
        EXPECT_EQ(arbol.ImageIndex(unidad), imgDisco);
        EXPECT_EQ(arbol.SelectedIndex(unidad), imgDisco);
        EXPECT_TRUE(arbol.HasChildren(unidad));
        EXPECT_EQ(arbol.FirstChild(unidad), nullptr);
    }

    arbol.Select(equipo);
    EXPECT_EQ(arbol.CarpetaActual(), L"");
    TreeNode c = Hijo(equipo, L"C:");
    arbol.Select(c);
    EXPECT_EQ(arbol.CarpetaActual(), L"C:\\");
    EXPECT_EQ(arbol.RutaDeNodo(c, L'\\'), L"C:\\");
    AbrirConTeclado(c);
    TreeNode windows = Hijo(c, L"windows");
    ASSERT_NE(windows, nullptr);
    arbol.Select(windows);
    EXPECT_EQ(arbol.CarpetaActual(), L"C:\\windows\\");

    arbol.SetMostrarPadre(false);
    EXPECT_EQ(Etiquetas(nullptr), unidades);
    arbol.Select(Hijo(nullptr, L"Z:"));
    EXPECT_EQ(arbol.CarpetaActual(), L"Z:\\");
}

TEST_F(ArbolDirectorios, NodesHandTheirImagesToTheViewAsItDraws) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode archivo = Hijo(arbol.TopNode(), L"b.txt");
    int dibujado = -1;
    arbol.OnGetImageIndex = [&](TreeNode nodo, int& indice) {
        if (nodo == archivo) dibujado = indice;
    };
    form.Show();
    RedrawWindow(arbol.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(dibujado, imgDocumento);
    form.Hide();
}

namespace {

// The pointer as a person moves it: real input through the system's queue.
void Raton(DWORD accion, POINT pantalla) {
    INPUT entrada{};
    entrada.type = INPUT_MOUSE;
    entrada.mi.dx = MulDiv(pantalla.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    entrada.mi.dy = MulDiv(pantalla.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    entrada.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | accion;
    SendInput(1, &entrada, sizeof entrada);
}

void Esperar() {
    for (int i = 0; i < 10; ++i) {
        ui::App().ProcessMessages();
        Sleep(20);
    }
}

POINT CentroEnPantalla(HWND ventana, RECT r) {
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(ventana, &p);
    return p;
}

}  // namespace

class ArrastrarDelArbol : public ArbolDirectorios {
protected:
    ArrastrarDelArbol() {
        trituradora.AlignClient();
        trituradora.OnDragOver = [this](ui::Control& origen, int, int, bool& aceptar) {
            aceptar = origen.Name == L"ArbolDirectorios1" && !arbol.CarpetaActual().empty();
        };
        trituradora.OnDragDrop = [this](ui::Control& origen, int, int) {
            soltados.push_back(dynamic_cast<TArbolDirectorios&>(origen).CarpetaActual());
        };
        arbol.SetDragMode(ui::DragMode::Automatic);
        form.Show();
    }
    ~ArrastrarDelArbol() override { form.Hide(); }

    // Presses on the node, moves in small steps to the point and lets go there.
    void Arrastrar(TreeNode nodo, POINT hasta) {
        POINT desde = CentroEnPantalla(arbol.Handle(), arbol.NodeRect(nodo));
        Raton(0, desde);
        Raton(MOUSEEVENTF_LEFTDOWN, desde);
        for (int paso = 1; paso <= 8; ++paso)
            Raton(0, POINT{desde.x + (hasta.x - desde.x) * paso / 8, desde.y + (hasta.y - desde.y) * paso / 8});
        Raton(MOUSEEVENTF_LEFTUP, hasta);
        Esperar();
    }
    POINT SobreLaTrituradora() const {
        RECT r{0, 0, trituradora.Width(), trituradora.Height()};
        OffsetRect(&r, trituradora.Left(), trituradora.Top());
        return CentroEnPantalla(destino.Handle(), r);
    }

    ui::PaintBox trituradora{&destino};  // a picture inside a panel, like the shredder
    std::vector<std::wstring> soltados;
};

TEST_F(ArrastrarDelArbol, DraggingANodeSelectsItAndDropsItsPath) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(carpeta.Ruta()));
    TreeNode archivo = Hijo(arbol.TopNode(), L"b.txt");
    TreeNode a = Hijo(arbol.TopNode(), L"A");
    arbol.Select(a);

    Arrastrar(archivo, SobreLaTrituradora());
    EXPECT_EQ(arbol.Selected(), archivo);
    EXPECT_TRUE(arbol.Focused());
    EXPECT_EQ(soltados, std::vector<std::wstring>{carpeta.Ruta() + L"b.txt"});
    EXPECT_EQ(GetCapture(), nullptr);

    // A press without movement is an ordinary click.
    POINT sobreA = CentroEnPantalla(arbol.Handle(), arbol.NodeRect(a));
    Arrastrar(a, sobreA);
    EXPECT_EQ(arbol.Selected(), a);
    EXPECT_EQ(soltados.size(), 1u);

    // Let go over a control that takes nothing: no drop.
    Arrastrar(a, CentroEnPantalla(panel.Handle(), RECT{0, 340, 0, 340}));
    EXPECT_EQ(soltados.size(), 1u);
    Arrastrar(a, SobreLaTrituradora());
    EXPECT_EQ(soltados.back(), carpeta.Ruta() + L"A\\");

    // Without the automatic mode pressing and moving drags nothing.
    arbol.SetDragMode(ui::DragMode::Manual);
    Arrastrar(archivo, SobreLaTrituradora());
    EXPECT_EQ(soltados.size(), 2u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ArrastrarDelArbol, TheComputerNodeIsRefusedAndADriveIsTaken) {
    ASSERT_TRUE(arbol.SetCarpetaRaiz(kMiPC));
    Arrastrar(arbol.TopNode(), SobreLaTrituradora());
    EXPECT_EQ(arbol.Selected(), arbol.TopNode());
    EXPECT_TRUE(soltados.empty());
    Arrastrar(Hijo(arbol.TopNode(), L"C:"), SobreLaTrituradora());
    EXPECT_EQ(soltados, std::vector<std::wstring>{L"C:\\"});
}

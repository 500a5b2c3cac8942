#pragma once
// The folder tree: the computer's drives ("Mi PC") or one folder, with their folders and
// files, read as the user opens nodes. A node holds only what the tree view holds (label,
// images, expand button); the path a node stands for is made from its label and the labels
// of its parents, so labels stay exactly as the tree set them and cannot be edited.
#include <string>

#include "ui/TreeView.h"

// The root that shows the computer's drives.
inline constexpr wchar_t kMiPC[] = L"Mi PC";
// Shown when the root is set to a folder that does not exist.
inline constexpr wchar_t kCarpetaNoExiste[] =
    L"La carpeta indicada no existe. Puedes utilizar cualquier ruta de carpeta válida, o bien el valor \"Mi PC\".";

// The node images, in the order of the image list the tree is given.
enum ImagenArbol : int {
    imgEquipo = 0,
    imgDisquete = 1,
    imgExtraible = 2,
    imgDisco = 3,
    imgRed = 4,
    imgCDROM = 5,
    imgDiscoRAM = 6,
    imgCarpeta = 7,
    imgCarpetaAbierta = 8,
    imgDocumento = 9,
    imgDocumentoMarcado = 10,
};

class TCustomArbolDirectorios : public ui::TreeView {
public:
    // Builds no nodes; the parent switch is on and the root is empty.
    explicit TCustomArbolDirectorios(ui::WinControl* parent);

    // Whether the root itself is shown as the one top node. Changing it rebuilds.
    bool MostrarPadre() const { return mostrarPadre_; }
    void SetMostrarPadre(bool valor);
    // "Mi PC", a folder path ending in a backslash, or empty.
    const std::wstring& CarpetaRaiz() const { return carpetaRaiz_; }
    // Sets the root and rebuilds. A folder that does not exist is refused with the error
    // box, and the root and the nodes stay as they were; the answer is then false.
    bool SetCarpetaRaiz(const std::wstring& valor);
    // The full path of the selected node: folders and drives end in a backslash, files do
    // not; empty for the computer node and for a tree without nodes.
    std::wstring CarpetaActual() const;

    // Rebuilds the whole tree from the root: every folder closed and unread again.
    void Refrescar();
    // Adds one node per entry of a folder (path ending in a backslash) under padre.
    void CargarCarpeta(const std::wstring& ruta, ui::TreeNode padre);
    // Adds one node per local drive under padre; network and CD-ROM drives are left out.
    void CargarUnidades(ui::TreeNode padre);
    // The node's path made from labels, ending in separador.
    std::wstring RutaDeNodo(ui::TreeNode nodo, wchar_t separador) const;
    void PonerImagen(ui::TreeNode nodo, int indice);

protected:
    // Reads a folder or drive the first time it is opened.
    bool CanExpand(ui::TreeNode nodo) override;

private:
    bool EsNodoEquipo(ui::TreeNode nodo) const;

    bool mostrarPadre_ = true;
    std::wstring carpetaRaiz_;
    // The root and parent switch the present nodes were built from. Paths are made with
    // these, so they stay right even when an empty root leaves old nodes in place.
    std::wstring raizDeLosNodos_;
    bool padreDeLosNodos_ = true;
};

// The folder tree as the windows use it.
class TArbolDirectorios : public ui::Fluent<TArbolDirectorios, TCustomArbolDirectorios> {
public:
    using Fluent::Fluent;

    using TreeView::GetBorderStyle;
    using TreeView::SetBorderStyle;
    using TreeView::HideSelection;
    using TreeView::SetHideSelection;
    using TreeView::Indent;
    using TreeView::SetIndent;
    using TreeView::GetDragMode;
    using TreeView::SetDragMode;

    using TreeView::OnChange;
    using TreeView::OnChanging;
    using TreeView::OnCollapsed;
    using TreeView::OnCollapsing;
    using TreeView::OnDeletion;
    using TreeView::OnEditing;
    using TreeView::OnEdited;
    using TreeView::OnExpanding;
    using TreeView::OnExpanded;
    using TreeView::OnGetImageIndex;
    using TreeView::OnGetSelectedIndex;
};

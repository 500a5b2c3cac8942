#include "ui/TreeView.h"

#include <cstdint>
#include <vector>

namespace ui {

namespace {
// A node's two image indexes, kept in its item data.
LPARAM PackImages(int image, int selectedImage) {
    return static_cast<LPARAM>(static_cast<uint16_t>(image) | (static_cast<uint32_t>(static_cast<uint16_t>(selectedImage)) << 16));
}
int UnpackImage(LPARAM data) { return static_cast<int16_t>(data & 0xFFFF); }
int UnpackSelectedImage(LPARAM data) { return static_cast<int16_t>((data >> 16) & 0xFFFF); }

TVITEMW ItemOf(HWND view, TreeNode node, UINT mask) {
    TVITEMW item{};
    item.mask = mask | TVIF_HANDLE;
    item.hItem = node;
    if (node) SendMessageW(view, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}
}  // namespace

TreeView::TreeView(WinControl* parent) : WinControl(parent) {
    CreateHandle(WC_TREEVIEWW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                 WS_EX_CLIENTEDGE);
}

// ---- reading the nodes ------------------------------------------------------------------

int TreeView::Count() const { return static_cast<int>(SendMessageW(Handle(), TVM_GETCOUNT, 0, 0)); }

TreeNode TreeView::ParentOf(TreeNode node) const {
    return node ? TreeView_GetParent(Handle(), node) : nullptr;
}

TreeNode TreeView::FirstChild(TreeNode node) const {
    return node ? TreeView_GetChild(Handle(), node) : TreeView_GetRoot(Handle());
}

TreeNode TreeView::NextSibling(TreeNode node) const {
    return node ? TreeView_GetNextSibling(Handle(), node) : nullptr;
}

int TreeView::ChildCount(TreeNode node) const {
    int n = 0;
    for (TreeNode child = FirstChild(node); child; child = NextSibling(child)) ++n;
    return n;
}

std::wstring TreeView::Text(TreeNode node) const {
    if (!node) return {};
    for (size_t capacity = 512;; capacity *= 4) {
        std::vector<wchar_t> buffer(capacity);
        TVITEMW item{};
        item.mask = TVIF_HANDLE | TVIF_TEXT;
        item.hItem = node;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(capacity);
        if (!SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
        std::wstring text(item.pszText);
        if (text.size() + 1 < capacity || capacity > 65536) return text;  // otherwise it may have been cut
    }
}

int TreeView::ImageIndex(TreeNode node) const { return UnpackImage(ItemOf(Handle(), node, TVIF_PARAM).lParam); }

int TreeView::SelectedIndex(TreeNode node) const {
    return UnpackSelectedImage(ItemOf(Handle(), node, TVIF_PARAM).lParam);
}

bool TreeView::HasChildren(TreeNode node) const { return ItemOf(Handle(), node, TVIF_CHILDREN).cChildren != 0; }

bool TreeView::Expanded(TreeNode node) const {
    return node && (TreeView_GetItemState(Handle(), node, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TreeNode TreeView::Selected() const { return TreeView_GetSelection(Handle()); }

TreeNode TreeView::NodeAt(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    TreeNode node = TreeView_HitTest(Handle(), &hit);
    return (hit.flags & TVHT_ONITEM) ? node : nullptr;
}

RECT TreeView::NodeRect(TreeNode node) const {
    RECT r{};
    if (node && !TreeView_GetItemRect(Handle(), node, &r, TRUE)) r = RECT{};
    return r;
}

// ---- acting on the nodes ----------------------------------------------------------------

void TreeView::Select(TreeNode node) { TreeView_SelectItem(Handle(), node); }

void TreeView::Expand(TreeNode node) {
    if (!node || Expanded(node) || !CanExpand(node)) return;
    checkedByExpand_ = node;
    TreeView_Expand(Handle(), node, TVE_EXPAND);
    checkedByExpand_ = nullptr;
}

void TreeView::Collapse(TreeNode node) {
    if (!node || !Expanded(node) || !CanCollapse(node)) return;
    checkedByExpand_ = node;
    TreeView_Expand(Handle(), node, TVE_COLLAPSE);
    checkedByExpand_ = nullptr;
}

void TreeView::SetImages(const ImageList* images) {
    images_ = images;
    TreeView_SetImageList(Handle(), images ? images->Handle() : nullptr, TVSIL_NORMAL);
}

void TreeView::BeginUpdate() {
    if (updating_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TreeView::EndUpdate() {
    if (updating_ == 0 || --updating_ > 0) return;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

// ---- changing the nodes -----------------------------------------------------------------

TreeNode TreeView::AddNode(TreeNode parent, const std::wstring& text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.lParam = PackImages(-1, -1);
    return reinterpret_cast<TreeNode>(SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TreeView::DeleteAll() { TreeView_DeleteAllItems(Handle()); }

void TreeView::SetNodeImages(TreeNode node, int image, int selectedImage) {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;  // the images too, so the view redraws
    item.hItem = node;
    item.iImage = I_IMAGECALLBACK;
    item.iSelectedImage = I_IMAGECALLBACK;
    item.lParam = PackImages(image, selectedImage);
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeView::SetHasChildren(TreeNode node, bool hasChildren) {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_CHILDREN;
    item.hItem = node;
    item.cChildren = hasChildren ? 1 : 0;
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// ---- appearance -------------------------------------------------------------------------

void TreeView::SetStyleBit(DWORD bit, bool on) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    style = on ? (style | bit) : (style & ~bit);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TreeView::HideSelection() const { return !(GetWindowLongPtrW(Handle(), GWL_STYLE) & TVS_SHOWSELALWAYS); }

void TreeView::SetHideSelection(bool hide) { SetStyleBit(TVS_SHOWSELALWAYS, !hide); }

int TreeView::Indent() const { return static_cast<int>(TreeView_GetIndent(Handle())); }

void TreeView::SetIndent(int pixels) { TreeView_SetIndent(Handle(), pixels); }

BorderStyle TreeView::GetBorderStyle() const {
    return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? BorderStyle::Single : BorderStyle::None;
}

void TreeView::SetBorderStyle(ui::BorderStyle style) {
    DWORD ex = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    ex = style == BorderStyle::None ? (ex & ~WS_EX_CLIENTEDGE) : (ex | WS_EX_CLIENTEDGE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// ---- notifications ----------------------------------------------------------------------

bool TreeView::CanExpand(TreeNode node) {
    bool allow = true;
    if (OnExpanding) OnExpanding(node, allow);
    return allow;
}

bool TreeView::CanCollapse(TreeNode node) {
    bool allow = true;
    if (OnCollapsing) OnCollapsing(node, allow);
    return allow;
}

void TreeView::GiveDisplayInfo(NMTVDISPINFOW& info) {
    TreeNode node = info.item.hItem;
    if (info.item.mask & TVIF_IMAGE) {
        int index = UnpackImage(info.item.lParam);
        if (OnGetImageIndex) OnGetImageIndex(node, index);
        info.item.iImage = index;
    }
    if (info.item.mask & TVIF_SELECTEDIMAGE) {
        int index = UnpackSelectedImage(info.item.lParam);
        if (OnGetSelectedIndex) OnGetSelectedIndex(node, index);
        info.item.iSelectedImage = index;
    }
}

void TreeView::BeginAutoDrag(TreeNode node) {
    SetFocus();
    Select(node);
    TrackDrag(*this);
}

LRESULT TreeView::Notify(NMHDR& header) {
    auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
    auto& display = reinterpret_cast<NMTVDISPINFOW&>(header);
    const bool expanding = (change.action & (TVE_EXPAND | TVE_COLLAPSE)) == TVE_EXPAND;
    bool allow = true;
    switch (header.code) {
    case TVN_GETDISPINFOW:
        GiveDisplayInfo(display);
        return 0;
    case TVN_SELCHANGINGW:
        if (OnChanging) OnChanging(change.itemNew.hItem, allow);
        return allow ? FALSE : TRUE;
    case TVN_SELCHANGEDW:
        if (OnChange) OnChange(change.itemNew.hItem);
        return 0;
    case TVN_ITEMEXPANDINGW:
        if (change.itemNew.hItem == checkedByExpand_) return FALSE;
        allow = expanding ? CanExpand(change.itemNew.hItem) : CanCollapse(change.itemNew.hItem);
        return allow ? FALSE : TRUE;
    case TVN_ITEMEXPANDEDW:
        if (expanding && OnExpanded) OnExpanded(change.itemNew.hItem);
        if (!expanding && OnCollapsed) OnCollapsed(change.itemNew.hItem);
        return 0;
    case TVN_DELETEITEMW:
        if (OnDeletion) OnDeletion(change.itemOld.hItem);
        return 0;
    case TVN_BEGINLABELEDITW:
        if (OnEditing) OnEditing(display.item.hItem, allow);
        return allow ? FALSE : TRUE;
    case TVN_ENDLABELEDITW: {
        if (!display.item.pszText) return FALSE;  // editing was cancelled
        std::wstring text = display.item.pszText;
        if (OnEdited) OnEdited(display.item.hItem, text);
        TVITEMW item{};
        item.mask = TVIF_HANDLE | TVIF_TEXT;
        item.hItem = display.item.hItem;
        item.pszText = text.data();
        SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return FALSE;  // the label is set above, as the handler left it
    }
    case TVN_BEGINDRAGW:
        if (dragMode_ == ui::DragMode::Automatic) BeginAutoDrag(change.itemNew.hItem);
        return 0;
    default:
        return 0;
    }
}

}  // namespace ui

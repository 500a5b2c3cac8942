#pragma once
// The common-controls tree view. A node is the view's own item handle; what a node holds
// is what the view holds: its label, its image and selected image, and whether it shows an
// expand button. The view asks for a node's images as it draws it (OnGetImageIndex and
// OnGetSelectedIndex may change them then); the two indexes live in the item's data.
//
// Changing nodes, the appearance and the notifications are protected: a control built on
// the view publishes what its users may touch.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/Drag.h"
#include "ui/Form.h"
#include "ui/ImageList.h"

namespace ui {

using TreeNode = HTREEITEM;
using TreeNodeEvent = std::function<void(TreeNode node)>;
using TreeNodeAllowEvent = std::function<void(TreeNode node, bool& allow)>;
using TreeNodeEditedEvent = std::function<void(TreeNode node, std::wstring& text)>;
using TreeNodeImageEvent = std::function<void(TreeNode node, int& index)>;

class TreeView : public WinControl {
public:
    explicit TreeView(WinControl* parent);

    // Reading the nodes. A null node stands for the level above the top nodes.
    int Count() const;
    TreeNode TopNode() const { return FirstChild(nullptr); }
    TreeNode ParentOf(TreeNode node) const;
    TreeNode FirstChild(TreeNode node) const;
    TreeNode NextSibling(TreeNode node) const;
    int ChildCount(TreeNode node) const;
    std::wstring Text(TreeNode node) const;
    int ImageIndex(TreeNode node) const;
    int SelectedIndex(TreeNode node) const;
    bool HasChildren(TreeNode node) const;
    bool Expanded(TreeNode node) const;
    TreeNode Selected() const;
    // The node whose label or image lies at a point of the client area, or null.
    TreeNode NodeAt(POINT client) const;
    // The rectangle of a node's label in client coordinates (empty when scrolled away).
    RECT NodeRect(TreeNode node) const;

    // Acting on the nodes as the user can.
    void Select(TreeNode node);
    // Opens or closes a node one level, after the same check as the user's action.
    void Expand(TreeNode node);
    void Collapse(TreeNode node);

    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* images);

    // Redrawing waits until the matching EndUpdate; pairs may nest.
    void BeginUpdate();
    void EndUpdate();
    class UpdateGuard {
    public:
        explicit UpdateGuard(TreeView& view) : view_(view) { view_.BeginUpdate(); }
        ~UpdateGuard() { view_.EndUpdate(); }
        UpdateGuard(const UpdateGuard&) = delete;
        UpdateGuard& operator=(const UpdateGuard&) = delete;

    private:
        TreeView& view_;
    };

    LRESULT Notify(NMHDR& header) override;

protected:
    // Adds a node at the end of parent's children (the top level for null), with no images.
    TreeNode AddNode(TreeNode parent, const std::wstring& text);
    void DeleteAll();
    void SetNodeImages(TreeNode node, int image, int selectedImage);
    void SetHasChildren(TreeNode node, bool hasChildren);

    // Appearance: the selection is hidden while the view has no focus; the indent of a
    // level in pixels; a sunken border or none.
    bool HideSelection() const;
    void SetHideSelection(bool hide);
    int Indent() const;
    void SetIndent(int pixels);
    ui::BorderStyle GetBorderStyle() const;
    void SetBorderStyle(ui::BorderStyle style);
    // Automatic: pressing on a node and moving far enough focuses and selects the node and
    // drags it (ui/Drag.h), with the view as the source.
    ui::DragMode GetDragMode() const { return dragMode_; }
    void SetDragMode(ui::DragMode mode) { dragMode_ = mode; }

    // The checks before a node opens or closes, by the user or by Expand and Collapse:
    // OnExpanding and OnCollapsing are asked; without them the answer is yes.
    virtual bool CanExpand(TreeNode node);
    virtual bool CanCollapse(TreeNode node);

    TreeNodeEvent OnChange;             // the selection moved to the node
    TreeNodeAllowEvent OnChanging;      // the selection is about to move to the node
    TreeNodeEvent OnCollapsed;
    TreeNodeAllowEvent OnCollapsing;
    TreeNodeEvent OnDeletion;           // the node is being deleted
    TreeNodeAllowEvent OnEditing;       // the node's label is about to be edited
    TreeNodeEditedEvent OnEdited;       // the edited label, which the handler may change
    TreeNodeAllowEvent OnExpanding;
    TreeNodeEvent OnExpanded;
    TreeNodeImageEvent OnGetImageIndex;     // the image about to be drawn for the node
    TreeNodeImageEvent OnGetSelectedIndex;  // the same, for a selected node

private:
    void SetStyleBit(DWORD bit, bool on);
    void GiveDisplayInfo(NMTVDISPINFOW& info);
    void BeginAutoDrag(TreeNode node);

    const ImageList* images_ = nullptr;
    int updating_ = 0;
    ui::DragMode dragMode_ = ui::DragMode::Manual;
    TreeNode checkedByExpand_ = nullptr;  // the node whose opening Expand has already checked
};

}  // namespace ui

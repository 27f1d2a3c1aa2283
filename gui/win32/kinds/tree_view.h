// The Win32 tree view: a hierarchy of nodes in a tree control, each node a gadget of its own.
#pragma once

#include "gui/win32/native/common.h"
// The tree control's messages need the base platform header first.
#include <commctrl.h>

class Win32TreeView;

// One item of the tree control. Events name a node by `id`, a 32-bit number that maps back to
// the node while it lives and to nothing afterwards (a pointer would not fit an event's data in
// the 64-bit build). The item's parameter holds the same number.
class Win32TreeViewNode : public VellTreeViewNode {
 public:
  // Takes a fresh id and joins `parent`'s children at `position`.
  Win32TreeViewNode(Win32TreeView* view, HTREEITEM item, VellTreeViewNode* parent, size_t position);
  // Deletes the item (through the tree view, while there is one), leaves the parent and gives the
  // id up.
  ~Win32TreeViewNode() override;

  HTREEITEM item = nullptr;  // none once the control is gone
  int32_t id = 0;
};

// The node an id names, or none for 0, a node already gone or a number never handed out.
Win32TreeViewNode* TreeNodeFromId(int32_t id);

class Win32TreeView : public Win32Simple<VellTreeView> {
 public:
  Win32TreeView(VellGroup* group, int32_t style);
  ~Win32TreeView() override;

  void SetTextColor(int32_t r, int32_t g, int32_t b) override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  void SetIconStrip(VellIconStrip* strip) override;
  VellTreeViewNode* RootNode() override { return root; }
  VellTreeViewNode* NodeFromId(int32_t id) override { return TreeNodeFromId(id); }
  VellTreeViewNode* InsertNode(VellTreeViewNode* parent, int32_t index, const std::u16string& text,
                               int32_t icon) override;
  void ModifyNode(VellTreeViewNode* node, const std::u16string& text, int32_t icon) override;
  VellTreeViewNode* SelectedNode() override { return selected; }
  void ActivateNode(VellTreeViewNode* node, int32_t command) override;
  void RemoveNode(VellTreeViewNode* node) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  Win32TreeViewNode* root = nullptr;  // stands for TVI_ROOT, owned by the tree view
  Win32TreeViewNode* selected = nullptr;

 private:
  // The node of an item in a notification: the root for TVI_ROOT, else the node its parameter
  // names (none for an item of no live node of this tree).
  Win32TreeViewNode* NodeOf(HTREEITEM item, LPARAM param);
  LRESULT Notify(const NMHDR* header);
};

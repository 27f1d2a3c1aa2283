// Tree views and their nodes: insertion, selection, expansion, freeing and the control's
// notifications, and the gadget operations of tree views and nodes.
#include "gui/win32/kinds/tree_view.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <unordered_map>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/icon_strip.h"
#include "gui/win32/native/keyboard.h"
#include "runtime/scoped_value.h"
#include "runtime/text.h"

namespace {

// Live nodes by id. Ids are not reused while the counter has fresh ones, so an event that names
// a node already freed finds nothing instead of a newer node.
std::unordered_map<int32_t, Win32TreeViewNode*>& liveNodes =
    *new std::unordered_map<int32_t, Win32TreeViewNode*>();
int32_t lastId = 0;

int32_t NewNodeId(Win32TreeViewNode* node) {
  do {
    lastId = lastId == INT32_MAX ? 1 : lastId + 1;
  } while (liveNodes.count(lastId));
  liveNodes[lastId] = node;
  return lastId;
}

// Items below a deleted item go with it; nodes still standing for them must not touch them.
void ForgetItems(VellTreeViewNode* node) {
  for (VellTreeViewNode* k : node->kids) {
    static_cast<Win32TreeViewNode*>(k)->item = nullptr;
    ForgetItems(k);
  }
}

// The tree control is going: every node left loses its view and item.
void Orphan(VellTreeViewNode* node) {
  node->tree = nullptr;
  static_cast<Win32TreeViewNode*>(node)->item = nullptr;
  for (VellTreeViewNode* k : node->kids) Orphan(k);
}

// True when `node` is `branch` or lies below it.
bool InBranch(const VellTreeViewNode* node, const VellTreeViewNode* branch) {
  for (; node; node = node->parent) {
    if (node == branch) return true;
  }
  return false;
}

// The tree view the program is changing right now: the control reports the program's selections
// and expansions as it reports the user's, and only the user's are the program's news.
const Win32TreeView* programChanging = nullptr;

constexpr DWORD TreeStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                            TVS_LINESATROOT | TVS_SHOWSELALWAYS;

}  // namespace

Win32TreeViewNode* TreeNodeFromId(int32_t id) {
  auto it = liveNodes.find(id);
  return it == liveNodes.end() ? nullptr : it->second;
}

Win32TreeViewNode::Win32TreeViewNode(Win32TreeView* view, HTREEITEM i, VellTreeViewNode* p, size_t position)
    : item(i), id(NewNodeId(this)) {
  tree = view;
  parent = p;
  if (p)
    p->kids.insert(p->kids.begin() + static_cast<std::ptrdiff_t>(std::min(position, p->kids.size())), this);
}

Win32TreeViewNode::~Win32TreeViewNode() {
  if (tree) tree->RemoveNode(this);
  if (parent) {
    auto& siblings = parent->kids;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (VellTreeViewNode* k : kids) k->parent = nullptr;
  liveNodes.erase(id);
}

Win32TreeView::Win32TreeView(VellGroup* g, int32_t s) : Win32Simple<VellTreeView>(g, s) {
  HWND h = CreateNativeWindow(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", TreeStyle, g);
  AttachHwnd(self, h, this, this);
  root = new Win32TreeViewNode(this, TVI_ROOT, nullptr, 0);
}

Win32TreeView::~Win32TreeView() {
  Orphan(root);
  for (VellTreeViewNode* k : root->kids) k->parent = nullptr;
  root->kids.clear();
  root->Release();
}

void Win32TreeView::SetTextColor(int32_t r, int32_t g, int32_t b) {
  SendMessageW(self.hwnd, TVM_SETTEXTCOLOR, 0, RGB(r, g, b));
}

void Win32TreeView::SetColor(int32_t r, int32_t g, int32_t b) {
  SendMessageW(self.hwnd, TVM_SETBKCOLOR, 0, RGB(r, g, b));
}

void Win32TreeView::SetIconStrip(VellIconStrip* strip) {
  // The control lets go of the old list before the old strip (and its list) may be destroyed.
  SendMessageW(self.hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(ImageListOf(strip, self.hwnd)));
  VellTreeView::SetIconStrip(strip);
}

VellTreeViewNode* Win32TreeView::InsertNode(VellTreeViewNode* parent, int32_t index,
                                            const std::u16string& text, int32_t icon) {
  auto* p = static_cast<Win32TreeViewNode*>(parent);
  if (!p || p->tree != this || !p->item) return nullptr;
  // The children list keeps the control's order, so the item to insert after is at hand without
  // walking the control's siblings.
  size_t count = p->kids.size();
  HTREEITEM after = TVI_LAST;
  size_t position = count;
  if (index == 0) {
    after = TVI_FIRST;
    position = 0;
  } else if (index > 0 && static_cast<size_t>(index) < count) {
    after = static_cast<Win32TreeViewNode*>(p->kids[static_cast<size_t>(index) - 1])->item;
    position = static_cast<size_t>(index);
  }
  std::u16string copy = text;
  TVINSERTSTRUCTW ins{};
  ins.hParent = p->item;
  ins.hInsertAfter = after;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = Wide(copy);
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(self.hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  if (!item) return nullptr;
  auto* node = new Win32TreeViewNode(this, item, p, position);
  TVITEMW tv{};
  tv.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = item;
  tv.lParam = node->id;
  tv.iImage = tv.iSelectedImage = icon & 0x7FFF;
  SendMessageW(self.hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return node;
}

void Win32TreeView::ModifyNode(VellTreeViewNode* node, const std::u16string& text, int32_t icon) {
  auto* n = static_cast<Win32TreeViewNode*>(node);
  if (!n || n->tree != this || !n->item || n == root) return;
  std::u16string copy = text;
  TVITEMW tv{};
  tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = n->item;
  tv.pszText = Wide(copy);
  tv.iImage = tv.iSelectedImage = icon & 0x7FFF;
  SendMessageW(self.hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

void Win32TreeView::ActivateNode(VellTreeViewNode* node, int32_t command) {
  auto* n = static_cast<Win32TreeViewNode*>(node);
  if (!n || n->tree != this || !n->item || n == root) return;
  auto item = reinterpret_cast<LPARAM>(n->item);
  ScopedValue<const Win32TreeView*> quiet(programChanging, this);
  switch (command) {
    case ActivateCommand::Select:
      SendMessageW(self.hwnd, TVM_SELECTITEM, TVGN_CARET, item);
      break;
    case ActivateCommand::Expand:
      SendMessageW(self.hwnd, TVM_EXPAND, TVE_EXPAND, item);
      break;
    case ActivateCommand::Collapse:
      SendMessageW(self.hwnd, TVM_EXPAND, TVE_COLLAPSE, item);
      break;
  }
}

void Win32TreeView::RemoveNode(VellTreeViewNode* node) {
  auto* n = static_cast<Win32TreeViewNode*>(node);
  if (!n || n->tree != this || n == root) return;
  ScopedValue<const Win32TreeView*> quiet(programChanging, this);
  // Deleting the selected item (or a branch holding it) would make the control select a
  // neighbour; the node leaves no selection behind instead. Any other node leaves it alone.
  if (InBranch(selected, n)) {
    SendMessageW(self.hwnd, TVM_SELECTITEM, TVGN_CARET, 0);
    selected = nullptr;
  }
  // No item must never reach the control: deleting "no item" deletes every item.
  if (n->item) {
    ForgetItems(n);
    SendMessageW(self.hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(n->item));
    n->item = nullptr;
  }
  n->tree = nullptr;
}

Win32TreeViewNode* Win32TreeView::NodeOf(HTREEITEM item, LPARAM param) {
  if (item == TVI_ROOT) return root;
  if (!item) return nullptr;
  Win32TreeViewNode* n = TreeNodeFromId(static_cast<int32_t>(param));
  return n && n->tree == this && n->item == item ? n : nullptr;
}

LRESULT Win32TreeView::Notify(const NMHDR* header) {
  // The parent window is wide, but the control may still speak narrow; the fields read are alike.
  switch (header->code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {  // the selection moved; reported when the user moved it
      auto* nm = reinterpret_cast<const NMTREEVIEWW*>(header);
      selected = NodeOf(nm->itemNew.hItem, nm->itemNew.lParam);
      if (selected && programChanging != this) Emit(GadgetSelect, selected->id, 0, 0, 0);
      return 0;
    }
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {  // the user opened or closed a node
      if (programChanging == this) return 0;
      auto* nm = reinterpret_cast<const NMTREEVIEWW*>(header);
      Win32TreeViewNode* n = NodeOf(nm->itemNew.hItem, nm->itemNew.lParam);
      Emit(nm->itemNew.state & TVIS_EXPANDED ? GadgetOpen : GadgetClose, n ? n->id : 0, 0, 0, 0);
      return 0;
    }
    case NM_DBLCLK:
    case NM_RETURN:  // the selected node was chosen
      Emit(GadgetAction, selected ? selected->id : 0, 0, 0, 0);
      return 1;
    case NM_RCLICK: {  // a context menu for the node under the pointer
      POINT screen{};
      GetCursorPos(&screen);
      TVHITTESTINFO hit{};
      hit.pt = screen;
      ScreenToClient(self.hwnd, &hit.pt);
      auto item = reinterpret_cast<HTREEITEM>(
          SendMessageW(self.hwnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      // The whole row belongs to its node: its indent, its button and the space right of the label
      // as much as the icon and the label.
      constexpr UINT OnRow = TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON | TVHT_ONITEMRIGHT;
      if (item && (hit.flags & OnRow)) {
        TVITEMW tv{};
        tv.mask = TVIF_PARAM;
        tv.hItem = item;
        SendMessageW(self.hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        if (Win32TreeViewNode* n = NodeOf(item, tv.lParam))
          Emit(GadgetMenu, n->id, 0, ToProgram(screen.x, DpiOf(self.hwnd)),
               ToProgram(screen.y, DpiOf(self.hwnd)));
      }
      return 1;
    }
  }
  return 0;
}

LRESULT Win32TreeView::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_NOTIFY:  // the parent passed on the control's own notification
      if (reinterpret_cast<const NMHDR*>(lp)->hwndFrom == self.hwnd)
        return Notify(reinterpret_cast<const NMHDR*>(lp));
      break;
    case WM_CONTEXTMENU:  // the menu key: the focused node's menu, at its row as a click there
      if (hwnd == self.hwnd && ContextMenuFromKeyboard(lp)) {
        auto item = reinterpret_cast<HTREEITEM>(SendMessageW(self.hwnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
        TVITEMW tv{};
        tv.mask = TVIF_PARAM;
        tv.hItem = item;
        RECT row{};
        std::memcpy(&row, &item, sizeof item);  // the message takes the item in the rectangle
        if (item && SendMessageW(self.hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)) &&
            SendMessageW(self.hwnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row))) {
          POINT at{row.left, (row.top + row.bottom) / 2};
          NoteKeyboardMenuAt(self.hwnd, at);
          ClientToScreen(self.hwnd, &at);
          const int dpi = DpiOf(self.hwnd);
          if (Win32TreeViewNode* n = NodeOf(item, tv.lParam))
            Emit(GadgetMenu, n->id, 0, ToProgram(at.x, dpi), ToProgram(at.y, dpi));
        }
        return 0;
      }
      break;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

// The tree operations of the driver's gadgets: a tree view or a node stands for the nodes below it.
#include "gui/constants.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/vell.h"

namespace {

// The tree view and the node that an operation on gadget `handle` works below: the root for a
// tree view, the node itself for a node.
bool TreeAndNode(VellResource* handle, VellTreeView*& tree, VellTreeViewNode*& node) {
  if (auto* t = dynamic_cast<VellTreeView*>(handle)) {
    tree = t;
    node = t->RootNode();
  } else if (auto* n = dynamic_cast<VellTreeViewNode*>(handle)) {
    tree = n->tree;
    node = n;
  } else {
    return false;
  }
  return tree && node;
}

}  // namespace

Ref<TGadget> TWin32Gadget::RootNode() {
  if (dynamic_cast<VellTreeView*>(handle)) return Ref<TGadget>(this);
  if (auto* n = dynamic_cast<VellTreeViewNode*>(handle)) return TWin32GUIDriver::GadgetFromHandle(n->tree);
  return nullptr;
}

Ref<TGadget> TWin32Gadget::InsertNode(int32_t index, const std::u16string& text, int32_t icon) {
  VellTreeView* tree = nullptr;
  VellTreeViewNode* below = nullptr;
  if (!TreeAndNode(handle, tree, below)) return nullptr;
  VellTreeViewNode* node = tree->InsertNode(below, index, text, icon);
  if (!node) return nullptr;
  Ref<TWin32Gadget> g = TWin32Gadget::Create(GadgetClass::Node, node, Ref<TGadget>(this));
  // The node gadgets keep the control's order among this gadget's kids too.
  if (index >= 0 && static_cast<size_t>(index) + 1 < below->kids.size())
    g->_setparent(Ref<TGadget>(this), index);
  g->name = text;
  return g;
}

void TWin32Gadget::ModifyNode(const std::u16string& text, int32_t icon) {
  auto* n = dynamic_cast<VellTreeViewNode*>(handle);
  if (!n || !n->tree) return;
  n->tree->ModifyNode(n, text, icon);
  // A node answers the text it shows.
  name = text;
}

Ref<TGadget> TWin32Gadget::SelectedNode() {
  VellTreeView* tree = nullptr;
  VellTreeViewNode* below = nullptr;
  if (!TreeAndNode(handle, tree, below)) return nullptr;
  return TWin32GUIDriver::GadgetFromHandle(tree->SelectedNode());
}

int32_t TWin32Gadget::CountKids() {
  VellTreeView* tree = nullptr;
  VellTreeViewNode* below = nullptr;
  if (!TreeAndNode(handle, tree, below)) return 0;
  return static_cast<int32_t>(below->kids.size());
}

// The gallery's churn: list entries, tree nodes, menu entries and panel pictures made, changed
// and freed over and over, for soak runs.
#include "gallery/gallery.h"
#include "runtime/text.h"

namespace {

// Menu tags of churned entries start here, clear of the gallery's own menu tags.
constexpr int32_t ChurnTags = 1000;

}  // namespace

Churn::Churn(ChurnTargets targets) : t(std::move(targets)) {
  if (t.window) {
    menu = MakeMenu(u"&Churn", ChurnTags, GetWindowMenuRoot(t.window));
    RebuildWindowMenu(t.window);
  }
}

void Churn::Step() {
  ++steps;
  const std::u16string n = IntText(steps);
  if (t.list) {
    if (CountGadgetEntries(t.list) >= 40) DeleteGadgetEntry(t.list, 0);
    AppendGadgetEntry(t.list, u"churned " + n, 0, static_cast<int32_t>(steps % 6), u"tip " + n, MakeText(n));
    int32_t count = CountGadgetEntries(t.list);
    if (count > 3) ChangeGadgetEntry(t.list, static_cast<int32_t>(steps % count), u"changed " + n);
    if (steps % 7 == 0) SelectGadgetEntry(t.list, count - 1);
  }
  if (t.tree) {
    if (!branch || CountTreeNodes(branch) >= 25) {
      if (branch) DestroyTreeNode(branch);
      branch = AppendTreeNode(u"churn " + n, t.tree, 0);
      ExpandTreeNode(branch);
    }
    auto leaf = InsertTreeNode(static_cast<int32_t>(steps % 3) - 1, u"leaf " + n, branch, 1);
    AppendTreeNode(u"twig " + n, leaf, 2);
    if (steps % 5 == 0) ChangeTreeNode(leaf, u"renamed " + n, 3);
    if (steps % 11 == 0) SelectTreeNode(leaf);
  }
  if (menu) {
    if (items.size() >= 12) {
      DestroyMenuEntry(items.front());
      items.erase(items.begin());
    }
    items.push_back(MakeMenu(u"entry " + n, ChurnTags + 1 + static_cast<int32_t>(steps % 1000), menu));
    if (steps % 3 == 0) TickMenuEntry(items.back());
    RebuildWindowMenu(t.window);
  }
  if (t.panel)
    ChangePanelPixmap(t.panel, Gradient(96, 64, static_cast<int32_t>(steps * 7 % 360)), PanelPicture::Tile);
}

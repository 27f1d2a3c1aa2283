// Icon strips shown by tree views and tool bars: the control draws from the strip set last, from
// none once the strip is taken away, and never from a strip already destroyed.
#include "tests/gui_win32/support.h"
// The control messages need the platform header, which the support header brings.
#include <commctrl.h>

#include <functional>

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "tests/gui_win32/strip.h"

namespace {

class StripsShown : public DriverTest {};

HIMAGELIST ListOf(const Ref<TIconStrip>& strip) {
  return ImageListOf(dynamic_cast<TWin32IconStrip&>(*strip).handle);
}

}  // namespace

TEST_F(StripsShown, TheControlDrawsFromTheStripSetLastOrNone) {
  struct Kind {
    const char* name;
    std::function<Ref<TGadget>(const Ref<TGadget>& window)> make;
    UINT get;  // the control's message answering its image list
    WPARAM which;
  };
  const Kind kinds[] = {
      {"tree view",
       [](const Ref<TGadget>& w) {
         auto tree = MakeTreeView(0, 0, 200, 150, w, 0);
         AppendTreeNode(u"node", tree, 0);
         AppendTreeNode(u"other", tree, 1);
         return tree;
       },
       TVM_GETIMAGELIST, TVSIL_NORMAL},
      {"tool bar",
       [](const Ref<TGadget>& w) {
         auto bar = MakeToolBar(nullptr, 0, 0, 100, 30, w, 0);
         // Buttons come only with a strip; these draw from every strip set later.
         ChangeGadgetIconStrip(bar, TestStrip(2));
         AppendGadgetEntry(bar, u"", 0, 0);
         AppendGadgetEntry(bar, u"", 0, 1);
         return bar;
       },
       TB_GETIMAGELIST, 0},
  };
  for (const Kind& k : kinds) {
    auto win = TestWindow(WindowStyle::TitleBar, 300, 200);
    Ref<TGadget> g = k.make(win);
    HWND control = Hwnd(g);
    auto shown = [&] {
      // Painting draws from the list the control holds, so a destroyed one would be touched here.
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return reinterpret_cast<HIMAGELIST>(SendMessageA(control, k.get, k.which, 0));
    };
    bool firstGone = false, secondGone = false;
    Ref<TIconStrip> first = TestStrip(2, {}, &firstGone), second = TestStrip(2, {}, &secondGone);
    HIMAGELIST firstList = ListOf(first), secondList = ListOf(second);

    ChangeGadgetIconStrip(g, first);
    first = nullptr;
    EXPECT_FALSE(firstGone) << k.name << ": the strip shown was destroyed under the control";
    EXPECT_EQ(shown(), firstList) << k.name << ": set";

    ChangeGadgetIconStrip(g, second);
    second = nullptr;
    EXPECT_TRUE(firstGone) << k.name << ": the strip replaced is kept";
    EXPECT_FALSE(secondGone) << k.name;
    EXPECT_EQ(shown(), secondList) << k.name << ": replaced";

    ChangeGadgetIconStrip(g, nullptr);
    EXPECT_TRUE(secondGone) << k.name << ": the strip taken away is kept";
    EXPECT_EQ(shown(), nullptr) << k.name << ": cleared";
    DestroyGadget(win);
  }
}

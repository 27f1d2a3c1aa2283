// Every public gadget function reaches its operation with its arguments and answers its result,
// and a proxy hands every platform operation on to its target unchanged.
#include <concepts>
#include <functional>
#include <sstream>

#include "gui/proxy.h"
#include "tests/gui/recording_driver.h"

namespace {

// The objects the calls below pass around, named in the notes by their place here.
std::vector<Ref<TObject>>& Known() {
  static std::vector<Ref<TObject>> known;
  return known;
}

std::string Note(const std::u16string& s) { return "'" + Utf8(s) + "'"; }
// Numbers and handles alike: a handle is 64 bits wide in one build and 32 in the other.
std::string Note(std::integral auto v) { return std::to_string(v); }
std::string Note(float v) {
  std::ostringstream out;
  out << v;
  return out.str();
}
std::string Note(const Ref<TObject>& o) {
  if (!o) return "null";
  for (std::size_t i = 0; i < Known().size(); ++i) {
    if (Known()[i] == o) return "#" + std::to_string(i);
  }
  return "other";
}
template <class T>
std::string Note(const Ref<T>& o) {
  return Note(Ref<TObject>(o));
}

// Notes each platform operation as "Name(arg,...)" and answers values that tell them apart.
class TNotingGadget : public TGadget {
 public:
  std::vector<std::string> notes;
  int32_t state = 0;
  Ref<TGadget> node;        // what the node and menu operations answer
  Ref<TGraphics> graphics;  // what the canvas operations answer

  template <class... A>
  void Put(const char* name, const A&... args) {
    std::string line = std::string(name) + "(";
    bool first = true;
    ((line += (first ? "" : ","), line += Note(args), first = false), ...);
    notes.push_back(line + ")");
  }

  intptr_t Query(int32_t kind) override { return Put("Query", kind), 100 + kind; }
  void Free() override { Put("Free"); }
  void Rethink() override { Put("Rethink"); }
  int32_t ClientWidth() override { return Put("ClientWidth"), 11; }
  int32_t ClientHeight() override { return Put("ClientHeight"), 12; }
  void Activate(int32_t command) override { Put("Activate", command); }
  int32_t State() override { return Put("State"), state; }
  void SetText(const std::u16string& text) override { Put("SetText", text); }
  std::u16string GetText() override { return Put("GetText"), u"text"; }
  void SetFont(Ref<TGuiFont> font) override { Put("SetFont", font); }
  void SetColor(int32_t r, int32_t g, int32_t b) override { Put("SetColor", r, g, b); }
  void SetAlpha(float alpha) override { Put("SetAlpha", alpha); }
  void SetTextColor(int32_t r, int32_t g, int32_t b) override { Put("SetTextColor", r, g, b); }
  void SetIconStrip(Ref<TIconStrip> strip) override { Put("SetIconStrip", strip); }
  void SetShow(int32_t flag) override { Put("SetShow", flag); }
  void SetEnabled(int32_t flag) override { Put("SetEnabled", flag); }
  void SetSelected(int32_t flag) override { Put("SetSelected", flag); }
  void SetHotKey(int32_t key, int32_t modifiers) override { Put("SetHotKey", key, modifiers); }
  void SetStatus(const std::u16string& text) override { Put("SetStatus", text); }
  Ref<TGadget> GetMenu() override { return Put("GetMenu"), node; }
  void PopupMenu(Ref<TGadget> menu, Ref<TObject> extra) override { Put("PopupMenu", menu, extra); }
  void UpdateMenu() override { Put("UpdateMenu"); }
  void SetMinimumSize(int32_t w, int32_t h) override { Put("SetMinimumSize", w, h); }
  void ClearListItems() override { Put("ClearListItems"); }
  void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                      Ref<TObject> extra) override {
    Put("InsertListItem", index, text, tip, icon, extra);
  }
  void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                   Ref<TObject> extra) override {
    Put("SetListItem", index, text, tip, icon, extra);
  }
  void RemoveListItem(int32_t index) override { Put("RemoveListItem", index); }
  void SetListItemState(int32_t index, int32_t st) override { Put("SetListItemState", index, st); }
  int32_t ListItemState(int32_t index) override { return Put("ListItemState", index), 80 + index; }
  Ref<TGadget> RootNode() override { return Put("RootNode"), node; }
  Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon) override {
    return Put("InsertNode", index, text, icon), node;
  }
  void ModifyNode(const std::u16string& text, int32_t icon) override { Put("ModifyNode", text, icon); }
  Ref<TGadget> SelectedNode() override { return Put("SelectedNode"), node; }
  int32_t CountKids() override { return Put("CountKids"), 13; }
  void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) override {
    Put("ReplaceText", pos, length, text, units);
  }
  void AddText(const std::u16string& text) override { Put("AddText", text); }
  std::u16string AreaText(int32_t pos, int32_t length, int32_t units) override {
    return Put("AreaText", pos, length, units), u"area";
  }
  int32_t AreaLen(int32_t units) override { return Put("AreaLen", units), 20 + units; }
  void LockText() override { Put("LockText"); }
  void UnlockText() override { Put("UnlockText"); }
  void SetTabs(int32_t width) override { Put("SetTabs", width); }
  int32_t GetCursorPos(int32_t units) override { return Put("GetCursorPos", units), 30 + units; }
  int32_t GetSelectionLength(int32_t units) override { return Put("GetSelectionLength", units), 40 + units; }
  void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                int32_t units) override {
    Put("SetStyle", r, g, b, flags, pos, length, units);
  }
  void SetSelection(int32_t pos, int32_t length, int32_t units) override {
    Put("SetSelection", pos, length, units);
  }
  int32_t CharAt(int32_t line) override { return Put("CharAt", line), 50 + line; }
  int32_t LineAt(int32_t index) override { return Put("LineAt", index), 60 + index; }
  void SetValue(float value) override { Put("SetValue", value); }
  void SetRange(int32_t a, int32_t b) override { Put("SetRange", a, b); }
  void SetProp(int32_t value) override { Put("SetProp", value); }
  int32_t GetProp() override { return Put("GetProp"), 70; }
  void SetPixmap(Ref<TPixmap> pixmap, int32_t flags) override { Put("SetPixmap", pixmap, flags); }
  Ref<TGraphics> AttachGraphics(int32_t flags) override { return Put("AttachGraphics", flags), graphics; }
  Ref<TGraphics> CanvasGraphics() override { return Put("CanvasGraphics"), graphics; }
  std::u16string Run(const std::u16string& script) override { return Put("Run", script), u"ran"; }
};

class Forwarding : public RecordingDriverTest {
 protected:
  void SetUp() override {
    RecordingDriverTest::SetUp();
    Known() = {New<TGuiFont>(),    New<TIconStrip>(),     New<TPixmap>(2, 2, 0),
               MakeText(u"extra"), MakeRecordingGadget(), New<TGraphics>()};
    target = New<TNotingGadget>();
    target->node = Cast<TGadget>(Known()[4]);
    target->graphics = Cast<TGraphics>(Known()[5]);
    TrackGadget(target);
  }
  void TearDown() override {
    Known().clear();
    RecordingDriverTest::TearDown();
  }

 public:  // the operation table below reaches the objects through the fixture
  Ref<TGuiFont> font() { return Cast<TGuiFont>(Known()[0]); }
  Ref<TIconStrip> strip() { return Cast<TIconStrip>(Known()[1]); }
  Ref<TPixmap> pixmap() { return Cast<TPixmap>(Known()[2]); }
  Ref<TObject> extra() { return Known()[3]; }
  Ref<TGadget> menu() { return Cast<TGadget>(Known()[4]); }

 protected:
  Ref<TNotingGadget> target;
};

// One public function: its call on a gadget, what the gadget notes and what the call answers.
struct PublicCall {
  std::function<std::string(const Ref<TGadget>&)> call;
  std::string note;
  std::string answer;
  int32_t state = 0;  // the gadget's state bits during the call
};

TEST_F(Forwarding, EveryPublicFunctionReachesItsOperation) {
  using G = const Ref<TGadget>&;
  const PublicCall calls[] = {
      {[](G g) { return Note(QueryGadgetHandle(g, QueryKind::ClientHandle)); }, "Query(2)", "102"},
      {[](G g) { return Note(ClientWidth(g)); }, "ClientWidth()", "11"},
      {[](G g) { return Note(ClientHeight(g)); }, "ClientHeight()", "12"},
      {[](G g) { return Note(RevealGadget(g)); }, "SetShow(1)", "0"},
      {[](G g) { return Note(ConcealGadget(g)); }, "SetShow(0)", "0"},
      {[](G g) { return Note(EnableGadgetInput(g)); }, "SetEnabled(1)", "0"},
      {[](G g) { return Note(DisableGadgetInput(g)); }, "SetEnabled(0)", "0"},
      {[](G g) { return Note(IsGadgetHidden(g)); }, "State()", "1", 8},
      {[](G g) { return Note(IsGadgetHidden(g)); }, "State()", "0", ~8},
      {[](G g) { return Note(IsGadgetDisabled(g)); }, "State()", "1", 4},
      {[](G g) { return Note(FocusGadget(g)); }, "Activate(0)", "0"},
      {[](G g) { return Note(CutFromGadget(g)); }, "Activate(1)", "0"},
      {[](G g) { return Note(CopyFromGadget(g)); }, "Activate(2)", "0"},
      {[](G g) { return Note(PasteIntoGadget(g)); }, "Activate(3)", "0"},
      {[](G g) { return Note(PrintGadget(g)); }, "Activate(12)", "0"},
      {[](G g) { return Note(RepaintGadget(g)); }, "Activate(13)", "0"},
      {[](G g) { return Note(ChangeGadgetText(g, u"t")); }, "SetText('t')", "0"},
      {[](G g) { return Note(GetGadgetText(g)); }, "GetText()", "'text'"},
      {[](G g) { return Note(ChangeGadgetColor(g, 1, 2, 3)); }, "SetColor(1,2,3)", "0"},
      {[](G g) { return Note(ChangeGadgetColor(g, 1, 2, 3, 0)); }, "SetTextColor(1,2,3)", "0"},
      {[](G g) { return Note(ChangeGadgetTextColor(g, 4, 5, 6)); }, "SetTextColor(4,5,6)", "0"},
      {[](G g) { return Note(ChangeGadgetAlpha(g, 0.5f)); }, "SetAlpha(0.5)", "0"},
      {[](G g) { return Note(BindGadgetHotKey(g, 65, 2)); }, "SetHotKey(65,2)", "0"},
      {[](G g) { return Note(GetWindowMenuRoot(g)); }, "GetMenu()", "#4"},
      {[](G g) { return Note(RebuildWindowMenu(g)); }, "UpdateMenu()", "0"},
      {[](G g) { return Note(FocusWindow(g)); }, "Activate(0)", "0"},
      {[](G g) { return Note(ChangeStatusText(g, u"s")); }, "SetStatus('s')", "0"},
      {[](G g) { return Note(SetWindowMinimumSize(g, 7, 8)); }, "SetMinimumSize(7,8)", "0"},
      {[](G g) { return Note(WindowToMinimized(g)); }, "Activate(4)", "0"},
      {[](G g) { return Note(WindowToMaximized(g)); }, "Activate(5)", "0"},
      {[](G g) { return Note(WindowToNormal(g)); }, "Activate(6)", "0"},
      {[](G g) { return Note(IsWindowMinimized(g)); }, "State()", "1", 1},
      {[](G g) { return Note(IsWindowMaximized(g)); }, "State()", "1", 2},
      {[](G g) { return Note(IsWindowMaximized(g)); }, "State()", "0", ~2},
      {[](G g) { return Note(ChangeMenuText(g, u"m")); }, "SetText('m')", "0"},
      {[](G g) { return Note(GetMenuText(g)); }, "GetText()", "'text'"},
      {[](G g) { return Note(TickMenuEntry(g)); }, "SetSelected(1)", "0"},
      {[](G g) { return Note(UntickMenuEntry(g)); }, "SetSelected(0)", "0"},
      {[](G g) { return Note(EnableMenuEntry(g)); }, "SetEnabled(1)", "0"},
      {[](G g) { return Note(DisableMenuEntry(g)); }, "SetEnabled(0)", "0"},
      {[](G g) { return Note(IsMenuTicked(g)); }, "State()", "1", 16},
      {[](G g) { return Note(IsMenuEnabled(g)); }, "State()", "0", 4},
      {[](G g) { return Note(IsMenuEnabled(g)); }, "State()", "1", ~4},
      {[](G g) { return Note(ChangeButtonCheck(g, 1)); }, "SetSelected(1)", "0"},
      {[](G g) { return Note(GetButtonCheck(g)); }, "State()", "1", 16},
      {[](G g) { return Note(ChangePanelColor(g, 9, 8, 7)); }, "SetColor(9,8,7)", "0"},
      {[](G g) { return Note(GetTextFieldText(g)); }, "GetText()", "'text'"},
      {[](G g) { return Note(ReplaceTextAreaRange(g, u"r", 1, 2, 3)); }, "ReplaceText(1,2,'r',3)", "0"},
      {[](G g) { return Note(AppendTextAreaText(g, u"a")); }, "AddText('a')", "0"},
      {[](G g) { return Note(GetTextAreaRange(g, 1, 2, 3)); }, "AreaText(1,2,3)", "'area'"},
      {[](G g) { return Note(GetTextAreaLength(g, TextUnits::Lines)); }, "AreaLen(2)", "22"},
      {[](G g) { return Note(FreezeTextArea(g)); }, "LockText()", "0"},
      {[](G g) { return Note(ThawTextArea(g)); }, "UnlockText()", "0"},
      {[](G g) { return Note(ChangeTextAreaTabs(g, 4)); }, "SetTabs(4)", "0"},
      {[](G g) { return Note(ChangeTextAreaColor(g, 1, 2, 3)); }, "SetColor(1,2,3)", "0"},
      {[](G g) { return Note(ChangeTextAreaColor(g, 1, 2, 3, 0)); }, "SetTextColor(1,2,3)", "0"},
      {[](G g) { return Note(GetTextAreaCursor(g, TextUnits::Lines)); }, "GetCursorPos(2)", "32"},
      {[](G g) { return Note(GetTextAreaSelectionLength(g, TextUnits::Lines)); }, "GetSelectionLength(2)",
       "42"},
      {[](G g) { return Note(StyleTextAreaRange(g, 1, 2, 3, 4, 5, 6, TextUnits::Lines)); },
       "SetStyle(1,2,3,4,5,6,2)", "0"},
      {[](G g) { return Note(SelectTextAreaRange(g, 5, 6, TextUnits::Lines)); }, "SetSelection(5,6,2)", "0"},
      {[](G g) { return Note(TextAreaLineStart(g, 3)); }, "CharAt(3)", "53"},
      {[](G g) { return Note(TextAreaLineOf(g, 4)); }, "LineAt(4)", "64"},
      {[](G g) { return Note(GetTreeRoot(g)); }, "RootNode()", "#4"},
      {[](G g) { return Note(AppendTreeNode(u"n", g, 3)); }, "InsertNode(-1,'n',3)", "#4"},
      {[](G g) { return Note(InsertTreeNode(2, u"n", g)); }, "InsertNode(2,'n',-1)", "#4"},
      {[](G g) { return Note(ChangeTreeNode(g, u"c", 5)); }, "ModifyNode('c',5)", "0"},
      {[](G g) { return Note(GetSelectedTreeNode(g)); }, "SelectedNode()", "#4"},
      {[](G g) { return Note(CountTreeNodes(g)); }, "CountKids()", "13"},
      {[](G g) { return Note(SelectTreeNode(g)); }, "Activate(7)", "0"},
      {[](G g) { return Note(ExpandTreeNode(g)); }, "Activate(8)", "0"},
      {[](G g) { return Note(CollapseTreeNode(g)); }, "Activate(9)", "0"},
      {[](G g) { return Note(NavigateHtmlView(g, u"u")); }, "SetText('u')", "0"},
      {[](G g) { return Note(HtmlViewGoBack(g)); }, "Activate(10)", "0"},
      {[](G g) { return Note(HtmlViewGoForward(g)); }, "Activate(11)", "0"},
      {[](G g) { return Note(GetHtmlViewState(g)); }, "State()", "6", 6},
      {[](G g) { return Note(GetHtmlViewAddress(g)); }, "GetText()", "'text'"},
      {[](G g) { return Note(RunHtmlViewScript(g, u"s")); }, "Run('s')", "'ran'"},
      {[](G g) { return Note(ChangeSliderRange(g, 1, 9)); }, "SetRange(1,9)", "0"},
      {[](G g) { return Note(ChangeSliderPosition(g, 4)); }, "SetProp(4)", "0"},
      {[](G g) { return Note(GetSliderPosition(g)); }, "GetProp()", "70"},
      {[](G g) { return Note(ChangeProgressValue(g, 0.25f)); }, "SetValue(0.25)", "0"},
      {[](G g) { return Note(CanvasGraphics(g)); }, "CanvasGraphics()", "#5"},
  };
  for (const PublicCall& c : calls) {
    SCOPED_TRACE(c.note);
    target->notes.clear();
    target->state = c.state;
    EXPECT_EQ(c.call(target), c.answer);
    EXPECT_EQ(target->notes, std::vector<std::string>{c.note});
  }
}

TEST_F(Forwarding, PublicFunctionsPassTheirObjectsOn) {
  // The calls that hand over an object, each checked for passing that very object.
  ChangeGadgetFont(target, font());
  ChangeTextAreaFont(target, font());
  ChangeGadgetIconStrip(target, strip());
  ShowPopupMenu(target, menu(), extra());
  ChangePanelPixmap(target, pixmap(), 3);
  EXPECT_EQ(target->notes, (std::vector<std::string>{"SetFont(#0)", "SetFont(#0)", "SetIconStrip(#1)",
                                                     "PopupMenu(#4,#3)", "SetPixmap(#2,3)"}));
}

TEST_F(Forwarding, ProxyHandsEveryPlatformOperationOnUnchanged) {
  // Each operation as called on the target itself and then through a proxy: the same note and
  // the same answer, and nothing else noted.
  const std::function<std::string(TGadget&, Forwarding&)> operations[] = {
      [](TGadget& g, Forwarding&) { return Note(g.Query(3)); },
      [](TGadget& g, Forwarding&) { return g.Free(), ""; },
      [](TGadget& g, Forwarding&) { return g.Rethink(), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.ClientWidth()); },
      [](TGadget& g, Forwarding&) { return Note(g.ClientHeight()); },
      [](TGadget& g, Forwarding&) { return g.Activate(5), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.State()); },
      [](TGadget& g, Forwarding&) { return g.SetText(u"t"), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.GetText()); },
      [](TGadget& g, Forwarding& f) { return g.SetFont(f.font()), ""; },
      [](TGadget& g, Forwarding&) { return g.SetColor(1, 2, 3), ""; },
      [](TGadget& g, Forwarding&) { return g.SetAlpha(0.75f), ""; },
      [](TGadget& g, Forwarding&) { return g.SetTextColor(4, 5, 6), ""; },
      [](TGadget& g, Forwarding& f) { return g.SetIconStrip(f.strip()), ""; },
      [](TGadget& g, Forwarding&) { return g.SetShow(1), ""; },
      [](TGadget& g, Forwarding&) { return g.SetEnabled(0), ""; },
      [](TGadget& g, Forwarding&) { return g.SetSelected(1), ""; },
      [](TGadget& g, Forwarding&) { return g.SetHotKey(70, 3), ""; },
      [](TGadget& g, Forwarding&) { return g.SetStatus(u"s"), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.GetMenu()); },
      [](TGadget& g, Forwarding& f) { return g.PopupMenu(f.menu(), f.extra()), ""; },
      [](TGadget& g, Forwarding&) { return g.UpdateMenu(), ""; },
      [](TGadget& g, Forwarding&) { return g.SetMinimumSize(7, 8), ""; },
      [](TGadget& g, Forwarding&) { return g.ClearListItems(), ""; },
      [](TGadget& g, Forwarding& f) { return g.InsertListItem(1, u"a", u"b", 2, f.extra()), ""; },
      [](TGadget& g, Forwarding& f) { return g.SetListItem(3, u"c", u"d", 4, f.extra()), ""; },
      [](TGadget& g, Forwarding&) { return g.RemoveListItem(5), ""; },
      [](TGadget& g, Forwarding&) { return g.SetListItemState(6, 7), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.ListItemState(8)); },
      [](TGadget& g, Forwarding&) { return Note(g.RootNode()); },
      [](TGadget& g, Forwarding&) { return Note(g.InsertNode(2, u"n", 3)); },
      [](TGadget& g, Forwarding&) { return g.ModifyNode(u"m", 4), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.SelectedNode()); },
      [](TGadget& g, Forwarding&) { return Note(g.CountKids()); },
      [](TGadget& g, Forwarding&) { return g.ReplaceText(1, 2, u"r", 3), ""; },
      [](TGadget& g, Forwarding&) { return g.AddText(u"a"), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.AreaText(1, 2, 3)); },
      [](TGadget& g, Forwarding&) { return Note(g.AreaLen(2)); },
      [](TGadget& g, Forwarding&) { return g.LockText(), ""; },
      [](TGadget& g, Forwarding&) { return g.UnlockText(), ""; },
      [](TGadget& g, Forwarding&) { return g.SetTabs(4), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.GetCursorPos(1)); },
      [](TGadget& g, Forwarding&) { return Note(g.GetSelectionLength(2)); },
      [](TGadget& g, Forwarding&) { return g.SetStyle(1, 2, 3, 4, 5, 6, 7), ""; },
      [](TGadget& g, Forwarding&) { return g.SetSelection(5, 6, 1), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.CharAt(3)); },
      [](TGadget& g, Forwarding&) { return Note(g.LineAt(4)); },
      [](TGadget& g, Forwarding&) { return g.SetValue(0.5f), ""; },
      [](TGadget& g, Forwarding&) { return g.SetRange(1, 9), ""; },
      [](TGadget& g, Forwarding&) { return g.SetProp(4), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.GetProp()); },
      [](TGadget& g, Forwarding& f) { return g.SetPixmap(f.pixmap(), 2), ""; },
      [](TGadget& g, Forwarding&) { return Note(g.AttachGraphics(3)); },
      [](TGadget& g, Forwarding&) { return Note(g.CanvasGraphics()); },
      [](TGadget& g, Forwarding&) { return Note(g.Run(u"x")); },
  };
  auto proxy = New<TProxyGadget>();
  TrackGadget(proxy);
  proxy->SetProxy(target);
  target->state = 9;
  for (std::size_t i = 0; i < std::size(operations); ++i) {
    SCOPED_TRACE("operation " + std::to_string(i));
    target->notes.clear();
    const std::string direct = operations[i](*target, *this);
    const std::vector<std::string> expected = target->notes;
    ASSERT_EQ(expected.size(), 1u);
    target->notes.clear();
    EXPECT_EQ(operations[i](*proxy, *this), direct);
    EXPECT_EQ(target->notes, expected);
  }
}

}  // namespace

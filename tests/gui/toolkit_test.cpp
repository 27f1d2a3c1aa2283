// The public functions: argument orders reaching the driver and the gadget, results, and
// failures without a driver.
#include <functional>
#include <thread>

#include "event/event.h"
#include "tests/gui/recording_driver.h"

namespace {

// Child kinds are made in `group`, a gadget that holds gadgets: a Null group is refused.
class Toolkit : public RecordingDriverTest {
 protected:
  void SetUp() override {
    RecordingDriverTest::SetUp();
    group = MakeRecordingGadget();
    group->name = u"G";
  }

  Ref<TRecordingGadget> group;
};

TEST_F(Toolkit, CreationFunctionsPassTheirClassAndArguments) {
  auto window = MakeWindow(u"Title", 1, 2, 3, 4, nullptr, WindowStyle::TitleBar | WindowStyle::MenuBar);
  MakeButton(u"Go", 6, 7, 8, 9, window, ButtonStyle::Ok);
  MakeLabel(u"L", 1, 1, 1, 1, window, LabelStyle::Center | LabelStyle::Sunken);
  MakeTextArea(0, 0, 10, 10, window, 0);
  GetDesktop();
  EXPECT_EQ(CallLog(), (std::vector<std::string>{
                           "CreateGadget(1,Title,1,2,3,4,null,5)", "CreateGadget(2,Go,6,7,8,9,Title,4)",
                           "CreateGadget(12,L,1,1,1,1,Title,18)", "CreateGadget(5,,0,0,10,10,Title,0)",
                           "CreateGadget(0,,0,0,0,0,null,0)"}));
  EXPECT_EQ(window->kids->Count(), 3u);
}

TEST_F(Toolkit, PanelTakesItsTitleLast) {
  MakePanel(1, 2, 3, 4, group, PanelStyle::GroupBox, u"Group");
  EXPECT_EQ(CallLog(), std::vector<std::string>{"CreateGadget(3,Group,1,2,3,4,G,8)"});
}

TEST_F(Toolkit, EveryKindGetsItsOwnClassNumber) {
  MakeTextField(0, 0, 0, 0, group, 0);
  MakeComboBox(0, 0, 0, 0, group, 0);
  MakeListBox(0, 0, 0, 0, group, 0);
  MakeTabber(0, 0, 0, 0, group, 0);
  MakeTreeView(0, 0, 0, 0, group, 0);
  MakeHtmlView(0, 0, 0, 0, group, 0);
  MakeSlider(0, 0, 0, 0, group, SliderStyle::ScrollBar);
  MakeProgressBar(0, 0, 0, 0, group, 0);
  std::vector<std::string> classes;
  for (const std::string& c : CallLog()) classes.push_back(c.substr(13, c.find(',') - 13));
  EXPECT_EQ(classes, (std::vector<std::string>{"4", "6", "7", "9", "10", "11", "13", "14"}));
}

TEST_F(Toolkit, MenuCarriesItsTagAsStyleAndBindsANonZeroHotKey) {
  auto root = MakeWindow(u"W", 0, 0, 0, 0, nullptr, 0);
  CallLog().clear();
  auto menu = MakeMenu(u"Open", 7, root, 79, ModControl);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"CreateGadget(15,Open,0,0,0,0,W,7)", "SetHotKey(79,2)"}));
  CallLog().clear();
  MakeMenu(u"Plain", 8, root, 0, 0);
  EXPECT_TRUE(CallsStartingWith("SetHotKey").empty());
  driver->createNull = true;
  EXPECT_EQ(MakeMenu(u"None", 9, root, 79, 0), nullptr);
  EXPECT_TRUE(CallsStartingWith("SetHotKey").empty());
}

TEST_F(Toolkit, ToolBarGetsOneIconButtonPerStripIcon) {
  driver->stripCount = 3;
  auto source = MakeText(u"icons.png");
  auto bar = MakeToolBar(source, 0, 0, 100, 20, group, 0);
  ASSERT_TRUE(bar);
  EXPECT_EQ(CallLog(),
            (std::vector<std::string>{"CreateGadget(8,,0,0,100,20,G,0)", "LoadIconStrip(icons.png)",
                                      "SetIconStrip(3)", "InsertListItem(0,,,0,null)",
                                      "InsertListItem(1,,,1,null)", "InsertListItem(2,,,2,null)"}));
}

TEST_F(Toolkit, ToolBarWithoutStripHasNoButtonsAndNullBarLoadsNothing) {
  auto bar = MakeToolBar(nullptr, 0, 0, 1, 1, group, 0);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->ItemCount(), 0);
  driver->createNull = true;
  CallLog().clear();
  EXPECT_EQ(MakeToolBar(nullptr, 0, 0, 1, 1, group, 0), nullptr);
  EXPECT_TRUE(CallsStartingWith("LoadIconStrip").empty());
}

TEST_F(Toolkit, ToolBarTipsSkipNullEntriesWithoutUsingUpAButton) {
  driver->stripCount = 3;
  auto bar = MakeToolBar(nullptr, 0, 0, 1, 1, group, 0);
  auto extra = MakeText(u"e");
  ChangeGadgetEntry(bar, 1, u"keep", 0, 1, u"", extra);
  CallLog().clear();
  ChangeToolBarTips(bar, {u"first", u"", u"second", u"third", u"too many"});
  EXPECT_EQ(CallLog(),
            (std::vector<std::string>{"SetListItem(0,,first,0,null)", "SetListItem(1,keep,second,1,e)",
                                      "SetListItem(2,,third,2,null)"}));
  EXPECT_EQ(GetEntryExtra(bar, 1), Ref<TObject>(extra));
}

TEST_F(Toolkit, CanvasGetsGraphicsWithTheDefaultFlags) {
  DefaultGraphicsFlags = 6;
  auto canvas = MakeCanvas(0, 0, 10, 10, group, 0);
  DefaultGraphicsFlags = 0;
  ASSERT_TRUE(canvas);
  EXPECT_EQ(CallsStartingWith("AttachGraphics"), std::vector<std::string>{"AttachGraphics(6)"});
  ASSERT_TRUE(CanvasGraphics(canvas));
  EXPECT_EQ(CanvasGraphics(canvas)->flags, 6);
  driver->createNull = true;
  EXPECT_EQ(MakeCanvas(0, 0, 10, 10, group, 0), nullptr);
}

TEST_F(Toolkit, AppendEntryInsertsAtTheCountInItemOrder) {
  auto box = MakeListBox(0, 0, 0, 0, group, 0);
  for (int i = 0; i < 3; ++i) AppendGadgetEntry(box, u"x");
  CallLog().clear();
  auto extra = MakeText(u"extra");
  AppendGadgetEntry(box, u"text", 0, 9, u"tip", extra);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"InsertListItem(3,text,tip,9,extra)"});
  EXPECT_EQ(GetEntryText(box, 3), u"text");
  EXPECT_EQ(box->ItemTip(3), u"tip");
  EXPECT_EQ(GetEntryIcon(box, 3), 9);
  EXPECT_EQ(GetEntryExtra(box, 3), Ref<TObject>(extra));
  EXPECT_EQ(GetEntryFlags(box, 3), 0);
  // flags land in flags: 1 selects the entry right after insertion.
  AppendGadgetEntry(box, u"sel", ItemFlag::SelectOnSet, 0, u"", nullptr);
  EXPECT_EQ(GetEntryFlags(box, 4), ItemFlag::SelectOnSet);
  EXPECT_EQ(GetSelectedEntry(box), 4);
}

TEST_F(Toolkit, InsertChangeAndDeleteEntriesReachTheItemOperations) {
  auto box = MakeComboBox(0, 0, 0, 0, group, 0);
  AppendGadgetEntry(box, u"a");
  InsertGadgetEntry(box, 0, u"b", 0, 4, u"tb", nullptr);
  ChangeGadgetEntry(box, 1, u"c", 0, 5, u"tc", nullptr);
  DeleteGadgetEntry(box, 0);
  EXPECT_EQ(CountGadgetEntries(box), 1);
  EXPECT_EQ(GetEntryText(box, 0), u"c");
  EXPECT_EQ(CallsStartingWith("InsertListItem(0,b"),
            std::vector<std::string>{"InsertListItem(0,b,tb,4,null)"});
  EXPECT_EQ(CallsStartingWith("SetListItem(1"), std::vector<std::string>{"SetListItem(1,c,tc,5,null)"});
  ClearGadgetEntries(box);
  EXPECT_EQ(CountGadgetEntries(box), 0);
}

TEST_F(Toolkit, EntryStateFunctionsKeepOtherBits) {
  auto box = Cast<TRecordingGadget>(MakeListBox(0, 0, 0, 0, group, 0));
  AppendGadgetEntry(box, u"a");
  AppendGadgetEntry(box, u"b");
  box->nativeStates[0] = GadgetState::Selected;
  DisableGadgetEntry(box, 0);
  EXPECT_EQ(box->nativeStates[0], GadgetState::Selected | GadgetState::Disabled);
  EnableGadgetEntry(box, 0);
  EXPECT_EQ(box->nativeStates[0], GadgetState::Selected);
  ToggleGadgetEntry(box, -1);
  EXPECT_EQ(GetSelectedEntries(box), std::vector<int32_t>{1});
  SelectGadgetEntry(box, -1);
  EXPECT_EQ(GetSelectedEntries(box), (std::vector<int32_t>{0, 1}));
  DeselectGadgetEntry(box, 1);
  EXPECT_EQ(GetSelectedEntry(box), 0);
}

TEST_F(Toolkit, TextAreaRangeFunctionsReorderTheirArguments) {
  auto area = MakeTextArea(0, 0, 0, 0, group, 0);
  CallLog().clear();
  ReplaceTextAreaRange(area, u"new", 4, 2, TextUnits::Chars);
  StyleTextAreaRange(area, 1, 2, 3, FontStyle::Strikeout, 10, 20, TextUnits::Lines);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"ReplaceText(4,2,new,1)", "SetStyle(1,2,3,8,10,20,2)"}));
}

TEST_F(Toolkit, StateQueriesAnswerOneOrZeroNeverTheRawBit) {
  auto g = Cast<TRecordingGadget>(MakeWindow(u"W", 0, 0, 0, 0, nullptr, 0));
  g->state = GadgetState::Hidden | GadgetState::Maximized | GadgetState::Selected;
  EXPECT_EQ(IsGadgetHidden(g), 1);
  EXPECT_EQ(IsGadgetDisabled(g), 0);
  EXPECT_EQ(IsWindowMaximized(g), 1);
  EXPECT_EQ(IsWindowMinimized(g), 0);
  EXPECT_EQ(IsMenuTicked(g), 1);
  EXPECT_EQ(GetButtonCheck(g), 1);
  EXPECT_EQ(IsMenuEnabled(g), 1);
  g->state = GadgetState::Disabled | GadgetState::Minimized;
  EXPECT_EQ(IsGadgetHidden(g), 0);
  EXPECT_EQ(IsGadgetDisabled(g), 1);
  EXPECT_EQ(IsWindowMinimized(g), 1);
  EXPECT_EQ(IsMenuEnabled(g), 0);
  EXPECT_EQ(GetButtonCheck(g), 0);
  EXPECT_EQ(GetHtmlViewState(g), GadgetState::Disabled | GadgetState::Minimized);
}

TEST_F(Toolkit, ActivationFunctionsSendTheirCommands) {
  auto g = MakeWindow(u"W", 0, 0, 0, 0, nullptr, 0);
  CallLog().clear();
  FocusGadget(g);
  CutFromGadget(g);
  CopyFromGadget(g);
  PasteIntoGadget(g);
  WindowToMinimized(g);
  WindowToMaximized(g);
  WindowToNormal(g);
  SelectTreeNode(g);
  ExpandTreeNode(g);
  CollapseTreeNode(g);
  HtmlViewGoBack(g);
  HtmlViewGoForward(g);
  PrintGadget(g);
  RepaintGadget(g);
  FocusWindow(g);
  std::vector<std::string> expected;
  for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0})
    expected.push_back("Activate(" + std::to_string(c) + ")");
  EXPECT_EQ(CallLog(), expected);
}

TEST_F(Toolkit, GadgetFunctionsReachTheirOperations) {
  auto w = MakeWindow(u"W", 5, 6, 7, 8, nullptr, 0);
  CallLog().clear();
  RevealGadget(w);
  ConcealGadget(w);
  EnableGadgetInput(w);
  DisableGadgetInput(w);
  TickMenuEntry(w);
  UntickMenuEntry(w);
  ChangeButtonCheck(w, 1);
  ChangeGadgetColor(w, 1, 2, 3, 1);
  ChangeGadgetColor(w, 4, 5, 6, 0);
  ChangeTextAreaColor(w, 7, 8, 9, 0);
  ChangeGadgetTextColor(w, 1, 1, 1);
  ChangePanelColor(w, 2, 2, 2);
  ChangeGadgetText(w, u"T");
  NavigateHtmlView(w, u"url");
  EXPECT_EQ(CallLog(),
            (std::vector<std::string>{"SetShow(1)", "SetShow(0)", "SetEnabled(1)", "SetEnabled(0)",
                                      "SetSelected(1)", "SetSelected(0)", "SetSelected(1)", "SetColor(1,2,3)",
                                      "SetTextColor(4,5,6)", "SetTextColor(7,8,9)", "SetTextColor(1,1,1)",
                                      "SetColor(2,2,2)", "SetText(T)", "SetText(url)"}));
  EXPECT_EQ(GetGadgetX(w), 5);
  EXPECT_EQ(GetGadgetY(w), 6);
  EXPECT_EQ(GetGadgetWidth(w), 7);
  EXPECT_EQ(GetGadgetHeight(w), 8);
  EXPECT_EQ(GetGadgetText(w), u"W");
  EXPECT_EQ(QueryGadgetHandle(w, QueryKind::NativeHandle), 1000);
  EXPECT_EQ(RunHtmlViewScript(w, u"s"), u"ran:s");
}

TEST_F(Toolkit, ReshapeAndEdgesRecordTheLayoutBase) {
  driver->clientWidth = 300;
  driver->clientHeight = 200;
  auto w = MakeWindow(u"W", 0, 0, 300, 200, nullptr, 0);
  auto b = MakeButton(u"B", 0, 0, 0, 0, w, 0);
  ReshapeGadget(b, 10, 20, 30, 40);
  SetGadgetEdges(b, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Aligned);
  EXPECT_EQ(b->lockw, 30);
  EXPECT_EQ(b->lockcw, 300);
  EXPECT_EQ(b->lockr, EdgeMode::Aligned);
  EXPECT_EQ(GetGadgetParent(b), w);
  EXPECT_EQ(ClientWidth(w), 300);
}

TEST_F(Toolkit, TreeNodeFunctionsInsertOnTheGivenNode) {
  auto tree = MakeTreeView(0, 0, 0, 0, group, 0);
  CallLog().clear();
  auto a = AppendTreeNode(u"a", tree, 2);
  InsertTreeNode(0, u"b", tree, 3);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"InsertNode(-1,a,2)", "InsertNode(0,b,3)"}));
  EXPECT_EQ(a->name, u"a");
}

TEST_F(Toolkit, FontStyleIsBoldOneItalicTwoUnderlineFour) {
  Ref<TGuiFont> f = OpenGuiFont(u"Arial", 12, 1, 0, 1);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"LoadFont(Arial,12,5)"});
  EXPECT_EQ(GetFontStyle(f), FontStyle::Bold | FontStyle::Underline);
  EXPECT_EQ(GetFontName(f), u"Arial");
  EXPECT_EQ(GetFontSize(f), 12);
  OpenGuiFont(u"A", 9, 0, 7, 0);
  EXPECT_EQ(CallLog().back(), "LoadFont(A,9,2)");
  EXPECT_EQ(GetFontName(nullptr), u"");
  EXPECT_EQ(GetFontSize(nullptr), 0);
}

TEST_F(Toolkit, ChosenBlackCountsAsChosen) {
  driver->colorAnswer = static_cast<int32_t>(0xFF000000u);
  EXPECT_EQ(RequestColor(10, 20, 30), 1);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"RequestColor(10,20,30)"});
  EXPECT_EQ(ChosenRed(), 0);
  EXPECT_EQ(ChosenGreen(), 0);
  EXPECT_EQ(ChosenBlue(), 0);
}

TEST_F(Toolkit, CancelledColourRequestKeepsTheLastColour) {
  driver->colorAnswer = static_cast<int32_t>(0xFF102030u);
  ASSERT_EQ(RequestColor(0, 0, 0), 1);
  driver->colorAnswer = 0;
  EXPECT_EQ(RequestColor(0, 0, 0), 0);
  EXPECT_EQ(ChosenRed(), 0x10);
  EXPECT_EQ(ChosenGreen(), 0x20);
  EXPECT_EQ(ChosenBlue(), 0x30);
}

TEST_F(Toolkit, ServicesReachTheDriver) {
  Ref<TGuiFont> font = driver->LoadFont(u"F", 10, 0);
  CallLog().clear();
  SetPointer(3);
  ActiveGadget();
  EXPECT_EQ(RequestFont(font), font);
  EXPECT_EQ(LoadIconStrip(nullptr), nullptr);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetPointer(3)", "ActiveGadget()", "RequestFont(F)",
                                                 "LoadIconStrip(null)"}));
}

// A gadget made before the start: the error names the function and the start to call.
TEST_F(Toolkit, WithoutADriverCreationAndServicesRaiseAClearError) {
  ActiveGuiDriver = nullptr;
  struct Case {
    std::u16string function;
    std::function<void()> call;
  } cases[] = {
      {u"MakeWindow", [] { MakeWindow(u"W", 0, 0, 0, 0, nullptr, 0); }},
      {u"GetDesktop", [] { GetDesktop(); }},
      {u"MakeMenu", [] { MakeMenu(u"M", 1, nullptr, 0, 0); }},
      {u"MakeButton", [] { MakeButton(u"B", 0, 0, 0, 0, nullptr, 0); }},
      {u"MakeToolBar", [] { MakeToolBar(nullptr, 0, 0, 0, 0, nullptr, 0); }},
      {u"RequestColor", [] { RequestColor(0, 0, 0); }},
      {u"OpenGuiFont", [] { OpenGuiFont(u"A", 1, 0, 0, 0); }},
      {u"SetPointer", [] { SetPointer(0); }},
      {u"ActiveGadget", [] { ActiveGadget(); }},
      {u"LoadIconStrip", [] { LoadIconStrip(nullptr); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.function));
    try {
      c.call();
      ADD_FAILURE() << "no error";
    } catch (const TRuntimeError& e) {
      EXPECT_EQ(e.Text(), c.function + u": no gadget driver installed (call Win32GuiModuleStart first)");
    }
  }
}

// A child kind needs a live group: made with a Null one or in a freed window it would be a gadget
// without a native window, and no word of why.
TEST_F(Toolkit, ChildKindsRefuseANullOrFreedGroupNamingTheFunctionAndTheGroup) {
  auto freed = MakeWindow(u"Gone", 0, 0, 100, 100, nullptr, 0);
  DestroyGadget(freed);
  struct Case {
    std::u16string function;
    std::function<Ref<TGadget>(const Ref<TGadget>&)> make;
  } kinds[] = {
      {u"MakeButton", [](const Ref<TGadget>& g) { return MakeButton(u"B", 0, 0, 9, 9, g, 0); }},
      {u"MakeLabel", [](const Ref<TGadget>& g) { return MakeLabel(u"L", 0, 0, 9, 9, g, 0); }},
      {u"MakePanel", [](const Ref<TGadget>& g) { return MakePanel(0, 0, 9, 9, g, 0); }},
      {u"MakeCanvas", [](const Ref<TGadget>& g) { return MakeCanvas(0, 0, 9, 9, g, 0); }},
      {u"MakeListBox", [](const Ref<TGadget>& g) { return MakeListBox(0, 0, 9, 9, g, 0); }},
      {u"MakeComboBox", [](const Ref<TGadget>& g) { return MakeComboBox(0, 0, 9, 9, g, 0); }},
      {u"MakeToolBar", [](const Ref<TGadget>& g) { return MakeToolBar(nullptr, 0, 0, 9, 9, g, 0); }},
      {u"MakeTreeView", [](const Ref<TGadget>& g) { return MakeTreeView(0, 0, 9, 9, g, 0); }},
  };
  for (const Case& c : kinds) {
    SCOPED_TRACE(Utf8(c.function));
    CallLog().clear();
    for (const Ref<TGadget>& g : {Ref<TGadget>(), freed}) {
      try {
        c.make(g);
        ADD_FAILURE() << "no error";
      } catch (const TRuntimeError& e) {
        EXPECT_EQ(e.Text().rfind(c.function + u": ", 0), 0u) << Utf8(e.Text());
        EXPECT_NE(e.Text().find(g ? u"the group \"Gone\" was freed" : u"the group is Null"),
                  std::u16string::npos)
            << Utf8(e.Text());
      }
    }
    // Refused before the driver was asked for anything.
    EXPECT_TRUE(CallsStartingWith("CreateGadget").empty());
    EXPECT_TRUE(c.make(group));
  }
  // A window and a popup menu need no group; neither may name a freed one.
  EXPECT_TRUE(MakeWindow(u"W", 0, 0, 9, 9, nullptr, 0));
  EXPECT_TRUE(MakeMenu(u"Popup", 1, nullptr));
  EXPECT_THROW(MakeWindow(u"Owned", 0, 0, 9, 9, freed, 0), TRuntimeError);
  EXPECT_THROW(MakeMenu(u"Item", 1, freed), TRuntimeError);
}

// The entry functions on a freed list do what every operation on a freed gadget does: nothing, and
// answer as if it were empty.
TEST_F(Toolkit, EntryFunctionsOnAFreedListChangeNothingAndReadItEmpty) {
  auto list = MakeListBox(0, 0, 9, 9, group, 0);
  AppendGadgetEntry(list, u"a");
  AppendGadgetEntry(list, u"b", ItemFlag::SelectOnSet);
  DestroyGadget(list);
  CallLog().clear();
  AppendGadgetEntry(list, u"c");
  InsertGadgetEntry(list, 0, u"d");
  ChangeGadgetEntry(list, 0, u"e");
  DeleteGadgetEntry(list, 0);
  SelectGadgetEntry(list, 0);
  DeselectGadgetEntry(list, 1);
  ToggleGadgetEntry(list, 0);
  EnableGadgetEntry(list, 0);
  DisableGadgetEntry(list, 0);
  ClearGadgetEntries(list);
  ChangeToolBarTips(list, {u"tip"});
  EXPECT_EQ(CallLog(), std::vector<std::string>{});
  EXPECT_EQ(CountGadgetEntries(list), 0);
  EXPECT_EQ(GetSelectedEntry(list), -1);
  EXPECT_EQ(GetSelectedEntries(list), std::vector<int32_t>{});
  EXPECT_EQ(GetEntryText(list, 0), u"");
  EXPECT_EQ(GetEntryIcon(list, 0), 0);
  EXPECT_EQ(GetEntryExtra(list, 0), nullptr);
  EXPECT_EQ(GetEntryFlags(list, 0), 0);
  // A Null list is still a mistake of its own.
  EXPECT_THROW(AppendGadgetEntry(nullptr, u"x"), TRuntimeError);
}

// Another thread may not touch the toolkit: every gadget function and every creation function
// refuses it, naming itself and the way to hand the call over.
TEST_F(Toolkit, CallsFromAnotherThreadRaiseAnErrorNamingPostMainThreadCall) {
  auto list = MakeListBox(0, 0, 9, 9, group, 0);
  struct Case {
    std::u16string function;
    std::function<void()> call;
  } cases[] = {
      {u"AppendGadgetEntry", [&] { AppendGadgetEntry(list, u"x"); }},
      {u"ChangeGadgetText", [&] { ChangeGadgetText(list, u"x"); }},
      {u"SelectTreeNode", [&] { SelectTreeNode(list); }},
      {u"MakeButton", [&] { MakeButton(u"B", 0, 0, 9, 9, group, 0); }},
      {u"SetPointer", [] { SetPointer(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.function));
    std::u16string error;
    std::thread([&] {
      try {
        c.call();
      } catch (const TRuntimeError& e) {
        error = e.Text();
      }
    }).join();
    EXPECT_EQ(error.rfind(c.function + u": called from a thread other than the main one", 0), 0u)
        << Utf8(error);
    EXPECT_NE(error.find(u"PostMainThreadCall"), std::u16string::npos);
  }
  EXPECT_EQ(CountGadgetEntries(list), 0);
  EXPECT_TRUE(CallsStartingWith("SetText").empty());
}

TEST_F(Toolkit, BaseDriverOperationsAreAbstract) {
  TGuiDriver base;
  EXPECT_THROW(base.LoadFont(u"", 0, 0), TNullMethodException);
  EXPECT_THROW(base.CreateGadget(1, u"", 0, 0, 0, 0, nullptr, 0), TNullMethodException);
  EXPECT_THROW(base.ActiveGadget(), TNullMethodException);
  EXPECT_THROW(base.RequestColor(0, 0, 0), TNullMethodException);
  EXPECT_THROW(base.RequestFont(nullptr), TNullMethodException);
  EXPECT_THROW(base.SetPointer(0), TNullMethodException);
  EXPECT_THROW(base.LoadIconStrip(nullptr), TNullMethodException);
  try {
    base.SetPointer(0);
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"Attempt to call abstract method");
  }
}

TEST_F(Toolkit, NullGadgetArgumentRaisesInsteadOfCrashing) {
  EXPECT_THROW(ChangeGadgetText(nullptr, u"x"), TRuntimeError);
  EXPECT_THROW(AppendGadgetEntry(nullptr, u"x"), TRuntimeError);
  EXPECT_THROW(QueryGadgetHandle(nullptr, QueryKind::NativeHandle), TRuntimeError);
}

TEST_F(Toolkit, DestroyFreesTheGadgetAndItsKids) {
  auto w = MakeWindow(u"W", 0, 0, 0, 0, nullptr, 0);
  MakeButton(u"B", 0, 0, 0, 0, w, 0);
  CallLog().clear();
  DestroyGadget(w);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"Free(W)", "Free(B)"}));
  EXPECT_EQ(w->kids->Count(), 0u);
}

}  // namespace

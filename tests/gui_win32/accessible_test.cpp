// What a screen reader is told about each gadget: the name and role the platform's accessibility
// query answers for its window, the name following the program's changes, and a freed gadget's
// object answering an error instead of crashing.
#include <windows.h>
// The accessibility interfaces need the base platform header first.
#include <oleacc.h>

#include <string>

#include "gui/constants.h"
#include "tests/gui_win32/gallery_shape.h"
#include "tests/gui_win32/support.h"

namespace {

// Polish and Japanese: a name beyond the 8-bit code page.
const std::u16string Sample = u"Za\u017c\u00f3\u0142\u0107 \u65e5\u672c\u8a9e";

// The object a screen reader gets for the window's client area; none when the query fails, which
// is then reported with its result.
IAccessible* ObjectOf(HWND h) {
  IAccessible* object = nullptr;
  const HRESULT result = AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                                    reinterpret_cast<void**>(&object));
  if (FAILED(result)) {
    ADD_FAILURE() << "AccessibleObjectFromWindow answered " << std::hex << result;
    return nullptr;
  }
  return object;
}

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

struct Told {
  HRESULT result = E_FAIL;
  std::u16string name;
};

Told NameOf(IAccessible* object) {
  Told told;
  BSTR name = nullptr;
  told.result = object->get_accName(Self(), &name);
  if (name) told.name = reinterpret_cast<const char16_t*>(name);
  SysFreeString(name);
  return told;
}

// The role, or -1 when the object answers none.
LONG RoleOf(IAccessible* object) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(Self(), &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

class Accessible : public DriverTest {};

TEST_F(Accessible, EveryKindAnswersItsNameAndRole) {
  GalleryShape s = MakeGalleryShape();
  // The kinds the gallery's shape lacks, and fields after labels, in a window of their own.
  auto win = MakeWindow(Sample, 60, 60, 420, 360, nullptr, WindowStyle::TitleBar);
  auto nameLabel = MakeLabel(u"Name:", 10, 10, 80, 20, win, 0);
  auto nameField = MakeTextField(100, 10, 70, 24, win, 0);
  auto password = MakeTextField(180, 10, 70, 24, win, TextFieldStyle::Password);
  auto sampleLabel = MakeLabel(Sample, 10, 40, 80, 20, win, 0);
  auto combo = MakeComboBox(100, 40, 150, 24, win, 0);
  auto save = MakeButton(u"&Save", 10, 70, 80, 26, win, ButtonStyle::Push);
  auto radio = MakeButton(u"Ra&dio", 100, 70, 80, 26, win, ButtonStyle::Radio);
  auto afterRadio = MakeTextField(190, 70, 60, 24, win, 0);
  auto filesLabel = MakeLabel(u"R&D files", 10, 100, 80, 20, win, 0);
  auto list = MakeListBox(100, 100, 150, 60, win, 0);
  MakeLabel(u"Progress", 10, 170, 80, 20, win, 0);
  auto progress = MakeProgressBar(100, 170, 150, 20, win, 0);
  auto separator = MakeLabel(u"", 10, 200, 240, 4, win, LabelStyle::Separator);
  auto empty = MakeLabel(u"", 120, 250, 80, 20, win, 0);
  auto bar = MakeToolBar(nullptr, 10, 210, 240, 30, win, 0);
  auto canvas = MakeCanvas(10, 250, 100, 60, win, 0);
  auto options = MakePanel(260, 10, 150, 100, win, PanelStyle::GroupBox, u"&Options");
  MakeLabel(u"Level", 10, 10, 60, 20, options, 0);
  auto level = MakeSlider(10, 30, 120, 30, options, SliderStyle::TrackBar | SliderStyle::Horizontal);
  Pump();

  const struct {
    const char* what;
    HWND window;
    std::u16string name;
    LONG role;
  } cases[] = {
      {"window", Hwnd(s.win), u"test", ROLE_SYSTEM_CLIENT},
      {"window with a non-Latin title", Hwnd(win), Sample, ROLE_SYSTEM_CLIENT},
      {"panel", Hwnd(s.outer), u"", ROLE_SYSTEM_PANE},
      {"field without a label", Hwnd(s.field), u"", ROLE_SYSTEM_TEXT},
      {"bordered panel", Hwnd(s.inner), u"", ROLE_SYSTEM_PANE},
      {"push button", Hwnd(s.push), u"Push", ROLE_SYSTEM_PUSHBUTTON},
      {"check box", Hwnd(s.check), u"Check", ROLE_SYSTEM_CHECKBUTTON},
      {"group box", Hwnd(s.group), u"Sliders", ROLE_SYSTEM_GROUPING},
      {"track bar", Hwnd(s.track), u"", ROLE_SYSTEM_SLIDER},
      {"scroll bar", Hwnd(s.scroll), u"", ROLE_SYSTEM_SCROLLBAR},
      {"up-down", Hwnd(s.updown), u"", ROLE_SYSTEM_SPINBUTTON},
      {"tab strip", GalleryShape::Target(s.tabber), u"", ROLE_SYSTEM_PAGETABLIST},
      {"tab page area", Hwnd(s.tabber), u"One", ROLE_SYSTEM_PROPERTYPAGE},
      {"panel on a page", Hwnd(s.page1), u"", ROLE_SYSTEM_PANE},
      {"button on a page", Hwnd(s.pageButton), u"On page one", ROLE_SYSTEM_PUSHBUTTON},
      {"list on a hidden page", Hwnd(s.pageList), u"", ROLE_SYSTEM_LIST},
      {"tree", Hwnd(s.tree), u"", ROLE_SYSTEM_OUTLINE},
      {"text area", Hwnd(s.area), u"", ROLE_SYSTEM_TEXT},
      {"default button", Hwnd(s.ok), u"OK", ROLE_SYSTEM_PUSHBUTTON},
      {"label", Hwnd(nameLabel), u"Name:", ROLE_SYSTEM_STATICTEXT},
      {"field after a label", Hwnd(nameField), u"Name:", ROLE_SYSTEM_TEXT},
      {"second field under the same label", Hwnd(password), u"Name:", ROLE_SYSTEM_TEXT},
      {"non-Latin label", Hwnd(sampleLabel), Sample, ROLE_SYSTEM_STATICTEXT},
      {"combo box after a non-Latin label", Hwnd(combo), Sample, ROLE_SYSTEM_COMBOBOX},
      {"button with an access key", Hwnd(save), u"Save", ROLE_SYSTEM_PUSHBUTTON},
      {"radio button with an access key", Hwnd(radio), u"Radio", ROLE_SYSTEM_RADIOBUTTON},
      {"field after buttons takes no label from before them", Hwnd(afterRadio), u"", ROLE_SYSTEM_TEXT},
      {"label showing its ampersand", Hwnd(filesLabel), u"R&D files", ROLE_SYSTEM_STATICTEXT},
      {"list after that label", Hwnd(list), u"R&D files", ROLE_SYSTEM_LIST},
      {"progress bar after a label", Hwnd(progress), u"Progress", ROLE_SYSTEM_PROGRESSBAR},
      {"separator", Hwnd(separator), u"", ROLE_SYSTEM_SEPARATOR},
      {"label made empty", Hwnd(empty), u"", ROLE_SYSTEM_STATICTEXT},
      {"tool bar", Hwnd(bar), u"", ROLE_SYSTEM_TOOLBAR},
      {"canvas", Hwnd(canvas), u"", ROLE_SYSTEM_CLIENT},
      {"group box with an access key", Hwnd(options), u"Options", ROLE_SYSTEM_GROUPING},
      {"track bar after a label in a group box", Hwnd(level), u"Level", ROLE_SYSTEM_SLIDER},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    IAccessible* object = ObjectOf(c.window);
    ASSERT_NE(object, nullptr);
    const Told told = NameOf(object);
    EXPECT_TRUE(SUCCEEDED(told.result)) << std::hex << told.result;
    EXPECT_EQ(told.name, c.name);
    EXPECT_EQ(RoleOf(object), c.role);
    object->Release();
  }
}

// A reader asks the window that has the focus, as the user moves it with Tab.
TEST_F(Accessible, TheFocusedControlAnswersAsTabMovesOn) {
  auto win = TestWindow(WindowStyle::TitleBar, 420, 300);
  auto nameLabel = MakeLabel(u"Name:", 10, 10, 80, 20, win, 0);
  auto field = MakeTextField(100, 10, 150, 24, win, 0);
  auto listLabel = MakeLabel(Sample, 10, 40, 80, 20, win, 0);
  auto list = MakeListBox(100, 40, 150, 60, win, 0);
  // A combo box holds the focus in a window of its own inside it, its edit field when editable.
  auto combo = MakeComboBox(260, 40, 150, 24, win, 0);
  AppendGadgetEntry(combo, u"first");
  auto editable = MakeComboBox(260, 70, 150, 24, win, ComboBoxStyle::Editable);
  auto save = MakeButton(u"&Save", 10, 110, 80, 26, win, ButtonStyle::Push);
  auto tree = MakeTreeView(100, 110, 150, 80, win, 0);
  AppendTreeNode(u"Node", GetTreeRoot(tree));
  Pump();
  FocusGadget(field);
  Pump();
  const struct {
    const char* stop;
    std::u16string name;
    LONG role;
  } stops[] = {
      {"field", u"Name:", ROLE_SYSTEM_TEXT},       {"list", Sample, ROLE_SYSTEM_LIST},
      {"combo box", Sample, ROLE_SYSTEM_COMBOBOX}, {"editable combo box", Sample, ROLE_SYSTEM_COMBOBOX},
      {"button", u"Save", ROLE_SYSTEM_PUSHBUTTON}, {"tree", u"", ROLE_SYSTEM_OUTLINE},
  };
  for (const auto& stop : stops) {
    SCOPED_TRACE(stop.stop);
    IAccessible* object = ObjectOf(GetFocus());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(NameOf(object).name, stop.name);
    EXPECT_EQ(RoleOf(object), stop.role);
    object->Release();
    PressKeys({VK_TAB});
  }
}

// A window with a label, the field it names and a button, and the objects a reader keeps for the
// field and the button (none when the query failed; the caller releases them).
struct LabelledField {
  Ref<TGadget> win, label, field, button;
  IAccessible* fieldObject;
  IAccessible* buttonObject;
};

LabelledField MakeLabelledField() {
  LabelledField f;
  f.win = TestWindow(WindowStyle::TitleBar, 400, 200);
  f.label = MakeLabel(u"Name:", 10, 10, 80, 20, f.win, 0);
  f.field = MakeTextField(100, 10, 150, 24, f.win, 0);
  f.button = MakeButton(u"&Save", 10, 40, 80, 26, f.win, ButtonStyle::Push);
  Pump();
  f.fieldObject = ObjectOf(Hwnd(f.field));
  f.buttonObject = ObjectOf(Hwnd(f.button));
  return f;
}

TEST_F(Accessible, TheNameFollowsTheProgramsChanges) {
  // The reader keeps the object it was given and asks it again after each change.
  const LabelledField f = MakeLabelledField();
  ASSERT_NE(f.fieldObject, nullptr);
  ASSERT_NE(f.buttonObject, nullptr);
  const struct {
    const char* what;
    Ref<TGadget> changed;
    std::u16string text;
    IAccessible* asked;
    std::u16string name;
  } cases[] = {
      {"button renamed", f.button, u"&Open", f.buttonObject, u"Open"},
      {"button renamed to a non-Latin text", f.button, Sample, f.buttonObject, Sample},
      {"its label renamed", f.label, u"Address:", f.fieldObject, u"Address:"},
      // What the user typed is the field's value, never its name.
      {"field's own text changed", f.field, u"typed", f.fieldObject, u"Address:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChangeGadgetText(c.changed, c.text);
    Pump();
    EXPECT_EQ(NameOf(c.asked).name, c.name);
  }
  f.fieldObject->Release();
  f.buttonObject->Release();
}

TEST_F(Accessible, AFreedGadgetsObjectAnswersAnError) {
  const LabelledField f = MakeLabelledField();
  ASSERT_NE(f.fieldObject, nullptr);
  ASSERT_NE(f.buttonObject, nullptr);
  // The label goes first: the field left behind has nothing to take its name from.
  DestroyGadget(f.label);
  Pump();
  EXPECT_EQ(NameOf(f.fieldObject).name, u"");
  DestroyGadget(f.button);
  DestroyGadget(f.win);
  Pump();
  for (IAccessible* object : {f.fieldObject, f.buttonObject}) {
    const Told told = NameOf(object);
    EXPECT_TRUE(FAILED(told.result)) << std::hex << told.result;
    EXPECT_EQ(told.name, u"");
    EXPECT_EQ(RoleOf(object), -1);
    object->Release();
  }
}

}  // namespace

// The role table of the controls the kinds make, and where each control takes its name from.
#include "gui/win32/native/access_names.h"

// The common controls' class names and the accessibility roles need the base platform header
// first.
#include <commctrl.h>
#include <oleacc.h>
#include <richedit.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "gui/constants.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"
#include "runtime/wide.h"

namespace {

enum class NameFrom {
  Text,       // the window text as it shows
  KeyedText,  // the window text, where '&' marks the access key the control underlines
  Label,      // the label before it: the control's own text is what the user typed or chose
  ShownTab,   // a tabber's page area: the tab that shows it
};

struct Rule {
  const wchar_t* cls;
  DWORD mask;  // the style bits that tell this control apart from others of its class
  DWORD value;
  LONG role;
  NameFrom name;
};

// The first row of the class whose style bits match holds; a row without a mask takes the rest of
// its class.
constexpr Rule Rules[] = {
    {WC_BUTTONW, BS_TYPEMASK, BS_GROUPBOX, ROLE_SYSTEM_GROUPING, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_CHECKBOX, ROLE_SYSTEM_CHECKBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_AUTOCHECKBOX, ROLE_SYSTEM_CHECKBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_3STATE, ROLE_SYSTEM_CHECKBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_AUTO3STATE, ROLE_SYSTEM_CHECKBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_RADIOBUTTON, ROLE_SYSTEM_RADIOBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, BS_TYPEMASK, BS_AUTORADIOBUTTON, ROLE_SYSTEM_RADIOBUTTON, NameFrom::KeyedText},
    {WC_BUTTONW, 0, 0, ROLE_SYSTEM_PUSHBUTTON, NameFrom::KeyedText},
    {WC_STATICW, SS_TYPEMASK, SS_ETCHEDFRAME, ROLE_SYSTEM_SEPARATOR, NameFrom::Text},
    {WC_STATICW, SS_NOPREFIX, SS_NOPREFIX, ROLE_SYSTEM_STATICTEXT, NameFrom::Text},
    {WC_STATICW, 0, 0, ROLE_SYSTEM_STATICTEXT, NameFrom::KeyedText},
    {WC_EDITW, 0, 0, ROLE_SYSTEM_TEXT, NameFrom::Label},
    {RICHEDIT_CLASSW, 0, 0, ROLE_SYSTEM_TEXT, NameFrom::Label},
    {WC_LISTVIEWW, 0, 0, ROLE_SYSTEM_LIST, NameFrom::Label},
    {WC_COMBOBOXEXW, 0, 0, ROLE_SYSTEM_COMBOBOX, NameFrom::Label},
    {WC_COMBOBOXW, 0, 0, ROLE_SYSTEM_COMBOBOX, NameFrom::Label},
    {WC_TREEVIEWW, 0, 0, ROLE_SYSTEM_OUTLINE, NameFrom::Label},
    {WC_TABCONTROLW, 0, 0, ROLE_SYSTEM_PAGETABLIST, NameFrom::Label},
    {TRACKBAR_CLASSW, 0, 0, ROLE_SYSTEM_SLIDER, NameFrom::Label},
    {PROGRESS_CLASSW, 0, 0, ROLE_SYSTEM_PROGRESSBAR, NameFrom::Label},
    {WC_SCROLLBARW, 0, 0, ROLE_SYSTEM_SCROLLBAR, NameFrom::Label},
    {UPDOWN_CLASSW, 0, 0, ROLE_SYSTEM_SPINBUTTON, NameFrom::Label},
    {TOOLBARCLASSNAMEW, 0, 0, ROLE_SYSTEM_TOOLBAR, NameFrom::Text},
    {STATUSCLASSNAMEW, 0, 0, ROLE_SYSTEM_STATUSBAR, NameFrom::Text},
};

VellGadget* GadgetOf(HWND hwnd) {
  Win32Hwnd* record = FindHwnd(hwnd);
  return record ? record->gadget : nullptr;
}

// The driver's own class serves windows, their client areas, panels, canvases and tab pages alike:
// only the gadget tells them apart.
Rule ToolkitRule(HWND hwnd) {
  VellGadget* gadget = GadgetOf(hwnd);
  const bool topLevel = !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD);
  if (topLevel || dynamic_cast<VellWindow*>(gadget))
    return {nullptr, 0, 0, ROLE_SYSTEM_CLIENT, NameFrom::Text};
  if (dynamic_cast<VellTabber*>(gadget)) return {nullptr, 0, 0, ROLE_SYSTEM_PROPERTYPAGE, NameFrom::ShownTab};
  if (dynamic_cast<VellPanel*>(gadget) && (gadget->style & PanelStyle::Active))
    return {nullptr, 0, 0, ROLE_SYSTEM_CLIENT, NameFrom::Text};
  return {nullptr, 0, 0, ROLE_SYSTEM_PANE, NameFrom::Text};
}

Rule RuleOf(HWND hwnd) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, static_cast<int>(std::size(cls)));
  if (lstrcmpiW(cls, RegisterWindowClass()) == 0) return ToolkitRule(hwnd);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  for (const Rule& r : Rules) {
    if (lstrcmpiW(cls, r.cls) == 0 && (style & r.mask) == r.value) return r;
  }
  // What the platform answers for a window it knows nothing of.
  return {nullptr, 0, 0, ROLE_SYSTEM_CLIENT, NameFrom::Text};
}

// The text as it reads: "&&" shows one '&', any other '&' only underlines the character after it.
std::u16string WithoutAccessKeys(const std::u16string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && ++i == text.size()) break;
    out += text[i];
  }
  return out;
}

// The page area lies inside the tab control; its tabs show access keys like a button.
std::u16string ShownTab(HWND page) {
  const HWND tabs = GetParent(page);
  const LRESULT shown = SendMessageW(tabs, TCM_GETCURSEL, 0, 0);
  if (shown < 0) return {};
  std::u16string text(MaxWindowText + 1, u'\0');
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = Wide(text);
  tab.cchTextMax = static_cast<int>(text.size());
  if (!SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(&tab)))
    return {};
  return WithoutAccessKeys(FromWide(tab.pszText));
}

std::u16string OwnName(HWND hwnd, NameFrom from) {
  switch (from) {
    case NameFrom::KeyedText:
      return WithoutAccessKeys(NativeText(hwnd));
    case NameFrom::ShownTab:
      return ShownTab(hwnd);
    default:
      return NativeText(hwnd);
  }
}

// Walks back over labels left empty and over controls that are named by a label themselves (a row
// of fields under one label); anything else between a label and the control parts them.
std::u16string LabelBefore(HWND hwnd) {
  VellGadget* gadget = GadgetOf(hwnd);
  if (!gadget || !gadget->group) return {};
  const std::vector<VellGadget*>& kids = gadget->group->kids;
  auto at = std::find(kids.begin(), kids.end(), gadget);
  if (at == kids.end()) return {};
  while (at != kids.begin()) {
    VellGadget* kid = *--at;
    const HWND before = reinterpret_cast<HWND>(kid->Query(QueryKind::NativeHandle));
    const NameFrom from = RuleOf(before).name;
    if (from == NameFrom::Label) continue;
    if (!dynamic_cast<VellLabel*>(kid)) return {};
    std::u16string name = OwnName(before, from);
    if (!name.empty()) return name;
  }
  return {};
}

}  // namespace

LONG AccessibleRole(HWND hwnd) { return RuleOf(hwnd).role; }

std::u16string AccessibleName(HWND hwnd) {
  const NameFrom from = RuleOf(hwnd).name;
  return from == NameFrom::Label ? LabelBefore(hwnd) : OwnName(hwnd, from);
}

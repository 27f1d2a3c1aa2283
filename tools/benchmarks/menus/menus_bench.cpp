// Times rebuilding a window's menu bar of 20 menus x 25 items (each with a shortcut) through the
// driver, beside building the same native menus with CreateMenu, CreatePopupMenu and AppendMenuW,
// attaching them with SetMenu and destroying the old bar.
#include <windows.h>
#undef SetProp
#undef GetProp

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/module_win32.h"
#include "tools/benchmarks/bench_win32.h"

namespace {

constexpr int Menus = 20;
constexpr int Items = 25;
constexpr int Rebuilds = 20;  // per timed round
constexpr int Rounds = 7;

std::string MenuName(int m) { return "Menu " + std::to_string(m); }
std::string ItemName(int m, int i) { return "Item " + std::to_string(m) + "." + std::to_string(i); }
// Function keys with control, shift and alt in turn, as a real program's shortcuts would vary.
int ItemKey(int i) { return 112 + i % 12; }
int ItemMods(int i) { return 1 << (i % 3); }

std::u16string Wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

double OurRebuilds(const Ref<TGadget>& win) {
  double t0 = Now();
  for (int r = 0; r < Rebuilds; ++r) RebuildWindowMenu(win);
  double t = Now() - t0;
  Pump();
  return t;
}

double RawRebuilds(HWND hwnd) {
  static const char* const modNames[] = {"", "Shift+", "Ctrl+", "", "Alt+"};
  std::vector<std::wstring> menus, labels;
  for (int m = 0; m < Menus; ++m) {
    const std::string menu = MenuName(m);
    menus.emplace_back(menu.begin(), menu.end());
    for (int i = 0; i < Items; ++i) {
      const std::string label =
          ItemName(m, i) + "\t" + modNames[ItemMods(i)] + "F" + std::to_string(ItemKey(i) - 111);
      labels.emplace_back(label.begin(), label.end());
    }
  }
  double t0 = Now();
  for (int r = 0; r < Rebuilds; ++r) {
    HMENU old = GetMenu(hwnd);
    HMENU bar = CreateMenu();
    UINT id = 1000;
    for (int m = 0; m < Menus; ++m) {
      HMENU sub = CreatePopupMenu();
      for (int i = 0; i < Items; ++i) {
        AppendMenuW(sub, MF_STRING, ++id, labels[static_cast<size_t>(m * Items + i)].c_str());
      }
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), menus[static_cast<size_t>(m)].c_str());
    }
    SetMenu(hwnd, bar);
    if (old) DestroyMenu(old);
  }
  double t = Now() - t0;
  Pump();
  return t;
}

}  // namespace

int main() {
  QueueModuleStart();
  Win32GuiModuleStart();
  auto ours = MakeWindow(u"bench", 0, 0, 700, 500, nullptr, WindowStyle::TitleBar | WindowStyle::MenuBar);
  auto anchor = MakeWindow(u"anchor", 0, 0, 700, 500, nullptr, WindowStyle::TitleBar | WindowStyle::MenuBar);
  for (int m = 0; m < Menus; ++m) {
    auto menu = MakeMenu(Wide(MenuName(m)), 0, ours);
    for (int i = 0; i < Items; ++i)
      MakeMenu(Wide(ItemName(m, i)), m * Items + i, menu, ItemKey(i), ItemMods(i));
  }
  HWND raw = reinterpret_cast<HWND>(QueryGadgetHandle(anchor, QueryKind::NativeHandle));
  Pump();
  // One untimed round each warms the allocator and the menu code.
  OurRebuilds(ours);
  RawRebuilds(raw);
  std::vector<double> o, a;
  for (int r = 0; r < Rounds; ++r) {
    o.push_back(OurRebuilds(ours));
    a.push_back(RawRebuilds(raw));
  }
  const std::string what = "menu bar of " + std::to_string(Menus) + " menus x " + std::to_string(Items) +
                           " items rebuilt " + std::to_string(Rebuilds) + " times";
  Report(what.c_str(), o, a, "CreateMenu+AppendMenuW");
  DestroyGadget(anchor);
  DestroyGadget(ours);
  return 0;
}

// Times the list box against the platform calls it makes: 10,000 entries appended through the
// toolkit beside the list view calls made directly (column sized per insert, and sized once at the
// end), and a list box re-synchronised from a data source with 1 % of its keys changed beside
// clearing and refilling it, with the list view messages each sends.
#include <windows.h>
#undef SetProp
#undef GetProp
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/module_win32.h"
#include "runtime/containers.h"
#include "tools/benchmarks/bench_win32.h"

namespace {

// The entry count can be given as the program's argument, for a quick look at how costs grow.
int Entries = 10000;
constexpr int Runs = 1;
constexpr DWORD ListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT |
                            LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER;

// The main thread's processor time: the machine the benchmarks run on is shared, and waiting for
// the processor would swamp what is measured.
double ThreadSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto value = [](const FILETIME& f) {
    return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 1e7;
  };
  return value(kernel) + value(user);
}

// Counts the list view messages sent on this thread while installed.
long listMessages = 0;
HHOOK counter = nullptr;
LRESULT CALLBACK CountListMessages(int code, WPARAM wp, LPARAM lp) {
  auto* m = reinterpret_cast<CWPSTRUCT*>(lp);
  if (code >= 0 && m->message >= LVM_FIRST && m->message < LVM_FIRST + 0x100) ++listMessages;
  return CallNextHookEx(counter, code, wp, lp);
}
void StartCounting() {
  listMessages = 0;
  counter = SetWindowsHookExW(WH_CALLWNDPROC, CountListMessages, nullptr, GetCurrentThreadId());
}
long StopCounting() {
  UnhookWindowsHookEx(counter);
  return listMessages;
}

std::u16string Key(int i) {
  std::string s = "process " + std::to_string(i) + ".exe";
  return std::u16string(s.begin(), s.end());
}

std::vector<std::u16string> Keys() {
  std::vector<std::u16string> keys;
  for (int i = 0; i < Entries; ++i) keys.push_back(Key(i));
  return keys;
}

// The same keys with every hundredth one replaced by a new key.
std::vector<std::u16string> ChangedKeys() {
  std::vector<std::u16string> keys = Keys();
  for (int i = 50; i < Entries; i += 100) keys[static_cast<size_t>(i)] = u"new " + Key(i);
  return keys;
}

double OurAppends(const Ref<TGadget>& win, const std::vector<std::u16string>& keys) {
  auto list = MakeListBox(0, 0, 300, 400, win, 0);
  Pump();
  double t0 = ThreadSeconds();
  for (const auto& k : keys) AppendGadgetEntry(list, k);
  Pump();  // the column is sized once the loop turns
  double t = ThreadSeconds() - t0;
  DestroyGadget(list);
  Pump();
  return t;
}

// The list view as the list box makes it, filled with the messages the list box sends per entry;
// with `sizeEach` unset the column is sized once after the last insert.
double RawAppends(HWND parent, const std::vector<std::wstring>& keys, bool sizeEach) {
  HWND h = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", ListStyle, 0, 0, 300, 400, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(h, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  SendMessageW(h, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  Pump();
  double t0 = ThreadSeconds();
  int id = 0;
  for (const auto& k : keys) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = id;
    item.pszText = const_cast<wchar_t*>(k.c_str());
    item.lParam = id++;
    SendMessageW(h, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (sizeEach) SendMessageW(h, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  }
  if (!sizeEach) SendMessageW(h, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  double t = ThreadSeconds() - t0;
  DestroyWindow(h);
  Pump();
  return t;
}

// A list box following a data source of the old keys, brought to the changed keys either by
// synchronising or by clearing and refilling; answers the time, and counts the list view messages
// into `messages` when it is given (the counting slows the run down).
double Resync(const Ref<TGadget>& win, bool refill, long* messages = nullptr) {
  auto list = MakeListBox(0, 0, 300, 400, win, 0);
  list->SetDataSource(New<TStringArray>(Keys()));
  auto changed = New<TStringArray>(ChangedKeys());
  Pump();
  if (messages) StartCounting();
  double t0 = ThreadSeconds();
  if (refill) {
    list->SetDataSource(changed);
  } else {
    list->datasource = changed;
    list->SyncDataSource();
  }
  Pump();
  double t = ThreadSeconds() - t0;
  if (messages) *messages = StopCounting();
  if (list->ItemCount() != Entries || list->ItemText(50) != u"new " + Key(50)) std::printf("wrong items!\n");
  DestroyGadget(list);
  Pump();
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) Entries = std::max(100, std::atoi(argv[1]));
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  QueueModuleStart();
  Win32GuiModuleStart();
  auto win = MakeWindow(u"bench", 0, 0, 700, 500, nullptr, WindowStyle::TitleBar);
  HWND parent = reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::ClientHandle));
  Pump();
  std::vector<std::u16string> keys = Keys();
  std::vector<std::wstring> wide;
  for (const auto& k : keys) wide.emplace_back(k.begin(), k.end());

  std::vector<double> ours, each, once;
  for (int r = 0; r < Runs; ++r) {
    ours.push_back(OurAppends(win, keys));
    each.push_back(RawAppends(parent, wide, true));
    once.push_back(RawAppends(parent, wide, false));
  }
  std::printf("%d entries, processor time of the program's thread\n", Entries);
  Report("list box entries appended", ours, each, "insert+autosize per entry");
  Report("list box entries appended", ours, once, "inserts then one autosize");

  std::vector<double> synced, refilled;
  long syncMessages = 0, refillMessages = 0;
  Resync(win, false, &syncMessages);
  Resync(win, true, &refillMessages);
  for (int r = 0; r < Runs; ++r) {
    synced.push_back(Resync(win, false));
    refilled.push_back(Resync(win, true));
  }
  std::printf("list view messages: synchronising %ld, clearing and refilling %ld\n", syncMessages,
              refillMessages);
  Report("keys with 1 % changed synchronised", synced, refilled, "clear and refill");
  DestroyGadget(win);
  return 0;
}

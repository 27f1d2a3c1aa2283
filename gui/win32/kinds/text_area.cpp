// Text areas: a rich edit control whose programmatic edits are locked (no redraw, no
// notifications, the user's selection and focus kept), streamed text, and filtered keys.
#include "gui/win32/kinds/text_area.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "event/event.h"
#include "event/win32/modifiers.h"
#include "gui/constants.h"
#include "gui/win32/native/font.h"
#include "gui/win32/native/keyboard.h"
#include "runtime/text.h"

namespace {

constexpr LPARAM NotifyMask = ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SELCHANGE;

static_assert(NotifyMask == 0xB0001);
static_assert(sizeof(CHARFORMATW) == 92);
static_assert(sizeof(PARAFORMAT) == 156);

// The stream cursor hands the text over in blocks; it stops at the terminating zero.
struct WideCursor {
  const char16_t* p;
};

DWORD CALLBACK WideIn(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* done) {
  auto* c = reinterpret_cast<WideCursor*>(cookie);
  LONG n = 0, room = cb / 2;
  while (n < room && c->p[n]) ++n;
  std::memcpy(buf, c->p, static_cast<size_t>(n) * 2);
  c->p += n;
  *done = n * 2;
  return 0;
}

DWORD CALLBACK FileOut(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* done) {
  *done = static_cast<LONG>(std::fwrite(buf, 1, static_cast<size_t>(cb), reinterpret_cast<FILE*>(cookie)));
  return *done == cb ? 0 : 1;
}

// Keeps the control from notifying while the program changes it, as a lock does, without the
// lock's redraw and selection work; the notifications it had come back after.
class Quiet {
 public:
  explicit Quiet(HWND h) : hwnd_(h), mask_(SendMessageW(h, EM_GETEVENTMASK, 0, 0)) {
    SendMessageW(h, EM_SETEVENTMASK, 0, 0);
  }
  ~Quiet() { SendMessageW(hwnd_, EM_SETEVENTMASK, 0, mask_); }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  HWND hwnd_;
  LPARAM mask_;
};

COLORREF Rgb(int32_t r, int32_t g, int32_t b) { return static_cast<COLORREF>(r + g * 256 + b * 65536); }

// Makes the last character of a zero-terminated clipboard text a carriage return when it is a
// line feed, in a copy of the block that then replaces the clipboard's contents.
template <class Char>
HGLOBAL FixedCopy(HGLOBAL h) {
  SIZE_T size = GlobalSize(h);
  const void* src = GlobalLock(h);
  if (!src) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* dst = copy ? GlobalLock(copy) : nullptr;
  if (dst) {
    std::memcpy(dst, src, size);
    auto* text = static_cast<Char*>(dst);
    SIZE_T n = size / sizeof(Char), end = 0;
    while (end < n && text[end]) ++end;
    if (end < n && end > 0 && text[end - 1] == '\n') text[end - 1] = '\r';
    GlobalUnlock(copy);
  } else if (copy) {
    GlobalFree(copy);
    copy = nullptr;
  }
  GlobalUnlock(h);
  return copy;
}

}  // namespace

std::u16string PrintJobPath() {
  const std::u16string name = u"\\printjob.txt";
  wchar_t dir[MAX_PATH] = {};
  const DWORD room = MAX_PATH;
  DWORD n = GetEnvironmentVariableW(L"TMP", dir, room);
  // An unset or overlong TMP gives way to the system's temporary folder, then the current one.
  if (n == 0 || n >= room || n + name.size() >= room) {
    n = GetTempPathW(room, dir);
    if (n == 0 || n >= room || n + name.size() >= room) {
      dir[0] = L'.';
      n = 1;
    }
    while (n > 0 && (dir[n - 1] == L'\\' || dir[n - 1] == L'/')) --n;
  }
  return FromWide(dir, n) + name;
}

Win32TextArea::Win32TextArea(VellGroup* g, int32_t s) : Win32Simple<VellTextArea>(g, s) {
  LoadLibraryW(L"RICHED20.DLL");
  // Without word wrap the lines scroll sideways; the control never starts an OLE drag of its own.
  DWORD ws = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | WS_VSCROLL | ES_NOHIDESEL |
             ES_NOOLEDRAGDROP | ES_MULTILINE;
  if (!(s & TextAreaStyle::WordWrap)) ws |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (s & TextAreaStyle::ReadOnly) ws |= ES_READONLY;
  HWND h = CreateNativeWindow(WS_EX_CLIENTEDGE, L"RichEdit20W", L"", ws, g);
  SendMessageW(h, EM_LIMITTEXT, 0x400000, 0);
  SendMessageW(h, EM_SETEVENTMASK, 0, NotifyMask);
  SendMessageW(h, EM_SETUNDOLIMIT, 0, 0);
  CHARFORMATW cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  cf.dwEffects = 0;
  SendMessageW(h, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  AttachHwnd(self, h, this, this);
}

int32_t Win32TextArea::AreaLen(int32_t units) {
  if (units == TextUnits::Lines) return static_cast<int32_t>(SendMessageW(self.hwnd, EM_GETLINECOUNT, 0, 0));
  GETTEXTLENGTHEX gl{GTL_DEFAULT, 0};
  return static_cast<int32_t>(SendMessageW(self.hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
}

int32_t Win32TextArea::CharAt(int32_t line) {
  if (line < 0) return 0;
  if (line < AreaLen(TextUnits::Lines))
    return static_cast<int32_t>(SendMessageW(self.hwnd, EM_LINEINDEX, line, 0));
  return AreaLen(TextUnits::Chars);
}

int32_t Win32TextArea::LineAt(int32_t pos) {
  if (pos < 0) return 0;
  if (pos <= AreaLen(TextUnits::Chars))
    return static_cast<int32_t>(SendMessageW(self.hwnd, EM_EXLINEFROMCHAR, 0, pos));
  return AreaLen(TextUnits::Lines);
}

int32_t Win32TextArea::GetCursorPos(int32_t units) {
  CHARRANGE cr{};
  SendMessageW(self.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
  return units == TextUnits::Lines ? LineAt(cr.cpMin) : cr.cpMin;
}

int32_t Win32TextArea::GetSelectionLength(int32_t units) {
  CHARRANGE cr{};
  SendMessageW(self.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
  int32_t last = std::min<int32_t>(cr.cpMax, AreaLen(TextUnits::Chars));
  if (units == TextUnits::Lines) return LineAt(last - 1) - LineAt(cr.cpMin) + 1;
  return last - cr.cpMin;
}

int32_t Win32TextArea::Normalise(int32_t& pos, int32_t length, int32_t units) {
  int32_t total = AreaLen(units);
  pos = std::clamp(pos, 0, total);
  if (length < 0 || int64_t(pos) + length > total) length = total - pos;
  if (units == TextUnits::Lines) {
    int32_t line = pos;
    pos = CharAt(line);
    if (length != 0) length = std::max(0, CharAt(line + length) - pos);
  }
  return length;
}

void Win32TextArea::LockText() {
  if (lockdepth++ != 0) return;
  SendMessageW(self.hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(self.hwnd, EM_SETEVENTMASK, 0, 0);
  SendMessageW(self.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  SendMessageW(self.hwnd, EM_HIDESELECTION, TRUE, 0);
  hadfocus = GetFocus() == self.hwnd ? 1 : 0;
  if (hadfocus) SetFocus(nullptr);
}

void Win32TextArea::UnlockText() {
  if (lockdepth <= 0 || --lockdepth != 0) return;
  SendMessageW(self.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  // The focus comes back only when nothing took it meanwhile: a field the program focused while
  // the area was locked keeps it, and the area reports the focus it lost.
  if (hadfocus) {
    if (GetFocus() == nullptr) {
      SetFocus(self.hwnd);
    } else if (GetFocus() != self.hwnd) {
      Emit(GadgetLostFocus, 0, 0, 0, 0);
    }
  }
  hadfocus = 0;
  SendMessageW(self.hwnd, EM_HIDESELECTION, FALSE, 0);
  SendMessageW(self.hwnd, EM_SETEVENTMASK, 0, NotifyMask);
  SendMessageW(self.hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(self.hwnd, nullptr, FALSE);
}

void Win32TextArea::SelectForEdit(int32_t pos, int32_t length) {
  LockText();
  CHARRANGE cr{pos, pos + length};
  SendMessageW(self.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void Win32TextArea::StreamIn(const std::u16string& text) {
  EDITSTREAM es{};
  std::u16string copy = text;  // zero-terminated by the string itself
  WideCursor c{copy.c_str()};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&c);
  es.pfnCallback = WideIn;
  SendMessageW(self.hwnd, EM_STREAMIN, SF_TEXT | SF_UNICODE | SFF_SELECTION, reinterpret_cast<LPARAM>(&es));
}

void Win32TextArea::AddText(const std::u16string& text) {
  SelectForEdit(AreaLen(TextUnits::Chars), 0);
  StreamIn(text);
  UnlockText();
  if (lockdepth != 0) return;  // an outer lock puts the user's selection back anyway
  // The caret follows the appended text, without telling the program it moved.
  Quiet quiet(self.hwnd);
  int32_t end = AreaLen(TextUnits::Chars);
  CHARRANGE cr{end, end};
  SendMessageW(self.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void Win32TextArea::ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) {
  length = Normalise(pos, length, units);
  SelectForEdit(pos, length);
  StreamIn(text);
  UnlockText();
}

std::u16string Win32TextArea::AreaText(int32_t pos, int32_t length, int32_t units) {
  length = Normalise(pos, length, units);
  if (length == 0) return u"";
  std::vector<wchar_t> buf(static_cast<size_t>(length) + 1);
  TEXTRANGEW tr{{pos, pos + length}, buf.data()};
  SendMessageW(self.hwnd, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr));
  std::u16string out = FromWide(buf.data(), static_cast<size_t>(length));
  std::replace(out.begin(), out.end(), u'\r', u'\n');
  return out;
}

void Win32TextArea::SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                             int32_t units) {
  length = Normalise(pos, length, units);
  if (length == 0) return;
  CHARFORMATW cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  cf.crTextColor = Rgb(r, g, b);
  cf.dwEffects = ((flags & FontStyle::Bold) ? CFE_BOLD : 0) | ((flags & FontStyle::Italic) ? CFE_ITALIC : 0) |
                 ((flags & FontStyle::Underline) ? CFE_UNDERLINE : 0) |
                 ((flags & FontStyle::Strikeout) ? CFE_STRIKEOUT : 0);
  SelectForEdit(pos, length);
  SendMessageW(self.hwnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  UnlockText();
}

void Win32TextArea::SetSelection(int32_t pos, int32_t length, int32_t units) {
  length = Normalise(pos, length, units);
  CHARRANGE cr{pos, pos + length};
  // Under a lock the selection set is the one the unlock shows, not the one it had before.
  if (lockdepth > 0) saved = cr;
  Quiet quiet(self.hwnd);
  SendMessageW(self.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void Win32TextArea::SetTabs(int32_t width) {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  int32_t step = (11520 / (dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI)) * width;
  PARAFORMAT pf{};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_TABSTOPS;
  pf.cTabCount = MAX_TAB_STOPS;
  for (int i = 0; i < MAX_TAB_STOPS; ++i) pf.rgxTabs[i] = i * step;
  LockText();
  SendMessageW(self.hwnd, EM_SETSEL, 0, -1);
  SendMessageW(self.hwnd, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
  UnlockText();
}

void Win32TextArea::SetFont(VellFont* f) {
  VellGadget::SetFont(f);
  if (!f) return;
  CHARFORMATW cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE | CFM_FACE;
  cf.yHeight = f->size * 20;  // twips: the control measures character heights in 1/20 points
  const std::u16string_view face = CutText(f->name, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), cf.szFaceName);
  LockText();
  SendMessageW(self.hwnd, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  SendMessageW(self.hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
  UnlockText();
}

void Win32TextArea::SetTextColor(int32_t r, int32_t g, int32_t b) {
  CHARFORMATW cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR;
  cf.crTextColor = Rgb(r, g, b);
  LockText();
  SendMessageW(self.hwnd, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  SendMessageW(self.hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
  UnlockText();
}

void Win32TextArea::SetColor(int32_t r, int32_t g, int32_t b) {
  SendMessageW(self.hwnd, EM_SETBKGNDCOLOR, 0, Rgb(r, g, b));
}

void Win32TextArea::ClipboardFixUp() {
  if (!OpenClipboard(self.hwnd)) return;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    HGLOBAL h = GetClipboardData(CF_UNICODETEXT);
    HGLOBAL copy = h ? FixedCopy<wchar_t>(h) : nullptr;
    if (copy) {
      EmptyClipboard();
      if (!SetClipboardData(CF_UNICODETEXT, copy)) GlobalFree(copy);
    }
  } else if (IsClipboardFormatAvailable(CF_OEMTEXT)) {
    HGLOBAL h = GetClipboardData(CF_OEMTEXT);
    HGLOBAL copy = h ? FixedCopy<char>(h) : nullptr;
    if (copy) {
      EmptyClipboard();
      if (!SetClipboardData(CF_OEMTEXT, copy)) GlobalFree(copy);
    }
  }
  CloseClipboard();
}

bool Win32TextArea::WritePlainText(const std::u16string& path) {
  FILE* f = _wfopen(Wide(path), L"w");
  if (!f) return false;
  EDITSTREAM es{};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(f);
  es.pfnCallback = FileOut;
  // The handler that prints reads bytes: UTF-8 holds every character of the text.
  SendMessageW(self.hwnd, EM_STREAMOUT, (CP_UTF8 << 16) | SF_USECODEPAGE | SF_TEXT,
               reinterpret_cast<LPARAM>(&es));
  std::fclose(f);
  return true;
}

void Win32TextArea::Print() {
  std::u16string path = PrintJobPath();
  if (!WritePlainText(path)) return;
  SHELLEXECUTEINFOW sei{};
  sei.cbSize = sizeof sei;
  sei.lpVerb = L"print";
  sei.lpFile = Wide(path);
  sei.nShow = SW_SHOWMAXIMIZED;
  ShellExecuteExW(&sei);
}

int32_t Win32TextArea::Activate(int32_t command) {
  switch (command) {
    case ActivateCommand::Cut: {
      Quiet quiet(self.hwnd);
      SendMessageW(self.hwnd, WM_CUT, 0, 0);
      return 0;
    }
    case ActivateCommand::Copy:
      SendMessageW(self.hwnd, WM_COPY, 0, 0);
      SetFocus(self.hwnd);
      return 0;
    case ActivateCommand::Paste: {
      ClipboardFixUp();
      {
        Quiet quiet(self.hwnd);
        SendMessageW(self.hwnd, WM_PASTE, 0, 0);
      }
      SetFocus(self.hwnd);
      return 0;
    }
    case ActivateCommand::Print:
      Print();
      return 0;
  }
  return ActivateNative(self.hwnd, command);
}

LRESULT Win32TextArea::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_CONTEXTMENU:  // the menu key: the menu at the caret, as a right click there
      if (hwnd == self.hwnd && ContextMenuFromKeyboard(lp)) {
        CHARRANGE cr{};
        SendMessageW(self.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        POINTL at{};
        SendMessageW(self.hwnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), cr.cpMax);
        NoteKeyboardMenuAt(self.hwnd, POINT{at.x, at.y});
        const int dpi = DpiOf(self.hwnd);
        Emit(GadgetMenu, 0, 0, ToProgram(at.x, dpi), ToProgram(at.y, dpi));
        return 0;
      }
      break;
    case WM_KILLFOCUS:  // reported unless a locked edit took the focus away for a moment
      if (lockdepth == 0) Emit(GadgetLostFocus, 0, 0, 0, 0);
      break;
    case WM_SETTEXT: {  // only the program sets the whole text
      if (hwnd != self.hwnd) break;
      Quiet quiet(self.hwnd);
      return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
    case WM_COMMAND:  // the user changed the text
      if (HIWORD(wp) == EN_CHANGE) Emit(GadgetAction, 0, 0, 0, 0);
      return 0;
    case WM_NOTIFY: {  // selection changes and the control's key and mouse filter
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->code == EN_SELCHANGE) {
        Emit(GadgetSelect, 0, 0, 0, 0);
        return 0;
      }
      if (hdr->code != EN_MSGFILTER) return 0;
      auto* mf = reinterpret_cast<MSGFILTER*>(lp);
      switch (mf->msg) {
        case WM_KEYDOWN:
          return PassesKeyFilter(this, KeyDown, static_cast<int32_t>(mf->wParam), CurrentModifiers()) ? 0 : 1;
        case WM_CHAR:
          return PassesKeyFilter(this, KeyChar, static_cast<int32_t>(mf->wParam), CurrentModifiers()) ? 0 : 1;
        case WM_RBUTTONDOWN:
          // Without a selection the caret moves to the click, so the menu acts where it opens.
          if (GetSelectionLength(TextUnits::Chars) == 0) {
            mf->msg = WM_LBUTTONDOWN;
            POINTL at{static_cast<short>(LOWORD(mf->lParam)), static_cast<short>(HIWORD(mf->lParam))};
            LRESULT pos = SendMessageW(self.hwnd, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at));
            CHARRANGE cr{static_cast<LONG>(pos), static_cast<LONG>(pos)};
            SendMessageW(self.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
          }
          return 0;
        case WM_RBUTTONUP:
          Emit(GadgetMenu, 0, 0, ToProgram(static_cast<short>(LOWORD(mf->lParam)), DpiOf(self.hwnd)),
               ToProgram(static_cast<short>(HIWORD(mf->lParam)), DpiOf(self.hwnd)));
          return 0;
      }
      return 0;
    }
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

// HTML views: the browser's creation and activation in the host window, navigation, commands,
// scripts, the host's window procedure and the browser's release.
#include "gui/win32/kinds/html_view.h"

#include <mshtml.h>

#include "gui/constants.h"
#include "gui/win32/kinds/html_site.h"

// The system web browser control.
CLSID HtmlBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

namespace {

template <class I>
void Drop(I*& iface) {
  if (iface) iface->Release();
  iface = nullptr;
}

// A wide string the platform owns, freed when it goes.
class Bstr {
 public:
  explicit Bstr(const std::u16string& text)
      : b_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()))) {
  }
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return b_; }

 private:
  BSTR b_;
};

}  // namespace

Win32HtmlView::Win32HtmlView(VellGroup* g, int32_t s) : Win32Simple<VellHtmlView>(g, s) {
  HWND host = CreateNativeWindow(WS_EX_CONTROLPARENT, RegisterWindowClass(), L"",
                                 WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, g);
  site_ = new HtmlSite(this, host, s);
  // A view whose browser cannot be made keeps its host window and does nothing else.
  if (!CreateBrowser()) CloseBrowser();
  AttachHwnd(self, host, this, this);
}

Win32HtmlView::~Win32HtmlView() {
  site_->view = nullptr;
  CloseBrowser();
  site_->Release();
  site_ = nullptr;  // the host's last messages find no browser
}

bool Win32HtmlView::CreateBrowser() {
  HtmlSite& s = *site_;
  if (FAILED(OleCreate(HtmlBrowserClass, IID_IOleObject, OLERENDER_DRAW, nullptr, &s.site, &s.storage,
                       reinterpret_cast<void**>(&s.object))) ||
      !s.object) {
    s.object = nullptr;
    return false;
  }
  OleSetContainedObject(s.object, TRUE);
  s.object->SetHostNames(L"Web Host", L"Web View");
  if (FAILED(s.object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&s.browser))) ||
      FAILED(s.object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&s.inplace))) ||
      FAILED(s.object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&s.points))) ||
      FAILED(s.object->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(&s.commands))) ||
      FAILED(s.points->FindConnectionPoint(DIID_DWebBrowserEvents2, &s.point)) ||
      FAILED(s.point->Advise(&s.events, &s.cookie))) {
    return false;
  }
  RECT client{};
  GetClientRect(s.host, &client);
  // Shown and active in place, but not yet the focus: making a view must not take the keyboard
  // from the control the user is in. The browser is made the focus when its host is.
  s.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &s.site, 0, s.host, &client);
  s.object->DoVerb(OLEIVERB_SHOW, nullptr, &s.site, 0, s.host, &client);
  Navigate(u"about:blank");
  return true;
}

void Win32HtmlView::CloseBrowser() {
  HtmlSite& s = *site_;
  if (s.point && s.cookie) s.point->Unadvise(s.cookie);
  s.cookie = 0;
  if (s.object) {
    s.object->Close(OLECLOSE_NOSAVE);
    s.object->SetClientSite(nullptr);
  }
  Drop(s.point);
  Drop(s.commands);
  Drop(s.points);
  Drop(s.inplace);
  Drop(s.browser);
  Drop(s.object);
}

bool Win32HtmlView::HasBrowser() const { return site_->browser != nullptr; }

IDispatch* Win32HtmlView::EventSink() { return &site_->events; }

void Win32HtmlView::SetText(const std::u16string& url) { Navigate(url); }

void Win32HtmlView::Navigate(const std::u16string& url) {
  HtmlSite& s = *site_;
  if (!s.browser) return;
  Bstr target(url);
  VARIANT flags, none;
  VariantInit(&flags);
  VariantInit(&none);
  V_VT(&flags) = VT_INT;
  V_INT(&flags) = 0;
  int32_t was = s.programNavigation, wasBusy = s.busy;
  s.programNavigation = s.busy = 1;
  // A refused navigation must not let the next link the user follows through a locked view.
  if (FAILED(s.browser->Navigate(target, &flags, &none, &none, &none))) {
    s.programNavigation = was;
    s.busy = wasBusy;
  }
}

int32_t Win32HtmlView::Activate(int32_t command) {
  HtmlSite& s = *site_;
  switch (command) {
    case ActivateCommand::Back:
    case ActivateCommand::Forward: {
      if (!s.browser) return 0;
      int32_t was = s.programNavigation;
      s.programNavigation = 1;
      HRESULT hr = command == ActivateCommand::Back ? s.browser->GoBack() : s.browser->GoForward();
      // Nothing to go back or forward to: the flag stays as it was.
      if (FAILED(hr)) s.programNavigation = was;
      return 0;
    }
    case ActivateCommand::Cut:
    case ActivateCommand::Copy:
    case ActivateCommand::Paste:
    case ActivateCommand::Print: {
      if (!s.commands) return 0;
      OLECMDID id = command == ActivateCommand::Cut     ? OLECMDID_CUT
                    : command == ActivateCommand::Copy  ? OLECMDID_COPY
                    : command == ActivateCommand::Paste ? OLECMDID_PASTE
                                                        : OLECMDID_PRINT;
      s.commands->Exec(nullptr, id, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
      return 0;
    }
  }
  return Win32Simple<VellHtmlView>::Activate(command);
}

int32_t Win32HtmlView::ReadyState() {
  READYSTATE state = READYSTATE_UNINITIALIZED;
  if (!site_->browser || FAILED(site_->browser->get_ReadyState(&state))) return 0;
  return static_cast<int32_t>(state);
}

std::u16string Win32HtmlView::Run(const std::u16string& script) {
  if (!site_->browser) return u"";
  // The document changes with every navigation, so it is looked up each time.
  IDispatch* disp = nullptr;
  IHTMLDocument2* doc = nullptr;
  IHTMLWindow2* win = nullptr;
  if (SUCCEEDED(site_->browser->get_Document(&disp)) && disp &&
      SUCCEEDED(disp->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&doc))) && doc &&
      SUCCEEDED(doc->get_parentWindow(&win)) && win) {
    Bstr code(script), language(u"JavaScript");
    VARIANT result;
    VariantInit(&result);
    win->execScript(code, language, &result);
    VariantClear(&result);
  }
  Drop(win);
  Drop(doc);
  Drop(disp);
  return u"";
}

LRESULT Win32HtmlView::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_SIZE: {  // the browser fills the host
      RECT client{};
      GetClientRect(hwnd, &client);
      if (site_ && site_->inplace) site_->inplace->SetObjectRects(&client, &client);
      return 0;
    }
    case WM_ERASEBKGND:  // the browser paints every pixel; erasing first would flicker
      return 1;
    case WM_SETFOCUS:  // reached by Tab or FocusGadget: the keys go on to the page
      if (site_ && site_->object) {
        RECT client{};
        GetClientRect(hwnd, &client);
        site_->object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &site_->site, 0, hwnd, &client);
        return 0;
      }
      break;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

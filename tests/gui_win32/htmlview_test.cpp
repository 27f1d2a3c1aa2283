// HTML views: the host window and the embedded browser, navigation as the browser reports it,
// the browser's events as the sink receives them, the container's reference counts and a view
// whose browser cannot be made.
#include <exdispid.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/win32/kinds/html_site.h"
#include "gui/win32/kinds/html_view.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

namespace {

Win32HtmlView* View(const Ref<TGadget>& g) {
  return dynamic_cast<Win32HtmlView*>(static_cast<TWin32Gadget*>(g.get())->handle);
}

// Pumps until an event of `id` arrives (or `done` holds) or about two seconds pass; returns every
// event seen.
template <class F>
std::vector<Seen> PumpUntil(int32_t id, F done) {
  std::vector<Seen> all;
  for (int i = 0; i < 200 && !done(); ++i) {
    auto now = TakeEvents();
    all.insert(all.end(), now.begin(), now.end());
    if (!Only(now, id).empty()) break;
    Sleep(10);
  }
  return all;
}
std::vector<Seen> PumpUntil(int32_t id) {
  return PumpUntil(id, [] { return false; });
}

// Navigates the browser behind the view's back, as following a link in the page does.
void NavigateBrowserItself(Win32HtmlView* v, const wchar_t* url) {
  BSTR b = SysAllocString(url);
  VARIANT none;
  VariantInit(&none);
  v->Site().browser->Navigate(b, &none, &none, &none, &none);
  SysFreeString(b);
}

// The current count of the site's shared reference.
ULONG Refs(HtmlSite& site) {
  site.AddRef();
  return site.Release();
}

// One browser event's arguments, written in declaration order and handed over last first, most of
// them as references to variants, the way the browser passes them.
class BrowserCall {
 public:
  BrowserCall() : cancel_(new VARIANT_BOOL(7)) { values_.reserve(10), args_.reserve(10); }
  BrowserCall(BrowserCall&&) = default;
  ~BrowserCall() {
    for (VARIANT& v : values_) VariantClear(&v);
  }
  BrowserCall& Ref(VARTYPE type, const wchar_t* text = nullptr) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = type;
    if (type == VT_BSTR) V_BSTR(&v) = SysAllocString(text);
    values_.push_back(v);
    VARIANT a;
    V_VT(&a) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&a) = &values_.back();
    args_.push_back(a);
    return *this;
  }
  BrowserCall& Text(const wchar_t* text) { return Ref(VT_BSTR, text); }
  BrowserCall& Empty() { return Ref(VT_EMPTY); }
  BrowserCall& Raw(VARIANT a) {
    args_.push_back(a);
    return *this;
  }
  BrowserCall& Cancel() {
    VARIANT a;
    V_VT(&a) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&a) = cancel_.get();
    return Raw(a);
  }
  // (browser, url, flags, target frame, post data, headers, cancel)
  static BrowserCall Before(const wchar_t* url, const wchar_t* frame = nullptr) {
    BrowserCall c;
    c.Ref(VT_DISPATCH).Text(url).Ref(VT_I4);
    frame ? c.Text(frame) : c.Empty();
    c.Empty().Empty().Cancel();
    return c;
  }
  HRESULT Fire(Win32HtmlView* v, DISPID id) {
    std::vector<VARIANT> reversed(args_.rbegin(), args_.rend());
    DISPPARAMS p{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return v->EventSink()->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
  }

  // 7 is neither answer: it stays while the sink has not written the flag.
  VARIANT_BOOL cancel() const { return *cancel_; }

 private:
  std::unique_ptr<VARIANT_BOOL> cancel_;
  std::vector<VARIANT> values_;
  std::vector<VARIANT> args_;
};

VARIANT Direct(VARTYPE type) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = type;
  return v;
}

}  // namespace

class HtmlViews : public DriverTest {};

TEST_F(HtmlViews, BrowserFillsTheHostAndFollowsItsSize) {
  auto win = TestWindow();
  auto view = MakeHtmlView(10, 10, 300, 200, win, 0);
  Win32HtmlView* v = View(view);
  ASSERT_TRUE(v->HasBrowser());
  HWND host = Hwnd(view);
  EXPECT_TRUE(GetWindowLongPtrA(host, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  HWND browser = GetWindow(host, GW_CHILD);
  ASSERT_NE(browser, nullptr);
  ReshapeGadget(view, 5, 5, 240, 130);
  Pump();
  RECT r{};
  GetWindowRect(browser, &r);
  EXPECT_EQ(r.right - r.left, 240);
  EXPECT_EQ(r.bottom - r.top, 130);
  // The browser paints the whole host; the host never erases under it.
  HDC dc = GetDC(host);
  EXPECT_EQ(SendMessageA(host, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(host, dc);
  READYSTATE state = READYSTATE_UNINITIALIZED;
  v->Site().browser->get_ReadyState(&state);
  EXPECT_EQ(GetHtmlViewState(view), static_cast<int32_t>(state));
}

TEST_F(HtmlViews, LockedViewReportsNavigationsItDidNotAskFor) {
  auto win = TestWindow();
  auto view = MakeHtmlView(10, 10, 300, 200, win, HtmlViewStyle::LockNavigation);
  Win32HtmlView* v = View(view);
  ASSERT_TRUE(v->HasBrowser());
  TakeEvents();
  // The program's own navigation passes (the browser announces it later) and uses up the pass.
  NavigateHtmlView(view, u"about:blank");
  auto own = PumpUntil(GadgetAction, [&] { return v->Site().programNavigation == 0; });
  EXPECT_EQ(v->Site().programNavigation, 0);
  EXPECT_TRUE(Only(own, GadgetAction).empty());
  NavigateBrowserItself(v, L"about:blank#next");
  auto actions = Only(PumpUntil(GadgetAction), GadgetAction, view);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].data, 0);
  ASSERT_TRUE(actions[0].extra);
  EXPECT_EQ(actions[0].extra->ToString(), u"about:blank#next");
}

TEST_F(HtmlViews, GoingBackWithNothingToGoBackToKeepsTheViewLocked) {
  auto win = TestWindow();
  auto view = MakeHtmlView(10, 10, 300, 200, win, HtmlViewStyle::LockNavigation);
  Win32HtmlView* v = View(view);
  ASSERT_TRUE(v->HasBrowser());
  TakeEvents();
  HtmlViewGoBack(view);
  HtmlViewGoForward(view);
  NavigateBrowserItself(v, L"about:blank#link");
  auto actions = Only(PumpUntil(GadgetAction), GadgetAction, view);
  EXPECT_EQ(actions.size(), 1u);
}

TEST_F(HtmlViews, FailedNavigationKeepsTheViewLocked) {
  auto win = TestWindow();
  const struct {
    const char* what;
    const char16_t* url;
  } cases[] = {
      {"missing file", u"file:///C:/no such folder/page.html"},
      {"refused connection", u"http://127.0.0.1:1/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto view = MakeHtmlView(10, 10, 300, 200, win, HtmlViewStyle::LockNavigation);
    Win32HtmlView* v = View(view);
    ASSERT_TRUE(v->HasBrowser());
    PumpUntil(GadgetAction, [&] { return v->Site().programNavigation == 0; });
    NavigateHtmlView(view, c.url);
    // The browser takes the program's navigation up, then gives up on the address.
    auto own = PumpUntil(GadgetAction, [&] { return v->Site().programNavigation == 0; });
    for (int i = 0; i < 30; ++i) {
      auto more = TakeEvents();
      own.insert(own.end(), more.begin(), more.end());
      Sleep(10);
    }
    EXPECT_TRUE(Only(own, GadgetAction).empty());
    // A link the user follows afterwards is still the program's to decide.
    NavigateBrowserItself(v, L"about:blank#after");
    auto actions = Only(PumpUntil(GadgetAction), GadgetAction, view);
    ASSERT_EQ(actions.size(), 1u);
    ASSERT_TRUE(actions[0].extra);
    EXPECT_EQ(actions[0].extra->ToString(), u"about:blank#after");
    DestroyGadget(view);
  }
}

TEST_F(HtmlViews, BeforeNavigateCancelsOnlyUserNavigationOfALockedPage) {
  auto win = TestWindow();
  auto free = MakeHtmlView(0, 0, 100, 100, win, 0);
  auto locked = MakeHtmlView(100, 0, 100, 100, win, HtmlViewStyle::LockNavigation);
  struct Case {
    const char* what;
    Ref<TGadget> view;
    int32_t programNavigation;
    const wchar_t* frame;
    VARIANT_BOOL cancel;
    bool reported;
    int32_t flagAfter;
  } cases[] = {
      {"link in a free view", free, 0, nullptr, VARIANT_FALSE, false, 0},
      {"program's own in a free view", free, 1, nullptr, VARIANT_FALSE, false, 0},
      {"link in a locked view", locked, 0, nullptr, VARIANT_TRUE, true, 0},
      {"program's own in a locked view", locked, 1, nullptr, VARIANT_FALSE, false, 0},
      {"frame of a locked page", locked, 0, L"side", VARIANT_FALSE, false, 0},
      {"frame while the program navigates", locked, 1, L"side", VARIANT_FALSE, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Win32HtmlView* v = View(c.view);
    TakeEvents();
    v->Site().programNavigation = c.programNavigation;
    auto call = BrowserCall::Before(L"http://example.test/a b", c.frame);
    EXPECT_EQ(call.Fire(v, DISPID_BEFORENAVIGATE2), S_OK);
    EXPECT_EQ(call.cancel(), c.cancel);
    EXPECT_EQ(v->Site().programNavigation, c.flagAfter);
    auto actions = Only(TakeEvents(), GadgetAction);
    ASSERT_EQ(actions.size(), c.reported ? 1u : 0u);
    if (c.reported) {
      EXPECT_EQ(actions[0].source, Ref<TObject>(c.view));
      EXPECT_EQ(actions[0].extra->ToString(), u"http://example.test/a b");
    }
  }
}

TEST_F(HtmlViews, NewWindowsAreAlwaysRefused) {
  auto win = TestWindow();
  auto view = MakeHtmlView(0, 0, 100, 100, win, 0);
  TakeEvents();
  BrowserCall call;
  call.Ref(VT_DISPATCH).Cancel();
  EXPECT_EQ(call.Fire(View(view), DISPID_NEWWINDOW2), S_OK);
  EXPECT_EQ(call.cancel(), VARIANT_TRUE);
  EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(HtmlViews, FinishedDocumentBecomesTheTextAndIsReportedOnce) {
  auto win = TestWindow();
  auto view = MakeHtmlView(0, 0, 100, 100, win, 0);
  Win32HtmlView* v = View(view);
  TakeEvents();
  v->Site().busy = 1;
  BrowserCall byRef;
  byRef.Ref(VT_DISPATCH).Text(L"file:///C:/page.html");
  EXPECT_EQ(byRef.Fire(v, DISPID_DOCUMENTCOMPLETE), S_OK);
  auto done = Only(TakeEvents(), GadgetDone);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].source, Ref<TObject>(view));
  EXPECT_EQ(done[0].data, 0);
  EXPECT_EQ(GetGadgetText(view), u"file:///C:/page.html");
  EXPECT_EQ(v->Site().busy, 0);
  // A URL passed as a plain text, not by reference, is read just the same.
  VARIANT url = Direct(VT_BSTR);
  V_BSTR(&url) = SysAllocString(L"about:blank");
  BrowserCall direct;
  direct.Ref(VT_DISPATCH).Raw(url);
  direct.Fire(v, DISPID_DOCUMENTCOMPLETE);
  VariantClear(&url);
  EXPECT_EQ(Only(TakeEvents(), GadgetDone).size(), 1u);
  EXPECT_EQ(GetGadgetText(view), u"about:blank");
}

TEST_F(HtmlViews, MalformedBrowserEventsChangeNothing) {
  auto win = TestWindow();
  auto view = MakeHtmlView(0, 0, 100, 100, win, HtmlViewStyle::LockNavigation);
  Win32HtmlView* v = View(view);
  IDispatch* sink = v->EventSink();
  for (DISPID id : {DISPID_BEFORENAVIGATE2, DISPID_NEWWINDOW2, DISPID_DOCUMENTCOMPLETE}) {
    EXPECT_TRUE(FAILED(sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr)));
  }
  VARIANT_BOOL nowhere = VARIANT_FALSE;
  VARIANT nullCancel = Direct(VT_BYREF | VT_BOOL);
  V_BOOLREF(&nullCancel) = nullptr;
  VARIANT plainCancel = Direct(VT_BOOL);
  V_BOOL(&plainCancel) = nowhere;
  VARIANT nullRef = Direct(VT_BYREF | VT_VARIANT);
  V_VARIANTREF(&nullRef) = nullptr;
  struct Case {
    const char* what;
    DISPID id;
    BrowserCall call;
  };
  std::vector<Case> cases;
  cases.push_back({"before: no cancel", DISPID_BEFORENAVIGATE2, {}});
  cases.back().call.Ref(VT_DISPATCH).Text(L"u").Ref(VT_I4).Empty().Empty().Empty();
  cases.push_back({"before: cancel by value", DISPID_BEFORENAVIGATE2, {}});
  cases.back().call.Ref(VT_DISPATCH).Text(L"u").Ref(VT_I4).Empty().Empty().Empty().Raw(plainCancel);
  cases.push_back({"before: number for url", DISPID_BEFORENAVIGATE2, {}});
  cases.back().call.Ref(VT_DISPATCH).Ref(VT_I4).Ref(VT_I4).Empty().Empty().Empty().Cancel();
  cases.push_back({"before: url reference to nothing", DISPID_BEFORENAVIGATE2, {}});
  cases.back().call.Ref(VT_DISPATCH).Raw(nullRef).Ref(VT_I4).Empty().Empty().Empty().Cancel();
  cases.push_back({"before: number for frame", DISPID_BEFORENAVIGATE2, {}});
  cases.back().call.Ref(VT_DISPATCH).Text(L"u").Ref(VT_I4).Ref(VT_I4).Empty().Empty().Cancel();
  cases.push_back({"before: one argument too many", DISPID_BEFORENAVIGATE2, BrowserCall::Before(L"u")});
  cases.back().call.Empty();
  cases.push_back({"new window: cancel alone", DISPID_NEWWINDOW2, {}});
  cases.back().call.Cancel();
  cases.push_back({"new window: cancel points nowhere", DISPID_NEWWINDOW2, {}});
  cases.back().call.Ref(VT_DISPATCH).Raw(nullCancel);
  cases.push_back({"complete: no arguments", DISPID_DOCUMENTCOMPLETE, {}});
  cases.push_back({"complete: number for url", DISPID_DOCUMENTCOMPLETE, {}});
  cases.back().call.Ref(VT_DISPATCH).Ref(VT_I4);
  cases.push_back({"complete: url reference to nothing", DISPID_DOCUMENTCOMPLETE, {}});
  cases.back().call.Ref(VT_DISPATCH).Raw(nullRef);
  cases.push_back({"unknown event", 9999, BrowserCall::Before(L"u")});
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    TakeEvents();
    v->Site().programNavigation = 0;
    c.call.Fire(v, c.id);
    EXPECT_EQ(c.call.cancel(), 7);
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_TRUE(GetGadgetText(view).empty());
  }
}

TEST_F(HtmlViews, EachContainerPartAnswersOnlyItsOwnInterfacesAndCountsTheSharedReference) {
  auto win = TestWindow();
  auto view = MakeHtmlView(0, 0, 100, 100, win, 0);
  HtmlSite& site = View(view)->Site();
  IUnknown* frame = static_cast<IOleInPlaceFrame*>(&site.frame);
  IUnknown* client = static_cast<IOleClientSite*>(&site.site);
  IUnknown* storage = &site.storage;
  IUnknown* events = &site.events;
  struct Case {
    const char* what;
    IUnknown* part;
    const IID& iid;
    bool offered;
  } cases[] = {
      {"frame", frame, IID_IOleInPlaceFrame, true},
      {"frame as window", frame, IID_IOleWindow, true},
      {"frame as site", frame, IID_IOleClientSite, false},
      {"site", client, IID_IOleClientSite, true},
      {"site in place", client, IID_IOleInPlaceSite, true},
      {"site as host", client, IID_IDocHostUIHandler, true},
      {"site as storage", client, IID_IStorage, false},
      {"storage", storage, IID_IStorage, true},
      {"storage as frame", storage, IID_IOleInPlaceFrame, false},
      {"events", events, DIID_DWebBrowserEvents2, true},
      {"events as dispatch", events, IID_IDispatch, true},
      {"events as site", events, IID_IOleClientSite, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ULONG before = Refs(site);
    void* out = reinterpret_cast<void*>(1);
    HRESULT hr = c.part->QueryInterface(c.iid, &out);
    EXPECT_EQ(hr, c.offered ? S_OK : E_NOINTERFACE);
    EXPECT_EQ(out != nullptr, c.offered);
    EXPECT_EQ(Refs(site), before + (c.offered ? 1 : 0));
    if (out && c.offered) {
      EXPECT_EQ(static_cast<IUnknown*>(out)->Release(), before);
    }
    // Every part's identity leads back to the same part.
    IUnknown* self = nullptr;
    ASSERT_EQ(c.part->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&self)), S_OK);
    EXPECT_EQ(self->Release(), before);
  }
}

TEST_F(HtmlViews, FreeingTheViewGivesBackEveryReference) {
  auto win = TestWindow();
  auto view = MakeHtmlView(0, 0, 100, 100, win, 0);
  Win32HtmlView* v = View(view);
  ASSERT_TRUE(v->HasBrowser());
  HtmlSite& site = v->Site();
  site.AddRef();
  IWebBrowser2* browser = site.browser;
  browser->AddRef();
  HWND host = Hwnd(view);
  DestroyGadget(view);
  Pump();
  EXPECT_FALSE(IsWindow(host));
  EXPECT_EQ(browser->Release(), 0u);
  EXPECT_EQ(site.Release(), 0u);
}

TEST_F(HtmlViews, ViewWithoutABrowserKeepsItsHostAndDoesNothing) {
  CLSID saved = HtmlBrowserClass;
  // A class nobody registered: creating the browser fails.
  HtmlBrowserClass = {0x1c2b3a49, 0x5d6e, 0x4f70, {0x81, 0x92, 0xa3, 0xb4, 0xc5, 0xd6, 0xe7, 0xf8}};
  auto win = TestWindow();
  auto view = MakeHtmlView(10, 10, 200, 100, win, HtmlViewStyle::LockNavigation);
  HtmlBrowserClass = saved;
  Win32HtmlView* v = View(view);
  ASSERT_NE(v, nullptr);
  EXPECT_FALSE(v->HasBrowser());
  HWND host = Hwnd(view);
  EXPECT_TRUE(IsWindowVisible(host));
  HtmlSite& site = v->Site();
  EXPECT_EQ(Refs(site), 1u);  // nothing but the view holds the container
  TakeEvents();
  NavigateHtmlView(view, u"about:blank");
  HtmlViewGoBack(view);
  HtmlViewGoForward(view);
  CutFromGadget(view);
  CopyFromGadget(view);
  PasteIntoGadget(view);
  PrintGadget(view);
  ReshapeGadget(view, 0, 0, 150, 80);
  EXPECT_TRUE(RunHtmlViewScript(view, u"alert(1)").empty());
  EXPECT_EQ(GetHtmlViewState(view), 0);
  EXPECT_TRUE(GetHtmlViewAddress(view).empty());
  EXPECT_TRUE(Only(TakeEvents(), GadgetAction).empty());
  site.AddRef();
  DestroyGadget(view);
  EXPECT_FALSE(IsWindow(host));
  EXPECT_EQ(site.Release(), 0u);
}


// The browser takes the keyboard only when the user or the program gives its view the focus.
TEST_F(HtmlViews, MakingOrNavigatingAViewLeavesTheFocusWhereItWasAndFocusingItEntersThePage) {
  auto win = TestWindow();
  auto field = MakeTextField(10, 10, 200, 24, win, 0);
  FocusGadget(field);
  auto view = MakeHtmlView(10, 50, 300, 200, win, 0);
  Pump();
  EXPECT_EQ(GetFocus(), Hwnd(field)) << "making the view moved the focus";
  NavigateHtmlView(view, u"about:blank");
  Pump();
  EXPECT_EQ(GetFocus(), Hwnd(field)) << "navigating moved the focus";
  PressKeys({VK_TAB});
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == Hwnd(view) || IsChild(Hwnd(view), focus)) << "Tab did not reach the view";
  PressKeys({VK_TAB});
  EXPECT_EQ(GetFocus(), Hwnd(field)) << "Tab did not leave the view";
}

// The HTML view's container objects: identities, shared count, in-place activation answers and
// the browser event sink.
#include "gui/win32/kinds/html_site.h"

#include <exdispid.h>

#include <cstddef>
#include <string>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/kinds/html_view.h"
#include "runtime/text.h"

namespace {

// Hands out `iface` (counted) when `riid` is one of `ids`.
template <class I>
HRESULT Offer(REFIID riid, void** out, I* iface, std::initializer_list<const IID*> ids) {
  if (!out) return E_POINTER;
  for (const IID* id : ids) {
    if (IsEqualIID(riid, *id)) {
      *out = iface;
      iface->AddRef();
      return S_OK;
    }
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

// The value behind an argument, through any number of by-reference variants.
const VARIANT* Deref(const VARIANT* v) {
  for (int depth = 0; v && V_VT(v) == (VT_BYREF | VT_VARIANT) && depth < 4; ++depth) v = V_VARIANTREF(v);
  return v && V_VT(v) != (VT_BYREF | VT_VARIANT) ? v : nullptr;
}

// The argument at `index` in declaration order; the browser passes them last first. None unless
// the call carries exactly `count` arguments.
const VARIANT* Arg(const DISPPARAMS& params, UINT count, UINT index) {
  if (params.cArgs != count || !params.rgvarg || index >= count) return nullptr;
  return Deref(&params.rgvarg[count - 1 - index]);
}

// A text argument (direct or by reference); false for anything else. An empty or null variant
// reads as the empty text when `emptyOk`.
bool TextArg(const VARIANT* v, std::u16string& out, bool emptyOk = false) {
  out.clear();
  if (!v) return false;
  BSTR b = nullptr;
  switch (V_VT(v)) {
    case VT_BSTR:
      b = V_BSTR(v);
      break;
    case VT_BYREF | VT_BSTR:
      if (!V_BSTRREF(v)) return false;
      b = *V_BSTRREF(v);
      break;
    case VT_EMPTY:
    case VT_NULL:
      return emptyOk;
    default:
      return false;
  }
  if (b) out.assign(reinterpret_cast<const char16_t*>(b), SysStringLen(b));
  return true;
}

// The browser's cancel flag, writable through the reference it hands over; none otherwise.
VARIANT_BOOL* CancelArg(const VARIANT* v) {
  return v && V_VT(v) == (VT_BYREF | VT_BOOL) ? V_BOOLREF(v) : nullptr;
}

}  // namespace

ULONG HtmlSite::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// --- frame ---

HRESULT CMyFrame::QueryInterface(REFIID riid, void** out) {
  return Offer(riid, out, this,
               {&IID_IUnknown, &IID_IOleWindow, &IID_IOleInPlaceUIWindow, &IID_IOleInPlaceFrame});
}
ULONG CMyFrame::AddRef() { return owner_.AddRef(); }
ULONG CMyFrame::Release() { return owner_.Release(); }

HRESULT CMyFrame::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  // The frame is the window the host sits in, as a top-level frame would be.
  *hwnd = GetAncestor(owner_.host, GA_ROOT);
  if (!*hwnd) *hwnd = owner_.host;
  return S_OK;
}
HRESULT CMyFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT CMyFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT CMyFrame::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT CMyFrame::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
HRESULT CMyFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT CMyFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT CMyFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT CMyFrame::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT CMyFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT CMyFrame::EnableModeless(BOOL) { return S_OK; }
HRESULT CMyFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// --- site ---

HRESULT CMySite::QueryInterface(REFIID riid, void** out) {
  if (HRESULT hr = Offer(riid, out, static_cast<IOleClientSite*>(this), {&IID_IUnknown, &IID_IOleClientSite});
      hr != E_NOINTERFACE) {
    return hr;
  }
  if (HRESULT hr =
          Offer(riid, out, static_cast<IOleInPlaceSite*>(this), {&IID_IOleWindow, &IID_IOleInPlaceSite});
      hr != E_NOINTERFACE) {
    return hr;
  }
  return Offer(riid, out, static_cast<IDocHostUIHandler*>(this), {&IID_IDocHostUIHandler});
}
ULONG CMySite::AddRef() { return owner_.AddRef(); }
ULONG CMySite::Release() { return owner_.Release(); }

HRESULT CMySite::SaveObject() { return E_NOTIMPL; }
HRESULT CMySite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}
HRESULT CMySite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}
HRESULT CMySite::ShowObject() { return S_OK; }
HRESULT CMySite::OnShowWindow(BOOL) { return S_OK; }
HRESULT CMySite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT CMySite::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = owner_.host;
  return S_OK;
}
HRESULT CMySite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT CMySite::CanInPlaceActivate() { return S_OK; }
HRESULT CMySite::OnInPlaceActivate() { return S_OK; }
HRESULT CMySite::OnUIActivate() { return S_OK; }

HRESULT CMySite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame) {
    *frame = &owner_.frame;
    owner_.frame.AddRef();
  }
  if (doc) *doc = nullptr;
  // The browser fills the host's whole client area.
  RECT client{};
  GetClientRect(owner_.host, &client);
  if (pos) *pos = client;
  if (clip) *clip = client;
  if (info) {
    info->fMDIApp = FALSE;
    owner_.frame.GetWindow(&info->hwndFrame);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}
HRESULT CMySite::Scroll(SIZE) { return S_OK; }
HRESULT CMySite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT CMySite::OnInPlaceDeactivate() { return S_OK; }
HRESULT CMySite::DiscardUndoState() { return S_OK; }
HRESULT CMySite::DeactivateAndUndo() { return S_OK; }
HRESULT CMySite::OnPosRectChange(LPCRECT pos) {
  if (pos && owner_.inplace) owner_.inplace->SetObjectRects(pos, pos);
  return S_OK;
}

HRESULT CMySite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_FALSE; }
HRESULT CMySite::GetHostInfo(DOCHOSTUIINFO* info) {
  // Older callers hand a shorter record; the two fields set here are in every version.
  if (!info || info->cbSize < offsetof(DOCHOSTUIINFO, dwDoubleClick) + sizeof(DWORD)) return E_INVALIDARG;
  // The host draws its own frame around the gadget; the page gets none.
  info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return S_OK;
}
HRESULT CMySite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                        IOleInPlaceUIWindow*) {
  return S_OK;
}
HRESULT CMySite::HideUI() { return S_OK; }
HRESULT CMySite::UpdateUI() { return S_OK; }
HRESULT CMySite::EnableModeless(BOOL) { return S_OK; }
HRESULT CMySite::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT CMySite::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT CMySite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT CMySite::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
HRESULT CMySite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return S_FALSE;
}
HRESULT CMySite::GetDropTarget(IDropTarget*, IDropTarget** replacement) {
  if (replacement) *replacement = nullptr;
  return E_NOTIMPL;
}
HRESULT CMySite::GetExternal(IDispatch** external) {
  if (external) *external = nullptr;
  return E_NOTIMPL;
}
HRESULT CMySite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}
HRESULT CMySite::FilterDataObject(IDataObject*, IDataObject** replacement) {
  if (replacement) *replacement = nullptr;
  return S_FALSE;
}

// --- storage ---

HRESULT CNullStorage::QueryInterface(REFIID riid, void** out) {
  return Offer(riid, out, this, {&IID_IUnknown, &IID_IStorage});
}
ULONG CNullStorage::AddRef() { return owner_.AddRef(); }
ULONG CNullStorage::Release() { return owner_.Release(); }

HRESULT CNullStorage::CreateStream(const OLECHAR*, DWORD, DWORD, DWORD, IStream** stream) {
  if (stream) *stream = nullptr;
  return E_NOTIMPL;
}
HRESULT CNullStorage::OpenStream(const OLECHAR*, void*, DWORD, DWORD, IStream** stream) {
  if (stream) *stream = nullptr;
  return E_NOTIMPL;
}
HRESULT CNullStorage::CreateStorage(const OLECHAR*, DWORD, DWORD, DWORD, IStorage** storage) {
  if (storage) *storage = nullptr;
  return E_NOTIMPL;
}
HRESULT CNullStorage::OpenStorage(const OLECHAR*, IStorage*, DWORD, SNB, DWORD, IStorage** storage) {
  if (storage) *storage = nullptr;
  return E_NOTIMPL;
}
HRESULT CNullStorage::CopyTo(DWORD, const IID*, SNB, IStorage*) { return E_NOTIMPL; }
HRESULT CNullStorage::MoveElementTo(const OLECHAR*, IStorage*, const OLECHAR*, DWORD) { return E_NOTIMPL; }
HRESULT CNullStorage::Commit(DWORD) { return S_OK; }
HRESULT CNullStorage::Revert() { return S_OK; }
HRESULT CNullStorage::EnumElements(DWORD, void*, DWORD, IEnumSTATSTG** elements) {
  if (elements) *elements = nullptr;
  return E_NOTIMPL;
}
HRESULT CNullStorage::DestroyElement(const OLECHAR*) { return E_NOTIMPL; }
HRESULT CNullStorage::RenameElement(const OLECHAR*, const OLECHAR*) { return E_NOTIMPL; }
HRESULT CNullStorage::SetElementTimes(const OLECHAR*, const FILETIME*, const FILETIME*, const FILETIME*) {
  return E_NOTIMPL;
}
// Creation records the object's class here; there is nowhere to keep it and no need to.
HRESULT CNullStorage::SetClass(REFCLSID) { return S_OK; }
HRESULT CNullStorage::SetStateBits(DWORD, DWORD) { return E_NOTIMPL; }
HRESULT CNullStorage::Stat(STATSTG*, DWORD) { return E_NOTIMPL; }

// --- events ---

HRESULT DWebBrowserEventsImpl::QueryInterface(REFIID riid, void** out) {
  return Offer(riid, out, this, {&IID_IUnknown, &IID_IDispatch, &DIID_DWebBrowserEvents2});
}
ULONG DWebBrowserEventsImpl::AddRef() { return owner_.AddRef(); }
ULONG DWebBrowserEventsImpl::Release() { return owner_.Release(); }

HRESULT DWebBrowserEventsImpl::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}
HRESULT DWebBrowserEventsImpl::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT DWebBrowserEventsImpl::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT DWebBrowserEventsImpl::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                      UINT*) {
  if (!params) return E_INVALIDARG;
  switch (id) {
    case DISPID_BEFORENAVIGATE2:
      return BeforeNavigate2(*params);
    case DISPID_NEWWINDOW2:
      return NewWindow2(*params);
    case DISPID_DOCUMENTCOMPLETE:
      return DocumentComplete(*params);
  }
  return S_OK;
}

HRESULT DWebBrowserEventsImpl::BeforeNavigate2(DISPPARAMS& params) {
  // (browser, url, flags, target frame, post data, headers, cancel)
  VARIANT_BOOL* cancel = CancelArg(Arg(params, 7, 6));
  std::u16string url, frame;
  if (!cancel || !TextArg(Arg(params, 7, 1), url) || !TextArg(Arg(params, 7, 3), frame, true)) {
    return DISP_E_BADPARAMCOUNT;
  }
  *cancel = VARIANT_FALSE;
  // Frames inside the page navigate on their own; only the page itself is locked.
  if (!frame.empty()) return S_OK;
  if ((owner_.style & HtmlViewStyle::LockNavigation) && owner_.programNavigation == 0) {
    // The user followed a link: the program decides whether to go there.
    *cancel = VARIANT_TRUE;
    if (owner_.view) owner_.view->Emit(GadgetAction, 0, 0, 0, 0, MakeText(url));
  } else {
    owner_.programNavigation = 0;
  }
  return S_OK;
}

HRESULT DWebBrowserEventsImpl::NewWindow2(DISPPARAMS& params) {
  // (new browser out, cancel)
  VARIANT_BOOL* cancel = CancelArg(Arg(params, 2, 1));
  if (!cancel) return DISP_E_BADPARAMCOUNT;
  *cancel = VARIANT_TRUE;
  return S_OK;
}

HRESULT DWebBrowserEventsImpl::DocumentComplete(DISPPARAMS& params) {
  // (browser, url)
  std::u16string url;
  if (!TextArg(Arg(params, 2, 1), url)) return DISP_E_BADPARAMCOUNT;
  owner_.busy = 0;
  if (owner_.view) {
    owner_.view->text = url;
    owner_.view->Emit(GadgetDone, 0, 0, 0, 0);
  }
  return S_OK;
}

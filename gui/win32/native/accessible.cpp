// The toolkit's accessible object: the platform's standard one for a client area, with the role
// and name a screen reader says taken from the toolkit's rules.
#include "gui/win32/native/accessible.h"

// The accessibility interfaces and the subclassing functions need the base platform header first.
#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "gui/win32/native/access_names.h"
#include "gui/win32/native/hwnd.h"
#include "runtime/wide.h"

namespace {

bool IsSelf(const VARIANT& id) { return id.vt == VT_I4 && id.lVal == CHILDID_SELF; }

// Lives as long as its clients hold it, which can be longer than the HWND: once the HWND has left
// the driver every question is answered with an error, never with what the handle now holds.
class GadgetAccessible final : public IAccessible, public IOleWindow {
 public:
  // Takes over the reference to `standard`.
  GadgetAccessible(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}
  GadgetAccessible(const GadgetAccessible&) = delete;
  GadgetAccessible& operator=(const GadgetAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow)) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IOleWindow: how a client finds the window an object stands for.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = hwnd_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
    return Forward(
        [&](IAccessible& s) { return s.Invoke(id, iid, locale, flags, params, result, exception, wrong); });
  }

  // IAccessible: the control's own name and role; the rest, and its children's, the platform's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!IsSelf(id)) return Forward([&](IAccessible& s) { return s.get_accName(id, name); });
    if (!Live()) return CO_E_OBJNOTCONNECTED;
    const std::u16string text = AccessibleName(hwnd_);
    if (text.empty()) return S_FALSE;
    *name = SysAllocStringLen(Wide(text), static_cast<UINT>(text.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    if (!IsSelf(id)) return Forward([&](IAccessible& s) { return s.get_accRole(id, role); });
    if (!Live()) return CO_E_OBJNOTCONNECTED;
    role->vt = VT_I4;
    role->lVal = AccessibleRole(hwnd_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Forward([&](IAccessible& s) { return s.get_accParent(parent); });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return Forward([&](IAccessible& s) { return s.get_accChildCount(count); });
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    return Forward([&](IAccessible& s) { return s.get_accChild(id, child); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    return Forward([&](IAccessible& s) { return s.get_accValue(id, value); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override {
    return Forward([&](IAccessible& s) { return s.get_accDescription(id, description); });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    return Forward([&](IAccessible& s) { return s.get_accState(id, state); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override {
    return Forward([&](IAccessible& s) { return s.get_accHelp(id, help); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    return Forward([&](IAccessible& s) { return s.get_accHelpTopic(file, id, topic); });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override {
    return Forward([&](IAccessible& s) { return s.get_accKeyboardShortcut(id, shortcut); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return Forward([&](IAccessible& s) { return s.get_accFocus(focus); });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Forward([&](IAccessible& s) { return s.get_accSelection(selection); });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
    return Forward([&](IAccessible& s) { return s.get_accDefaultAction(id, action); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override {
    return Forward([&](IAccessible& s) { return s.accSelect(flags, id); });
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override {
    return Forward([&](IAccessible& s) { return s.accLocation(left, top, width, height, id); });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return Forward([&](IAccessible& s) { return s.accNavigate(direction, start, end); });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override {
    return Forward([&](IAccessible& s) { return s.accHitTest(x, y, id); });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    return Forward([&](IAccessible& s) { return s.accDoDefaultAction(id); });
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override {
    return Forward([&](IAccessible& s) { return s.put_accName(id, name); });
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override {
    return Forward([&](IAccessible& s) { return s.put_accValue(id, value); });
  }

 private:
  ~GadgetAccessible() { standard_->Release(); }

  // Still the HWND of a gadget: the driver forgets it as it is destroyed.
  bool Live() const { return FindHwnd(hwnd_) != nullptr; }

  template <class Call>
  HRESULT Forward(Call call) {
    return Live() ? call(*standard_) : CO_E_OBJNOTCONNECTED;
  }

  HWND hwnd_;
  IAccessible* standard_;
  ULONG refs_ = 1;
};

bool AsksForClient(LPARAM lp) { return static_cast<LONG>(lp) == static_cast<LONG>(OBJID_CLIENT); }

LRESULT CALLBACK PartProc(HWND part, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR whole) {
  if (msg == WM_GETOBJECT && AsksForClient(lp))
    return AnswerAccessibleQuery(reinterpret_cast<HWND>(whole), wp);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(part, PartProc, id);
  return DefSubclassProc(part, msg, wp, lp);
}

}  // namespace

void AnswerAsWhole(HWND part, HWND whole) {
  if (part) SetWindowSubclass(part, PartProc, 0, reinterpret_cast<DWORD_PTR>(whole));
}

LRESULT AnswerAccessibleQuery(HWND hwnd, WPARAM request) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard))))
    return 0;
  auto* object = new GadgetAccessible(hwnd, standard);
  // The answer holds a reference of its own for the client that asked.
  const LRESULT answer = LresultFromObject(IID_IAccessible, request, static_cast<IAccessible*>(object));
  object->Release();
  return answer;
}

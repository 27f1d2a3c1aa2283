// The Win32 gadget driver: gadget creation per class, fonts, colour and font choosers, pointer
// shapes and icon preparation.
#include <windows.h>
// The dialogs' declarations need the base platform header first.
#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "event/event.h"
#include "gui/win32/factory.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/managed/menus.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"
#include "runtime/text.h"
#include "runtime/wide.h"

namespace {

// A gadget font that holds one reference to its native font.
class TNativeGuiFont : public TGuiFont {
 public:
  ~TNativeGuiFont() override {
    if (handle) reinterpret_cast<VellFont*>(handle)->Release();
  }
};

// Parts of a pixel or colour as 0xAARRGGBB.
constexpr uint32_t AlphaBits = 0xFF000000u;
constexpr uint32_t ColourBits = 0x00FFFFFFu;
constexpr uint32_t MaskWhite = 0xFFFFFFFFu;  // opaque white, the colour an icon strip masks out
constexpr uint32_t OffWhite = 0x00FEFEFEu;   // what real white becomes, so that it stays shown

// The system cursor of each pointer shape; shapes outside the table show the first.
const LPCSTR CursorIds[] = {IDC_ARROW,   IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,        IDC_CROSS,
                            IDC_UPARROW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,      IDC_SIZENS,
                            IDC_SIZEALL, IDC_NO,       IDC_HAND,     IDC_APPSTARTING, IDC_HELP};
constexpr int32_t PointerShapes = sizeof CursorIds / sizeof CursorIds[0];

// A menu item below the group's menu (a window's bar, an item's submenu, or none: a popup's
// root); `style` carries the user's tag, reported as the data of the item's actions.
Ref<TGadget> CreateMenuItem(const std::u16string& text, TWin32Gadget* owner, const Ref<TGadget>& group,
                            int32_t style) {
  int32_t tag = NextMenuTag++;
  VellMenu* item = NewMenu(text, tag, MenuParentOf(owner));
  Ref<TWin32Gadget> gadget;
  try {
    gadget = TWin32Gadget::Create(GadgetClass::Menu, item, group);
  } catch (...) {
    DropMenuItem(item);
    throw;
  }
  gadget->name = text;
  MenuTagMap[IntText(tag)] = IntText(style);
  MenuGadgetMap[IntText(tag)] = gadget.get();
  return gadget;
}

}  // namespace

int32_t PointerCursorId(int32_t shape) {
  // A system cursor's name is its number in a pointer's clothes.
  LPCSTR id = CursorIds[shape >= 0 && shape < PointerShapes ? shape : 0];
  return static_cast<int32_t>(reinterpret_cast<uintptr_t>(id));
}

TWin32GUIDriver::TWin32GUIDriver() {
  NativeHost = ManagedNativeHost();
  StartNativeLayer();
  // The native layer and its desktop exist once per process, so a later driver shares the gadget.
  if (!DesktopGadget) DesktopGadget = TWin32Gadget::Create(GadgetClass::Desktop, NativeDesktop, nullptr);
}

Ref<TObject> TWin32GUIDriver::SendMessage(const Ref<TObject>& message, const Ref<TObject>& target) {
  if (auto e = Cast<TEvent>(message)) {
    PostGadgetEvent(e->id, Cast<TGadget>(target), e->data, e->mods, e->x, e->y, e->extra);
  }
  return nullptr;
}

Ref<TGuiFont> TWin32GUIDriver::LoadFont(const std::u16string& name, int32_t size, int32_t style) {
  VellFont* f = NativeFontDriver->LoadFont(name, size, style & FontStyle::Mask);
  if (!f) return nullptr;
  Ref<TGuiFont> font = CreateFont(f);
  f->Release();  // the font record holds its own reference now
  return font;
}

Ref<TGuiFont> TWin32GUIDriver::CreateFont(VellFont* native) {
  auto font = New<TNativeGuiFont>();
  font->name = native->name;
  font->size = native->size;
  font->style = native->style;
  native->Retain();
  font->handle = reinterpret_cast<intptr_t>(native);
  return font;
}

Ref<TGadget> TWin32GUIDriver::CreateGadget(int32_t cls, const std::u16string& text, int32_t x, int32_t y,
                                           int32_t w, int32_t h, Ref<TGadget> group, int32_t style) {
  if (cls == GadgetClass::Desktop) return DesktopGadget;
  if (cls == GadgetClass::Node) RuntimeError(u"chunks");
  if (!group) group = DesktopGadget;
  auto* owner = dynamic_cast<TWin32Gadget*>(group.get());
  if (cls == GadgetClass::Menu) return CreateMenuItem(text, owner, group, style);
  auto* parent = owner ? dynamic_cast<VellGroup*>(owner->handle) : nullptr;
  VellGadget* native = NativeGuiDriver->NewGadget(cls, parent, style);
  if (native) {
    native->SetShape(x, y, w, h);
    switch (cls) {
      case GadgetClass::Window:
        native->SetText(text);
        if (!(style & WindowStyle::Hidden)) native->SetShow(1);
        break;
      case GadgetClass::Panel:
        native->SetShow(1);
        if (!text.empty()) native->SetText(text);
        break;
      default:
        // Every other kind shows at once, with the text it was made with (a button's, a label's).
        if (!text.empty()) native->SetText(text);
        native->SetShow(1);
    }
    native->LockLayout();
  }
  Ref<TWin32Gadget> gadget;
  try {
    gadget = TWin32Gadget::Create(cls, native, group);
  } catch (...) {
    if (native) native->Release();
    throw;
  }
  gadget->name = text;
  return gadget;
}

Ref<TGadget> TWin32GUIDriver::ActiveGadget() {
  Win32Hwnd* record = FindHwnd(GetFocus());
  return record ? Ref<TGadget>(GadgetFromHandle(record->gadget)) : nullptr;
}

int32_t TWin32GUIDriver::RequestColor(int32_t r, int32_t g, int32_t b) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = GetActiveWindow();
  cc.rgbResult = RGB(r & 255, g & 255, b & 255);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return 0;
  COLORREF c = cc.rgbResult;
  return static_cast<int32_t>(AlphaBits | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
}

Ref<TGuiFont> TWin32GUIDriver::RequestFont(Ref<TGuiFont> font) {
  LOGFONTW lf{};
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  if (font) {
    lf.lfHeight = -MulDiv(font->size, dpi, 72);
    lf.lfWeight = (font->style & FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font->style & FontStyle::Italic) ? TRUE : FALSE;
    lf.lfUnderline = (font->style & FontStyle::Underline) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::u16string_view face = CutText(font->name, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), lf.lfFaceName);
  }
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = GetActiveWindow();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | (font ? CF_INITTOLOGFONTSTRUCT : 0);
  if (!ChooseFontW(&cf)) return nullptr;
  std::u16string name = FromWide(lf.lfFaceName);
  int32_t size = cf.iPointSize / 10;  // the dialog gives tenths of a point
  int32_t style = (lf.lfWeight >= FW_BOLD ? FontStyle::Bold : 0) | (lf.lfItalic ? FontStyle::Italic : 0) |
                  (lf.lfUnderline ? FontStyle::Underline : 0);
  if (font && font->name == name && font->size == size && font->style == style) return font;
  return LoadFont(name, size, style);
}

void TWin32GUIDriver::SetPointer(int32_t shape) {
  HCURSOR c = LoadCursorW(nullptr, MAKEINTRESOURCEW(PointerCursorId(shape)));
  SetGadgetPointer(c);
  SetCursor(c);
}

int32_t TWin32GUIDriver::ProcessIconPix(const Ref<TPixmap>& pixmap) {
  if (!pixmap || !PixmapFormatHasAlpha(pixmap->format)) return 0;
  for (int32_t y = 0; y < pixmap->height; ++y) {
    for (int32_t x = 0; x < pixmap->width; ++x) {
      uint32_t p = pixmap->ReadPixel(x, y);
      // Mostly transparent pixels (dithered at the edge) become the mask colour white, so real
      // white is moved off it.
      if ((p >> 30) + ((x + y) & 1) <= 2) {
        pixmap->WritePixel(x, y, MaskWhite);
      } else if ((p & ColourBits) == ColourBits) {
        pixmap->WritePixel(x, y, (p & AlphaBits) | OffWhite);
      }
    }
  }
  return 0;
}

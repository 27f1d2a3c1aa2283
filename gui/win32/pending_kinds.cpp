// Stand-ins for the kinds still being built: their gadgets get no native object, and their
// operations do nothing. Each block goes when its kind's own file defines it.
#include "gui/win32/gadget_win32.h"
#include "gui/win32/vell.h"
#include "gui/win32/win32_driver.h"
#include "gui/win32/win32_window.h"

// --- menus ---
VellMenu::~VellMenu() = default;
VellMenu* Win32Window::RootMenu() { return nullptr; }
void Win32Window::UpdateMenu() {}
Ref<TGadget> TWin32Gadget::GetMenu() { return nullptr; }
void TWin32Gadget::PopupMenu(Ref<TGadget>, Ref<TObject>) {}
void TWin32Gadget::UpdateMenu() {}

// --- text field ---
VellTextField* Win32GuiDriver::NewTextField(VellGroup*, int32_t) { return nullptr; }

// --- slider ---
VellSlider* Win32GuiDriver::NewSlider(VellGroup*, int32_t) { return nullptr; }

// --- progress bar ---
VellProgBar* Win32GuiDriver::NewProgBar(VellGroup*, int32_t) { return nullptr; }

// --- tree view ---
VellTreeView* Win32GuiDriver::NewTreeView(VellGroup*, int32_t) { return nullptr; }
Ref<TGadget> TWin32Gadget::RootNode() { return nullptr; }
Ref<TGadget> TWin32Gadget::InsertNode(int32_t, const std::u16string&, int32_t) { return nullptr; }
void TWin32Gadget::ModifyNode(const std::u16string&, int32_t) {}
Ref<TGadget> TWin32Gadget::SelectedNode() { return nullptr; }
int32_t TWin32Gadget::CountKids() { return 0; }

// --- tool bar ---
VellToolBar* Win32GuiDriver::NewToolBar(VellGroup*, int32_t) { return nullptr; }

// --- HTML view ---
VellHtmlView* Win32GuiDriver::NewHtmlView(VellGroup*, int32_t) { return nullptr; }
std::u16string TWin32Gadget::Run(const std::u16string&) { return u""; }

// --- panel painting ---
void TWin32Gadget::SetPixmap(Ref<TPixmap>, int32_t) {}
void TWin32Gadget::SetAlpha(float) {}

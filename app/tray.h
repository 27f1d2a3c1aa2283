// The notification-area icon: the program's record for the shell and the calls that add and remove it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/object.h"

// The shell's first wide notification-icon record as each target lays it out: handle, id, flags,
// message, icon and a tip of 64 UTF-16 units. The handles are pointer-sized, so the 32-bit layout
// is 152 bytes and the 64-bit one 168 (padding after Size and after CallbackMessage). A new record is
// all zero; `Size` is set to the whole record's size, never to a later version's.
template <class Handle>
struct TNotifyIconLayout {
  int32_t Size = 0;
  Handle HWND = 0;
  int32_t id = 0;
  int32_t Flags = 0;
  int32_t CallbackMessage = 0;
  Handle Icon = 0;
  // A UTF-16 string, always NUL-terminated inside the buffer (SetTrayTip sees to that).
  alignas(8) char16_t Tip[64] = {};
};

using TNotifyIconData32 = TNotifyIconLayout<int32_t>;
using TNotifyIconData64 = TNotifyIconLayout<int64_t>;

static_assert(sizeof(TNotifyIconData32) == 152);
static_assert(offsetof(TNotifyIconData32, HWND) == 4);
static_assert(offsetof(TNotifyIconData32, Icon) == 20);
static_assert(offsetof(TNotifyIconData32, Tip) == 24);
static_assert(sizeof(TNotifyIconData64) == 168);
static_assert(offsetof(TNotifyIconData64, HWND) == 8);
static_assert(offsetof(TNotifyIconData64, id) == 16);
static_assert(offsetof(TNotifyIconData64, CallbackMessage) == 24);
static_assert(offsetof(TNotifyIconData64, Icon) == 32);
static_assert(offsetof(TNotifyIconData64, Tip) == 40);

// The record of the target the program is built for.
using TNotifyIconData = TNotifyIconLayout<intptr_t>;
static_assert(sizeof(TNotifyIconData) == (sizeof(void*) == 4 ? 152 : 168));

inline constexpr int32_t TrayIconMessage = 0x200;  // posted to the window for mouse activity over the icon
inline constexpr int32_t TrayIconFlags = 7;        // message, icon and tip are valid

// The platform's numbers for the calls below, named here to keep its headers out of this one.
inline constexpr int32_t TrayAdd = 0;              // the shell's add-icon message
inline constexpr int32_t TrayDelete = 2;           // the shell's delete-icon message
inline constexpr int32_t IconLoadFromFile = 0x10;  // the loader's flag: the name is a file
inline constexpr int32_t IconShared = 0x8000;      // the loader's flag: the system owns the icon

// Fills the tip buffer: all 64 units zero, then at most the first 63 UTF-16 units of the text, cut
// before a surrogate pair that would not fit whole, so a NUL always ends the tip inside the
// buffer. The shell shows the tip up to its first NUL: a NUL inside the text ends the tip there;
// an unpaired surrogate is passed on as it is.
template <class Handle>
void SetTrayTip(TNotifyIconLayout<Handle>& record, const std::u16string& text);

// The record of the icon shown now (Null before the first AddTrayIcon).
extern std::unique_ptr<TNotifyIconData> CurrentTrayRecord;

class TGadget;

// Shows the icon for `window` with the tip and the icon file (relative names are resolved against
// the current directory, which is the executable's). A missing icon file leaves Icon 0.
void AddTrayIcon(const Ref<TGadget>& window, const std::u16string& tip, const std::u16string& iconFile);
// Removes the icon of the current record; removing it again, or before any was added, does nothing.
void RemoveTrayIcon();
// An icon handle loaded from a file (load-from-file is added to the flags), 0 on failure.
intptr_t LoadTrayIcon(const std::u16string& fileName, int32_t width, int32_t height, int32_t flags);

// The platform's calls, kept out of this header: the shell's notification-icon call (TrayAdd or
// TrayDelete) with the record's address, and the icon loader with a NUL-terminated UTF-16 file name
// (a width or height of 0: the screen's small icon size).
void ShellNotifyIcon(int32_t message, void* record);
intptr_t LoadIconImage(const char16_t* fileName, int32_t width, int32_t height, int32_t flags);

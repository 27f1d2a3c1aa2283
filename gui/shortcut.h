// Menu item labels: the names of shortcut keys and the label text with its shortcut after a tab.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A label is composed in a fixed buffer of this many UTF-16 units, its terminating zero included.
constexpr std::size_t MenuLabelBuffer = 256;

// The name a virtual key is shown by ("F1", "PageUp", "Num 3"); empty for a key without a name.
std::string_view ShortcutKeyName(int32_t key);
// The shown label of an item: the text, then, for a key with a name, a tab, the modifiers
// ("Shift+", "Ctrl+", "Alt+" for bits 1, 2, 4) and the key's name; with such a key, whatever the
// text has from its first tab on is left out, so a shortcut written there is replaced. Without a
// named key the text is kept as written. At most MenuLabelBuffer - 1 units: a long text is cut so
// that the shortcut still shows, never between the halves of a surrogate pair. A NUL in the text
// is kept; the platform's menu ends the label there.
std::u16string ComposeMenuLabel(std::u16string_view text, int32_t key, int32_t mods);

// Names of shortcut keys and composing an item's label with its shortcut.
#include "gui/shortcut.h"

#include <array>

#include "runtime/text.h"

namespace {

// Names of the keys 0 to 255, built once; keys outside the table have none.
const std::array<std::string, 256>& KeyNames() {
  static const std::array<std::string, 256> names = [] {
    std::array<std::string, 256> n;
    n[8] = "Backspace";
    n[9] = "Tab";
    n[13] = "Enter";
    n[27] = "Esc";
    n[32] = "Space";
    n[33] = "PageUp";
    n[34] = "PageDown";
    n[35] = "End";
    n[36] = "Home";
    n[37] = "Left";
    n[38] = "Up";
    n[39] = "Right";
    n[40] = "Down";
    n[45] = "Insert";
    n[46] = "Delete";
    for (int k = '0'; k <= '9'; ++k) n[k] = std::string(1, static_cast<char>(k));
    for (int k = 'A'; k <= 'Z'; ++k) n[k] = std::string(1, static_cast<char>(k));
    for (int k = 96; k <= 105; ++k) n[k] = "Num " + std::to_string(k - 96);
    n[106] = "Num *";
    n[107] = "Num +";
    n[109] = "Num -";
    n[110] = "Num .";
    n[111] = "Num /";
    for (int k = 112; k <= 123; ++k) n[k] = "F" + std::to_string(k - 111);
    n[186] = ";";
    n[187] = "=";
    n[188] = ",";
    n[189] = "-";
    n[190] = ".";
    n[191] = "/";
    n[192] = "~";
    n[219] = "[";
    n[221] = "]";
    n[222] = "'";
    n[226] = "\\";
    return n;
  }();
  return names;
}

}  // namespace

std::string_view ShortcutKeyName(int32_t key) {
  if (key < 0 || key > 255) return {};
  return KeyNames()[static_cast<std::size_t>(key)];
}

std::u16string ComposeMenuLabel(std::u16string_view text, int32_t key, int32_t mods) {
  constexpr std::size_t limit = MenuLabelBuffer - 1;
  std::string_view name = ShortcutKeyName(key);
  std::u16string label;
  label.reserve(limit);
  if (name.empty()) {
    label.assign(CutText(text, limit));
    return label;
  }
  // A shortcut the program wrote after a tab ("&Quit\tCtrl+Q") would show beside the composed
  // one; the composed one is what the key really is, so it takes the written one's place.
  text = text.substr(0, text.find(u'\t'));
  std::u16string suffix = u"\t";
  if (mods & 1) suffix += u"Shift+";
  if (mods & 2) suffix += u"Ctrl+";
  if (mods & 4) suffix += u"Alt+";
  suffix.append(name.begin(), name.end());
  // The longest suffix is far below the limit, so some of the text always shows.
  label.assign(CutText(text, limit - suffix.size()));
  label += suffix;
  return label;
}

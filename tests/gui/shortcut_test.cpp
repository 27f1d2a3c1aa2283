// Shortcut labels of menu items: key names, modifiers, and long texts cut to the label buffer.
#include "gui/shortcut.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortcutLabel, KeysAreNamedAndUnnamedKeysAddNothing) {
  struct Case {
    int32_t key, mods;
    const char* label;
  } cases[] = {
      {112, 2, "Open\tCtrl+F1"},
      {123, 0, "Open\tF12"},
      {8, 0, "Open\tBackspace"},
      {27, 0, "Open\tEsc"},
      {34, 0, "Open\tPageDown"},
      {46, 0, "Open\tDelete"},
      {48, 0, "Open\t0"},
      {57, 0, "Open\t9"},
      {65, 0, "Open\tA"},
      {90, 0, "Open\tZ"},
      {96, 0, "Open\tNum 0"},
      {105, 0, "Open\tNum 9"},
      {106, 0, "Open\tNum *"},
      {110, 0, "Open\tNum ."},
      {111, 0, "Open\tNum /"},
      {186, 0, "Open\t;"},
      {192, 0, "Open\t~"},
      {222, 0, "Open\t'"},
      {226, 0, "Open\t\\"},
      {79, 7, "Open\tShift+Ctrl+Alt+O"},
      {79, 5, "Open\tShift+Alt+O"},
      {79, 8, "Open\tO"},
      // Keys without a name: no tab, no modifiers.
      {0, 2, "Open"},
      {108, 2, "Open"},
      {124, 0, "Open"},
      {220, 0, "Open"},
      {256 + 65, 0, "Open"},
      {-1, 1, "Open"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeMenuLabel("Open", c.key, c.mods), c.label) << "key " << c.key << " mods " << c.mods;
  }
}

TEST(ShortcutLabel, LongTextsAreCutToTheBufferKeepingTheShortcut) {
  const std::string longText(10000, 'x');
  struct Case {
    std::string text;
    int32_t key, mods;
    std::string label;
  } cases[] = {
      {longText, 112, 7, std::string(255 - 18, 'x') + "\tShift+Ctrl+Alt+F1"},
      {longText, 0, 0, std::string(255, 'x')},
      {std::string(250, 'x'), 65, 0, std::string(250, 'x') + "\tA"},
      {std::string(253, 'x'), 65, 0, std::string(253, 'x') + "\tA"},
      {std::string(254, 'x'), 65, 0, std::string(253, 'x') + "\tA"},
      {"", 65, 2, "\tCtrl+A"},
  };
  for (const Case& c : cases) {
    std::string label = ComposeMenuLabel(c.text, c.key, c.mods);
    EXPECT_LE(label.size(), MenuLabelBuffer - 1);
    EXPECT_EQ(label, c.label) << "text of " << c.text.size();
  }
}

TEST(ShortcutLabel, AShortcutWrittenAfterATabIsReplacedOnlyByANamedKey) {
  struct Case {
    const char* text;
    int32_t key, mods;
    const char* label;
  } cases[] = {
      {"&Quit\tCtrl+Q", 81, 2, "&Quit\tCtrl+Q"},
      {"&Save\tCtrl+X", 83, 2, "&Save\tCtrl+S"},
      {"Find\t", 114, 0, "Find\tF3"},
      {"Tabs\tone\ttwo", 113, 1, "Tabs\tShift+F2"},
      {"\tAlt+A", 65, 4, "\tAlt+A"},
      // Without a named key the text stays as written, tab and all.
      {"&Quit\tCtrl+Q", 0, 2, "&Quit\tCtrl+Q"},
      {"Odd\tCtrl+P", 255, 2, "Odd\tCtrl+P"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeMenuLabel(c.text, c.key, c.mods), c.label) << c.text << " key " << c.key;
  }
  // A long text whose shortcut was written beyond the cut still shows the composed one.
  std::string written = std::string(300, 'x') + "\tCtrl+Q";
  EXPECT_EQ(ComposeMenuLabel(written, 81, 2), std::string(255 - 7, 'x') + "\tCtrl+Q");
  EXPECT_EQ(ComposeMenuLabel("ab\tCtrl+Q" + std::string(300, 'y'), 81, 2), "ab\tCtrl+Q");
}

}  // namespace

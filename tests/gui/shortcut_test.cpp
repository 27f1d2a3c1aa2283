// Shortcut labels of menu items: key names, modifiers, and long texts cut to the label buffer.
#include "gui/shortcut.h"

#include <gtest/gtest.h>

#include "runtime/text.h"

namespace {

TEST(ShortcutLabel, KeysAreNamedAndUnnamedKeysAddNothing) {
  struct Case {
    int32_t key, mods;
    const char16_t* label;
  } cases[] = {
      {112, 2, u"Open\tCtrl+F1"},
      {123, 0, u"Open\tF12"},
      {8, 0, u"Open\tBackspace"},
      {27, 0, u"Open\tEsc"},
      {34, 0, u"Open\tPageDown"},
      {46, 0, u"Open\tDelete"},
      {48, 0, u"Open\t0"},
      {57, 0, u"Open\t9"},
      {65, 0, u"Open\tA"},
      {90, 0, u"Open\tZ"},
      {96, 0, u"Open\tNum 0"},
      {105, 0, u"Open\tNum 9"},
      {106, 0, u"Open\tNum *"},
      {110, 0, u"Open\tNum ."},
      {111, 0, u"Open\tNum /"},
      {186, 0, u"Open\t;"},
      {192, 0, u"Open\t~"},
      {222, 0, u"Open\t'"},
      {226, 0, u"Open\t\\"},
      {79, 7, u"Open\tShift+Ctrl+Alt+O"},
      {79, 5, u"Open\tShift+Alt+O"},
      {79, 8, u"Open\tO"},
      // Keys without a name: no tab, no modifiers.
      {0, 2, u"Open"},
      {108, 2, u"Open"},
      {124, 0, u"Open"},
      {220, 0, u"Open"},
      {256 + 65, 0, u"Open"},
      {-1, 1, u"Open"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeMenuLabel(u"Open", c.key, c.mods), c.label) << "key " << c.key << " mods " << c.mods;
  }
}

TEST(ShortcutLabel, LongTextsAreCutToTheBufferKeepingTheShortcut) {
  const std::u16string longText(10000, u'x');
  struct Case {
    std::u16string text;
    int32_t key, mods;
    std::u16string label;
  } cases[] = {
      {longText, 112, 7, std::u16string(255 - 18, u'x') + u"\tShift+Ctrl+Alt+F1"},
      {longText, 0, 0, std::u16string(255, u'x')},
      {std::u16string(250, u'x'), 65, 0, std::u16string(250, u'x') + u"\tA"},
      {std::u16string(253, u'x'), 65, 0, std::u16string(253, u'x') + u"\tA"},
      {std::u16string(254, u'x'), 65, 0, std::u16string(253, u'x') + u"\tA"},
      {u"", 65, 2, u"\tCtrl+A"},
      // A character outside the basic plane is two units; one that does not fit whole is left out.
      {std::u16string(252, u'x') + u"\U0001F600", 65, 0, std::u16string(252, u'x') + u"\tA"},
      {std::u16string(251, u'x') + u"\U0001F600", 65, 0, std::u16string(251, u'x') + u"\U0001F600\tA"},
      {std::u16string(254, u'x') + u"\U0001F600", 0, 0, std::u16string(254, u'x')},
  };
  for (const Case& c : cases) {
    std::u16string label = ComposeMenuLabel(c.text, c.key, c.mods);
    EXPECT_LE(label.size(), MenuLabelBuffer - 1);
    EXPECT_EQ(label, c.label) << "text of " << c.text.size();
  }
}

TEST(ShortcutLabel, AShortcutWrittenAfterATabIsReplacedOnlyByANamedKey) {
  struct Case {
    const char16_t* text;
    int32_t key, mods;
    const char16_t* label;
  } cases[] = {
      {u"&Quit\tCtrl+Q", 81, 2, u"&Quit\tCtrl+Q"},
      {u"&Save\tCtrl+X", 83, 2, u"&Save\tCtrl+S"},
      {u"Find\t", 114, 0, u"Find\tF3"},
      {u"Tabs\tone\ttwo", 113, 1, u"Tabs\tShift+F2"},
      {u"\tAlt+A", 65, 4, u"\tAlt+A"},
      // Without a named key the text stays as written, tab and all.
      {u"&Quit\tCtrl+Q", 0, 2, u"&Quit\tCtrl+Q"},
      {u"Odd\tCtrl+P", 255, 2, u"Odd\tCtrl+P"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeMenuLabel(c.text, c.key, c.mods), c.label) << Utf8(c.text) << " key " << c.key;
  }
  // A long text whose shortcut was written beyond the cut still shows the composed one.
  std::u16string written = std::u16string(300, u'x') + u"\tCtrl+Q";
  EXPECT_EQ(ComposeMenuLabel(written, 81, 2), std::u16string(255 - 7, u'x') + u"\tCtrl+Q");
  EXPECT_EQ(ComposeMenuLabel(u"ab\tCtrl+Q" + std::u16string(300, u'y'), 81, 2), u"ab\tCtrl+Q");
}

}  // namespace

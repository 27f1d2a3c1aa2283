// Text area functions.
#include "gui/need.h"
#include "gui/toolkit.h"

int32_t ReplaceTextAreaRange(const Ref<TGadget>& area, const std::u16string& text, int32_t pos,
                             int32_t length, int32_t units) {
  // The public order puts the text first; the operation takes the range first.
  NeedGadget(area).ReplaceText(pos, length, text, units);
  return 0;
}

int32_t AppendTextAreaText(const Ref<TGadget>& area, const std::u16string& text) {
  NeedGadget(area).AddText(text);
  return 0;
}

std::u16string GetTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units) {
  return NeedGadget(area).AreaText(pos, length, units);
}

int32_t GetTextAreaLength(const Ref<TGadget>& area, int32_t units) { return NeedGadget(area).AreaLen(units); }

int32_t FreezeTextArea(const Ref<TGadget>& area) {
  NeedGadget(area).LockText();
  return 0;
}

int32_t ThawTextArea(const Ref<TGadget>& area) {
  NeedGadget(area).UnlockText();
  return 0;
}

int32_t ChangeTextAreaTabs(const Ref<TGadget>& area, int32_t tabs) {
  NeedGadget(area).SetTabs(tabs);
  return 0;
}

int32_t ChangeTextAreaFont(const Ref<TGadget>& area, const Ref<TGuiFont>& font) {
  NeedGadget(area).SetFont(font);
  return 0;
}

int32_t ChangeTextAreaColor(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b, int32_t background) {
  return ChangeGadgetColor(area, r, g, b, background);
}

int32_t GetTextAreaCursor(const Ref<TGadget>& area, int32_t units) {
  return NeedGadget(area).GetCursorPos(units);
}

int32_t GetTextAreaSelectionLength(const Ref<TGadget>& area, int32_t units) {
  return NeedGadget(area).GetSelectionLength(units);
}

int32_t StyleTextAreaRange(const Ref<TGadget>& area, int32_t r, int32_t g, int32_t b, int32_t flags,
                           int32_t pos, int32_t length, int32_t units) {
  NeedGadget(area).SetStyle(r, g, b, flags, pos, length, units);
  return 0;
}

int32_t SelectTextAreaRange(const Ref<TGadget>& area, int32_t pos, int32_t length, int32_t units) {
  NeedGadget(area).SetSelection(pos, length, units);
  return 0;
}

int32_t TextAreaLineStart(const Ref<TGadget>& area, int32_t line) { return NeedGadget(area).CharAt(line); }
int32_t TextAreaLineOf(const Ref<TGadget>& area, int32_t index) { return NeedGadget(area).LineAt(index); }

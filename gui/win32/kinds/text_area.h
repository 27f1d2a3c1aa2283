// The Win32 text area kind: a rich edit control with locked bulk edits and filtered keys.
#pragma once

#include <richedit.h>

#include <string>

#include "gui/win32/native/common.h"

class Win32TextArea : public Win32Simple<VellTextArea> {
 public:
  Win32TextArea(VellGroup* group, int32_t style);

  void SetFont(VellFont* f) override;
  void SetTextColor(int32_t r, int32_t g, int32_t b) override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  int32_t Activate(int32_t command) override;

  void SetTabs(int32_t width) override;
  int32_t AreaLen(int32_t units) override;
  int32_t GetSelectionLength(int32_t units) override;
  int32_t GetCursorPos(int32_t units) override;
  int32_t LineAt(int32_t pos) override;
  int32_t CharAt(int32_t line) override;
  void AddText(const std::u16string& text) override;
  void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) override;
  void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                int32_t units) override;
  void SetSelection(int32_t pos, int32_t length, int32_t units) override;
  std::u16string AreaText(int32_t pos, int32_t length, int32_t units) override;
  void LockText() override;
  void UnlockText() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  // Writes the whole text as plain UTF-8 text to `path` (a byte file the print handler reads);
  // false when the file cannot be made.
  bool WritePlainText(const std::u16string& path);

  int32_t lockdepth = 0;
  CHARRANGE saved{0, 0};
  int32_t hadfocus = 0;

 private:
  // Clamps (pos, length) to the text and converts lines to characters; returns the length.
  int32_t Normalise(int32_t& pos, int32_t length, int32_t units);
  void SelectForEdit(int32_t pos, int32_t length);
  void StreamIn(const std::u16string& text);
  void ClipboardFixUp();
  void Print();
};

// Where the print job is written: "<TMP>\printjob.txt" when TMP is set and the path fits in
// MAX_PATH, else the same name in the system's temporary folder.
std::u16string PrintJobPath();

// The Win32 panel kind: a plain container, a sensitive one reporting raw input, or a group box.
#pragma once

#include "gui/win32/native/common.h"

class Win32Panel : public VellPanel, public Win32WndProc {
 public:
  enum Kind { Plain = 0, Active = 1, GroupBox = 2 };
  Win32Panel(VellGroup* group, int32_t style);
  ~Win32Panel() override;

  intptr_t Query(int32_t kind) override;
  void SetFont(VellFont* f) override;
  void SetText(const std::u16string& t) override;
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  int32_t Activate(int32_t command) override;
  void UpdateClientSize() override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  void SetPicture(const TPixmap* rgb, int32_t mode) override;
  void SetAlpha(float alpha) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  Win32Gadget outer;
  Win32Gadget client;  // only for a group box
  int32_t kind = Plain;
  HBRUSH brush = nullptr;
  HBITMAP bitmap = nullptr;
  int32_t bitmapwidth = 0, bitmapheight = 0;
  int32_t mode = 0;  // PanelPicture
  float alpha = 1.0f;

 private:
  // Paints the brush and the picture into the client rectangle of `dc`'s window.
  void PaintBackground(HDC dc, const RECT& r);
  // Takes the bitmap (none clears the picture), deleting the one before.
  void TakeBitmap(HBITMAP bitmap, int32_t width, int32_t height, int32_t mode);
  // Asks for the panel to be erased and painted again.
  void Repaint();
};

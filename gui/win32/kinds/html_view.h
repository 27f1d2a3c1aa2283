// The Win32 HTML view kind: a host window with the system's web browser embedded in place.
#pragma once

#include <windows.h>

#include "gui/win32/native/common.h"

class HtmlSite;
struct IDispatch;

// The class the view creates its browser from (the system web browser control); replaceable so
// that a view without a browser can be made on purpose.
extern CLSID HtmlBrowserClass;

class Win32HtmlView : public Win32Simple<VellHtmlView> {
 public:
  Win32HtmlView(VellGroup* group, int32_t style);
  ~Win32HtmlView() override;

  // Text given to the view is a place to go; the stored text is the last finished document.
  void SetText(const std::u16string& url) override;
  int32_t Activate(int32_t command) override;
  void Navigate(const std::u16string& url) override;
  int32_t ReadyState() override;
  std::u16string Run(const std::u16string& script) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  // True when the browser was created and activated; without it every operation does nothing.
  bool HasBrowser() const;
  // The container objects the browser talks to (never none while the view lives).
  HtmlSite& Site() { return *site_; }
  IDispatch* EventSink();

 private:
  bool CreateBrowser();
  void CloseBrowser();

  HtmlSite* site_ = nullptr;
};

// A gadget driver for the toolkit's tests: it records every call that reaches it and keeps a
// simulated native item list with per-item states.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "event/event.h"
#include "gui/toolkit.h"
#include "runtime/text.h"

// Every call that reaches a recording gadget or the recording driver, as "Name(arg,arg,...)".
std::vector<std::string>& CallLog();
// The log entries that start with `prefix`.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

class TRecordingGadget : public TGadget {
 public:
  int32_t cls = -1;
  int32_t clientWidth = 0, clientHeight = 0;
  int32_t state = 0;
  int32_t rethinks = 0;
  std::vector<int32_t> nativeStates;  // the native side's per-item state
  Ref<TGraphics> graphics;
  int32_t attachedFlags = -1;

  bool freed = false;  // set by Free, as a driver's gadget loses its native element

  // Rethink and the list-item hooks are counted but not logged when false (for large lists).
  bool logging = true;

  intptr_t Query(int32_t kind) override;
  void Free() override;
  bool IsFreed() override { return freed; }
  void Rethink() override;
  int32_t ClientWidth() override { return clientWidth; }
  int32_t ClientHeight() override { return clientHeight; }
  void Activate(int32_t command) override;
  int32_t State() override;
  void SetText(const std::u16string& text) override;
  std::u16string GetText() override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  void SetTextColor(int32_t r, int32_t g, int32_t b) override;
  void SetIconStrip(Ref<TIconStrip> strip) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  void SetSelected(int32_t flag) override;
  void SetHotKey(int32_t key, int32_t modifiers) override;
  void ClearListItems() override;
  void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                      Ref<TObject> extra) override;
  void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                   Ref<TObject> extra) override;
  void RemoveListItem(int32_t index) override;
  void SetListItemState(int32_t index, int32_t st) override;
  int32_t ListItemState(int32_t index) override;
  Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon) override;
  void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) override;
  void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                int32_t units) override;
  Ref<TGraphics> AttachGraphics(int32_t flags) override;
  Ref<TGraphics> CanvasGraphics() override { return graphics; }
  std::u16string Run(const std::u16string& script) override;

  int64_t listCalls = 0;  // every list-item hook call, logged or not
};

class TRecordingDriver : public TGuiDriver {
 public:
  int32_t colorAnswer = 0;  // what RequestColor answers
  int32_t stripCount = -1;  // LoadIconStrip answers Null below 0, else a strip of this many icons
  bool createNull = false;  // CreateGadget answers Null
  int32_t clientWidth = 0, clientHeight = 0;  // client size of the gadgets it makes

  Ref<TGuiFont> LoadFont(const std::u16string& name, int32_t size, int32_t style) override;
  Ref<TGadget> CreateGadget(int32_t cls, const std::u16string& text, int32_t x, int32_t y, int32_t w,
                            int32_t h, Ref<TGadget> group, int32_t style) override;
  Ref<TGadget> ActiveGadget() override;
  int32_t RequestColor(int32_t r, int32_t g, int32_t b) override;
  Ref<TGuiFont> RequestFont(Ref<TGuiFont> font) override;
  void SetPointer(int32_t shape) override;
  Ref<TIconStrip> LoadIconStrip(Ref<TObject> source) override;
};

// A recording gadget that the fixture releases at the end of the test (the tree holds reference
// cycles between parents and kids, as the toolkit's gadgets do until they are freed).
Ref<TRecordingGadget> MakeRecordingGadget(int32_t clientWidth = 0, int32_t clientHeight = 0);
// Keeps a gadget made otherwise (a proxy, say) for release at the end of the test.
void TrackGadget(const Ref<TGadget>& g);

// Installs a fresh recording driver as the active driver, empties the log and the hot-key
// registry, and catches every emitted event; undoes it all afterwards.
class RecordingDriverTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Ref<TRecordingDriver> driver;
  // Events emitted while the test ran, in order.
  static std::vector<Ref<TEvent>>& Emitted();
};

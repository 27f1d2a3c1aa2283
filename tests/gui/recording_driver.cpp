// The recording gadget driver used by the toolkit's tests.
#include "tests/gui/recording_driver.h"

#include "event/hook.h"
#include "runtime/text.h"

namespace {

std::vector<Ref<TGadget>>& Tracked() {
  static std::vector<Ref<TGadget>> tracked;
  return tracked;
}

std::string Arg(const std::u16string& s) { return Utf8(s); }
std::string Arg(int64_t v) { return std::to_string(v); }
std::string Arg(const Ref<TObject>& o) { return o ? Utf8(o->ToString()) : "null"; }

template <class... A>
void Log(const char* name, const A&... args) {
  std::string line = std::string(name) + "(";
  bool first = true;
  ((line += (first ? "" : ","), line += Arg(args), first = false), ...);
  CallLog().push_back(line + ")");
}

std::vector<Ref<TEvent>>& EmittedEvents() {
  static std::vector<Ref<TEvent>> events;
  return events;
}

Ref<TObject> CatchEvents(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  if (auto e = Cast<TEvent>(data)) EmittedEvents().push_back(e);
  return data;
}

}  // namespace

std::vector<std::string>& CallLog() {
  static std::vector<std::string> log;
  return log;
}

std::vector<std::string> CallsStartingWith(const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& s : CallLog()) {
    if (s.rfind(prefix, 0) == 0) out.push_back(s);
  }
  return out;
}

intptr_t TRecordingGadget::Query(int32_t kind) {
  Log("Query", kind);
  return kind == QueryKind::NativeHandle ? 1000 : kind == QueryKind::ClientHandle ? 2000 : 0;
}

void TRecordingGadget::Free() {
  Log("Free", name);
  freed = true;
  Ref<TGadget> self(this);
  _setparent(nullptr, -1);
  std::vector<Ref<TGadget>> children;
  for (const Ref<TObject>& k : *kids) children.push_back(Cast<TGadget>(k));
  for (const Ref<TGadget>& k : children) k->Free();
}

void TRecordingGadget::Rethink() {
  ++rethinks;
  if (logging) Log("Rethink", name, xpos, ypos, width, height);
}

void TRecordingGadget::Activate(int32_t command) { Log("Activate", command); }
int32_t TRecordingGadget::State() { return state; }
void TRecordingGadget::SetText(const std::u16string& text) { Log("SetText", text); }
std::u16string TRecordingGadget::GetText() { return name; }
void TRecordingGadget::SetColor(int32_t r, int32_t g, int32_t b) { Log("SetColor", r, g, b); }
void TRecordingGadget::SetTextColor(int32_t r, int32_t g, int32_t b) { Log("SetTextColor", r, g, b); }
void TRecordingGadget::SetIconStrip(Ref<TIconStrip> strip) { Log("SetIconStrip", strip ? strip->count : -1); }
void TRecordingGadget::SetShow(int32_t flag) { Log("SetShow", flag); }
void TRecordingGadget::SetEnabled(int32_t flag) { Log("SetEnabled", flag); }
void TRecordingGadget::SetSelected(int32_t flag) { Log("SetSelected", flag); }
void TRecordingGadget::SetHotKey(int32_t key, int32_t modifiers) { Log("SetHotKey", key, modifiers); }

void TRecordingGadget::ClearListItems() {
  ++listCalls;
  if (logging) Log("ClearListItems");
  nativeStates.clear();
}

void TRecordingGadget::InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                                      int32_t icon, Ref<TObject> extra) {
  ++listCalls;
  if (logging) Log("InsertListItem", index, text, tip, icon, extra);
  nativeStates.insert(nativeStates.begin() + index, 0);
}

void TRecordingGadget::SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                                   int32_t icon, Ref<TObject> extra) {
  ++listCalls;
  if (logging) Log("SetListItem", index, text, tip, icon, extra);
}

void TRecordingGadget::RemoveListItem(int32_t index) {
  ++listCalls;
  if (logging) Log("RemoveListItem", index);
  nativeStates.erase(nativeStates.begin() + index);
}

void TRecordingGadget::SetListItemState(int32_t index, int32_t st) {
  ++listCalls;
  if (logging) Log("SetListItemState", index, st);
  nativeStates.at(index) = st;
}

int32_t TRecordingGadget::ListItemState(int32_t index) { return nativeStates.at(index); }

Ref<TGadget> TRecordingGadget::InsertNode(int32_t index, const std::u16string& text, int32_t icon) {
  Log("InsertNode", index, text, icon);
  auto node = MakeRecordingGadget();
  node->cls = GadgetClass::Node;
  node->name = text;
  return node;
}

void TRecordingGadget::ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) {
  Log("ReplaceText", pos, length, text, units);
}

void TRecordingGadget::SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                                int32_t units) {
  Log("SetStyle", r, g, b, flags, pos, length, units);
}

Ref<TGraphics> TRecordingGadget::AttachGraphics(int32_t flags) {
  Log("AttachGraphics", flags);
  attachedFlags = flags;
  graphics = New<TGraphics>();
  graphics->flags = flags;
  return graphics;
}

std::u16string TRecordingGadget::Run(const std::u16string& script) { return u"ran:" + script; }

Ref<TGuiFont> TRecordingDriver::LoadFont(const std::u16string& name, int32_t size, int32_t style) {
  Log("LoadFont", name, size, style);
  auto font = New<TGuiFont>();
  font->name = name;
  font->size = size;
  font->style = style;
  return font;
}

Ref<TGadget> TRecordingDriver::CreateGadget(int32_t cls, const std::u16string& text, int32_t x, int32_t y,
                                            int32_t w, int32_t h, Ref<TGadget> group, int32_t style) {
  Log("CreateGadget", cls, text, x, y, w, h, group ? group->name : u"null", style);
  if (createNull) return nullptr;
  auto g = MakeRecordingGadget(clientWidth, clientHeight);
  g->cls = cls;
  g->name = text;
  if (group) g->_setparent(group, -1);
  g->SetRect(x, y, w, h);
  return g;
}

Ref<TGadget> TRecordingDriver::ActiveGadget() {
  Log("ActiveGadget");
  return nullptr;
}

int32_t TRecordingDriver::RequestColor(int32_t r, int32_t g, int32_t b) {
  Log("RequestColor", r, g, b);
  return colorAnswer;
}

Ref<TGuiFont> TRecordingDriver::RequestFont(Ref<TGuiFont> font) {
  Log("RequestFont", font ? font->name : u"null");
  return font;
}

void TRecordingDriver::SetPointer(int32_t shape) { Log("SetPointer", shape); }

Ref<TIconStrip> TRecordingDriver::LoadIconStrip(Ref<TObject> source) {
  Log("LoadIconStrip", source);
  if (stripCount < 0) return nullptr;
  auto strip = New<TIconStrip>();
  strip->count = stripCount;
  return strip;
}

Ref<TRecordingGadget> MakeRecordingGadget(int32_t clientWidth, int32_t clientHeight) {
  auto g = New<TRecordingGadget>();
  g->clientWidth = clientWidth;
  g->clientHeight = clientHeight;
  Tracked().push_back(g);
  return g;
}

void TrackGadget(const Ref<TGadget>& g) { Tracked().push_back(g); }

std::vector<Ref<TEvent>>& RecordingDriverTest::Emitted() { return EmittedEvents(); }

void RecordingDriverTest::SetUp() {
  GuiModuleStart();
  CallLog().clear();
  Emitted().clear();
  while (THotKey::first) UnregisterHotKey(THotKey::first);
  driver = New<TRecordingDriver>();
  ActiveGuiDriver = driver;
  InstallHook(EventHookId, CatchEvents, nullptr, 1000000);
}

void RecordingDriverTest::TearDown() {
  UninstallHook(EventHookId, CatchEvents, nullptr);
  ActiveGuiDriver = nullptr;
  driver = nullptr;
  Emitted().clear();
  while (THotKey::first) UnregisterHotKey(THotKey::first);
  // Break the parent/kid and proxy/real cycles so that every gadget of the test goes.
  for (const Ref<TGadget>& g : Tracked()) {
    g->parent = nullptr;
    g->source = nullptr;
    g->kids->Clear();
    g->datasource = nullptr;
    g->context = nullptr;
    if (auto p = Cast<TProxyGadget>(g)) p->proxy = nullptr;
  }
  Tracked().clear();
}

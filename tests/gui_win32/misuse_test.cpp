// Misuse a new user runs into, answered by the real driver with a runtime error or as a freed
// gadget answers: calls from another thread, a Null or freed group, entries of a freed list.
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "event/queue.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

namespace {

using Misuse = DriverTest;

// Runs `call` on a thread of its own and answers the text of the runtime error it raised, "no
// error", or "still waiting" when it has not come back within five seconds (a wait from another
// thread never ends: its own message queue never gets the main thread's events).
std::string OnAnotherThread(std::function<void()> call) {
  auto outcome = std::make_shared<std::promise<std::string>>();
  std::future<std::string> answer = outcome->get_future();
  std::thread([call = std::move(call), outcome] {
    try {
      call();
      outcome->set_value("no error");
    } catch (const TRuntimeError& e) {
      outcome->set_value(Utf8(e.Text()));
    }
  }).detach();
  if (answer.wait_for(std::chrono::seconds(5)) != std::future_status::ready) return "still waiting";
  return answer.get();
}

// Raises the runtime error of `call` or fails the test; answers the error's text.
template <class Call>
std::u16string ErrorOf(Call call) {
  try {
    call();
  } catch (const TRuntimeError& e) {
    return e.Text();
  }
  ADD_FAILURE() << "no error";
  return {};
}

void ChangeLabelText(void* label, intptr_t) {
  ChangeGadgetText(Ref<TGadget>(static_cast<TGadget*>(label)), u"from the worker");
}

TEST_F(Misuse, ToolkitAndEventCallsFromAnotherThreadRaiseAnErrorNamingPostMainThreadCall) {
  auto win = TestWindow();
  auto label = MakeLabel(u"before", 10, 10, 200, 20, win, 0);
  // Made here: making an event touches the event system's state as much as emitting it.
  Ref<TEvent> event = MakeEvent(NewUserEventId(), nullptr, 0, 0, 0, 0, nullptr);
  TEvent* raw = event.get();
  struct Case {
    std::string function;
    std::function<void()> call;
  } cases[] = {
      {"ChangeGadgetText", [&label] { ChangeGadgetText(label, u"from the worker"); }},
      {"MakeButton", [&win] { MakeButton(u"B", 0, 40, 50, 20, win, 0); }},
      {"PollNextEvent", [] { PollNextEvent(); }},
      {"WaitNextEvent", [] { WaitNextEvent(); }},
      {"ActiveEventSource", [] { ActiveEventSource(); }},
      {"Emit", [raw] { raw->Emit(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    const std::string error = OnAnotherThread(c.call);
    EXPECT_EQ(error.rfind(c.function + ": called from a thread other than the main one", 0), 0u) << error;
    EXPECT_NE(error.find("PostMainThreadCall"), std::string::npos) << error;
  }
  EXPECT_EQ(GetGadgetText(label), u"before");
  EXPECT_EQ(win->kids->Count(), 1u);
  // The call the error names does the job: the main thread runs it while its loop takes events.
  TGadget* target = label.get();
  EXPECT_EQ(OnAnotherThread([target] {
              if (!PostMainThreadCall(ChangeLabelText, target, 0)) RuntimeError(u"not posted");
            }),
            "no error");
  for (int i = 0; i < 200 && GetGadgetText(label) != u"from the worker"; ++i) {
    PollNextEvent();
    Sleep(10);
  }
  EXPECT_EQ(GetGadgetText(label), u"from the worker");
  DestroyGadget(win);
}

TEST_F(Misuse, ChildKindsRefuseANullGroupOrAFreedWindow) {
  auto win = MakeWindow(u"Closed", 50, 50, 200, 100, nullptr, WindowStyle::TitleBar);
  DestroyGadget(win);
  EXPECT_EQ(
      ErrorOf([] { MakeButton(u"B", 0, 0, 50, 20, nullptr, 0); }),
      u"MakeButton: the group is Null; make it in a window, a panel or another gadget that holds gadgets");
  EXPECT_EQ(ErrorOf([&win] { MakeListBox(0, 0, 50, 50, win, 0); }),
            u"MakeListBox: the group \"Closed\" was freed; make it in a live one");
  // A window needs no group.
  auto top = MakeWindow(u"Top", 50, 50, 200, 100, nullptr, WindowStyle::TitleBar);
  EXPECT_NE(QueryGadgetHandle(top, QueryKind::NativeHandle), 0);
  DestroyGadget(top);
}

TEST_F(Misuse, EntryFunctionsOnAFreedListChangeNothingAndReadItEmpty) {
  auto win = TestWindow();
  auto list = MakeListBox(10, 10, 150, 100, win, 0);
  AppendGadgetEntry(list, u"a");
  AppendGadgetEntry(list, u"b", ItemFlag::SelectOnSet);
  DestroyGadget(win);
  AppendGadgetEntry(list, u"c");
  InsertGadgetEntry(list, 0, u"d");
  SelectGadgetEntry(list, 0);
  EXPECT_EQ(CountGadgetEntries(list), 0);
  EXPECT_EQ(GetSelectedEntry(list), -1);
  EXPECT_EQ(GetEntryText(list, 0), u"");
  // As every other operation on a freed gadget.
  EXPECT_EQ(QueryGadgetHandle(list, QueryKind::NativeHandle), 0);
}

}  // namespace

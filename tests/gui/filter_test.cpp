// The key filter: the null function marks "no filter"; a filter decides with the event it gets.
#include "event/event.h"
#include "tests/gui/recording_driver.h"

namespace {

int32_t lastData = -1;
int32_t lastId = -1;
Ref<TObject> lastSource, lastContext;

int32_t OnlyDigits(const Ref<TEvent>& event, const Ref<TObject>& context) {
  lastData = event->data;
  lastId = event->id;
  lastSource = event->source;
  lastContext = context;
  return event->data >= '0' && event->data <= '9' ? 7 : 0;
}

class Filter : public RecordingDriverTest {
 protected:
  void TearDown() override {
    lastSource = nullptr;
    lastContext = nullptr;
    RecordingDriverTest::TearDown();
  }
};

TEST_F(Filter, WithoutFilterEveryKeyGoesThrough) {
  auto field = MakeRecordingGadget();
  EXPECT_FALSE(field->HasEventFilter());
  EXPECT_EQ(ConsultEventFilter(field, KeyChar, 'a', 0), 1);
}

TEST_F(Filter, FilterSeesTheKeyEventAndItsContextAndDecides) {
  auto field = MakeRecordingGadget();
  auto context = MakeText(u"ctx");
  InstallGadgetFilter(field, OnlyDigits, context);
  EXPECT_TRUE(field->HasEventFilter());
  EXPECT_EQ(ConsultEventFilter(field, KeyChar, '5', ModShift), 1);
  EXPECT_EQ(lastId, KeyChar);
  EXPECT_EQ(lastData, '5');
  EXPECT_EQ(lastSource, Ref<TObject>(field));
  EXPECT_EQ(lastContext, Ref<TObject>(context));
  EXPECT_EQ(ConsultEventFilter(field, KeyDown, 'x', 0), 0);
  // Consulting a filter emits nothing.
  EXPECT_TRUE(Emitted().empty());
}

TEST_F(Filter, TheNullFunctionIsNeverToBeCalled) {
  EXPECT_THROW(NullEventFilter(nullptr, nullptr), TNullFunctionException);
}

TEST_F(Filter, ResettingWithAPlainNullRemovesTheFilter) {
  auto field = MakeRecordingGadget();
  field->SetFilter(OnlyDigits, nullptr);
  field->SetFilter(nullptr, nullptr);
  EXPECT_FALSE(field->HasEventFilter());
  EXPECT_EQ(field->eventfilter, &NullEventFilter);
}

}  // namespace

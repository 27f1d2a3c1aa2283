// The errors chapter: a runtime error caught where the program can answer it.
#include "docs/examples/guide.h"

void Guide::ShowCaughtError() {
  // [guide:errors-catch]
  // A gadget function given a Null gadget raises a TRuntimeError; nothing in the toolkit catches
  // it, so a program that can carry on catches it itself.
  const Ref<TGadget> missing;
  try {
    ChangeGadgetText(missing, u"never shown");
  } catch (const TRuntimeError& failure) {
    ChangeGadgetText(error, u"Caught: " + failure.Text());
  }
  // [/guide:errors-catch]
}

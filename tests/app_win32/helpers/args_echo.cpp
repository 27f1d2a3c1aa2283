// A program that answers, by its exit status, whether the runtime handed it the argument the
// wide-argument test gives: 0 when AppInfo.args[1] is that text exactly, 1 otherwise.
#include <windows.h>

#include "runtime/startup.h"

namespace {

int status = 1;

void CheckArgument() {
  // Polish, Japanese, a euro sign and a character outside the basic plane, with a space.
  status =
      AppInfo.args.size() == 2 && AppInfo.args[1] == u"\u0141\u00f3d\u017a \u5199\u771f \u20ac \U0001F600"
          ? 0
          : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RuntimeMain(__argc, __argv, CheckArgument);
  return status;
}

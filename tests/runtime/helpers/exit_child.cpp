// A program that registers exit handlers and then ends as its argument says: "return" from main,
// "exit" through std::exit, or "end" through End(); each handler prints its number once.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/module.h"

int main(int argc, char** argv) {
  RuntimeModuleStart();
  for (int i = 1; i <= 3; ++i) {
    AtExit([i] {
      std::printf("handler %d\n", i);
      std::fflush(stdout);
    });
  }
  const std::string how = argc > 1 ? argv[1] : "return";
  if (how == "exit") std::exit(0);
  if (how == "end") End();
  return 0;
}

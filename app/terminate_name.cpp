// The Windows program's stand-in for the standard library's demangler, which only the message for
// an exception nobody caught would use.
//
// That message goes to a console this window-subsystem program does not have; demangling the
// type's name for it would link the whole demangler (about 45 KB) into the program. With this
// stand-in the message names the type as the compiler wrote it, and nothing else changes.
#include <cstddef>

extern "C" char* __cxa_demangle(const char*, char*, std::size_t*, int* status) {
  // -2: "not a name this demangler knows"; the caller then prints the name as it stands.
  if (status) *status = -2;
  return nullptr;
}

// The gadget font record the driver hands out.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/object.h"

class TGuiFont : public TObject {
 public:
  std::u16string name;  // family name
  std::u16string path;
  int32_t style = 0;    // FontStyle bits: bold 1, italic 2, underline 4
  int32_t size = 0;     // point size
  intptr_t handle = 0;  // the platform font, owned by the driver
};

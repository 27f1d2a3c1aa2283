// The icon strip record: one pixmap holding a row of square icons.
#pragma once

#include <cstdint>

#include "gui/pixmap.h"
#include "runtime/object.h"

// A driver derives its own strip class, adding the native strip.
class TIconStrip : public TObject {
 public:
  Ref<TPixmap> pixmap;  // the source image
  int32_t count = 0;    // number of square icons in the strip
};

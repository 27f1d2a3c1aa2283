// The Win32 progress bar kind: a smooth bar filled by a fraction.
#pragma once

#include "gui/win32/native/common.h"

// SetValue takes the filled fraction, 0 to 1 (shown in hundredths, truncated). Values below 0
// show an empty bar, values above 1 a full one, and NaN an empty one; the value shown is stored.
class Win32ProgBar : public Win32Simple<VellProgBar> {
 public:
  Win32ProgBar(VellGroup* group, int32_t style);
  void SetValue(float value) override;

  float value = 0;
};

// The bar position (0 to 100) a fraction gives.
int32_t ProgressPosition(float value);

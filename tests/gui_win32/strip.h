// Icon strips made in memory for the driver tests, with a way to see when one is destroyed.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/iconstrip.h"

// A strip of `count` 16 x 16 icons with its own image list; the icons listed in `blank` are
// marked all white. When `gone` is given, it is set once the native strip (and its list) has been
// destroyed.
Ref<TIconStrip> TestStrip(int32_t count, const std::vector<int32_t>& blank = {}, bool* gone = nullptr);

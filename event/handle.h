// Integer handles for objects, for callers that keep a number instead of a reference.
#pragma once

#include <cstdint>

#include "runtime/object.h"

// The handle of `object`, assigned on the first request and the same on every later one; 0 for
// Null. A handle holds a counted reference, so its object stays alive and the number cannot come
// to name another object until the handle is released.
int32_t ObjectHandle(const Ref<TObject>& object);
// The object behind a handle, or Null for 0, a released handle or a number never handed out.
Ref<TObject> HandleObject(int32_t handle);
// Gives up a handle and its reference; unknown handles are ignored.
void ReleaseObjectHandle(int32_t handle);

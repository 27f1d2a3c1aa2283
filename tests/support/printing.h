// How a failed comparison prints the runtime's counted references: by address and text form.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "runtime/object.h"

// Every test program sees this (the build includes it ahead of each test source), so that one
// reference type prints the same way everywhere. Two references are equal when they hold the same
// object, so the address tells them apart; the text form (a text object's own text) says what the
// object is.
template <class T>
void PrintTo(const Ref<T>& ref, std::ostream* os) {
  if (!ref) {
    *os << "Null";
    return;
  }
  *os << static_cast<const void*>(ref.get()) << ' ' << ::testing::PrintToString(ref->ToString());
}

// Root object defaults and runtime error raising.
#include "runtime/object.h"

#include "runtime/text.h"

std::u16string TObject::ToString() const { return u"Object"; }

int TObject::Compare(const TObject* other) const {
  auto a = reinterpret_cast<std::uintptr_t>(this), b = reinterpret_cast<std::uintptr_t>(other);
  return a < b ? -1 : (a > b ? 1 : 0);
}

TRuntimeError::TRuntimeError(std::u16string text) : text_(std::move(text)), utf8_(Utf8(text_)) {}

void RuntimeError(std::u16string_view text) { throw TRuntimeError(std::u16string(text)); }
void ThrowNullMethod() { throw TNullMethodException(); }
void ThrowNullFunction() { throw TNullFunctionException(); }

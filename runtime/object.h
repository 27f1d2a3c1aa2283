// Root object with an intrusive reference count, the counted reference Ref<T>, and runtime errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

// Every reference-counted object of the system derives from TObject. The count lives in the
// object; Ref<T> adjusts it and the object deletes itself when the last reference goes.
// Everything runs on the main thread (background calls hand over ownership), so the count is a
// plain integer.
class TObject {
 public:
  TObject() = default;
  // A copy starts with no references of its own.
  TObject(const TObject&) {}
  // Assignment copies nothing: the count stays the object's own.
  TObject& operator=(const TObject&) { return *this; }
  virtual ~TObject() = default;

  // The text form of the object; data sources use it as the key of an element.
  virtual std::u16string ToString() const;
  // Orders objects: negative, zero or positive. The default orders by identity.
  virtual int Compare(const TObject* other) const;

  // Adds a reference; Ref does it for you.
  void Retain() const noexcept { ++refs_; }
  // Drops a reference; the object deletes itself with the last one. Ref does it for you.
  void Release() const noexcept {
    if (--refs_ == 0) delete this;
  }
  // The number of references now.
  int RefCount() const noexcept { return refs_; }

 private:
  mutable int refs_ = 0;
};

// A counted reference; a default-constructed Ref is Null.
template <class T>
class Ref {
 public:
  Ref() noexcept = default;
  // Null.
  Ref(std::nullptr_t) noexcept {}
  // A new reference to `p` (nullptr: Null).
  Ref(T* p) noexcept : p_(p) {
    if (p_) p_->Retain();
  }
  // Another reference to `o`'s object.
  Ref(const Ref& o) noexcept : Ref(o.p_) {}
  // Takes over `o`'s reference; `o` becomes Null.
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  // Another reference to `o`'s object, as a T (a reference to a derived class's object).
  template <class U>
  Ref(const Ref<U>& o) noexcept : Ref(static_cast<T*>(o.get())) {}
  // Takes over `o`'s reference as a T; `o` becomes Null.
  template <class U>
  Ref(Ref<U>&& o) noexcept : p_(static_cast<T*>(o.detach())) {}
  ~Ref() {
    if (p_) p_->Release();
  }
  // Takes over `o`'s object; the old one loses a reference.
  Ref& operator=(Ref o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }

  // The object, or nullptr for Null; the reference keeps it.
  T* get() const noexcept { return p_; }
  // The object's members (Null: undefined).
  T* operator->() const noexcept { return p_; }
  // The object itself (Null: undefined).
  T& operator*() const noexcept { return *p_; }
  // True unless Null.
  explicit operator bool() const noexcept { return p_ != nullptr; }
  // Gives up the reference without releasing it.
  T* detach() noexcept { return std::exchange(p_, nullptr); }

 private:
  T* p_ = nullptr;
};

// References compare by identity, also across classes (a button's reference against a gadget's).
template <class T, class U>
bool operator==(const Ref<T>& a, const Ref<U>& b) noexcept {
  return a.get() == b.get();
}
// A reference against a plain pointer, by identity.
template <class T, class U>
bool operator==(const Ref<T>& a, const U* b) noexcept {
  return a.get() == b;
}
// True when the reference is Null.
template <class T>
bool operator==(const Ref<T>& a, std::nullptr_t) noexcept {
  return a.get() == nullptr;
}

// Makes a T with these constructor arguments and answers the first counted reference to it.
template <class T, class... A>
Ref<T> New(A&&... a) {
  return Ref<T>(new T(std::forward<A>(a)...));
}

// Checked downcast of a reference; Null when the object is of another class.
template <class T, class U>
Ref<T> Cast(const Ref<U>& r) {
  return Ref<T>(dynamic_cast<T*>(r.get()));
}

// A runtime error carries a text. Nothing in the system catches it; the start-up code ends the
// program in an orderly way when one escapes.
class TRuntimeError : public std::exception {
 public:
  // An error with `text`.
  explicit TRuntimeError(std::u16string text);
  // The error's text, as the program shows it.
  const std::u16string& Text() const noexcept { return text_; }
  // The text in UTF-8, for the standard library's handlers.
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string text_;
  std::string utf8_;
};

// Raised by a function value that was never set.
class TNullFunctionException : public TRuntimeError {
 public:
  TNullFunctionException() : TRuntimeError(u"Attempt to call a null function") {}
};

// Raised by an abstract operation called on a base class that has no implementation.
class TNullMethodException : public TRuntimeError {
 public:
  TNullMethodException() : TRuntimeError(u"Attempt to call abstract method") {}
};

// Throws a TRuntimeError with `text`.
[[noreturn]] void RuntimeError(std::u16string_view text);
// Throws TNullMethodException ("Attempt to call abstract method").
[[noreturn]] void ThrowNullMethod();
// Throws TNullFunctionException ("Attempt to call a null function").
[[noreturn]] void ThrowNullFunction();

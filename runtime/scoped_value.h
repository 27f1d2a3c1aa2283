// ScopedValue: a variable given a value for as long as one scope lasts, then the one it had.
#pragma once

// Gives `variable` a value for as long as it lives, then the one it had, so marks nest: how code
// marks the changes the program makes itself, whose notifications are not the user's news.
template <class T>
class ScopedValue {
 public:
  // Saves the variable's value and gives it `value`.
  ScopedValue(T& variable, T value) : variable_(variable), was_(variable) { variable = value; }
  // Gives the variable back the value it had.
  ~ScopedValue() { variable_ = was_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T was_;
};

#include "calc/checked.h"

#include <limits>

namespace calc {

Checked Checked::Combine(Checked a, Checked b, double result) {
  if (a.fault_) return {result, a.fault_};
  if (b.fault_) return {result, b.fault_};
  return Checked(result);
}

Checked operator+(Checked a, Checked b) {
  return Checked::Combine(a, b, a.value_ + b.value_);
}

Checked operator-(Checked a, Checked b) {
  return Checked::Combine(a, b, a.value_ - b.value_);
}

Checked operator*(Checked a, Checked b) {
  return Checked::Combine(a, b, a.value_ * b.value_);
}

Checked operator/(Checked a, Checked b) {
  if (b.value_ != 0.0) return Checked::Combine(a, b, a.value_ / b.value_);
  // The quotient is of no use once faulted, and dividing by zero is avoided
  // so that a sanitizer build never sees it.
  constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
  if (a.fault_ || b.fault_) return Checked::Combine(a, b, kUndefined);
  return {kUndefined, a.value_ == 0.0 ? Fault::Overflow : Fault::DivisionByZero};
}

}  // namespace calc

#pragma once

#include <limits>
#include <optional>

#include "calc/fault.h"

namespace calc {

// A double together with the first arithmetic fault met while computing it.
//
// Every operation keeps the fault of its left operand, else of its right
// operand, else classifies its own result, so a whole formula can be
// evaluated first and checked once:
//   x / 0 with x nonzero         -> DivisionByZero
//   0 / 0, inf - inf, too large  -> Overflow
//   a result too small           -> 0 or a subnormal, no fault
// An infinite or NaN operand counts as an overflow where it enters.
class Checked {
 public:
  constexpr Checked(double value)  // NOLINT(google-explicit-constructor): formulas read naturally
      : value_(value), fault_(Classify(value)) {}

  [[nodiscard]] constexpr double value() const { return value_; }
  [[nodiscard]] constexpr std::optional<Fault> fault() const { return fault_; }

  friend Checked operator+(Checked a, Checked b);
  friend Checked operator-(Checked a, Checked b);
  friend Checked operator*(Checked a, Checked b);
  friend Checked operator/(Checked a, Checked b);

 private:
  constexpr Checked(double value, std::optional<Fault> fault) : value_(value), fault_(fault) {}

  static constexpr std::optional<Fault> Classify(double value) {
    // NaN fails both comparisons, so it lands here too.
    if (!(value >= -kMax && value <= kMax)) return Fault::Overflow;
    return std::nullopt;
  }
  static Checked Combine(Checked a, Checked b, double result);

  static constexpr double kMax = std::numeric_limits<double>::max();

  double value_;
  std::optional<Fault> fault_;
};

}  // namespace calc

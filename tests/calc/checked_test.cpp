#include "calc/checked.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace calc {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct OperationCase {
  std::string name;
  std::function<Checked()> compute;
  std::optional<Fault> fault;
  double value;  // checked only without a fault
};

void PrintTo(const OperationCase& c, std::ostream* os) {
  *os << c.name;
}

class CheckedOperation : public testing::TestWithParam<OperationCase> {};

TEST_P(CheckedOperation, GivesValueOrFirstFault) {
  const OperationCase& c = GetParam();
  const Checked result = c.compute();
  EXPECT_EQ(result.fault(), c.fault);
  if (!c.fault) {
    EXPECT_EQ(result.value(), c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, CheckedOperation,
    testing::Values(
        OperationCase{"Sum", [] { return Checked(7.15) + 7.11; }, std::nullopt, 7.15 + 7.11},
        OperationCase{"HalvingIsExact", [] { return Checked(14.26) / 2.0; }, std::nullopt, 7.13},
        OperationCase{"SumOverflows", [] { return Checked(kMax) + kMax; }, Fault::Overflow, 0},
        OperationCase{"ProductOverflows", [] { return Checked(1e200) * 1e200; }, Fault::Overflow,
                      0},
        OperationCase{"DifferenceOverflows", [] { return Checked(-kMax) - kMax; }, Fault::Overflow,
                      0},
        OperationCase{"NonzeroOverZero", [] { return Checked(5.0) / 0.0; }, Fault::DivisionByZero,
                      0},
        OperationCase{"NegativeOverZero", [] { return Checked(-5.0) / -0.0; },
                      Fault::DivisionByZero, 0},
        OperationCase{"ZeroOverZeroIsUndefined", [] { return Checked(0.0) / 0.0; }, Fault::Overflow,
                      0},
        OperationCase{"InfiniteInputIsOverflow", [] { return Checked(kInf); }, Fault::Overflow, 0},
        OperationCase{"NaNInputIsOverflow",
                      [] { return Checked(std::numeric_limits<double>::quiet_NaN()); },
                      Fault::Overflow, 0},
        OperationCase{"InfiniteDivisorStillFaults", [] { return Checked(1.0) / kInf; },
                      Fault::Overflow, 0},
        OperationCase{"UnderflowIsNoFault", [] { return Checked(1e-200) * 1e-200; }, std::nullopt,
                      0.0},
        OperationCase{"SubnormalIsNoFault", [] { return Checked(kTiny) * 3.0; }, std::nullopt,
                      3 * kTiny},
        OperationCase{"FaultSurvivesLaterSteps",
                      [] { return (Checked(kMax) * 2.0 - kInf) * 0.0 / 2.0; }, Fault::Overflow, 0},
        OperationCase{"SoundAfterSoundHasNoFault", [] { return (Checked(3.0) - 1.0) / 4.0; },
                      std::nullopt, 0.5}),
    [](const testing::TestParamInfo<OperationCase>& test_info) { return test_info.param.name; });

// Each operator keeps its left operand's fault, else its right operand's,
// before whatever its own result would say: every operator with a fault on
// either side, both sides, and beside a zero that makes a quotient fault.
TEST(CheckedOperation, KeepsTheFirstOperandsFault) {
  using Operator = Checked (*)(Checked, Checked);
  const std::array<std::pair<const char*, Operator>, 4> operators{{
      {"+", [](Checked a, Checked b) { return a + b; }},
      {"-", [](Checked a, Checked b) { return a - b; }},
      {"*", [](Checked a, Checked b) { return a * b; }},
      {"/", [](Checked a, Checked b) { return a / b; }},
  }};
  const std::array<Checked, 3> operands{Checked(1.0) / 0.0, Checked(kMax) * 2.0, Checked(0.0)};
  for (const auto& [name, apply] : operators) {
    for (const Checked left : operands) {
      for (const Checked right : operands) {
        if (!left.fault() && !right.fault()) continue;
        const std::optional<Fault> first = left.fault() ? left.fault() : right.fault();
        EXPECT_EQ(apply(left, right).fault(), first)
            << left.value() << " " << name << " " << right.value();
      }
    }
  }
}

}  // namespace
}  // namespace calc

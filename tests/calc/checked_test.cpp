#include "calc/checked.h"

#include <gtest/gtest.h>

#include <cmath>
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
        OperationCase{"FirstFaultWins", [] { return Checked(1.0) / 0.0 + (Checked(kMax) * 2.0); },
                      Fault::DivisionByZero, 0},
        OperationCase{"FaultSurvivesLaterSteps",
                      [] { return (Checked(kMax) * 2.0 - kInf) * 0.0 / 2.0; }, Fault::Overflow, 0},
        OperationCase{"RightOperandFaultKept", [] { return Checked(1.0) + Checked(2.0) / 0.0; },
                      Fault::DivisionByZero, 0},
        // A fault in either operand of each operation, the other one sound.
        OperationCase{"RightFaultInDifference", [] { return Checked(1.0) - Checked(2.0) / 0.0; },
                      Fault::DivisionByZero, 0},
        OperationCase{"RightFaultInProduct", [] { return Checked(0.0) * (Checked(kMax) * 2.0); },
                      Fault::Overflow, 0},
        OperationCase{"RightFaultInQuotient", [] { return Checked(1.0) / (Checked(kMax) * 2.0); },
                      Fault::Overflow, 0},
        OperationCase{"ZeroOverFaulted", [] { return Checked(0.0) / (Checked(2.0) / 0.0); },
                      Fault::DivisionByZero, 0},
        OperationCase{"LeftFaultInDifference", [] { return Checked(2.0) / 0.0 - 1.0; },
                      Fault::DivisionByZero, 0},
        OperationCase{"LeftFaultInProduct", [] { return (Checked(0.0) / 0.0) * 0.0; },
                      Fault::Overflow, 0},
        OperationCase{"FaultedOverZeroKeepsItsFault", [] { return (Checked(kMax) * 2.0) / 0.0; },
                      Fault::Overflow, 0},
        OperationCase{"ZeroOverZeroAfterAFault",
                      [] { return (Checked(0.0) / 0.0) / (Checked(0.0) / 0.0); }, Fault::Overflow,
                      0},
        OperationCase{"SoundAfterSoundHasNoFault", [] { return (Checked(3.0) - 1.0) / 4.0; },
                      std::nullopt, 0.5}),
    [](const testing::TestParamInfo<OperationCase>& test_info) { return test_info.param.name; });

}  // namespace
}  // namespace calc

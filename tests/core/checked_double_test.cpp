#include "checked_double.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace quadripolo {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

struct StepCase {
    const char* name;
    std::function<CheckedDouble()> step;
    FaultKind kind;
};

class CheckedStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(CheckedStepTest, RaisesTheFaultWithTheQuantityBeingComputed) {
    computing("gammaIn");
    try {
        GetParam().step();
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
        EXPECT_EQ(fault.quantity(), "gammaIn");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CheckedStepTest,
    ::testing::Values(
        StepCase{"sumOverflows", [] { return CheckedDouble(kMax) + kMax; }, FaultKind::Overflow},
        StepCase{"differenceOverflows", [] { return CheckedDouble(-kMax) - kMax; },
                 FaultKind::Overflow},
        StepCase{"productOverflows", [] { return CheckedDouble(1e200) * 1e200; },
                 FaultKind::Overflow},
        StepCase{"quotientOverflows", [] { return CheckedDouble(1e200) / 1e-200; },
                 FaultKind::Overflow},
        StepCase{"divisionByZero", [] { return CheckedDouble(1.0) / 0.0; },
                 FaultKind::DivisionByZero},
        StepCase{"divisionByNegativeZero", [] { return CheckedDouble(1.0) / -0.0; },
                 FaultKind::DivisionByZero},
        StepCase{"zeroOverZero", [] { return CheckedDouble(0.0) / 0.0; },
                 FaultKind::DivisionByZero},
        StepCase{"squareOverflows", [] { return square(1e155); }, FaultKind::Overflow},
        StepCase{"rootOfNegative", [] { return squareRoot(-1.0); }, FaultKind::InvalidOperation},
        StepCase{"infinityMinusInfinity",
                 [] {
                     return CheckedDouble(std::numeric_limits<double>::infinity()) -
                            std::numeric_limits<double>::infinity();
                 },
                 FaultKind::InvalidOperation}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckedDouble, KeepsTheBitsOfPlainArithmetic) {
    const CheckedDouble a = 0.1;
    EXPECT_EQ(a + 0.2, 0.1 + 0.2);
    EXPECT_EQ(1.0 - a, 1.0 - 0.1);
    EXPECT_EQ(a * 3, 0.1 * 3);
    EXPECT_EQ(a / 3.0, 0.1 / 3.0);
    EXPECT_EQ(square(a), 0.1 * 0.1);
    EXPECT_EQ(squareRoot(-0.0), 0.0);  // the root of a negative zero is no fault
    EXPECT_EQ(-a, -0.1);
    EXPECT_EQ(sizeof(CheckedDouble), sizeof(double));
}

TEST(CheckedDouble, UnderflowIsNoFault) {
    EXPECT_EQ(CheckedDouble(1e-200) * 1e-200, 0.0);
}

TEST(FloatingPointFault, SaysWhichFaultAndWhere) {
    const FloatingPointFault fault(FaultKind::DivisionByZero, "zi");
    EXPECT_STREQ(fault.what(), "division by zero while computing zi");
}

}  // namespace
}  // namespace quadripolo

#include "complex_arithmetic.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "network_state.h"
#include "support/ulp.h"

namespace quadripolo {
namespace {

using testing::withinUlps;

struct ComplexCase {
    const char* name;
    double p, q, r, s;
    double re, im;
};

class ComplexMultiplyTest : public ::testing::TestWithParam<ComplexCase> {};
class ComplexDivideTest : public ::testing::TestWithParam<ComplexCase> {};

// Small integers: the results are exact, so they must be equal to the bit.
TEST_P(ComplexMultiplyTest, GivesExactProduct) {
    const ComplexCase& c = GetParam();
    CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s, re, im;
    complexMultiply(p, q, r, s, re, im);
    EXPECT_EQ(re, c.re);
    EXPECT_EQ(im, c.im);
}

TEST_P(ComplexDivideTest, GivesExactQuotient) {
    const ComplexCase& c = GetParam();
    CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s, re, im;
    complexDivide(p, q, r, s, re, im);
    EXPECT_EQ(re, c.re);
    EXPECT_EQ(im, c.im);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComplexMultiplyTest,
                         ::testing::Values(ComplexCase{"jTimesJ", 0, 1, 0, 1, -1, 0},
                                           ComplexCase{"conjugates", 3, 4, 3, -4, 25, 0},
                                           ComplexCase{"general", 2, 3, 4, 5, -7, 22}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Cases, ComplexDivideTest,
                         ::testing::Values(ComplexCase{"oneOverJ", 1, 0, 0, 1, 0, -1},
                                           ComplexCase{"backToFactor", 25, 0, 3, 4, 3, -4},
                                           ComplexCase{"general", -7, 22, 4, 5, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    bool divide;
    double p, q, r, s;
    FaultKind kind;
    bool reStored;  // the real part is stored before the imaginary part faults
};

class ComplexFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ComplexFaultTest, FaultsAtTheStepAndKeepsLaterParts) {
    const FaultCase& c = GetParam();
    CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s;
    CheckedDouble re = 7.0, im = 9.0;  // values of an earlier step
    computing("testQuantity");
    try {
        if (c.divide) {
            complexDivide(p, q, r, s, re, im);
        } else {
            complexMultiply(p, q, r, s, re, im);
        }
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind);
        EXPECT_EQ(fault.quantity(), "testQuantity");
    }
    EXPECT_EQ(re != 7.0, c.reStored);
    EXPECT_EQ(im, 9.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComplexFaultTest,
    ::testing::Values(
        // (1 + j2) / 0: the dividend p·0 + q·0 is 0, the divisor 0.
        FaultCase{"zeroDivisor", true, 1, 2, 0, 0, FaultKind::DivisionByZero, false},
        // (1e200 + j0) / (1e200 + j0) would be 1, but r² overflows first.
        FaultCase{"squareOfDivisorOverflows", true, 1e200, 0, 1e200, 0, FaultKind::Overflow, false},
        // r = 1e-200 is not zero, but r² + s² underflows to 0.
        FaultCase{"divisorUnderflowsToZero", true, 1, 0, 1e-200, 0, FaultKind::DivisionByZero,
                  false},
        // re = 1e300·1 is fine and stored; im = 1e300·1e10 overflows.
        FaultCase{"imaginaryPartOverflows", false, 1e300, 0, 1, 1e10, FaultKind::Overflow, true},
        FaultCase{"realPartOverflows", false, 1e200, 0, 1e200, 0, FaultKind::Overflow, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DegreesToRadians, UsesTheFifteenDigitLiteral) {
    // The literal's double lies 7 units in the last place below the double nearest to pi.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPi15), 0x400921FB54442D11U);
    // Exact: the product first, then the quotient, both correctly rounded.
    EXPECT_EQ(degreesToRadians(-146.3), -2.553416695667702);
    EXPECT_EQ(degreesToRadians(70.7), 1.2339477811599897);
    EXPECT_EQ(degreesToRadians(180.0), kPi15);
}

TEST(DegreesToRadians, OverflowOfTheProductFaults) {
    EXPECT_THROW(degreesToRadians(1e308), FloatingPointFault);
}

TEST(ToRectangular, GivesS11OfTheWorkedExample) {
    NetworkState state;
    state.s11Mag = 0.06;
    state.s11Phase = degreesToRadians(-146.3);
    state.toRectangular();
    // The platform's cosine and sine are within one unit; the stated values must match to it.
    EXPECT_TRUE(withinUlps(state.s11Re, -0.04991724732782888, 1));
    EXPECT_TRUE(withinUlps(state.s11Im, -0.03329066564688007, 1));
}

TEST(NetworkStateRecord, StartsZeroed) {
    const NetworkState state;
    EXPECT_EQ(state.s11Mag, 0.0);
    EXPECT_EQ(state.pl, 0.0);
    EXPECT_EQ(state.zoutByZIm, 0.0);
    EXPECT_EQ(state.inputError, 0);
    EXPECT_EQ(state.separatorPosition, 0);
    EXPECT_TRUE(state.fieldText.empty());
    EXPECT_TRUE(state.resultText.empty());
    EXPECT_EQ(&sharedState(), &sharedState());
}

}  // namespace
}  // namespace quadripolo

#include "y_to_s.h"

#include "complex_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "support/default_inputs.h"
#include "support/ulp.h"
#include "support/worked_example.h"

namespace quadripolo {
namespace {

using testing::agreesTo;

// The S parameters as the conversion writes them into Form2's boxes: modulus and phase of S11, S12,
// S21, S22.
void expectShownS(const NetworkState& s, std::span<const testing::ShownText, 8> expected) {
    const double shown[] = {s.s11Mag, s.s11Phase, s.s12Mag, s.s12Phase,
                            s.s21Mag, s.s21Phase, s.s22Mag, s.s22Phase};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(formatResult(shown[i], "."), expected[i].text) << expected[i].control;
    }
}

// Normalised y (y·Ro) into the record, as the reading of the window stores it.
NetworkState withNormalisedY(const double (&y)[8]) {
    NetworkState s;
    CheckedDouble* fields[] = {&s.y11Re, &s.y11Im, &s.y12Re, &s.y12Im,
                               &s.y21Re, &s.y21Im, &s.y22Re, &s.y22Im};
    for (int i = 0; i < 8; ++i) {
        *fields[i] = y[i];
    }
    return s;
}

TEST(ConvertYToS, RecoversTheMainWindowsSFromTheCopiedTexts) {
    // The copied texts times Ro = 50.
    NetworkState s =
        withNormalisedY({13.87E-03 * 50, 30.85E-04 * 50, -16.39E-05 * 50, -13.07E-04 * 50,
                         14.16E-03 * 50, -13.14E-02 * 50, 53.71E-05 * 50, 36.75E-04 * 50});
    convertYToS(s);
    constexpr double kSixDigits = 5e-6;
    EXPECT_TRUE(agreesTo(s.y11y22Re, -0.00971950, kSixDigits));
    EXPECT_TRUE(agreesTo(s.y11y22Im, 0.131573, kSixDigits));
    EXPECT_TRUE(agreesTo(s.deltaYRe, 0.425432, kSixDigits));
    EXPECT_TRUE(agreesTo(s.deltaYIm, 0.124000, kSixDigits));
    EXPECT_TRUE(agreesTo(s.convDenRe, 2.14579, kSixDigits));
    EXPECT_TRUE(agreesTo(s.convDenIm, 0.462000, kSixDigits));
    EXPECT_TRUE(agreesTo(s.s11Re, -0.0500715, kSixDigits));
    EXPECT_TRUE(agreesTo(s.s11Im, -0.0332590, kSixDigits));
    // The third-quadrant S11 gets a phase above 180 degrees.
    expectShownS(s, testing::kSOfCopiedY);
}

TEST(ConvertYToS, IsTheInverseOfTheConversionToY) {
    NetworkState s = testing::defaultInputs();
    s.convertSToZY();
    for (CheckedDouble* y :
         {&s.y11Re, &s.y11Im, &s.y12Re, &s.y12Im, &s.y21Re, &s.y21Im, &s.y22Re, &s.y22Im}) {
        *y = *y * s.ro;
    }
    convertYToS(s);
    expectShownS(s, testing::kSOfFullPrecisionY);
}

TEST(ConvertYToS, ANegativeRealS11GetsPhase180AndAZeroRealPartGetsPhaseZero) {
    NetworkState s = withNormalisedY({2, 0, 0, 0, 0, 0, 0, 0});  // Re(y11) 0.04 with Ro 50
    convertYToS(s);
    EXPECT_EQ(s.s11Mag, 1.0 / 3.0);
    EXPECT_EQ(s.s11Phase, 180.0);
    EXPECT_EQ(s.s22Mag, 1.0);
    EXPECT_EQ(s.s22Phase, 0.0);
    EXPECT_EQ(s.s12Mag, 0.0);
    EXPECT_EQ(s.s12Phase, 0.0);
    EXPECT_EQ(s.s12Re, 1E-100);  // a zero real part is replaced so that the quotient exists
    EXPECT_EQ(s.s21Phase, 0.0);
}

TEST(ConvertYToS, AllZeroYGivesFullReflection) {
    NetworkState s = withNormalisedY({0, 0, 0, 0, 0, 0, 0, 0});  // any y with Ro 0
    convertYToS(s);
    EXPECT_EQ(s.s11Mag, 1.0);
    EXPECT_EQ(s.s11Phase, 0.0);
    EXPECT_EQ(s.s22Mag, 1.0);
    EXPECT_EQ(s.s22Phase, 0.0);
    EXPECT_EQ(s.s12Mag, 0.0);
    EXPECT_EQ(s.s21Mag, 0.0);
}

TEST(ConvertYToS, AnImaginaryParameterGetsPlusOrMinus90) {
    // y11 = j1, y22 = -j1 normalised: S12 = S21 = 0, S11 and S22 on the unit circle.
    NetworkState s = withNormalisedY({0, 0, 0, 0, 0, 0, 0, 0});
    s.y12Re = 0.0;
    s.y12Im = -1.0;  // S12 = 2j / D with D = 1 + Δ, Δ = −(−j)·0 = 0 → S12 = 2j
    convertYToS(s);
    EXPECT_EQ(s.s12Mag, 2.0);
    EXPECT_EQ(s.s12Phase, (std::atan(2.0 / 1E-100) * 180.0) / kPi15);
    EXPECT_TRUE(agreesTo(s.s12Phase, 90.0, 1e-14));
}

TEST(ConvertYToS, AVanishingDenominatorFaultsAtS11) {
    NetworkState s = withNormalisedY({-1, 0, 0, 0, 0, 0, 0, 0});  // 1 + y11 = 0
    s.s11Mag = -777.0;
    try {
        convertYToS(s);
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::DivisionByZero);
        EXPECT_EQ(fault.quantity(), "s11");
    }
    EXPECT_EQ(s.convDenRe, 0.0);
    EXPECT_EQ(s.s11Mag, -777.0);
}

}  // namespace
}  // namespace quadripolo

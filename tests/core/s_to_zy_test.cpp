#include <gtest/gtest.h>

#include <complex>
#include <iterator>

#include "complex_arithmetic.h"
#include "network_state.h"
#include "support/default_inputs.h"
#include "support/ulp.h"
#include "support/worked_example.h"

namespace quadripolo {
namespace {

using testing::agreesTo;
using testing::defaultInputs;
using testing::withinUlps;

struct ComplexField {
    const char* name;
    CheckedDouble NetworkState::*re;
    CheckedDouble NetworkState::*im;
    double expectedRe;
    double expectedIm;
};

class WorkedExampleTest : public ::testing::TestWithParam<ComplexField> {};

// The stated values carry 16-17 digits. Everything is formed in the stated order, so it is bit
// for bit the same computation; one unit in the last place is allowed only for the platform's
// cosine and sine, on which every value depends.
TEST_P(WorkedExampleTest, MatchesToOneUlp) {
    NetworkState state = defaultInputs();
    state.convertSToZY();
    const ComplexField& field = GetParam();
    EXPECT_TRUE(withinUlps(state.*field.re, field.expectedRe, 1)) << field.name << " Re";
    EXPECT_TRUE(withinUlps(state.*field.im, field.expectedIm, 1)) << field.name << " Im";
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, WorkedExampleTest,
    ::testing::Values(ComplexField{"S11", &NetworkState::s11Re, &NetworkState::s11Im,
                                   -0.04991724732782888, -0.03329066564688007},
                      ComplexField{"S12", &NetworkState::s12Re, &NetworkState::s12Im,
                                   0.019830863562793455, 0.05662805709499374},
                      ComplexField{"S21", &NetworkState::s21Re, &NetworkState::s21Im,
                                   0.629261348871283, 5.987021810117004},
                      ComplexField{"S22", &NetworkState::s22Re, &NetworkState::s22Im,
                                   0.5382945310353643, -0.18745398864099225},
                      ComplexField{"Dz", &NetworkState::convDenRe, &NetworkState::convDenIm,
                                   0.8050666839290059, 0.057819997893755554},
                      ComplexField{"z11", &NetworkState::z11Re, &NetworkState::z11Im,
                                   8.719363916119423, 19.067048323540096},
                      ComplexField{"z12", &NetworkState::z12Re, &NetworkState::z12Im,
                                   2.953204101510599, 6.821859063608341},
                      ComplexField{"z21", &NetworkState::z21Re, &NetworkState::z21Im,
                                   130.89777170509439, 734.2667184319146},
                      ComplexField{"z22", &NetworkState::z22Re, &NetworkState::z22Im,
                                   80.03992320034257, -5.204340962679078},
                      ComplexField{"deltaS", &NetworkState::deltaSRe, &NetworkState::deltaSIm,
                                   0.2934439676365414, -0.16292465639411677},
                      ComplexField{"Dy", &NetworkState::yDenRe, &NetworkState::yDenIm,
                                   1.781821251344077, -0.38366931068198906},
                      ComplexField{"y11", &NetworkState::y11Re, &NetworkState::y11Im,
                                   0.013868883515791734, 0.0030846481611366476},
                      ComplexField{"y12", &NetworkState::y12Re, &NetworkState::y12Im,
                                   -0.00016385600795431436, -0.0013065220788373792},
                      ComplexField{"y21", &NetworkState::y21Re, &NetworkState::y21Im,
                                   0.014157420193408883, -0.13135386312262803},
                      ComplexField{"y22", &NetworkState::y22Re, &NetworkState::y22Im,
                                   0.000537079995599761, 0.003674791000791029}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertSToZY, ShowsTheStatedTexts) {
    NetworkState state = defaultInputs();
    state.convertSToZY();
    // In the order of the shown texts: Re and Im of z11, z12, z21, z22, y11, y12, y21, y22.
    CheckedDouble NetworkState::*const shown[] = {
        &NetworkState::z11Re, &NetworkState::z11Im, &NetworkState::z12Re, &NetworkState::z12Im,
        &NetworkState::z21Re, &NetworkState::z21Im, &NetworkState::z22Re, &NetworkState::z22Im,
        &NetworkState::y11Re, &NetworkState::y11Im, &NetworkState::y12Re, &NetworkState::y12Im,
        &NetworkState::y21Re, &NetworkState::y21Im, &NetworkState::y22Re, &NetworkState::y22Im,
    };
    static_assert(std::size(shown) == std::size(testing::kEquivalentTexts));
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        const testing::ShownText& expected = testing::kEquivalentTexts[i];
        EXPECT_EQ(formatResult(state.*shown[i], "."), expected.text) << expected.control;
    }
}

TEST(ConvertSToZY, YIsTheInverseOfZToTheDisplayedDigits) {
    NetworkState state = defaultInputs();
    state.convertSToZY();
    using C = std::complex<double>;
    const C z11(state.z11Re, state.z11Im), z12(state.z12Re, state.z12Im);
    const C z21(state.z21Re, state.z21Im), z22(state.z22Re, state.z22Im);
    const C det = z11 * z22 - z12 * z21;
    const C inverse[] = {z22 / det, -z12 / det, -z21 / det, z11 / det};
    const C y[] = {{state.y11Re, state.y11Im},
                   {state.y12Re, state.y12Im},
                   {state.y21Re, state.y21Im},
                   {state.y22Re, state.y22Im}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(formatResult(y[i].real(), "."), formatResult(inverse[i].real(), ".")) << i;
        EXPECT_EQ(formatResult(y[i].imag(), "."), formatResult(inverse[i].imag(), ".")) << i;
    }
}

// The solution by z of the terminated two-port: values stated to six digits.
TEST(ConvertSToZY, SolvesTheTerminatedTwoPortByZ) {
    NetworkState state = defaultInputs();
    state.convertSToZY();
    constexpr double kSixDigits = 5e-6;
    EXPECT_TRUE(agreesTo(state.z12z21Re, -4622.50, kSixDigits));
    EXPECT_TRUE(agreesTo(state.z12z21Im, 3061.41, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZNumRe, -133763.6, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZNumIm, 99606.2, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZDenRe, 382.638, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZDenIm, 7618.67, kSixDigits));
    EXPECT_TRUE(agreesTo(state.ziByZRe, 12.0719, kSixDigits));
    EXPECT_TRUE(agreesTo(state.ziByZIm, -1.56432, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v1ByZRe, 0.287302, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v1ByZIm, -0.310844, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZRe, 12.1615, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2ByZIm, 18.1681, kSixDigits));
    EXPECT_TRUE(agreesTo(state.plByZ, 0.955965, kSixDigits));
    EXPECT_TRUE(agreesTo(state.pinByZ, 0.0145965, kSixDigits));
    EXPECT_TRUE(agreesTo(state.zoutByZRe, 62.4181, kSixDigits));
    EXPECT_TRUE(agreesTo(state.zoutByZIm, -131.970, kSixDigits));
    EXPECT_TRUE(agreesTo(state.i1ByZRe, 0.0266877, kSixDigits));
    EXPECT_TRUE(agreesTo(state.i1ByZIm, -0.0222910, kSixDigits));
    EXPECT_TRUE(agreesTo(state.i2ByZRe, -0.0969955, kSixDigits));
    EXPECT_TRUE(agreesTo(state.i2ByZIm, 0.0123097, kSixDigits));
}

TEST(ConvertSToZY, AMatchedTwoPortGivesRoAndItsInverse) {
    NetworkState state = defaultInputs();
    state.s11Mag = state.s12Mag = state.s21Mag = state.s22Mag = 0.0;
    state.convertSToZY();
    EXPECT_EQ(state.z11Re, 50.0);
    EXPECT_EQ(state.z22Re, 50.0);
    EXPECT_EQ(state.z11Im, 0.0);
    EXPECT_EQ(state.z12Re, 0.0);
    EXPECT_EQ(state.z21Im, 0.0);
    EXPECT_EQ(state.y11Re, 1.0 / 50.0);
    EXPECT_EQ(state.y22Re, 1.0 / 50.0);
    EXPECT_EQ(state.y12Re, 0.0);
    EXPECT_EQ(state.y21Im, 0.0);
}

struct FaultCase {
    const char* name;
    void (*change)(NetworkState&);
    FaultKind kind;
    const char* quantity;
    // A field written just before the faulting step, and one that comes after it.
    CheckedDouble NetworkState::*writtenBefore;
    CheckedDouble NetworkState::*notWritten;
};

class ConvertSToZYFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ConvertSToZYFaultTest, EndsAtTheNamedStep) {
    NetworkState state = defaultInputs();
    GetParam().change(state);
    state.*GetParam().writtenBefore = -777.0;
    state.*GetParam().notWritten = -777.0;
    try {
        state.convertSToZY();
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
        EXPECT_EQ(fault.quantity(), GetParam().quantity);
    }
    EXPECT_NE(state.*GetParam().writtenBefore, -777.0);
    EXPECT_EQ(state.*GetParam().notWritten, -777.0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ConvertSToZYFaultTest,
    ::testing::Values(
        // Ro = 0 makes every z zero, so Zi = 0 and I1 = V1 / Zi divides 0 by 0.
        FaultCase{"roZero", [](NetworkState& s) { s.ro = 0.0; }, FaultKind::DivisionByZero, "i1ByZ",
                  &NetworkState::plByZ, &NetworkState::y11Re},
        // A short-circuit load: I2 = −(V2 / ZL).
        FaultCase{"loadShorted",
                  [](NetworkState& s) {
                      s.zlRe = 0.0;
                      s.zlIm = 0.0;
                  },
                  FaultKind::DivisionByZero, "i2ByZ", &NetworkState::v2ByZRe, &NetworkState::plByZ},
        // S11 = 1 at phase 0 with S12 = 0: Dz = 0 at the first quotient.
        FaultCase{"dzZero",
                  [](NetworkState& s) {
                      s.s11Mag = 1.0;
                      s.s11Phase = 0.0;
                      s.s12Mag = 0.0;
                  },
                  FaultKind::DivisionByZero, "z11", &NetworkState::convDenRe, &NetworkState::z11Re},
        // ZL + z22 = 0.
        FaultCase{"loadCancelsZ22",
                  [](NetworkState& s) {
                      s.s11Mag = s.s12Mag = s.s21Mag = s.s22Mag = 0.0;  // z22 = Ro = 50
                      s.zlRe = -50.0;
                      s.zlIm = 0.0;
                  },
                  FaultKind::DivisionByZero, "ziByZ", &NetworkState::z12z21Re,
                  &NetworkState::ziByZRe},
        // Huge moduli: the products of the S parameters overflow.
        FaultCase{"hugeS",
                  [](NetworkState& s) {
                      s.s11Mag = 1e200;
                      s.s22Mag = 1e200;
                  },
                  FaultKind::Overflow, "zDenLeft", &NetworkState::s22Im,
                  &NetworkState::zDenLeftRe}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quadripolo

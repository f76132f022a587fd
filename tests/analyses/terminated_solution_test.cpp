#include "terminated_solution.h"

#include <gtest/gtest.h>

#include <complex>

#include "complex_arithmetic.h"
#include "support/default_inputs.h"
#include "support/ulp.h"

namespace quadripolo {
namespace {

using testing::agreesTo;
using testing::defaultInputs;
using C = std::complex<double>;

NetworkState solvedDefaults() {
    NetworkState state = defaultInputs();
    solveOpenOutput(state);
    solveLoaded(state);
    return state;
}

// The stated values carry six significant digits.
constexpr double kSixDigits = 5e-6;

struct Quantity {
    const char* name;
    CheckedDouble NetworkState::*re;
    CheckedDouble NetworkState::*im;  // null for a real quantity
    double expectedRe;
    double expectedIm;
};

class LoadedSolutionTest : public ::testing::TestWithParam<Quantity> {};

TEST_P(LoadedSolutionTest, MatchesTheWorkedExample) {
    const NetworkState state = solvedDefaults();
    const Quantity& q = GetParam();
    EXPECT_TRUE(agreesTo(state.*q.re, q.expectedRe, kSixDigits)) << q.name;
    if (q.im != nullptr) {
        EXPECT_TRUE(agreesTo(state.*q.im, q.expectedIm, kSixDigits)) << q.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, LoadedSolutionTest,
    ::testing::Values(
        Quantity{"gammaL", &NetworkState::gammaLRe, &NetworkState::gammaLIm, 0.76, 0.32},
        Quantity{"a2OverA1", &NetworkState::a2OverA1Re, &NetworkState::a2OverA1Im, -3.19991,
                 8.77017},
        Quantity{"zi", &NetworkState::ziRe, &NetworkState::ziIm, 12.0719, -1.56432},
        Quantity{"gammaIn", &NetworkState::gammaInRe, &NetworkState::gammaInIm, -0.610012,
                 -0.0405751},
        Quantity{"v1", &NetworkState::v1Re, &NetworkState::v1Im, 0.287302, -0.310844},
        Quantity{"a1", &NetworkState::a1Re, &NetworkState::a1Im, 0.114671, -0.100791},
        Quantity{"a2", &NetworkState::a2Re, &NetworkState::a2Im, 0.517016, 1.32820},
        Quantity{"b1", &NetworkState::b1Re, &NetworkState::b1Im, -0.0740400, 0.0568308},
        Quantity{"b2", &NetworkState::b2Re, &NetworkState::b2Im, 1.20288, 1.24116},
        Quantity{"pl", &NetworkState::pl, nullptr, 0.955965, 0},
        Quantity{"pin", &NetworkState::pin, nullptr, 0.0145965, 0},
        Quantity{"v2", &NetworkState::v2Re, &NetworkState::v2Im, 12.1615, 18.1681},
        Quantity{"zout", &NetworkState::zoutRe, &NetworkState::zoutIm, 62.4181, -131.970},
        Quantity{"i1", &NetworkState::i1Re, &NetworkState::i1Im, 0.0266877, -0.0222910},
        Quantity{"i2", &NetworkState::i2Re, &NetworkState::i2Im, -0.0969955, 0.0123097},
        Quantity{"v2Open", &NetworkState::v2OpenRe, &NetworkState::v2OpenIm, 16.5913, 4.59927}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenOutput, LeavesZ11AsZiAndTheOpenCircuitVoltage) {
    NetworkState state = defaultInputs();
    solveOpenOutput(state);
    EXPECT_TRUE(agreesTo(state.a2OverA1Re, 5.68974, kSixDigits));
    EXPECT_TRUE(agreesTo(state.a2OverA1Im, 10.6571, kSixDigits));
    EXPECT_TRUE(agreesTo(state.ziRe, 8.71936, kSixDigits));
    EXPECT_TRUE(agreesTo(state.ziIm, 19.0670, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2OpenRe, 16.5913, kSixDigits));
    EXPECT_TRUE(agreesTo(state.v2OpenIm, 4.59927, kSixDigits));
    EXPECT_EQ(state.s21GammaLRe, state.s21Re);
    EXPECT_EQ(state.s22GammaLIm, state.s22Im);
    EXPECT_EQ(state.pl, 0.0);  // not touched
}

// The open-output Zi is z11 itself: compare with the conversion to z (12 digits).
TEST(OpenOutput, ZiIsZ11) {
    NetworkState open = defaultInputs();
    solveOpenOutput(open);
    NetworkState converted = defaultInputs();
    converted.convertSToZY();
    EXPECT_TRUE(agreesTo(open.ziRe, converted.z11Re, 1e-12));
    EXPECT_TRUE(agreesTo(open.ziIm, converted.z11Im, 1e-12));
}

// Circuit identities hold up to rounding (relative 1e-12).
TEST(LoadedSolution, AgreesWithTheCircuit) {
    const NetworkState s = solvedDefaults();
    const C v1(s.v1Re, s.v1Im), i1(s.i1Re, s.i1Im), v2(s.v2Re, s.v2Im), i2(s.i2Re, s.i2Im);
    const C zi(s.ziRe, s.ziIm), zl(s.zlRe, s.zlIm);
    EXPECT_LT(std::abs(v1 / i1 - zi), 1e-12 * std::abs(zi));
    EXPECT_LT(std::abs(v2 / (-i2) - zl), 1e-12 * std::abs(zl));
    EXPECT_TRUE(agreesTo(s.pin, (v1 * std::conj(i1)).real(), 1e-12));
    EXPECT_TRUE(agreesTo(s.pl, (v2 * std::conj(-i2)).real(), 1e-12));
}

// Both roads give the same port quantities: at least twelve significant digits.
TEST(LoadedSolution, AgreesWithTheSolutionByZ) {
    const NetworkState s = solvedDefaults();
    NetworkState z = defaultInputs();
    z.convertSToZY();
    const std::pair<double, double> pairs[] = {
        {s.ziRe, z.ziByZRe},     {s.ziIm, z.ziByZIm},    {s.v1Re, z.v1ByZRe}, {s.v1Im, z.v1ByZIm},
        {s.v2Re, z.v2ByZRe},     {s.v2Im, z.v2ByZIm},    {s.i1Re, z.i1ByZRe}, {s.i1Im, z.i1ByZIm},
        {s.i2Re, z.i2ByZRe},     {s.i2Im, z.i2ByZIm},    {s.pl, z.plByZ},     {s.pin, z.pinByZ},
        {s.zoutRe, z.zoutByZRe}, {s.zoutIm, z.zoutByZIm}};
    for (const auto& [bySParameters, byZParameters] : pairs) {
        EXPECT_TRUE(agreesTo(bySParameters, byZParameters, 1e-12));
    }
}

TEST(LoadedSolution, AMatchedLoadReflectsNothing) {
    NetworkState s = defaultInputs();
    s.zlRe = s.ro;
    s.zlIm = 0.0;
    solveOpenOutput(s);
    solveLoaded(s);
    EXPECT_EQ(s.gammaLRe, 0.0);
    EXPECT_EQ(s.gammaLIm, 0.0);
    EXPECT_EQ(s.a2Re, 0.0);
    EXPECT_EQ(s.a2Im, 0.0);
    const C s11(s.s11Re, s.s11Im), a1(s.a1Re, s.a1Im), b2(s.b2Re, s.b2Im);
    EXPECT_EQ(s.b1Re, (s11 * a1).real());
    EXPECT_TRUE(agreesTo(s.b1Im, (s11 * a1).imag(), 1e-15));
    EXPECT_TRUE(agreesTo(s.pl, std::norm(b2), 1e-15));
    const C zi = 50.0 * (1.0 + s11) / (1.0 - s11);
    EXPECT_TRUE(agreesTo(s.ziRe, zi.real(), 1e-14));
    EXPECT_TRUE(agreesTo(s.ziIm, zi.imag(), 1e-14));
}

TEST(OpenOutput, V2OpenDoesNotDependOnTheLoad) {
    for (const auto& [re, im] : {std::pair{100.0, 200.0}, {50.0, 0.0}, {1.0, -3.0}, {1e6, 0.0}}) {
        NetworkState s = defaultInputs();
        s.zlRe = re;
        s.zlIm = im;
        solveOpenOutput(s);
        solveLoaded(s);
        EXPECT_TRUE(agreesTo(s.v2OpenRe, 16.5913, kSixDigits));
        EXPECT_TRUE(agreesTo(s.v2OpenIm, 4.59927, kSixDigits));
    }
}

struct FaultCase {
    const char* name;
    void (*change)(NetworkState&);
    bool inOpenPass;  // the fault arises in solveOpenOutput
    FaultKind kind;
    const char* quantity;
    CheckedDouble NetworkState::*writtenBefore;
    CheckedDouble NetworkState::*notWritten;
};

class SolutionFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SolutionFaultTest, EndsAtTheNamedStep) {
    const FaultCase& c = GetParam();
    NetworkState s = defaultInputs();
    c.change(s);
    s.*c.writtenBefore = -777.0;
    s.*c.notWritten = -777.0;
    bool openFinished = false;
    try {
        solveOpenOutput(s);
        openFinished = true;
        solveLoaded(s);
        FAIL() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind);
        EXPECT_EQ(fault.quantity(), c.quantity);
    }
    EXPECT_EQ(openFinished, !c.inOpenPass);
    EXPECT_NE(s.*c.writtenBefore, -777.0);
    EXPECT_EQ(s.*c.notWritten, -777.0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SolutionFaultTest,
    ::testing::Values(
        // Zi = 0, so Γin = (0 − 0) / (0 + 0).
        FaultCase{"roZero", [](NetworkState& s) { s.ro = 0.0; }, true, FaultKind::DivisionByZero,
                  "gammaIn", &NetworkState::ziRe, &NetworkState::gammaInRe},
        FaultCase{"roNegative", [](NetworkState& s) { s.ro = -50.0; }, true,
                  FaultKind::InvalidOperation, "a1", &NetworkState::v1Re, &NetworkState::a1Re},
        FaultCase{"s22One",
                  [](NetworkState& s) {
                      s.s22Mag = 1.0;
                      s.s22Phase = 0.0;
                  },
                  true, FaultKind::DivisionByZero, "a2OverA1", &NetworkState::s22GammaLRe,
                  &NetworkState::a2OverA1Re},
        FaultCase{"loadIsMinusRo",
                  [](NetworkState& s) {
                      s.zlRe = -50.0;
                      s.zlIm = 0.0;
                  },
                  false, FaultKind::DivisionByZero, "gammaL", &NetworkState::v2OpenRe,
                  &NetworkState::gammaLRe},
        // All waves and voltages are 0: (V2open − V2) / V2 is 0 / 0.
        FaultCase{"eZero", [](NetworkState& s) { s.eRms = 0.0; }, false, FaultKind::DivisionByZero,
                  "zoutPerZl", &NetworkState::v2Re, &NetworkState::zoutPerZlRe}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quadripolo

// SPDX-License-Identifier: MIT
// The terminated two-port solved from S, and the five commands on fake windows.
#include <gtest/gtest.h>

#include <complex>
#include <span>

#include "commands.h"
#include "s_to_zy.h"
#include "support/fake_window.h"
#include "terminated_solution.h"

namespace quadripolo {
namespace {

using testing::FakeWindow;
using testing::ShownText;
using C = std::complex<double>;

NetworkState solvedDefaults() {
    NetworkState state = testing::defaultInputs();
    convertSToZY(state);
    solveOpenOutput(state);
    solveLoaded(state);
    return state;
}

bool agree(double actual, double expected, double relative) {
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

// The stated values carry six significant digits.
TEST(TerminatedSolution, GivesTheStatedValues) {
    const NetworkState state = solvedDefaults();
    for (const testing::StatedValue& stated : testing::kSolutionValues) {
        EXPECT_PRED3(agree, state.*stated.re, stated.expectedRe, 5e-6) << stated.name;
        EXPECT_PRED3(agree, state.*stated.im, stated.expectedIm, 5e-6) << stated.name;
    }
}

// The open pass leaves z11 as Zi, and a V2open that does not depend on the load.
TEST(TerminatedSolution, OpenOutputGivesZ11AndALoadFreeV2Open) {
    NetworkState state = testing::defaultInputs();
    state.zlRe = 1.0;
    solveOpenOutput(state);
    EXPECT_PRED3(agree, state.ziIm, 19.067048323540096, 1e-12);
    EXPECT_PRED3(agree, state.v2OpenRe, 16.5913, 5e-6);
}

// Up to rounding the loaded solution obeys the circuit, and agrees with the solution by z to
// twelve digits.
TEST(TerminatedSolution, AgreesWithTheCircuitAndWithTheSolutionByZ) {
    const NetworkState s = solvedDefaults();
    const C v1(s.v1Re, s.v1Im), i1(s.i1Re, s.i1Im), v2(s.v2Re, s.v2Im), i2(s.i2Re, s.i2Im);
    EXPECT_LT(std::abs(v1 / i1 - C(s.ziRe, s.ziIm)), 1e-12 * std::abs(C(s.ziRe, s.ziIm)));
    EXPECT_LT(std::abs(v2 / (-i2) - C(100, 200)), 1e-12 * std::abs(C(100, 200)));
    EXPECT_PRED3(agree, s.pin, (v1 * std::conj(i1)).real(), 1e-12);
    EXPECT_PRED3(agree, s.pl, (v2 * std::conj(-i2)).real(), 1e-12);
    const std::pair<double, double> byBothRoads[] = {
        {s.v1Im, s.v1ByZIm}, {s.v2Re, s.v2ByZRe}, {s.i1Re, s.i1ByZRe},    {s.i2Im, s.i2ByZIm},
        {s.pl, s.plByZ},     {s.pin, s.pinByZ},   {s.zoutIm, s.zoutByZIm}};
    for (const auto& [byS, byZ] : byBothRoads) {
        EXPECT_PRED3(agree, byS, byZ, 1e-12);
    }
}

void expectShown(const FakeWindow& window, std::span<const ShownText> shown) {
    for (const auto& [control, text] : shown) {
        EXPECT_EQ(window.text(control), text) << control;
    }
}

// A short-circuit load still shows the two-port's output impedance, z22 − z12·z21/(Ze + z11).
TEST(Commands, ShowZoutForAShortCircuitLoad) {
    NetworkState state;
    FakeWindow form1 = testing::mainWindowWithDefaults();
    form1.texts["Text12"] = form1.texts["Text13"] = "0";
    form1::Command1_Click(state, form1);
    EXPECT_EQ(form1.text("Label69") + form1.text("Label70"), "62.42E+00-13.20E+01");
}

// Typed y with Ro; the copy then takes the normalised y, each typed y times Ro.
TEST(Commands, ConvertTypedY) {
    for (const char* ro : {"50", "0"}) {
        NetworkState state;
        FakeWindow form2;
        for (const auto& [control, text] : testing::kY11Only) {
            form2.texts[control] = text;
        }
        form2.texts["Text9"] = ro;
        form2::Command1_Click(state, form2);
        expectShown(form2, *ro == '5' ? std::span<const ShownText>(testing::kSOfY11Only)
                                      : std::span<const ShownText>(testing::kSOfY11OnlyRo0));
        form2::Command2_Click(state, form2);
        EXPECT_EQ(form2.text("Text1"), *ro == '5' ? "20.00E-01" : "00.00E+00");
    }
}

struct FaultCase {
    const char* name;
    void (*command)(NetworkState&, Window&);
    std::vector<ShownText> texts;
    FaultKind kind;
    Quantity quantity;
};

class FaultTest : public ::testing::TestWithParam<FaultCase> {};

// The command ends at the faulting step, naming it, with no box written and no window opened.
TEST_P(FaultTest, EndsAtTheNamedStepWithNothingShown) {
    const FaultCase& c = GetParam();
    NetworkState state;
    FakeWindow window = testing::mainWindowWithDefaults();
    if (c.command == form2::Command1_Click) {
        for (const InputField& field : kYWindowFields) {
            window.texts[std::string(field.control)] =
                field.reading == Reading::TimesRo ? "0" : "1";
        }
    }
    for (const auto& [control, text] : c.texts) {
        window.texts[control] = text;
    }
    window.writes = 0;
    try {
        c.command(state, window);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind);
        EXPECT_EQ(fault.quantity(), c.quantity);
    }
    EXPECT_EQ(window.writes, 0);
    EXPECT_EQ(window.equivalent, nullptr);
}

using enum FaultKind;
using enum Quantity;
constexpr auto kS = form1::Command1_Click;
constexpr auto kZ = form1::Command2_Click;
constexpr auto kZY = form1::Command3_Click;
constexpr auto kYS = form2::Command1_Click;

INSTANTIATE_TEST_SUITE_P(
    Inputs, FaultTest,
    ::testing::Values(
        FaultCase{"RoZero", kS, {{"Text9", "0"}}, DivisionByZero, GammaIn},
        FaultCase{"RoNegative", kS, {{"Text9", "-1"}}, InvalidOperation, A1},
        FaultCase{"S22One", kS, {{"Text7", "1"}, {"Text8", "0"}}, DivisionByZero, A2OverA1},
        FaultCase{"LoadMinusRo", kS, {{"Text12", "-50"}, {"Text13", "0"}}, DivisionByZero, GammaL},
        FaultCase{"EZero", kS, {{"Text14", "0"}}, DivisionByZero, ZoutPerZl},
        FaultCase{"HugeSourceImpedance", kS, {{"Text10", "1.7e308"}}, Overflow, V1},
        FaultCase{"RoZeroByZ", kZ, {{"Text9", "0"}}, DivisionByZero, I1ByZ},
        FaultCase{"ShortLoadZ", kZ, {{"Text12", "0"}, {"Text13", "0"}}, DivisionByZero, I2ByZ},
        FaultCase{"ShortLoadZY", kZY, {{"Text12", "0"}, {"Text13", "0"}}, DivisionByZero, I2ByZ},
        FaultCase{"HugeLoadByZ", kZ, {{"Text12", "1e308"}}, Overflow, ZiByZ},
        FaultCase{
            "ZeroDz", kZY, {{"Text1", "1"}, {"Text2", "0"}, {"Text5", "0"}}, DivisionByZero, Z11},
        FaultCase{"HugeS12", kZY, {{"Text5", "1.7e308"}}, Overflow, S12S21},
        FaultCase{"VanishingD", kYS, {{"Text1", "-1"}}, DivisionByZero, S11},
        FaultCase{"HugePhase", kS, {{"Text6", "1e308"}}, Overflow, S12Phase},
        FaultCase{"HugeAdmittance", kYS, {{"Text2", "1e300"}, {"Text9", "1e10"}}, Overflow, Y11Im},
        FaultCase{"HugeY", kYS, {{"Text1", "1e200"}, {"Text7", "1e200"}}, Overflow, Y11Y22}),
    [](const auto& info) { return std::string(info.param.name); });

// The first operand of a step is stored before the second is formed: Zi + Ro overflowing leaves
// Zi − Ro in the work operands.
TEST(Commands, StoreTheFirstOperandBeforeTheSecondIsFormed) {
    NetworkState state;
    FakeWindow form1 = testing::mainWindowWithDefaults();
    form1.texts["Text9"] = "1.7e308";
    EXPECT_THROW(form1::Command1_Click(state, form1), FloatingPointFault);
    EXPECT_EQ(double(state.workARe), double(state.ziRe) - double(state.ro));
    EXPECT_EQ(double(state.workAIm), double(state.ziIm));
}

}  // namespace
}  // namespace quadripolo

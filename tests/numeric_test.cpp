// SPDX-License-Identifier: MIT
// The numeric core and the commands, on fake windows: complex steps, squares, field reading, the
// display form, S to z and y, the terminated two-port solved from S, and the faults at their step.
#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <complex>

#include "analyses/commands.h"
#include "analyses/terminated_solution.h"
#include "core/complex_arithmetic.h"
#include "core/numeric_text.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"
#include "support/fake_window.h"

namespace quadripolo {
namespace {

using testing::FakeWindow;
using testing::ShownText;
using C = std::complex<double>;

// (p, q) · or / (r, s): re is stored before im is formed, so a fault in im leaves re stored.
// r² + s² is not rescaled: 1e200 overflows although the quotient 1 would fit, and a divisor
// that underflows divides by zero.
TEST(ComplexRoutines, FormAsWrittenAndFaultAtTheStep) {
    const struct {
        bool divide;
        double p, q, r, s, re, im;
        std::optional<FaultKind> fault;
    } cases[] = {{false, 0, 1, 0, 1, -1, 0, {}},
                 {false, 3, 4, 3, -4, 25, 0, {}},
                 {true, 1, 0, 0, 1, 0, -1, {}},
                 {true, 25, 0, 3, 4, 3, -4, {}},
                 {true, 1, 0, 0, 0, -7, -7, FaultKind::DivisionByZero},
                 {true, 1e200, 0, 1e200, 0, -7, -7, FaultKind::Overflow},
                 {true, 1e-200, 0, 1e-200, 0, -7, -7, FaultKind::DivisionByZero},
                 {true, 1, 1e300, 1e10, 0, 1e-10, -7, FaultKind::Overflow}};
    for (const auto& c : cases) {
        CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s, re = -7, im = -7;
        try {
            (c.divide ? complexDivide : complexMultiply)(p, q, r, s, re, im);
            EXPECT_FALSE(c.fault) << c.p;
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.kind(), c.fault) << c.p;
        }
        EXPECT_EQ(std::pair(double(re), double(im)), std::pair(c.re, c.im)) << c.p;
    }
}

// The power function and x·x differ in the last bit here; squares are the power function's.
TEST(ComplexRoutines, SquareByThePowerFunction) {
    EXPECT_EQ(double(square(1.1019384605399423)), 0x1.36da4abd3a102p+0);
    EXPECT_NE(1.1019384605399423 * 1.1019384605399423, 0x1.36da4abd3a102p+0);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPi15), 0x400921FB54442D11U);
    EXPECT_EQ(double(squareRoot(0.0)), 0.0);
}

// Each field, in reading order, empty and then with a bad character, after the fields before it
// have passed and with the last one empty too: exactly its own message, and nothing stored.
TEST(FieldReading, GivesEachFieldsMessagesInReadingOrder) {
    const auto check = [](std::span<const testing::FieldMessages> messages,
                          std::span<const InputField> fields) {
        for (const testing::FieldMessages& field : messages) {
            for (const char* text : {"", "5O"}) {
                FakeWindow window = testing::windowWith();
                window.texts["Text9"] = "50";
                window.texts[std::string(fields.back().control)] = "";
                window.texts[field.field] = text;
                NetworkState state;
                EXPECT_FALSE(readFields(state, window, fields));
                EXPECT_EQ(window.messages,
                          std::vector<std::string>{*text ? field.bad() : field.missing()});
                EXPECT_EQ(double(state.s11Mag) + double(state.y11Re) + double(state.ro), 0.0);
            }
        }
    };
    check(testing::kMainWindowMessages, kMainWindowFields);
    check(testing::kYWindowMessages, kYWindowFields);
}

// Which characters occur decides, never their order; a value beyond the doubles is refused.
TEST(FieldReading, ConvertsTheLongestDecimalPrefixWhateverTheLocale) {
    std::setlocale(LC_ALL, "it_IT.UTF-8");  // a comma locale where it is generated
    const std::pair<const char*, double> accepted[] = {
        {"1.2.3", 1.2}, {"1-2", 1}, {"1e2e3", 100},    {"-", 0},           {".", 0},    {"+-5", 0},
        {"1e", 1},      {"1e-", 1}, {"1E-5", 0.00001}, {"5E3", 5000},      {".5", 0.5}, {"5.", 5},
        {"-.5E1", -5},  {"+7", 7},  {"1e-400", 0},     {"1e-320", 1e-320},
    };
    for (const auto& [text, value] : accepted) {
        NetworkState state;
        FakeWindow window;
        checkNumericText(state, window, text);
        EXPECT_EQ(std::pair(state.inputError, convertNumericText(text)),
                  std::pair(std::int16_t{0}, std::optional(value)))
            << text;
    }
    // Beyond the doubles or below them as the first significant digit and the exponent say.
    const std::string digits(400, '0');
    EXPECT_EQ(convertNumericText("-1." + digits + "1e-330"), std::optional(0.0));
    EXPECT_EQ(convertNumericText("0." + digits + "1e50"), std::optional(0.0));
    EXPECT_EQ(convertNumericText("1" + digits + "e-50"), std::nullopt);
    EXPECT_EQ(convertNumericText("1e-" + std::string(30, '9')), std::optional(0.0));
    EXPECT_EQ(convertNumericText("1e+" + std::string(30, '9')), std::nullopt);
    for (const char* refused : {" 50", "0,5", "5O", "1\t", "1e400", "-0.01e+311", "1000e306"}) {
        NetworkState state;
        FakeWindow window;
        state.badValueMessage = "bad";
        checkNumericText(state, window, refused);
        EXPECT_EQ(std::pair(state.inputError, window.messages),
                  std::pair(std::int16_t{1}, std::vector<std::string>{"bad"}))
            << refused;
    }
    std::setlocale(LC_ALL, "C");
}

// Halves round away from zero on the shortest decimal (1.0005 and 9.9995 lie below their halves
// as doubles); subnormals round from their exact value. showResult writes the text, reads it back
// and forces the point at the separator's character, whatever the separator's length.
TEST(Display, FormatsEveryValueAsTheNumberPattern) {
    const std::pair<double, const char*> cases[] = {
        {0, "00.00E+00"},
        {0.06, "60.00E-03"},
        {-146.3, "-14.63E+01"},
        {19.995, "20.00E+00"},
        {1e10, "10.00E+09"},
        {-1e11, "-10.00E+10"},
        {1E-100, "10.00E-101"},
        {-0.0, "00.00E+00"},
        {1.0005, "10.01E-01"},
        {10.125, "10.13E+00"},
        {9.9995, "10.00E+00"},
        {0.00012345, "12.35E-05"},
        {1.7976931348623157e308, "17.98E+307"},
        {2.2250738585072014e-308, "22.25E-309"},
        {-4.9406564584124654e-323, "-49.41E-324"},
        {4.9406564584124654e-324, "49.41E-325"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatResult(value, "."), text) << value;
        NetworkState state;
        FakeWindow window;
        window.separator = "\u066B";
        showResult(state, window, "Label36", value);
        EXPECT_EQ(std::tuple(window.text("Label36"), window.writes, int{state.separatorPosition}),
                  std::tuple(text, 2, value < 0 ? 4 : 3));
    }
}

NetworkState solvedDefaults() {
    NetworkState state;
    FakeWindow window = testing::windowWith();
    readFields(state, window, kMainWindowFields);
    convertSToZY(state);
    solveOpenOutput(state);
    solveLoaded(state);
    return state;
}

bool agree(double actual, double expected, double relative) {
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

// The conversion's values are stated to 16-17 digits and formed in the stated order: one unit in
// the last place is allowed for the platform's cosine and sine. The solution's carry six
// significant digits.
TEST(WorkedExample, GivesTheStatedValues) {
    const NetworkState state = solvedDefaults();
    const auto ulps = [](double a, double b) {
        return std::abs(std::bit_cast<std::int64_t>(a) - std::bit_cast<std::int64_t>(b));
    };
    for (const testing::StatedValue& stated : testing::kSToZYValues) {
        EXPECT_LE(ulps(state.*stated.re, stated.expectedRe), 1) << stated.name;
        EXPECT_LE(ulps(state.*stated.im, stated.expectedIm), 1) << stated.name;
    }
    for (const testing::StatedValue& stated : testing::kSolutionValues) {
        EXPECT_PRED3(agree, state.*stated.re, stated.expectedRe, 5e-6) << stated.name;
        EXPECT_PRED3(agree, state.*stated.im, stated.expectedIm, 5e-6) << stated.name;
    }
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
        {s.v1Im, s.v1ByZIm}, {s.v2Re, s.v2ByZRe}, {s.i1Re, s.i1ByZRe},     {s.i2Im, s.i2ByZIm},
        {s.pl, s.plByZ},     {s.pin, s.pinByZ},   {s.zoutIm, s.zoutByZIm}, {s.ziRe, s.ziByZRe}};
    for (const auto& [byS, byZ] : byBothRoads) {
        EXPECT_PRED3(agree, byS, byZ, 1e-12);
    }
}

void expectShown(const FakeWindow& window, std::span<const ShownText> shown) {
    for (const auto& [control, text] : shown) {
        EXPECT_EQ(window.text(control), text) << control;
    }
}

// With the default inputs every command shows the stated values in its boxes.
TEST(Commands, ShowTheStatedValues) {
    NetworkState state;
    FakeWindow form1 = testing::windowWith();
    form1::Command1_Click(state, form1);
    form1::Command2_Click(state, form1);
    form1::Command3_Click(state, form1);
    FakeWindow& form2 = *form1.equivalent;
    form2::Command2_Click(state, form2);
    for (const auto& [window, values] :
         {std::pair(&form1, std::span<const testing::StatedValue>(testing::kSolutionValues)),
          std::pair(&form2, std::span<const testing::StatedValue>(testing::kSToZYValues))}) {
        for (const auto& [control, text] : testing::shownTexts(values)) {
            EXPECT_EQ(window->text(control), text) << control;
        }
    }
    form2::Command1_Click(state, form2);
    expectShown(form2, testing::kSOfCopiedY);
}

// A short-circuit load still shows the two-port's output impedance, z22 − z12·z21/(Ze + z11);
// any other load, even a real one, keeps the formula through V2.
TEST(Commands, ShowZoutForAShortCircuitLoad) {
    NetworkState state;
    FakeWindow form1 = testing::windowWith();
    form1.texts["Text12"] = form1.texts["Text13"] = "0";
    form1::Command1_Click(state, form1);
    EXPECT_EQ(form1.text("Label69") + form1.text("Label70"), "62.42E+00-13.20E+01");
    form1.texts["Text12"] = "100";  // a real load keeps Zout = ZL·(V2open − V2)/V2
    form1::Command1_Click(state, form1);
    EXPECT_EQ(double(state.zoutRe), double(state.zoutPerZlRe) * 100.0);
}

// Typed y with Ro; the copy then takes the normalised y, each typed y times Ro.
TEST(Commands, ConvertTypedY) {
    for (const char* ro : {"50", "0"}) {
        NetworkState state;
        FakeWindow form2 = testing::windowWith(testing::kY11Only);
        form2.texts["Text9"] = ro;
        form2::Command1_Click(state, form2);
        expectShown(form2, *ro == '5' ? std::span<const ShownText>(testing::kSOfY11Only)
                                      : std::span<const ShownText>(testing::kSOfY11OnlyRo0));
        form2::Command2_Click(state, form2);
        EXPECT_EQ(form2.text("Text1"), *ro == '5' ? "20.00E-01" : "00.00E+00");
    }
}

// Each command ends at the faulting step, naming it, with no box written and no window opened.
TEST(Commands, EndAtTheFaultingStepWithNothingShown) {
    using enum FaultKind;
    using enum Quantity;
    constexpr auto kS = form1::Command1_Click;
    constexpr auto kZ = form1::Command2_Click;
    constexpr auto kZY = form1::Command3_Click;
    constexpr auto kYS = form2::Command1_Click;
    const struct {
        const char* name;
        void (*command)(NetworkState&, Window&);
        std::vector<ShownText> texts;
        FaultKind kind;
        Quantity quantity;
    } cases[] = {
        {"RoZero", kS, {{"Text9", "0"}}, DivisionByZero, GammaIn},
        {"RoNegative", kS, {{"Text9", "-1"}}, InvalidOperation, A1},
        {"S22One", kS, {{"Text7", "1"}, {"Text8", "0"}}, DivisionByZero, A2OverA1},
        {"LoadMinusRo", kS, {{"Text12", "-50"}, {"Text13", "0"}}, DivisionByZero, GammaL},
        {"EZero", kS, {{"Text14", "0"}}, DivisionByZero, ZoutPerZl},
        {"HugeSourceImpedance", kS, {{"Text10", "1.7e308"}}, Overflow, V1},
        {"RoZeroByZ", kZ, {{"Text9", "0"}}, DivisionByZero, I1ByZ},
        {"ShortLoadZ", kZ, {{"Text12", "0"}, {"Text13", "0"}}, DivisionByZero, I2ByZ},
        {"ShortLoadZY", kZY, {{"Text12", "0"}, {"Text13", "0"}}, DivisionByZero, I2ByZ},
        {"HugeLoadByZ", kZ, {{"Text12", "1e308"}}, Overflow, ZiByZ},
        {"ZeroDz", kZY, {{"Text1", "1"}, {"Text2", "0"}, {"Text5", "0"}}, DivisionByZero, Z11},
        {"HugeS12", kZY, {{"Text5", "1.7e308"}}, Overflow, S12S21},
        {"VanishingD", kYS, {{"Text1", "-0.02"}}, DivisionByZero, S11},
        {"HugePhase", kS, {{"Text6", "1e308"}}, Overflow, S12Phase},
        {"HugeAdmittance", kYS, {{"Text2", "1e300"}, {"Text9", "1e10"}}, Overflow, Y11Im},
        {"HugeY", kYS, {{"Text1", "1e200"}, {"Text7", "1e200"}}, Overflow, Y11Y22},
    };
    for (const auto& c : cases) {
        NetworkState state;
        FakeWindow window =
            c.command == kYS ? testing::windowWith(testing::kY11Only) : testing::windowWith();
        for (const auto& [control, text] : c.texts) {
            window.texts[control] = text;
        }
        window.writes = 0;
        try {
            c.command(state, window);
            ADD_FAILURE() << c.name;
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(std::pair(fault.kind(), fault.quantity()),
                      std::pair(c.kind, std::optional(c.quantity)))
                << c.name;
        }
        EXPECT_EQ(std::pair(window.writes, window.equivalent.get()),
                  std::pair(0, (FakeWindow*)nullptr))
            << c.name;
    }
}

// The first operand of a step is stored before the second is formed: Zi + Ro overflowing leaves
// Zi − Ro in the work operands.
TEST(Commands, StoreTheFirstOperandBeforeTheSecondIsFormed) {
    NetworkState state;
    FakeWindow form1 = testing::windowWith();
    form1.texts["Text9"] = "1.7e308";
    EXPECT_THROW(form1::Command1_Click(state, form1), FloatingPointFault);
    EXPECT_EQ(double(state.workARe), double(state.ziRe) - double(state.ro));
    EXPECT_EQ(double(state.workAIm), double(state.ziIm));
}

}  // namespace
}  // namespace quadripolo

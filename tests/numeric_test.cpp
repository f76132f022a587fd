// SPDX-License-Identifier: MIT
// The numeric core and the commands, on fake windows: complex steps, squares, field reading, the
// display form, S to z and y, the terminated two-port solved from S, and what the commands show.
#include <gtest/gtest.h>

#include <bit>
#include <clocale>

#include "analyses/commands.h"
#include "analyses/terminated_solution.h"
#include "core/complex_arithmetic.h"
#include "core/numeric_text.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"
#include "support/fake_window.h"

namespace quadripolo {
namespace {

using test_support::FakeWindow;
using test_support::ShownText;

// (p, q) · or / (r, s): re is stored before im is formed, so a fault in im leaves re stored.
// r² + s² is not rescaled: 1e200 overflows although the quotient 1 would fit, and a divisor
// that underflows divides by zero.
TEST(ComplexRoutines, FormAsWrittenAndFaultAtTheStep) {
    const struct {
        const char* name;
        bool divide;
        double p, q, r, s, re, im;
        std::optional<FaultKind> fault;
    } cases[] = {
        {"j times j", false, 0, 1, 0, 1, -1, 0, {}},
        {"times the conjugate", false, 3, 4, 3, -4, 25, 0, {}},
        {"1 over j", true, 1, 0, 0, 1, 0, -1, {}},
        {"25 over 3 + 4j", true, 25, 0, 3, 4, 3, -4, {}},
        {"over zero", true, 1, 0, 0, 0, -7, -7, FaultKind::DivisionByZero},
        {"divisor squared overflows", true, 1e200, 0, 1e200, 0, -7, -7, FaultKind::Overflow},
        {"divisor squared underflows", true, 1e-200, 0, 1e-200, 0, -7, -7,
         FaultKind::DivisionByZero},
        {"imaginary part overflows", true, 1, 1e300, 1e10, 0, 1e-10, -7, FaultKind::Overflow}};
    for (const auto& c : cases) {
        CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s, re = -7, im = -7;
        std::optional<FaultKind> fault;
        try {
            (c.divide ? complexDivide : complexMultiply)(p, q, r, s, re, im);
        } catch (const FloatingPointFault& raised) {
            fault = raised.kind();
        }
        EXPECT_EQ(fault, c.fault) << c.name;
        EXPECT_EQ(double(re), c.re) << c.name;
        EXPECT_EQ(double(im), c.im) << c.name;
    }
}

// The exact square of 1.1019384605399423 lies 0.49984 ulp above 0x1.36da4abd3a101p+0. glibc's
// power function rounds it up (within its 0.52 ulp bound), so there it and x·x differ in the last
// bit and squares are the power function's. MinGW-w64's gives the nearest double, as x·x does.
#ifdef __GLIBC__
constexpr double kPowerFunctionSquare = 0x1.36da4abd3a102p+0;
#else
constexpr double kPowerFunctionSquare = 0x1.36da4abd3a101p+0;
#endif

TEST(ComplexRoutines, SquareByThePowerFunction) {
    EXPECT_EQ(double(square(1.1019384605399423)), kPowerFunctionSquare);
#ifdef __GLIBC__
    EXPECT_NE(1.1019384605399423 * 1.1019384605399423, kPowerFunctionSquare);
#endif
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPi15), 0x400921FB54442D11U);
    EXPECT_EQ(double(squareRoot(0.0)), 0.0);
}

// Each field, in reading order, empty and then with a bad character, after the fields before it
// have passed and with the last one empty too: exactly its own message, and nothing stored.
TEST(FieldReading, GivesEachFieldsMessagesInReadingOrder) {
    const auto check = [](std::span<const test_support::FieldMessages> messages,
                          std::span<const InputField> fields) {
        for (const test_support::FieldMessages& field : messages) {
            for (const char* text : {"", "5O"}) {
                FakeWindow window = test_support::windowWith();
                window.texts["Text9"] = "50";
                window.texts[std::string(fields.back().control)] = "";
                window.texts[field.field] = text;
                NetworkState state;
                const std::string row = std::string(field.field) + " holding \"" + text + '"';
                EXPECT_FALSE(readFields(state, window, fields)) << row;
                ASSERT_EQ(window.messages.size(), 1U) << row;
                EXPECT_EQ(window.messages.front(), *text ? field.bad() : field.missing()) << row;
                EXPECT_EQ(double(state.s11Mag), 0.0) << row;
                EXPECT_EQ(double(state.y11Re), 0.0) << row;
                EXPECT_EQ(double(state.ro), 0.0) << row;
            }
        }
    };
    check(test_support::kMainWindowMessages, kMainWindowFields);
    check(test_support::kYWindowMessages, kYWindowFields);
}

// Which characters occur decides, never their order; a value beyond the doubles is refused.
TEST(FieldReading, ConvertsTheLongestDecimalPrefixWhateverTheLocale) {
    std::setlocale(LC_ALL, "it_IT.UTF-8");  // a comma locale where it is generated
    const std::string zeros(400, '0');
    // From "1e-400" on: below the doubles by the exponent (either letter), a subnormal, below
    // them by the leading zeros, an exponent beyond int64, many digits that round up to 1.
    // clang-format off
    const std::pair<std::string, double> accepted[] = {
        {"1.2.3", 1.2}, {"1-2", 1}, {"1e2e3", 100}, {"-", 0}, {".", 0}, {"+-5", 0}, {"1e", 1},
        {"1e-", 1}, {"1E-5", 0.00001}, {"5E3", 5000}, {".5", 0.5}, {"5.", 5}, {"-.5E1", -5},
        {"+7", 7}, {"1e-400", 0}, {"1E-400", 0}, {"1e-320", 1e-320},
        {"-1." + zeros + "1e-330", -0.0}, {"0." + zeros + "1e50", 0},
        {"1e-" + std::string(30, '9'), 0},
        {"0." + std::string(400, '9'), 1}};
    // clang-format on
    for (const auto& [text, value] : accepted) {
        NetworkState state;
        FakeWindow window;
        checkNumericText(state, window, text);
        EXPECT_EQ(state.inputError, 0) << text;
        EXPECT_EQ(convertNumericText(text), std::optional(value)) << text;
    }
    // Refused by a character, or beyond the doubles: by the exponent, by the digits before the
    // point with or without an exponent.
    const std::string refused[] = {" 50",
                                   "0,5",
                                   "5O",
                                   "1\t",
                                   "1e400",
                                   "-0.01e+311",
                                   "1000e306",
                                   "1" + zeros + "e-50",
                                   "1e+" + std::string(30, '9'),
                                   std::string(400, '9'),
                                   "-" + std::string(400, '9') + ".5"};
    for (const std::string& text : refused) {
        NetworkState state;
        FakeWindow window;
        state.badValueMessage = "bad";
        checkNumericText(state, window, text);
        EXPECT_EQ(state.inputError, 1) << text;
        EXPECT_EQ(window.messages, std::vector<std::string>{"bad"}) << text;
    }
    std::setlocale(LC_ALL, "C");
}

// 400 nines typed into a field, without an exponent, get that field's bad-value message.
TEST(FieldReading, RefusesAHugeNumberWithoutAnExponent) {
    FakeWindow window = test_support::windowWith();
    window.texts["Text9"] = std::string(400, '9');
    NetworkState state;
    EXPECT_FALSE(readFields(state, window, kMainWindowFields));
    EXPECT_EQ(window.messages, std::vector<std::string>{
                                   "Errore di inserimento dati per il valore di Ro=Zo impedenza "
                                   "di riferimento. Puoi scrivere soltanto numeri razionali con "
                                   "il punto come separatore decimale, anche in forma "
                                   "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"});
}

// Halves round away from zero on the shortest decimal (1.0005 and 9.9995 lie below their halves
// as doubles); subnormals round from their exact value. showResult writes the text, reads it back
// and forces the point at the separator's character, whatever the separator's length; both writes
// carry the value's shortest decimal.
TEST(Display, FormatsEveryValueAsTheNumberPattern) {
    const struct {
        double value;
        const char* text;
        const char* formedFrom;
    } cases[] = {// clang-format off
        {0, "00.00E+00", "0"}, {0.06, "60.00E-03", "0.06"}, {-146.3, "-14.63E+01", "-146.3"},
        {19.995, "20.00E+00", "19.995"}, {1e10, "10.00E+09", "1e+10"},
        {-1e11, "-10.00E+10", "-1e+11"}, {1E-100, "10.00E-101", "1e-100"},
        {-0.0, "00.00E+00", "-0"}, {1.0005, "10.01E-01", "1.0005"},
        {10.125, "10.13E+00", "10.125"}, {9.9995, "10.00E+00", "9.9995"},
        {0.00012345, "12.35E-05", "0.00012345"},
        {1.7976931348623157e308, "17.98E+307", "1.7976931348623157e+308"},
        {2.2250738585072014e-308, "22.25E-309", "2.2250738585072014e-308"},
        {-4.9406564584124654e-323, "-49.41E-324", "-5e-323"},
        {4.9406564584124654e-324, "49.41E-325", "5e-324"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(c.value, "."), c.text) << c.formedFrom;
        NetworkState state;
        FakeWindow window;
        window.separator = "\u066B";
        showResult(state, window, "Label36", c.value);
        EXPECT_EQ(window.text("Label36"), c.text) << c.formedFrom;
        EXPECT_EQ(window.formedFrom["Label36"], c.formedFrom);
        EXPECT_EQ(window.writes, 2) << c.formedFrom;
        EXPECT_EQ(state.separatorPosition, c.value < 0 ? 4 : 3) << c.formedFrom;
    }
}

NetworkState solvedDefaults() {
    NetworkState state;
    FakeWindow window = test_support::windowWith();
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
    for (const test_support::StatedValue& stated : test_support::kSToZYValues) {
        EXPECT_LE(ulps(state.*stated.re, stated.expectedRe), 1) << stated.name;
        EXPECT_LE(ulps(state.*stated.im, stated.expectedIm), 1) << stated.name;
    }
    for (const test_support::StatedValue& stated : test_support::kSolutionValues) {
        EXPECT_PRED3(agree, state.*stated.re, stated.expectedRe, 5e-6) << stated.name;
        EXPECT_PRED3(agree, state.*stated.im, stated.expectedIm, 5e-6) << stated.name;
    }
}

void expectShown(const FakeWindow& window, std::span<const ShownText> shown) {
    for (const auto& [control, text] : shown) {
        EXPECT_EQ(window.text(control), text) << control;
    }
}

// With the default inputs every command shows the stated values in its boxes, and each box's
// full value is the field it shows.
TEST(Commands, ShowTheStatedValues) {
    NetworkState state;
    FakeWindow form1 = test_support::windowWith();
    form1::Command1_Click(state, form1);
    expectShown(form1, test_support::kSAnalysisShown);
    EXPECT_EQ(form1.formedFrom["Label36"], "12.071925996368467");
    form1::Command2_Click(state, form1);
    expectShown(form1, test_support::kZAnalysisShown);
    EXPECT_EQ(form1.formedFrom["Label41"], "12.07192599636847");
    form1::Command3_Click(state, form1);
    FakeWindow& form2 = *form1.equivalent;
    expectShown(form2, test_support::kEquivalentShown);
    EXPECT_EQ(form2.formedFrom["Label1"], "8.719363916119423");
    form2::Command2_Click(state, form2);
    expectShown(form2, test_support::kCopiedY);
    form2::Command1_Click(state, form2);
    expectShown(form2, test_support::kSOfCopiedY);
}

// A short-circuit load still shows the two-port's output impedance, z22 − z12·z21/(Ze + z11);
// any other load, even a real one, keeps the formula through V2.
TEST(Commands, ShowZoutForAShortCircuitLoad) {
    NetworkState state;
    FakeWindow form1 = test_support::windowWith();
    form1.texts["Text12"] = form1.texts["Text13"] = "0";
    form1::Command1_Click(state, form1);
    EXPECT_EQ(form1.text("Label69"), "62.42E+00");
    EXPECT_EQ(form1.text("Label70"), "-13.20E+01");
    form1.texts["Text12"] = "100";  // a real load keeps Zout = ZL·(V2open − V2)/V2
    form1::Command1_Click(state, form1);
    EXPECT_EQ(double(state.zoutRe), double(state.zoutPerZlRe) * 100.0);
}

// Typed y with Ro; the copy then takes the normalised y, each typed y times Ro.
TEST(Commands, ConvertTypedY) {
    const struct {
        const char* ro;
        std::span<const ShownText> shown;
        const char* copiedY11;
    } cases[] = {
        {"50", test_support::kSOfY11Only, "20.00E-01"},
        {"0", test_support::kSOfY11OnlyRo0, "00.00E+00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("Ro ") + c.ro);
        NetworkState state;
        FakeWindow form2 = test_support::windowWith(test_support::kY11Only);
        form2.texts["Text9"] = c.ro;
        form2::Command1_Click(state, form2);
        expectShown(form2, c.shown);
        form2::Command2_Click(state, form2);
        EXPECT_EQ(form2.text("Text1"), c.copiedY11);
    }
}

}  // namespace
}  // namespace quadripolo

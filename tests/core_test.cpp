// The numeric core: complex steps, squares, field reading, the display form, S to z and y.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <limits>

#include "complex_arithmetic.h"
#include "numeric_text.h"
#include "result_display.h"
#include "s_to_zy.h"
#include "support/defaults.h"

namespace quadripolo {
namespace {

using testing::defaultInputs;
using testing::FakeWindow;

// Distance in units in the last place between two doubles of the same sign.
std::int64_t ulps(double a, double b) {
    return std::abs(std::bit_cast<std::int64_t>(a) - std::bit_cast<std::int64_t>(b));
}

TEST(ComplexRoutines, StatedCases) {
    CheckedDouble p = 0, q = 1, r = 0, s = 1, re, im;
    complexMultiply(p, q, r, s, re, im);
    EXPECT_EQ(std::pair(double(re), double(im)), std::pair(-1.0, 0.0));
    p = 3, q = 4, r = 3, s = -4;
    complexMultiply(p, q, r, s, re, im);
    EXPECT_EQ(std::pair(double(re), double(im)), std::pair(25.0, 0.0));
    p = 1, q = 0, r = 0, s = 1;
    complexDivide(p, q, r, s, re, im);
    EXPECT_EQ(std::pair(double(re), double(im)), std::pair(0.0, -1.0));
    p = 25, q = 0, r = 3, s = 4;
    complexDivide(p, q, r, s, re, im);
    EXPECT_EQ(std::pair(double(re), double(im)), std::pair(3.0, -4.0));
}

// re is stored before im is formed: a fault in im leaves re stored. r² + s² is not rescaled,
// so 1e200 overflows although the quotient 1 would fit; a divisor that underflows divides by 0.
TEST(ComplexRoutines, FaultAtTheStepKeepingWhatWasStored) {
    const struct {
        double p, q, r, s;
        FaultKind kind;
        double storedRe;
    } cases[] = {{1, 0, 0, 0, FaultKind::DivisionByZero, -7},
                 {1e200, 0, 1e200, 0, FaultKind::Overflow, -7},
                 {1e-200, 0, 1e-200, 0, FaultKind::DivisionByZero, -7},
                 {1, 1e300, 1e10, 0, FaultKind::Overflow, 1e-10}};
    for (const auto& c : cases) {
        CheckedDouble p = c.p, q = c.q, r = c.r, s = c.s, re = -7, im = -7;
        try {
            complexDivide(p, q, r, s, re, im);
            ADD_FAILURE() << c.p;
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.p;
        }
        EXPECT_EQ(double(re), c.storedRe) << c.p;
        EXPECT_EQ(double(im), -7.0) << c.p;
    }
}

// The power function and x·x differ in the last bit for this value; every square is the power
// function's, in the built program too.
TEST(Squares, AreThePowerFunctions) {
    EXPECT_EQ(double(square(1.1019384605399423)), 0x1.36da4abd3a102p+0);
    EXPECT_NE(1.1019384605399423 * 1.1019384605399423, 0x1.36da4abd3a102p+0);
}

TEST(Phases, ConvertWithTheFifteenDigitConstant) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPi15), 0x400921FB54442D11U);
    EXPECT_EQ(double(degreesToRadians(-146.3)), -2.553416695667702);
}

TEST(FieldReading, StoresTheDefaultsBitForBit) {
    const NetworkState state = defaultInputs();
    const double stored[] = {state.s11Mag, state.s11Phase, state.s12Mag, state.s12Phase,
                             state.s21Mag, state.s21Phase, state.s22Mag, state.s22Phase,
                             state.zeRe,   state.zeIm,     state.zlRe,   state.zlIm,
                             state.ro,     state.eRms};
    const double expected[] = {0.06, -2.553416695667702,
                               0.06, 1.2339477811599897,
                               6.02, 1.4660765716752353,
                               0.57, -0.3351032163829109,
                               10,   20,
                               100,  200,
                               50,   1};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(stored[i], expected[i]) << i;
    }
}

// Each field, in reading order, empty and then with a bad character, after the fields before it
// have passed and with the last field empty too: exactly its own message, and nothing stored.
TEST(FieldReading, GivesEachFieldsMessagesInReadingOrder) {
    const auto check = [](std::span<const testing::FieldMessages> messages,
                          std::span<const InputField> fields, const char* goodText) {
        for (const testing::FieldMessages& field : messages) {
            for (const char* text : {"", "5O"}) {
                FakeWindow window = testing::mainWindowWithDefaults();
                for (const InputField& other : fields) {
                    window.texts[std::string(other.control)] =
                        goodText ? goodText : window.text(other.control);
                }
                window.texts[std::string(fields.back().control)] = "";
                window.texts[field.field] = text;
                NetworkState state;
                EXPECT_FALSE(readFields(state, window, fields));
                EXPECT_EQ(window.messages,
                          std::vector<std::string>{*text ? field.bad : field.missing});
                EXPECT_EQ(double(state.s11Mag) + double(state.y11Re) + double(state.ro), 0.0);
            }
        }
    };
    check(testing::kMainWindowMessages, kMainWindowFields, nullptr);
    check(testing::kYWindowMessages, kYWindowFields, "1");
}

// Which characters occur decides, never their order: " 50", "0,5", "5O" and a tab are refused.
TEST(FieldReading, ConvertsTheLongestDecimalPrefix) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"1.2.3", 1.2},
                 {"1-2", 1},
                 {"1+2", 1},
                 {"1e2e3", 100},
                 {"-", 0},
                 {"+", 0},
                 {".", 0},
                 {"e", 0},
                 {"E", 0},
                 {"+-5", 0},
                 {"--5", 0},
                 {"1e", 1},
                 {"1E+", 1},
                 {"1e-", 1},
                 {"1E-5", 0.00001},
                 {"5E3", 5000},
                 {".5", 0.5},
                 {"5.", 5},
                 {"-.5E1", -5},
                 {"+7", 7},
                 {"1e-400", 0},
                 {"1e-320", 1e-320},
                 {"0.000001e-303", 1e-309}};
    for (const auto& c : cases) {
        EXPECT_EQ(convertNumericText(c.text), c.value) << c.text;
        NetworkState state;
        FakeWindow window;
        checkNumericText(state, window, c.text);
        EXPECT_EQ(state.inputError, 0) << c.text;
    }
    for (const char* refused : {" 50", "0,5", "5O", "1\t", "1e400", "-1e309", "1000e306"}) {
        NetworkState state;
        FakeWindow window;
        state.badValueMessage = "bad";
        checkNumericText(state, window, refused);
        EXPECT_EQ(state.inputError, 1) << refused;
        EXPECT_EQ(window.messages, std::vector<std::string>{"bad"}) << refused;
    }
}

// An Italian C locale, whose separator is a comma, changes no conversion.
TEST(FieldReading, IgnoresTheLocale) {
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) {
        GTEST_SKIP() << "it_IT.UTF-8 is not generated";
    }
    EXPECT_EQ(convertNumericText("1.5"), 1.5);
    EXPECT_EQ(formatResult(1.5, "."), "15.00E-01");
    std::setlocale(LC_ALL, "C");
}

// A phase or an admittance that overflows on reading names its field; what was read before it
// stays stored.
TEST(FieldReading, FaultsWhereAStoredValueOverflows) {
    FakeWindow window = testing::mainWindowWithDefaults();
    window.texts["Text6"] = "1e308";
    NetworkState state;
    try {
        readFields(state, window, kMainWindowFields);
        ADD_FAILURE();
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.quantity(), Quantity::S12Phase);
        EXPECT_EQ(double(state.s12Mag), 0.06);
        EXPECT_EQ(double(state.s21Mag), 0.0);
    }
    FakeWindow form2;
    for (const InputField& field : kYWindowFields) {
        form2.texts[std::string(field.control)] = "0";
    }
    form2.texts["Text2"] = "1e300";
    form2.texts["Text9"] = "1e10";
    try {
        readFields(state, form2, kYWindowFields);
        ADD_FAILURE();
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.quantity(), Quantity::Y11Im);
        EXPECT_EQ(double(state.ro), 1e10);
    }
}

TEST(Display, FormatsEveryValueAsTheNumberPattern) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "00.00E+00"},
        {0.06, "60.00E-03"},
        {-146.3, "-14.63E+01"},
        {1, "10.00E-01"},
        {12.34, "12.34E+00"},
        {50, "50.00E+00"},
        {100, "10.00E+01"},
        {1234, "12.34E+02"},
        {0.5, "50.00E-02"},
        {-0.5, "-50.00E-02"},
        {1E-100, "10.00E-101"},
        {99.999, "10.00E+01"},
        {-0.0, "00.00E+00"},
        {1.0005, "10.01E-01"},
        {10.125, "10.13E+00"},
        {1.7976931348623157e308, "17.98E+307"},
        {2.2250738585072014e-308, "22.25E-309"},
        {-4.9406564584124654e-323, "-49.41E-324"},
        {4.9406564584124654e-324, "49.41E-325"},
        {9.9995, "10.00E+00"},
        {0.00012345, "12.35E-05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(c.value, "."), c.text) << c.value;
        std::string comma = c.text;
        comma[comma[0] == '-' ? 3 : 2] = ',';
        EXPECT_EQ(formatResult(c.value, ","), comma) << c.value;
    }
}

// The shown text is written, read back and mended at the separator's character, whatever the
// separator's length in bytes.
TEST(Display, ShowResultForcesThePoint) {
    for (const char* separator : {",", ".", "\u066B"}) {
        for (const double value : {-146.3, 0.06, 0.0}) {
            NetworkState state;
            FakeWindow window;
            window.separator = separator;
            showResult(state, window, "Label36", value);
            EXPECT_EQ(window.text("Label36"), formatResult(value, "."));
            EXPECT_EQ(window.writes, 2);
            EXPECT_EQ(state.separatorPosition, value < 0 ? 4 : 3);
            EXPECT_EQ(state.resultText, window.text("Label36"));
        }
    }
}

// The stated values carry 16-17 digits and are formed in the stated order, so they match bit
// for bit; one unit in the last place is allowed for the platform's cosine and sine.
TEST(SToZY, GivesTheStatedValues) {
    NetworkState state = defaultInputs();
    convertSToZY(state);
    for (const testing::StatedValue& stated : testing::kSToZYValues) {
        EXPECT_LE(ulps(state.*stated.re, stated.expectedRe), 1) << stated.name;
        EXPECT_LE(ulps(state.*stated.im, stated.expectedIm), 1) << stated.name;
    }
    using C = std::complex<double>;
    const C z11(state.z11Re, state.z11Im), z12(state.z12Re, state.z12Im);
    const C z21(state.z21Re, state.z21Im), z22(state.z22Re, state.z22Im);
    const C det = z11 * z22 - z12 * z21;
    EXPECT_EQ(formatResult(state.y12Im, "."), formatResult((-z12 / det).imag(), "."));
    EXPECT_EQ(formatResult(state.y21Re, "."), formatResult((-z21 / det).real(), "."));
}

TEST(SToZY, AMatchedTwoPortGivesRoAndItsInverse) {
    NetworkState state = defaultInputs();
    state.s11Mag = state.s12Mag = state.s21Mag = state.s22Mag = 0.0;
    convertSToZY(state);
    EXPECT_EQ(std::pair(double(state.z11Re), double(state.z22Re)), std::pair(50.0, 50.0));
    EXPECT_EQ(std::pair(double(state.z12Re), double(state.z21Im)), std::pair(0.0, 0.0));
    EXPECT_EQ(std::pair(double(state.y11Re), double(state.y22Re)), std::pair(0.02, 0.02));
    EXPECT_EQ(double(state.y12Re), 0.0);
}

}  // namespace
}  // namespace quadripolo

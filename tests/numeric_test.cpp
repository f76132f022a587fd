// SPDX-License-Identifier: MIT
// The numeric core where the conformance vectors do not reach: the reading order, values beyond
// the doubles and the display form's roundings.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "core/field_reading.h"
#include "core/numeric_text.h"
#include "core/result_display.h"
#include "support/fake_window.h"

namespace quadripolo {
namespace {

using test_support::FakeWindow;
using test_support::ShownText;

// Only the first failing field in reading order is reported: S12 is read before S21, y21 before
// Ro. A value beyond the doubles is refused like a character that no number has.
TEST(FieldReading, ReportsTheFirstFailingFieldOnly) {
    const struct {
        std::vector<ShownText> texts;  // changed from the window's defaults
        std::span<const InputField> fields;
        const char* message;
    } cases[] = {
        {{{"Text5", ""}, {"Text3", ""}},
         kMainWindowFields,
         "Hai dimenticato di scrivere il valore del modulo di S12"},
        {{{"Text4", ""}, {"Text9", ""}},
         kYWindowFields,
         "Hai dimenticato di scrivere il valore della della parte immaginaria di y21"},
        {{{"Text9", "1e400"}, {"Text14", ""}},
         kMainWindowFields,
         "Errore di inserimento dati per il valore di Ro=Zo impedenza di riferimento. Puoi "
         "scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
         "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3"},
    };
    for (const auto& c : cases) {
        FakeWindow window = c.fields.size() == std::size(kYWindowFields)
                                ? test_support::yWindowWith(c.texts)
                                : test_support::windowWith(c.texts);
        NetworkState state;
        EXPECT_FALSE(readFields(state, window, c.fields));
        EXPECT_EQ(window.messages, std::vector<std::string>{c.message});
    }
}

// The point is the separator whatever the locale. Beyond the examples that every user may type
// (the conformance vectors hold them): values below the smallest double, which give 0 or a
// subnormal, and values beyond the largest, which are refused, by the exponent or by the digits.
TEST(FieldReading, ConvertsTheLongestDecimalPrefixWhateverTheLocale) {
    // A comma locale, by its POSIX name or its Windows name.
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "Italian_Italy.1252") == nullptr) {
        GTEST_SKIP() << "no Italian locale here: the test would read with a point";
    }
    const std::string zeros(400, '0');
    // Below the doubles by the exponent (either letter), a subnormal, below them by the leading
    // zeros, an exponent beyond int64, many digits that round up to 1.
    // clang-format off
    const std::pair<std::string, double> accepted[] = {
        {"1.5", 1.5}, {"+7", 7}, {"1e-400", 0}, {"1E-400", 0}, {"1e-320", 1e-320},
        {"-1." + zeros + "1e-330", -0.0}, {"0." + zeros + "1e50", 0},
        {"1e-" + std::string(30, '9'), 0}, {"0." + std::string(400, '9'), 1}};
    // clang-format on
    for (const auto& [text, value] : accepted) {
        EXPECT_TRUE(holdsOnlyNumericCharacters(text)) << text;
        EXPECT_EQ(convertNumericText(text), std::optional(value)) << text;
    }
    // Beyond the doubles: by the exponent, by the digits before the point with an exponent or
    // without one, by an exponent beyond the leading zeros, by an exponent beyond int64.
    // clang-format off
    const std::string refused[] = {"1e400", "-0.01e+311", "1000e306", "1" + zeros + "e-50",
        std::string(400, '9'), "0." + zeros + "1e+800", "1e+" + std::string(30, '9')};
    // clang-format on
    for (const std::string& text : refused) {
        EXPECT_EQ(convertNumericText(text), std::nullopt) << text;
    }
    std::setlocale(LC_ALL, "C");
}

// Halves round away from zero on the shortest decimal (1.0005 and 9.9995 lie below their halves
// as doubles, 10.125 is one); the largest double has a three-digit exponent (the conformance
// vectors hold ordinary values, zeros of either sign and subnormals). showResult writes the text,
// reads it back and forces the point at the separator's character, whatever the separator's length;
// both writes carry the value's shortest decimal. A value that is not finite, which no field holds,
// is named.
TEST(Display, FormatsEveryValueAsTheNumberPattern) {
    const struct {
        double value;
        const char* text;
        const char* formedFrom;
    } cases[] = {// clang-format off
        {1.0005, "10.01E-01", "1.0005"}, {10.125, "10.13E+00", "10.125"},
        {-9.9995, "-10.00E+00", "-9.9995"},
        {1.7976931348623157e308, "17.98E+307", "1.7976931348623157e+308"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(c.value, "."), c.text) << c.formedFrom;
        NetworkState state;
        FakeWindow window("\u066B");
        showResult(state, window, "Label36", c.value);
        EXPECT_EQ(window.text("Label36"), c.text) << c.formedFrom;
        EXPECT_EQ(window.formedFrom["Label36"], c.formedFrom);
    }
    EXPECT_EQ(formatResult(std::numeric_limits<double>::infinity(), "."), "inf");
    EXPECT_EQ(formatResult(-std::numeric_limits<double>::infinity(), "."), "-inf");
    EXPECT_EQ(formatResult(std::numeric_limits<double>::quiet_NaN(), "."), "NaN");
}

}  // namespace
}  // namespace quadripolo

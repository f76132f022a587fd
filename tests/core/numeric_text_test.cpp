#include "numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

namespace quadripolo {
namespace {

struct ConversionCase {
    std::string text;
    std::optional<double> value;

    friend void PrintTo(const ConversionCase& c, std::ostream* out) {
        *out << '"' << c.text.substr(0, 40) << (c.text.size() > 40 ? "...\"" : "\"");
    }
};

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

// Every value is the nearest double of a short decimal, so the comparison is exact.
TEST_P(ConversionTest, TakesTheLongestDecimalPrefix) {
    const auto converted = convertNumericText(GetParam().text);
    ASSERT_EQ(converted.has_value(), GetParam().value.has_value()) << GetParam().text;
    if (converted) {
        EXPECT_EQ(*converted, *GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConversionTest,
    ::testing::Values(
        ConversionCase{"0.06", 0.06}, ConversionCase{"-146.3", -146.3},
        ConversionCase{"1.2.3", 1.2}, ConversionCase{"1-2", 1.0}, ConversionCase{"1+2", 1.0},
        ConversionCase{"1e2e3", 100.0}, ConversionCase{"-", 0.0}, ConversionCase{"+", 0.0},
        ConversionCase{".", 0.0}, ConversionCase{"e", 0.0}, ConversionCase{"E", 0.0},
        ConversionCase{"+-5", 0.0}, ConversionCase{"--5", 0.0}, ConversionCase{"..", 0.0},
        ConversionCase{"e5", 0.0}, ConversionCase{"1e", 1.0}, ConversionCase{"1E+", 1.0},
        ConversionCase{"1e-", 1.0}, ConversionCase{"1E-5", 0.00001}, ConversionCase{"5E3", 5000.0},
        ConversionCase{".5", 0.5}, ConversionCase{"5.", 5.0}, ConversionCase{"-.5E1", -5.0},
        ConversionCase{"+5", 5.0}, ConversionCase{"007.50", 7.5}, ConversionCase{"1e+2", 100.0},
        // Beyond the range of a double: nothing; below the smallest subnormal: zero.
        ConversionCase{"1e400", std::nullopt}, ConversionCase{"-1e400", std::nullopt},
        ConversionCase{"1e99999999999999999999", std::nullopt},
        ConversionCase{"1.7976931348623159e308", std::nullopt},
        ConversionCase{"1.7976931348623157e308", 1.7976931348623157e308},
        ConversionCase{"1e-400", 0.0}, ConversionCase{"0e99999", 0.0},
        ConversionCase{"4.9e-324", 4.9e-324}, ConversionCase{"1e-99999999999999999999", 0.0},
        ConversionCase{std::string(400, '9'), std::nullopt},
        ConversionCase{"0." + std::string(400, '0') + "1", 0.0},
        // Longer than a 16-bit counter reaches.
        ConversionCase{std::string(40000, '0') + "1.5", 1.5},
        ConversionCase{"1" + std::string(40000, '0'), std::nullopt}));

TEST(NegativeZero, KeepsItsSign) {
    EXPECT_TRUE(std::signbit(*convertNumericText("-0")));
    EXPECT_FALSE(std::signbit(*convertNumericText("-")));
}

TEST(AllowedCharacters, AreTheDigitsAndFiveSigns) {
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const bool expected = (ch >= '0' && ch <= '9') || ch == 'e' || ch == 'E' || ch == '.' ||
                              ch == '-' || ch == '+';
        EXPECT_EQ(isAllowedNumericCharacter(ch), expected) << c;
    }
    EXPECT_TRUE(holdsOnlyNumericCharacters("+-e.E0123456789"));
    EXPECT_FALSE(holdsOnlyNumericCharacters("0,5"));
    EXPECT_FALSE(holdsOnlyNumericCharacters(" 50"));
    EXPECT_FALSE(holdsOnlyNumericCharacters("5O"));
    EXPECT_FALSE(holdsOnlyNumericCharacters("5\t"));
    EXPECT_FALSE(holdsOnlyNumericCharacters("5\xC2\xB0"));  // a degree sign
}

// A comma locale must not change the reading: the point stays the separator.
TEST(Conversion, IgnoresAnItalianCLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* italian = nullptr;
    for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            italian = name;
            break;
        }
    }
    if (italian == nullptr) {
        GTEST_SKIP() << "no Italian locale is generated on this machine";
    }
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    EXPECT_EQ(*convertNumericText("1.5"), 1.5);
    EXPECT_EQ(*convertNumericText("-.5E1"), -5.0);
    EXPECT_EQ(*convertNumericText("1,5"), 1.0);
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace quadripolo

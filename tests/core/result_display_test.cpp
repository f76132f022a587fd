#include "result_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "network_state.h"
#include "numeric_text.h"

namespace quadripolo {
namespace {

struct DisplayCase {
    double value;
    const char* point;
    const char* comma;

    friend void PrintTo(const DisplayCase& c, std::ostream* out) { *out << c.point; }
};

class FormatResultTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(FormatResultTest, FollowsThePatternInBothSeparators) {
    EXPECT_EQ(formatResult(GetParam().value, "."), GetParam().point);
    EXPECT_EQ(formatResult(GetParam().value, ","), GetParam().comma);
}

// The point-locale column is also what showResult writes in any locale.
class ShowResultTest : public ::testing::TestWithParam<DisplayCase> {};

// A target that records every text written into it.
class RecordingTarget : public TextTarget {
public:
    std::vector<std::string> written;
    std::string text() const override { return written.empty() ? "" : written.back(); }
    void setText(const std::string& text) override { written.push_back(text); }
};

TEST_P(ShowResultTest, ForcesThePointInEveryLocale) {
    for (const char* separator : {".", ",", "\xD9\xAB"}) {  // point, comma, Arabic separator
        NetworkState state;
        RecordingTarget target;
        state.showResult(target, GetParam().value, separator);
        ASSERT_EQ(target.written.size(), 2U);
        EXPECT_EQ(target.written[0], formatResult(GetParam().value, separator));
        EXPECT_EQ(target.written[1], GetParam().point) << "separator " << separator;
        EXPECT_EQ(state.resultText, GetParam().point);
        EXPECT_EQ(state.separatorPosition, GetParam().value < 0 ? 4 : 3);
    }
}

const DisplayCase kDisplayCases[] = {
    {0.0, "00.00E+00", "00,00E+00"},
    {0.06, "60.00E-03", "60,00E-03"},
    {-146.3, "-14.63E+01", "-14,63E+01"},
    {1.0, "10.00E-01", "10,00E-01"},
    {12.34, "12.34E+00", "12,34E+00"},
    {50.0, "50.00E+00", "50,00E+00"},
    {100.0, "10.00E+01", "10,00E+01"},
    {1234.0, "12.34E+02", "12,34E+02"},
    {0.5, "50.00E-02", "50,00E-02"},
    {-0.5, "-50.00E-02", "-50,00E-02"},
    {1E-100, "10.00E-101", "10,00E-101"},
    // The mantissa never reaches three integer digits.
    {99.999, "10.00E+01", "10,00E+01"},
    {99.995, "10.00E+01", "10,00E+01"},
    {-99.999, "-10.00E+01", "-10,00E+01"},
    {99.994, "99.99E+00", "99,99E+00"},
    {9.9999e100, "10.00E+100", "10,00E+100"},
    // Halves go away from zero, on the decimal a person would type: 12.345 is held as
    // 12.3449999999999997513 but shows 12.35; 10.125 is an exact binary half.
    {12.345, "12.35E+00", "12,35E+00"},
    {-12.345, "-12.35E+00", "-12,35E+00"},
    {10.125, "10.13E+00", "10,13E+00"},
    {-10.125, "-10.13E+00", "-10,13E+00"},
    {0.0012345, "12.35E-04", "12,35E-04"},
    // Negative zero reads as zero; the extremes of the doubles.
    {-0.0, "00.00E+00", "00,00E+00"},
    {1.7976931348623157e308, "17.98E+307", "17,98E+307"},
    {5e-324, "50.00E-325", "50,00E-325"},
    {1e-5, "10.00E-06", "10,00E-06"},
    {123456789.0, "12.35E+07", "12,35E+07"},
};

INSTANTIATE_TEST_SUITE_P(Values, FormatResultTest, ::testing::ValuesIn(kDisplayCases));
INSTANTIATE_TEST_SUITE_P(Values, ShowResultTest, ::testing::ValuesIn(kDisplayCases));

// A plain reference: the shortest decimal as text, rounded half away from zero by hand.
std::string referenceFormat(double value) {
    if (value == 0.0) {
        return "00.00E+00";
    }
    char buffer[40];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                              std::chars_format::scientific)
                    .ptr;
    const std::string shortest(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t mark = shortest.find('e');
    std::string digits;
    for (char c : shortest.substr(0, mark)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    digits.resize(std::max<std::size_t>(digits.size(), 5), '0');
    long long four = std::stoll(digits.substr(0, 4));
    int exponent = std::stoi(shortest.substr(mark + 1)) - 1;
    if (digits[4] >= '5') {
        ++four;
    }
    if (four == 10000) {
        four = 1000;
        ++exponent;
    }
    const std::string d = std::to_string(four);
    std::string text = (value < 0 ? "-" : "") + d.substr(0, 2) + "." + d.substr(2) + "E" +
                       (exponent < 0 ? "-" : "+");
    const std::string e = std::to_string(std::abs(exponent));
    return text + (e.size() < 2 ? "0" : "") + e;
}

// Values of every size, and the decimals that lie on a half and their neighbours.
TEST(FormatResult, AgreesWithTheShortestDecimalRoundedByHand) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(bits(random));
        if (!std::isfinite(value)) {
            continue;
        }
        ASSERT_EQ(formatResult(value, "."), referenceFormat(value)) << value;
        ++checked;
    }
    std::uniform_int_distribution<int> mantissa(10000, 99999);
    std::uniform_int_distribution<int> power(-320, 300);
    for (int i = 0; i < 100000; ++i) {
        const std::string text =
            std::to_string(mantissa(random) / 10 * 10 + 5) + "e" + std::to_string(power(random));
        double half = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), half);
        for (double value : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) {
            ASSERT_EQ(formatResult(value, "."), referenceFormat(value)) << text;
            ASSERT_EQ(formatResult(-value, "."), referenceFormat(-value)) << text;
        }
        checked += 6;
    }
    EXPECT_GT(checked, 700000);
}

TEST(FormatResult, RoundsTheDoubleJustBelowAHalfDown) {
    // One unit below the double of 12.345: its shortest decimal lies below the half.
    EXPECT_EQ(formatResult(std::nextafter(12.345, 0.0), "."), "12.34E+00");
}

TEST(FormatResult, TakesAMultiCharacterSeparatorAsOneCharacter) {
    EXPECT_EQ(formatResult(-0.06, "\xD9\xAB"),
              "-60\xD9\xAB"
              "00E-03");
}

TEST(ShowResult, WritesTextsThatReadBackAsTheRoundedValue) {
    for (double value : {0.06, -146.3, 12.34, 0.013868883515791734, -0.00016385600795431436,
                         734.2667184319146, 1e-100, -3.3e250, 5e-324, 0.955965}) {
        NetworkState state;
        RecordingTarget target;
        state.showResult(target, value, ",");
        const std::string& text = target.written.back();
        EXPECT_TRUE(holdsOnlyNumericCharacters(text)) << text;
        const double back = *convertNumericText(text);
        // Four significant digits: within half a unit of the fourth digit.
        EXPECT_LE(std::abs(back - value), 0.00051 * std::abs(value)) << text;
    }
}

TEST(ForceDecimalPoint, ReplacesOneCharacterAndKeepsTheLength) {
    std::string text = "12,34E+00";
    forceDecimalPoint(text, 3);
    EXPECT_EQ(text, "12.34E+00");
    std::string shortText = "1";
    forceDecimalPoint(shortText, 3);
    EXPECT_EQ(shortText, "1");
}

}  // namespace
}  // namespace quadripolo

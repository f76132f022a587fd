// SPDX-License-Identifier: MIT
#include "numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace quadripolo {

namespace {

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// The decimal order of an unsigned number's prefix, to tell a value too large for a double from one
// too small: that of its first significant digit plus its exponent.
std::int64_t decimalOrder(std::string_view text) noexcept {
    std::int64_t order = 0;
    std::size_t i = 0;
    bool significant = false;
    bool seenPoint = false;
    std::int64_t fractionDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && !significant) {
                significant = true;
                order = seenPoint ? -(fractionDigits + 1) : 0;
            } else if (significant && !seenPoint) {
                ++order;
            }
            fractionDigits += seenPoint ? 1 : 0;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (i + 1 >= text.size() || (text[i] != 'e' && text[i] != 'E')) {
        return order;
    }
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (text[j] == '+' || text[j] == '-') {
        negativeExponent = text[j] == '-';
        ++j;
    }
    // Saturated: only the exponent's size matters.
    constexpr std::int64_t kSaturation = std::numeric_limits<std::int32_t>::max();
    std::int64_t exponent = 0;
    for (; j < text.size() && isDigit(text[j]); ++j) {
        exponent = std::min(exponent * 10 + (text[j] - '0'), kSaturation);
    }
    return order + (negativeExponent ? -exponent : exponent);
}

}  // namespace

bool isAllowedNumericCharacter(char c) noexcept {
    return isDigit(c) || c == 'e' || c == '.' || c == 'E' || c == '-' || c == '+';
}

bool holdsOnlyNumericCharacters(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), isAllowedNumericCharacter);
}

std::optional<double> convertNumericText(std::string_view text) noexcept {
    std::size_t begin = 0;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        begin = 1;
    }
    // from_chars reads the longest decimal prefix itself and rounds to nearest whatever the C
    // locale says, but it takes no leading "+" and, after the sign, no second sign nor words
    // such as "inf": only a digit or a point may start the number here.
    if (begin == text.size() || !(isDigit(text[begin]) || text[begin] == '.')) {
        return 0.0;
    }
    double magnitude = 0.0;
    const auto error = std::from_chars(text.data() + begin, text.data() + text.size(), magnitude,
                                       std::chars_format::general)
                           .ec;
    if (error == std::errc::invalid_argument) {
        return 0.0;  // a point without a digit
    }
    // Out of range, from_chars leaves the magnitude 0: the nearest double of a value below the
    // smallest subnormal. A value beyond the largest double is refused.
    if (error == std::errc::result_out_of_range && decimalOrder(text.substr(begin)) >= 0) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace quadripolo

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

// Whether an unsigned decimal that from_chars read as out of range lies beyond the largest
// double rather than below the smallest: whether its first significant digit, moved by the
// exponent, stands before the point. Such a number is far from 1 either way.
bool liesBeyondTheDoubles(std::string_view number) noexcept {
    const std::size_t exponentMark = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponentMark);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto firstSignificant = static_cast<std::int64_t>(mantissa.find_first_not_of("0."));

    std::string_view exponentDigits =
        exponentMark < number.size() ? number.substr(exponentMark + 1) : std::string_view();
    if (exponentDigits.starts_with('+')) {
        exponentDigits.remove_prefix(1);
    }
    std::int64_t exponent = 0;
    if (std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(),
                        exponent)
            .ec == std::errc::result_out_of_range) {
        exponent = exponentDigits.starts_with('-') ? std::numeric_limits<std::int64_t>::min()
                                                   : std::numeric_limits<std::int64_t>::max();
    }
    return exponent > firstSignificant - point;
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
    const auto [end, error] = std::from_chars(text.data() + begin, text.data() + text.size(),
                                              magnitude, std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        return 0.0;  // a point without a digit
    }
    // Out of range, from_chars leaves the magnitude 0: the nearest double of a value below the
    // smallest subnormal. A value beyond the largest double is refused.
    if (error == std::errc::result_out_of_range &&
        liesBeyondTheDoubles(text.substr(begin, end - (text.data() + begin)))) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace quadripolo

#include "numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace quadripolo {

namespace {

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// Where the parts of the decimal prefix lie in the text.
struct DecimalPrefix {
    bool negative = false;
    std::size_t mantissaBegin = 0;  // first character after the sign
    std::size_t mantissaEnd = 0;    // one past the last digit or point of the mantissa
    std::size_t end = 0;            // one past the prefix, exponent included
    bool hasDigit = false;
    std::int64_t magnitudeOrder = 0;  // decimal order of the first significant digit, mantissa only
    bool allZero = true;
    std::int64_t exponent = 0;  // saturated, only its size matters
};

DecimalPrefix scanDecimalPrefix(std::string_view text) noexcept {
    DecimalPrefix prefix;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        prefix.negative = text[i] == '-';
        ++i;
    }
    prefix.mantissaBegin = i;
    bool seenPoint = false;
    std::int64_t integerDigits = 0;
    std::int64_t fractionDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            prefix.hasDigit = true;
            if (c != '0' && prefix.allZero) {
                prefix.allZero = false;
                prefix.magnitudeOrder = seenPoint ? -(fractionDigits + 1) : 0;
            } else if (!prefix.allZero && !seenPoint) {
                ++prefix.magnitudeOrder;
            }
            (seenPoint ? fractionDigits : integerDigits) += 1;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    prefix.mantissaEnd = i;
    prefix.end = i;
    if (!prefix.hasDigit || i >= text.size() || (text[i] != 'e' && text[i] != 'E')) {
        return prefix;
    }
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
        negativeExponent = text[j] == '-';
        ++j;
    }
    if (j >= text.size() || !isDigit(text[j])) {
        return prefix;  // a marker without digits is not part of the number
    }
    constexpr std::int64_t kSaturation = std::int64_t{1} << 40;
    for (; j < text.size() && isDigit(text[j]); ++j) {
        prefix.exponent = std::min(prefix.exponent * 10 + (text[j] - '0'), kSaturation);
    }
    if (negativeExponent) {
        prefix.exponent = -prefix.exponent;
    }
    prefix.end = j;
    return prefix;
}

}  // namespace

bool isAllowedNumericCharacter(char c) noexcept {
    return isDigit(c) || c == 'e' || c == '.' || c == 'E' || c == '-' || c == '+';
}

bool holdsOnlyNumericCharacters(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), isAllowedNumericCharacter);
}

std::optional<double> convertNumericText(std::string_view text) noexcept {
    const DecimalPrefix prefix = scanDecimalPrefix(text);
    if (!prefix.hasDigit) {
        return 0.0;
    }
    // from_chars takes no leading "+" and no sign at all here: the sign is applied after, which
    // is exact. It rounds to nearest whatever the C locale says.
    const char* first = text.data() + prefix.mantissaBegin;
    const char* last = text.data() + prefix.end;
    double magnitude = 0.0;
    const auto [stop, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (prefix.allZero || prefix.magnitudeOrder + prefix.exponent < 0) {
            magnitude = 0.0;  // below the smallest subnormal: the nearest double is zero
        } else {
            return std::nullopt;
        }
    } else if (error != std::errc{} || stop != last) {
        return std::nullopt;  // cannot happen for a scanned prefix; refuse rather than guess
    }
    return prefix.negative ? -magnitude : magnitude;
}

bool isAcceptableNumericText(std::string_view text) noexcept {
    bool exponentMarker = false;
    for (const char c : text) {
        if (c == 'e' || c == 'E') {
            exponentMarker = true;
        } else if (!isDigit(c) && c != '.' && c != '-' && c != '+') {
            return false;
        }
    }
    // Fewer than 300 characters and no exponent: below 1E300 whatever the digits.
    constexpr std::size_t kShortText = 300;
    return (!exponentMarker && text.size() < kShortText) || convertNumericText(text).has_value();
}

}  // namespace quadripolo

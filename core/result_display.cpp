#include "result_display.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quadripolo {

namespace {

// Byte offset of the character at `index` (from 0) in UTF-8 text, or npos.
std::size_t utf8Offset(const std::string& text, int index) {
    int seen = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0U) != 0x80U && ++seen == index) {
            return i;
        }
    }
    return std::string::npos;
}

std::size_t utf8Length(const std::string& text, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        ++end;
    }
    return end - offset;
}

}  // namespace

std::string formatResult(double value, std::string_view decimalSeparator) {
    std::string text;
    text.reserve(12 + decimalSeparator.size());
    if (value == 0.0) {
        text.append("00").append(decimalSeparator).append("00E+00");
        return text;
    }
    if (!std::isfinite(value)) {
        return value > 0.0 ? "+INF" : (value < 0.0 ? "-INF" : "NAN");  // never a result
    }

    // Shortest round-trip form of |value|: "d.ddd...e±x" or "de±x".
    char buffer[32];
    const double magnitude = std::abs(value);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific);
    const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t exponentMark = shortest.find('e');

    char digits[4] = {'0', '0', '0', '0'};  // the four significant digits kept
    int kept = 0;
    char next = '0';  // the first digit dropped
    for (const char c : shortest.substr(0, exponentMark)) {
        if (c == '.') {
            continue;
        }
        if (kept < 4) {
            digits[kept++] = c;
        } else {
            next = c;
            break;
        }
    }
    int exponent = 0;
    const std::string_view exponentText = shortest.substr(exponentMark + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    exponent -= 1;  // two integer digits instead of one

    // Half away from zero: any dropped tail starting with 5 or more rounds the magnitude up.
    if (next >= '5') {
        int i = 3;
        while (i >= 0 && digits[i] == '9') {
            digits[i--] = '0';
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';  // 99.995 → 100.00 becomes 10.00 with the exponent one up
            exponent += 1;
        }
    }

    if (value < 0.0) {
        text.push_back('-');
    }
    text.append(digits, 2).append(decimalSeparator).append(digits + 2, 2);
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    const int absoluteExponent = std::abs(exponent);
    if (absoluteExponent < 10) {
        text.push_back('0');
    }
    char exponentDigits[8];
    const auto written = std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits,
                                       absoluteExponent);
    text.append(exponentDigits, written.ptr);
    return text;
}

void forceDecimalPoint(std::string& text, int position) {
    const std::size_t offset = utf8Offset(text, position - 1);
    if (offset == std::string::npos) {
        return;
    }
    text.replace(offset, utf8Length(text, offset), ".");
}

}  // namespace quadripolo

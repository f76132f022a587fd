// SPDX-License-Identifier: MIT
#include "result_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace quadripolo {

namespace {

// Every significant digit that the exact value of a subnormal double has, and more.
constexpr int kExactSubnormalDigits = 770;

// The characters of a UTF-8 text start at every byte that is not a continuation byte.
bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// Replaces the character (not byte) at `position`, counted from 1, with ".", keeping every other
// character. A text shorter than that is left as it is.
void forceDecimalPoint(std::string& text, int position) {
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i]) && ++seen == position) {
            std::size_t end = i + 1;
            while (end < text.size() && !startsCharacter(text[end])) {
                ++end;
            }
            text[i] = '.';
            text.erase(i + 1, end - i - 1);
            return;
        }
    }
}

}  // namespace

std::string formatResult(double value, std::string_view decimalSeparator) {
    if (value == 0.0) {
        return std::string("00").append(decimalSeparator).append("00E+00");
    }
    // No field of the record holds one; it is named, as the digits below could not be.
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : value < 0.0 ? "-inf" : "inf";
    }
    const double magnitude = std::abs(value);
    char decimal[kExactSubnormalDigits + 16];
    const auto written =
        magnitude < std::numeric_limits<double>::min()
            ? std::to_chars(decimal, std::end(decimal), magnitude, std::chars_format::scientific,
                            kExactSubnormalDigits)
            : std::to_chars(decimal, std::end(decimal), magnitude, std::chars_format::scientific);
    // "d.ddd…e±x": the significant digits, at least five, then the decimal exponent.
    std::string digits;
    const char* c = decimal;
    for (; *c != 'e'; ++c) {
        if (*c != '.') {
            digits.push_back(*c);
        }
    }
    digits.append(5, '0');
    int exponent = 0;
    std::from_chars(c + 1 + (c[1] == '+' ? 1 : 0), written.ptr, exponent);
    exponent -= 1;  // two integer digits, not one

    // Half away from zero: a fifth digit of 5 or more rounds the four up.
    int leading = 0;
    std::from_chars(digits.data(), digits.data() + 4, leading);
    if (digits[4] >= '5') {
        ++leading;
    }
    const std::string four = std::to_string(leading);
    if (four.size() > 4) {  // 99.995 becomes 100.0: its first four digits, 10.00, one order up
        exponent += 1;
    }

    std::string text(value < 0.0 ? "-" : "");
    text.append(four, 0, 2).append(decimalSeparator).append(four, 2, 2);
    text.append(exponent < 0 ? "E-" : "E+");
    const int absoluteExponent = std::abs(exponent);
    if (absoluteExponent < 10) {
        text.push_back('0');
    }
    return text.append(std::to_string(absoluteExponent));
}

std::string fullValueText(double value) {
    // The shortest form in characters; for a large value written plain it holds every digit of
    // the exact integer, more than the shortest digits, and then the scientific form is taken.
    char plain[32];  // the longest shortest form, "-2.2250738585072014e-308", and more
    char scientific[32];
    const std::string_view shortest(plain, std::to_chars(plain, std::end(plain), value).ptr);
    const std::string_view digitsFirst(
        scientific,
        std::to_chars(scientific, std::end(scientific), value, std::chars_format::scientific).ptr);
    // The significant digits of a form: no sign, point, exponent, nor leading or trailing zeros.
    const auto significant = [](std::string_view text) {
        std::string digits;
        std::ranges::copy_if(text.substr(0, text.find('e')), std::back_inserter(digits),
                             [](char c) { return c >= '0' && c <= '9'; });
        const std::size_t first = digits.find_first_not_of('0');
        return first == std::string::npos
                   ? std::string()
                   : digits.substr(first, digits.find_last_not_of('0') + 1 - first);
    };
    return std::string(significant(shortest) == significant(digitsFirst) ? shortest : digitsFirst);
}

void showResult(NetworkState& state, Window& window, std::string_view control, double value) {
    const std::string formedFrom = fullValueText(value);
    window.setText(control, formatResult(value, window.decimalSeparator()), formedFrom);
    state.separatorPosition = value < 0.0 ? 4 : 3;
    state.resultText = window.text(control);
    forceDecimalPoint(state.resultText, state.separatorPosition);
    window.setText(control, state.resultText, formedFrom);
}

void showResults(NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    for (const ResultBox& box : boxes) {
        showResult(state, window, box.control, box.value(state));
    }
}

void formatResults(const NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    for (const ResultBox& box : boxes) {
        const double value = box.value(state);
        window.setText(box.control, formatResult(value, window.decimalSeparator()),
                       fullValueText(value));
    }
}

}  // namespace quadripolo

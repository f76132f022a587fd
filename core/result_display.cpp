#include "result_display.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// The four significant digits of a magnitude and the exponent that goes with two integer
// digits: magnitude ≈ d0d1.d2d3 × 10^exponent.
struct FourDigits {
    char digits[4];
    int exponent;
};

// Rounds the shortest round-trip decimal of the magnitude half away from zero.
FourDigits roundShortestDecimal(double magnitude) {
    FourDigits result{{'0', '0', '0', '0'}, 0};
    char* const digits = result.digits;
    int& exponent = result.exponent;

    // Shortest round-trip form: "d.ddd...e±x" or "de±x".
    char shortest[32];
    const char* const shortestEnd = std::to_chars(shortest, shortest + sizeof shortest, magnitude,
                                                  std::chars_format::scientific)
                                        .ptr;

    int kept = 0;
    char next = '0';  // the first digit dropped
    const char* c = shortest;
    for (; *c != 'e'; ++c) {
        if (*c == '.') {
            continue;
        }
        if (kept < 4) {
            digits[kept++] = *c;
        } else if (next == '0' && kept == 4) {
            next = *c;
            ++kept;
        }
    }
    ++c;  // the exponent's sign
    const bool negativeExponent = *c == '-';
    int decimalExponent = 0;
    for (++c; c != shortestEnd; ++c) {
        decimalExponent = decimalExponent * 10 + (*c - '0');
    }
    // Two integer digits, not one.
    exponent = (negativeExponent ? -decimalExponent : decimalExponent) - 1;

    // Half away from zero: a dropped tail starting with 5 or more rounds the magnitude up.
    if (next >= '5') {
        int i = 3;
        while (i >= 0 && digits[i] == '9') {
            digits[i--] = '0';
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';  // 99.995 becomes 100.00, that is 10.00 with the exponent one up
            exponent += 1;
        }
    }

    return result;
}

// Powers of ten 1E-308 ... 1E308, each the double nearest to it.
const std::array<double, 617>& powersOfTen() {
    static const std::array<double, 617> powers = [] {
        std::array<double, 617> table{};
        char text[8];
        for (int k = -308; k <= 308; ++k) {
            text[0] = '1';
            text[1] = 'e';
            const char* end = std::to_chars(text + 2, text + sizeof text, k).ptr;
            std::from_chars(text, end, table[static_cast<std::size_t>(k + 308)]);
        }
        return table;
    }();
    return powers;
}

// The same digits by one scaling in double precision. The scaled value carries a relative
// error below 3E-16, far inside the 1E-6 margin kept around every half: away from a half the
// exact value and its shortest decimal round alike, and so does the scaled value. Near a half,
// and for magnitudes too small or too large for the table, it declines.
bool roundByScaling(double magnitude, FourDigits& result) {
    // The binary exponent from the bits: magnitude = 1.f × 2^(binaryExponent − 1). A subnormal
    // (biased exponent 0) lies below the table and declines below.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FFU) - 1022;
    // floor(log10(magnitude)), or one less: 78913 / 2^18 is log10(2) to seven digits, and the
    // arithmetic shift rounds toward minus infinity.
    int order = ((binaryExponent - 1) * 78913) >> 18;
    if (order < -305 || order > 307) {
        return false;
    }
    const auto& powers = powersOfTen();
    double scaled = magnitude * powers[static_cast<std::size_t>(3 - order + 308)];
    if (scaled >= 10000.0) {
        ++order;
        scaled = magnitude * powers[static_cast<std::size_t>(3 - order + 308)];
    }
    if (scaled < 999.0 || scaled >= 10001.0) {
        return false;
    }
    const auto whole = static_cast<int>(scaled);  // scaled is positive: truncation is floor
    const double fraction = scaled - whole;
    if (fraction > 0.5 - 1e-6 && fraction < 0.5 + 1e-6) {
        return false;
    }
    int rounded = whole + (fraction > 0.5 ? 1 : 0);
    if (rounded >= 10000) {
        rounded /= 10;
        ++order;
    }
    for (int i = 3; i >= 0; --i) {
        result.digits[i] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    }
    result.exponent = order - 1;
    return true;
}

}  // namespace

std::string formatResult(double value, std::string_view decimalSeparator) {
    if (value == 0.0) {
        return std::string("00").append(decimalSeparator).append("00E+00");
    }
    if (!std::isfinite(value)) {
        return value > 0.0 ? "+INF" : (value < 0.0 ? "-INF" : "NAN");  // never a result
    }
    const double magnitude = std::abs(value);
    FourDigits rounded{};
    if (!roundByScaling(magnitude, rounded)) {
        rounded = roundShortestDecimal(magnitude);
    }
    const char* const digits = rounded.digits;
    const int exponent = rounded.exponent;

    // Sign and integer digits, the separator, decimals and exponent, built in one buffer.
    char text[32];
    std::size_t length = 0;
    if (value < 0.0) {
        text[length++] = '-';
    }
    text[length++] = digits[0];
    text[length++] = digits[1];
    const std::size_t separatorLength = std::min(decimalSeparator.size(), std::size_t{16});
    decimalSeparator.copy(text + length, separatorLength);
    length += separatorLength;
    text[length++] = digits[2];
    text[length++] = digits[3];
    text[length++] = 'E';
    text[length++] = exponent < 0 ? '-' : '+';
    int absoluteExponent = exponent < 0 ? -exponent : exponent;
    if (absoluteExponent >= 100) {
        text[length++] = static_cast<char>('0' + absoluteExponent / 100);
        absoluteExponent %= 100;
    }
    text[length++] = static_cast<char>('0' + absoluteExponent / 10);
    text[length++] = static_cast<char>('0' + absoluteExponent % 10);
    return std::string(text, length);
}

void forceDecimalPoint(std::string& text, int position) {
    const auto index = static_cast<std::size_t>(position - 1);
    if (position >= 1 && index < text.size() &&
        std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                    [](char c) { return (static_cast<unsigned char>(c) & 0x80U) == 0; })) {
        text[index] = '.';  // plain ASCII up to there: one byte per character
        return;
    }
    const std::size_t offset = utf8Offset(text, position - 1);
    if (offset == std::string::npos) {
        return;
    }
    text[offset] = '.';
    text.erase(offset + 1, utf8Length(text, offset) - 1);
}

}  // namespace quadripolo

#pragma once

#include <string>
#include <string_view>

namespace quadripolo {

// The text of `value` by the pattern "00.00E+00": a "-" for a negative value, two integer digits
// (the first not 0), the decimal separator, two decimals, "E", the exponent's sign and at least
// two exponent digits. Zero gives "00", separator, "00E+00".
//
// Rounding is half away from zero on the shortest decimal that reads back as the same double,
// not on the double's exact binary value: 12.345, held as 12.3449999999999997513..., shows
// "12.35E+00", as typed; a double that is exactly halfway rounds away from zero too (10.125
// gives "10.13E+00"). So the text depends only on the value a person would type for it.
std::string formatResult(double value, std::string_view decimalSeparator);

// A text that a command can write and read back: a label's caption or a field's text.
class TextTarget {
public:
    virtual ~TextTarget() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// Replaces the character (not byte) at `position`, counted from 1, with ".", keeping the length
// and every other character. A text shorter than that is left as it is.
void forceDecimalPoint(std::string& text, int position);

}  // namespace quadripolo

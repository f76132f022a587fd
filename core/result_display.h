// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "network_state.h"
#include "window.h"

namespace quadripolo {

// The text of `value` by the pattern "00.00E+00": a "-" for a negative value, two integer digits
// (the first not 0), the decimal separator, two decimals, "E", the exponent's sign and at least
// two exponent digits. Zero gives "00", separator, "00E+00". A value that is not finite, which no
// field of the record holds, gives "inf", "-inf" or "NaN".
//
// The four digits are rounded half away from zero, from the shortest decimal that reads back as
// the same double, not from the double's exact binary value: 1.0005, held as
// 1.000499999999999989..., shows "10.01E-01", as typed, and an exact binary half such as
// 10.125 rounds away too. So the text depends only on the value a person would type for it.
// A subnormal value (below 2.2250738585072014E-308) has too few bits for its shortest decimal
// to stand for it, and is rounded from its exact value.
std::string formatResult(double value, std::string_view decimalSeparator);

// The fewest significant digits that read back as the same double, with a point whatever the
// locale, plain or scientific, whichever is shorter, but scientific wherever the plain form would
// need more digits than those: "12.071925996368467", "1e-05", "5.544107114230439e+20" (not
// "554410711423043895296"). Every text a result box shows is written with it.
std::string fullValueText(double value);

// Writes formatResult(value) with the window's decimal separator into the control, reads it back
// into resultText and writes it again with "." at separatorPosition (4 for a negative value,
// else 3): the text reads the same in every locale and can be typed back into a field.
void showResult(NetworkState& state, Window& window, std::string_view control, double value);

// A control that shows one field of the record, read by valueOf<&NetworkState::member>.
struct ResultBox {
    std::string_view control;
    double (*value)(const NetworkState& state);
};

template <auto member>
double valueOf(const NetworkState& state) {
    return double(state.*member);
}

// Writes each field with showResult, in order: the point forced, whatever the locale.
void showResults(NetworkState& state, Window& window, std::span<const ResultBox> boxes);

// Writes each field's formatResult, in order: the locale's decimal separator.
void formatResults(const NetworkState& state, Window& window, std::span<const ResultBox> boxes);

}  // namespace quadripolo

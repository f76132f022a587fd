// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quadripolo {

// The characters a numeric field may hold: the ten digits and "e", ".", "E", "-", "+".
// Only which characters occur matters, never their order or number.
bool isAllowedNumericCharacter(char c) noexcept;
bool holdsOnlyNumericCharacters(std::string_view text) noexcept;

// The value of the longest prefix of `text` that has the form of a decimal number: an optional
// sign, digits with at most one ".", then optionally "e" or "E" with an optional sign and
// digits. The point is the separator whatever the locale. A prefix without a digit gives 0, an
// exponent marker without digits is ignored, a value below the smallest double gives 0 of its
// sign. The prefix is rounded to the nearest double; nothing is returned when that lies beyond
// the largest double.
std::optional<double> convertNumericText(std::string_view text) noexcept;

}  // namespace quadripolo

// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "input_fields.h"
#include "network_state.h"
#include "window.h"

namespace quadripolo {

// Sets state.inputError to 0, or shows one message in `window` and sets it to 1: the record's
// missingValueMessage for an empty text, its badValueMessage for a text holding a character
// outside the digits and "e . E - +", or whose value lies beyond the range of a double.
void checkNumericText(NetworkState& state, Window& window, const std::string& text);

// Reads a window's fields in two passes. First each field in order: its text into fieldText,
// its two messages into missingValueMessage and badValueMessage, then checkNumericText; the
// first field that fails ends the reading with false and nothing stored. Then every text is
// read again and stored into its member, the admittances last, after the Ro they are
// normalised by. A stored phase or admittance can fault; what was stored before it stays.
bool readFields(NetworkState& state, Window& window, std::span<const InputField> fields);

}  // namespace quadripolo

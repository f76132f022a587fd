// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "network_state.h"
#include "window.h"

namespace quadripolo {

// A control that shows one field of the record.
struct ResultBox {
    std::string_view control;
    CheckedDouble NetworkState::*field;
};

// Writes each field with showResult, in order: the point forced, whatever the locale.
void showResults(NetworkState& state, Window& window, std::span<const ResultBox> boxes);

// Writes each field's formatResult, in order: the locale's decimal separator.
void formatResults(const NetworkState& state, Window& window, std::span<const ResultBox> boxes);

}  // namespace quadripolo

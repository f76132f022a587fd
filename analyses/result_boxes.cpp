// SPDX-License-Identifier: MIT
#include "result_boxes.h"

#include "result_display.h"

namespace quadripolo {

void showResults(NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    for (const ResultBox& box : boxes) {
        showResult(state, window, box.control, state.*box.field);
    }
}

void formatResults(const NetworkState& state, Window& window, std::span<const ResultBox> boxes) {
    for (const ResultBox& box : boxes) {
        window.setText(box.control, formatResult(state.*box.field, window.decimalSeparator()));
    }
}

}  // namespace quadripolo

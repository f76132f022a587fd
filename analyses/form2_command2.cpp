// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/result_display.h"

namespace quadripolo::form2 {

namespace {

// The y fields in the order they are written, each with the value it receives.
constexpr ResultBox kYFieldsToFill[] = {
    {"Text1", &NetworkState::y11Re}, {"Text2", &NetworkState::y11Im},
    {"Text5", &NetworkState::y12Re}, {"Text6", &NetworkState::y12Im},
    {"Text3", &NetworkState::y21Re}, {"Text4", &NetworkState::y21Im},
    {"Text7", &NetworkState::y22Re}, {"Text8", &NetworkState::y22Im},
};

}  // namespace

// The values are copied as they stand, rounded to four digits, with the point forced so that
// the field check accepts them.
void Command2_Click(NetworkState& state, Window& form2) {
    showResults(state, form2, kYFieldsToFill);
}

}  // namespace quadripolo::form2

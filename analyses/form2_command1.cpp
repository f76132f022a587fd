// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "y_to_s.h"

namespace quadripolo::form2 {

namespace {

constexpr ResultBox kSBoxes[] = {
    {"Label35", &NetworkState::s11Mag}, {"Label37", &NetworkState::s11Phase},
    {"Label38", &NetworkState::s12Mag}, {"Label36", &NetworkState::s12Phase},
    {"Label43", &NetworkState::s21Mag}, {"Label44", &NetworkState::s21Phase},
    {"Label45", &NetworkState::s22Mag}, {"Label46", &NetworkState::s22Phase},
};

}  // namespace

void Command1_Click(NetworkState& state, Window& form2) {
    if (!readFields(state, form2, kYWindowFields)) {
        return;
    }
    convertYToS(state);
    formatResults(state, form2, kSBoxes);
}

}  // namespace quadripolo::form2

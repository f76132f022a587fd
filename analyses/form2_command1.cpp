// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "y_to_s.h"

namespace quadripolo::form2 {

namespace {

using N = NetworkState;

constexpr ResultBox kSBoxes[] = {
    {"Label35", valueOf<&N::s11Mag>}, {"Label37", valueOf<&N::s11Phase>},
    {"Label38", valueOf<&N::s12Mag>}, {"Label36", valueOf<&N::s12Phase>},
    {"Label43", valueOf<&N::s21Mag>}, {"Label44", valueOf<&N::s21Phase>},
    {"Label45", valueOf<&N::s22Mag>}, {"Label46", valueOf<&N::s22Phase>},
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

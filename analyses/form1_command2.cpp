// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"

namespace quadripolo::form1 {

namespace {

// PL and Pin of the S analysis re-rendered as they stand, then the lower block.
constexpr ResultBox kZAnalysisBoxes[] = {
    {"Label32", &NetworkState::pl},        {"Label34", &NetworkState::pin},
    {"Label41", &NetworkState::ziByZRe},   {"Label43", &NetworkState::ziByZIm},
    {"Label53", &NetworkState::v1ByZRe},   {"Label55", &NetworkState::v1ByZIm},
    {"Label57", &NetworkState::v2ByZRe},   {"Label59", &NetworkState::v2ByZIm},
    {"Label61", &NetworkState::plByZ},     {"Label63", &NetworkState::pinByZ},
    {"Label65", &NetworkState::zoutByZRe}, {"Label66", &NetworkState::zoutByZIm},
    {"Label81", &NetworkState::i1ByZRe},   {"Label82", &NetworkState::i1ByZIm},
    {"Label83", &NetworkState::i2ByZRe},   {"Label84", &NetworkState::i2ByZIm},
};

}  // namespace

void Command2_Click(NetworkState& state, Window& form1) {
    if (!readFields(state, form1, kMainWindowFields)) {
        return;
    }
    convertSToZY(state);
    showResults(state, form1, kZAnalysisBoxes);
}

}  // namespace quadripolo::form1

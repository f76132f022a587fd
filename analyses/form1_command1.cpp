// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "terminated_solution.h"

namespace quadripolo::form1 {

namespace {

// The upper block, in the order the boxes are written.
constexpr ResultBox kSAnalysisBoxes[] = {
    {"Label6", &NetworkState::a1Re},    {"Label13", &NetworkState::a1Im},
    {"Label16", &NetworkState::a2Re},   {"Label18", &NetworkState::a2Im},
    {"Label20", &NetworkState::b1Re},   {"Label22", &NetworkState::b1Im},
    {"Label24", &NetworkState::b2Re},   {"Label26", &NetworkState::b2Im},
    {"Label32", &NetworkState::pl},     {"Label34", &NetworkState::pin},
    {"Label36", &NetworkState::ziRe},   {"Label39", &NetworkState::ziIm},
    {"Label46", &NetworkState::v1Re},   {"Label47", &NetworkState::v1Im},
    {"Label49", &NetworkState::v2Re},   {"Label50", &NetworkState::v2Im},
    {"Label69", &NetworkState::zoutRe}, {"Label70", &NetworkState::zoutIm},
    {"Label73", &NetworkState::i1Re},   {"Label74", &NetworkState::i1Im},
    {"Label75", &NetworkState::i2Re},   {"Label76", &NetworkState::i2Im},
};

}  // namespace

void Command1_Click(NetworkState& state, Window& form1) {
    if (!readFields(state, form1, kMainWindowFields)) {
        return;
    }
    solveOpenOutput(state);
    solveLoaded(state);
    showResults(state, form1, kSAnalysisBoxes);
}

}  // namespace quadripolo::form1

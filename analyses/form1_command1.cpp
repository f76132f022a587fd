// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "terminated_solution.h"

namespace quadripolo::form1 {

namespace {

using N = NetworkState;

// The upper block, in the order the boxes are written.
constexpr ResultBox kSAnalysisBoxes[] = {
    {"Label6", valueOf<&N::a1Re>},    {"Label13", valueOf<&N::a1Im>},
    {"Label16", valueOf<&N::a2Re>},   {"Label18", valueOf<&N::a2Im>},
    {"Label20", valueOf<&N::b1Re>},   {"Label22", valueOf<&N::b1Im>},
    {"Label24", valueOf<&N::b2Re>},   {"Label26", valueOf<&N::b2Im>},
    {"Label32", valueOf<&N::pl>},     {"Label34", valueOf<&N::pin>},
    {"Label36", valueOf<&N::ziRe>},   {"Label39", valueOf<&N::ziIm>},
    {"Label46", valueOf<&N::v1Re>},   {"Label47", valueOf<&N::v1Im>},
    {"Label49", valueOf<&N::v2Re>},   {"Label50", valueOf<&N::v2Im>},
    {"Label69", valueOf<&N::zoutRe>}, {"Label70", valueOf<&N::zoutIm>},
    {"Label73", valueOf<&N::i1Re>},   {"Label74", valueOf<&N::i1Im>},
    {"Label75", valueOf<&N::i2Re>},   {"Label76", valueOf<&N::i2Im>},
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

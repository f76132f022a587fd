// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"

namespace quadripolo::form1 {

namespace {

using N = NetworkState;

// PL and Pin of the S analysis re-rendered as they stand, then the lower block.
constexpr ResultBox kZAnalysisBoxes[] = {
    {"Label32", valueOf<&N::pl>},        {"Label34", valueOf<&N::pin>},
    {"Label41", valueOf<&N::ziByZRe>},   {"Label43", valueOf<&N::ziByZIm>},
    {"Label53", valueOf<&N::v1ByZRe>},   {"Label55", valueOf<&N::v1ByZIm>},
    {"Label57", valueOf<&N::v2ByZRe>},   {"Label59", valueOf<&N::v2ByZIm>},
    {"Label61", valueOf<&N::plByZ>},     {"Label63", valueOf<&N::pinByZ>},
    {"Label65", valueOf<&N::zoutByZRe>}, {"Label66", valueOf<&N::zoutByZIm>},
    {"Label81", valueOf<&N::i1ByZRe>},   {"Label82", valueOf<&N::i1ByZIm>},
    {"Label83", valueOf<&N::i2ByZRe>},   {"Label84", valueOf<&N::i2ByZIm>},
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

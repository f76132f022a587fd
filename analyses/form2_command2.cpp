// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/result_display.h"

namespace quadripolo::form2 {

namespace {

using N = NetworkState;

// The y fields in the order they are written, each with the value it receives.
constexpr ResultBox kYFieldsToFill[] = {
    {"Text1", valueOf<&N::y11Re>}, {"Text2", valueOf<&N::y11Im>}, {"Text5", valueOf<&N::y12Re>},
    {"Text6", valueOf<&N::y12Im>}, {"Text3", valueOf<&N::y21Re>}, {"Text4", valueOf<&N::y21Im>},
    {"Text7", valueOf<&N::y22Re>}, {"Text8", valueOf<&N::y22Im>},
};

}  // namespace

// The values are copied as they stand, rounded to four digits, with the point forced so that
// the field check accepts them.
void Command2_Click(NetworkState& state, Window& form2) {
    showResults(state, form2, kYFieldsToFill);
}

}  // namespace quadripolo::form2

// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"

namespace quadripolo::form1 {

namespace {

using N = NetworkState;

// The equivalent-parameter window's z and y boxes; their names do not follow the grid order.
constexpr ResultBox kEquivalentParameterBoxes[] = {
    {"Label1", valueOf<&N::z11Re>},  {"Label2", valueOf<&N::z11Im>},
    {"Label3", valueOf<&N::z12Re>},  {"Label4", valueOf<&N::z12Im>},
    {"Label9", valueOf<&N::z21Re>},  {"Label10", valueOf<&N::z21Im>},
    {"Label11", valueOf<&N::z22Re>}, {"Label12", valueOf<&N::z22Im>},
    {"Label34", valueOf<&N::y11Re>}, {"Label32", valueOf<&N::y11Im>},
    {"Label31", valueOf<&N::y12Re>}, {"Label33", valueOf<&N::y12Im>},
    {"Label26", valueOf<&N::y21Re>}, {"Label25", valueOf<&N::y21Im>},
    {"Label24", valueOf<&N::y22Re>}, {"Label23", valueOf<&N::y22Im>},
};

}  // namespace

void Command3_Click(NetworkState& state, Window& form1) {
    if (!readFields(state, form1, kMainWindowFields)) {
        return;
    }
    convertSToZY(state);
    Window& form2 = form1.loadAndShowEquivalentWindow();
    formatResults(state, form2, kEquivalentParameterBoxes);
}

}  // namespace quadripolo::form1

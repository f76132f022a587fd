// SPDX-License-Identifier: MIT
#include "commands.h"
#include "core/field_reading.h"
#include "core/result_display.h"
#include "core/s_to_zy.h"

namespace quadripolo::form1 {

namespace {

// The equivalent-parameter window's z and y boxes; their names do not follow the grid order.
constexpr ResultBox kEquivalentParameterBoxes[] = {
    {"Label1", &NetworkState::z11Re},  {"Label2", &NetworkState::z11Im},
    {"Label3", &NetworkState::z12Re},  {"Label4", &NetworkState::z12Im},
    {"Label9", &NetworkState::z21Re},  {"Label10", &NetworkState::z21Im},
    {"Label11", &NetworkState::z22Re}, {"Label12", &NetworkState::z22Im},
    {"Label34", &NetworkState::y11Re}, {"Label32", &NetworkState::y11Im},
    {"Label31", &NetworkState::y12Re}, {"Label33", &NetworkState::y12Im},
    {"Label26", &NetworkState::y21Re}, {"Label25", &NetworkState::y21Im},
    {"Label24", &NetworkState::y22Re}, {"Label23", &NetworkState::y22Im},
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

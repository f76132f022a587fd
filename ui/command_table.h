// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "analyses/commands.h"

namespace quadripolo::ui {

// One entry of the wiring: the click of a window's button runs one command on the program's
// record and that window.
struct ButtonCommand {
    std::string_view button;  // object name of the button
    Command command;
};

// The whole wiring, one table per window: nothing else reacts to the user.
inline constexpr std::array<ButtonCommand, 3> kForm1Buttons{{
    {"Command1", &form1::Command1_Click},
    {"Command2", &form1::Command2_Click},
    {"Command3", &form1::Command3_Click},
}};
inline constexpr std::array<ButtonCommand, 2> kForm2Buttons{{
    {"Command1", &form2::Command1_Click},
    {"Command2", &form2::Command2_Click},
}};

}  // namespace quadripolo::ui

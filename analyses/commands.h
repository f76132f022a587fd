// SPDX-License-Identifier: MIT
#pragma once

#include "core/floating_point_fault.h"
#include "core/network_state.h"
#include "core/window.h"

// The five commands that the buttons start. Each reads its fields, computes and shows, on the
// record it is given; a floating-point fault leaves it as a FloatingPointFault, before any box
// is written.
namespace quadripolo {

// What a button starts: it reads its window's fields into the record, computes and shows.
using Command = void (*)(NetworkState& state, Window& window);

namespace form1 {
// Analysis with S parameters: the upper result block.
void Command1_Click(NetworkState& state, Window& form1);
// Analysis with z parameters: the lower result block, and PL and Pin of the S analysis again.
void Command2_Click(NetworkState& state, Window& form1);
// Equivalent z and y parameters, shown in the equivalent-parameter window.
void Command3_Click(NetworkState& state, Window& form1);
}  // namespace form1

namespace form2 {
// Conversion of the typed y parameters, with Ro, to S parameters.
void Command1_Click(NetworkState& state, Window& form2);
// Copy of the y parameters held in the record into the y fields.
void Command2_Click(NetworkState& state, Window& form2);
}  // namespace form2

}  // namespace quadripolo
